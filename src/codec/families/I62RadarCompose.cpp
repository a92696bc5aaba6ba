#include "codec/families/I62Radar.h"

#include "codec/sentence/I62ComposeText.h"
#include "codec/sentence/I62Number.h"

#include <cmath>

bool I62_FMT_HDT_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const float heading = record->data.hdt.heading;
    I62_FIELD_TEXT text;
    text[0] = '\0';
    if (heading >= 0.0f && heading <= 360.0f)
        I62_Print(text, sizeof text, "%3.1f", static_cast<double>(heading));
    return I62_Print(out, size, "$%.2s%.3s,%s,T", record->talker, record->formatter, text);
}

bool I62_FMT_HDG_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    I62_HDG_DATA& f = record->data.hdg;
    // The letter carries the sign, so the number is written without it.
    f.deviationDirection = f.deviation >= 0.0f ? 'E' : 'W';
    f.variationDirection = f.variation >= 0.0f ? 'E' : 'W';
    return I62_Print(out, size, "$%.2s%.3s,%f,%f,%c,%f,%c", record->talker, record->formatter,
                     static_cast<double>(f.heading), std::fabs(static_cast<double>(f.deviation)),
                     f.deviationDirection, std::fabs(static_cast<double>(f.variation)), f.variationDirection);
}

bool I62_FMT_ROT_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_ROT_DATA& f = record->data.rot;
    I62_FIELD_TEXT rate, status;
    I62_FloatText(rate, f.rateOfTurn, 0, 6);
    I62_CharText(status, f.status);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s", record->talker, record->formatter, rate, status);
}
