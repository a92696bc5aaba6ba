#pragma once

#include <cstdint>

// Points of the plane geometry helpers.
struct POINT_INT
{
    int32_t x = 0;
    int32_t y = 0;
};

struct POINT_DOUBLE
{
    double x = 0.0;
    double y = 0.0;
};
