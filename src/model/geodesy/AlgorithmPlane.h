#pragma once

// Plane geometry on plain coordinates.
namespace Algorithm {

// (x1 - x0)(y2 - y0) - (x2 - x0)(y1 - y0).
double Xmult(double x1, double y1, double x2, double y2, double x0, double y0);
double AreaTriangle(double x1, double y1, double x2, double y2, double x3, double y3);
// Distance from point 0 to the segment 1-2, with the nearest point of the segment; 0 and
// the outputs untouched for a segment of zero length.
double Poit2LineNearCrossDistLL(double* nearX, double* nearY, double x1, double y1, double x2, double y2, double x0,
                                double y0);
// Direction from point 1 to point 2 counter-clockwise from the x axis, degrees in [0, 360);
// 0 for coincident points.
float Cal2PointsAngleTri(double x1, double y1, double x2, double y2);
// Plane distance, with both differences rounded to float first.
float Cal2PointsDistTri(double x1, double y1, double x2, double y2);

} // namespace Algorithm
