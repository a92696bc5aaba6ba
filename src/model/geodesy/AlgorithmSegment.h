#pragma once

#include "model/geodesy/PlanePoints.h"

namespace Algorithm {

// 0 within 1e-10 of zero, else 1 or -1 by sign.
int dblcmp(double value);
// (b - a) x (c - a).
double cross(POINT_DOUBLE a, POINT_DOUBLE b, POINT_DOUBLE c);
// -1 when x lies strictly between a and b, 0 at an end, 1 outside.
int xycmp(double x, double a, double b);
// xycmp on the axis along which a and b differ more.
int betweencmp(POINT_DOUBLE p, POINT_DOUBLE a, POINT_DOUBLE b);
// Meeting of segments a-b and c-d: 0 none (or a segment is a single point), 1 a proper
// crossing, 2 an end point lying on the other segment (tested c, d, a, b).
int segcross(POINT_DOUBLE* meeting, POINT_DOUBLE a, POINT_DOUBLE b, POINT_DOUBLE c, POINT_DOUBLE d);

} // namespace Algorithm
