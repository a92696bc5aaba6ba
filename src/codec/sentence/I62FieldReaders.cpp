#include "codec/sentence/I62FieldReaders.h"

#include "codec/sentence/I62FieldValue.h"
#include "codec/sentence/I62Number.h"
#include "codec/sentence/I62Syntax.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

// The value as a single-precision reading gives it; not finite when it has no such value.
double throughSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        return HUGE_VAL;
    return static_cast<float>(value);
}

double readCoordinate(const char* field, double limit, bool single)
{
    if (I62_IsEmptyField(field))
        return limit + 1;
    const double value = I62_Atof(field);
    return I62_Conv2Deg(single ? throughSingle(value) : value, limit);
}

bool isExactly(const char* field, const char* text)
{
    return field && std::strcmp(field, text) == 0;
}

char* readPosition(char* latitudeField, I62_DEGREE* position, bool singleLatitude)
{
    position->latitude = readCoordinate(latitudeField, 90.0, singleLatitude);
    if (isExactly(StrToken(nullptr, ","), "S"))
        position->latitude = -position->latitude;
    position->longitude = readCoordinate(StrToken(nullptr, ","), 180.0, !singleLatitude);
    if (isExactly(StrToken(nullptr, ","), "W"))
        position->longitude = -position->longitude;
    return StrToken(nullptr, ",");
}

void setNotAvailable(I62_UTC_TIME* time)
{
    time->hour = 24;
    time->minute = 60;
    time->second = 60;
    time->hundredths = 0;
}

} // namespace

char* I62_GetDegree(char* latitudeField, I62_DEGREE* position)
{
    return readPosition(latitudeField, position, false);
}

char* I62_GetLRngDegree(char* latitudeField, LRng_DEGREE* position)
{
    return readPosition(latitudeField, position, true);
}

char* I62_GetTime(char* field, I62_UTC_TIME* time)
{
    if (I62_IsEmptyField(field)) {
        setNotAvailable(time);
        return field;
    }
    const double value = I62_Atof(field);
    if (!(value >= 0.0 && value < 1000000.0)) {
        setNotAvailable(time);
        return field;
    }
    const long whole = static_cast<long>(value);
    const long hundredths = std::lround((value - static_cast<double>(whole)) * 100.0);
    time->hour = static_cast<uint8_t>(whole / 10000);
    time->minute = static_cast<uint8_t>(whole / 100 % 100);
    time->second = static_cast<uint8_t>(whole % 100);
    time->hundredths = static_cast<uint8_t>(std::clamp(hundredths, 0L, 99L));
    return field;
}

char* I62_GetDate(char* field, I62_DATE* date)
{
    if (I62_IsEmptyField(field)) {
        *date = I62_DATE{0, 0, 0};
    } else {
        const int n = I62_Atoi(field);
        date->year = static_cast<uint16_t>(n % 100 + 2000);
        date->month = static_cast<uint8_t>(n / 100 % 100);
        date->day = static_cast<uint8_t>(n / 10000);
    }
    return StrToken(nullptr, ",");
}

char* I62_GetLRngDate(char* field, LRng_DATE* date)
{
    const int n = I62_Atoi(field);
    date->year = static_cast<uint16_t>(n % 10000);
    date->month = static_cast<uint8_t>(n / 10000 % 100);
    date->day = static_cast<uint8_t>(n / 1000000);
    return StrToken(nullptr, ",");
}

double I62_Conv2Deg(double value, double limit)
{
    if (!std::isfinite(value) || value < 0.0)
        return limit + 1;
    const double degrees = std::trunc(value / 100.0);
    const double result = degrees + (value / 100.0 - degrees) / 0.6;
    return result > limit ? limit + 1 : result;
}

uint64_t I62_Deg2DegMin(double degrees, uint16_t* wholeDegrees, uint16_t* minutes, uint64_t* fraction)
{
    const double value = std::isfinite(degrees) ? std::clamp(std::fabs(degrees), 0.0, 65535.0) : 0.0;
    const double whole = std::trunc(value);
    const double m = (value - whole) * 60.0;
    const double wholeMinutes = std::trunc(m);
    const float part = static_cast<float>(m - wholeMinutes) * 100000.0f;
    *wholeDegrees = static_cast<uint16_t>(whole);
    *minutes = static_cast<uint16_t>(wholeMinutes);
    // Single-precision rounding may reach a whole minute; a cut fraction never does.
    *fraction = std::min<uint64_t>(static_cast<uint64_t>(part), 99999);
    return *fraction;
}

int HexStrToHexValue_Byte(const char* text, uint8_t* value)
{
    *value = 0;
    for (; text && *text; ++text) {
        int digit;
        if (*text >= '0' && *text <= '9')
            digit = *text - '0';
        else if (*text >= 'A' && *text <= 'F')
            digit = *text - 'A' + 10;
        else
            return 0;
        *value = static_cast<uint8_t>(*value * 16 + digit);
    }
    return 1;
}

void I62_UTC_TIME_init(I62_UTC_TIME* time)
{
    *time = I62_UTC_TIME{0, 0, 0, 0};
}
