#include "codec/sentence/I62ComposeText.h"

#include "codec/sentence/I62Number.h"

#include <cinttypes>
#include <cmath>

namespace {

// "dddmm.mmm" of the absolute value, the minutes rounded to the decimals (59.9996' at three
// decimals carries into the degrees instead of reading 60.000').
void degreesMinutesText(I62_FIELD_TEXT& text, double degrees, int degreeDigits, int decimals)
{
    long long scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const long long units = std::llround(std::fabs(degrees) * 60.0 * static_cast<double>(scale));
    const long long perDegree = 60 * scale;
    I62_Print(text, sizeof text, "%0*lld%02lld.%0*lld", degreeDigits, units / perDegree, units % perDegree / scale,
              decimals, units % scale);
}

} // namespace

void I62_TimeText(I62_FIELD_TEXT& text, const I62_UTC_TIME& time)
{
    text[0] = '\0';
    if (time.hour < 24)
        I62_Print(text, sizeof text, "%02d%02d%02d.%02d", time.hour, time.minute, time.second, time.hundredths);
}

void I62_FloatText(I62_FIELD_TEXT& text, float value, int width, int decimals)
{
    text[0] = '\0';
    if (value >= I62_ABSENT_FLOAT_LIMIT)
        I62_Print(text, sizeof text, "%*.*f", width, decimals, static_cast<double>(value));
}

void I62_PositionText(I62_FIELD_TEXT& text, const I62_DEGREE& position, int minuteDecimals)
{
    // The not-available values are 91 and 181 in either sign.
    if (!(std::fabs(position.latitude) <= 90.1 && std::fabs(position.longitude) <= 180.1)) {
        I62_Print(text, sizeof text, ",,,");
        return;
    }
    const int decimals = minuteDecimals < 1 ? 1 : minuteDecimals > 5 ? 5 : minuteDecimals;
    I62_FIELD_TEXT latitude, longitude;
    degreesMinutesText(latitude, position.latitude, 2, decimals);
    degreesMinutesText(longitude, position.longitude, 3, decimals);
    I62_Print(text, sizeof text, "%s,%c,%s,%c", latitude, position.latitude > 0 ? 'N' : 'S', longitude,
              position.longitude > 0 ? 'E' : 'W');
}

void I62_CharText(I62_FIELD_TEXT& text, uint8_t character)
{
    text[0] = '\0';
    if (character != 0 && character != I62_ABSENT_U8)
        I62_Print(text, sizeof text, "%c", character);
}

void I62_WideText(I62_FIELD_TEXT& text, uint64_t value)
{
    text[0] = '\0';
    if (value != 0)
        I62_Print(text, sizeof text, "%" PRIu64, value);
}
