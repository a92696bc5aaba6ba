#pragma once

#include "model/units/LINE_C2D_I.h"
#include "model/units/SPointC2dI.h"

// Screen-region tests and symbol placement in pixels.
namespace Algorithm {

// Rectangles as {lower x, upper x, lower y, upper y}: 0 when rectangle 1 lies strictly
// inside rectangle 2, 1 the other way round, -1 when they are apart, 2 when they overlap.
int CheckViewRectInteractionRollMap(const double (&rect1)[4], const double (&rect2)[4]);
// True when the point's distances to the two ends add up to the line's length within the tolerance.
bool PointIsOnSegment(Unit::SPointC2dI point, Unit::LINE_C2D_I line, int tolerance);
double DistanceOfPoints(Unit::SPointC2dI a, Unit::SPointC2dI b);
// Region codes of a view: above 1 2 3, level 4 9 5, below 6 7 8 (left to right).
// Result: 0 both ends inside, 1 only the first, 2 only the second, -1 both beyond one
// and the same side, 3 otherwise (the line may cross the view).
int CheckLineIn9SquareViewXY(Unit::LINE_C2D_I line, int width, int height);
int CheckLineIn9SquareViewLL(const int (&regions)[2]);
// Placement of a symbol and of its line about the centre of a view of the given size.
Unit::SPointC2dI CalPointCenterOrigen(Unit::SPointC2dI size, float angle, float a, float b, int n);
Unit::SPointC2dI CalLineCenterOrigen(Unit::SPointC2dI size, float angle, float a, float b, int n);

} // namespace Algorithm
