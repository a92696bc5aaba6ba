#pragma once

#include <cstdint>
#include <type_traits>

// The unpacked AIS message: one record per message layout, its fields in message order, as the
// field codec stores them (AisMsgCodec.h). Floats hold the scaled values
// (knots, degrees, degrees per minute), texts the six-bit characters with their at-sign fill.
// The binary data fields are cut to their room; the lengths after them are filled by the
// unpacker and read by the packer.

constexpr int AIS_MSG6_DATA_ROOM = 117;  // (1008 - 72) / 8
constexpr int AIS_MSG8_DATA_ROOM = 121;  // (1008 - 40) / 8
constexpr int AIS_MSG12_TEXT_ROOM = 157; // (1008 - 72) / 6 characters and the NUL
constexpr int AIS_MSG14_TEXT_ROOM = 162; // (1008 - 40) / 6 characters and the NUL
constexpr int AIS_MSG21_EXTENSION_ROOM = 15;
constexpr int AIS_MSG25A_DATA_ROOM = 12;  // (168 - 72) / 8
constexpr int AIS_MSG25B_DATA_ROOM = 16;  // (168 - 40) / 8
constexpr int AIS_MSG26A_DATA_ROOM = 122; // (1064 - 72 - 20) / 8, rounded up
constexpr int AIS_MSG26B_DATA_ROOM = 126; // (1064 - 40 - 20) / 8, rounded up

struct AIS_MSG_HEADER
{
    uint8_t messageId;
    uint8_t repeat;
    uint32_t mmsi;
};

struct AIS_MSG_1 // 1, 2, 3: position report class A
{
    AIS_MSG_HEADER header;
    uint8_t navStatus;
    float rateOfTurn;
    float sog;
    uint8_t accuracy;
    float longitude;
    float latitude;
    float cog;
    uint16_t heading;
    uint8_t timeStamp;
    uint8_t regional;
    uint8_t spare;
    uint8_t raim;
    uint32_t commState;
};

struct AIS_MSG_4 // 4, 11: base station report, UTC and date response
{
    AIS_MSG_HEADER header;
    uint16_t year;
    uint8_t month;
    uint8_t day;
    uint8_t hour;
    uint8_t minute;
    uint8_t second;
    uint8_t accuracy;
    float longitude;
    float latitude;
    uint8_t epfd;
    uint16_t spare;
    uint8_t raim;
    uint32_t commState;
};

struct AIS_MSG_5 // static and voyage related data
{
    AIS_MSG_HEADER header;
    uint8_t aisVersion;
    uint32_t imo;
    char callSign[8];
    char name[21];
    uint8_t shipType;
    uint32_t dimensions;
    uint8_t epfd;
    uint32_t eta;
    float draught;
    char destination[21];
    uint8_t dte;
    uint8_t spare;
};

struct AIS_MSG_6 // addressed binary message
{
    AIS_MSG_HEADER header;
    uint8_t sequence;
    uint32_t destMmsi;
    uint8_t retransmit;
    uint8_t spare;
    uint8_t data[AIS_MSG6_DATA_ROOM];
    uint16_t dataBytes;
};

struct AIS_ACK_DESTINATION
{
    uint32_t mmsi;
    uint8_t sequence;
};

struct AIS_MSG_7 // 7, 13: binary and safety acknowledgement
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    AIS_ACK_DESTINATION destinations[4];
};

struct AIS_MSG_8 // binary broadcast message
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    uint8_t data[AIS_MSG8_DATA_ROOM];
    uint16_t dataBytes;
};

struct AIS_MSG_9 // SAR aircraft position report
{
    AIS_MSG_HEADER header;
    uint16_t altitude;
    float sog;
    uint8_t accuracy;
    float longitude;
    float latitude;
    float cog;
    uint8_t timeStamp;
    uint8_t regional; // altitude sensor and spare
    uint8_t dte;
    uint8_t spare;
    uint8_t assigned;
    uint8_t raim;
    uint8_t commStateSelector;
    uint32_t commState;
};

struct AIS_MSG_10 // UTC and date inquiry
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    uint32_t destMmsi;
    uint8_t spare2;
};

struct AIS_MSG_12 // addressed safety related message
{
    AIS_MSG_HEADER header;
    uint8_t sequence;
    uint32_t destMmsi;
    uint8_t retransmit;
    uint8_t spare;
    char text[AIS_MSG12_TEXT_ROOM];
};

struct AIS_MSG_14 // safety related broadcast message
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    char text[AIS_MSG14_TEXT_ROOM];
};

struct AIS_MSG_15 // interrogation
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    uint32_t destMmsi1;
    uint8_t messageId11;
    uint16_t slotOffset11;
    uint8_t spare2;
    uint8_t messageId12;
    uint16_t slotOffset12;
    uint8_t spare3;
    uint32_t destMmsi2;
    uint8_t messageId21;
    uint16_t slotOffset21;
    uint8_t spare4;
};

struct AIS_MSG_16 // assignment mode command
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    uint32_t destMmsiA;
    uint16_t offsetA;
    uint16_t incrementA;
    uint32_t destMmsiB;
    uint16_t offsetB;
    uint16_t incrementB;
    uint8_t spare2;
};

struct AIS_MSG_17 // DGNSS broadcast binary message
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    float longitude;
    float latitude;
    uint8_t spare2;
    uint8_t correctionType;
    uint16_t stationId;
    uint16_t zCount;
    uint8_t sequence;
    uint8_t words;
    uint8_t health;
};

struct AIS_MSG_18 // standard class B position report
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    float sog;
    uint8_t accuracy;
    float longitude;
    float latitude;
    float cog;
    uint16_t heading;
    uint8_t timeStamp;
    uint8_t spare2;
    uint8_t unitFlag;
    uint8_t displayFlag;
    uint8_t dscFlag;
    uint8_t bandFlag;
    uint8_t msg22Flag;
    uint8_t modeFlag;
    uint8_t raim;
    uint8_t commStateSelector;
    uint32_t commState;
};

struct AIS_MSG_19 // extended class B position report
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    float sog;
    uint8_t accuracy;
    float longitude;
    float latitude;
    float cog;
    uint16_t heading;
    uint8_t timeStamp;
    uint8_t spare2;
    char name[21];
    uint8_t shipType;
    uint32_t dimensions;
    uint8_t epfd;
    uint8_t raim;
    uint8_t dte;
    uint8_t assigned;
    uint8_t spare3;
};

struct AIS_SLOT_RESERVATION
{
    uint16_t offset;
    uint8_t slotCount;
    uint8_t timeout;
    uint16_t increment;
};

struct AIS_MSG_20 // data link management
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    AIS_SLOT_RESERVATION reservations[4];
};

struct AIS_MSG_21 // aids-to-navigation report
{
    AIS_MSG_HEADER header;
    uint8_t aidType;
    char name[21];
    uint8_t accuracy;
    float longitude;
    float latitude;
    uint32_t dimensions;
    uint8_t epfd;
    uint8_t timeStamp;
    uint8_t offPosition;
    uint8_t atonStatus;
    uint8_t raim;
    uint8_t virtualFlag;
    uint8_t assigned;
    uint8_t spare;
    char nameExtension[AIS_MSG21_EXTENSION_ROOM];
    uint8_t spare2;
};

struct AIS_AREA
{
    float longitude1; // north-east corner
    float latitude1;
    float longitude2; // south-west corner
    float latitude2;
};

struct AIS_AREA_DESTINATIONS // in place of the area of an addressed message 22
{
    uint32_t mmsi1;
    uint32_t mmsi2;
    uint8_t unused[8];
};

struct AIS_MSG_22 // channel management
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    uint16_t channelA;
    uint16_t channelB;
    uint8_t txRxMode;
    uint8_t power;
    union
    {
        AIS_AREA area;
        AIS_AREA_DESTINATIONS destinations;
    };
    uint8_t addressed;
    uint8_t bandwidthA;
    uint8_t bandwidthB;
    uint8_t zoneSize;
    uint32_t spare2;
};

struct AIS_MSG_23 // group assignment command
{
    AIS_MSG_HEADER header;
    uint8_t spare;
    AIS_AREA area;
    uint8_t stationType;
    uint8_t shipType;
    uint32_t spare2;
    uint8_t txRxMode;
    uint8_t reportInterval;
    uint8_t quietTime;
    uint8_t spare3;
};

struct AIS_MSG_24A // static data report, part A
{
    AIS_MSG_HEADER header;
    uint8_t partNumber;
    char name[21];
};

struct AIS_MSG_24B // static data report, part B
{
    AIS_MSG_HEADER header;
    uint8_t partNumber;
    uint8_t shipType;
    char vendorId[8];
    char callSign[8];
    uint32_t dimensions; // or the mother ship's MMSI
    uint8_t spare;
};

struct AIS_MSG_25A // single slot binary message, addressed
{
    AIS_MSG_HEADER header;
    uint8_t addressed;
    uint8_t structured;
    uint32_t destMmsi;
    uint8_t spare;
    uint8_t data[AIS_MSG25A_DATA_ROOM];
    uint16_t dataBits;
};

struct AIS_MSG_25B // single slot binary message, broadcast
{
    AIS_MSG_HEADER header;
    uint8_t addressed;
    uint8_t structured;
    uint8_t data[AIS_MSG25B_DATA_ROOM];
    uint16_t dataBits;
};

struct AIS_MSG_26A // multiple slot binary message, addressed
{
    AIS_MSG_HEADER header;
    uint8_t addressed;
    uint8_t structured;
    uint32_t destMmsi;
    uint8_t spare;
    uint8_t data[AIS_MSG26A_DATA_ROOM];
    uint8_t commStateSelector;
    uint32_t commState;
    uint16_t dataBits;
};

struct AIS_MSG_26B // multiple slot binary message, broadcast
{
    AIS_MSG_HEADER header;
    uint8_t addressed;
    uint8_t structured;
    uint8_t data[AIS_MSG26B_DATA_ROOM];
    uint8_t commStateSelector;
    uint32_t commState;
    uint16_t dataBits;
};

// One unpacked AIS message; the first byte is always the message identifier.
union UN_AIS_MESSAGE
{
    uint8_t messageId;
    AIS_MSG_HEADER header;
    AIS_MSG_1 msg1;
    AIS_MSG_4 msg4;
    AIS_MSG_5 msg5;
    AIS_MSG_6 msg6;
    AIS_MSG_7 msg7;
    AIS_MSG_8 msg8;
    AIS_MSG_9 msg9;
    AIS_MSG_10 msg10;
    AIS_MSG_12 msg12;
    AIS_MSG_14 msg14;
    AIS_MSG_15 msg15;
    AIS_MSG_16 msg16;
    AIS_MSG_17 msg17;
    AIS_MSG_18 msg18;
    AIS_MSG_19 msg19;
    AIS_MSG_20 msg20;
    AIS_MSG_21 msg21;
    AIS_MSG_22 msg22;
    AIS_MSG_23 msg23;
    AIS_MSG_24A msg24a;
    AIS_MSG_24B msg24b;
    AIS_MSG_25A msg25a;
    AIS_MSG_25B msg25b;
    AIS_MSG_26A msg26a;
    AIS_MSG_26B msg26b;
};

static_assert(std::is_trivially_copyable<UN_AIS_MESSAGE>::value, "the codec writes the record as bytes");
