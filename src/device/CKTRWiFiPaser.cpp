#include "device/CKTRWiFiPaser.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstring>
#include <string>

namespace {

// Each CR as "\r", each LF as "\n" and a line break, so the log shows how the line ended.
std::string Printable(const char* line)
{
    std::string text;
    for (const char* c = line; *c; ++c) {
        if (*c == '\r')
            text += "\\r";
        else if (*c == '\n')
            text += "\\n\n";
        else
            text += *c;
    }
    return text;
}

} // namespace

void CKTRWiFiPaser::cmdProc(const char* line, WiFiScope::SCmdProcData*)
{
    if (!line)
        return;
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_INFO, "cmdProc", 0, "[Original WiFi Sentence]%s",
                                                        Printable(line).c_str());
}

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
