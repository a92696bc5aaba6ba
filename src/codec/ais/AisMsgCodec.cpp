#include "codec/ais/AisMsgCodec.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr uint32_t COORDINATE_BITS = 28 + 27;
constexpr uint32_t POINT_BITS = 10 + 10;
constexpr float ROT_FACTOR = 4.733f;

uint32_t maskOf(uint32_t width)
{
    return width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1u;
}

// Two's complement of the width.
int64_t signedOf(uint32_t value, uint32_t width)
{
    if (width == 0 || width > 32)
        return 0;
    value &= maskOf(width);
    const bool negative = (value >> (width - 1)) & 1u;
    return negative ? static_cast<int64_t>(value) - (int64_t(1) << width) : value;
}

// The scales are short decimals (0.1, 0.001, 0.0001): taken as written, not as the float
// nearest to them, whose error would shift a packed position by up to three units.
double scaleOf(const AIS_message_formatter& field)
{
    if (field.scale == 0.0f)
        return 1.0;
    // Every scaled field received comes here: the tables' own scales are found without
    // working their decimal out.
    for (const double decimal : {0.1, 0.0001}) {
        if (field.scale == static_cast<float>(decimal))
            return decimal;
    }
    const double scale = field.scale;
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(scale))) - 6);
    return std::round(scale / unit) * unit;
}

bool putBits(uint8_t* bits, size_t size, uint32_t first, uint32_t width, uint32_t value, bool replace)
{
    if (!bits || width > 32 || static_cast<uint64_t>(first) + width > static_cast<uint64_t>(size) * 8)
        return false;
    for (uint32_t k = 0; k < width; ++k) {
        const uint32_t bit = first + k;
        const uint8_t mask = static_cast<uint8_t>(0x80u >> (bit % 8));
        if (replace)
            bits[bit / 8] &= static_cast<uint8_t>(~mask);
        if ((value >> (width - 1 - k)) & 1u)
            bits[bit / 8] |= mask;
    }
    return true;
}

float rateOfTurn(uint32_t raw)
{
    switch (raw) {
    case 127:
        return AIS_ROT_RIGHT_FAST;
    case 128:
        return AIS_ROT_NOT_AVAILABLE;
    case 129:
        return AIS_ROT_LEFT_FAST;
    default:
        break;
    }
    const float r = AisRestoreFloatData(raw, 8) / ROT_FACTOR;
    return std::copysign(r * r, r);
}

uint32_t rateOfTurnRaw(float rate)
{
    // 9990 and more is not available, as everywhere in the program.
    if (rate >= AIS_ROT_NOT_AVAILABLE - 9.0f || std::isnan(rate))
        return 128;
    if (rate >= AIS_ROT_RIGHT_FAST)
        return 127;
    if (rate <= AIS_ROT_LEFT_FAST)
        return 129;
    const int32_t r
        = std::clamp(AisStoreFloatData(std::copysign(ROT_FACTOR * std::sqrt(std::fabs(rate)), rate)), -126, 126);
    return static_cast<uint32_t>(r) & 0xFFu;
}

char sixBitCharacter(uint32_t value)
{
    return static_cast<char>(value < 32 ? value + 64 : value);
}

// Lower-case letters are written as capitals; what six bits cannot carry becomes '?'.
uint32_t sixBitValue(char character)
{
    int c = static_cast<unsigned char>(character);
    if (c >= 'a' && c <= 'z')
        c -= 'a' - 'A';
    return c >= 32 && c <= 95 ? static_cast<uint32_t>(c) & 0x3Fu : '?';
}

// The bits a field may take from pos on: a width-limited text at most its width, a field that
// runs to the end of the message leaves room for the fixed fields after it.
uint32_t availableBits(const AIS_MESSAGE_FORMAT& list, uint64_t index, uint32_t pos, uint32_t bitCount)
{
    const uint32_t rest = bitCount > pos ? bitCount - pos : 0;
    const AIS_message_formatter& field = list.fields[index];
    if (field.width != 0)
        return std::min(field.width, rest);
    uint32_t trailing = 0;
    for (uint64_t i = index + 1; i < list.count; ++i)
        trailing += list.fields[i].width;
    return rest > trailing ? rest - trailing : 0;
}

// Stores one field at out (room bytes); returns the bits it took.
uint32_t unpackField(const AIS_message_formatter& field, const uint8_t* bits, uint32_t bitCount, uint32_t pos,
                     uint32_t available, uint8_t* out, size_t room, uint32_t* runBits)
{
    if (field.type == AIS_FT_TEXT) {
        // The characters that lie wholly inside the message.
        const uint32_t count = std::min(field.width, available) / 6;
        for (uint32_t c = 0; c < count; ++c)
            out[c] = static_cast<uint8_t>(sixBitCharacter(AisMsgCodec_FieldPick(bits, bitCount, pos + 6 * c, 6)));
        return field.width;
    }
    // A number that does not lie wholly inside the message is not there: it stays zero. (Texts
    // that run to the end take what there is.)
    const bool partial = static_cast<uint64_t>(pos) + field.width > bitCount;
    if (partial && field.type != AIS_FT_TEXT_RUN && field.type != AIS_FT_TEXT_TO_END)
        return field.width;
    const uint32_t raw = field.width <= 32 ? AisMsgCodec_FieldPick(bits, bitCount, pos, field.width) : 0;
    switch (field.type) {
    case AIS_FT_UINT8:
    case AIS_FT_TIME_STAMP:
        out[0] = static_cast<uint8_t>(raw);
        return field.width;
    case AIS_FT_UINT16:
    case AIS_FT_UINT16_B:
        PackWordData(out, static_cast<uint16_t>(raw));
        return field.width;
    case AIS_FT_HEADING:
        PackWordData(out, raw < 360 ? static_cast<uint16_t>(raw) : AIS_HEADING_NOT_AVAILABLE);
        return field.width;
    case AIS_FT_UINT32:
    case AIS_FT_MMSI:
    case AIS_FT_COMM_STATE:
    case AIS_FT_DIMENSIONS:
    case AIS_FT_ETA:
        PackLongData(out, raw);
        return field.width;
    case AIS_FT_SIGNED:
        PackFloatData(out, static_cast<float>(double(signedOf(raw, field.width)) * scaleOf(field)));
        return field.width;
    case AIS_FT_SOG:
    case AIS_FT_COG:
        PackFloatData(out, static_cast<float>(raw * scaleOf(field)));
        return field.width;
    case AIS_FT_ROT:
        PackFloatData(out, rateOfTurn(raw));
        return field.width;
    case AIS_FT_LONGITUDE:
    case AIS_FT_LATITUDE:
    case AIS_FT_AREA_LONGITUDE:
    case AIS_FT_AREA_LATITUDE:
        PackFloatData(out, static_cast<float>(double(signedOf(raw, field.width)) * scaleOf(field) / 60.0));
        return field.width;
    case AIS_FT_TEXT_RUN:
    case AIS_FT_TEXT_TO_END: {
        const uint32_t count = available / 6;
        const uint32_t kept = room > 0 ? std::min<uint32_t>(count, static_cast<uint32_t>(room - 1)) : 0;
        for (uint32_t c = 0; c < kept; ++c)
            out[c] = static_cast<uint8_t>(sixBitCharacter(AisMsgCodec_FieldPick(bits, bitCount, pos + 6 * c, 6)));
        return count * 6;
    }
    case AIS_FT_BINARY: {
        const uint32_t kept = std::min<uint32_t>(available, static_cast<uint32_t>(room * 8));
        for (uint32_t b = 0; b < kept; b += 8) {
            const uint32_t width = std::min<uint32_t>(8, kept - b);
            out[b / 8] = static_cast<uint8_t>(AisMsgCodec_FieldPick(bits, bitCount, pos + b, width) << (8 - width));
        }
        if (runBits)
            *runBits = kept;
        return available;
    }
    case AIS_FT_BYTE_ALIGN:
        return (8 - pos % 8) % 8;
    case AIS_FT_COORDINATES: {
        AIS_COORDINATE_LIST list{};
        list.count = std::min(available / COORDINATE_BITS, AIS_COORDINATES_MAX);
        const double unit = scaleOf(field) / 60.0;
        for (uint32_t i = 0; i < list.count; ++i) {
            const uint32_t at = pos + i * COORDINATE_BITS;
            list.points[i][0]
                = static_cast<float>(double(signedOf(AisMsgCodec_FieldPick(bits, bitCount, at, 28), 28)) * unit);
            list.points[i][1]
                = static_cast<float>(double(signedOf(AisMsgCodec_FieldPick(bits, bitCount, at + 28, 27), 27)) * unit);
        }
        std::memcpy(out, &list, sizeof list);
        return list.count * COORDINATE_BITS;
    }
    case AIS_FT_POINTS: {
        AIS_POINT_LIST list{};
        const uint32_t count = std::min(available / POINT_BITS, AIS_POINTS_MAX);
        for (uint32_t i = 0; i < count; ++i) {
            list.points[i][0] = static_cast<uint16_t>(AisMsgCodec_FieldPick(bits, bitCount, pos + i * POINT_BITS, 10));
            list.points[i][1]
                = static_cast<uint16_t>(AisMsgCodec_FieldPick(bits, bitCount, pos + i * POINT_BITS + 10, 10));
        }
        std::memcpy(out, &list, sizeof list);
        return count * POINT_BITS;
    }
    default: // AIS_FT_SKIP and unknown types store nothing
        return field.width;
    }
}

uint32_t loadLong(const uint8_t* at)
{
    uint32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

uint16_t loadWord(const uint8_t* at)
{
    uint16_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

uint32_t signedRaw(double value, uint32_t width)
{
    const double limit = std::ldexp(1.0, static_cast<int>(width) - 1);
    const double clamped = std::isnan(value) ? 0.0 : std::clamp(std::round(value), -limit, limit - 1);
    return static_cast<uint32_t>(static_cast<int64_t>(clamped)) & maskOf(width);
}

uint32_t unsignedRaw(double value, uint32_t width)
{
    const double clamped = std::isnan(value) ? 0.0 : std::clamp(std::round(value), 0.0, double(maskOf(width)));
    return static_cast<uint32_t>(clamped);
}

// Writes one field from in (room bytes) at pos; false when it does not fit.
bool packField(const AIS_message_formatter& field, const uint8_t* in, size_t room, uint8_t* bits, size_t size,
               uint32_t& pos, uint32_t runBits)
{
    auto put = [&](uint32_t width, uint32_t value) {
        const bool fits = AisMsgCodec_FieldPut(bits, size, pos, width, value & maskOf(width));
        pos += width;
        return fits;
    };
    switch (field.type) {
    case AIS_FT_UINT8:
    case AIS_FT_TIME_STAMP:
        return put(field.width, in[0]);
    case AIS_FT_UINT16:
    case AIS_FT_UINT16_B:
    case AIS_FT_HEADING:
        return put(field.width, loadWord(in));
    case AIS_FT_UINT32:
    case AIS_FT_MMSI:
    case AIS_FT_COMM_STATE:
    case AIS_FT_DIMENSIONS:
    case AIS_FT_ETA:
        return put(field.width, loadLong(in));
    case AIS_FT_SIGNED:
        return put(field.width, signedRaw(double(UnpackFloatData(in)) / scaleOf(field), field.width));
    case AIS_FT_SOG:
    case AIS_FT_COG:
        return put(field.width, unsignedRaw(double(UnpackFloatData(in)) / scaleOf(field), field.width));
    case AIS_FT_ROT:
        return put(field.width, rateOfTurnRaw(UnpackFloatData(in)));
    case AIS_FT_LONGITUDE:
    case AIS_FT_LATITUDE:
    case AIS_FT_AREA_LONGITUDE:
    case AIS_FT_AREA_LATITUDE:
        return put(field.width, signedRaw(double(UnpackFloatData(in)) * 60.0 / scaleOf(field), field.width));
    case AIS_FT_TEXT: {
        const size_t length = strnlen(reinterpret_cast<const char*>(in), field.width / 6);
        bool fits = true;
        for (size_t c = 0; c < field.width / 6; ++c)
            fits = put(6, c < length ? sixBitValue(static_cast<char>(in[c])) : 0) && fits;
        return fits;
    }
    case AIS_FT_TEXT_RUN:
    case AIS_FT_TEXT_TO_END: {
        size_t length = room > 0 ? strnlen(reinterpret_cast<const char*>(in), room - 1) : 0;
        if (field.width != 0)
            length = std::min<size_t>(length, field.width / 6);
        bool fits = true;
        for (size_t c = 0; c < length; ++c)
            fits = put(6, sixBitValue(static_cast<char>(in[c]))) && fits;
        return fits;
    }
    case AIS_FT_BINARY: {
        const uint32_t count = std::min<uint32_t>(runBits, static_cast<uint32_t>(room * 8));
        bool fits = true;
        for (uint32_t b = 0; b < count; b += 8) {
            const uint32_t width = std::min<uint32_t>(8, count - b);
            fits = put(width, static_cast<uint32_t>(in[b / 8] >> (8 - width))) && fits;
        }
        return fits;
    }
    case AIS_FT_BYTE_ALIGN:
        return put((8 - pos % 8) % 8, 0);
    case AIS_FT_COORDINATES: {
        AIS_COORDINATE_LIST list;
        std::memcpy(&list, in, sizeof list);
        const double unit = scaleOf(field) / 60.0;
        bool fits = true;
        for (uint32_t i = 0; i < std::min(list.count, AIS_COORDINATES_MAX); ++i) {
            fits = put(28, signedRaw(double(list.points[i][0]) / unit, 28)) && fits;
            fits = put(27, signedRaw(double(list.points[i][1]) / unit, 27)) && fits;
        }
        return fits;
    }
    case AIS_FT_POINTS: {
        AIS_POINT_LIST list;
        std::memcpy(&list, in, sizeof list);
        bool fits = true;
        for (const auto& point : list.points) {
            fits = put(10, point[0]) && fits;
            fits = put(10, point[1]) && fits;
        }
        return fits;
    }
    default: { // AIS_FT_SKIP and unknown types: zero bits
        const bool fits = static_cast<uint64_t>(pos) + field.width <= static_cast<uint64_t>(size) * 8;
        pos += field.width;
        return fits;
    }
    }
}

} // namespace

int AisMsgCodec_Unpack(const uint8_t* bits, uint32_t bitCount, uint8_t* record, size_t room,
                       const AIS_MESSAGE_FORMAT* list, uint32_t* runBits)
{
    if (runBits)
        *runBits = 0;
    if (!bits || !record || !list || !list->fields || bitCount < 2)
        return AIS_CODEC_REFUSED;
    uint32_t pos = 0;
    size_t out = 0;
    for (uint64_t i = 0; i < list->count && pos < bitCount; ++i) {
        const AIS_message_formatter& field = list->fields[i];
        const size_t size = AisMsgFieldRoom(field);
        out = AisMsgFieldOffset(out, field);
        if (out > room || size > room - out)
            return AIS_CODEC_REFUSED;
        pos += unpackField(field, bits, bitCount, pos, availableBits(*list, i, pos, bitCount), record + out, size,
                           runBits);
        out += size;
    }
    return AIS_CODEC_DONE;
}

int AisMsgCodec_Pack(const uint8_t* record, size_t recordSize, const AIS_MESSAGE_FORMAT* list, uint8_t* bits,
                     size_t size, uint32_t* bitCount, uint32_t runBits)
{
    if (!record || !list || !list->fields || !bits || !bitCount)
        return AIS_CODEC_REFUSED;
    uint32_t pos = 0;
    size_t in = 0;
    for (uint64_t i = 0; i < list->count; ++i) {
        const AIS_message_formatter& field = list->fields[i];
        const size_t room = AisMsgFieldRoom(field);
        in = AisMsgFieldOffset(in, field);
        if (in > recordSize || room > recordSize - in || !packField(field, record + in, room, bits, size, pos, runBits))
            return AIS_CODEC_REFUSED;
        in += room;
    }
    *bitCount = pos;
    return AIS_CODEC_DONE;
}

uint32_t AisMsgCodec_FieldPick(const uint8_t* bits, uint32_t bitCount, uint32_t first, uint32_t width)
{
    if (!bits)
        return 0;
    // Whole runs of a byte at a time; bits past the message read as zeros.
    const uint64_t end = static_cast<uint64_t>(first) + std::min<uint32_t>(width, 32);
    const uint64_t inside = std::max<uint64_t>(first, std::min<uint64_t>(end, bitCount));
    uint64_t value = 0;
    for (uint64_t bit = first; bit < inside;) {
        const uint32_t offset = bit % 8;
        const uint32_t take = static_cast<uint32_t>(std::min<uint64_t>(8 - offset, inside - bit));
        value = value << take | (bits[bit / 8] >> (8 - offset - take) & ((1u << take) - 1u));
        bit += take;
    }
    return static_cast<uint32_t>(value << (end - inside));
}

bool AisMsgCodec_FieldPut(uint8_t* bits, size_t size, uint32_t first, uint32_t width, uint32_t value)
{
    return putBits(bits, size, first, width, value, false);
}

bool AisMsgInsertPut(uint8_t* bits, size_t size, uint32_t first, uint32_t width, uint32_t value)
{
    return putBits(bits, size, first, width, value, true);
}

float AisRestoreFloatData(uint32_t value, uint32_t width)
{
    return static_cast<float>(signedOf(value, width));
}

int32_t AisStoreFloatData(float value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::round(static_cast<double>(value));
    return static_cast<int32_t>(std::clamp(rounded, double(INT32_MIN), double(INT32_MAX)));
}

void PackLongData(uint8_t* at, uint32_t value)
{
    std::memcpy(at, &value, sizeof value);
}

void PackWordData(uint8_t* at, uint16_t value)
{
    std::memcpy(at, &value, sizeof value);
}

void PackFloatData(uint8_t* at, float value)
{
    std::memcpy(at, &value, sizeof value);
}

float UnpackFloatData(const uint8_t* at)
{
    float value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

void TrimAisString(char* text, size_t room)
{
    if (!text || room == 0)
        return;
    size_t length = strnlen(text, room - 1);
    text[length] = '\0';
    while (length > 0 && text[length - 1] == '@')
        text[--length] = '\0';
}
