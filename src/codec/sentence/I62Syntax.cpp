#include "codec/sentence/I62Syntax.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Per thread, so that a walk on one thread can never be continued by another.
thread_local char* g_tokenRest = nullptr;

// The value of a checksum digit, or -1. Only the high digit may be a lower-case letter.
int checksumDigit(char c, bool high)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (high && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

char hexDigit(unsigned value)
{
    return "0123456789ABCDEF"[value & 0x0F];
}

} // namespace

int I62_Parse_CheckSum(char* sentence, size_t size)
{
    if (!sentence)
        return I62_CHECKSUM_BAD;
    const size_t n = strnlen(sentence, size);
    if (n == size || n < 4)
        return I62_CHECKSUM_BAD;

    // The sum runs from position 1 to the first '*' at a position from 2 to n - 3.
    unsigned sum = static_cast<unsigned char>(sentence[1]);
    size_t star = 0;
    for (size_t i = 2; i <= n - 3; ++i) {
        if (sentence[i] == '*') {
            star = i;
            break;
        }
        sum ^= static_cast<unsigned char>(sentence[i]);
    }
    if (star == 0) {
        // The last two characters are the line end; n - 2 + 5 characters and the NUL must fit.
        if (n + 4 > size)
            return I62_CHECKSUM_BAD;
        std::memcpy(sentence + n - 2, "*FF\r\n", 6);
        return I62_CHECKSUM_ADDED;
    }

    const int high = checksumDigit(sentence[star + 1], true);
    const int low = checksumDigit(sentence[star + 2], false);
    if (high < 0 || low < 0)
        return I62_CHECKSUM_BAD;
    return static_cast<unsigned>(high * 16 + low) == sum ? I62_CHECKSUM_OK : I62_CHECKSUM_BAD;
}

bool I62_Compose_CheckSum(char* sentence, size_t size)
{
    if (!sentence)
        return false;
    const size_t limit = size < UINT16_MAX ? size : UINT16_MAX;
    const size_t end = strnlen(sentence, limit);
    if (end == 0 || end == limit || end + 6 > size)
        return false;
    unsigned sum = 0;
    for (size_t i = 1; i < end; ++i)
        sum ^= static_cast<unsigned char>(sentence[i]);
    char* p = sentence + end;
    p[0] = '*';
    p[1] = hexDigit(sum >> 4);
    p[2] = hexDigit(sum);
    p[3] = '\r';
    p[4] = '\n';
    p[5] = '\0';
    return true;
}

char* StrToken(char* text, const char* delimiter)
{
    char* start = text ? text : g_tokenRest;
    if (!start)
        return nullptr;
    char* hit = delimiter && delimiter[0] ? std::strchr(start, delimiter[0]) : nullptr;
    if (!hit) {
        g_tokenRest = nullptr;
        return nullptr;
    }
    *hit = '\0';
    g_tokenRest = hit + 1;

    if (*start != ' ')
        return start;
    char* p = start;
    while (*p == ' ')
        ++p;
    return *p == '\0' ? start : p;
}

bool I62_PreParse(char* sentence, size_t size)
{
    if (!sentence)
        return false;
    const size_t length = strnlen(sentence, size);
    if (length == size)
        return false;
    const char* const end = sentence + length;
    size_t blanks = 0;
    for (const char* comma = sentence; (comma = static_cast<const char*>(std::memchr(comma, ',', end - comma))); ++comma)
        blanks += comma + 1 < end && (comma[1] == ',' || comma[1] == '*');
    const size_t marked = length + blanks;
    // An encapsulation sentence may carry a fragment as long as a whole AIS message.
    const size_t limit = sentence[0] == '!' ? size - 1 : I62_PREPARSED_MAX;
    if (marked > limit || marked + 1 > size)
        return false;
    // From the end, so that every character moves once and lands past what is still to move.
    size_t w = marked;
    sentence[w] = '\0';
    for (size_t r = length; blanks > 0; --r) {
        const bool marks = sentence[r - 1] == ',' && (sentence[r] == ',' || sentence[r] == '*');
        if (marks) {
            sentence[--w] = ' ';
            --blanks;
        }
        sentence[--w] = sentence[r - 1];
    }
    return true;
}

bool I62_CalFieldDelimiter(const char* text, int commas)
{
    if (!text)
        return false;
    const char* const end = text + std::strlen(text);
    return std::count(text, end, ',') == commas;
}
