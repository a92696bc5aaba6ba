#include "support/NewMath.h"

#include <cmath>

namespace Portal::Math {

namespace {

int normalizeDegree(int degree)
{
    const int d = degree % 360;
    return d < 0 ? d + 360 : d;
}

// Exact values at the quarter turns, otherwise computed in double.
void sinCosOf(double degrees, double* sine, double* cosine)
{
    if (degrees == 0.0) {
        *sine = 0.0;
        *cosine = 1.0;
    } else if (degrees == 90.0) {
        *sine = 1.0;
        *cosine = 0.0;
    } else if (degrees == 180.0) {
        *sine = 0.0;
        *cosine = -1.0;
    } else if (degrees == 270.0) {
        *sine = -1.0;
        *cosine = 0.0;
    } else {
        *sine = std::sin(degrees * DegToRad);
        *cosine = std::cos(degrees * DegToRad);
    }
}

} // namespace

int RoundToInt(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

NewMath::NewMath()
{
    createTrigonometricTable();
}

void NewMath::createTrigonometricTable()
{
    for (int degree = 0; degree < 360; ++degree) {
        double sine = 0.0;
        double cosine = 0.0;
        sinCosOf(degree, &sine, &cosine);
        m_table[static_cast<size_t>(degree)] = {static_cast<float>(sine), static_cast<float>(cosine)};
    }
}

const NewMath::SinCos& NewMath::entry(int degree) const
{
    return m_table[static_cast<size_t>(normalizeDegree(degree))];
}

void NewMath::getSinCosRadian(float* sine, float* cosine, int degree) const
{
    const SinCos& e = entry(degree);
    *sine = e.sine;
    *cosine = e.cosine;
}

void NewMath::calSinCosTheta(float* sine, float* cosine, float degrees) const
{
    double s = 0.0;
    double c = 0.0;
    sinCosOf(degrees, &s, &c);
    *sine = static_cast<float>(s);
    *cosine = static_cast<float>(c);
}

void NewMath::convterRotationPoint(int* outX, int* outY, int x, int y, int cx, int cy, int angle,
                                   ANGLE_TYPE type) const
{
    double sine = 0.0;
    double cosine = 0.0;
    if (type == ANGLE_TYPE_TABLE) {
        const int degree = normalizeDegree(angle);
        if (degree != 0) {
            sine = entry(degree).sine;
            cosine = entry(degree).cosine;
        }
    } else {
        sinCosOf(angle, &sine, &cosine);
    }
    if (sine == 0.0 && cosine == 0.0) {
        *outX = x;
        *outY = y;
        return;
    }
    const double dx = x - cx;
    const double dy = y - cy;
    *outX = RoundToInt(dx * cosine - dy * sine) + cx;
    *outY = RoundToInt(dy * cosine + dx * sine) + cy;
}

void NewMath::convterRotationPoint(double* outX, double* outY, double x, double y, double cx, double cy, float angle,
                                   ANGLE_TYPE type) const
{
    double sine = 0.0;
    double cosine = 0.0;
    if (type == ANGLE_TYPE_TABLE) {
        const double turned = std::fmod(static_cast<double>(angle), 360.0);
        const double degrees = turned < 0.0 ? turned + 360.0 : turned;
        if (degrees > 0.0) {
            const SinCos& e = entry(RoundToInt(degrees));
            sine = e.sine;
            cosine = e.cosine;
        }
    } else {
        sinCosOf(angle, &sine, &cosine);
    }
    if (sine == 0.0 && cosine == 0.0) {
        *outX = x;
        *outY = y;
        return;
    }
    const double dx = x - cx;
    const double dy = y - cy;
    *outX = dx * cosine + cx - dy * sine;
    *outY = dy * cosine + dx * sine + cy;
}

void NewMath::originRotationXY(int* outX, int* outY, int ox, int oy, int radius, int degree) const
{
    const SinCos& e = entry(degree);
    *outX = ox + RoundToInt(static_cast<float>(radius) * e.cosine);
    *outY = oy - RoundToInt(static_cast<float>(radius) * e.sine);
}

void NewMath::originRotationXY(int* outXY, int ox, int oy, int radius, int degree) const
{
    originRotationXY(&outXY[0], &outXY[1], ox, oy, radius, degree);
}

void NewMath::originRotationXY(int* outX, int* outY, int ox, int oy, int radius, float degrees) const
{
    double sine = 0.0;
    double cosine = 0.0;
    sinCosOf(degrees, &sine, &cosine);
    *outX = ox + RoundToInt(radius * cosine);
    *outY = oy - RoundToInt(radius * sine);
}

void NewMath::calRotationParameter(ROTATION_DATA* data, float angle, int w, int h) const
{
    data->w = w;
    data->h = h;
    data->cx = (w - 1) / 2;
    data->cy = (h - 1) / 2;
    data->angle = angle;
}

void NewMath::calRotationPos(ROTATION_DATA* data, int x, int y) const
{
    float sine = 0.0f;
    float cosine = 0.0f;
    calSinCosTheta(&sine, &cosine, data->angle);
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    data->x = RoundToInt(fy * sine + fx * cosine) + data->cx;
    data->y = data->cy - RoundToInt(fx * sine - fy * cosine);
}

void NewMath::calRotationPos(double* outX, double* outY, double x, double y, double angle) const
{
    float sine = 0.0f;
    float cosine = 0.0f;
    calSinCosTheta(&sine, &cosine, static_cast<float>(angle));
    *outX = sine * y + cosine * x;
    *outY = cosine * y - sine * x;
}

} // namespace Portal::Math
