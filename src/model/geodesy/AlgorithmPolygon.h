#pragma once

#include "model/geodesy/PlanePoints.h"

// Point-in-polygon tests with a horizontal ray toward larger x; onEdge is the result for
// a point on the outline.
namespace Algorithm {

// Crossing-number test; fewer than 3 vertices give false. The integer form computes the
// crossing in integers.
bool PointInPolygon(POINT_INT point, const POINT_INT* vertices, int count, bool onEdge);
bool PointInPolygon(POINT_DOUBLE point, const POINT_DOUBLE* vertices, int count, bool onEdge);
// Second crossing test over half-open edges; fewer than 1 vertex gives false. A point on
// the outline ends the double form with onEdge; the integer form stops only when onEdge
// is true and otherwise goes on counting.
bool PtInPolygon(POINT_INT point, const POINT_INT* vertices, int count, bool onEdge);
bool PtInPolygon(POINT_DOUBLE point, const POINT_DOUBLE* vertices, int count, bool onEdge);
// One edge of PtInPolygon: 1 on the edge, 0 the ray crosses it, -1 it does not.
int PtInLine(POINT_DOUBLE point, POINT_DOUBLE start, POINT_DOUBLE end);

} // namespace Algorithm
