#pragma once

#include "codec/sentence/I62Types.h"

#include <cstddef>

// Field texts of the composers. A value that is not available is written as an empty field.

constexpr size_t I62_FIELD_TEXT_ROOM = 64;
using I62_FIELD_TEXT = char[I62_FIELD_TEXT_ROOM];

// "hhmmss.ss"; empty when the hour is 24 or more.
void I62_TimeText(I62_FIELD_TEXT& text, const I62_UTC_TIME& time);
// printf "%<width>.<decimals>f"; empty below -99999.
void I62_FloatText(I62_FIELD_TEXT& text, float value, int width, int decimals);
// "ddmm.mmmmm,N,dddmm.mmmmm,E", the minutes rounded to 1 to 5 decimals; four empty fields
// unless both coordinates are available.
void I62_PositionText(I62_FIELD_TEXT& text, const I62_DEGREE& position, int minuteDecimals = 5);
// The character; empty for 0 (which would end the sentence) and for the marker 128.
void I62_CharText(I62_FIELD_TEXT& text, uint8_t character);
// A 64-bit number such as an MMSI; empty for 0.
void I62_WideText(I62_FIELD_TEXT& text, uint64_t value);

// Precision for "%.*s", so that a text array is read no further than its room.
template <size_t N>
constexpr int I62_TextRoom(const char (&)[N])
{
    return static_cast<int>(N - 1);
}
