#pragma once

#include <cstddef>
#include <cstdint>

// Values of single fields, as the parsers store them. A field is empty when it is missing or
// its first character is the blank that the pre-parse wrote.

bool I62_IsEmptyField(const char* field);

// The number, or the marker when the field is empty or holds no finite single-precision value.
float I62_FieldFloat(const char* field, float absent);
// The number kept to 8 bits, as a byte field stores it.
uint8_t I62_FieldU8(const char* field, uint8_t absent);
uint16_t I62_FieldU16(const char* field, uint16_t absent);
// The whole number (64-bit, never cut to a field's width), or the marker when the field is empty.
int64_t I62_FieldInt(const char* field, int64_t absent);
// The first character.
uint8_t I62_FieldChar(const char* field, uint8_t absent);
// The field's length is more than one character.
bool I62_IsLongerThanChar(const char* field);
// The text cut to its room.
void I62_FieldText(char* out, size_t room, const char* field);

template <size_t N>
void I62_FieldText(char (&out)[N], const char* field)
{
    I62_FieldText(out, N, field);
}

// The text cut to its room; an empty field gives an empty text.
void I62_FieldTextOrEmpty(char* out, size_t room, const char* field);

template <size_t N>
void I62_FieldTextOrEmpty(char (&out)[N], const char* field)
{
    I62_FieldTextOrEmpty(out, N, field);
}
