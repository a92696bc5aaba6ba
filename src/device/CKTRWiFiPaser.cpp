#include "device/CKTRWiFiPaser.h"

#include <cstring>

bool CKTRWiFiPaser::checkCfgModeEnable(const char* line)
{
    if (!line)
        return s_cfgMode;
    const bool answer = std::strstr(line, "+ok") || std::strstr(line, "+err");
    if (s_exitAwaited && answer) {
        s_exitAwaited = false;
        return false;
    }
    const bool exit = std::strstr(line, "AT+EXIT") != nullptr;
    if (exit || std::strstr(line, "[WIFI]") || line[0] == '$' || line[0] == '!') {
        if (exit)
            s_exitAwaited = true;
        s_cfgMode = false;
        return false;
    }
    if (answer) {
        s_cfgMode = true;
        return true;
    }
    return s_cfgMode;
}
