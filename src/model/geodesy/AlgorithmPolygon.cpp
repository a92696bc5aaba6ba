#include "model/geodesy/AlgorithmPolygon.h"

#include <algorithm>
#include <cmath>

namespace Algorithm {

namespace {

constexpr double Tolerance = 1e-8;

// x of the edge at the point's height; the integer form divides in integers, wide enough
// that no product of two coordinate differences overflows.
long long crossingX(POINT_INT p, POINT_INT a, POINT_INT b)
{
    using Wide = __int128;
    return static_cast<long long>(a.x + (Wide(p.y) - a.y) * (Wide(b.x) - a.x) / (Wide(b.y) - a.y));
}

double crossingX(POINT_DOUBLE p, POINT_DOUBLE a, POINT_DOUBLE b)
{
    return a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
}

template <typename P>
bool pointInPolygon(P point, const P* vertices, int count, bool onEdge)
{
    if (count < 3)
        return false;
    int crossings = 0;
    for (int i = 0; i < count; ++i) {
        const P a = vertices[i];
        const P b = vertices[(i + 1) % count];
        const auto lowY = std::min(a.y, b.y);
        const auto highY = std::max(a.y, b.y);
        if (point.y < lowY || point.y > highY)
            continue;
        if (a.y == b.y) {
            if (point.x >= std::min(a.x, b.x) && point.x <= std::max(a.x, b.x))
                return onEdge;
            continue;
        }
        const double x = static_cast<double>(crossingX(point, a, b));
        if (std::fabs(x - point.x) < Tolerance)
            return onEdge;
        // An edge that only touches the ray at its lower end is left to the next edge.
        if (x > point.x && point.y != lowY)
            ++crossings;
    }
    return crossings % 2 == 1;
}

POINT_DOUBLE toDouble(POINT_INT p)
{
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

POINT_DOUBLE toDouble(POINT_DOUBLE p)
{
    return p;
}

template <typename P>
bool ptInPolygon(P point, const P* vertices, int count, bool onEdge, bool stopOnlyWhenOnEdge)
{
    if (count < 1)
        return false;
    int crossings = 0;
    for (int i = 0; i < count; ++i) {
        const int side = PtInLine(toDouble(point), toDouble(vertices[i]), toDouble(vertices[(i + 1) % count]));
        if (side == 1 && (onEdge || !stopOnlyWhenOnEdge))
            return onEdge;
        if (side == 0)
            ++crossings;
    }
    return crossings % 2 == 1;
}

} // namespace

bool PointInPolygon(POINT_INT point, const POINT_INT* vertices, int count, bool onEdge)
{
    return pointInPolygon(point, vertices, count, onEdge);
}

bool PointInPolygon(POINT_DOUBLE point, const POINT_DOUBLE* vertices, int count, bool onEdge)
{
    return pointInPolygon(point, vertices, count, onEdge);
}

bool PtInPolygon(POINT_INT point, const POINT_INT* vertices, int count, bool onEdge)
{
    return ptInPolygon(point, vertices, count, onEdge, true);
}

bool PtInPolygon(POINT_DOUBLE point, const POINT_DOUBLE* vertices, int count, bool onEdge)
{
    return ptInPolygon(point, vertices, count, onEdge, false);
}

int PtInLine(POINT_DOUBLE point, POINT_DOUBLE start, POINT_DOUBLE end)
{
    if ((point.x == start.x && point.y == start.y) || (point.x == end.x && point.y == end.y))
        return 1;
    if (start.y == end.y)
        return -1;
    if (point.y < std::min(start.y, end.y) || point.y >= std::max(start.y, end.y))
        return -1;
    const double x = crossingX(point, start, end);
    if (std::fabs(x - point.x) < Tolerance)
        return 1;
    return x > point.x ? 0 : -1;
}

} // namespace Algorithm
