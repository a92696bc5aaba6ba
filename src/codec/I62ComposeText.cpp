#include "codec/I62ComposeText.h"

#include "codec/I62FieldReaders.h"
#include "codec/I62Number.h"

#include <cmath>

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

void I62_PositionText(I62_FIELD_TEXT& text, const I62_DEGREE& position)
{
    // The not-available values are 91 and 181 in either sign.
    if (!(std::fabs(position.latitude) <= 90.1 && std::fabs(position.longitude) <= 180.1)) {
        I62_Print(text, sizeof text, ",,,");
        return;
    }
    uint16_t latDegrees, latMinutes, lonDegrees, lonMinutes;
    uint64_t latFraction, lonFraction;
    I62_Deg2DegMin(position.latitude, &latDegrees, &latMinutes, &latFraction);
    I62_Deg2DegMin(position.longitude, &lonDegrees, &lonMinutes, &lonFraction);
    I62_Print(text, sizeof text, "%02d%02d.%05d,%c,%03d%02d.%05d,%c", latDegrees, latMinutes,
              static_cast<int>(latFraction), position.latitude > 0 ? 'N' : 'S', lonDegrees, lonMinutes,
              static_cast<int>(lonFraction), position.longitude > 0 ? 'E' : 'W');
}

void I62_CharText(I62_FIELD_TEXT& text, uint8_t character)
{
    text[0] = '\0';
    if (character != 0 && character != I62_ABSENT_U8)
        I62_Print(text, sizeof text, "%c", character);
}
