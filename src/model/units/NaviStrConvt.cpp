#include "model/units/NaviStrConvt.h"

#include "model/units/UnitConvt.h"

#include <algorithm>
#include <cmath>

namespace NaviScope {

namespace {

const char NotApplicable[] = "N/A";
const char NotAvailable[] = "--";

bool hasCourse(VudaviRirev::AIS_TYPE kind)
{
    return kind != VudaviRirev::AIS_TYPE_BASE_STATION && kind != VudaviRirev::AIS_TYPE_ATON;
}

bool hasDimensions(VudaviRirev::AIS_TYPE kind)
{
    return kind != VudaviRirev::AIS_TYPE_BASE_STATION && kind != VudaviRirev::AIS_TYPE_SAR_AIRCRAFT;
}

const char* degreeSuffix(bool degreeSign)
{
    return degreeSign ? Unit::DegreeSign : "";
}

// Truncated toward zero; a value that is no number, or too large for an int, is held in range.
int wholeMetres(float metres)
{
    if (std::isnan(metres))
        return 0;
    return static_cast<int>(std::clamp(metres, -1.0e9f, 1.0e9f));
}

void formatWholeMetres(StringConvt::CTextBuffer buffer, VudaviRirev::AIS_TYPE kind, float metres)
{
    if (!hasDimensions(kind)) {
        buffer.assign(NotApplicable);
        return;
    }
    const int whole = wholeMetres(metres);
    if (whole == 0)
        buffer.assign(NotAvailable);
    else
        buffer.assignFormat("%dm", whole);
}

} // namespace

void NaviStrConvt::formatStrCOG(CTextBuffer buffer, AIS_TYPE kind, float cog, bool degreeSign)
{
    if (!hasCourse(kind))
        buffer.assign(NotApplicable);
    else if (!(cog < 360.0f))
        buffer.assign(NotAvailable);
    else
        buffer.assignNumber(cog, 1, degreeSuffix(degreeSign));
}

void NaviStrConvt::formatStrSOG(CTextBuffer buffer, AIS_TYPE kind, float knots, Unit::SPEED_UNIT unit, bool withUnit)
{
    if (!hasCourse(kind))
        buffer.assign(NotApplicable);
    else if (!(knots < VudaviRirev::NoSogFrom(kind)))
        buffer.assign(NotAvailable);
    else
        Unit::formatStrSpeedValue(buffer, knots, unit, withUnit);
}

void NaviStrConvt::formatStrHDOP(CTextBuffer buffer, float hdop)
{
    if (!(static_cast<double>(hdop) < 99.9))
        buffer.assign(NotAvailable);
    else
        buffer.assignFormat("%4.1f", static_cast<double>(hdop));
}

void NaviStrConvt::formatStrHeading(CTextBuffer buffer, float heading, bool degreeSign)
{
    if (heading == 511.0f) {
        buffer.assign(NotAvailable);
        return;
    }
    if (heading < 0.0f)
        heading += 360.0f;
    else if (heading >= 360.0f)
        heading -= 360.0f;
    buffer.assignNumber(heading, 1, degreeSuffix(degreeSign));
}

void NaviStrConvt::formatStrROT(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_CLASS_A_DATA& data)
{
    const float rot = data.rateOfTurn;
    if (kind != VudaviRirev::AIS_TYPE_CLASS_A)
        buffer.assign(NotApplicable);
    else if (!(rot < 9990.0f))
        buffer.assign(NotAvailable);
    else if (rot >= 1000.0f)
        buffer.assignFormat(">5(R)%s/30s", Unit::DegreeSign);
    else if (rot < -1000.0f)
        buffer.assignFormat(">5(L)%s/30s", Unit::DegreeSign);
    else if (static_cast<int>(rot * 10.0f) % 10 == 0)
        buffer.assignFormat("%d%s/min", static_cast<int>(rot), Unit::DegreeSign);
    else
        buffer.assignFormat("%.1f%s/min", static_cast<double>(rot), Unit::DegreeSign);
}

void NaviStrConvt::formatStrIMO(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_CLASS_A_DATA& data)
{
    if (kind != VudaviRirev::AIS_TYPE_CLASS_A)
        buffer.assign(NotApplicable);
    else if (data.imo == 0)
        buffer.assign(NotAvailable);
    else
        buffer.assignFormat("%u", data.imo);
}

void NaviStrConvt::formatStrDestination(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_CLASS_A_DATA& data)
{
    const CTextView destination(data.destination);
    if (kind != VudaviRirev::AIS_TYPE_CLASS_A)
        buffer.assign(NotApplicable);
    else if (destination.text().empty())
        buffer.assign(NotAvailable);
    else
        buffer.assign(destination.text());
}

void NaviStrConvt::formatStrETA(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_CLASS_A_DATA& data,
                                Portal::QDt::TIME_ZONE zone)
{
    if (kind != VudaviRirev::AIS_TYPE_CLASS_A)
        buffer.assign(NotApplicable);
    else if (data.eta == 0)
        buffer.assign(NotAvailable);
    else
        buffer.assignValue(Portal::QDt::ConvtFmtDateTimeToStr(data.eta, zone, Portal::QDt::DATE_FORMAT_SHORT_NO_YEAR,
                                                              Portal::QDt::TIME_FORMAT_HM, 0)
                               .toStdString());
}

void NaviStrConvt::formatStrDraught(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_CLASS_A_DATA& data)
{
    if (kind != VudaviRirev::AIS_TYPE_CLASS_A)
        buffer.assign(NotApplicable);
    else if (!(data.draught > 0.0f))
        buffer.assign(NotAvailable);
    else
        buffer.assignNumber(data.draught, 1, " m");
}

void NaviStrConvt::formatStrCallSign(CTextBuffer buffer, AIS_TYPE kind, CTextView callSign)
{
    if (kind != VudaviRirev::AIS_TYPE_CLASS_A && kind != VudaviRirev::AIS_TYPE_CLASS_B)
        buffer.assign(NotApplicable);
    else if (callSign.text().empty())
        buffer.assign(NotAvailable);
    else
        buffer.assign(callSign.text());
}

void NaviStrConvt::formatStrLastReport(CTextBuffer buffer, int64_t time, Portal::QDt::TIME_ZONE zone)
{
    buffer.assignValue(Portal::QDt::ConvtFmtDateTimeToStr(time, zone, Portal::QDt::DATE_FORMAT_SHORT,
                                                          Portal::QDt::TIME_FORMAT_HMS, 0)
                           .toStdString());
}

void NaviStrConvt::formatStrDimension(CTextBuffer buffer, AIS_TYPE kind,
                                      const VudaviRirev::AIS_REF_POINT_DIMENSION& dimension)
{
    if (!hasDimensions(kind))
        buffer.assign(NotApplicable);
    else if (dimension.a == 0.0f && dimension.b == 0.0f && dimension.c == 0.0f && dimension.d == 0.0f)
        buffer.assign(NotAvailable);
    else
        buffer.assignFormat("A:%dm,B:%dm,C:%dm,D:%dm", wholeMetres(dimension.a), wholeMetres(dimension.b),
                            wholeMetres(dimension.c), wholeMetres(dimension.d));
}

void NaviStrConvt::formatStrLength(CTextBuffer buffer, AIS_TYPE kind,
                                   const VudaviRirev::AIS_REF_POINT_DIMENSION& dimension)
{
    formatWholeMetres(buffer, kind, dimension.a + dimension.b);
}

void NaviStrConvt::formatStrBeam(CTextBuffer buffer, AIS_TYPE kind,
                                 const VudaviRirev::AIS_REF_POINT_DIMENSION& dimension)
{
    formatWholeMetres(buffer, kind, dimension.c + dimension.d);
}

void NaviStrConvt::formatStrCPA(CTextBuffer buffer, float cpa, float tcpa)
{
    if (!(cpa >= 0.0f && tcpa >= 0.0f))
        buffer.assign(NotApplicable);
    else
        buffer.assignNumber(cpa, 2);
}

void NaviStrConvt::formatStrTCPA(CTextBuffer buffer, float cpa, float tcpa)
{
    if (!(cpa >= 0.0f && tcpa >= 0.0f))
        buffer.assign(NotApplicable);
    else
        buffer.assignNumber(tcpa, 1);
}

void NaviStrConvt::formatStrXTE(CTextBuffer buffer, float nauticalMiles, Unit::DIST_UNIT unit, bool withUnit)
{
    Unit::formatStrDistValue(buffer, nauticalMiles, unit, withUnit);
}

} // namespace NaviScope
