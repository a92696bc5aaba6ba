#include "codec/records/CodecNote.h"

#include "support/PortalStr.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstdarg>

void CodecNote(SCodecNoteThrottle* throttle, const char* operation, const char* format, ...)
{
    const SYSTEM_TIME now = GetSystemTime();
    if (throttle->written && SysTimeDifference(throttle->last, now) < CODEC_NOTE_INTERVAL_S) {
        ++throttle->held;
        return;
    }
    const uint32_t held = throttle->held;
    *throttle = SCodecNoteThrottle{now, 0, true};

    char text[SysDebug::MaxNoteLength + 1];
    va_list args;
    va_start(args, format);
    Portal::Str::SafeFormatV(text, sizeof text, format, args);
    va_end(args);
    SysDebug* log = Pattern::Singleton<SysDebug>::Instance();
    if (held == 0)
        log->dbgPrintf(DBG_INFO, operation, 0, "%s", text);
    else
        log->dbgPrintf(DBG_INFO, operation, 0, "%s (%u more such notes held back)", text, static_cast<unsigned>(held));
}
