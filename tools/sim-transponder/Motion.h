#pragma once

#include <cstdint>

namespace Sim {

// Where a vessel is and how it moves: degrees, knots and degrees true.
struct SFix
{
    double latitude = 0;
    double longitude = 0;
    double speed = 0;
    double course = 0;
};

// The fix `seconds` after the start. A vessel runs along its course for an hour and back on the
// same line for the next, so long runs stay in the same waters.
SFix FixAt(const SFix& start, int64_t seconds);

} // namespace Sim
