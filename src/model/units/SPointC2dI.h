#pragma once

#include <cstdint>

namespace Unit {

// A screen point in pixels.
struct SPointC2dI
{
    int32_t x = 0;
    int32_t y = 0;
};

} // namespace Unit
