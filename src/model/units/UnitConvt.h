#pragma once

#include "model/units/TextBuffer.h"
#include "model/units/UnitTypes.h"

// Unit words, conversions between base and display units, and number-with-unit texts.
// Base units: knots, nautical miles, metres.
namespace Unit {

// True strictly inside (-91, 91) and (-181, 181).
bool checkPosLatFormat(double latitude);
bool checkPosLonFormat(double longitude);

void getSpeedUnitString(StringConvt::CTextBuffer buffer, SPEED_UNIT unit);
void getDistUnitString(StringConvt::CTextBuffer buffer, DIST_UNIT unit);
void getDepthUnitString(StringConvt::CTextBuffer buffer, DEPTH_UNIT unit);
void getHeightUnitString(StringConvt::CTextBuffer buffer, HEIGHT_UNIT unit);
void getDegreeUnitString(StringConvt::CTextBuffer buffer, DEGREE_UNIT_S unit);

float speedValueConv(float knots, SPEED_UNIT unit);
float distValueConv(float nauticalMiles, DIST_UNIT unit);
float depthValueConv(float metres, DEPTH_UNIT unit);
float heightValueConv(float metres, HEIGHT_UNIT unit);
float middleDistConv(float metres, MIDDLE_DIST_UNIT unit);

float speedValue2Knot(float value, SPEED_UNIT unit);
float distValue2Nm(float value, DIST_UNIT unit);
float depthValue2Meter(float value, DEPTH_UNIT unit);
float heightValue2Meter(float value, HEIGHT_UNIT unit);
float middleDistValue2Meters(float value, MIDDLE_DIST_UNIT unit);

// "12.3 Kn": one decimal, trimmed; the unit word after a blank when asked.
void formatStrSpeedValue(StringConvt::CTextBuffer buffer, float knots, SPEED_UNIT unit, bool withUnit);
// "1.25 NM": two decimals, trimmed.
void formatStrDistValue(StringConvt::CTextBuffer buffer, float nauticalMiles, DIST_UNIT unit, bool withUnit);
// "45.5 deg": one decimal, trimmed.
void formatStrDegreeValue(StringConvt::CTextBuffer buffer, float degrees, DEGREE_UNIT_S unit, bool withUnit);
void formatStrBearingValue(StringConvt::CTextBuffer buffer, float degrees, BEARING_MEASURE measure,
                           DEGREE_UNIT_S unit, bool withUnit);
// Appends " T" or " R" to the text in the buffer, unless it is empty or "--".
void formatStrBearingMeasure(StringConvt::CTextBuffer buffer, BEARING_MEASURE measure);
// Bearing with unit and measure, two blanks, distance with unit.
void formatStrDistBearing(StringConvt::CTextBuffer buffer, float nauticalMiles, DIST_UNIT distUnit, float bearing,
                          BEARING_MEASURE measure, DEGREE_UNIT_S degreeUnit);

} // namespace Unit
