#include "model/geodesy/AlgorithmPlane.h"

#include <algorithm>
#include <cmath>

namespace Algorithm {

namespace {

constexpr double RadToDeg = 57.295779513;

double distance(double x1, double y1, double x2, double y2)
{
    return std::hypot(x2 - x1, y2 - y1);
}

} // namespace

double Xmult(double x1, double y1, double x2, double y2, double x0, double y0)
{
    return (x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0);
}

double AreaTriangle(double x1, double y1, double x2, double y2, double x3, double y3)
{
    return std::fabs((x1 - x3) * (y2 - y3) - (y1 - y3) * (x2 - x3)) / 2.0;
}

double Poit2LineNearCrossDistLL(double* nearX, double* nearY, double x1, double y1, double x2, double y2, double x0,
                                double y0)
{
    const double length = distance(x1, y1, x2, y2);
    if (length == 0.0)
        return 0.0;
    const double d1 = distance(x0, y0, x1, y1);
    const double d2 = distance(x0, y0, x2, y2);
    const double height = 2.0 * AreaTriangle(x1, y1, x2, y2, x0, y0) / length;
    // Rounding may leave d² a hair below h² when the point lies on the line.
    const double along1 = std::sqrt(std::max(0.0, d1 * d1 - height * height));
    const double along2 = std::sqrt(std::max(0.0, d2 * d2 - height * height));
    if (along1 <= length && along2 <= length) {
        *nearX = x1 + (x2 - x1) * along1 / length;
        *nearY = y1 + (y2 - y1) * along1 / length;
        return height;
    }
    if (d1 <= d2) {
        *nearX = x1;
        *nearY = y1;
        return d1;
    }
    *nearX = x2;
    *nearY = y2;
    return d2;
}

float Cal2PointsAngleTri(double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double length = std::hypot(dx, dy);
    if (length == 0.0)
        return 0.0f;
    float degrees = static_cast<float>(std::acos(std::clamp(dx / length, -1.0, 1.0)) * RadToDeg);
    if (dy < 0.0)
        degrees = -degrees;
    if (degrees < 0.0f)
        degrees += 360.0f;
    return degrees;
}

float Cal2PointsDistTri(double x1, double y1, double x2, double y2)
{
    const float dx = static_cast<float>(x2 - x1);
    const float dy = static_cast<float>(y2 - y1);
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace Algorithm
