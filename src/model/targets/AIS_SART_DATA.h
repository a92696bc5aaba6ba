#pragma once

#include <cstdint>

namespace VudaviRirev {

// A search and rescue transmitter's mode, from the navigational status it reports.
struct AIS_SART_DATA
{
    uint32_t mode; // 1 active (status 14), 2 test (status 15)
};

} // namespace VudaviRirev
