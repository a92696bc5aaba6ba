#pragma once

#include "codec/sentence/I62ComposeText.h"

#include <cstddef>

// Fields that a sentence may leave empty, for the families whose empty texts are empty
// and whose composers write an absent value as an empty field.

// The field's text cut to its room; an empty field gives an empty text.
void I62_OptionalText(char* out, size_t room, const char* field);

template <size_t N>
void I62_OptionalText(char (&out)[N], const char* field)
{
    I62_OptionalText(out, N, field);
}

// printf of the value when it is present, else an empty field.
void I62_PresentText(I62_FIELD_TEXT& text, bool present, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
