#include "codec/families/I62DscLRng.h"

#include "codec/sentence/I62FieldReaders.h"
#include "codec/sentence/I62FieldValue.h"
#include "codec/sentence/I62Syntax.h"

#include <cstring>

namespace {

uint8_t byteOf(const char* field)
{
    return I62_FieldU8(field, 0);
}

uint64_t wideOf(const char* field)
{
    return static_cast<uint64_t>(I62_FieldInt(field, 0));
}

uint8_t characterOf(const char* field)
{
    return I62_FieldChar(field, ' ');
}

float floatOf(const char* field)
{
    return I62_FieldFloat(field, 0.0f);
}

} // namespace

bool I62_FMT_DSC(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 11))
        return false;
    I62_DSC_DATA& f = record->data.dsc;
    I62_SkipAddressField(sentence);
    f.formatSpecifier = byteOf(I62_NextField());
    f.address = wideOf(I62_NextField());
    f.category = byteOf(I62_NextField());
    f.firstTelecommand = byteOf(I62_NextField());
    f.secondTelecommand = byteOf(I62_NextField());
    I62_FieldTextOrEmpty(f.positionOrChannel, I62_NextField());
    I62_FieldTextOrEmpty(f.timeOrNumber, I62_NextField());
    f.distressMmsi = wideOf(I62_NextField());
    f.distressNature = byteOf(I62_NextField());
    f.acknowledgement = characterOf(I62_NextField());
    f.expansion = characterOf(I62_LastField());
    return true;
}

bool I62_FMT_DSE(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 6))
        return false;
    I62_DSE_DATA& f = record->data.dse;
    I62_SkipAddressField(sentence);
    f.totalSentences = characterOf(I62_NextField());
    f.sentenceNumber = characterOf(I62_NextField());
    f.queryReply = characterOf(I62_NextField());
    f.mmsi = wideOf(I62_NextField());
    f.dataSetCode = byteOf(I62_NextField());
    I62_FieldTextOrEmpty(f.data, I62_LastField());
    return true;
}

bool I62_FMT_DSI(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 9))
        return false;
    I62_DSI_DATA& f = record->data.dsi;
    I62_SkipAddressField(sentence);
    f.totalSentences = characterOf(I62_NextField());
    f.sentenceNumber = characterOf(I62_NextField());
    f.mmsi = wideOf(I62_NextField());
    f.commandType = byteOf(I62_NextField());
    f.dataSetCode = byteOf(I62_NextField());
    I62_FieldTextOrEmpty(f.data, I62_NextField());
    f.secondDataSetCode = byteOf(I62_NextField());
    I62_FieldTextOrEmpty(f.secondData, I62_NextField());
    f.status = characterOf(I62_LastField());
    return true;
}

bool I62_FMT_DSR(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 6))
        return false;
    I62_DSR_DATA& f = record->data.dsr;
    I62_SkipAddressField(sentence);
    f.totalSentences = characterOf(I62_NextField());
    f.sentenceNumber = characterOf(I62_NextField());
    f.mmsi = wideOf(I62_NextField());
    f.dataSetCode = byteOf(I62_NextField());
    I62_FieldTextOrEmpty(f.data, I62_NextField());
    f.status = characterOf(I62_LastField());
    return true;
}

bool AIS_FMT_LRI(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 12))
        return false;
    I62_LRI_DATA& f = record->data.lri;
    // The south-west corner ends the sentence: end its hemisphere field with a comma too, so
    // that the position reader takes it instead of losing the sign.
    if (char* star = std::strchr(sentence, '*'))
        *star = ',';
    I62_SkipAddressField(sentence);
    f.sequenceNumber = byteOf(I62_NextField());
    f.controlFlag = characterOf(I62_NextField());
    f.requestorMmsi = wideOf(I62_NextField());
    f.destinationMmsi = wideOf(I62_NextField());
    char* next = I62_GetDegree(I62_NextField(), &f.northEast);
    I62_GetLRngDegree(next, &f.southWest);
    return true;
}

bool AIS_FMT_LRF(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 5))
        return false;
    I62_LRF_DATA& f = record->data.lrf;
    I62_SkipAddressField(sentence);
    f.sequenceNumber = byteOf(I62_NextField());
    f.requestorMmsi = wideOf(I62_NextField());
    I62_FieldTextOrEmpty(f.requestorName, I62_NextField());
    I62_FieldTextOrEmpty(f.functionRequest, I62_NextField());
    I62_FieldTextOrEmpty(f.functionReply, I62_LastField());
    return true;
}

bool AIS_FMT_LR1(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 6))
        return false;
    I62_LR1_DATA& f = record->data.lr1;
    I62_SkipAddressField(sentence);
    f.sequenceNumber = byteOf(I62_NextField());
    f.responderMmsi = wideOf(I62_NextField());
    f.requestorMmsi = wideOf(I62_NextField());
    I62_FieldTextOrEmpty(f.shipName, I62_NextField());
    I62_FieldTextOrEmpty(f.callSign, I62_NextField());
    f.imoNumber = wideOf(I62_LastField());
    return true;
}

bool AIS_FMT_LR2(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 12))
        return false;
    I62_LR2_DATA& f = record->data.lr2;
    I62_SkipAddressField(sentence);
    f.sequenceNumber = byteOf(I62_NextField());
    f.responderMmsi = wideOf(I62_NextField());
    char* next = I62_GetLRngDate(I62_NextField(), &f.date);
    I62_GetTime(next, &f.utcTime);
    next = I62_GetDegree(I62_NextField(), &f.position);
    f.course = floatOf(next);
    f.courseReference = characterOf(I62_NextField());
    f.speed = floatOf(I62_NextField());
    f.speedUnit = characterOf(I62_LastField());
    return true;
}

bool AIS_FMT_LR3(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 11))
        return false;
    I62_LR3_DATA& f = record->data.lr3;
    I62_SkipAddressField(sentence);
    f.sequenceNumber = byteOf(I62_NextField());
    f.responderMmsi = wideOf(I62_NextField());
    I62_FieldTextOrEmpty(f.destination, I62_NextField());
    char* next = I62_GetLRngDate(I62_NextField(), &f.etaDate);
    I62_GetTime(next, &f.etaTime);
    f.draught = floatOf(I62_NextField());
    f.shipCargo = floatOf(I62_NextField());
    f.length = floatOf(I62_NextField());
    f.breadth = floatOf(I62_NextField());
    f.shipType = floatOf(I62_NextField());
    f.persons = floatOf(I62_LastField());
    return true;
}

bool AIS_FMT_AIR(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 8))
        return false;
    I62_AIR_DATA& f = record->data.air;
    I62_SkipAddressField(sentence);
    f.firstMmsi = wideOf(I62_NextField());
    f.firstRequest = floatOf(I62_NextField());
    f.firstSubsection = characterOf(I62_NextField());
    f.secondRequest = floatOf(I62_NextField());
    f.secondSubsection = characterOf(I62_NextField());
    f.secondMmsi = wideOf(I62_NextField());
    f.thirdRequest = floatOf(I62_NextField());
    f.thirdSubsection = characterOf(I62_LastField());
    return true;
}
