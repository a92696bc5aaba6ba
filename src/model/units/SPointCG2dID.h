#pragma once

#include "model/units/SPointC2dI.h"
#include "model/units/SPointG2dD.h"

namespace Unit {

// A screen point together with the geographic position it shows.
struct SPointCG2dID
{
    SPointC2dI screen;
    SPointG2dD geo;
};

} // namespace Unit
