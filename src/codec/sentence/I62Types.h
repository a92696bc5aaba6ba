#pragma once

#include <cstdint>

// Field values shared by the sentence records, and the markers that an empty field leaves.

constexpr float I62_ABSENT_FLOAT = -100000.0f;
constexpr uint8_t I62_ABSENT_U8 = 128;
constexpr uint16_t I62_ABSENT_ANGLE = 65535;
constexpr double I62_ABSENT_LATITUDE = 91.0;
constexpr double I62_ABSENT_LONGITUDE = 181.0;
// Floats below this are taken as the empty marker when a sentence is composed.
constexpr float I62_ABSENT_FLOAT_LIMIT = -99999.0f;

// Not available: hour 24, minute 60, second 60.
struct I62_UTC_TIME
{
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    uint8_t hundredths;
};

// Signed decimal degrees, north and east positive. Not available: latitude 91, longitude 181
// (negated when the hemisphere field says S or W).
struct I62_DEGREE
{
    double latitude;
    double longitude;
};
using LRng_DEGREE = I62_DEGREE;

// Full year. Not available: all three zero.
struct I62_DATE
{
    uint16_t year;
    uint8_t month;
    uint8_t day;
};
using LRng_DATE = I62_DATE;
