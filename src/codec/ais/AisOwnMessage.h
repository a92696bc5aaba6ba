#pragma once

#include "codec/ais/AisMessages.h"

#include <cstdint>

// Own-ship messages built from ship-table entry 0, for a transmit side (this program sends none).

struct COMMUNICATION_STATE
{
    uint8_t selector; // messages 9 and 18: 0 SOTDMA, 1 ITDMA
    uint32_t state;   // the 19 bits as sent
};

// Messages 1 to 9, 12 to 15 and 18 to 23: the record is cleared, then gets the identifier, the
// own MMSI and every field that entry 0 keeps for that message; the fields that the entry does
// not keep (destinations, texts, binary data, slots) are left for the caller. False for any other
// identifier. The caller holds the codec lock.
bool CreateAisMsg(uint8_t messageId, UN_AIS_MESSAGE* message, COMMUNICATION_STATE state);
