#include "codec/families/I62Ais.h"

#include "codec/sentence/I62FieldReaders.h"
#include "codec/sentence/I62FieldValue.h"
#include "codec/sentence/I62Number.h"
#include "codec/sentence/I62Syntax.h"

#include <cstring>

namespace {

bool inRange(int64_t value, int64_t low, int64_t high)
{
    return value >= low && value <= high;
}

// The encapsulated text, refused whole when it is longer than a whole message may be.
bool takePayload(I62_ENCAP_DATA& f, const char* field)
{
    if (!I62_IsEmptyField(field) && std::strlen(field) >= sizeof f.payload)
        return false;
    I62_FieldTextOrEmpty(f.payload, field);
    return true;
}

// The fill bits end every encapsulation sentence; an empty field refuses it.
bool takeFillBits(I62_ENCAP_DATA& f, const char* field)
{
    const int64_t fill = I62_FieldInt(field, I62_ABSENT_U8);
    if (!inRange(fill, 0, 5))
        return false;
    f.fillBits = static_cast<uint8_t>(fill);
    return true;
}

// Total, sentence number and sequential identifier of VDM, VDO and BBM.
bool takeBroadcastNumbering(I62_ENCAP_DATA& f)
{
    const int64_t total = I62_FieldInt(I62_NextField(), 0);
    const int64_t number = I62_FieldInt(I62_NextField(), 0);
    const int64_t sequence = I62_FieldInt(I62_NextField(), I62_ABSENT_U8);
    if (!inRange(total, 0, 9) || !inRange(number, 0, 9) || (sequence != I62_ABSENT_U8 && !inRange(sequence, 0, 9)))
        return false;
    f.totalSentences = static_cast<uint8_t>(total);
    f.sentenceNumber = static_cast<uint8_t>(number);
    f.sequenceId = static_cast<uint8_t>(sequence);
    return true;
}

bool parseVdmVdo(char* sentence, I61162_Data_Structure* record)
{
    I62_ENCAP_DATA& f = record->data.encap;
    f = I62_ENCAP_DATA{};
    if (!I62_CalFieldDelimiter(sentence, 6))
        return false;
    I62_SkipAddressField(sentence);
    if (!takeBroadcastNumbering(f))
        return false;
    f.channel = I62_FieldChar(I62_NextField(), I62_ABSENT_U8);
    return takePayload(f, I62_NextField()) && takeFillBits(f, I62_LastField());
}

} // namespace

bool AIS_FMT_VDM(char* sentence, I61162_Data_Structure* record)
{
    return parseVdmVdo(sentence, record);
}

bool AIS_FMT_VDO(char* sentence, I61162_Data_Structure* record)
{
    return parseVdmVdo(sentence, record);
}

bool AIS_FMT_BBM(char* sentence, I61162_Data_Structure* record)
{
    I62_ENCAP_DATA& f = record->data.encap;
    f = I62_ENCAP_DATA{};
    if (!I62_CalFieldDelimiter(sentence, 7))
        return false;
    I62_SkipAddressField(sentence);
    if (!takeBroadcastNumbering(f))
        return false;
    f.channel = I62_FieldU8(I62_NextField(), I62_ABSENT_U8);
    f.messageId = I62_FieldU8(I62_NextField(), I62_ABSENT_U8);
    return takePayload(f, I62_NextField()) && takeFillBits(f, I62_LastField());
}

bool AIS_FMT_ABM(char* sentence, I61162_Data_Structure* record)
{
    I62_ENCAP_DATA& f = record->data.encap;
    f = I62_ENCAP_DATA{};
    if (!I62_CalFieldDelimiter(sentence, 8))
        return false;
    I62_SkipAddressField(sentence);
    const int64_t total = I62_FieldInt(I62_NextField(), 0);
    const int64_t number = I62_FieldInt(I62_NextField(), 0);
    const int64_t sequence = I62_FieldInt(I62_NextField(), I62_ABSENT_U8);
    const int64_t destination = I62_FieldInt(I62_NextField(), 0);
    const int64_t channel = I62_FieldInt(I62_NextField(), I62_ABSENT_U8);
    const int64_t messageId = I62_FieldInt(I62_NextField(), I62_ABSENT_U8);
    if (!inRange(total, 1, 9) || !inRange(number, 1, 9) || !inRange(sequence, 0, 3)
        || !inRange(destination, 0, 999999999) || !inRange(channel, 0, 3) || (messageId != 6 && messageId != 12))
        return false;
    f.totalSentences = static_cast<uint8_t>(total);
    f.sentenceNumber = static_cast<uint8_t>(number);
    f.sequenceId = static_cast<uint8_t>(sequence);
    f.destMmsi = static_cast<uint64_t>(destination);
    f.channel = static_cast<uint8_t>(channel);
    f.messageId = static_cast<uint8_t>(messageId);
    return takePayload(f, I62_NextField()) && takeFillBits(f, I62_LastField());
}

bool I62_FMT_TXT(char* sentence, I61162_Data_Structure* record)
{
    I62_TXT_DATA& f = record->data.txt;
    std::memset(f.text, 0, sizeof f.text);
    if (!I62_CalFieldDelimiter(sentence, 4))
        return false;
    I62_SkipAddressField(sentence);
    uint8_t* numbers[] = {&f.totalSentences, &f.sentenceNumber, &f.textId};
    for (uint8_t* number : numbers) {
        const int64_t value = I62_FieldInt(I62_NextField(), I62_ABSENT_U8);
        if (value != I62_ABSENT_U8 && !inRange(value, 1, 99))
            return false;
        *number = static_cast<uint8_t>(value);
    }
    I62_FieldTextOrEmpty(f.text, I62_LastField());
    return true;
}

bool AIS_FMT_ABK(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 5))
        return false;
    I62_ABK_DATA& f = record->data.abk;
    I62_SkipAddressField(sentence);
    f.mmsi = static_cast<uint64_t>(I62_FieldInt(I62_NextField(), 0));
    f.channel = I62_FieldU8(I62_NextField(), 0);
    f.messageId = I62_FieldU8(I62_NextField(), 0);
    f.sequenceNumber = I62_FieldU8(I62_NextField(), 0);
    f.ackType = I62_FieldU8(I62_LastField(), 0);
    return true;
}

bool I62_FMT_ACK(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 1))
        return false;
    I62_SkipAddressField(sentence);
    record->data.ack.alarmNumber = I62_FieldU16(I62_LastField(), 1000);
    return true;
}

bool I62_FMT_ALR(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 5))
        return false;
    I62_ALR_DATA& f = record->data.alr;
    I62_SkipAddressField(sentence);
    I62_GetTime(I62_NextField(), &f.changeTime);
    f.alarmNumber = I62_FieldU16(I62_NextField(), 0);
    f.condition = I62_FieldChar(I62_NextField(), I62_ABSENT_U8);
    f.ackState = I62_FieldChar(I62_NextField(), I62_ABSENT_U8);
    I62_FieldTextOrEmpty(f.description, I62_LastField());
    return true;
}

bool AIS_FMT_ACS(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 6))
        return false;
    I62_ACS_DATA& f = record->data.acs;
    I62_SkipAddressField(sentence);
    f.sequenceNumber = I62_FieldU8(I62_NextField(), I62_ABSENT_U8);
    f.originatorMmsi = static_cast<uint64_t>(I62_FieldInt(I62_NextField(), 0));
    I62_GetTime(I62_NextField(), &f.utcTime);
    f.day = I62_FieldU8(I62_NextField(), I62_ABSENT_U8);
    f.month = I62_FieldU8(I62_NextField(), I62_ABSENT_U8);
    f.year = I62_FieldU16(I62_LastField(), 0);
    return true;
}

bool AIS_FMT_ACA(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 19))
        return false;
    I62_ACA_DATA& f = record->data.aca;
    I62_SkipAddressField(sentence);
    f.sequenceNumber = I62_FieldU8(I62_NextField(), 0);
    char* next = I62_GetDegree(I62_NextField(), &f.northEast);
    next = I62_GetDegree(next, &f.southWest);
    f.zoneSize = I62_FieldU8(next, 0);
    f.channelA = I62_FieldU16(I62_NextField(), 0);
    f.bandwidthA = I62_FieldU8(I62_NextField(), 0);
    f.channelB = I62_FieldU16(I62_NextField(), 0);
    f.bandwidthB = I62_FieldU8(I62_NextField(), 0);
    f.txRxMode = I62_FieldU8(I62_NextField(), 0);
    f.powerLevel = I62_FieldU8(I62_NextField(), 0);
    f.infoSource = I62_FieldChar(I62_NextField(), ' ');
    f.inUse = I62_FieldU8(I62_NextField(), 0);
    I62_GetTime(I62_LastField(), &f.inUseChanged);
    return true;
}

bool AIS_FMT_SSD(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 8))
        return false;
    I62_SSD_DATA& f = record->data.ssd;
    I62_SkipAddressField(sentence);
    I62_FieldTextOrEmpty(f.callSign, I62_NextField());
    I62_FieldTextOrEmpty(f.name, I62_NextField());
    f.toBow = I62_FieldU16(I62_NextField(), I62_SSD_NO_LENGTH);
    f.toStern = I62_FieldU16(I62_NextField(), I62_SSD_NO_LENGTH);
    f.toPort = I62_FieldU8(I62_NextField(), I62_SSD_NO_WIDTH);
    f.toStarboard = I62_FieldU8(I62_NextField(), I62_SSD_NO_WIDTH);
    f.dte = I62_FieldU8(I62_NextField(), I62_SSD_NO_DTE);
    I62_FieldText(f.sourceId, I62_LastField());
    return true;
}

bool AIS_FMT_VSD(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 9))
        return false;
    I62_VSD_DATA& f = record->data.vsd;
    I62_SkipAddressField(sentence);
    const char* shipType = I62_NextField();
    f.shipType = I62_IsEmptyField(shipType) ? I62_VSD_NO_SHIP_TYPE : static_cast<uint16_t>(I62_Atoi(shipType) & 0xFF);
    f.draught = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.personsOnBoard = I62_FieldU16(I62_NextField(), I62_VSD_NO_PERSONS);
    I62_FieldTextOrEmpty(f.destination, I62_NextField());
    I62_GetTime(I62_NextField(), &f.etaTime);
    f.etaDay = I62_FieldU8(I62_NextField(), I62_VSD_NO_DAY);
    f.etaMonth = I62_FieldU8(I62_NextField(), I62_VSD_NO_MONTH);
    f.navStatus = I62_FieldU8(I62_NextField(), I62_ABSENT_U8);
    f.regionalFlags = I62_FieldU8(I62_LastField(), 0);
    return true;
}
