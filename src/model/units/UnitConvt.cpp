#include "model/units/UnitConvt.h"

#include <string>

namespace Unit {

namespace {

const char SpeedWords[][6] = {"Kn", "Km/h", "MPH"};
const char DistWords[][6] = {"NM", "Km", "m", "mile", "ft"};
const char DepthWords[][4] = {"m", "ft", "fm"};
const char HeightWords[][4] = {"m", "ft"};

// One display unit: its factor from the base unit, and whether the display value divides by it.
struct SConversion
{
    float factor;
    bool displayDivides;
};

const SConversion SpeedConversions[] = {{1.0f, false}, {1.852f, false}, {1.151f, false}};
const SConversion DistConversions[] = {{1.0f, false}, {1.852f, false}, {1852.0f, false}, {1.151f, false},
                                       {6076.0f, false}};
const SConversion DepthConversions[] = {{1.0f, false}, {3.28f, false}, {1.8288f, true}};
const SConversion HeightConversions[] = {{1.0f, false}, {3.28f, false}};
const SConversion MiddleDistConversions[] = {{1.0f, false}, {3.28f, false}};

template <typename T, size_t N>
const T* row(const T (&table)[N], int index)
{
    return index >= 0 && static_cast<size_t>(index) < N ? &table[index] : nullptr;
}

template <size_t N, size_t W>
const char* word(const char (&table)[N][W], int index)
{
    const auto* found = row(table, index);
    return found ? *found : table[0];
}

template <size_t N>
float toDisplay(float value, const SConversion (&table)[N], int unit)
{
    const SConversion* conversion = row(table, unit);
    if (!conversion)
        return value;
    return conversion->displayDivides ? value / conversion->factor : value * conversion->factor;
}

template <size_t N>
float toBase(float value, const SConversion (&table)[N], int unit)
{
    const SConversion* conversion = row(table, unit);
    if (!conversion)
        return value;
    return conversion->displayDivides ? value * conversion->factor : value / conversion->factor;
}

const char* degreeWord(DEGREE_UNIT_S unit)
{
    return unit == DEGREE_UNIT_WORD ? "deg" : DegreeSign;
}

std::string unitSuffix(bool withUnit, const char* unitWord)
{
    return withUnit ? std::string(" ") + unitWord : std::string();
}

} // namespace

bool checkPosLatFormat(double latitude)
{
    return latitude > -91.0 && latitude < 91.0;
}

bool checkPosLonFormat(double longitude)
{
    return longitude > -181.0 && longitude < 181.0;
}

void getSpeedUnitString(StringConvt::CTextBuffer buffer, SPEED_UNIT unit)
{
    buffer.assign(word(SpeedWords, unit));
}

void getDistUnitString(StringConvt::CTextBuffer buffer, DIST_UNIT unit)
{
    buffer.assign(word(DistWords, unit));
}

void getDepthUnitString(StringConvt::CTextBuffer buffer, DEPTH_UNIT unit)
{
    buffer.assign(word(DepthWords, unit));
}

void getHeightUnitString(StringConvt::CTextBuffer buffer, HEIGHT_UNIT unit)
{
    buffer.assign(word(HeightWords, unit));
}

void getDegreeUnitString(StringConvt::CTextBuffer buffer, DEGREE_UNIT_S unit)
{
    buffer.assign(degreeWord(unit));
}

float speedValueConv(float knots, SPEED_UNIT unit)
{
    return toDisplay(knots, SpeedConversions, unit);
}

float distValueConv(float nauticalMiles, DIST_UNIT unit)
{
    return toDisplay(nauticalMiles, DistConversions, unit);
}

float depthValueConv(float metres, DEPTH_UNIT unit)
{
    return toDisplay(metres, DepthConversions, unit);
}

float heightValueConv(float metres, HEIGHT_UNIT unit)
{
    return toDisplay(metres, HeightConversions, unit);
}

float middleDistConv(float metres, MIDDLE_DIST_UNIT unit)
{
    return toDisplay(metres, MiddleDistConversions, unit);
}

float speedValue2Knot(float value, SPEED_UNIT unit)
{
    return toBase(value, SpeedConversions, unit);
}

float distValue2Nm(float value, DIST_UNIT unit)
{
    if (unit == DIST_UNIT_KM)
        return static_cast<float>(static_cast<double>(value) / 1.852);
    return toBase(value, DistConversions, unit);
}

float depthValue2Meter(float value, DEPTH_UNIT unit)
{
    return toBase(value, DepthConversions, unit);
}

float heightValue2Meter(float value, HEIGHT_UNIT unit)
{
    return toBase(value, HeightConversions, unit);
}

float middleDistValue2Meters(float value, MIDDLE_DIST_UNIT unit)
{
    return toBase(value, MiddleDistConversions, unit);
}

void formatStrSpeedValue(StringConvt::CTextBuffer buffer, float knots, SPEED_UNIT unit, bool withUnit)
{
    buffer.assignNumber(speedValueConv(knots, unit), 1, unitSuffix(withUnit, word(SpeedWords, unit)));
}

void formatStrDistValue(StringConvt::CTextBuffer buffer, float nauticalMiles, DIST_UNIT unit, bool withUnit)
{
    buffer.assignNumber(distValueConv(nauticalMiles, unit), 2, unitSuffix(withUnit, word(DistWords, unit)));
}

void formatStrDegreeValue(StringConvt::CTextBuffer buffer, float degrees, DEGREE_UNIT_S unit, bool withUnit)
{
    buffer.assignNumber(degrees, 1, unitSuffix(withUnit, degreeWord(unit)));
}

void formatStrBearingValue(StringConvt::CTextBuffer buffer, float degrees, BEARING_MEASURE measure,
                           DEGREE_UNIT_S unit, bool withUnit)
{
    formatStrDegreeValue(buffer, degrees, unit, withUnit);
    formatStrBearingMeasure(buffer, measure);
}

void formatStrBearingMeasure(StringConvt::CTextBuffer buffer, BEARING_MEASURE measure)
{
    const std::string_view text = buffer.text();
    if (text.empty() || text == "--")
        return;
    if (measure == BEARING_MEASURE_TRUE)
        buffer.append(" T");
    else if (measure == BEARING_MEASURE_RELATIVE)
        buffer.append(" R");
}

void formatStrDistBearing(StringConvt::CTextBuffer buffer, float nauticalMiles, DIST_UNIT distUnit, float bearing,
                          BEARING_MEASURE measure, DEGREE_UNIT_S degreeUnit)
{
    char bearingText[64];
    formatStrBearingValue(bearingText, bearing, measure, degreeUnit, true);
    char distText[64];
    formatStrDistValue(distText, nauticalMiles, distUnit, true);
    buffer.assignValue(std::string(bearingText) + "  " + distText);
}

} // namespace Unit
