#pragma once

#include "device/WiFiTypes.h"

#include <atomic>

// The Wi-Fi module's reply parser.
class CKTRWiFiPaser
{
public:
    // Takes one received line of the module, ending in CR LF; logs it in printable form.
    void cmdProc(const char* line, WiFiScope::SCmdProcData* state);

    // Whether the device is in Wi-Fi configuration mode after this received line, whichever
    // path received it: an answer of the module ("+ok", "+err") switches the mode on; a sentence
    // ("$", "!"), "[WIFI]" and "AT+EXIT" switch it off, and the answer to "AT+EXIT" does not
    // switch it on again.
    static bool checkCfgModeEnable(const char* line);

private:
    // Process-wide: both receive paths share them.
    static inline std::atomic<bool> s_exitAwaited{false};
    static inline std::atomic<bool> s_cfgMode{false};
};
