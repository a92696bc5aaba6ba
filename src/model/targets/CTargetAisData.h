#pragma once

#include "model/targets/AisFillSource.h"
#include "model/targets/CAisData.h"
#include "model/units/SPointC2dI.h"

#include <cstdint>

namespace VudaviRirev::Target {

// The AIS record as a target carries it, with its point on each of the four views.
class CTargetAisData : public CAisData
{
public:
    static constexpr int ScreenCount = 4;
    static constexpr int32_t NoScreen = 999999999;

    // Takes the source's data by its listener: VDM and VDO the ship entry (own kinematics not
    // from a VDO of a link that is not the primary position source), HDT and HDM the heading,
    // GSA, GGA, GLL and RMC the GNSS slot. Other listeners change nothing.
    void updateData(const SAisFillSource& source);
    // COG (true) or true heading (false) rounded to whole degrees, halves upward; 0 when not
    // available.
    int16_t getCourseDeg(bool course) const;
    // Index 0 to 3; any other is ignored.
    void setScreen(char index, const Unit::SPointC2dI& point);

    Unit::SPointC2dI screen[ScreenCount] = {
        {NoScreen, NoScreen}, {NoScreen, NoScreen}, {NoScreen, NoScreen}, {NoScreen, NoScreen}};
};

} // namespace VudaviRirev::Target
