#pragma once

#include "codec/ais/AisMsgCodec.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Binary application data of the AIS binary messages, from the application identifier (DAC,
// FI) on: the area notice (FI 22), one sub-area per message, whose sub-areas are chained into
// one list of positions, and route information (FI 27). The records are plain structs laid
// out as their field lists (AisMsgCodec.h). Every function here except AppDataInitial expects
// the caller to hold the codec lock.

// Area shapes of an FI 22 sub-area.
enum FI22_AREA_SHAPE : uint8_t
{
    FI22_CIRCLE = 0, // radius 0: a point, the origin of a chain of sub-areas
    FI22_RECTANGLE = 1,
    FI22_SECTOR = 2,
    FI22_POLYLINE = 3,
    FI22_POLYGON = 4,
};

// The fields of an area notice before its sub-area.
struct APP_DATA_FI22_HEADER
{
    uint16_t dac;
    uint8_t fi;
    uint16_t linkId; // message linkage identifier
    uint8_t notice;  // notice description
    uint8_t month;
    uint8_t day;
    uint8_t hour;
    uint8_t minute;
    uint32_t duration; // minutes
};

// Shape 0: a circle, or with radius 0 a point.
struct APPLICATION_DATA_FI22_AREA0
{
    APP_DATA_FI22_HEADER header;
    uint8_t shape;
    uint8_t scale;   // distances are times ten to this power, in metres
    float longitude; // degrees
    float latitude;
    uint8_t precision;
    uint32_t radius; // before scaling
    uint32_t spare;
};

// Shapes 3 and 4: a polyline or polygon of up to four points, each an angle in half degrees
// and a distance before scaling from the point before.
struct APPLICATION_DATA_FI22_AREA3
{
    APP_DATA_FI22_HEADER header;
    uint8_t shape;
    uint8_t scale;
    AIS_POINT_LIST points;
};

struct APPLICATION_DATA_FI27
{
    uint16_t dac;
    uint8_t fi;
    uint16_t linkId;
    uint8_t sender; // sender classification
    uint8_t routeType;
    uint8_t month;
    uint8_t day;
    uint8_t hour;
    uint8_t minute;
    uint32_t duration; // minutes
    uint8_t waypointCount;
    AIS_COORDINATE_LIST waypoints; // longitude, latitude in degrees
};

union APPLICATION_DATA
{
    APPLICATION_DATA_FI27 fi27;
    APPLICATION_DATA_FI22_AREA0 area0;
    APPLICATION_DATA_FI22_AREA3 area; // shapes 3 and 4
};

constexpr size_t APP_DATA_BITS_ROOM = 128;

// Outgoing application data and its packed bits.
struct BINARY_APP_DATD
{
    APPLICATION_DATA data;
    uint8_t appId;     // function identifier: 22 or 27
    uint8_t areaShape; // FI 22: the shape of data.area0 or data.area
    uint32_t bitCount;
    uint8_t bits[APP_DATA_BITS_ROOM];
};

constexpr uint32_t FI22_POSITIONS_MAX = 17; // computed positions, the origin not counted
constexpr uint32_t FI22_PAIRS_MAX = 18;
constexpr uint32_t FI22_NO_NOTICE = 0xFFFFFFFFu;

// The area notice being chained, in 32-bit words.
struct FI22_LINKED_NOTICE
{
    uint32_t linkId[2];     // link identifier and notice description; FI22_NO_NOTICE first: none
    uint32_t positionCount; // the origin included
    float origin[2];        // longitude, latitude in degrees
    float positions[FI22_POSITIONS_MAX][2];
    uint32_t pairCount;
    uint32_t pairs[FI22_PAIRS_MAX][2]; // angle in whole degrees, distance in metres
    uint32_t hasPairs;
    uint32_t hasOrigin;
    uint32_t linkedShape; // 3 or 4 once a sub-area is chained; 0 before
};

extern const AIS_MESSAGE_FORMAT FmtFI27;
extern const AIS_MESSAGE_FORMAT FmtFI22Area0;
extern const AIS_MESSAGE_FORMAT FmtFI22Area3; // shapes 3 and 4 share it
extern const AIS_MESSAGE_FORMAT FmtFI22Area4;
constexpr int APP_DATA_FORMATS = 50;
constexpr int APP_DATA_FI27_ENTRY = 27;
constexpr int APP_DATA_FI22_ENTRY = 40; // plus the area shape
using AppDataFormats = std::array<const AIS_MESSAGE_FORMAT*, APP_DATA_FORMATS>;
// FI 27 and the FI 22 shapes 0, 3 and 4 have a table; no other entry has.
extern const AppDataFormats FataFmt;

extern BINARY_APP_DATD BinaryAppData;
extern APPLICATION_DATA RxBinaryAppData; // work space of the unpackers
extern APPLICATION_DATA_FI27 RxAppDataFI27;
extern APPLICATION_DATA_FI22_AREA0 RxAppDataFI22_Area0;
extern APPLICATION_DATA_FI22_AREA3 RxAppDataFI22_Area3;
extern APPLICATION_DATA_FI22_AREA3 RxAppDataFI22_Area4;
extern uint8_t FI22_Area; // shape of the last FI 22 data
extern FI22_LINKED_NOTICE RecordLinkId;

// Takes the codec lock. No notice being chained. True.
bool AppDataInitial();

// 0 with the field list of the data's identifier (and, for FI 22, its shape); 1 for no list
// out, an identifier outside 1 to 27, or no table.
int AppData_GetFormat_ByData(const BINARY_APP_DATD* data, const AIS_MESSAGE_FORMAT** list);
// Packs BinaryAppData.data into its bits and bit count; false when there is no table or it
// does not fit.
bool AppDataPack();

// The bits start with the DAC; bitCount of them are read. 0 done, 1 no bits or not unpacked.
int BinaryAppData_Unpack_FI27(const uint8_t* bits, uint32_t bitCount);
// Unpacks by the shape and chains shapes 0, 3 and 4 into RecordLinkId; other shapes are
// ignored. 0 done or ignored, 1 no bits or not unpacked.
int BinaryAppData_Unpack_FI22(const uint8_t* bits, uint32_t bitCount);
// The three bits behind the first 71, also kept in FI22_Area.
uint8_t AisMsgCodec_GetAppIdentifier_FI22(const uint8_t* bits, uint32_t bitCount);
uint8_t GetFI22_Area();

// Chains the last unpacked record of the shape: shape 0 with radius 0 starts a new notice;
// shapes 3 and 4 add their points when they belong to the notice and are of the shape it
// chains (the first one chained sets it). 0.
int RecordForLinkID_FI22(uint8_t shape);
// Adds the area's point pairs, up to the first zero pair and while the notice holds fewer
// than 18 positions, then recomputes the positions. Nothing for another notice.
void RecordFor_FI22(const APPLICATION_DATA_FI22_AREA3* area);
// The same for the last shape-3 record, up to 10 positions.
void RecordFor_FI22_Area3();
// The positions from the origin along the pairs, each pair from the position before it, on
// great circles (1852 m to the minute of arc).
void CalAngDist2LatLon();
