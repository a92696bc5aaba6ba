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

} // namespace VudaviRirev
