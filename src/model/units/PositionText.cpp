#include "model/units/StringConvt.h"

#include <cmath>
#include <cstdlib>

namespace StringConvt {

namespace {

// Guards the truncations against values such as 29.9999999: single-precision 1e-7, widened.
const double Nudge = static_cast<double>(1.0e-7f);

// Whole degrees are held in 16 bits; anything outside (or no number at all) cannot be shown.
bool showable(double degrees)
{
    return std::fabs(degrees) < 32767.0;
}

int16_t wholeDegrees(double degrees)
{
    return static_cast<int16_t>(degrees >= 0.0 ? degrees + Nudge : degrees - Nudge);
}

void formatHemisphere(CTextBuffer buffer, double degrees, double notAvailable, char positive, char negative,
                      Unit::WORLD_POS_FORMAT format, bool fixedWidth)
{
    if (degrees == notAvailable)
        buffer.assign("--");
    else
        formatStrPos(buffer, degrees, degrees >= 0.0 ? positive : negative, format, fixedWidth);
}

} // namespace

Unit::DEGREE_M pos2DegreeMin(double degrees)
{
    Unit::DEGREE_M result;
    if (!showable(degrees))
        return result;
    result.degree = wholeDegrees(degrees);
    result.minute = static_cast<float>(std::fabs(degrees - result.degree) * 60.0 + Nudge);
    // Minutes that print as 60.0000 belong to the next degree.
    if (std::round(static_cast<double>(result.minute) * 1.0e4) >= 60.0 * 1.0e4) {
        result.degree = static_cast<int16_t>(result.degree + (degrees < 0.0 ? -1 : 1));
        result.minute = 0.0f;
    }
    return result;
}

Unit::DEGREE_S pos2DegreeSec(double degrees)
{
    Unit::DEGREE_S result;
    if (!showable(degrees))
        return result;
    result.degree = wholeDegrees(degrees);
    const double minutes = std::fabs(degrees - result.degree) * 60.0;
    result.minute = static_cast<int8_t>(minutes + Nudge);
    // Seconds are truncated, never rounded up to 60.
    result.second = static_cast<int8_t>((minutes - result.minute) * 60.0 + Nudge);
    return result;
}

void formatStrPos(CTextBuffer buffer, double degrees, char hemisphere, Unit::WORLD_POS_FORMAT format,
                  bool fixedWidth)
{
    if (format < Unit::WORLD_POS_DEGREE || format > Unit::WORLD_POS_DEGREE_MIN_SEC) {
        buffer.assign("");
        return;
    }
    if (!showable(degrees)) {
        buffer.assign("--");
        return;
    }
    if (format == Unit::WORLD_POS_DEGREE) {
        buffer.assignFormat(fixedWidth ? "%8.4f%s%c" : "%.4f%s%c", std::fabs(degrees), Unit::DegreeSign, hemisphere);
    } else if (format == Unit::WORLD_POS_DEGREE_MIN) {
        const Unit::DEGREE_M position = pos2DegreeMin(degrees);
        buffer.assignFormat(fixedWidth ? "%3d%s%7.4f'%c" : "%d%s%.4f'%c", std::abs(position.degree),
                            Unit::DegreeSign, static_cast<double>(position.minute), hemisphere);
    } else {
        const Unit::DEGREE_S position = pos2DegreeSec(degrees);
        buffer.assignFormat(fixedWidth ? "%3d%s%2u'%2u\"%c" : "%d%s%u'%u\"%c", std::abs(position.degree),
                            Unit::DegreeSign, static_cast<unsigned>(position.minute),
                            static_cast<unsigned>(position.second), hemisphere);
    }
}

void formatStrLat(CTextBuffer buffer, double latitude, Unit::WORLD_POS_FORMAT format, bool fixedWidth)
{
    formatHemisphere(buffer, latitude, 91.0, 'N', 'S', format, fixedWidth);
}

void formatStrLon(CTextBuffer buffer, double longitude, Unit::WORLD_POS_FORMAT format, bool fixedWidth)
{
    formatHemisphere(buffer, longitude, 181.0, 'E', 'W', format, fixedWidth);
}

void formatStrLatLon(CTextBuffer latBuffer, CTextBuffer lonBuffer, double latitude, double longitude,
                     Unit::WORLD_POS_FORMAT format, bool fixedWidth)
{
    formatStrLat(latBuffer, latitude, format, fixedWidth);
    formatStrLon(lonBuffer, longitude, format, fixedWidth);
}

} // namespace StringConvt
