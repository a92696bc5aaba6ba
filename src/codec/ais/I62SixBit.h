#pragma once

#include <cstdint>

// The six-bit armour of encapsulated sentences.

constexpr uint8_t I62_SIXBIT_INVALID = 0xFF;

// '0'..'W' give 0-39 and '`'..'w' give 40-63; anything else gives 0xFF.
uint8_t I62_ConvAscii2Six(uint8_t character);
// 0-63 to its armour character; above 63 gives 0xFF.
uint8_t I62_ConvSix2Ascii(uint8_t value);
