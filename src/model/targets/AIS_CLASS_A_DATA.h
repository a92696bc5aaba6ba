#pragma once

#include <cstdint>

namespace VudaviRirev {

// Voyage and static data only a Class A station reports (messages 1 to 3 and 5).
struct AIS_CLASS_A_DATA
{
    uint32_t imo;         // 0 when not available
    float rateOfTurn;     // degrees per minute; 9990 or more when not available
    int64_t eta;          // seconds since 1970 UTC; 0 when not available
    uint8_t aisVersion;   // 2 bits
    float draught;        // metres; 0 or less when not available
    char destination[21]; // NUL-terminated
};

} // namespace VudaviRirev
