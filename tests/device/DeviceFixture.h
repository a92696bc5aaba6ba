#pragma once

#include "device/CKTRWiFiPaser.h"

namespace DeviceFixture {

// Both flags of the Wi-Fi mode check cleared: the answer to an exit is awaited, then comes.
inline void resetModeCheck()
{
    CKTRWiFiPaser::checkCfgModeEnable(">AT+EXIT\r\n");
    CKTRWiFiPaser::checkCfgModeEnable("+ok\r\n");
}

} // namespace DeviceFixture
