#include "codec/families/I62Ais.h"

#include "codec/sentence/I62ComposeText.h"
#include "codec/sentence/I62Number.h"

#include <cinttypes>

namespace {

// A whole number in the format; empty from the limit on (the field's absent marker).
void belowText(I62_FIELD_TEXT& text, long long value, long long limit, const char* format)
{
    text[0] = '\0';
    if (value < limit)
        I62_Print(text, sizeof text, format, value);
}

} // namespace

bool AIS_FMT_ABK_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_ABK_DATA& f = record->data.abk;
    I62_FIELD_TEXT mmsi, channel;
    I62_WideText(mmsi, f.mmsi);
    belowText(channel, f.channel, I62_ABSENT_U8, "%lld");
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%d,%d,%d", record->talker, record->formatter, mmsi, channel,
                     f.messageId, f.sequenceNumber, f.ackType);
}

bool I62_FMT_ACK_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    I62_FIELD_TEXT alarm;
    belowText(alarm, record->data.ack.alarmNumber, 1000, "%03lld");
    return I62_Print(out, size, "$%.2s%.3s,%s", record->talker, record->formatter, alarm);
}

bool I62_FMT_ALR_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_ALR_DATA& f = record->data.alr;
    I62_FIELD_TEXT time, condition, ackState;
    I62_TimeText(time, f.changeTime);
    I62_CharText(condition, f.condition);
    I62_CharText(ackState, f.ackState);
    return I62_Print(out, size, "$%.2s%.3s,%s,%d,%s,%s,%.*s", record->talker, record->formatter, time, f.alarmNumber,
                     condition, ackState, I62_TextRoom(f.description), f.description);
}

bool I62_FMT_SSD_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_SSD_DATA& f = record->data.ssd;
    I62_FIELD_TEXT bow, stern, port, starboard, dte;
    belowText(bow, f.toBow, I62_SSD_NO_LENGTH, "%lld");
    belowText(stern, f.toStern, I62_SSD_NO_LENGTH, "%lld");
    belowText(port, f.toPort, I62_SSD_NO_WIDTH, "%lld");
    belowText(starboard, f.toStarboard, I62_SSD_NO_WIDTH, "%lld");
    belowText(dte, f.dte, I62_SSD_NO_DTE, "%lld");
    return I62_Print(out, size, "$%.2s%.3s,%.*s,%.*s,%s,%s,%s,%s,%s,%.*s", record->talker, record->formatter,
                     I62_TextRoom(f.callSign), f.callSign, I62_TextRoom(f.name), f.name, bow, stern, port, starboard,
                     dte, I62_TextRoom(f.sourceId), f.sourceId);
}

bool I62_FMT_VSD_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_VSD_DATA& f = record->data.vsd;
    I62_FIELD_TEXT shipType, draught, persons, eta, day, month, status, flags;
    belowText(shipType, f.shipType, I62_VSD_NO_SHIP_TYPE, "%lld");
    draught[0] = '\0';
    if (f.draught >= 0.0f && f.draught <= 25.5f)
        I62_Print(draught, sizeof draught, "%4.1f", static_cast<double>(f.draught));
    belowText(persons, f.personsOnBoard, I62_VSD_NO_PERSONS, "%lld");
    I62_TimeText(eta, f.etaTime);
    belowText(day, f.etaDay, I62_VSD_NO_DAY, "%02lld");
    belowText(month, f.etaMonth, I62_VSD_NO_MONTH, "%02lld");
    belowText(status, f.navStatus, 16, "%lld");
    belowText(flags, f.regionalFlags, 16, "%lld");
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%.*s,%s,%s,%s,%s,%s", record->talker, record->formatter, shipType,
                     draught, persons, I62_TextRoom(f.destination), f.destination, eta, day, month, status, flags);
}

bool AIS_FMT_ACA_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_ACA_DATA& f = record->data.aca;
    I62_FIELD_TEXT northEast, southWest, source, changed;
    I62_PositionText(northEast, f.northEast, 1);
    I62_PositionText(southWest, f.southWest, 1);
    I62_CharText(source, f.infoSource);
    changed[0] = '\0';
    if (f.inUseChanged.hour < 24)
        I62_Print(changed, sizeof changed, "%02d%02d%02d", f.inUseChanged.hour, f.inUseChanged.minute,
                  f.inUseChanged.second);
    return I62_Print(out, size, "$%.2s%.3s,%d,%s,%s,%d,%04d,%d,%04d,%d,%d,%d,%s,%d,%s", record->talker,
                     record->formatter, f.sequenceNumber, northEast, southWest, f.zoneSize, f.channelA, f.bandwidthA,
                     f.channelB, f.bandwidthB, f.txRxMode, f.powerLevel, source, f.inUse, changed);
}

bool AIS_FMT_ACS_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_ACS_DATA& f = record->data.acs;
    I62_FIELD_TEXT time;
    I62_TimeText(time, f.utcTime);
    return I62_Print(out, size, "$%.2s%.3s,%d,%09" PRIu64 ",%s,%02d,%02d,%04d", record->talker, record->formatter,
                     f.sequenceNumber, f.originatorMmsi, time, f.day, f.month, f.year);
}

bool AIS_FMT_ABM_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_ENCAP_DATA& f = record->data.encap;
    I62_FIELD_TEXT sequence, channel;
    belowText(sequence, f.sequenceId, I62_ABSENT_U8, "%lld");
    belowText(channel, f.channel, I62_ABSENT_U8, "%lld");
    return I62_Print(out, size, "!%.2s%.3s,%d,%d,%s,%" PRIu64 ",%s,%d,%.*s,%d", record->talker, record->formatter,
                     f.totalSentences, f.sentenceNumber, sequence, f.destMmsi, channel, f.messageId,
                     I62_TextRoom(f.payload), f.payload, f.fillBits);
}

bool AIS_FMT_BBM_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_ENCAP_DATA& f = record->data.encap;
    I62_FIELD_TEXT sequence;
    belowText(sequence, f.sequenceId, I62_ABSENT_U8, "%lld");
    return I62_Print(out, size, "!%.2s%.3s,%d,%d,%s,%d,%d,%.*s,%d", record->talker, record->formatter, f.totalSentences,
                     f.sentenceNumber, sequence, f.channel, f.messageId, I62_TextRoom(f.payload), f.payload,
                     f.fillBits);
}

bool AIS_FMT_VDM_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_ENCAP_DATA& f = record->data.encap;
    I62_FIELD_TEXT sequence, channel;
    belowText(sequence, f.sequenceId, I62_ABSENT_U8, "%lld");
    I62_CharText(channel, f.channel);
    return I62_Print(out, size, "!%.2s%.3s,%d,%d,%s,%s,%.*s,%d", record->talker, record->formatter, f.totalSentences,
                     f.sentenceNumber, sequence, channel, I62_TextRoom(f.payload), f.payload, f.fillBits);
}

bool AIS_FMT_VDO_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    return AIS_FMT_VDM_Compose(out, size, record);
}
