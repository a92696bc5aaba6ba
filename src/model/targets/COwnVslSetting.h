#pragma once

#include "model/targets/AIS_REF_POINT_DIMENSION.h"

#include <cstdint>

namespace VudaviRirev::Target {

struct SOwnVslBaseSet
{
    bool firstFlag = true;
    bool secondFlag = false;
    uint8_t reserved[22] = {};
    float firstValue = 15.0f;
    float secondValue = 10.0f;
    // The own vessel's reference point, in metres.
    AIS_REF_POINT_DIMENSION dimension{50.0f, 50.0f, 15.0f, 15.0f};
    uint32_t dimensionWord = 0;
};

struct SOwnVslSymStyleSet
{
    bool flags[5] = {true, true, true, true, true};
    bool lastFlag = false;
    uint16_t value = 6;
};

struct SOwnVslGuardRangeSet
{
    uint32_t mode = 0;
    float range = 0.3f;
};

// The own vessel's display settings; the program keeps the defaults.
class COwnVslSetting
{
public:
    const SOwnVslBaseSet& base() const { return m_base; }
    const SOwnVslSymStyleSet& symStyle() const { return m_symStyle; }
    const SOwnVslGuardRangeSet& guardRange() const { return m_guardRange; }

private:
    SOwnVslBaseSet m_base;
    SOwnVslSymStyleSet m_symStyle;
    SOwnVslGuardRangeSet m_guardRange;
};

} // namespace VudaviRirev::Target
