#include "codec/families/I62DscLRng.h"

#include "codec/sentence/I62ComposeText.h"
#include "codec/sentence/I62Number.h"

namespace {

// ddmmyyyy; a year below 1000 keeps its four digits so that the date reads back.
void longDateText(I62_FIELD_TEXT& text, const LRng_DATE& date)
{
    I62_Print(text, sizeof text, "%02d%02d%04d", date.day, date.month, date.year);
}

} // namespace

bool I62_FMT_DSI_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_DSI_DATA& f = record->data.dsi;
    I62_FIELD_TEXT total, number, mmsi, status;
    I62_CharText(total, f.totalSentences);
    I62_CharText(number, f.sentenceNumber);
    mmsi[0] = '\0';
    if (f.mmsi != 0)
        I62_Print(mmsi, sizeof mmsi, "%010llu", static_cast<unsigned long long>(f.mmsi));
    I62_CharText(status, f.status);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%02d,%02d,%.*s,%02d,%.*s,%s", record->talker, record->formatter,
                     total, number, mmsi, f.commandType, f.dataSetCode, I62_TextRoom(f.data), f.data,
                     f.secondDataSetCode, I62_TextRoom(f.secondData), f.secondData, status);
}

bool AIS_FMT_LRI_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_LRI_DATA& f = record->data.lri;
    I62_FIELD_TEXT flag, requestor, destination, northEast, southWest;
    I62_CharText(flag, f.controlFlag);
    I62_WideText(requestor, f.requestorMmsi);
    I62_WideText(destination, f.destinationMmsi);
    I62_PositionText(northEast, f.northEast);
    I62_PositionText(southWest, f.southWest);
    return I62_Print(out, size, "$%.2s%.3s,%d,%s,%s,%s,%s,%s", record->talker, record->formatter, f.sequenceNumber,
                     flag, requestor, destination, northEast, southWest);
}

bool AIS_FMT_LRF_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_LRF_DATA& f = record->data.lrf;
    I62_FIELD_TEXT requestor;
    I62_WideText(requestor, f.requestorMmsi);
    return I62_Print(out, size, "$%.2s%.3s,%d,%s,%.*s,%.*s,%.*s", record->talker, record->formatter, f.sequenceNumber,
                     requestor, I62_TextRoom(f.requestorName), f.requestorName, I62_TextRoom(f.functionRequest),
                     f.functionRequest, I62_TextRoom(f.functionReply), f.functionReply);
}

bool AIS_FMT_LR1_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_LR1_DATA& f = record->data.lr1;
    I62_FIELD_TEXT responder, requestor, imo;
    I62_WideText(responder, f.responderMmsi);
    I62_WideText(requestor, f.requestorMmsi);
    I62_WideText(imo, f.imoNumber);
    return I62_Print(out, size, "$%.2s%.3s,%d,%s,%s,%.*s,%.*s,%s", record->talker, record->formatter, f.sequenceNumber,
                     responder, requestor, I62_TextRoom(f.shipName), f.shipName, I62_TextRoom(f.callSign), f.callSign,
                     imo);
}

bool AIS_FMT_LR2_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_LR2_DATA& f = record->data.lr2;
    I62_FIELD_TEXT responder, date, time, position, reference, unit;
    I62_WideText(responder, f.responderMmsi);
    longDateText(date, f.date);
    I62_TimeText(time, f.utcTime);
    I62_PositionText(position, f.position);
    I62_CharText(reference, f.courseReference);
    I62_CharText(unit, f.speedUnit);
    return I62_Print(out, size, "$%.2s%.3s,%d,%s,%s,%s,%s,%1.1f,%s,%1.1f,%s", record->talker, record->formatter,
                     f.sequenceNumber, responder, date, time, position, static_cast<double>(f.course), reference,
                     static_cast<double>(f.speed), unit);
}

bool AIS_FMT_LR3_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_LR3_DATA& f = record->data.lr3;
    I62_FIELD_TEXT responder, date, time;
    I62_WideText(responder, f.responderMmsi);
    longDateText(date, f.etaDate);
    I62_TimeText(time, f.etaTime);
    // One decimal each: six values of six decimals would not fit in a sentence.
    return I62_Print(out, size, "$%.2s%.3s,%d,%s,%.*s,%s,%s,%.1f,%.1f,%.1f,%.1f,%.1f,%.1f", record->talker,
                     record->formatter, f.sequenceNumber, responder, I62_TextRoom(f.destination), f.destination, date,
                     time, static_cast<double>(f.draught), static_cast<double>(f.shipCargo),
                     static_cast<double>(f.length), static_cast<double>(f.breadth), static_cast<double>(f.shipType),
                     static_cast<double>(f.persons));
}
