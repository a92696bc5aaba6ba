#pragma once

#include "codec/ais/AisMessages.h"
#include "codec/ais/AisMsgCodec.h"
#include "codec/ais/I62Encap.h"

#include <cstdint>

// AIS messages between their bits and the unpacked record.

// Results of AisMessageUnpack and AisMsg_GetFormat_ByMsg.
enum AIS_UNPACK_RESULT
{
    AIS_UNPACK_DONE = 0,
    // A message without a layout here (message 27, message 24 with a part number other than
    // 0 or 1): not decoded, and the codec keeps its state: the stations it knows lose nothing.
    AIS_UNPACK_NO_LAYOUT = 1,
    // Malformed: no message, fewer than the 6 bits of the identifier, or identifier 0 or above 27.
    AIS_UNPACK_MALFORMED = 2,
};

// Application identifier (DAC << 6 | FI) of the last binary message received.
extern uint16_t RxBinMsgAppId;

// Both take the codec lock. The layouts are constant data; this resets the message buffers
// of the ship table (AisRxBuffersInitial) and clears the acknowledgement queue. True.
bool AisMessageInitial();
void AisBinMsgCodecInitial();

// Clears the record and unpacks the message into it. Messages 6 and 8 also get the length of
// their binary data in bytes, 25 and 26 in bits; an addressed message 22 gets its two
// destination MMSIs in place of the area.
AIS_UNPACK_RESULT AisMessageUnpack(const AIS_raw_message* raw, UN_AIS_MESSAGE* message);
// The layout of the message in the bits: message 24 by its part number, 25 and 26 by their
// destination indicator.
AIS_UNPACK_RESULT AisMsg_GetFormat_ByMsg(const AIS_raw_message* raw, const AIS_MESSAGE_FORMAT** list);

// Packs the record into the raw message; false when it has no layout or does not fit.
bool AisMessagePack(const UN_AIS_MESSAGE* message, AIS_raw_message* raw);
// 0 with the layout of the record, 1 when it has none.
int AisMsg_GetFormat_ByData(const UN_AIS_MESSAGE* message, const AIS_MESSAGE_FORMAT** list);

// The first six bits; 0 for null.
uint8_t AisMsgCodec_GetMsgId(const uint8_t* bits);
// Non-zero when the identifier is 0 or above 27.
int AisMsgCodec_CheckMsgId(uint8_t id);
// True for 1 to 26.
bool AisMessageIDCheck(uint8_t id);

// Application identifier from its two bytes, and its parts.
uint16_t AisMsgCodec_GetAppIdentifier(uint8_t first, uint8_t second);
uint16_t AisMsgCodec_GetDAC(uint16_t identifier);
uint8_t AisMsgCodec_GetFI(uint16_t identifier);
// DAC and FI of a message 6, 8 or structured 25 that carries them; else both 0.
void GetAppIdentifier(const UN_AIS_MESSAGE* message, uint16_t* dac, uint8_t* fi);
// 0 for messages 6, 8 and 25, which set RxBinMsgAppId; 1 for any other.
int DecodeAisBinaryMessage(const UN_AIS_MESSAGE* message, uint8_t channel);
