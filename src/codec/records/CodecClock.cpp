#include "codec/records/CodecClock.h"

#include "codec/records/CodecLock.h"
#include "support/PortalTime.h"

SYSTEM_TIME SysTime = {0, 0};
SYS_DAY_TIME SysDayTime = {0, 0, 0, 0};
UTC_DATE SysUtcDate = {0, 0, 0};
UTC_TIME SysUtcTime = {0, 0, 0, 0};
bool bSysUtcAvail = false;
bool bUtcBusy = false;
const uint16_t CalendarDays[12] = {31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

namespace {

uint64_t g_lastClock = 0; // the clock's origin stands for the start of the process

uint64_t elapsedSinceLastCall(uint64_t now)
{
    const uint64_t elapsed = now > g_lastClock ? now - g_lastClock : 0;
    g_lastClock = now;
    return elapsed;
}

} // namespace

void T1msTimerEvent()
{
    T1msTimerEventAt(Portal::Time::Clock());
}

void T1msTimerEventAt(uint64_t clockMs)
{
    // A gap of more than a day keeps its excess, so the day count stays true.
    const uint64_t total = SysTime.ms + elapsedSinceLastCall(clockMs);
    SysTime.ms = total % CODEC_MS_PER_DAY;
    SysTime.day = static_cast<uint16_t>(SysTime.day + total / CODEC_MS_PER_DAY);

    SysDayTime.day = SysTime.day;
    SysDayTime.hour = static_cast<uint8_t>(SysTime.ms / 3600000);
    SysDayTime.minute = static_cast<uint8_t>(SysTime.ms % 3600000 / 60000);
    SysDayTime.second = static_cast<uint8_t>(SysTime.ms % 60000 / 1000);
}

SYSTEM_TIME GetSystemTime()
{
    return SysTime;
}

float SysTimeDifference(SYSTEM_TIME earlier, SYSTEM_TIME later)
{
    const double from = static_cast<double>(earlier.ms) / 1000.0 + earlier.day * 86400.0;
    const double to = static_cast<double>(later.ms) / 1000.0 + later.day * 86400.0;
    return to > from ? static_cast<float>(to - from) : 0.0f;
}

void SetUtcDate(UTC_DATE* date, uint16_t year, uint8_t month, uint8_t day)
{
    *date = UTC_DATE{year, month, day};
}

void SetUtcTime(UTC_TIME* time, uint8_t hour, uint8_t minute, uint8_t second, uint8_t hundredths)
{
    *time = UTC_TIME{hour, minute, second, hundredths};
}

uint64_t GetUtcLongSecond(UTC_DATE date, UTC_TIME time)
{
    // A month outside 1..12 (the zero date before any GNSS time) counts no days before it.
    const uint64_t daysBefore = date.month >= 2 && date.month <= 12 ? CalendarDays[date.month - 2] : 0;
    const uint64_t days = (date.year % 100) * 365u + daysBefore + date.day;
    return ((days * 24 + time.hour) * 60 + time.minute) * 60 + time.second;
}

void IoSubInitial()
{
    CCodecLock lock;
    SysTime = SYSTEM_TIME{0, 0};
    SysDayTime = SYS_DAY_TIME{0, 0, 0, 0};
}
