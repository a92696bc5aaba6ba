#pragma once

#include <cstdint>

// The codec's own clock (milliseconds of the day and a day count, driven by the monotonic
// process clock) and the UTC date and time records that stamp the ship table.

constexpr uint64_t CODEC_MS_PER_DAY = 86400000;

struct SYSTEM_TIME
{
    uint64_t ms; // 0 to 86399999
    uint16_t day;
};

struct SYS_DAY_TIME
{
    uint16_t day;
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
};

struct UTC_DATE
{
    uint16_t year;
    uint8_t month;
    uint8_t day;
};

struct UTC_TIME
{
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    uint8_t hundredths;
};

extern SYSTEM_TIME SysTime;
extern SYS_DAY_TIME SysDayTime;
// Set only by the GNSS update of the sensor stores; zero until then.
extern UTC_DATE SysUtcDate;
extern UTC_TIME SysUtcTime;
extern bool bSysUtcAvail;
extern bool bUtcBusy;
// Days before the end of each month of a common year.
extern const uint16_t CalendarDays[12];

// Advances SysTime by the milliseconds gone since the previous call and updates SysDayTime.
// The caller holds the codec lock (the handler, once per sentence).
void T1msTimerEvent();
// The same at a reading of Portal::Time::Clock the caller has taken already.
void T1msTimerEventAt(uint64_t clockMs);
SYSTEM_TIME GetSystemTime();
// Seconds from earlier to later; 0 when later lies before earlier.
float SysTimeDifference(SYSTEM_TIME earlier, SYSTEM_TIME later);
void SetUtcDate(UTC_DATE* date, uint16_t year, uint8_t month, uint8_t day);
void SetUtcTime(UTC_TIME* time, uint8_t hour, uint8_t minute, uint8_t second, uint8_t hundredths);
// Seconds since the start of the century, without leap days.
uint64_t GetUtcLongSecond(UTC_DATE date, UTC_TIME time);
// Takes the codec lock. Clears SysTime and SysDayTime.
void IoSubInitial();
