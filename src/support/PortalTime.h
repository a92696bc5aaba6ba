#pragma once

#include <cstdint>
#include <string>

namespace Portal::Time {

// Milliseconds on a monotonic clock. The origin is taken at the first call so that
// the first value is the milliseconds already gone in the current wall-clock second.
uint64_t Clock();

// Test seam: while a fake value is set, Clock() returns it.
void SetFakeClock(uint64_t ms);
void ClearFakeClock();

short GetCurYear(long& time);
long GetAddTimeZoneTime(long time, float zoneHours);
long GetSubTimeZoneTime(long time, float zoneHours);
std::string Time2DayTimeString(long seconds);
std::string Time2String(long time, int format, float zoneHours);
std::string CalendarTime2String(long time, int format, float zoneHours);
std::string GetCurDateTimeStream(long time, int format);
long ConvterYMDHMS2TimeT(int year, int month, int day, int hour, int minute, int second, float zoneHours);
uint64_t Sleep(unsigned long ms);

} // namespace Portal::Time
