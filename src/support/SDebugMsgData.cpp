#include "support/SDebugMsgData.h"

#include "support/PortalTime.h"

#include <utility>

SDebugMsgData::SDebugMsgData()
    : time(std::time(nullptr))
{
}

SDebugMsgData::SDebugMsgData(std::string classFun_, int thread_, short code_, DEBUG_MSG_LEVEL level_,
                             std::string note_, char tag_)
    : tag(tag_)
    , classFun(std::move(classFun_))
    , thread(thread_)
    , code(code_)
    , level(level_)
    , tick(Portal::Time::Clock())
    , time(std::time(nullptr))
    , note(std::move(note_))
{
}

void SDebugMsgData::setElapsed()
{
    elapsed = static_cast<int64_t>(Portal::Time::Clock() - tick);
}
