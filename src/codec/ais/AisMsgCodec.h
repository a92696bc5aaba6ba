#pragma once

#include <cstddef>
#include <cstdint>

// The table-driven AIS message field codec: a message layout is a list of field descriptors,
// and one generic unpacker and packer walk it between the message bits (most significant bit
// first) and a record that holds the fields in list order.

// Field types: how a field is read and how it is stored in the record.
enum AIS_FIELD_TYPE : uint32_t
{
    AIS_FT_UINT8 = 0,           // u8
    AIS_FT_UINT16 = 1,          // u16
    AIS_FT_UINT16_B = 2,        // u16
    AIS_FT_UINT32 = 3,          // u32
    AIS_FT_MMSI = 4,            // u32, an MMSI or other identifier
    AIS_FT_SIGNED = 5,          // f32: two's complement in its width, times scale
    AIS_FT_SOG = 6,             // f32: times scale (knots)
    AIS_FT_TEXT = 7,            // width / 6 six-bit characters and a NUL
    AIS_FT_TEXT_RUN = 8,        // six-bit text up to the width or the end of the message:
    AIS_FT_TEXT_TO_END = 9,     //   scale bytes, at most scale - 1 characters and a NUL
    AIS_FT_BINARY = 10,         // bits to the end of the message, 8 per byte, the last partial
                                //   byte left-aligned: scale bytes, the rest cut
    AIS_FT_SKIP = 11,           // width / 8 bytes left zero
    AIS_FT_BYTE_ALIGN = 12,     // up to the next byte boundary of the message; one byte left zero
    AIS_FT_ROT = 13,            // f32 rate of turn, degrees per minute (see AIS_ROT_*)
    AIS_FT_LONGITUDE = 15,      // f32: signed, times scale, divided by 60 (degrees)
    AIS_FT_LATITUDE = 16,       // f32: as the longitude
    AIS_FT_COG = 17,            // f32: times scale (degrees)
    AIS_FT_HEADING = 18,        // u16: the value below 360, else 511
    AIS_FT_TIME_STAMP = 19,     // u8
    AIS_FT_COMM_STATE = 20,     // u32
    AIS_FT_DIMENSIONS = 21,     // u32: to bow 9, to stern 9, to port 6, to starboard 6 bits, as sent
    AIS_FT_ETA = 22,            // u32: month 4, day 5, hour 5, minute 6 bits, as sent
    AIS_FT_COORDINATES = 25,    // AIS_COORDINATE_LIST to the end of the message
    AIS_FT_POINTS = 26,         // AIS_POINT_LIST to the end of the message
    AIS_FT_AREA_LONGITUDE = 27, // f32: as the longitude
    AIS_FT_AREA_LATITUDE = 28,  // f32: as the longitude
};

// Rate of turn beyond what the turn indicator gives, and none at all.
constexpr float AIS_ROT_RIGHT_FAST = 1001.0f;
constexpr float AIS_ROT_LEFT_FAST = -1001.0f;
constexpr float AIS_ROT_NOT_AVAILABLE = 9999.0f;
constexpr uint16_t AIS_HEADING_NOT_AVAILABLE = 511;

struct AIS_message_formatter
{
    uint32_t width; // bits; 0: runs to the end of the message, less the fixed fields after it
    uint32_t type;  // AIS_FIELD_TYPE
    float scale;    // text and binary fields: their room in bytes
};

struct AIS_MESSAGE_FORMAT
{
    uint64_t count;
    const AIS_message_formatter* fields;
};

// Way points of a route: longitude 28 and latitude 27 bits each, in degrees (the field's scale
// gives the unit in minutes).
constexpr uint32_t AIS_COORDINATES_MAX = 16;
struct AIS_COORDINATE_LIST
{
    uint32_t count;
    float points[AIS_COORDINATES_MAX][2]; // longitude, latitude
};

// Four point pairs of an area: angle 10 bits and distance 10 bits each, as sent.
constexpr uint32_t AIS_POINTS_MAX = 4;
struct AIS_POINT_LIST
{
    uint16_t points[AIS_POINTS_MAX][2]; // angle, distance
};

// How a field is stored in the record: its bytes and their alignment. Fields are stored in
// list order, each at the natural alignment of its type, exactly as the compiler lays out a
// struct of those members; so a record is a plain struct.
struct AIS_FIELD_STORAGE
{
    size_t room;
    size_t align;
};

constexpr AIS_FIELD_STORAGE AisMsgFieldStorage(const AIS_message_formatter& field)
{
    switch (field.type) {
    case AIS_FT_UINT8:
    case AIS_FT_TIME_STAMP:
    case AIS_FT_BYTE_ALIGN:
        return {1, 1};
    case AIS_FT_UINT16:
    case AIS_FT_UINT16_B:
    case AIS_FT_HEADING:
        return {sizeof(uint16_t), alignof(uint16_t)};
    case AIS_FT_UINT32:
    case AIS_FT_MMSI:
    case AIS_FT_COMM_STATE:
    case AIS_FT_DIMENSIONS:
    case AIS_FT_ETA:
        return {sizeof(uint32_t), alignof(uint32_t)};
    case AIS_FT_SIGNED:
    case AIS_FT_SOG:
    case AIS_FT_ROT:
    case AIS_FT_LONGITUDE:
    case AIS_FT_LATITUDE:
    case AIS_FT_COG:
    case AIS_FT_AREA_LONGITUDE:
    case AIS_FT_AREA_LATITUDE:
        return {sizeof(float), alignof(float)};
    case AIS_FT_TEXT:
        return {field.width / 6 + 1, 1};
    case AIS_FT_TEXT_RUN:
    case AIS_FT_TEXT_TO_END:
    case AIS_FT_BINARY:
        return {field.scale >= 1.0f ? static_cast<size_t>(field.scale) : 0, 1};
    case AIS_FT_SKIP:
        return {field.width / 8, 1};
    case AIS_FT_COORDINATES:
        return {sizeof(AIS_COORDINATE_LIST), alignof(AIS_COORDINATE_LIST)};
    case AIS_FT_POINTS:
        return {sizeof(AIS_POINT_LIST), alignof(AIS_POINT_LIST)};
    default:
        return {0, 1};
    }
}

constexpr size_t AisMsgFieldRoom(const AIS_message_formatter& field)
{
    return AisMsgFieldStorage(field).room;
}

constexpr size_t AisMsgAlignUp(size_t offset, size_t alignment)
{
    return (offset + alignment - 1) / alignment * alignment;
}

// Where a field at this offset is stored.
constexpr size_t AisMsgFieldOffset(size_t offset, const AIS_message_formatter& field)
{
    return AisMsgAlignUp(offset, AisMsgFieldStorage(field).align);
}

// The end of a whole list in the record (the record may add tail padding).
template <size_t N>
constexpr size_t AisMsgListRoom(const AIS_message_formatter (&list)[N])
{
    size_t end = 0;
    for (const AIS_message_formatter& field : list)
        end = AisMsgFieldOffset(end, field) + AisMsgFieldRoom(field);
    return end;
}

// The bits of a list's fields that have a width.
template <size_t N>
constexpr uint32_t AisMsgListBits(const AIS_message_formatter (&list)[N])
{
    uint32_t bits = 0;
    for (const AIS_message_formatter& field : list)
        bits += field.width;
    return bits;
}

// Every whole number of the list fits its storage, and every field that runs to the end has
// room for at least one character or byte and its end.
template <size_t N>
constexpr bool AisMsgListFitsStorage(const AIS_message_formatter (&list)[N])
{
    for (const AIS_message_formatter& field : list) {
        const size_t room = AisMsgFieldRoom(field);
        const bool integer = field.type == AIS_FT_UINT8 || field.type == AIS_FT_TIME_STAMP
            || field.type == AIS_FT_UINT16 || field.type == AIS_FT_UINT16_B || field.type == AIS_FT_HEADING
            || field.type == AIS_FT_UINT32 || field.type == AIS_FT_MMSI || field.type == AIS_FT_COMM_STATE
            || field.type == AIS_FT_DIMENSIONS || field.type == AIS_FT_ETA;
        if (integer && field.width > room * 8)
            return false;
        const bool run
            = field.type == AIS_FT_TEXT_RUN || field.type == AIS_FT_TEXT_TO_END || field.type == AIS_FT_BINARY;
        if (run && room < 2)
            return false;
    }
    return true;
}

constexpr int AIS_CODEC_DONE = 1;
constexpr int AIS_CODEC_REFUSED = 2;

// Unpacks bitCount bits into the record (room bytes, cleared by the caller) along the list.
// A number that does not lie wholly inside the message stays zero, a text keeps the characters
// that do. runBits (may be null) receives the bits kept of the last binary field.
// AIS_CODEC_DONE, or AIS_CODEC_REFUSED for a null argument, fewer than 2 bits or a list larger
// than the room.
int AisMsgCodec_Unpack(const uint8_t* bits, uint32_t bitCount, uint8_t* record, size_t room,
                       const AIS_MESSAGE_FORMAT* list, uint32_t* runBits);
// Packs the record along the list into the bit buffer (size bytes, cleared by the caller); a
// binary field takes runBits bits. AIS_CODEC_REFUSED for a null argument or when the message
// or the list does not fit.
int AisMsgCodec_Pack(const uint8_t* record, size_t recordSize, const AIS_MESSAGE_FORMAT* list, uint8_t* bits,
                     size_t size, uint32_t* bitCount, uint32_t runBits);

// The field of up to 32 bits as an unsigned number, most significant bit first; bits at or
// beyond bitCount read as zero.
uint32_t AisMsgCodec_FieldPick(const uint8_t* bits, uint32_t bitCount, uint32_t first, uint32_t width);
// ORs the value into the field; false (nothing written) when the field is not inside size bytes.
bool AisMsgCodec_FieldPut(uint8_t* bits, size_t size, uint32_t first, uint32_t width, uint32_t value);
// Replaces the field's bits with the value; false as above.
bool AisMsgInsertPut(uint8_t* bits, size_t size, uint32_t first, uint32_t width, uint32_t value);

// The value of a field of the given width read as two's complement.
float AisRestoreFloatData(uint32_t value, uint32_t width);
// The nearest whole number (0 for a value that is not a number), kept within 32 bits.
int32_t AisStoreFloatData(float value);

// Unaligned stores and loads in the record.
void PackLongData(uint8_t* at, uint32_t value);
void PackWordData(uint8_t* at, uint16_t value);
void PackFloatData(uint8_t* at, float value);
float UnpackFloatData(const uint8_t* at);

// Cuts the trailing at-signs (six-bit 0, the fill of a text field) of a text.
void TrimAisString(char* text, size_t room);
