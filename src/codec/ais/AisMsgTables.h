#pragma once

#include "codec/ais/AisMsgCodec.h"

#include <cstdint>

// The layouts of the AIS messages, in the order of ITU-R M.1371.

constexpr int AIS_MSG_PRIORITIES = 28;
// Transmission priority of messages 1 to 28.
extern const uint32_t AisMsgPriority[AIS_MSG_PRIORITIES];

// Layout by message identifier - 1 for messages 1 to 23 (2 and 3 share that of 1, 11 that of
// 4, 13 that of 7), then the two forms of 24, 25 and 26. Message 27 has none.
enum AIS_MSG_FORM
{
    AIS_FORM_24A = 23,
    AIS_FORM_24B = 24,
    AIS_FORM_25A = 25, // addressed
    AIS_FORM_25B = 26, // broadcast
    AIS_FORM_26A = 27,
    AIS_FORM_26B = 28,
    AIS_FORMS = 29,
};
extern const AIS_MESSAGE_FORMAT* const AisMsgFmt[AIS_FORMS];
