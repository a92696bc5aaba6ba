#include "codec/geometry/CpaGeometry.h"

#include "codec/records/CodecLock.h"

#include <algorithm>
#include <cmath>

CPA_SETTING CPA_Setting;

namespace {

constexpr double DEGREES_PER_RADIAN = 57.29577950560105;
constexpr double KM_PER_DEGREE = 111.12;
constexpr double KM_PER_NM = 1.852;
// Mid-latitude sailing keeps its own constants.
constexpr double ELLIP_DEGREES_PER_RADIAN = 57.295780181884766;
constexpr double ELLIP_KM_PER_DEGREE = 111.08956;
constexpr double ELLIP_NUDGE = 1e-6; // keeps a zero latitude difference from dividing by zero
// The bearings turn the angle with this rounded factor.
constexpr double BEARING_DEGREES_PER_RADIAN = 57.3;
constexpr double PI = 3.141592654;
constexpr double MIN_RELATIVE_SPEED_SQUARED = 1e-8;

float dot(VECTOR a, VECTOR b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Degrees of longitude east from `from` to `to` the short way round, within +-180: a target
// across the date line lies a little east or west, not most of the way round the world.
double longitudeEastOf(float from, float to)
{
    return std::remainder(static_cast<double>(to) - from, 360.0);
}

float signedBy(float value, bool negative)
{
    return negative ? -value : value;
}

} // namespace

void CpaInitial()
{
    CCodecLock lock;
    CPA_Setting = CPA_SETTING{5, 10, 1, 1};
}

VECTOR Vector_ADD(VECTOR a, VECTOR b)
{
    return VECTOR{a.x + b.x, a.y + b.y, a.z + b.z};
}

VECTOR Vector_Sub(VECTOR a, VECTOR b)
{
    return VECTOR{a.x - b.x, a.y - b.y, a.z - b.z};
}

VECTOR Vector_Scale(VECTOR v, float factor)
{
    return VECTOR{v.x * factor, v.y * factor, v.z * factor};
}

VECTOR Vector_Polar(float length, double degreesTrue)
{
    const double theta = (90.0 - degreesTrue) * PI / 180.0; // counter-clockwise from east
    return VECTOR{static_cast<float>(std::cos(theta) * length), static_cast<float>(std::sin(theta) * length), 0.0f};
}

void CalLonLatScale(float longitude, float latitude, float* lonScale, float* latScale, float span)
{
    if (!lonScale || !latScale)
        return;
    if (!(span > 0.0f)) {
        *lonScale = 0.0f;
        *latScale = 0.0f;
        return;
    }
    const float lonStart = std::max(-180.0f, longitude - span / 2);
    const float latStart = std::max(-90.0f, latitude - span / 2);
    *lonScale = static_cast<float>(Cal2PointsDistanceGC(lonStart, latitude, lonStart + span, latitude) / KM_PER_NM / span);
    *latScale = static_cast<float>(Cal2PointsDistanceGC(longitude, latStart, longitude, latStart + span) / KM_PER_NM / span);
}

void CalVector(SHIP_INFO_TO_CPA own, SHIP_INFO_TO_CPA other, TRACK* ownTrack, TRACK* otherTrack)
{
    if (!ownTrack || !otherTrack)
        return;
    float lonScale = 0.0f;
    float latScale = 0.0f;
    CalLonLatScale(own.longitude, own.latitude, &lonScale, &latScale, 1.0f);
    ownTrack->velocity = Vector_Polar(own.sog, own.cog);
    ownTrack->position = VECTOR{0.0f, 0.0f, 0.0f};
    otherTrack->velocity = Vector_Polar(other.sog, other.cog);
    otherTrack->position = VECTOR{static_cast<float>(longitudeEastOf(own.longitude, other.longitude) * lonScale),
                                  (other.latitude - own.latitude) * latScale, 0.0f};
}

float cpa_time(TRACK first, TRACK second)
{
    const VECTOR dv = Vector_Sub(first.velocity, second.velocity);
    const float dv2 = dot(dv, dv);
    if (static_cast<double>(dv2) < MIN_RELATIVE_SPEED_SQUARED)
        return 0.0f;
    return -dot(Vector_Sub(first.position, second.position), dv) / dv2;
}

void cpa_distance_time(SHIP_INFO_TO_CPA own, SHIP_INFO_TO_CPA target, float* cpa, float* tcpa)
{
    TRACK ownTrack;
    TRACK targetTrack;
    CalVector(own, target, &ownTrack, &targetTrack);
    CalTrackCpa(ownTrack, targetTrack, cpa, tcpa);
}

void CalTrackCpa(TRACK ownTrack, TRACK targetTrack, float* cpa, float* tcpa)
{
    const float hours = cpa_time(ownTrack, targetTrack);
    const VECTOR ownThen = Vector_ADD(ownTrack.position, Vector_Scale(ownTrack.velocity, hours));
    const VECTOR targetThen = Vector_ADD(targetTrack.position, Vector_Scale(targetTrack.velocity, hours));
    const VECTOR gap = Vector_Sub(targetThen, ownThen);
    if (cpa)
        *cpa = std::sqrt(dot(gap, gap));
    if (tcpa)
        *tcpa = hours * 60.0f;
}

float Cal2PointsDistanceGC(float lon1, float lat1, float lon2, float lat2)
{
    const double p1 = lat1 / DEGREES_PER_RADIAN;
    const double p2 = lat2 / DEGREES_PER_RADIAN;
    const double dl = (lon2 - lon1) / DEGREES_PER_RADIAN;
    // Rounding can push the cosine just past 1 for points a hair apart.
    const double cosine = std::clamp(std::cos(dl) * std::cos(p1) * std::cos(p2) + std::sin(p1) * std::sin(p2), -1.0, 1.0);
    return static_cast<float>(std::fabs(std::acos(cosine) * DEGREES_PER_RADIAN * KM_PER_DEGREE));
}

float Cal2PointsDistanceEllip(float lon1, float lat1, float lon2, float lat2)
{
    if (lon1 == lon2 && lat1 == lat2)
        return 0.0f;
    const double dLat = static_cast<double>(lat2) - lat1;
    const double midLatitude = (lat1 + dLat / 2) / ELLIP_DEGREES_PER_RADIAN;
    const float ratio = static_cast<float>(((static_cast<double>(lon2) - lon1) + ELLIP_NUDGE) / (dLat + ELLIP_NUDGE));
    const float cosMid = static_cast<float>(std::cos(midLatitude));
    const double course = std::atan(static_cast<double>(ratio) * cosMid);
    return static_cast<float>(std::fabs(ELLIP_KM_PER_DEGREE * (dLat + ELLIP_NUDGE) / std::cos(course)));
}

float CalGridBearing(double north, double east)
{
    float bearing = 90.0f - static_cast<float>(std::atan2(north, east)) * static_cast<float>(BEARING_DEGREES_PER_RADIAN);
    if (bearing >= 360.0f)
        bearing -= 360.0f;
    if (bearing < 0.0f)
        bearing += 360.0f;
    return bearing;
}

float Cal2PointBearing(float lon1, float lat1, float lon2, float lat2)
{
    if (lon1 == lon2 && lat1 == lat2)
        return 0.0f;
    const float x = lon1 == lon2 ? 0.0f : signedBy(Cal2PointsDistanceEllip(lon1, lat1, lon2, lat1), lon2 < lon1);
    const float y = lat1 == lat2 ? 0.0f : signedBy(Cal2PointsDistanceEllip(lon1, lat1, lon1, lat2), lat2 < lat1);
    if (y == 0.0f)
        return lon2 > lon1 ? 90.0f : 270.0f;
    if (x == 0.0f)
        return lat2 > lat1 ? 0.0f : 180.0f;
    return CalGridBearing(y, x);
}

float CalBearing(float lon1, float lat1, float lon2, float lat2)
{
    if (std::fabs(lon1) > 180.0f || std::fabs(lon2) > 180.0f || std::fabs(lat1) > 90.0f || std::fabs(lat2) > 90.0f)
        return 0.0f;
    if (lon1 == lon2 && lat1 == lat2)
        return 0.0f;
    const float x = signedBy(Cal2PointsDistanceGC(lon1, lat1, lon2, lat1), lon2 < lon1);
    const float y = signedBy(Cal2PointsDistanceGC(lon1, lat1, lon1, lat2), lat2 < lat1);
    const float bearing = CalGridBearing(y, x);
    return bearing > 359.99f ? 0.0f : bearing;
}
