#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>

// Copies one fixed text array into another: the source is read only up to its own end, the
// copy is cut to the room and always NUL-terminated.
template <size_t N, size_t M>
void CopyFixedText(char (&out)[N], const char (&text)[M])
{
    const size_t length = std::min(strnlen(text, M), N - 1);
    std::memcpy(out, text, length);
    out[length] = '\0';
}
