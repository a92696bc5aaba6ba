#pragma once

#include "support/Singleton.h"
#include "support/SysDebug.h"

// The Wi-Fi jobs log each step at Info under their own operation's name.
namespace WiFiJobLog {

inline SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

inline void Step(const char* operation, const char* text)
{
    Log()->dbgPrintf(DBG_INFO, operation, 0, "%s", text);
}

} // namespace WiFiJobLog
