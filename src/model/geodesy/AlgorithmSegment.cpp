#include "model/geodesy/AlgorithmSegment.h"

#include <cmath>

namespace Algorithm {

int dblcmp(double value)
{
    if (std::fabs(value) < 1e-10)
        return 0;
    return value > 0.0 ? 1 : -1;
}

double cross(POINT_DOUBLE a, POINT_DOUBLE b, POINT_DOUBLE c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

int xycmp(double x, double a, double b)
{
    return dblcmp(x - b) * dblcmp(x - a);
}

int betweencmp(POINT_DOUBLE p, POINT_DOUBLE a, POINT_DOUBLE b)
{
    if (std::fabs(a.x - b.x) > std::fabs(a.y - b.y))
        return xycmp(p.x, a.x, b.x);
    return xycmp(p.y, a.y, b.y);
}

int segcross(POINT_DOUBLE* meeting, POINT_DOUBLE a, POINT_DOUBLE b, POINT_DOUBLE c, POINT_DOUBLE d)
{
    const auto isPoint = [](POINT_DOUBLE p, POINT_DOUBLE q) { return dblcmp(p.x - q.x) == 0 && dblcmp(p.y - q.y) == 0; };
    if (isPoint(a, b) || isPoint(c, d))
        return 0;

    const double d1 = cross(a, b, c);
    const double d2 = cross(a, b, d);
    const int s1 = dblcmp(d1);
    const int s2 = dblcmp(d2);
    const int s3 = dblcmp(cross(c, d, a));
    const int s4 = dblcmp(cross(c, d, b));

    if (s1 * s2 < 0 && s3 * s4 < 0) {
        meeting->x = (c.x * d2 - d.x * d1) / (d2 - d1);
        meeting->y = (c.y * d2 - d.y * d1) / (d2 - d1);
        return 1;
    }
    const struct
    {
        int side;
        POINT_DOUBLE end;
        POINT_DOUBLE from;
        POINT_DOUBLE to;
    } touches[] = {{s1, c, a, b}, {s2, d, a, b}, {s3, a, c, d}, {s4, b, c, d}};
    for (const auto& t : touches) {
        if (t.side == 0 && betweencmp(t.end, t.from, t.to) <= 0) {
            *meeting = t.end;
            return 2;
        }
    }
    return 0;
}

} // namespace Algorithm
