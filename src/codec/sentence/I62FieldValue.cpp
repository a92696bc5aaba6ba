#include "codec/sentence/I62FieldValue.h"

#include "codec/sentence/I62Number.h"
#include "support/PortalStr.h"

#include <cfloat>
#include <cmath>

bool I62_IsEmptyField(const char* field)
{
    return !field || field[0] == ' ';
}

float I62_FieldFloat(const char* field, float absent)
{
    if (I62_IsEmptyField(field))
        return absent;
    const double value = I62_Atof(field);
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        return absent;
    return static_cast<float>(value);
}

uint8_t I62_FieldU8(const char* field, uint8_t absent)
{
    return I62_IsEmptyField(field) ? absent : static_cast<uint8_t>(I62_Atoi(field));
}

uint16_t I62_FieldU16(const char* field, uint16_t absent)
{
    return I62_IsEmptyField(field) ? absent : static_cast<uint16_t>(I62_Atoi(field));
}

int64_t I62_FieldInt(const char* field, int64_t absent)
{
    return I62_IsEmptyField(field) ? absent : I62_Atol(field);
}

uint8_t I62_FieldChar(const char* field, uint8_t absent)
{
    return I62_IsEmptyField(field) ? absent : static_cast<uint8_t>(field[0]);
}

bool I62_IsLongerThanChar(const char* field)
{
    return field && field[0] != '\0' && field[1] != '\0';
}

void I62_FieldText(char* out, size_t room, const char* field)
{
    Portal::Str::SafeStrCpy(out, field ? field : "", room);
}

void I62_FieldTextOrEmpty(char* out, size_t room, const char* field)
{
    I62_FieldText(out, room, I62_IsEmptyField(field) ? "" : field);
}
