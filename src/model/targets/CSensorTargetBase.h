#pragma once

#include "model/units/SPointG2dD.h"

#include <cstdint>

namespace VudaviRirev {

// What every target has: identity, position, motion, name and its measurement from the own
// vessel. A plain record copied by value; the registry's lock guards it.
class CSensorTargetBase
{
public:
    static constexpr uint32_t NoMmsi = 1000000000;
    static constexpr float NoSog = 102.3f;
    static constexpr float NoCog = 360.0f;
    static constexpr float NoRange = -1.0f;
    static constexpr float NoBearing = 361.0f;
    static constexpr int NameRoom = 21;

    void resetBaseData() { *this = CSensorTargetBase(); }

    uint32_t mmsi = NoMmsi;
    Unit::SPointG2dD position; // 91, 181 not available
    float sog = NoSog;         // knots
    float cog = NoCog;         // degrees
    char name[NameRoom] = {};  // NUL-terminated
    float range = NoRange;     // nautical miles, negative when not measured
    float bearing = NoBearing; // degrees true, [0, 360)
    float displayBearing = NoBearing; // the copy the Other Vessels table shows
    float cpa = -1.0f;         // nautical miles, negative when not computed
    float tcpa = 0.0f;
};

} // namespace VudaviRirev
