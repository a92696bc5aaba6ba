#include "codec/ais/AppData.h"

#include <cstddef>

namespace {

using F = AIS_message_formatter;

// The ten-bit DAC and link identifier are stored in 16 bits and the 18-bit spare in 32, so
// that no value is cut.
constexpr F fi22Area0[] = {
    {10, AIS_FT_UINT16, 1},                  // DAC
    {6, AIS_FT_UINT8, 1},                    // FI
    {10, AIS_FT_UINT16, 1},                  // message linkage identifier
    {7, AIS_FT_UINT8, 1},                    // notice description
    {4, AIS_FT_UINT8, 1},                    // month
    {5, AIS_FT_UINT8, 1},                    // day
    {5, AIS_FT_UINT8, 1},                    // hour
    {6, AIS_FT_UINT8, 1},                    // minute
    {18, AIS_FT_UINT32, 1},                  // duration
    {3, AIS_FT_UINT8, 1},                    // area shape
    {2, AIS_FT_UINT8, 1},                    // scale factor
    {25, AIS_FT_AREA_LONGITUDE, 0.001f},     // longitude, 1/1000 minute
    {24, AIS_FT_AREA_LATITUDE, 0.001f},      // latitude
    {3, AIS_FT_UINT8, 1},                    // precision
    {12, AIS_FT_UINT32, 1},                  // radius
    {18, AIS_FT_UINT32, 1},                  // spare
};

constexpr F fi22Area3[] = {
    {10, AIS_FT_UINT16, 1}, // DAC
    {6, AIS_FT_UINT8, 1},   // FI
    {10, AIS_FT_UINT16, 1}, // message linkage identifier
    {7, AIS_FT_UINT8, 1},   // notice description
    {4, AIS_FT_UINT8, 1},   // month
    {5, AIS_FT_UINT8, 1},   // day
    {5, AIS_FT_UINT8, 1},   // hour
    {6, AIS_FT_UINT8, 1},   // minute
    {18, AIS_FT_UINT32, 1}, // duration
    {3, AIS_FT_UINT8, 1},   // area shape
    {2, AIS_FT_UINT8, 1},   // scale factor
    {0, AIS_FT_POINTS, 1},  // four point pairs
};

constexpr F fi27[] = {
    {10, AIS_FT_UINT16, 1},           // DAC
    {6, AIS_FT_UINT8, 1},             // FI
    {10, AIS_FT_UINT16, 1},           // message linkage identifier
    {3, AIS_FT_UINT8, 1},             // sender classification
    {5, AIS_FT_UINT8, 1},             // route type
    {4, AIS_FT_UINT8, 1},             // month
    {5, AIS_FT_UINT8, 1},             // day
    {5, AIS_FT_UINT8, 1},             // hour
    {6, AIS_FT_UINT8, 1},             // minute
    {18, AIS_FT_UINT32, 1},           // duration
    {5, AIS_FT_UINT8, 1},             // number of waypoints
    {0, AIS_FT_COORDINATES, 0.0001f}, // waypoints, 1/10000 minute
};

// Where the field at the index is stored.
template <size_t N>
constexpr size_t offsetAt(const F (&list)[N], size_t index)
{
    size_t end = 0;
    for (size_t i = 0; i < index; ++i)
        end = AisMsgFieldOffset(end, list[i]) + AisMsgFieldRoom(list[i]);
    return AisMsgFieldOffset(end, list[index]);
}

// Each record is its list: same size, the fields read by name where the list puts them.
#define APP_DATA_CHECK(list, record, fields, bits)                                                                     \
    static_assert(sizeof(list) / sizeof(list[0]) == fields, #list " field count");                                     \
    static_assert(AisMsgAlignUp(AisMsgListRoom(list), alignof(record)) == sizeof(record), #list " room");              \
    static_assert(AisMsgListBits(list) == bits, #list " bits");                                                        \
    static_assert(AisMsgListFitsStorage(list), #list " storage")

APP_DATA_CHECK(fi22Area0, APPLICATION_DATA_FI22_AREA0, 16, 158);
APP_DATA_CHECK(fi22Area3, APPLICATION_DATA_FI22_AREA3, 12, 76);
APP_DATA_CHECK(fi27, APPLICATION_DATA_FI27, 12, 77);
#undef APP_DATA_CHECK

static_assert(offsetAt(fi22Area0, 2) == offsetof(APPLICATION_DATA_FI22_AREA0, header.linkId), "link identifier");
static_assert(offsetAt(fi22Area0, 3) == offsetof(APPLICATION_DATA_FI22_AREA0, header.notice), "notice");
static_assert(offsetAt(fi22Area0, 8) == offsetof(APPLICATION_DATA_FI22_AREA0, header.duration), "duration");
static_assert(offsetAt(fi22Area0, 11) == offsetof(APPLICATION_DATA_FI22_AREA0, longitude), "longitude");
static_assert(offsetAt(fi22Area0, 12) == offsetof(APPLICATION_DATA_FI22_AREA0, latitude), "latitude");
static_assert(offsetAt(fi22Area0, 14) == offsetof(APPLICATION_DATA_FI22_AREA0, radius), "radius");
static_assert(offsetAt(fi22Area3, 10) == offsetof(APPLICATION_DATA_FI22_AREA3, scale), "scale");
static_assert(offsetAt(fi22Area3, 11) == offsetof(APPLICATION_DATA_FI22_AREA3, points), "points");
static_assert(offsetAt(fi27, 9) == offsetof(APPLICATION_DATA_FI27, duration), "duration");
static_assert(offsetAt(fi27, 11) == offsetof(APPLICATION_DATA_FI27, waypoints), "waypoints");

template <size_t N>
constexpr AIS_MESSAGE_FORMAT formatOf(const F (&list)[N])
{
    return AIS_MESSAGE_FORMAT{N, list};
}

} // namespace

constexpr AIS_MESSAGE_FORMAT FmtFI27 = formatOf(fi27);
constexpr AIS_MESSAGE_FORMAT FmtFI22Area0 = formatOf(fi22Area0);
constexpr AIS_MESSAGE_FORMAT FmtFI22Area3 = formatOf(fi22Area3);
constexpr AIS_MESSAGE_FORMAT FmtFI22Area4 = formatOf(fi22Area3);

namespace {

constexpr AppDataFormats appDataFormats()
{
    AppDataFormats formats{};
    formats[APP_DATA_FI27_ENTRY] = &FmtFI27;
    formats[APP_DATA_FI22_ENTRY + FI22_CIRCLE] = &FmtFI22Area0;
    formats[APP_DATA_FI22_ENTRY + FI22_POLYLINE] = &FmtFI22Area3;
    formats[APP_DATA_FI22_ENTRY + FI22_POLYGON] = &FmtFI22Area4;
    return formats;
}

} // namespace

constexpr AppDataFormats FataFmt = appDataFormats();
