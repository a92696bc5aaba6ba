#include "codec/records/ShipTable.h"

#include "codec/ais/AisMessage.h"
#include "codec/ais/AisMsgCodec.h"
#include "codec/records/AisRxBuffers.h"
#include "codec/records/CodecLock.h"
#include "codec/records/CodecText.h"

#include <algorithm>
#include <cstring>

GENERIC_SHIP_DATA ShipData[SHIP_TABLE_SIZE];
int NoStation = 1;

namespace {

// Entries from this index on hold what the last ShipInitial wrote, in the second it ran. The
// handler resets the table after every malformed message, and real traffic carries many (empty
// payloads): reading all 501 entries each time was the receive path's largest cost.
int UnwrittenFrom = SHIP_TABLE_SIZE;
int64_t InitialSecond = -1;

constexpr uint32_t SART_MMSI_FIRST = 970000000;
constexpr uint32_t SART_MMSI_LAST = 970999999;
constexpr uint8_t NAV_STATUS_SART_ACTIVE = 14;
constexpr uint8_t NAV_STATUS_SART_TEST = 15;
// RxAisMsgId of a message 24 part B.
constexpr int MSG24B_ID = 124;

// Cut to the room, without the at-sign fill.
template <size_t N, size_t M>
void copyAisText(char (&out)[N], const char (&text)[M])
{
    CopyFixedText(out, text);
    TrimAisString(out, N);
}

uint64_t clockMs(SYSTEM_TIME time)
{
    return time.day * CODEC_MS_PER_DAY + time.ms;
}

int64_t clockSeconds()
{
    return static_cast<int64_t>(clockMs(GetSystemTime()) / 1000);
}

bool validEntry(int entry)
{
    return entry >= 0 && entry < SHIP_TABLE_SIZE;
}

void setFlag(uint16_t& flags, uint16_t bit, bool on)
{
    flags = static_cast<uint16_t>(on ? flags | bit : flags & ~bit);
}

void setEpfd(GENERIC_SHIP_DATA& e, uint8_t epfd)
{
    e.flags = static_cast<uint16_t>((e.flags & ~SHIP_FLAG_EPFD_MASK) | (epfd & SHIP_FLAG_EPFD_MASK));
}

void setNavStatus(GENERIC_SHIP_DATA& e, uint8_t status)
{
    e.flags = static_cast<uint16_t>((e.flags & ~SHIP_FLAG_NAV_STATUS_MASK)
                                    | (status << SHIP_FLAG_NAV_STATUS_SHIFT & SHIP_FLAG_NAV_STATUS_MASK));
}

void setPosition(GENERIC_SHIP_DATA& e, uint8_t accuracy, float longitude, float latitude, uint8_t raim)
{
    setFlag(e.flags, SHIP_FLAG_ACCURACY, accuracy != 0);
    setFlag(e.flags, SHIP_FLAG_RAIM, raim != 0);
    e.longitude = longitude;
    e.latitude = latitude;
}

// bow 9, stern 9, port 6, starboard 6 bits, as sent.
void setDimensions(GENERIC_SHIP_DATA& e, uint32_t d)
{
    e.toBow = static_cast<uint16_t>(d >> 21 & 511);
    e.toStern = static_cast<uint16_t>(d >> 12 & 511);
    e.toPort = static_cast<uint8_t>(d >> 6 & 63);
    e.toStarboard = static_cast<uint8_t>(d & 63);
}

bool isSart(const AIS_MSG_1& m)
{
    return m.header.mmsi >= SART_MMSI_FIRST && m.header.mmsi <= SART_MMSI_LAST
        && (m.navStatus == NAV_STATUS_SART_ACTIVE || m.navStatus == NAV_STATUS_SART_TEST);
}

void storePositionReport(GENERIC_SHIP_DATA& e, const AIS_MSG_1& m)
{
    e.stationKind = isSart(m) ? STATION_SART : STATION_CLASS_A;
    setNavStatus(e, m.navStatus);
    e.rateOfTurn = m.rateOfTurn;
    e.sog = m.sog;
    setPosition(e, m.accuracy, m.longitude, m.latitude, m.raim);
    e.cog = m.cog;
    e.heading = m.heading;
}

void storeBaseStation(GENERIC_SHIP_DATA& e, const AIS_MSG_4& m)
{
    e.stationKind = STATION_BASE;
    setPosition(e, m.accuracy, m.longitude, m.latitude, m.raim);
    setEpfd(e, m.epfd);
}

void storeStaticVoyage(GENERIC_SHIP_DATA& e, const AIS_MSG_5& m)
{
    e.stationKind = STATION_CLASS_A;
    e.aisVersion = m.aisVersion;
    e.imo = m.imo;
    e.shipType = m.shipType;
    setDimensions(e, m.dimensions);
    setEpfd(e, m.epfd);
    // month 4, day 5, hour 5, minute 6 bits, as sent
    e.etaMonth = static_cast<uint8_t>(m.eta >> 16 & 15);
    e.etaDay = static_cast<uint8_t>(m.eta >> 11 & 31);
    e.etaHour = static_cast<uint8_t>(m.eta >> 6 & 31);
    e.etaMinute = static_cast<uint8_t>(m.eta & 63);
    e.draught = m.draught;
    setFlag(e.flags, SHIP_FLAG_DTE, m.dte != 0);
    copyAisText(e.destination, m.destination);
    copyAisText(e.callSign, m.callSign);
    copyAisText(e.name, m.name);
}

void storeSarAircraft(GENERIC_SHIP_DATA& e, const AIS_MSG_9& m)
{
    e.stationKind = STATION_SAR_AIRCRAFT;
    e.altitude = m.altitude;
    e.sog = m.sog;
    setPosition(e, m.accuracy, m.longitude, m.latitude, m.raim);
    e.cog = m.cog;
    setFlag(e.flags, SHIP_FLAG_DTE, m.dte != 0);
}

void storeClassB(GENERIC_SHIP_DATA& e, const AIS_MSG_18& m)
{
    e.stationKind = STATION_CLASS_B;
    e.sog = m.sog;
    setPosition(e, m.accuracy, m.longitude, m.latitude, m.raim);
    e.cog = m.cog;
    e.heading = m.heading;
    e.classBFlags = static_cast<uint8_t>((m.modeFlag ? SHIP_CLASS_B_MODE : 0) | (m.unitFlag ? SHIP_CLASS_B_UNIT : 0)
                                         | (m.displayFlag ? SHIP_CLASS_B_DISPLAY : 0) | (m.dscFlag ? SHIP_CLASS_B_DSC : 0)
                                         | (m.bandFlag ? SHIP_CLASS_B_BAND : 0) | (m.msg22Flag ? SHIP_CLASS_B_MSG22 : 0));
}

void storeClassBExtended(GENERIC_SHIP_DATA& e, const AIS_MSG_19& m)
{
    e.stationKind = STATION_CLASS_B;
    e.sog = m.sog;
    setPosition(e, m.accuracy, m.longitude, m.latitude, m.raim);
    e.cog = m.cog;
    e.heading = m.heading;
    copyAisText(e.name, m.name);
    e.shipType = m.shipType;
    setDimensions(e, m.dimensions);
    setEpfd(e, m.epfd);
    setFlag(e.flags, SHIP_FLAG_DTE, m.dte != 0);
}

void storeAtoN(GENERIC_SHIP_DATA& e, const AIS_MSG_21& m)
{
    e.stationKind = STATION_ATON;
    copyAisText(e.name, m.name);
    setPosition(e, m.accuracy, m.longitude, m.latitude, m.raim);
    setDimensions(e, m.dimensions);
    setEpfd(e, m.epfd);
    e.atonFlags = static_cast<uint8_t>((m.offPosition ? SHIP_ATON_OFF_POSITION : 0)
                                       | (m.aidType << SHIP_ATON_TYPE_SHIFT & SHIP_ATON_TYPE_MASK)
                                       | (m.virtualFlag ? SHIP_ATON_VIRTUAL : 0) | (m.assigned ? SHIP_ATON_ASSIGNED : 0));
    e.atonStatus = m.atonStatus;
    copyAisText(e.nameExtension, m.nameExtension);
}

void storeStaticReport(GENERIC_SHIP_DATA& e, const UN_AIS_MESSAGE& m)
{
    e.stationKind = STATION_CLASS_B;
    e.partNumber = m.msg24a.partNumber;
    if (m.msg24a.partNumber == 1) {
        e.shipType = m.msg24b.shipType;
        copyAisText(e.vendorId, m.msg24b.vendorId);
        copyAisText(e.callSign, m.msg24b.callSign);
        setDimensions(e, m.msg24b.dimensions);
    } else {
        copyAisText(e.name, m.msg24a.name);
    }
}

void storeByMessage(GENERIC_SHIP_DATA& e, const UN_AIS_MESSAGE& m)
{
    switch (m.messageId) {
    case 1:
    case 2:
    case 3:
        storePositionReport(e, m.msg1);
        break;
    case 4:
        storeBaseStation(e, m.msg4);
        break;
    case 5:
        storeStaticVoyage(e, m.msg5);
        break;
    case 9:
        storeSarAircraft(e, m.msg9);
        break;
    case 18:
        storeClassB(e, m.msg18);
        break;
    case 19:
        storeClassBExtended(e, m.msg19);
        break;
    case 21:
        storeAtoN(e, m.msg21);
        break;
    case 24:
        storeStaticReport(e, m);
        break;
    case 16:
    case 17:
    case 20:
    case 22:
    case 23:
        e.stationKind = STATION_BASE;
        break;
    default: // 6, 7, 8, 10 to 15, 25, 26: the entry is only stamped
        break;
    }
}

// A blank entry (MMSI 0) never matches, so a message from MMSI 0 is not filed as the own ship.
int findStation(uint32_t mmsi)
{
    for (int i = 0; i < NoStation; ++i) {
        if (ShipData[i].mmsi != 0 && ShipData[i].mmsi == mmsi)
            return i;
    }
    return -1;
}

int newStation(uint32_t mmsi)
{
    int entry;
    if (NoStation < SHIP_TABLE_SIZE)
        entry = NoStation++;
    else
        entry = DeleteOldestShipData();
    ShipEntryWritten(entry);
    ShipData[entry].mmsi = mmsi;
    return entry;
}

void stampFirstHeard(GENERIC_SHIP_DATA& e)
{
    e.vdmCount = 0;
    e.vdoCount = 0;
    e.firstHeardDate = SysUtcDate;
    e.firstHeardTime = SysUtcTime;
}

void stampLastHeard(GENERIC_SHIP_DATA& e)
{
    e.lastHeardDate = SysUtcDate;
    e.lastHeardTime = SysUtcTime;
    e.lastHeardClock = GetSystemTime();
}

} // namespace

namespace {

// Made on first use, so that a reset during another file's static start finds it made.
const GENERIC_SHIP_DATA& blankEntry()
{
    static const GENERIC_SHIP_DATA blank = [] {
        GENERIC_SHIP_DATA e;
        std::memset(&e, 0, sizeof e);
        e.stationKind = STATION_NONE;
        e.distance = SHIP_NO_RANGE;
        e.bearing = SHIP_NO_RANGE;
        e.heading = SHIP_NO_HEADING;
        e.longitude = SHIP_NO_LONGITUDE;
        e.latitude = SHIP_NO_LATITUDE;
        e.cog = SHIP_NO_COG;
        e.flags = SHIP_FLAG_DTE;
        return e;
    }();
    return blank;
}

} // namespace

bool ShipInitial()
{
    CCodecLock lock;
    NoStation = 1;
    GENERIC_SHIP_DATA initial = blankEntry();
    initial.distance = 0.0f;
    initial.creationTime = clockSeconds();
    const int written = initial.creationTime == InitialSecond ? std::max(UnwrittenFrom, SHIP_ENTRIES_WRITTEN_IN_PLACE)
                                                              : SHIP_TABLE_SIZE;
    // Mostly the entries are as the last reset left them: reading an entry costs less than
    // writing it.
    for (int i = 0; i < written; ++i) {
        if (std::memcmp(&ShipData[i], &initial, sizeof initial) != 0)
            std::memcpy(&ShipData[i], &initial, sizeof initial);
    }
    UnwrittenFrom = 0;
    InitialSecond = initial.creationTime;
    return true;
}

void ShipEntryWritten(int entry)
{
    if (validEntry(entry))
        UnwrittenFrom = std::max(UnwrittenFrom, entry + 1);
}

void ResetShipData(int entry)
{
    ShipEntryWritten(entry);
    if (validEntry(entry))
        std::memcpy(&ShipData[entry], &blankEntry(), sizeof(GENERIC_SHIP_DATA));
}

int DeleteOldestShipData()
{
    int oldest = 1;
    for (int i = 2; i < NoStation && i < SHIP_TABLE_SIZE; ++i) {
        if (clockMs(ShipData[i].lastHeardClock) < clockMs(ShipData[oldest].lastHeardClock))
            oldest = i;
    }
    ResetShipData(oldest);
    return oldest;
}

int StoreAisMsg(const UN_AIS_MESSAGE* message, int channel, uint32_t value, bool own)
{
    if (!message || !AisMessageIDCheck(message->messageId))
        return -1;
    const uint32_t mmsi = message->header.mmsi;
    int entry;
    bool isNew = false;
    NoStation = std::clamp(NoStation, 1, SHIP_TABLE_SIZE);
    if (own) {
        entry = 0;
        if (ShipData[0].mmsi == 0) {
            ShipData[0].mmsi = mmsi;
            isNew = true;
        }
    } else {
        entry = findStation(mmsi);
        if (entry < 0) {
            entry = newStation(mmsi);
            isNew = true;
        }
    }

    GENERIC_SHIP_DATA& e = ShipData[entry];
    if (isNew)
        stampFirstHeard(e);
    stampLastHeard(e);
    RxAisShipId = entry;
    RxAisMsgId = message->messageId == 24 && message->msg24a.partNumber == 1 ? MSG24B_ID : message->messageId;

    storeByMessage(e, *message);
    AisRxBufferStore(*message, channel, value);
    return entry;
}

void ShipSentenceReset()
{
    NoStation = 1;
    ResetShipData(0);
    ResetShipData(1);
}

SHIP_REPORT_KINEMATICS ShipReportKinematics(uint8_t messageId)
{
    switch (messageId) {
    case 1:
    case 2:
    case 3:
    case 9:
    case 18:
    case 19:
        return SHIP_REPORT_POSITION_AND_MOTION;
    case 4:
    case 21:
        return SHIP_REPORT_POSITION;
    default:
        return SHIP_REPORT_NO_POSITION;
    }
}
