#pragma once

#include <QString>
#include <cstddef>

// Copies the text's local 8-bit encoding into a fixed buffer: cut to size - 1 bytes when it is
// longer, always terminated when size > 0.
void ConvtQStringToChar(char* buffer, size_t size, const QString& text);

template <size_t N>
void ConvtQStringToChar(char (&buffer)[N], const QString& text)
{
    ConvtQStringToChar(buffer, N, text);
}
