#include "codec/ais/AisMessage.h"

#include "codec/ais/AisMsgAck.h"
#include "codec/records/AisRxBuffers.h"
#include "codec/records/CodecLock.h"
#include "codec/ais/AisMsgTables.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <algorithm>
#include <cstring>

uint16_t RxBinMsgAppId = 0;

namespace {

// Where an addressed message 22 carries its two destination MMSIs.
constexpr uint32_t MSG22_DESTINATION1_BIT = 69;
constexpr uint32_t MSG22_DESTINATION2_BIT = 104;
constexpr uint32_t MMSI_BITS = 30;
constexpr uint32_t MMSI_BIT = 8;
// Part number of message 24, destination indicator of messages 25 and 26.
constexpr uint32_t FORM_BIT = 38;
// Message 24 defines part A (0) and part B (1) only.
constexpr uint32_t MSG24_LAST_PART = 1;

uint8_t* bytesOf(UN_AIS_MESSAGE* message)
{
    return reinterpret_cast<uint8_t*>(message);
}

bool isAddressed22(const UN_AIS_MESSAGE& message)
{
    return message.messageId == 22 && message.msg22.addressed == 1;
}

int formIndex(uint8_t id, uint32_t formBits)
{
    switch (id) {
    case 24:
        return formBits == 1 ? AIS_FORM_24B : AIS_FORM_24A;
    case 25:
        return formBits == 1 ? AIS_FORM_25A : AIS_FORM_25B;
    case 26:
        return formBits == 1 ? AIS_FORM_26A : AIS_FORM_26B;
    default:
        return id - 1;
    }
}

// The length field that follows the binary data of messages 6, 8, 25 and 26, in bits.
uint32_t binaryBits(const UN_AIS_MESSAGE& message)
{
    switch (message.messageId) {
    case 6:
        return message.msg6.dataBytes * 8u;
    case 8:
        return message.msg8.dataBytes * 8u;
    case 25:
        return message.msg25a.addressed ? message.msg25a.dataBits : message.msg25b.dataBits;
    case 26:
        return message.msg26a.addressed ? message.msg26a.dataBits : message.msg26b.dataBits;
    default:
        return 0;
    }
}

void setBinaryLength(UN_AIS_MESSAGE& message, uint32_t bits)
{
    const uint16_t bytes = static_cast<uint16_t>((bits + 7) / 8);
    switch (message.messageId) {
    case 6:
        message.msg6.dataBytes = bytes;
        break;
    case 8:
        message.msg8.dataBytes = bytes;
        break;
    case 25:
        if (message.msg25a.addressed)
            message.msg25a.dataBits = static_cast<uint16_t>(bits);
        else
            message.msg25b.dataBits = static_cast<uint16_t>(bits);
        break;
    case 26:
        if (message.msg26a.addressed)
            message.msg26a.dataBits = static_cast<uint16_t>(bits);
        else
            message.msg26b.dataBits = static_cast<uint16_t>(bits);
        break;
    default:
        break;
    }
}

void readAppIdentifier(const uint8_t* data, uint32_t bits, uint16_t* dac, uint8_t* fi)
{
    if (bits < 16)
        return;
    const uint16_t identifier = AisMsgCodec_GetAppIdentifier(data[0], data[1]);
    *dac = AisMsgCodec_GetDAC(identifier);
    *fi = AisMsgCodec_GetFI(identifier);
}

} // namespace

bool AisMessageInitial()
{
    CCodecLock lock;
    AisRxBuffersInitial();
    AisMsg_Ack_Init();
    return true;
}

void AisBinMsgCodecInitial()
{
    CCodecLock lock;
    RxBinMsgAppId = 0;
}

AIS_UNPACK_RESULT AisMsg_GetFormat_ByMsg(const AIS_raw_message* raw, const AIS_MESSAGE_FORMAT** list)
{
    if (!raw || !list)
        return AIS_UNPACK_MALFORMED;
    const uint32_t bitCount = std::min<uint32_t>(raw->bitCount, AIS_RAW_MSG_BITS);
    const uint8_t id = static_cast<uint8_t>(AisMsgCodec_FieldPick(raw->bits, bitCount, 0, 6));
    if (bitCount < 6 || AisMsgCodec_CheckMsgId(id))
        return AIS_UNPACK_MALFORMED;
    if (id == 27)
        return AIS_UNPACK_NO_LAYOUT;
    const uint32_t formWidth = id == 24 ? 2 : 1;
    const uint32_t form = AisMsgCodec_FieldPick(raw->bits, bitCount, FORM_BIT, formWidth);
    // Filed as a part A, an undefined part would write its bits over the station's name.
    if (id == 24 && form > MSG24_LAST_PART) {
        Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(
            DBG_WARNING, "AisMsg_GetFormat_ByMsg", 0, "message 24 of MMSI %u with part number %u refused",
            AisMsgCodec_FieldPick(raw->bits, bitCount, MMSI_BIT, MMSI_BITS), form);
        return AIS_UNPACK_NO_LAYOUT;
    }
    *list = AisMsgFmt[formIndex(id, form)];
    return AIS_UNPACK_DONE;
}

AIS_UNPACK_RESULT AisMessageUnpack(const AIS_raw_message* raw, UN_AIS_MESSAGE* message)
{
    if (!message)
        return AIS_UNPACK_MALFORMED;
    std::memset(message, 0, sizeof *message);
    const AIS_MESSAGE_FORMAT* list = nullptr;
    const AIS_UNPACK_RESULT found = AisMsg_GetFormat_ByMsg(raw, &list);
    if (found != AIS_UNPACK_DONE)
        return found;
    const uint32_t bitCount = std::min<uint32_t>(raw->bitCount, AIS_RAW_MSG_BITS);
    uint32_t runBits = 0;
    if (AisMsgCodec_Unpack(raw->bits, bitCount, bytesOf(message), sizeof *message, list, &runBits) != AIS_CODEC_DONE)
        return AIS_UNPACK_MALFORMED;
    setBinaryLength(*message, runBits);
    if (isAddressed22(*message)) {
        message->msg22.destinations = AIS_AREA_DESTINATIONS{};
        message->msg22.destinations.mmsi1
            = AisMsgCodec_FieldPick(raw->bits, bitCount, MSG22_DESTINATION1_BIT, MMSI_BITS);
        message->msg22.destinations.mmsi2
            = AisMsgCodec_FieldPick(raw->bits, bitCount, MSG22_DESTINATION2_BIT, MMSI_BITS);
    }
    return AIS_UNPACK_DONE;
}

int AisMsg_GetFormat_ByData(const UN_AIS_MESSAGE* message, const AIS_MESSAGE_FORMAT** list)
{
    if (!message || !list || !AisMessageIDCheck(message->messageId))
        return 1;
    const uint32_t form = message->messageId == 24 ? message->msg24a.partNumber : message->msg25a.addressed;
    *list = AisMsgFmt[formIndex(message->messageId, form)];
    return 0;
}

bool AisMessagePack(const UN_AIS_MESSAGE* message, AIS_raw_message* raw)
{
    const AIS_MESSAGE_FORMAT* list = nullptr;
    if (!raw || AisMsg_GetFormat_ByData(message, &list) != 0)
        return false;
    *raw = AIS_raw_message{};
    UN_AIS_MESSAGE packed = *message;
    // The destinations of an addressed message 22 are written over its area afterwards.
    if (isAddressed22(packed))
        packed.msg22.area = AIS_AREA{};
    uint32_t bitCount = 0;
    if (AisMsgCodec_Pack(bytesOf(&packed), sizeof packed, list, raw->bits, sizeof raw->bits, &bitCount,
                         binaryBits(packed))
        != AIS_CODEC_DONE)
        return false;
    if (isAddressed22(packed)) {
        AisMsgInsertPut(raw->bits, sizeof raw->bits, MSG22_DESTINATION1_BIT, MMSI_BITS,
                        message->msg22.destinations.mmsi1);
        AisMsgInsertPut(raw->bits, sizeof raw->bits, MSG22_DESTINATION2_BIT, MMSI_BITS,
                        message->msg22.destinations.mmsi2);
    }
    raw->bitCount = static_cast<uint16_t>(bitCount);
    return true;
}

uint8_t AisMsgCodec_GetMsgId(const uint8_t* bits)
{
    return bits ? static_cast<uint8_t>(bits[0] >> 2) : 0;
}

int AisMsgCodec_CheckMsgId(uint8_t id)
{
    return id == 0 || id > 27;
}

bool AisMessageIDCheck(uint8_t id)
{
    return id >= 1 && id <= 26;
}

uint16_t AisMsgCodec_GetAppIdentifier(uint8_t first, uint8_t second)
{
    return static_cast<uint16_t>(first << 8 | second);
}

uint16_t AisMsgCodec_GetDAC(uint16_t identifier)
{
    return static_cast<uint16_t>(identifier >> 6);
}

uint8_t AisMsgCodec_GetFI(uint16_t identifier)
{
    return static_cast<uint8_t>(identifier & 63);
}

void GetAppIdentifier(const UN_AIS_MESSAGE* message, uint16_t* dac, uint8_t* fi)
{
    *dac = 0;
    *fi = 0;
    if (!message)
        return;
    switch (message->messageId) {
    case 6:
        readAppIdentifier(message->msg6.data, binaryBits(*message), dac, fi);
        break;
    case 8:
        readAppIdentifier(message->msg8.data, binaryBits(*message), dac, fi);
        break;
    case 25:
        if (message->msg25a.structured)
            readAppIdentifier(message->msg25a.addressed ? message->msg25a.data : message->msg25b.data,
                              binaryBits(*message), dac, fi);
        break;
    default:
        break;
    }
}

int DecodeAisBinaryMessage(const UN_AIS_MESSAGE* message, uint8_t /*channel*/)
{
    if (!message || (message->messageId != 6 && message->messageId != 8 && message->messageId != 25))
        return 1;
    uint16_t dac;
    uint8_t fi;
    GetAppIdentifier(message, &dac, &fi);
    RxBinMsgAppId = static_cast<uint16_t>(fi | dac << 6);
    return 0;
}
