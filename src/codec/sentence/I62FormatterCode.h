#pragma once

#include <cstdint>

// A formatter as one number: its three characters packed first << 16 | second << 8 | third
// ("ACA" is 0x414341, the query "Q" 0x510000). Reads at most three characters and stops at
// the end of a shorter text.
constexpr uint32_t I62_FormatterCode(const char* formatter)
{
    uint32_t code = 0;
    bool ended = false;
    for (int i = 0; i < 3; ++i) {
        ended = ended || formatter[i] == '\0';
        code = code << 8 | (ended ? 0u : static_cast<uint8_t>(formatter[i]));
    }
    return code;
}
