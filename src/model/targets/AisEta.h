#pragma once

#include <cstdint>

namespace VudaviRirev {

// The calendar time (seconds since 1970) an AIS ETA names, read as local time: this year's date,
// or next year's when this year's has already passed at `now`. 0 (not available) when the report
// gives no month or day, or one out of range. An hour of 24 or more, or a minute of 60 or more,
// counts as 0.
int64_t AisEtaTime(int month, int day, int hour, int minute, int64_t now);

} // namespace VudaviRirev
