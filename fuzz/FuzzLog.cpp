#include "FuzzLog.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <mutex>

void FuzzLog::start()
{
    static std::once_flag once;
    std::call_once(once, [] { Pattern::Singleton<SysDebug>::Instance()->start(); });
}
