#include "model/targets/CAisData.h"

#include "codec/records/CodecText.h"
#include "codec/records/SensorRecords.h"
#include "codec/records/ShipTable.h"
#include "model/targets/AisEta.h"

#include <cmath>
#include <cstring>
#include <ctime>

namespace VudaviRirev {

namespace {

constexpr uint8_t NAV_STATUS_SART_ACTIVE = 14;
constexpr uint8_t NAV_STATUS_SART_TEST = 15;
constexpr uint32_t SART_MODE_ACTIVE = 1;
constexpr uint32_t SART_MODE_TEST = 2;

AIS_TYPE kindOf(const GENERIC_SHIP_DATA& entry)
{
    return entry.stationKind <= AIS_TYPE_NONE ? static_cast<AIS_TYPE>(entry.stationKind) : AIS_TYPE_NONE;
}

bool flag(const GENERIC_SHIP_DATA& entry, uint16_t bit)
{
    return (entry.flags & bit) != 0;
}

AIS_REF_POINT_DIMENSION dimensionOf(const GENERIC_SHIP_DATA& entry)
{
    AIS_REF_POINT_DIMENSION d;
    d.a = static_cast<float>(entry.toBow & 511);
    d.b = static_cast<float>(entry.toStern & 511);
    d.c = static_cast<float>(entry.toPort & 63);
    d.d = static_cast<float>(entry.toStarboard & 63);
    return d;
}

int64_t now()
{
    return static_cast<int64_t>(std::time(nullptr));
}

} // namespace

bool CAisData::assignData(const CAisData* from)
{
    if (!from)
        return false;
    *this = *from;
    return true;
}

bool CAisData::setLatLonChecking(double latitude, double longitude)
{
    positionValid = std::fabs(latitude) < 91.0 && std::fabs(longitude) < 181.0;
    position = positionValid ? Unit::SPointG2dD{latitude, longitude} : Unit::SPointG2dD{};
    return positionValid;
}

// The kind data is cleared once for the kind a station first reports, and again whenever the
// station reports another kind: the union must never show one kind's bytes as another's.
void CAisData::prepareKindData(AIS_TYPE entryKind)
{
    if (entryKind == AIS_TYPE_NONE)
        return;
    if (kindDataPrepared && entryKind == stationKind)
        return;
    std::memset(&kindData, 0, sizeof kindData);
    if (!kindDataPrepared)
        firstReportTime = now();
    kindDataPrepared = true;
}

bool CAisData::setAisData(const GENERIC_SHIP_DATA& entry, bool kinematicsAllowed)
{
    prepareKindData(kindOf(entry));
    lastMessageId = entry.lastMessageId;
    mmsi = static_cast<uint32_t>(entry.mmsi);
    takeMessage(entry);
    const SHIP_REPORT_KINEMATICS kinematics = ShipReportKinematics(entry.lastMessageId);
    if (!kinematicsAllowed || kinematics == SHIP_REPORT_NO_POSITION)
        return false;
    takeKinematics(entry, kinematics == SHIP_REPORT_POSITION_AND_MOTION);
    return true;
}

void CAisData::takeMessage(const GENERIC_SHIP_DATA& e)
{
    const uint8_t id = e.lastMessageId;
    if (id < 1 || id > 24 || (id >= 6 && id <= 8) || (id >= 10 && id <= 15))
        return;
    stationKind = kindOf(e);
    const bool reportsAccuracy = ShipReportKinematics(id) != SHIP_REPORT_NO_POSITION;
    if (reportsAccuracy) {
        positionAccuracy = flag(e, SHIP_FLAG_ACCURACY);
        raim = flag(e, SHIP_FLAG_RAIM);
    }
    const uint8_t epfs = static_cast<uint8_t>(e.flags & SHIP_FLAG_EPFD_MASK);
    switch (id) {
    case 1:
    case 2:
    case 3:
        navStatus = static_cast<uint8_t>((e.flags & SHIP_FLAG_NAV_STATUS_MASK) >> SHIP_FLAG_NAV_STATUS_SHIFT);
        if (stationKind == AIS_TYPE_SART && navStatus == NAV_STATUS_SART_TEST)
            kindData.sart.mode = SART_MODE_TEST;
        else if (stationKind == AIS_TYPE_SART && navStatus == NAV_STATUS_SART_ACTIVE)
            kindData.sart.mode = SART_MODE_ACTIVE;
        if (stationKind == AIS_TYPE_CLASS_A)
            kindData.classA.rateOfTurn = e.rateOfTurn;
        trueHeading = e.heading;
        break;
    case 4:
        epfsType = epfs;
        break;
    case 5:
        epfsType = epfs;
        shipType = e.shipType;
        dte = flag(e, SHIP_FLAG_DTE);
        CopyFixedText(name, e.name);
        CopyFixedText(callSign, e.callSign);
        dimension = dimensionOf(e);
        if (stationKind == AIS_TYPE_CLASS_A) {
            AIS_CLASS_A_DATA& a = kindData.classA;
            a.imo = static_cast<uint32_t>(e.imo);
            a.eta = AisEtaTime(e.etaMonth, e.etaDay, e.etaHour, e.etaMinute, now());
            a.aisVersion = e.aisVersion;
            a.draught = e.draught;
            CopyFixedText(a.destination, e.destination);
        }
        break;
    case 9:
        dte = flag(e, SHIP_FLAG_DTE);
        if (stationKind == AIS_TYPE_SAR_AIRCRAFT)
            kindData.sarAircraft.altitude = e.altitude;
        break;
    case 18:
        trueHeading = e.heading;
        if (stationKind == AIS_TYPE_CLASS_B) {
            AIS_CLASS_B_DATA& b = kindData.classB;
            b.modeFlag = (e.classBFlags & SHIP_CLASS_B_MODE) != 0;
            b.unitFlag = (e.classBFlags & SHIP_CLASS_B_UNIT) != 0;
            b.displayFlag = (e.classBFlags & SHIP_CLASS_B_DISPLAY) != 0;
            b.dscFlag = (e.classBFlags & SHIP_CLASS_B_DSC) != 0;
            b.bandFlag = (e.classBFlags & SHIP_CLASS_B_BAND) != 0;
            b.message22Flag = (e.classBFlags & SHIP_CLASS_B_MSG22) != 0;
        }
        break;
    case 19:
        trueHeading = e.heading;
        epfsType = epfs;
        shipType = e.shipType;
        dte = flag(e, SHIP_FLAG_DTE);
        CopyFixedText(name, e.name);
        dimension = dimensionOf(e);
        break;
    case 21:
        CopyFixedText(name, e.name);
        epfsType = epfs;
        dimension = dimensionOf(e);
        if (stationKind == AIS_TYPE_ATON) {
            AIS_ATON_DATA& a = kindData.aton;
            a.offPosition = (e.atonFlags & SHIP_ATON_OFF_POSITION) != 0;
            a.atonType = static_cast<uint8_t>((e.atonFlags & SHIP_ATON_TYPE_MASK) >> SHIP_ATON_TYPE_SHIFT);
            a.virtualAton = (e.atonFlags & SHIP_ATON_VIRTUAL) != 0;
            a.assignedMode = (e.atonFlags & SHIP_ATON_ASSIGNED) != 0;
            a.status = e.atonStatus;
            CopyFixedText(a.nameExtension, e.nameExtension);
        }
        break;
    case 24:
        if (e.partNumber == 1) {
            CopyFixedText(callSign, e.callSign);
            shipType = e.shipType;
            dimension = dimensionOf(e);
            if (stationKind == AIS_TYPE_CLASS_B)
                CopyFixedText(kindData.classB.vendorId, e.vendorId);
        } else {
            CopyFixedText(name, e.name);
        }
        break;
    default: // 16, 17, 20, 22, 23: the station kind alone
        break;
    }
}

void CAisData::takeKinematics(const GENERIC_SHIP_DATA& e, bool withMotion)
{
    if (withMotion) {
        sog = e.sog < 0.0f ? NoSog : e.sog;
        cog = e.cog < 0.0f ? NoCog : e.cog;
    }
    setLatLonChecking(e.latitude, e.longitude);
}

void CAisData::setGpsData(const GPS_Data& slot)
{
    if (!slot.positionValid.valid)
        return;
    setLatLonChecking(slot.latitude, slot.longitude);
    sog = slot.sogKnots < 0.0f ? NoSog : slot.sogKnots;
    if (slot.cogSogValid.valid)
        cog = slot.cogTrue < 0.0f ? NoCog : slot.cogTrue;
}

void CAisData::setCompassData(const GNSS_Data& sensors)
{
    if (sensors.trueHeadingValid.valid)
        trueHeading = sensors.trueHeading;
    else if (sensors.magneticHeadingValid.valid)
        trueHeading = sensors.magneticHeading;
}

} // namespace VudaviRirev
