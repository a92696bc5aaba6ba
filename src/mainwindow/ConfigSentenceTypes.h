#pragma once

// The sub-item of a configuration item in a "CFG" sentence; CFG_SUB_NONE leaves both fields empty.
enum CFG_DEVICE_MODEL : int
{
    CFG_SUB_NONE = -1,
    CFG_SUB_ALR_UNIT_K_42 = 6,
    CFG_SUB_ALR_Q_375 = 7,
    CFG_SUB_NMEA2000_INSTANCE = 2000,
};
