#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

// Numbers in sentences always use the decimal point, whatever the user's locale.

// atof, atoi and atol of a field text; a null text reads as 0.
double I62_Atof(const char* text);
int I62_Atoi(const char* text);
int64_t I62_Atol(const char* text);

// printf into a bounded buffer in the C locale. False when the text did not fit (the buffer
// then holds the cut text).
bool I62_Print(char* out, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
bool I62_VPrint(char* out, size_t size, const char* format, va_list args) __attribute__((format(printf, 3, 0)));
