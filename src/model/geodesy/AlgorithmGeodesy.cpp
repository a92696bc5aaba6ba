#include "model/geodesy/AlgorithmGeodesy.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace Algorithm {

namespace {

constexpr double B = 6356752.3142;
constexpr double F = 0.0033528106647474805;
constexpr double OneMinusF = 0.9966471893352525;
constexpr double ASquaredMinusBSquared = 272331606681.9453;
constexpr double BSquared = 40408299984087.055;
constexpr double DegToRad = 0.0174532925;
constexpr double RadToDeg = 57.295779513;
constexpr double MetresPerNm = 1852.0;
constexpr double Pi = 3.14159265358979323846;
constexpr int MaxPasses = 100;
constexpr double Converged = 1e-12;

struct InverseResult
{
    bool found = false; // false: coincident points
    double distanceM = 0.0;
    double initialBearingRad = 0.0;
    double finalBearingRad = 0.0; // the direction of the line where it reaches point 2
};

double coefficientA(double uSquared)
{
    return 1.0 + uSquared / 16384.0 * (4096.0 + uSquared * (-768.0 + uSquared * (320.0 - 175.0 * uSquared)));
}

double coefficientB(double uSquared)
{
    return uSquared / 1024.0 * (256.0 + uSquared * (-128.0 + uSquared * (74.0 - 47.0 * uSquared)));
}

double deltaSigma(double b, double sinSigma, double cosSigma, double cos2SigmaM)
{
    const double c2 = cos2SigmaM * cos2SigmaM;
    return b * sinSigma
           * (cos2SigmaM
              + b / 4.0
                    * (cosSigma * (-1.0 + 2.0 * c2)
                       - b / 6.0 * cos2SigmaM * (-3.0 + 4.0 * sinSigma * sinSigma) * (-3.0 + 4.0 * c2)));
}

// The difference between the longitude on the auxiliary sphere and on the ellipsoid.
double longitudeCorrection(double sinAlpha, double cosSqAlpha, double sigma, double sinSigma, double cosSigma,
                           double cos2SigmaM)
{
    const double c = F / 16.0 * cosSqAlpha * (4.0 + F * (4.0 - 3.0 * cosSqAlpha));
    return (1.0 - c) * F * sinAlpha
           * (sigma + c * sinSigma * (cos2SigmaM + c * cosSigma * (-1.0 + 2.0 * cos2SigmaM * cos2SigmaM)));
}

// Karney's solution, which converges everywhere: for the nearly antipodal points where
// Vincenty's iteration does not settle, and for exactly antipodal ones.
InverseResult solveInverseKarney(double lat1, double lon1, double lat2, double lon2)
{
    double distanceM = 0.0;
    double initialDeg = 0.0;
    double finalDeg = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(lat1, lon1, lat2, lon2, distanceM, initialDeg, finalDeg);
    InverseResult result;
    result.found = true;
    result.distanceM = distanceM;
    result.initialBearingRad = initialDeg / RadToDeg;
    result.finalBearingRad = finalDeg / RadToDeg;
    return result;
}

InverseResult solveInverse(double lat1, double lon1, double lat2, double lon2)
{
    const double u1 = std::atan(OneMinusF * std::tan(lat1 * DegToRad));
    const double u2 = std::atan(OneMinusF * std::tan(lat2 * DegToRad));
    const double sinU1 = std::sin(u1);
    const double cosU1 = std::cos(u1);
    const double sinU2 = std::sin(u2);
    const double cosU2 = std::cos(u2);
    const double l = (lon2 - lon1) * DegToRad;

    double lambda = l;
    for (int budget = MaxPasses; budget > 0; --budget) {
        const double sinLambda = std::sin(lambda);
        const double cosLambda = std::cos(lambda);
        const double east = cosU2 * sinLambda;
        const double north = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
        const double sinSigma = std::sqrt(east * east + north * north);
        const double cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
        if (sinSigma == 0.0)
            return cosSigma > 0.0 ? InverseResult{} : solveInverseKarney(lat1, lon1, lat2, lon2);
        const double sigma = std::atan2(sinSigma, cosSigma);
        const double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
        const double cosSqAlpha = 1.0 - sinAlpha * sinAlpha;
        // Both points on the equator: the geodesic runs along it and cos 2σm has no part to play.
        const double cos2SigmaM = cosSqAlpha != 0.0 ? cosSigma - 2.0 * sinU1 * sinU2 / cosSqAlpha : 0.0;
        const double next = l + longitudeCorrection(sinAlpha, cosSqAlpha, sigma, sinSigma, cosSigma, cos2SigmaM);
        if (std::fabs(next - lambda) <= Converged) {
            const double uSquared = cosSqAlpha * ASquaredMinusBSquared / BSquared;
            const double a = coefficientA(uSquared);
            const double b = coefficientB(uSquared);
            InverseResult result;
            result.found = true;
            result.distanceM = B * a * (sigma - deltaSigma(b, sinSigma, cosSigma, cos2SigmaM));
            result.initialBearingRad = std::atan2(east, north);
            result.finalBearingRad = std::atan2(cosU1 * sinLambda, -sinU1 * cosU2 + cosU1 * sinU2 * cosLambda);
            return result;
        }
        lambda = next;
    }
    return solveInverseKarney(lat1, lon1, lat2, lon2);
}

} // namespace

float Cal2PointsDistVincenty(double lat1, double lon1, double lat2, double lon2)
{
    const InverseResult r = solveInverse(lat1, lon1, lat2, lon2);
    if (!r.found)
        return 0.0f;
    return static_cast<float>(r.distanceM) / static_cast<float>(MetresPerNm);
}

namespace {

float bearingDegrees(double radiansTrue)
{
    const float radians = static_cast<float>(radiansTrue);
    float degrees = static_cast<float>(static_cast<double>(radians) * RadToDeg);
    if (degrees < 0.0f)
        degrees += 360.0f;
    return degrees;
}

} // namespace

float Cal2PointsBearingVincenty(double lat1, double lon1, double lat2, double lon2)
{
    const InverseResult r = solveInverse(lat1, lon1, lat2, lon2);
    return r.found ? bearingDegrees(r.initialBearingRad) : 0.0f;
}

float Cal2PointsFinalBearingVincenty(double lat1, double lon1, double lat2, double lon2)
{
    const InverseResult r = solveInverse(lat1, lon1, lat2, lon2);
    return r.found ? bearingDegrees(r.finalBearingRad) : 0.0f;
}

void CalDestPointVincenty(double* destLon, double* destLat, double lon, double lat, float distanceM,
                          float bearingDeg)
{
    const double s = distanceM;
    const double alpha1 = bearingDeg * DegToRad;
    const double sinAlpha1 = std::sin(alpha1);
    const double cosAlpha1 = std::cos(alpha1);

    const double tanU1 = OneMinusF * std::tan(lat * DegToRad);
    const double cosU1 = 1.0 / std::sqrt(1.0 + tanU1 * tanU1);
    const double sinU1 = tanU1 * cosU1;
    const double sigma1 = std::atan2(tanU1, cosAlpha1);
    const double sinAlpha = cosU1 * sinAlpha1;
    const double cosSqAlpha = 1.0 - sinAlpha * sinAlpha;
    const double uSquared = cosSqAlpha * ASquaredMinusBSquared / BSquared;
    const double a = coefficientA(uSquared);
    const double b = coefficientB(uSquared);

    double sigma = s / (B * a);
    double previous = 2.0 * Pi;
    // The series settles in a few passes; the bound only guards against a value that never does.
    for (int pass = 0; pass < MaxPasses && std::fabs(sigma - previous) > Converged; ++pass) {
        previous = sigma;
        sigma = s / (B * a) + deltaSigma(b, std::sin(sigma), std::cos(sigma), std::cos(2.0 * sigma1 + sigma));
    }
    const double sinSigma = std::sin(sigma);
    const double cosSigma = std::cos(sigma);
    const double cos2SigmaM = std::cos(2.0 * sigma1 + sigma);

    const double tmp = sinU1 * sinSigma - cosU1 * cosSigma * cosAlpha1;
    const double lat2 = std::atan2(sinU1 * cosSigma + cosU1 * sinSigma * cosAlpha1,
                                   OneMinusF * std::sqrt(sinAlpha * sinAlpha + tmp * tmp));
    const double lambda = std::atan2(sinSigma * sinAlpha1, cosU1 * cosSigma - sinU1 * sinSigma * cosAlpha1);
    const double l = lambda - longitudeCorrection(sinAlpha, cosSqAlpha, sigma, sinSigma, cosSigma, cos2SigmaM);
    const double lon2 = std::fmod(lon * DegToRad + l + 3.0 * Pi, 2.0 * Pi) - Pi;

    *destLat = lat2 * RadToDeg;
    *destLon = lon2 * RadToDeg;
}

double Cal2PointsDistanceGoogle(double lon1, double lat1, double lon2, double lat2)
{
    constexpr double RadiusKm = 6378.137;
    const double phi1 = lat1 * DegToRad;
    const double phi2 = lat2 * DegToRad;
    const double sinHalfDLat = std::sin((phi2 - phi1) / 2.0);
    const double sinHalfDLon = std::sin((lon2 - lon1) * DegToRad / 2.0);
    const double h = sinHalfDLat * sinHalfDLat + std::cos(phi1) * std::cos(phi2) * sinHalfDLon * sinHalfDLon;
    return 2.0 * RadiusKm * std::asin(std::sqrt(std::fmin(1.0, h)));
}

} // namespace Algorithm
