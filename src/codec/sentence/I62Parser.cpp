#include "codec/sentence/I62Dispatch.h"

#include "codec/ais/AisMessage.h"
#include "codec/ais/I62Encap.h"
#include "codec/compose/I62SentenceQueue.h"
#include "codec/records/CodecLock.h"
#include "codec/records/CodecNote.h"
#include "codec/records/SensorStores.h"
#include "codec/records/ShipTable.h"
#include "codec/sentence/I62FormatterCode.h"

UN_AIS_MESSAGE RxAisMessage;
uint32_t ExtCount_TxChA = 0;
uint32_t ExtCount_TxChB = 0;

namespace {

bool isVdo(const I61162_Data_Structure& record)
{
    return I62_FormatterCode(record.formatter) == I62_FormatterCode("VDO");
}

void countSentence(GENERIC_SHIP_DATA& entry, bool own, uint8_t channel)
{
    if (channel == I62_ABSENT_U8)
        return;
    if (!own) {
        ++entry.vdmCount;
        return;
    }
    ++entry.vdoCount;
    if (channel == 'A')
        ++ExtCount_TxChA;
    else if (channel == 'B')
        ++ExtCount_TxChB;
}

SCodecNoteThrottle MalformedNotes;

// Refused for this sentence alone: the messages being joined and the stations known stay.
void logMalformed(const I61162_Data_Structure& record, const AIS_raw_message& raw)
{
    CodecNote(&MalformedNotes, "Parser", "%.3s message refused: its %u bits are no AIS message (identifier %u)",
              record.formatter, static_cast<unsigned>(raw.bitCount),
              static_cast<unsigned>(AisMsgCodec_GetMsgId(raw.bits)));
}

// The fragment into the store; a completed VDM or VDO message decoded, unpacked and filed.
int decodeEncapsulated(const I61162_Data_Structure& record)
{
    // A fragment that completes nothing leaves the receive slot as it was: nothing new to decode.
    if (I62_AppendEncapSentence(&record, &RxEncapTuple) != I62_APPEND_COMPLETE)
        return I62_RESULT_PENDING;
    if (!I62_EncapSentenceDecode(&RxEncapTuple, &RxAisRawMsgTuple))
        return I62_RESULT_ARMOUR;
    switch (AisMessageUnpack(&RxAisRawMsgTuple, &RxAisMessage)) {
    case AIS_UNPACK_DONE:
        break;
    case AIS_UNPACK_NO_LAYOUT:
        return I62_RESULT_NOT_DECODED;
    case AIS_UNPACK_MALFORMED:
        logMalformed(record, RxAisRawMsgTuple);
        return I62_RESULT_UNPACK;
    }

    const bool own = isVdo(record);
    const uint8_t channel = record.data.encap.channel;
    const int entry = StoreAisMsg(&RxAisMessage, channel - 'A', 0, own);
    if (entry >= 0 && entry < SHIP_TABLE_SIZE) {
        countSentence(ShipData[entry], own, channel);
        ShipData[entry].lastMessageId = RxAisMessage.messageId;
    }
    DecodeAisBinaryMessage(&RxAisMessage, channel);
    return I62_RESULT_OK;
}

} // namespace

int Parser(char* sentence, size_t size, I61162_Data_Structure* record)
{
    const int decomposed = I62_Decompose(sentence, size, record);
    if (decomposed != I62_RESULT_OK)
        return decomposed;
    I62_ProcessData(record);
    if (record->startChar == '!')
        return decodeEncapsulated(*record);
    RxAisMessage = UN_AIS_MESSAGE{};
    RxEncapTuple = Encapsulation_Sentence_Structure{};
    return I62_RESULT_OK;
}

bool I62_ProcessData(I61162_Data_Structure* record)
{
    if (!record)
        return false;
    I62_GetGroupType(&record->group, nullptr, record->formatter);
    switch (record->group) {
    case I62_GROUP_GNSS:
        return CurGpsPort >= 0 && CurGpsPort < GPS_SLOTS && StoreGPSData(record, &GpsData[CurGpsPort]);
    case I62_GROUP_SENSOR:
        return StoreSensorData(record, &EXTGnssData);
    case I62_GROUP_LONG_RANGE:
        return StoreLRngData(record, &EXTLRngData);
    case I62_GROUP_AIS:
        return StoreAISData(record, &EXTAISData);
    case I62_GROUP_DSC:
        return StoreDSCData(record, &EXTDSCData);
    case I62_GROUP_PROPRIETARY:
        return StoreProprietaryData(record, &EXTPriData);
    case I62_GROUP_ATON:
        return StoreAtoNData(record, &EXTAtoNData);
    case I62_GROUP_RADAR:
        return StoreRadarData(record, &EXTRadarData);
    case I62_GROUP_QUERY:
        return StoreQueryData(record);
    default:
        return false;
    }
}

bool MsgCodecInitial()
{
    CCodecLock lock;
    RxEncapTuple = Encapsulation_Sentence_Structure{};
    TxEncapTuple = Encapsulation_Sentence_Structure{};
    I62SentenceQueue.count = 0;
    I62_EncapSenten_Init();
    MalformedNotes = SCodecNoteThrottle{};
    return true;
}
