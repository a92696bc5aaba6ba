#include "support/PortalTime.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

namespace Portal::Time {

namespace {

std::atomic<bool> g_fakeActive{false};
std::atomic<uint64_t> g_fakeMs{0};

int64_t monotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t monotonicOrigin()
{
    using namespace std::chrono;
    const int64_t wallMs = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return monotonicMs() - wallMs % 1000;
}

long zoneSeconds(float zoneHours)
{
    return static_cast<long>(zoneHours * 3600.0f);
}

bool breakDownUtc(long time, std::tm& out)
{
    const std::time_t t = time;
    return gmtime_r(&t, &out) != nullptr;
}

} // namespace

uint64_t Clock()
{
    static const int64_t origin = monotonicOrigin();
    if (g_fakeActive.load(std::memory_order_acquire))
        return g_fakeMs.load(std::memory_order_acquire);
    return static_cast<uint64_t>(monotonicMs() - origin);
}

void SetFakeClock(uint64_t ms)
{
    g_fakeMs.store(ms, std::memory_order_release);
    g_fakeActive.store(true, std::memory_order_release);
}

void ClearFakeClock()
{
    g_fakeActive.store(false, std::memory_order_release);
}

short GetCurYear(long& time)
{
    std::tm tm{};
    if (!breakDownUtc(time, tm))
        return 1900;
    return static_cast<short>(tm.tm_year + 1900);
}

long GetAddTimeZoneTime(long time, float zoneHours)
{
    return time + zoneSeconds(zoneHours);
}

long GetSubTimeZoneTime(long time, float zoneHours)
{
    const long result = time - zoneSeconds(zoneHours);
    return result < 0 ? 0 : result;
}

std::string Time2DayTimeString(long seconds)
{
    long hours = seconds / 3600;
    long days = 0;
    if (hours >= 24) {
        days = hours / 24;
        hours %= 24;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%ldd %02ld:%02ld:%02ld", days, hours, (seconds / 60) % 60, seconds % 60);
    return text;
}

std::string Time2String(long time, int format, float zoneHours)
{
    if (zoneHours != 0.0f)
        time = GetAddTimeZoneTime(time, zoneHours);
    std::tm tm{};
    if (!breakDownUtc(time, tm))
        tm = std::tm{};
    char text[32];
    switch (format) {
    case 0:
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
        return text;
    case 1:
        std::snprintf(text, sizeof text, "%02d%02d", tm.tm_hour, tm.tm_min);
        return text;
    default:
        return "Format Error";
    }
}

std::string CalendarTime2String(long time, int format, float zoneHours)
{
    return Time2String(time, format, zoneHours);
}

std::string GetCurDateTimeStream(long time, int format)
{
    std::tm tm{};
    int year = 1900, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    if (breakDownUtc(time, tm)) {
        year = tm.tm_year + 1900;
        month = tm.tm_mon + 1;
        day = tm.tm_mday;
        hour = tm.tm_hour;
        minute = tm.tm_min;
        second = tm.tm_sec;
    }
    char text[64];
    switch (format) {
    case 0:
        std::snprintf(text, sizeof text, "%d%02d%02d", year, month, day);
        return text;
    case 1:
        std::snprintf(text, sizeof text, "%d%02d%02d%02d%02d%02d", year, month, day, hour, minute, second);
        return text;
    case 2:
        std::snprintf(text, sizeof text, "%d/%02d/%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
        return text;
    default:
        return std::string();
    }
}

long ConvterYMDHMS2TimeT(int year, int month, int day, int hour, int minute, int second, float zoneHours)
{
    std::tm tm{};
    if (!breakDownUtc(static_cast<long>(std::time(nullptr)), tm))
        return 0;
    if (year != 0 && month != 0 && day != 0) {
        tm.tm_year = year - 1900;
        tm.tm_mon = month - 1;
        tm.tm_mday = day;
    }
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_wday = -1;
    tm.tm_yday = -1;
    tm.tm_isdst = -1;
    long result = static_cast<long>(std::mktime(&tm));
    if (zoneHours != 0.0f)
        result = GetAddTimeZoneTime(result, zoneHours);
    return result;
}

uint64_t Sleep(unsigned long ms)
{
    // Blocks instead of spinning: nothing relies on a busy wait.
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return Clock();
}

} // namespace Portal::Time
