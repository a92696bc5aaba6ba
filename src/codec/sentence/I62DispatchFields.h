#pragma once

#include "codec/sentence/I62Types.h"

#include <cstddef>

// Field sets of the sentences that the dispatcher reads itself: parsed, not filed.

struct I62_RMA_DATA
{
    uint8_t status; // the blank when empty
    I62_DEGREE position;
};

constexpr size_t I62_WPL_ID_ROOM = 21;

struct I62_WPL_DATA
{
    I62_DEGREE position;
    char waypointId[I62_WPL_ID_ROOM]; // cut to its room; empty when the field is
};
