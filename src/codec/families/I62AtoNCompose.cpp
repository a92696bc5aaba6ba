#include "codec/families/I62AtoN.h"

#include "codec/sentence/I62ComposeText.h"
#include "codec/sentence/I62Number.h"
#include "codec/sentence/I62OptionalField.h"

namespace {

void mmsiText(I62_FIELD_TEXT& text, bool present, int64_t mmsi)
{
    I62_PresentText(text, present, "%09lld", static_cast<long long>(mmsi));
}

// Two fields written together, or two empty fields unless both are present.
template <typename Bits>
void pairText(I62_FIELD_TEXT& text, Bits present, int position, int first, int second)
{
    text[0] = '\0';
    if (ATON_HasField(present, position) && ATON_HasField(present, position + 1))
        I62_Print(text, sizeof text, "%02d,%02d", first, second);
    else
        I62_Print(text, sizeof text, ",");
}

// A character field; an absent one, or a NUL that would end the sentence, is written empty.
template <typename Bits>
void charText(I62_FIELD_TEXT& text, Bits present, int position, uint8_t character)
{
    I62_PresentText(text, ATON_HasField(present, position) && character != 0, "%c", character);
}

// A text field of the record; absent ones are written empty. Read with "%.*s" and the room.
template <typename Bits>
const char* textOf(Bits present, int position, const char* text)
{
    return ATON_HasField(present, position) ? text : "";
}

} // namespace

bool ATON_FMT_AAR_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_AAR_DATA& f = record->data.aar;
    const uint16_t p = f.present;
    I62_FIELD_TEXT mmsi, t2, t3, t45, t6, t7, t8, t910, t11, t12, status;
    mmsiText(mmsi, ATON_HasField(p, 1), f.mmsi);
    I62_PresentText(t2, ATON_HasField(p, 2), "%02d", f.field2);
    I62_PresentText(t3, ATON_HasField(p, 3), "%02d", f.field3);
    pairText(t45, p, 4, f.field4, f.field5);
    I62_PresentText(t6, ATON_HasField(p, 6), "%04d", f.field6);
    I62_PresentText(t7, ATON_HasField(p, 7), "%lld", static_cast<long long>(f.field7));
    I62_PresentText(t8, ATON_HasField(p, 8), "%d", f.field8);
    pairText(t910, p, 9, f.field9, f.field10);
    I62_PresentText(t11, ATON_HasField(p, 11), "%04d", f.field11);
    I62_PresentText(t12, ATON_HasField(p, 12), "%lld", static_cast<long long>(f.field12));
    charText(status, p, 13, f.status);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter, mmsi,
                     t2, t3, t45, t6, t7, t8, t910, t11, t12, status);
}

bool ATON_FMT_ACE_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_ACE_DATA& f = record->data.ace;
    const uint16_t p = f.present;
    I62_FIELD_TEXT mmsi, t2, t3, t4, t5, t6, dimensions, status;
    mmsiText(mmsi, ATON_HasField(p, 1), f.mmsi);
    I62_PresentText(t2, ATON_HasField(p, 2), "%02X", f.field2);
    I62_PresentText(t3, ATON_HasField(p, 3), "%04d", f.field3);
    I62_PresentText(t4, ATON_HasField(p, 4), "%d", f.field4);
    I62_PresentText(t5, ATON_HasField(p, 5), "%d", f.field5);
    I62_PresentText(t6, ATON_HasField(p, 6), "%d", f.field6);
    const ATON_REF_POINT_DIMENSION& d = f.dimensions;
    I62_PresentText(dimensions, ATON_HasField(p, 8), "%03d%03d%02d%02d", d.a & ATON_DIM_AB_MASK,
                    d.b & ATON_DIM_AB_MASK, d.c & ATON_DIM_CD_MASK, d.d & ATON_DIM_CD_MASK);
    charText(status, p, 9, f.status);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%.*s,%s,%s", record->talker, record->formatter, mmsi, t2,
                     t3, t4, t5, t6, ATON_ACE_TEXT_ROOM, textOf(p, 7, f.text), dimensions, status);
}

bool ATON_FMT_ACF_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_ACF_DATA& f = record->data.acf;
    const uint16_t p = f.present;
    I62_FIELD_TEXT mmsi, t2, position, t7, t8to11, t12, t13, t14, t15;
    mmsiText(mmsi, ATON_HasField(p, 1), f.mmsi);
    I62_PresentText(t2, ATON_HasField(p, 2) && f.field2 < 9, "%d", f.field2);
    // Writes four empty fields for a coordinate that is not available, in either sign.
    const I62_DEGREE none{I62_ABSENT_LATITUDE, I62_ABSENT_LONGITUDE};
    I62_PositionText(position, ATON_HasField(p, ATON_ACF_POSITION_FIELD) ? f.position : none);
    I62_PresentText(t7, ATON_HasField(p, 7) && f.field7 < 2, "%d", f.field7);
    const bool all8to11 = ATON_HasField(p, 8) && ATON_HasField(p, 9) && ATON_HasField(p, 10) && ATON_HasField(p, 11);
    if (all8to11)
        I62_Print(t8to11, sizeof t8to11, "%04d,%04d,%04d,%04d", f.field8, f.field9, f.field10, f.field11);
    else
        I62_Print(t8to11, sizeof t8to11, ",,,");
    I62_PresentText(t12, ATON_HasField(p, 12) && f.field12 <= 9, "%d", f.field12);
    I62_PresentText(t13, ATON_HasField(p, 13) && f.field13 < 32, "%02d", f.field13);
    I62_PresentText(t14, ATON_HasField(p, 14) && f.field14 < 3, "%d", f.field14);
    charText(t15, p, 15, f.field15);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter, mmsi, t2,
                     position, t7, t8to11, t12, t13, t14, t15);
}

bool ATON_FMT_AFB_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_AFB_DATA& f = record->data.afb;
    const uint8_t p = f.present;
    I62_FIELD_TEXT mmsi, t2, t3, t45, t6, t7, status;
    mmsiText(mmsi, ATON_HasField(p, 1), f.mmsi);
    I62_PresentText(t2, ATON_HasField(p, 2), "%02d", f.field2);
    I62_PresentText(t3, ATON_HasField(p, 3), "%02d", f.field3);
    pairText(t45, p, 4, f.field4, f.field5);
    I62_PresentText(t6, ATON_HasField(p, 6), "%04d", f.field6);
    I62_PresentText(t7, ATON_HasField(p, 7), "%d", f.field7);
    charText(status, p, 8, f.status);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter, mmsi, t2, t3,
                     t45, t6, t7, status);
}

bool ATON_FMT_AFC_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_AFC_DATA& f = record->data.afc;
    I62_FIELD_TEXT mmsi;
    mmsiText(mmsi, ATON_HasField(f.present, 1), f.mmsi);
    return I62_Print(out, size, "$%.2s%.3s,%s,%.*s", record->talker, record->formatter, mmsi, ATON_AFC_TEXT_ROOM,
                     textOf(f.present, 2, f.text));
}

bool ATON_FMT_AID_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_AID_DATA& f = record->data.aid;
    const uint8_t p = f.present;
    I62_FIELD_TEXT mmsi, t2, secondMmsi, t4, status;
    mmsiText(mmsi, ATON_HasField(p, 1), f.mmsi);
    I62_PresentText(t2, ATON_HasField(p, 2), "%d", f.field2);
    mmsiText(secondMmsi, ATON_HasField(p, 3), f.secondMmsi);
    charText(t4, p, 4, f.field4);
    charText(status, p, 5, f.status);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s", record->talker, record->formatter, mmsi, t2, secondMmsi,
                     t4, status);
}

bool ATON_FMT_AKE_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_AKE_DATA& f = record->data.ake;
    const uint8_t p = f.present;
    I62_FIELD_TEXT mmsi, t4;
    mmsiText(mmsi, ATON_HasField(p, 1), f.mmsi);
    charText(t4, p, 4, f.field4);
    return I62_Print(out, size, "$%.2s%.3s,%s,%.*s,%.*s,%s", record->talker, record->formatter, mmsi,
                     ATON_AKE_TEXT_ROOM, textOf(p, 2, f.firstText), ATON_AKE_TEXT_ROOM, textOf(p, 3, f.secondText),
                     t4);
}

bool ATON_FMT_ARW_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_ARW_DATA& f = record->data.arw;
    const uint8_t p = f.present;
    I62_FIELD_TEXT mmsi, t2, t34, t5, t6, status;
    mmsiText(mmsi, ATON_HasField(p, 1), f.mmsi);
    I62_PresentText(t2, ATON_HasField(p, 2), "%d", f.field2);
    pairText(t34, p, 3, f.field3, f.field4);
    I62_PresentText(t5, ATON_HasField(p, 5), "%03d", f.field5);
    I62_PresentText(t6, ATON_HasField(p, 6), "%04d", f.field6);
    charText(status, p, 7, f.status);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter, mmsi, t2, t34, t5,
                     t6, status);
}

bool ATON_FMT_MCR_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_MCR_DATA& f = record->data.mcr;
    I62_FIELD_TEXT mmsi, t3;
    mmsiText(mmsi, ATON_HasField(f.present, 1), f.mmsi);
    charText(t3, f.present, 3, f.field3);
    return I62_Print(out, size, "$%.2s%.3s,%s,%.*s,%s", record->talker, record->formatter, mmsi, ATON_MCR_TEXT_ROOM,
                     textOf(f.present, 2, f.text), t3);
}

bool ATON_FMT_MPR_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_MPR_DATA& f = record->data.mpr;
    const uint8_t p = f.present;
    I62_FIELD_TEXT mmsi, t2, t3, t4, t5, t6, t8;
    mmsiText(mmsi, ATON_HasField(p, 1), f.mmsi);
    I62_PresentText(t2, ATON_HasField(p, 2), "%02d", f.field2);
    I62_PresentText(t3, ATON_HasField(p, 3), "%02d", f.field3);
    I62_PresentText(t4, ATON_HasField(p, 4), "%d", f.field4);
    I62_PresentText(t5, ATON_HasField(p, 5), "%02d", f.field5);
    I62_PresentText(t6, ATON_HasField(p, 6), "%02d", f.field6);
    charText(t8, p, 8, f.field8);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%.*s,%s", record->talker, record->formatter, mmsi, t2, t3,
                     t4, t5, t6, ATON_MPR_TEXT_ROOM, textOf(p, 7, f.text), t8);
}

bool ATON_FMT_TSP_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_TSP_DATA& f = record->data.tsp;
    const uint16_t p = f.present;
    I62_FIELD_TEXT mmsi, t2, t3, time, t5, t6, t7, t8, t9, t10, t11, t12, t13;
    mmsiText(mmsi, ATON_HasField(p, 1), f.mmsi);
    I62_PresentText(t2, ATON_HasField(p, 2), "%d", f.field2);
    I62_PresentText(t3, ATON_HasField(p, 3), "%d", f.field3);
    time[0] = '\0';
    if (ATON_HasField(p, 4))
        I62_TimeText(time, f.utcTime);
    I62_PresentText(t5, ATON_HasField(p, 5), "%d", f.field5);
    I62_PresentText(t6, ATON_HasField(p, 6), "%d", f.field6);
    I62_PresentText(t7, ATON_HasField(p, 7), "%d", f.field7);
    I62_PresentText(t8, ATON_HasField(p, 8), "%d", f.field8);
    I62_PresentText(t9, ATON_HasField(p, 9), "%d", f.field9);
    I62_PresentText(t10, ATON_HasField(p, 10), "%d", f.field10);
    I62_PresentText(t11, ATON_HasField(p, 11), "%d", f.field11);
    charText(t12, p, 12, f.field12);
    charText(t13, p, 13, f.field13);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter,
                     mmsi, t2, t3, time, t5, t6, t7, t8, t9, t10, t11, t12, t13);
}

bool ATON_FMT_VER_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const ATON_VER_DATA& f = record->data.ver;
    const uint16_t p = f.present;
    I62_FIELD_TEXT total, number, sequence;
    I62_PresentText(total, ATON_HasField(p, 1), "%d", f.totalSentences);
    I62_PresentText(number, ATON_HasField(p, 2), "%d", f.sentenceNumber);
    I62_PresentText(sequence, ATON_HasField(p, 10), "%d", f.sequentialId);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%.2s,%.5s,%.15s,%.32s,%.32s,%.32s,%.32s,%s", record->talker,
                     record->formatter, total, number, textOf(p, 3, f.deviceType), textOf(p, 4, f.vendorId),
                     textOf(p, 5, f.uniqueId), textOf(p, 6, f.serialNumber), textOf(p, 7, f.modelCode),
                     textOf(p, 8, f.softwareRevision), textOf(p, 9, f.hardwareRevision), sequence);
}
