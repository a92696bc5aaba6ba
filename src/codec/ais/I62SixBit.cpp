#include "codec/ais/I62SixBit.h"

uint8_t I62_ConvAscii2Six(uint8_t character)
{
    if (character >= '0' && character <= 'W')
        return static_cast<uint8_t>(character - 48);
    if (character >= '`' && character <= 'w')
        return static_cast<uint8_t>(character - 56);
    return I62_SIXBIT_INVALID;
}

uint8_t I62_ConvSix2Ascii(uint8_t value)
{
    if (value <= 39)
        return static_cast<uint8_t>(value + 48);
    if (value <= 63)
        return static_cast<uint8_t>(value + 56);
    return I62_SIXBIT_INVALID;
}
