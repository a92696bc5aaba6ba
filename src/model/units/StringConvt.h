#pragma once

#include "model/units/TextBuffer.h"
#include "model/units/UnitTypes.h"

#include <cstdint>

// Identifier, name, position, bearing and range texts. Not-available values show as "--".
namespace StringConvt {

// The ID in decimal, with leading zeros to the width when the width is above 0 ("002711234").
void formatStrID(CTextBuffer buffer, uint32_t id, int8_t width);
// Copies the text less trailing blanks; returns its length.
size_t formatStrName(CTextBuffer buffer, CTextView text);
// Removes trailing occurrences of the character in place; returns the new length.
size_t trimRight(CTextBuffer text, char character);

// Latitude "--" when exactly 91, longitude "--" when exactly 181; else the position text
// with N/S or E/W.
void formatStrLatLon(CTextBuffer latBuffer, CTextBuffer lonBuffer, double latitude, double longitude,
                     Unit::WORLD_POS_FORMAT format, bool fixedWidth);
void formatStrLat(CTextBuffer buffer, double latitude, Unit::WORLD_POS_FORMAT format, bool fixedWidth);
void formatStrLon(CTextBuffer buffer, double longitude, Unit::WORLD_POS_FORMAT format, bool fixedWidth);
// "22.5000°N", "22°30.0000'N" or "22°30'0"N" by the format; empty for any other format.
void formatStrPos(CTextBuffer buffer, double degrees, char hemisphere, Unit::WORLD_POS_FORMAT format,
                  bool fixedWidth);
// Degrees (with their sign) and minutes as the position text shows them.
Unit::DEGREE_M pos2DegreeMin(double degrees);
Unit::DEGREE_S pos2DegreeSec(double degrees);

// "45° T": "--" when 360 or more.
void formatStrBearing(CTextBuffer buffer, float degrees, Unit::BEARING_MEASURE measure, bool degreeSign);
// "--" when negative; else the distance text.
void formatStrRange(CTextBuffer buffer, float nauticalMiles, Unit::DIST_UNIT unit, bool withUnit);

} // namespace StringConvt
