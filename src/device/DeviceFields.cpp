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
