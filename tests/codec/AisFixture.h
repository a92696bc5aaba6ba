#pragma once

#include "SentenceFixture.h"
#include "codec/ais/AisMessage.h"
#include "codec/ais/I62Encap.h"
#include "codec/families/I62Ais.h"

#include <QByteArray>
#include <QList>
#include <cstring>

// AIS lines through the parser, the fragment store, the armour and the field codec.
namespace AisFixture {

// The sentence without what a receiver appended after its checksum.
inline QByteArray sentenceOf(const QByteArray& line)
{
    const int star = line.indexOf('*');
    return star < 0 ? line : line.left(star + 3);
}

// One VDM/VDO line into the fragment store; the append result, or -1 when the parser refused it.
inline int feedLine(const QByteArray& line, Encapsulation_Sentence_Structure* receiveSlot)
{
    I61162_Data_Structure record = SentenceFixture::staleRecord();
    const QByteArray sentence = sentenceOf(line);
    std::memcpy(record.formatter, sentence.constData() + 3, 3);
    record.formatter[3] = '\0';
    if (!SentenceFixture::parseLine(AIS_FMT_VDM, sentence, &record))
        return -1;
    return I62_AppendEncapSentence(&record, receiveSlot);
}

// Armoured text and fill bits to the message bits; false for a character outside the armour.
inline bool rawOf(const QByteArray& payload, int fillBits, AIS_raw_message* raw)
{
    Encapsulation_Sentence_Structure slot{};
    std::strncpy(slot.payload, payload.constData(), sizeof slot.payload - 1);
    slot.fillBits = static_cast<uint8_t>(fillBits);
    return I62_EncapSentenceDecode(&slot, raw);
}

// The payloads of the lines joined; the fill bits of the last line.
inline QByteArray payloadOf(const QList<QByteArray>& lines, int* fillBits = nullptr)
{
    QByteArray payload;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = sentenceOf(line).split(',');
        payload += fields.value(5);
        if (fillBits)
            *fillBits = fields.value(6).left(1).toInt();
    }
    return payload;
}

// Decodes the lines as the receive road does: parser, fragment store, armour, unpacker.
inline AIS_UNPACK_RESULT decodeThroughStore(const QList<QByteArray>& lines, UN_AIS_MESSAGE* message)
{
    I62_EncapSenten_Init();
    Encapsulation_Sentence_Structure receiveSlot{};
    for (const QByteArray& line : lines) {
        if (feedLine(line, &receiveSlot) == I62_APPEND_COMPLETE) {
            AIS_raw_message raw;
            if (!I62_EncapSentenceDecode(&receiveSlot, &raw))
                return AIS_UNPACK_MALFORMED;
            return AisMessageUnpack(&raw, message);
        }
    }
    return AIS_UNPACK_MALFORMED;
}

// The lines straight into the unpacker, past the parser and the fragment store.
inline AIS_UNPACK_RESULT unpackLines(const QList<QByteArray>& lines, UN_AIS_MESSAGE* message)
{
    int fillBits = 0;
    const QByteArray payload = payloadOf(lines, &fillBits);
    AIS_raw_message raw;
    if (!rawOf(payload, fillBits, &raw))
        return AIS_UNPACK_MALFORMED;
    return AisMessageUnpack(&raw, message);
}

} // namespace AisFixture
