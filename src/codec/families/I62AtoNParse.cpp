#include "codec/families/I62AtoN.h"

#include "codec/sentence/I62FieldList.h"
#include "codec/sentence/I62FieldReaders.h"
#include "codec/sentence/I62FieldValue.h"
#include "codec/sentence/I62Number.h"
#include "support/PortalStr.h"

#include <cctype>
#include <cstring>

// Every reader below takes the split fields and the 1-based position of its field, stores the
// value and sets the field's presence bit when the field is given; an empty field stores 0.

namespace {

using Fields = char* const*;

template <typename Bits>
bool given(Fields fields, int position, Bits& present)
{
    if (I62_IsEmptyField(fields[position - 1]))
        return false;
    present = static_cast<Bits>(present | ATON_FieldBit(position));
    return true;
}

template <typename T, typename Bits>
void number(T& value, Fields fields, int position, Bits& present)
{
    value = given(fields, position, present) ? static_cast<T>(I62_Atol(fields[position - 1])) : T(0);
}

template <typename Bits>
void character(uint8_t& value, Fields fields, int position, Bits& present)
{
    value = given(fields, position, present) ? static_cast<uint8_t>(fields[position - 1][0]) : 0;
}

template <size_t N, typename Bits>
void text(char (&out)[N], Fields fields, int position, Bits& present)
{
    I62_FieldText(out, given(fields, position, present) ? fields[position - 1] : "");
}

// The sentence status must be exactly "R" or "C"; anything else refuses the sentence.
template <typename Bits>
bool status(uint8_t& value, Fields fields, int position, Bits& present)
{
    const char* field = fields[position - 1];
    value = 0;
    if (std::strcmp(field, "R") != 0 && std::strcmp(field, "C") != 0)
        return false;
    given(fields, position, present);
    value = static_cast<uint8_t>(field[0]);
    return true;
}

int hexDigit(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) ? Portal::Str::ConvtHexCharToInt(c) : -1;
}

// Up to two hexadecimal digits; a field that does not begin with one is not given.
template <typename Bits>
void hexByte(uint8_t& value, Fields fields, int position, Bits& present)
{
    const char* field = fields[position - 1];
    value = 0;
    int digits = 0;
    for (; digits < 2 && hexDigit(field[digits]) >= 0; ++digits)
        value = static_cast<uint8_t>(value * 16 + hexDigit(field[digits]));
    if (digits > 0)
        given(fields, position, present);
}

int decimal(const char* digits, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i)
        value = value * 10 + (digits[i] - '0');
    return value;
}

} // namespace

bool Convert_Dim_Ref_Str_To_Val(ATON_REF_POINT_DIMENSION* dimensions, const char* text)
{
    constexpr size_t DIGITS = 10;
    if (!dimensions || !text || strnlen(text, DIGITS + 1) != DIGITS)
        return false;
    for (size_t i = 0; i < DIGITS; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    ATON_REF_POINT_DIMENSION& d = *dimensions;
    d.a = static_cast<uint16_t>((d.a & ~ATON_DIM_AB_MASK) | (decimal(text, 3) & ATON_DIM_AB_MASK));
    d.b = static_cast<uint16_t>((d.b & ~ATON_DIM_AB_MASK) | (decimal(text + 3, 3) & ATON_DIM_AB_MASK));
    d.c = static_cast<uint8_t>((d.c & ~ATON_DIM_CD_MASK) | (decimal(text + 6, 2) & ATON_DIM_CD_MASK));
    d.d = static_cast<uint8_t>((d.d & ~ATON_DIM_CD_MASK) | (decimal(text + 8, 2) & ATON_DIM_CD_MASK));
    return true;
}

bool ATON_FMT_AAR(char* sentence, I61162_Data_Structure* record)
{
    char* fields[13];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_AAR_DATA& f = record->data.aar;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    number(f.field2, fields, 2, f.present);
    number(f.field3, fields, 3, f.present);
    number(f.field4, fields, 4, f.present);
    number(f.field5, fields, 5, f.present);
    number(f.field6, fields, 6, f.present);
    number(f.field7, fields, 7, f.present);
    number(f.field8, fields, 8, f.present);
    number(f.field9, fields, 9, f.present);
    number(f.field10, fields, 10, f.present);
    number(f.field11, fields, 11, f.present);
    number(f.field12, fields, 12, f.present);
    return status(f.status, fields, 13, f.present);
}

bool ATON_FMT_ACE(char* sentence, I61162_Data_Structure* record)
{
    char* fields[9];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_ACE_DATA& f = record->data.ace;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    hexByte(f.field2, fields, 2, f.present);
    number(f.field3, fields, 3, f.present);
    number(f.field4, fields, 4, f.present);
    number(f.field5, fields, 5, f.present);
    number(f.field6, fields, 6, f.present);
    text(f.text, fields, 7, f.present);
    std::memset(&f.dimensions, 0, sizeof f.dimensions);
    if (Convert_Dim_Ref_Str_To_Val(&f.dimensions, fields[7]))
        given(fields, 8, f.present);
    return status(f.status, fields, 9, f.present);
}

bool ATON_FMT_ACF(char* sentence, I61162_Data_Structure* record)
{
    char* fields[15];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_ACF_DATA& f = record->data.acf;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    number(f.field2, fields, 2, f.present);
    f.position = I62_DEGREE{0.0, 0.0};
    bool wholePosition = true;
    for (int i = 3; i <= 6; ++i)
        wholePosition = wholePosition && !I62_IsEmptyField(fields[i - 1]);
    if (wholePosition) {
        f.position.latitude = I62_Conv2Deg(I62_Atof(fields[2]), 90.0);
        if (std::strcmp(fields[3], "S") == 0)
            f.position.latitude = -f.position.latitude;
        f.position.longitude = I62_Conv2Deg(I62_Atof(fields[4]), 180.0);
        if (std::strcmp(fields[5], "W") == 0)
            f.position.longitude = -f.position.longitude;
        given(fields, ATON_ACF_POSITION_FIELD, f.present);
    }
    number(f.field7, fields, 7, f.present);
    number(f.field8, fields, 8, f.present);
    number(f.field9, fields, 9, f.present);
    number(f.field10, fields, 10, f.present);
    number(f.field11, fields, 11, f.present);
    number(f.field12, fields, 12, f.present);
    number(f.field13, fields, 13, f.present);
    number(f.field14, fields, 14, f.present);
    character(f.field15, fields, 15, f.present);
    return true;
}

bool ATON_FMT_AFB(char* sentence, I61162_Data_Structure* record)
{
    char* fields[8];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_AFB_DATA& f = record->data.afb;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    number(f.field2, fields, 2, f.present);
    number(f.field3, fields, 3, f.present);
    number(f.field4, fields, 4, f.present);
    number(f.field5, fields, 5, f.present);
    number(f.field6, fields, 6, f.present);
    number(f.field7, fields, 7, f.present);
    return status(f.status, fields, 8, f.present);
}

bool ATON_FMT_AFC(char* sentence, I61162_Data_Structure* record)
{
    char* fields[2];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_AFC_DATA& f = record->data.afc;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    text(f.text, fields, 2, f.present);
    return true;
}

bool ATON_FMT_AID(char* sentence, I61162_Data_Structure* record)
{
    char* fields[5];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_AID_DATA& f = record->data.aid;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    number(f.field2, fields, 2, f.present);
    number(f.secondMmsi, fields, 3, f.present);
    character(f.field4, fields, 4, f.present);
    return status(f.status, fields, 5, f.present);
}

bool ATON_FMT_AKE(char* sentence, I61162_Data_Structure* record)
{
    char* fields[4];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_AKE_DATA& f = record->data.ake;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    text(f.firstText, fields, 2, f.present);
    text(f.secondText, fields, 3, f.present);
    character(f.field4, fields, 4, f.present);
    return true;
}

bool ATON_FMT_ARW(char* sentence, I61162_Data_Structure* record)
{
    char* fields[7];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_ARW_DATA& f = record->data.arw;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    number(f.field2, fields, 2, f.present);
    number(f.field3, fields, 3, f.present);
    number(f.field4, fields, 4, f.present);
    number(f.field5, fields, 5, f.present);
    number(f.field6, fields, 6, f.present);
    return status(f.status, fields, 7, f.present);
}

bool ATON_FMT_MCR(char* sentence, I61162_Data_Structure* record)
{
    char* fields[3];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_MCR_DATA& f = record->data.mcr;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    text(f.text, fields, 2, f.present);
    character(f.field3, fields, 3, f.present);
    return true;
}

bool ATON_FMT_MPR(char* sentence, I61162_Data_Structure* record)
{
    char* fields[8];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_MPR_DATA& f = record->data.mpr;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    number(f.field2, fields, 2, f.present);
    number(f.field3, fields, 3, f.present);
    number(f.field4, fields, 4, f.present);
    number(f.field5, fields, 5, f.present);
    number(f.field6, fields, 6, f.present);
    text(f.text, fields, 7, f.present);
    character(f.field8, fields, 8, f.present);
    return true;
}

bool ATON_FMT_TSP(char* sentence, I61162_Data_Structure* record)
{
    char* fields[13];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_TSP_DATA& f = record->data.tsp;
    f.present = 0;
    number(f.mmsi, fields, 1, f.present);
    number(f.field2, fields, 2, f.present);
    number(f.field3, fields, 3, f.present);
    I62_UTC_TIME_init(&f.utcTime);
    if (given(fields, 4, f.present))
        I62_GetTime(fields[3], &f.utcTime);
    number(f.field5, fields, 5, f.present);
    number(f.field6, fields, 6, f.present);
    number(f.field7, fields, 7, f.present);
    number(f.field8, fields, 8, f.present);
    number(f.field9, fields, 9, f.present);
    number(f.field10, fields, 10, f.present);
    number(f.field11, fields, 11, f.present);
    character(f.field12, fields, 12, f.present);
    character(f.field13, fields, 13, f.present);
    return true;
}

bool ATON_FMT_VER(char* sentence, I61162_Data_Structure* record)
{
    char* fields[10];
    if (!I62_SplitFields(sentence, fields))
        return false;
    ATON_VER_DATA& f = record->data.ver;
    f.present = 0;
    number(f.totalSentences, fields, 1, f.present);
    number(f.sentenceNumber, fields, 2, f.present);
    text(f.deviceType, fields, 3, f.present);
    text(f.vendorId, fields, 4, f.present);
    text(f.uniqueId, fields, 5, f.present);
    text(f.serialNumber, fields, 6, f.present);
    text(f.modelCode, fields, 7, f.present);
    text(f.softwareRevision, fields, 8, f.present);
    text(f.hardwareRevision, fields, 9, f.present);
    number(f.sequentialId, fields, 10, f.present);
    return true;
}
