#include "Motion.h"

#include <cmath>

namespace Sim {

namespace {

constexpr int64_t LegSeconds = 3600;
constexpr double DegreesPerRadian = 57.29577951308232;

} // namespace

SFix FixAt(const SFix& start, int64_t seconds)
{
    const int64_t phase = seconds % (2 * LegSeconds);
    const bool outward = phase < LegSeconds;
    const double hours = static_cast<double>(outward ? phase : 2 * LegSeconds - phase) / 3600.0;
    const double miles = start.speed * hours;
    const double course = start.course / DegreesPerRadian;
    SFix fix = start;
    fix.latitude += miles * std::cos(course) / 60.0;
    fix.longitude += miles * std::sin(course) / (60.0 * std::cos(start.latitude / DegreesPerRadian));
    if (!outward)
        fix.course = std::fmod(start.course + 180.0, 360.0);
    return fix;
}

} // namespace Sim
