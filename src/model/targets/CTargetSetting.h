#pragma once

#include <cstdint>

namespace VudaviRirev::Target {

struct STargetTypeShowSet
{
    bool show[8] = {true, true, true, true, true, true, true, true};
};

struct STargetSymStyleSet
{
    uint8_t style[4] = {0, 1, 1, 6};
};

// Seconds after the last report.
struct STargetTimeOutSet
{
    int32_t lostSeconds = 300;
    int32_t deleteSeconds = 600;
};

struct STargetActiveSet
{
    int32_t first = 10;
    int32_t flags = 0; // bit 0: re-stamp every target's activation time
    int32_t last = 5;
};

struct STargetCpaSet
{
    float cpaLimitNm = 0.25f;
    int32_t tcpaLimit = 5;
};

// The other vessels' display settings; the program keeps the defaults.
class CTargetSetting
{
public:
    const STargetTypeShowSet& typeDisp() const { return m_typeDisp; }
    const STargetSymStyleSet& symStyle() const { return m_symStyle; }
    const STargetTimeOutSet& timeOut() const { return m_timeOut; }
    const STargetActiveSet& active() const { return m_active; }
    const STargetCpaSet& cpa() const { return m_cpa; }

private:
    STargetTypeShowSet m_typeDisp;
    STargetSymStyleSet m_symStyle;
    STargetTimeOutSet m_timeOut;
    STargetActiveSet m_active;
    STargetCpaSet m_cpa;
};

} // namespace VudaviRirev::Target
