#include "support/PortalStr.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace Portal::Str {

namespace {

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale ? locale : LC_GLOBAL_LOCALE;
}

} // namespace

bool SafeFormatV(char* buffer, size_t size, const char* format, va_list args)
{
    if (!buffer || size == 0)
        return false;
    // Qt sets the C library's locale from the environment; a decimal comma must not reach our texts.
    const locale_t previous = uselocale(cLocale());
    const int written = std::vsnprintf(buffer, size, format, args);
    uselocale(previous);
    return written >= 0 && static_cast<size_t>(written) < size;
}

bool SafeFormat(char* buffer, size_t size, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const bool fitted = SafeFormatV(buffer, size, format, args);
    va_end(args);
    return fitted;
}

void ConvtIntToChar(char* buffer, size_t size, int value)
{
    if (size == 0)
        return;
    std::snprintf(buffer, size, "%d", value);
}

void ConvtFloatToChar(char* buffer, size_t size, float value, char decimals)
{
    if (size == 0)
        return;
    SafeFormat(buffer, size, "%.*f", static_cast<int>(decimals), static_cast<double>(value));
    // Only a fraction loses its zeros: a whole number cut short by the buffer keeps them.
    if (!std::strpbrk(buffer, ".,"))
        return;
    TrimEnd(buffer, "0");
    TrimEnd(buffer, ".,");
}

size_t TrimEnd(char* text, const std::string& set)
{
    size_t length = std::strlen(text);
    if (set.empty())
        return length;
    while (length > 0 && set.find(text[length - 1]) != std::string::npos)
        text[--length] = '\0';
    return length;
}

double ConvtStrToDouble(char* text)
{
    char* comma = std::strchr(text, ',');
    if (comma && comma != text)
        *comma = '.';
    return ParseDouble(text);
}

double ParseDouble(const char* text)
{
    return text ? strtod_l(text, nullptr, cLocale()) : 0.0;
}

int ConvtHexCharToInt(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

size_t ConvtHexStrToChar(unsigned char* out, size_t size, const char* hex)
{
    size_t written = 0;
    while (written < size && hex[0] != '\0' && hex[1] != '\0') {
        out[written++] = static_cast<unsigned char>(ConvtHexCharToInt(hex[0]) * 16 + ConvtHexCharToInt(hex[1]));
        hex += 2;
    }
    return written;
}

void UpperCase(char* text)
{
    for (; *text; ++text) {
        if (*text >= 'a' && *text <= 'z')
            *text = static_cast<char>(*text - 'a' + 'A');
    }
}

size_t SafeStrCpy(char* dst, const char* src, size_t size)
{
    if (size == 0)
        return 0;
    size_t n = 0;
    while (n + 1 < size && src[n] != '\0') {
        dst[n] = src[n];
        ++n;
    }
    dst[n] = '\0';
    return n;
}

} // namespace Portal::Str
