#pragma once

#include "model/targets/AIS_ATON_DATA.h"
#include "model/targets/AIS_CLASS_A_DATA.h"
#include "model/targets/AIS_REF_POINT_DIMENSION.h"
#include "model/targets/AIS_SART_DATA.h"
#include "model/targets/AIS_TYPE.h"
#include "model/units/TextBuffer.h"
#include "model/units/UnitTypes.h"
#include "support/PortalQDt.h"

#include <cstdint>

namespace NaviScope {

// Texts of the fields of AIS reports. Not-available values show as "--"; fields that do not
// apply to the station kind as "N/A". Code tables give "" for an index outside them.
class NaviStrConvt
{
public:
    using CTextBuffer = StringConvt::CTextBuffer;
    using CTextView = StringConvt::CTextView;
    using AIS_TYPE = VudaviRirev::AIS_TYPE;

    // "A", "Class A" or "(A)" by the form; empty for kind 6 (none) and above.
    static void formatStrAisType(CTextBuffer buffer, AIS_TYPE kind, Unit::FORMAT_S form);

    // Course and speed do not apply to base stations and AtoN.
    static void formatStrCOG(CTextBuffer buffer, AIS_TYPE kind, float cog, bool degreeSign);
    static void formatStrSOG(CTextBuffer buffer, AIS_TYPE kind, float knots, Unit::SPEED_UNIT unit, bool withUnit);
    // " 1.2": one decimal, not trimmed.
    static void formatStrHDOP(CTextBuffer buffer, float hdop);
    static void formatStrHeading(CTextBuffer buffer, float heading, bool degreeSign);

    // Class A voyage fields.
    static void formatStrROT(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_CLASS_A_DATA& data);
    static void formatStrIMO(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_CLASS_A_DATA& data);
    static void formatStrDestination(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_CLASS_A_DATA& data);
    static void formatStrETA(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_CLASS_A_DATA& data,
                             Portal::QDt::TIME_ZONE zone);
    static void formatStrDraught(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_CLASS_A_DATA& data);
    // Class A and B.
    static void formatStrCallSign(CTextBuffer buffer, AIS_TYPE kind, CTextView callSign);
    static void formatStrLastReport(CTextBuffer buffer, int64_t time, Portal::QDt::TIME_ZONE zone);

    // Dimensions do not apply to base stations and SAR aircraft.
    static void formatStrDimension(CTextBuffer buffer, AIS_TYPE kind,
                                   const VudaviRirev::AIS_REF_POINT_DIMENSION& dimension);
    static void formatStrLength(CTextBuffer buffer, AIS_TYPE kind,
                                const VudaviRirev::AIS_REF_POINT_DIMENSION& dimension);
    static void formatStrBeam(CTextBuffer buffer, AIS_TYPE kind, const VudaviRirev::AIS_REF_POINT_DIMENSION& dimension);

    static void formatStrVslType(CTextBuffer buffer, uint8_t shipType, AIS_TYPE kind);
    static void formatStrCargo(CTextBuffer buffer, uint8_t shipType, AIS_TYPE kind);
    // Filled with blanks to 28 characters; returns the row of the ship type table (0 when undefined).
    static int getShipTypeContent(CTextBuffer buffer, uint8_t shipType);
    // Filled with blanks to 28 characters; returns the cargo digit (0 when no cargo text applies).
    static int getCargoTypeContent(CTextBuffer buffer, uint8_t shipType);

    static void formatStrNavSta(CTextBuffer buffer, AIS_TYPE kind, uint8_t status);
    static void formatStrEPFS(CTextBuffer buffer, uint8_t epfs);
    static void formatStrPosAccu(CTextBuffer buffer, uint8_t accuracy);

    // "N/A" unless both CPA and TCPA are 0 or more.
    static void formatStrCPA(CTextBuffer buffer, float cpa, float tcpa);
    static void formatStrTCPA(CTextBuffer buffer, float cpa, float tcpa);
    static void formatStrXTE(CTextBuffer buffer, float nauticalMiles, Unit::DIST_UNIT unit, bool withUnit);

    static void formatStrSartMode(CTextBuffer buffer, const VudaviRirev::AIS_SART_DATA& data);
    // "T", "Q", "L"; any other character leaves the buffer as it was.
    static void formatStrArpaStatus(CTextBuffer buffer, char status);

    // The name up to its first "@", then the extension, all up to the first "@" (119 characters at most).
    static void formatStrAtonName(CTextBuffer buffer, CTextView name, CTextView extension);
    static void formatStrAtonRealVirtual(CTextBuffer buffer, const VudaviRirev::AIS_ATON_DATA& data);
    static void formatStrAtonType(CTextBuffer buffer, const VudaviRirev::AIS_ATON_DATA& data);
    // "Good health, On position".
    static void formatStrAtonStatus(CTextBuffer buffer, const VudaviRirev::AIS_ATON_DATA& data);
    static void formatStrAtonLightStatus(CTextBuffer buffer, const VudaviRirev::AIS_ATON_DATA& data);
    static void formatStrAtonRACONStatus(CTextBuffer buffer, const VudaviRirev::AIS_ATON_DATA& data);
};

} // namespace NaviScope
