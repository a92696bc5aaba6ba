#include "model/units/StringConvt.h"

#include "model/units/UnitConvt.h"

namespace StringConvt {

void formatStrID(CTextBuffer buffer, uint32_t id, int8_t width)
{
    // Printed unsigned: an ID above 2^31 must not show as a negative number.
    if (width > 0)
        buffer.assignFormat("%0*u", static_cast<int>(width), id);
    else
        buffer.assignFormat("%u", id);
}

size_t formatStrName(CTextBuffer buffer, CTextView text)
{
    buffer.assign(text.text());
    return trimRight(buffer, ' ');
}

size_t trimRight(CTextBuffer text, char character)
{
    size_t length = text.text().size();
    while (length > 0 && text.text()[length - 1] == character)
        --length;
    text.truncate(length);
    return text.text().size();
}

void formatStrBearing(CTextBuffer buffer, float degrees, Unit::BEARING_MEASURE measure, bool degreeSign)
{
    if (!(degrees < 360.0f)) {
        buffer.assign("--");
        return;
    }
    buffer.assignNumber(degrees, 1, degreeSign ? Unit::DegreeSign : "");
    Unit::formatStrBearingMeasure(buffer, measure);
}

void formatStrRange(CTextBuffer buffer, float nauticalMiles, Unit::DIST_UNIT unit, bool withUnit)
{
    if (!(nauticalMiles >= 0.0f)) {
        buffer.assign("--");
        return;
    }
    Unit::formatStrDistValue(buffer, nauticalMiles, unit, withUnit);
}

} // namespace StringConvt
