#include "device/DeviceFields.h"

#include "codec/sentence/I62Syntax.h"
#include "codec/SensorSentencePackage.h"

#include <cstring>

namespace DeviceField {

bool ReadInt(const char* text, int64_t min, int64_t max, int64_t* value)
{
    const char* p = text ? text : "";
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    // Past this the number is out of every range that a caller can give.
    constexpr uint64_t Ceiling = uint64_t(INT64_MAX) + 1;
    uint64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        const uint64_t digit = uint64_t(*p - '0');
        if (magnitude > (Ceiling - digit) / 10)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    if (negative ? magnitude > Ceiling : magnitude > uint64_t(INT64_MAX))
        return false;
    const int64_t number = negative ? (magnitude == Ceiling ? INT64_MIN : -int64_t(magnitude)) : int64_t(magnitude);
    if (number < min || number > max)
        return false;
    *value = number;
    return true;
}

bool ReadNumber(const char* text, size_t length, int64_t min, int64_t max, int64_t* value)
{
    if (!text)
        return false;
    size_t begin = 0;
    while (begin < length && text[begin] == ' ')
        ++begin;
    size_t end = length;
    while (end > begin && text[end - 1] == ' ')
        --end;
    size_t digits = begin < end && (text[begin] == '-' || text[begin] == '+') ? begin + 1 : begin;
    if (digits == end)
        return false;
    for (size_t i = digits; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    // The digits alone, so that ReadInt cannot read on past the end; past nineteen significant
    // digits the number is out of every range.
    size_t first = digits;
    while (first + 1 < end && text[first] == '0')
        ++first;
    constexpr size_t MaxDigits = 19;
    if (end - first > MaxDigits)
        return false;
    char number[MaxDigits + 2] = {};
    number[0] = text[begin] == '-' ? '-' : '+';
    std::memcpy(number + 1, text + first, end - first);
    return ReadInt(number, min, max, value);
}

bool HoldsControl(const char* text, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return true;
    }
    return false;
}

bool IsBlank(const char* text)
{
    if (!text)
        return true;
    while (*text == ' ')
        ++text;
    return *text == '\0';
}

void CopyText(char* field, size_t size, const char* text, size_t length)
{
    if (size == 0)
        return;
    std::memset(field, 0, size);
    if (!text)
        return;
    const size_t n = strnlen(text, length < size - 1 ? length : size - 1);
    std::memcpy(field, text, n);
}

bool HasRightChecksum(const char* sentence)
{
    // The check may write "*FF" into a sentence that has none: it works on a copy.
    char copy[SENSOR_SENTENCE_ROOM];
    const size_t length = sentence ? strnlen(sentence, sizeof copy) : sizeof copy;
    if (length == sizeof copy)
        return false;
    std::memcpy(copy, sentence, length + 1);
    return I62_Parse_CheckSum(copy, sizeof copy) == I62_CHECKSUM_OK;
}

} // namespace DeviceField
