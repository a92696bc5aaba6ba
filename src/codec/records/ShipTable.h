#pragma once

#include "codec/ais/AisMessages.h"
#include "codec/records/CodecClock.h"

#include <cstdint>

// The codec's table of stations: entry 0 is the own ship, the others are stations heard over
// AIS. Every function here except ShipInitial expects the caller to hold the codec lock
// (CCodecLock).

constexpr int SHIP_TABLE_SIZE = 501;

enum STATION_CLASS_TYPE : uint32_t
{
    STATION_BASE = 0,         // messages 4, 16, 17, 20, 22, 23
    STATION_SAR_AIRCRAFT = 1, // 9
    STATION_ATON = 2,         // 21
    STATION_CLASS_A = 3,      // 1 to 3, 5
    STATION_CLASS_B = 4,      // 18, 19, 24
    STATION_SART = 5,         // a class A report from 970xxxxxx with navigational status 14 or 15
    STATION_NONE = 6,
};

// Bits of GENERIC_SHIP_DATA::flags.
constexpr uint16_t SHIP_FLAG_EPFD_MASK = 0x000F;
constexpr int SHIP_FLAG_NAV_STATUS_SHIFT = 4;
constexpr uint16_t SHIP_FLAG_NAV_STATUS_MASK = 0x00F0;
constexpr uint16_t SHIP_FLAG_ACCURACY = 0x0100;
constexpr uint16_t SHIP_FLAG_RAIM = 0x0200;
constexpr uint16_t SHIP_FLAG_DTE = 0x0400;

// Bits of GENERIC_SHIP_DATA::classBFlags (message 18).
constexpr uint8_t SHIP_CLASS_B_MODE = 0x01;
constexpr uint8_t SHIP_CLASS_B_UNIT = 0x02;
constexpr uint8_t SHIP_CLASS_B_DISPLAY = 0x04;
constexpr uint8_t SHIP_CLASS_B_DSC = 0x08;
constexpr uint8_t SHIP_CLASS_B_BAND = 0x10;
constexpr uint8_t SHIP_CLASS_B_MSG22 = 0x20;

// Bits of GENERIC_SHIP_DATA::atonFlags (message 21).
constexpr uint8_t SHIP_ATON_OFF_POSITION = 0x01;
constexpr int SHIP_ATON_TYPE_SHIFT = 1;
constexpr uint8_t SHIP_ATON_TYPE_MASK = 0x3E;
constexpr uint8_t SHIP_ATON_VIRTUAL = 0x40;
constexpr uint8_t SHIP_ATON_ASSIGNED = 0x80;

constexpr float SHIP_NO_LONGITUDE = 181.0f;
constexpr float SHIP_NO_LATITUDE = 91.0f;
constexpr float SHIP_NO_COG = 361.0f;
constexpr float SHIP_NO_HEADING = 511.0f;
constexpr float SHIP_NO_RANGE = -1.0f;
constexpr float SHIP_NO_BEARING = 361.0f;

constexpr int SHIP_NAME_ROOM = 21;
constexpr int SHIP_CALL_SIGN_ROOM = 8;

// Texts are NUL-terminated, without the trailing at-sign fill.
struct GENERIC_SHIP_DATA
{
    uint32_t stationKind; // STATION_CLASS_TYPE
    uint64_t mmsi;        // 0: blank entry
    uint16_t flags;       // SHIP_FLAG_*
    float longitude;      // degrees, 181 not available
    float latitude;       // degrees, 91 not available
    float sog;            // knots
    float cog;            // degrees, 361 not available
    float heading;        // degrees, 511 not available
    char name[SHIP_NAME_ROOM];
    char callSign[SHIP_CALL_SIGN_ROOM];
    uint8_t shipType;
    uint8_t toStarboard; // metres, 6 bits
    uint8_t toPort;      // 6 bits
    uint16_t toStern;    // 9 bits
    uint16_t toBow;      // 9 bits
    uint64_t imo;
    float rateOfTurn; // degrees per minute, as the field codec gives it
    uint8_t etaMinute;
    uint8_t etaHour;
    uint8_t etaDay;
    uint8_t etaMonth;
    uint8_t aisVersion;
    float draught; // metres
    char destination[21];
    char vendorId[8];    // message 24 part B
    uint8_t classBFlags; // SHIP_CLASS_B_*
    uint8_t atonFlags;   // SHIP_ATON_*
    uint8_t atonStatus;
    union {
        char nameExtension[AIS_MSG21_EXTENSION_ROOM]; // aid to navigation
        float altitude;                               // SAR aircraft, metres
    };
    float distance; // nautical miles from the own ship, -1 not measured
    float bearing;  // degrees from the own ship, -1 not measured, 361 position missing
    int64_t creationTime; // seconds of the codec clock
    UTC_DATE lastHeardDate;
    UTC_TIME lastHeardTime;
    UTC_DATE firstHeardDate;
    UTC_TIME firstHeardTime;
    // The codec clock when last heard: the system UTC that stamps the two pairs above stays
    // zero while no GNSS time is taken over, so recycling measures ages with this one.
    SYSTEM_TIME lastHeardClock;
    uint32_t vdmCount; // kept by the dispatcher
    uint32_t vdoCount;
    uint8_t lastMessageId; // kept by the dispatcher
    uint8_t partNumber;    // of the last message 24
};

extern GENERIC_SHIP_DATA ShipData[SHIP_TABLE_SIZE];
// Entries in use, at least 1 (entry 0 always counts).
extern int NoStation;

// Entries below this one may be written in place by anyone; ShipInitial always blanks them.
constexpr int SHIP_ENTRIES_WRITTEN_IN_PLACE = 4;
// Code that writes an entry at or past SHIP_ENTRIES_WRITTEN_IN_PLACE, other than through the
// functions here, says so first: ShipInitial blanks only entries written since it last ran.
void ShipEntryWritten(int entry);

// Takes the codec lock. Count 1, every entry blank, its creation time now. True.
bool ShipInitial();
// Blanks the entry: kind 6, not-available position, course and heading, DTE set, distance
// and bearing -1, texts empty, every other field 0.
void ResetShipData(int entry);
// Blanks and returns the entry among 1 to count - 1 heard longest ago (the lower index on
// equal ages); entry 1 when fewer than 2 are in use. The count does not change.
int DeleteOldestShipData();
// Files one unpacked message in the entry of its MMSI (entry 0 for an own message), creating
// or recycling an entry when needed; the channel index and value are kept with messages 15
// and 20. The entry index, or -1 for a message identifier 0 or above 26.
int StoreAisMsg(const UN_AIS_MESSAGE* message, int channel, uint32_t value, bool own);
// Before each sentence: count 1, entries 0 and 1 blanked, so the sentence's station lands in
// a blank entry 1 and an own message in a blank entry 0.
void ShipSentenceReset();

// What a message files of where a station is: nothing (static data and the rest), a position
// (base stations, aids to navigation), or a position with speed and course.
enum SHIP_REPORT_KINEMATICS
{
    SHIP_REPORT_NO_POSITION = 0,
    SHIP_REPORT_POSITION = 1,
    SHIP_REPORT_POSITION_AND_MOTION = 2,
};
SHIP_REPORT_KINEMATICS ShipReportKinematics(uint8_t messageId);
