#include "codec/ais/AisOwnMessage.h"

#include "codec/records/CodecText.h"
#include "codec/records/ShipTable.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr uint8_t TIME_STAMP_NOT_AVAILABLE = 60;
constexpr uint16_t ALTITUDE_NOT_AVAILABLE = 4095;

uint8_t flagBit(uint32_t flags, uint32_t bit)
{
    return (flags & bit) ? 1 : 0;
}

uint8_t epfdOf(const GENERIC_SHIP_DATA& e)
{
    return static_cast<uint8_t>(e.flags & SHIP_FLAG_EPFD_MASK);
}

uint16_t headingOf(const GENERIC_SHIP_DATA& e)
{
    return e.heading >= 0.0f && e.heading < 360.0f ? static_cast<uint16_t>(e.heading) : 511;
}

uint8_t timeStamp()
{
    return bSysUtcAvail ? SysUtcTime.second : TIME_STAMP_NOT_AVAILABLE;
}

uint32_t dimensionsOf(const GENERIC_SHIP_DATA& e)
{
    return static_cast<uint32_t>(e.toBow & 511) << 21 | static_cast<uint32_t>(e.toStern & 511) << 12
        | static_cast<uint32_t>(e.toPort & 63) << 6 | static_cast<uint32_t>(e.toStarboard & 63);
}

void fillPositionReport(AIS_MSG_1& m, const GENERIC_SHIP_DATA& e, const COMMUNICATION_STATE& state)
{
    m.navStatus = static_cast<uint8_t>((e.flags & SHIP_FLAG_NAV_STATUS_MASK) >> SHIP_FLAG_NAV_STATUS_SHIFT);
    m.rateOfTurn = e.rateOfTurn;
    m.sog = e.sog;
    m.accuracy = flagBit(e.flags, SHIP_FLAG_ACCURACY);
    m.longitude = e.longitude;
    m.latitude = e.latitude;
    m.cog = e.cog;
    m.heading = headingOf(e);
    m.timeStamp = timeStamp();
    m.raim = flagBit(e.flags, SHIP_FLAG_RAIM);
    m.commState = state.state;
}

void fillBaseStation(AIS_MSG_4& m, const GENERIC_SHIP_DATA& e, const COMMUNICATION_STATE& state)
{
    if (bSysUtcAvail) {
        m.year = SysUtcDate.year;
        m.month = SysUtcDate.month;
        m.day = SysUtcDate.day;
        m.hour = SysUtcTime.hour;
        m.minute = SysUtcTime.minute;
        m.second = SysUtcTime.second;
    } else {
        m.hour = 24;
        m.minute = 60;
        m.second = 60;
    }
    m.accuracy = flagBit(e.flags, SHIP_FLAG_ACCURACY);
    m.longitude = e.longitude;
    m.latitude = e.latitude;
    m.epfd = epfdOf(e);
    m.raim = flagBit(e.flags, SHIP_FLAG_RAIM);
    m.commState = state.state;
}

void fillStaticVoyage(AIS_MSG_5& m, const GENERIC_SHIP_DATA& e)
{
    m.aisVersion = e.aisVersion;
    m.imo = static_cast<uint32_t>(e.imo);
    CopyFixedText(m.callSign, e.callSign);
    CopyFixedText(m.name, e.name);
    m.shipType = e.shipType;
    m.dimensions = dimensionsOf(e);
    m.epfd = epfdOf(e);
    m.eta = static_cast<uint32_t>(e.etaMonth & 15) << 16 | static_cast<uint32_t>(e.etaDay & 31) << 11
        | static_cast<uint32_t>(e.etaHour & 31) << 6 | static_cast<uint32_t>(e.etaMinute & 63);
    m.draught = e.draught;
    CopyFixedText(m.destination, e.destination);
    m.dte = flagBit(e.flags, SHIP_FLAG_DTE);
}

void fillSarAircraft(AIS_MSG_9& m, const GENERIC_SHIP_DATA& e, const COMMUNICATION_STATE& state)
{
    // The altitude shares its room with the AtoN name extension: only a SAR entry has one.
    const bool hasAltitude = e.stationKind == STATION_SAR_AIRCRAFT && std::isfinite(e.altitude);
    m.altitude = hasAltitude ? static_cast<uint16_t>(std::clamp(e.altitude, 0.0f, 4095.0f)) : ALTITUDE_NOT_AVAILABLE;
    m.sog = e.sog;
    m.accuracy = flagBit(e.flags, SHIP_FLAG_ACCURACY);
    m.longitude = e.longitude;
    m.latitude = e.latitude;
    m.cog = e.cog;
    m.timeStamp = timeStamp();
    m.dte = flagBit(e.flags, SHIP_FLAG_DTE);
    m.raim = flagBit(e.flags, SHIP_FLAG_RAIM);
    m.commStateSelector = state.selector;
    m.commState = state.state;
}

void fillClassB(AIS_MSG_18& m, const GENERIC_SHIP_DATA& e, const COMMUNICATION_STATE& state)
{
    m.sog = e.sog;
    m.accuracy = flagBit(e.flags, SHIP_FLAG_ACCURACY);
    m.longitude = e.longitude;
    m.latitude = e.latitude;
    m.cog = e.cog;
    m.heading = headingOf(e);
    m.timeStamp = timeStamp();
    m.unitFlag = flagBit(e.classBFlags, SHIP_CLASS_B_UNIT);
    m.displayFlag = flagBit(e.classBFlags, SHIP_CLASS_B_DISPLAY);
    m.dscFlag = flagBit(e.classBFlags, SHIP_CLASS_B_DSC);
    m.bandFlag = flagBit(e.classBFlags, SHIP_CLASS_B_BAND);
    m.msg22Flag = flagBit(e.classBFlags, SHIP_CLASS_B_MSG22);
    m.modeFlag = flagBit(e.classBFlags, SHIP_CLASS_B_MODE);
    m.raim = flagBit(e.flags, SHIP_FLAG_RAIM);
    m.commStateSelector = state.selector;
    m.commState = state.state;
}

void fillClassBExtended(AIS_MSG_19& m, const GENERIC_SHIP_DATA& e)
{
    m.sog = e.sog;
    m.accuracy = flagBit(e.flags, SHIP_FLAG_ACCURACY);
    m.longitude = e.longitude;
    m.latitude = e.latitude;
    m.cog = e.cog;
    m.heading = headingOf(e);
    m.timeStamp = timeStamp();
    CopyFixedText(m.name, e.name);
    m.shipType = e.shipType;
    m.dimensions = dimensionsOf(e);
    m.epfd = epfdOf(e);
    m.raim = flagBit(e.flags, SHIP_FLAG_RAIM);
    m.dte = flagBit(e.flags, SHIP_FLAG_DTE);
}

void fillAtoN(AIS_MSG_21& m, const GENERIC_SHIP_DATA& e)
{
    m.aidType = static_cast<uint8_t>((e.atonFlags & SHIP_ATON_TYPE_MASK) >> SHIP_ATON_TYPE_SHIFT);
    CopyFixedText(m.name, e.name);
    m.accuracy = flagBit(e.flags, SHIP_FLAG_ACCURACY);
    m.longitude = e.longitude;
    m.latitude = e.latitude;
    m.dimensions = dimensionsOf(e);
    m.epfd = epfdOf(e);
    m.timeStamp = timeStamp();
    m.offPosition = flagBit(e.atonFlags, SHIP_ATON_OFF_POSITION);
    m.atonStatus = e.atonStatus;
    m.raim = flagBit(e.flags, SHIP_FLAG_RAIM);
    m.virtualFlag = flagBit(e.atonFlags, SHIP_ATON_VIRTUAL);
    m.assigned = flagBit(e.atonFlags, SHIP_ATON_ASSIGNED);
    CopyFixedText(m.nameExtension, e.nameExtension);
}

bool isBuilt(uint8_t id)
{
    return (id >= 1 && id <= 9) || (id >= 12 && id <= 15) || (id >= 18 && id <= 23);
}

} // namespace

bool CreateAisMsg(uint8_t messageId, UN_AIS_MESSAGE* message, COMMUNICATION_STATE state)
{
    if (!message || !isBuilt(messageId))
        return false;
    std::memset(message, 0, sizeof *message);
    const GENERIC_SHIP_DATA& own = ShipData[0];
    message->header.messageId = messageId;
    message->header.mmsi = static_cast<uint32_t>(own.mmsi);
    switch (messageId) {
    case 1:
    case 2:
    case 3:
        fillPositionReport(message->msg1, own, state);
        break;
    case 4:
        fillBaseStation(message->msg4, own, state);
        break;
    case 5:
        fillStaticVoyage(message->msg5, own);
        break;
    case 9:
        fillSarAircraft(message->msg9, own, state);
        break;
    case 18:
        fillClassB(message->msg18, own, state);
        break;
    case 19:
        fillClassBExtended(message->msg19, own);
        break;
    case 21:
        fillAtoN(message->msg21, own);
        break;
    default: // the identifier and the own MMSI only
        break;
    }
    return true;
}
