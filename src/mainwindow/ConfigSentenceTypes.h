#pragma once

// The sub-item of a configuration item in a "CFG" sentence; CFG_SUB_NONE leaves both fields empty.
enum CFG_DEVICE_MODEL : int
{
    CFG_SUB_NONE = -1,
    CFG_SUB_ALR_UNIT_K_42 = 6,
    CFG_SUB_ALR_Q_375 = 7,
    CFG_SUB_NMEA2000_INSTANCE = 2000,
};

#include <cstdint>

// Four (identifier, value) pairs of a debug settings sentence, in order.
struct DBG_CMD_PARAM
{
    static constexpr int PairCount = 4;
    int32_t param[PairCount * 2] = {};
};
