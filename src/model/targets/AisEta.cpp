#include "model/targets/AisEta.h"

#include "support/PortalTime.h"

#include <ctime>

namespace VudaviRirev {

int64_t AisEtaTime(int month, int day, int hour, int minute, int64_t now)
{
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    if (hour >= 24)
        hour = 0;
    if (minute >= 60)
        minute = 0;
    const std::time_t nowT = static_cast<std::time_t>(now);
    std::tm utc{};
    if (!gmtime_r(&nowT, &utc))
        return 0;
    const int year = utc.tm_year + 1900;
    const int64_t thisYear = Portal::Time::ConvterYMDHMS2TimeT(year, month, day, hour, minute, 0, 0.0f);
    if (thisYear >= now)
        return thisYear;
    return Portal::Time::ConvterYMDHMS2TimeT(year + 1, month, day, hour, minute, 0, 0.0f);
}

} // namespace VudaviRirev
