#include "codec/families/I62Proprietary.h"

#include "codec/sentence/I62FieldList.h"
#include "codec/sentence/I62FieldReaders.h"
#include "codec/sentence/I62FieldValue.h"
#include "codec/sentence/I62Number.h"
#include "codec/sentence/I62OptionalField.h"
#include "codec/sentence/I62Syntax.h"

#include <cstring>

namespace {

constexpr uint8_t BLANK = ' ';
constexpr uint8_t MOB_ABSENT = 255;
constexpr size_t MOB_IDENTIFIER_DIGITS = 6;
constexpr size_t MOB_DATA_MAX_DIGITS = 18;

int64_t wide(const char* field, int64_t absent)
{
    return I62_IsEmptyField(field) ? absent : I62_Atol(field);
}

// One byte from one or two hexadecimal digits; false at a digit that is not 0-9 or A-F.
bool hexByte(const char* digits, size_t count, uint8_t* value)
{
    char pair[3] = {};
    std::memcpy(pair, digits, count < 2 ? count : 2);
    return HexStrToHexValue_Byte(pair, value) == 1;
}

size_t fieldLength(const char* field)
{
    return I62_IsEmptyField(field) ? 0 : std::strlen(field);
}

// A code of one or two digits. A longer field carries no code; the caller treats it as empty.
bool mobCode(const char* field, uint8_t* code, bool* given)
{
    const size_t length = fieldLength(field);
    *given = length == 1 || length == 2;
    *code = 0;
    return !*given || hexByte(field, length, code);
}

} // namespace

bool I62_FMT_PMID(char* sentence, I61162_Data_Structure* record)
{
    char* fields[2];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_MID_DATA& f = record->data.pmid;
    f.first = wide(fields[0], I62_PRI_ABSENT_NUMBER);
    f.second = wide(fields[1], I62_PRI_ABSENT_NUMBER);
    return true;
}

bool I62_FMT_PBDY(char* sentence, I61162_Data_Structure* record)
{
    char* fields[5];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_BDY_DATA& f = record->data.pbdy;
    f.number = wide(fields[0], I62_PRI_ABSENT_NUMBER);
    I62_OptionalText(f.firstText, fields[1]);
    I62_OptionalText(f.secondText, fields[2]);
    f.firstFlag = I62_FieldU8(fields[3], 9);
    f.secondFlag = I62_FieldU8(fields[4], 9);
    return true;
}

bool I62_FMT_PTST(char* sentence, I61162_Data_Structure* record)
{
    char* fields[5];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_TST_DATA& f = record->data.ptst;
    f.number = wide(fields[0], 99999);
    f.twoDigits = I62_FieldU8(fields[1], 99);
    f.lowerLetter = I62_FieldChar(fields[2], BLANK);
    f.upperLetter = I62_FieldChar(fields[3], BLANK);
    f.identifier = I62_FieldU16(fields[4], 65535);
    return true;
}

bool I62_FMT_PFRQ(char* sentence, I61162_Data_Structure* record)
{
    char* fields[4];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_FRQ_DATA& f = record->data.pfrq;
    f.firstNumber = wide(fields[0], I62_PRI_ABSENT_NUMBER);
    f.firstIndex = I62_FieldU8(fields[1], I62_ABSENT_U8);
    f.secondNumber = wide(fields[2], I62_PRI_ABSENT_NUMBER);
    f.secondIndex = I62_FieldU8(fields[3], I62_ABSENT_U8);
    return true;
}

bool I62_FMT_PBTH(char* sentence, I61162_Data_Structure* record)
{
    char* fields[I62_BTH_NUMBERS + 1];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_BTH_DATA& f = record->data.pbth;
    for (int i = 0; i < I62_BTH_NUMBERS; ++i)
        f.numbers[i] = static_cast<int16_t>(wide(fields[i], 256));
    I62_OptionalText(f.text, fields[I62_BTH_NUMBERS]);
    return true;
}

bool I62_FMT_PDBG(char* sentence, I61162_Data_Structure* record)
{
    char* fields[2 * I62_DBG_PAIRS];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_DBG_DATA& f = record->data.pdbg;
    for (int i = 0; i < I62_DBG_PAIRS; ++i) {
        f.identifiers[i] = I62_FieldU16(fields[2 * i], 999);
        f.values[i] = wide(fields[2 * i + 1], I62_PRI_ABSENT_VALUE);
    }
    return true;
}

bool I62_FMT_PTPS(char* sentence, I61162_Data_Structure* record)
{
    char* fields[2];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_TPS_DATA& f = record->data.ptps;
    f.number = I62_FieldU16(fields[0], 999);
    I62_OptionalText(f.text, fields[1]);
    return true;
}

bool I62_FMT_PMOB(char* sentence, I61162_Data_Structure* record)
{
    char* fields[5];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_MOB_DATA& f = record->data.pmob;
    std::memset(&f, 0, sizeof f);

    if (fieldLength(fields[0]) == MOB_IDENTIFIER_DIGITS) {
        for (int i = 0; i < I62_MOB_IDENTIFIER_BYTES; ++i) {
            if (!hexByte(fields[0] + 2 * i, 2, &f.identifier[i]))
                return false;
        }
    }
    f.number = I62_FieldU8(fields[1], MOB_ABSENT);

    bool given = false;
    if (!mobCode(fields[2], &f.firstCode, &given))
        return false;
    if (!given)
        f.firstCode = MOB_ABSENT;
    if (!mobCode(fields[3], &f.secondCode, &given))
        return false;
    f.hasSecondCode = given;

    const size_t digits = fieldLength(fields[4]);
    if (digits >= 2 && digits <= MOB_DATA_MAX_DIGITS && digits % 2 == 0) {
        f.dataCount = static_cast<uint8_t>(digits / 2);
        for (size_t i = 0; i < f.dataCount; ++i) {
            if (!hexByte(fields[4] + 2 * i, 2, &f.data[i])) {
                f.dataCount = 0; // bad data, but the rest of the sentence stands
                break;
            }
        }
    }
    return true;
}

bool I62_FMT_MRK(char* sentence, I61162_Data_Structure* record)
{
    char* fields[8];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_MRK_DATA& f = record->data.mrk;
    f.makerLetter = record->makerLetter;
    f.digit = I62_IsEmptyField(fields[0]) ? I62_ABSENT_U8 : static_cast<uint8_t>(fields[0][0] - '0');
    f.firstNumber = I62_FieldU16(fields[1], 65535);
    f.secondNumber = I62_FieldU16(fields[2], 0);
    f.firstCoordinate = wide(fields[3], I62_PRI_ABSENT_VALUE);
    f.secondCoordinate = wide(fields[4], I62_PRI_ABSENT_VALUE);
    I62_OptionalText(f.text, fields[5]);
    f.lastNumber = I62_FieldU8(fields[6], I62_ABSENT_U8);
    return true; // the eighth field carries nothing
}

bool I62_FMT_PGBP(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 9))
        return false;
    I62_GBP_DATA& f = record->data.pgbp;
    I62_SkipAddressField(sentence);
    f.number = static_cast<int16_t>(wide(I62_NextField(), -1));
    I62_GetTime(I62_NextField(), &f.utcTime);
    f.firstValue = I62_FieldFloat(I62_GetDegree(I62_NextField(), &f.position), I62_ABSENT_FLOAT);
    f.secondValue = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    I62_GetDate(I62_LastField(), &f.date);
    return true;
}

bool I62_FMT_AIQ(char* sentence, I61162_Data_Structure* record)
{
    char* fields[2];
    if (!I62_SplitFields(sentence, fields) || std::strcmp(fields[0], "Smg") != 0)
        return false;
    record->data.aiq.number = I62_FieldU8(fields[1], I62_ABSENT_U8);
    return true;
}

bool I62_FMT_Smg(char* sentence, I61162_Data_Structure* record)
{
    char* fields[2];
    if (!I62_SplitFields(sentence, fields))
        return false;
    I62_SMG_DATA& f = record->data.smg;
    I62_OptionalText(f.text, fields[0]);
    f.number = I62_FieldU8(fields[1], I62_ABSENT_U8);
    return true;
}
