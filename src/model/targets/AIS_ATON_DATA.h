#pragma once

#include <cstdint>

namespace VudaviRirev {

// Aid-to-navigation data of message 21.
struct AIS_ATON_DATA
{
    uint8_t offPosition;   // 0 on position, 1 off position
    uint8_t atonType;      // 0 to 31
    uint8_t virtualAton;   // 0 real, 1 virtual, 2 synthetic
    uint8_t assignedMode;
    uint8_t status;        // bit 0 alarm, bits 1-2 light, bits 3-4 RACON
    char nameExtension[15]; // NUL-terminated
};

} // namespace VudaviRirev
