#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// C-buffer helpers. Every writer takes the buffer's size and never writes past it;
// the array overloads pass the size of a fixed buffer for the caller.
namespace Portal::Str {

// printf with a decimal point whatever the user's locale. False when the text did not fit
// (the buffer then holds the cut text).
bool SafeFormat(char* buffer, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
bool SafeFormatV(char* buffer, size_t size, const char* format, va_list args) __attribute__((format(printf, 3, 0)));
void ConvtIntToChar(char* buffer, size_t size, int value);
// Prints with a fixed count of decimals, then drops trailing zeros and a trailing point.
void ConvtFloatToChar(char* buffer, size_t size, float value, char decimals);
size_t TrimEnd(char* text, const std::string& set);
double ConvtStrToDouble(char* text);
// strtod in the C locale: a point is the decimal separator whatever the user's locale.
double ParseDouble(const char* text);
int ConvtHexCharToInt(char c);
// Returns the number of bytes written.
size_t ConvtHexStrToChar(unsigned char* out, size_t size, const char* hex);
void UpperCase(char* text);
// Bounded copy: at most size - 1 characters, always terminated when size > 0.
// Returns the number of characters copied.
size_t SafeStrCpy(char* dst, const char* src, size_t size);

template <size_t N>
void ConvtIntToChar(char (&buffer)[N], int value)
{
    ConvtIntToChar(buffer, N, value);
}

template <size_t N>
void ConvtFloatToChar(char (&buffer)[N], float value, char decimals)
{
    ConvtFloatToChar(buffer, N, value, decimals);
}

template <size_t N>
size_t ConvtHexStrToChar(unsigned char (&out)[N], const char* hex)
{
    return ConvtHexStrToChar(out, N, hex);
}

template <size_t N>
size_t SafeStrCpy(char (&dst)[N], const char* src)
{
    return SafeStrCpy(dst, src, N);
}

} // namespace Portal::Str
