#include "codec/families/I62Radar.h"

#include "codec/sentence/I62FieldReaders.h"
#include "codec/sentence/I62FieldValue.h"
#include "codec/sentence/I62Syntax.h"

namespace {

constexpr uint8_t BLANK = ' ';

// Empty numbers of these sentences read as 0, empty characters as the blank.
float number(const char* field)
{
    return I62_FieldFloat(field, 0.0f);
}

uint8_t character(const char* field)
{
    return I62_FieldChar(field, BLANK);
}

bool parseHeading(char* sentence, I62_HEADING_DATA* f)
{
    if (!I62_CalFieldDelimiter(sentence, 2))
        return false;
    I62_SkipAddressField(sentence);
    f->heading = I62_FieldFloat(I62_NextField(), I62_ABSENT_HEADING);
    f->reference = character(I62_LastField());
    return true;
}

} // namespace

bool I62_FMT_HDT(char* sentence, I61162_Data_Structure* record)
{
    return parseHeading(sentence, &record->data.hdt);
}

bool I62_FMT_HDM(char* sentence, I61162_Data_Structure* record)
{
    return parseHeading(sentence, &record->data.hdm);
}

bool I62_FMT_ROT(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 2))
        return false;
    I62_ROT_DATA& f = record->data.rot;
    I62_SkipAddressField(sentence);
    f.rateOfTurn = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.status = character(I62_LastField());
    return true;
}

bool I62_FMT_VBW(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 6))
        return false;
    I62_VBW_DATA& f = record->data.vbw;
    I62_SkipAddressField(sentence);
    f.longWaterSpeed = number(I62_NextField());
    f.transWaterSpeed = number(I62_NextField());
    f.waterStatus = character(I62_NextField());
    f.longGroundSpeed = number(I62_NextField());
    f.transGroundSpeed = number(I62_NextField());
    f.groundStatus = character(I62_LastField());
    return true;
}

bool I62_FMT_OSD(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 9))
        return false;
    I62_OSD_DATA& f = record->data.osd;
    I62_SkipAddressField(sentence);
    f.heading = number(I62_NextField());
    f.headingStatus = character(I62_NextField());
    f.course = number(I62_NextField());
    f.courseReference = character(I62_NextField());
    f.speed = number(I62_NextField());
    f.speedReference = character(I62_NextField());
    f.set = number(I62_NextField());
    f.drift = number(I62_NextField());
    f.speedUnits = character(I62_LastField());
    return true;
}

bool I62_FMT_RSD(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 13))
        return false;
    I62_RSD_DATA& f = record->data.rsd;
    I62_SkipAddressField(sentence);
    for (float& value : f.values)
        value = number(I62_NextField());
    f.rangeUnits = character(I62_NextField());
    f.displayRotation = character(I62_LastField());
    return true;
}

bool I62_FMT_TTM(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 15))
        return false;
    I62_TTM_DATA& f = record->data.ttm;
    I62_SkipAddressField(sentence);
    f.targetNumber = I62_FieldU8(I62_NextField(), 0);
    f.distance = number(I62_NextField());
    f.bearing = number(I62_NextField());
    f.bearingUnits = character(I62_NextField());
    f.speed = number(I62_NextField());
    f.course = number(I62_NextField());
    f.courseUnits = character(I62_NextField());
    f.cpaDistance = number(I62_NextField());
    f.tcpa = number(I62_NextField());
    f.speedDistanceUnits = character(I62_NextField());
    I62_FieldText(f.name, I62_NextField()); // a longer name is cut to the room
    f.status = character(I62_NextField());
    f.referenceTarget = character(I62_NextField());
    I62_GetTime(I62_NextField(), &f.utcTime);
    f.acquisition = character(I62_LastField());
    return true;
}

bool I62_FMT_TLB(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 3))
        return false;
    I62_TLB_DATA& f = record->data.tlb;
    I62_SkipAddressField(sentence);
    f.targetNumber = number(I62_NextField());
    f.label = character(I62_LastField());
    return true;
}
