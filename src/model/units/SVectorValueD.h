#pragma once

namespace Unit {

// A measurement from one position to another: range in NM (negative = not available)
// and two bearings in degrees (360 or more = not available).
struct SVectorValueD
{
    double range = -1.0;
    double bearing = 360.0;
    double bearing2 = 360.0;
};

} // namespace Unit
