#include "codec/families/I62Gnss.h"

#include "codec/sentence/I62ComposeText.h"
#include "codec/sentence/I62Number.h"

#include <cstring>

namespace {

// "%02d"-style text of a whole number; empty when it is one of the given empty values.
void numberText(I62_FIELD_TEXT& text, int value, const char* format, int empty1, int empty2)
{
    text[0] = '\0';
    if (value != empty1 && value != empty2)
        I62_Print(text, sizeof text, format, value);
}

} // namespace

bool I62_FMT_RMC_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_RMC_DATA& f = record->data.rmc;
    I62_FIELD_TEXT time, status, position, sog, cog, date, variation, direction, mode;
    I62_TimeText(time, f.utcTime);
    I62_CharText(status, f.status);
    I62_PositionText(position, f.position);
    I62_FloatText(sog, f.sog, 5, 3);
    I62_FloatText(cog, f.cog, 4, 2);
    date[0] = '\0';
    if (f.date.year != 0)
        I62_Print(date, sizeof date, "%02d%02d%02d", f.date.day, f.date.month, f.date.year - 2000);
    I62_FloatText(variation, f.magVariation, 4, 2);
    I62_CharText(direction, f.variationDirection);
    I62_CharText(mode, f.modeIndicator);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter, time,
                     status, position, sog, cog, date, variation, direction, mode);
}

bool I62_FMT_GBS_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_GBS_DATA& f = record->data.gbs;
    I62_FIELD_TEXT time, errLatitude, errLongitude, errAltitude, failed, probability, bias, deviation;
    I62_TimeText(time, f.utcTime);
    I62_FloatText(errLatitude, f.errLatitude, 4, 2);
    I62_FloatText(errLongitude, f.errLongitude, 4, 2);
    I62_FloatText(errAltitude, f.errAltitude, 4, 2);
    failed[0] = '\0';
    if (f.failedSatellite >= 0 && f.failedSatellite < 100)
        I62_Print(failed, sizeof failed, "%d", f.failedSatellite);
    I62_FloatText(probability, f.probability, 4, 2);
    I62_FloatText(bias, f.bias, 4, 2);
    I62_FloatText(deviation, f.biasStdDev, 4, 2);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter, time,
                     errLatitude, errLongitude, errAltitude, failed, probability, bias, deviation);
}

bool I62_FMT_GSA_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_GSA_DATA& f = record->data.gsa;
    I62_FIELD_TEXT mode, satellites, pdop, hdop, vdop;
    I62_CharText(mode, f.mode);
    satellites[0] = '\0';
    for (uint8_t satellite : f.satellites) {
        I62_FIELD_TEXT one;
        numberText(one, satellite, "%02d", 0, I62_ABSENT_U8);
        const size_t used = std::strlen(satellites);
        I62_Print(satellites + used, sizeof satellites - used, "%s,", one);
    }
    I62_FloatText(pdop, f.pdop, 4, 2);
    I62_FloatText(hdop, f.hdop, 4, 2);
    I62_FloatText(vdop, f.vdop, 4, 2);
    return I62_Print(out, size, "$%.2s%.3s,%s,%d,%s%s,%s,%s", record->talker, record->formatter, mode, f.fixType,
                     satellites, pdop, hdop, vdop);
}

bool I62_FMT_ZDA_Compose(char* out, size_t size, I61162_Data_Structure* record)
{
    const I62_ZDA_DATA& f = record->data.zda;
    I62_FIELD_TEXT time, day, month, year, zoneHours, zoneMinutes;
    I62_TimeText(time, f.utcTime);
    numberText(day, f.day, "%02d", 0, I62_ABSENT_U8);
    numberText(month, f.month, "%02d", 0, I62_ABSENT_U8);
    numberText(year, f.year, "%04d", 0, -1);
    // Zone hours west of Greenwich are kept wrapped to 243..255; they are written signed.
    const int hours = f.zoneHours == I62_ABSENT_U8 ? I62_ABSENT_U8 : static_cast<int8_t>(f.zoneHours);
    numberText(zoneHours, hours, "%02d", I62_ABSENT_U8, I62_ABSENT_U8);
    numberText(zoneMinutes, f.zoneMinutes, "%02d", I62_ABSENT_U8, I62_ABSENT_U8);
    return I62_Print(out, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s", record->talker, record->formatter, time, day, month,
                     year, zoneHours, zoneMinutes);
}
