#pragma once

#include <cstdint>

// Display units and text forms. The enumerations have a fixed underlying type because callers
// may pass any number: an index outside a unit table reads its row 0 and converts nothing.
namespace Unit {

// The degree sign in UTF-8.
inline constexpr char DegreeSign[] = "\xC2\xB0";

enum SPEED_UNIT : int {
    SPEED_UNIT_KN = 0,
    SPEED_UNIT_KMH = 1,
    SPEED_UNIT_MPH = 2,
};

enum DIST_UNIT : int {
    DIST_UNIT_NM = 0,
    DIST_UNIT_KM = 1,
    DIST_UNIT_M = 2,
    DIST_UNIT_MILE = 3,
    DIST_UNIT_FT = 4,
};

enum DEPTH_UNIT : int {
    DEPTH_UNIT_M = 0,
    DEPTH_UNIT_FT = 1,
    DEPTH_UNIT_FM = 2,
};

enum HEIGHT_UNIT : int {
    HEIGHT_UNIT_M = 0,
    HEIGHT_UNIT_FT = 1,
};

enum MIDDLE_DIST_UNIT : int {
    MIDDLE_DIST_UNIT_M = 0,
    MIDDLE_DIST_UNIT_FT = 1,
};

// 1 writes "deg"; anything else the degree sign.
enum DEGREE_UNIT_S : int {
    DEGREE_UNIT_SIGN = 0,
    DEGREE_UNIT_WORD = 1,
};

// The suffix of a bearing text: " T" true, " R" relative, nothing for any other value.
enum BEARING_MEASURE : int {
    BEARING_MEASURE_NONE = -1,
    BEARING_MEASURE_TRUE = 0,
    BEARING_MEASURE_RELATIVE = 1,
};

enum WORLD_POS_FORMAT : int {
    WORLD_POS_DEGREE = 0,
    WORLD_POS_DEGREE_MIN = 1,
    WORLD_POS_DEGREE_MIN_SEC = 2,
};

// Form of a station kind text: 0 short, 1 long, 2 or more short in parentheses.
enum FORMAT_S : int {
    FORMAT_S_SHORT = 0,
    FORMAT_S_LONG = 1,
    FORMAT_S_BRACKETS = 2,
};

struct DEGREE_M
{
    int16_t degree = 0;
    float minute = 0.0f;
};

struct DEGREE_S
{
    int16_t degree = 0;
    int8_t minute = 0;
    int8_t second = 0;
};

} // namespace Unit
