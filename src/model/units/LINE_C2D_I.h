#pragma once

#include "model/units/SPointC2dI.h"

namespace Unit {

// A line on the screen.
struct LINE_C2D_I
{
    SPointC2dI start;
    SPointC2dI end;
};

} // namespace Unit
