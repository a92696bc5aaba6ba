#include "codec/sentence/I62OptionalField.h"

#include "codec/sentence/I62FieldValue.h"
#include "codec/sentence/I62Number.h"

#include <cstdarg>

void I62_OptionalText(char* out, size_t room, const char* field)
{
    I62_FieldText(out, room, I62_IsEmptyField(field) ? "" : field);
}

void I62_PresentText(I62_FIELD_TEXT& text, bool present, const char* format, ...)
{
    text[0] = '\0';
    if (!present)
        return;
    va_list args;
    va_start(args, format);
    I62_VPrint(text, sizeof text, format, args);
    va_end(args);
}
