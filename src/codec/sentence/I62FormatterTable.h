#pragma once

#include "codec/sentence/I62Record.h"

#include <cstdint>

// The formatters the dispatcher knows: group, subtype and the parser a sentence reaches.

using I62_PARSER = bool (*)(char* sentence, I61162_Data_Structure* record);

struct I62_FORMATTER_ENTRY
{
    uint32_t code; // I62_FormatterCode
    int group;
    int subtype;
    I62_PARSER parser; // null: known, but refused
};

// The entry of a formatter; null when it is not listed.
const I62_FORMATTER_ENTRY* I62_FindFormatter(const char* formatter);
