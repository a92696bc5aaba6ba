#pragma once

#include <cstdint>

namespace VudaviRirev {

// The kind of station a target is.
enum AIS_TYPE : uint32_t {
    AIS_TYPE_BASE_STATION = 0,
    AIS_TYPE_SAR_AIRCRAFT = 1,
    AIS_TYPE_ATON = 2,
    AIS_TYPE_CLASS_A = 3,
    AIS_TYPE_CLASS_B = 4,
    AIS_TYPE_SART = 5,
    AIS_TYPE_NONE = 6,
};

// The speed over ground from which on a station's SOG means "not available": SAR aircraft
// report whole knots up to 1022, every other station tenths of a knot up to 102.2.
constexpr float NoSogFrom(AIS_TYPE kind)
{
    return kind == AIS_TYPE_SAR_AIRCRAFT ? 1023.0f : 102.3f;
}

} // namespace VudaviRirev
