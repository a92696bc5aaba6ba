#pragma once

#include <cstddef>
#include <cstdint>

// Readers of the fields of the device's replies and its system-data text. The device's bytes
// are untrusted: numbers are range-checked and texts are cut to their fields.
namespace DeviceField {

// A decimal number read as atoi reads it (leading white space, a sign, then digits up to the
// first other character; no digits read as 0). False, leaving *value as it was, when the number
// lies outside [min, max], however many digits it has.
bool ReadInt(const char* text, int64_t min, int64_t max, int64_t* value);

template <typename T>
bool ReadInt(const char* text, int64_t min, int64_t max, T* value)
{
    int64_t wide = 0;
    if (!ReadInt(text, min, max, &wide))
        return false;
    *value = static_cast<T>(wide);
    return true;
}

// A decimal number and nothing else: blanks around it, a sign and at least one digit. False,
// leaving *value as it was, for any other text or a number outside [min, max].
bool ReadNumber(const char* text, size_t length, int64_t min, int64_t max, int64_t* value);

template <typename T>
bool ReadNumber(const char* text, size_t length, int64_t min, int64_t max, T* value)
{
    int64_t wide = 0;
    if (!ReadNumber(text, length, min, max, &wide))
        return false;
    *value = static_cast<T>(wide);
    return true;
}

// Whether the text holds a control character: C0, DEL or C1 (the 8-bit escape introducers
// among them), which no value the device shows may carry.
bool HoldsControl(const char* text, size_t length);

// Null, empty or only blanks: a field the device left out.
bool IsBlank(const char* text);

// Clears the field, then copies at most size - 1 of the first length characters of the text
// (fewer when a NUL comes first). The field always ends in a NUL.
void CopyText(char* field, size_t size, const char* text, size_t length);

template <size_t N>
void CopyText(char (&field)[N], const char* text, size_t length)
{
    CopyText(field, N, text, length);
}

// A field text as the parsers store it: blanks only give an empty text.
template <size_t N>
void CopyField(char (&field)[N], const char* text)
{
    CopyText(field, N, IsBlank(text) ? "" : text, N);
}

// True when the sentence (NUL-terminated, with or without its line end) carries a checksum
// that matches it. The sentence itself is not changed.
bool HasRightChecksum(const char* sentence);

} // namespace DeviceField
