#include "model/geodesy/AlgorithmScreen.h"

#include "support/NewMath.h"
#include "support/Singleton.h"

#include <cmath>
#include <initializer_list>

namespace Algorithm {

namespace {

int region(Unit::SPointC2dI p, int width, int height)
{
    const int column = p.x < 0 ? 0 : (p.x > width ? 2 : 1);
    static constexpr int Above[3] = {1, 2, 3};
    static constexpr int Level[3] = {4, 9, 5};
    static constexpr int Below[3] = {6, 7, 8};
    if (p.y < 0)
        return Above[column];
    if (p.y > height)
        return Below[column];
    return Level[column];
}

bool bothIn(const int (&regions)[2], std::initializer_list<int> side)
{
    auto in = [&side](int r) {
        for (int s : side)
            if (r == s)
                return true;
        return false;
    };
    return in(regions[0]) && in(regions[1]);
}

struct SinCosLength
{
    float s;
    float c;
    int length;
};

SinCosLength symbolGeometry(float angle, float a, float b, int n)
{
    SinCosLength g{};
    Pattern::Singleton<Portal::Math::NewMath>::Instance()->calSinCosTheta(&g.s, &g.c, angle);
    g.length = static_cast<int>(static_cast<float>(n) * a * b / 2.0f);
    return g;
}

} // namespace

int CheckViewRectInteractionRollMap(const double (&rect1)[4], const double (&rect2)[4])
{
    const auto strictlyInside = [](const double (&inner)[4], const double (&outer)[4]) {
        return inner[0] > outer[0] && inner[1] < outer[1] && inner[2] > outer[2] && inner[3] < outer[3];
    };
    if (strictlyInside(rect1, rect2))
        return 0;
    if (strictlyInside(rect2, rect1))
        return 1;
    if (rect1[1] < rect2[0] || rect1[0] > rect2[1] || rect1[3] < rect2[2] || rect1[2] > rect2[3])
        return -1;
    return 2;
}

bool PointIsOnSegment(Unit::SPointC2dI point, Unit::LINE_C2D_I line, int tolerance)
{
    const double detour =
        DistanceOfPoints(point, line.start) + DistanceOfPoints(point, line.end) - DistanceOfPoints(line.start, line.end);
    return detour <= tolerance;
}

double DistanceOfPoints(Unit::SPointC2dI a, Unit::SPointC2dI b)
{
    return std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
}

int CheckLineIn9SquareViewXY(Unit::LINE_C2D_I line, int width, int height)
{
    const int regions[2] = {region(line.start, width, height), region(line.end, width, height)};
    return CheckLineIn9SquareViewLL(regions);
}

int CheckLineIn9SquareViewLL(const int (&regions)[2])
{
    const bool firstInside = regions[0] == 9;
    const bool secondInside = regions[1] == 9;
    if (firstInside && secondInside)
        return 0;
    if (firstInside)
        return 1;
    if (secondInside)
        return 2;
    if (bothIn(regions, {1, 2, 3}) || bothIn(regions, {6, 7, 8}) || bothIn(regions, {1, 4, 6})
        || bothIn(regions, {3, 5, 8}))
        return -1;
    return 3;
}

Unit::SPointC2dI CalPointCenterOrigen(Unit::SPointC2dI size, float angle, float a, float b, int n)
{
    const SinCosLength g = symbolGeometry(angle, a, b, n);
    return {size.x / 2 - static_cast<int>(5.0f * g.s + g.length * g.c),
            size.y / 2 - static_cast<int>(g.length * g.s - 5.0f * g.c)};
}

Unit::SPointC2dI CalLineCenterOrigen(Unit::SPointC2dI size, float angle, float a, float b, int n)
{
    const SinCosLength g = symbolGeometry(angle, a, b, n);
    return {size.x / 2 - static_cast<int>(g.length * g.c - 16.0f * g.s),
            size.y / 2 - static_cast<int>(16.0f * g.c + g.length * g.s)};
}

} // namespace Algorithm
