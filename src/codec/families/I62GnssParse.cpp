#include "codec/families/I62Gnss.h"

#include "codec/sentence/I62FieldReaders.h"
#include "codec/sentence/I62FieldValue.h"
#include "codec/sentence/I62Number.h"
#include "codec/sentence/I62Syntax.h"

#include <cmath>
#include <cstring>

namespace {

constexpr uint8_t BLANK = ' ';
// A field that a shorter form of a sentence does not carry.
constexpr uint8_t NOT_CARRIED = I62_ABSENT_U8;
// The satellites-in-use field of GGA has two digits; receivers of several systems use more than 12.
constexpr int64_t GGA_MAX_SATELLITES = 99;

bool outside(uint8_t value, int limit)
{
    return value >= limit && value != I62_ABSENT_U8;
}

bool isHdopOutOfRange(float hdop)
{
    return hdop != I62_ABSENT_FLOAT && (hdop < 0.0f || hdop > 99.9f);
}

// The first two characters of a field; a character the field lacks reads as the blank.
void twoCharacters(uint8_t (&out)[2], const char* field)
{
    const bool empty = I62_IsEmptyField(field);
    out[0] = empty ? BLANK : static_cast<uint8_t>(field[0]);
    out[1] = empty || field[1] == '\0' ? BLANK : static_cast<uint8_t>(field[1]);
}

// A GNSS system or signal identifier of the longer sentence forms: one hexadecimal number,
// 128 when empty. False for a field that is no hexadecimal number.
bool readIdentifier(const char* field, uint8_t& identifier)
{
    identifier = NOT_CARRIED;
    return I62_IsEmptyField(field) || HexStrToHexValue_Byte(field, &identifier) == 1;
}

// The next field, or the last one, which ends at the checksum.
const char* fieldOrLast(bool last)
{
    return last ? I62_LastField() : I62_NextField();
}

// A coordinate offset of DTM; 0 when empty, negated by the hemisphere field that follows.
double readOffset(const char* field, const char* negative)
{
    const double read = I62_IsEmptyField(field) ? 0.0 : I62_Atof(field);
    const double value = std::isfinite(read) ? read : 0.0;
    const char* hemisphere = I62_NextField();
    return hemisphere && std::strcmp(hemisphere, negative) == 0 ? -value : value;
}

bool parseGll(char* sentence, I61162_Data_Structure* record, bool withMode)
{
    I62_GLL_DATA& f = record->data.gll;
    I62_SkipAddressField(sentence);
    I62_GetTime(I62_GetDegree(I62_NextField(), &f.position), &f.utcTime);
    if (withMode) {
        f.status = I62_FieldChar(I62_NextField(), BLANK);
        f.modeIndicator = I62_FieldChar(I62_LastField(), BLANK);
    } else {
        f.status = I62_FieldChar(I62_LastField(), BLANK);
        f.modeIndicator = NOT_CARRIED;
    }
    return true;
}

bool parseRmc(char* sentence, I61162_Data_Structure* record, int commas)
{
    if (!I62_CalFieldDelimiter(sentence, commas))
        return false;
    I62_RMC_DATA& f = record->data.rmc;
    I62_SkipAddressField(sentence);
    I62_GetTime(I62_NextField(), &f.utcTime);
    f.status = I62_FieldChar(I62_NextField(), BLANK);
    f.sog = I62_FieldFloat(I62_GetDegree(I62_NextField(), &f.position), I62_ABSENT_FLOAT);
    f.cog = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.magVariation = I62_FieldFloat(I62_GetDate(I62_NextField(), &f.date), I62_ABSENT_FLOAT);
    f.modeIndicator = NOT_CARRIED;
    f.navStatus = NOT_CARRIED;
    if (commas == 11) {
        f.variationDirection = I62_FieldChar(I62_LastField(), I62_ABSENT_U8);
        return true;
    }
    f.variationDirection = I62_FieldChar(I62_NextField(), I62_ABSENT_U8);
    if (commas == 12) {
        f.modeIndicator = I62_FieldChar(I62_LastField(), BLANK);
        return true;
    }
    f.modeIndicator = I62_FieldChar(I62_NextField(), BLANK);
    f.navStatus = I62_FieldChar(I62_LastField(), BLANK);
    return true;
}

bool parseGns(char* sentence, I61162_Data_Structure* record, bool withNavStatus)
{
    if (!I62_CalFieldDelimiter(sentence, withNavStatus ? 13 : 12))
        return false;
    I62_GNS_DATA& f = record->data.gns;
    I62_SkipAddressField(sentence);
    I62_GetTime(I62_NextField(), &f.utcTime);
    twoCharacters(f.modeIndicator, I62_GetDegree(I62_NextField(), &f.position));
    twoCharacters(f.satellitesInUse, I62_NextField());
    f.navStatus = NOT_CARRIED;
    f.hdop = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    if (isHdopOutOfRange(f.hdop))
        return false;
    f.altitude = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.geoidalSeparation = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.diffAge = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    if (!withNavStatus) {
        f.diffStation = I62_FieldFloat(I62_LastField(), I62_ABSENT_FLOAT);
        return true;
    }
    f.diffStation = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.navStatus = I62_FieldChar(I62_LastField(), BLANK);
    return true;
}

bool parseVtg(char* sentence, I61162_Data_Structure* record, bool withMode)
{
    I62_VTG_DATA& f = record->data.vtg;
    I62_SkipAddressField(sentence);
    float* const values[] = {&f.cogTrue, &f.cogMagnetic, &f.sogKnots, &f.sogKmh};
    uint8_t* const marks[] = {&f.trueMark, &f.magneticMark, &f.knotsMark, &f.kmhMark};
    for (int i = 0; i < 4; ++i) {
        *values[i] = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
        const bool lastField = i == 3 && !withMode;
        const char* mark = lastField ? I62_LastField() : I62_NextField();
        *marks[i] = I62_FieldChar(mark, I62_ABSENT_U8);
        if (I62_IsLongerThanChar(mark))
            return false;
    }
    f.modeIndicator = withMode ? I62_FieldChar(I62_LastField(), BLANK) : NOT_CARRIED;
    return true;
}

} // namespace

bool I62_FMT_GGA(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 14))
        return false;
    I62_GGA_DATA& f = record->data.gga;
    I62_SkipAddressField(sentence);
    I62_GetTime(I62_NextField(), &f.utcTime);
    f.quality = I62_FieldU8(I62_GetDegree(I62_NextField(), &f.position), I62_ABSENT_U8);
    const int64_t satellites = I62_FieldInt(I62_NextField(), I62_ABSENT_U8);
    if (satellites != I62_ABSENT_U8 && (satellites < 0 || satellites > GGA_MAX_SATELLITES))
        return false;
    f.satellitesInUse = static_cast<uint8_t>(satellites);
    f.hdop = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    if (isHdopOutOfRange(f.hdop))
        return false;
    f.altitude = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.altitudeUnit = I62_FieldChar(I62_NextField(), BLANK);
    f.geoidalSeparation = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.separationUnit = I62_FieldChar(I62_NextField(), BLANK);
    f.diffAge = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    const char* station = I62_LastField();
    f.diffStation = I62_IsEmptyField(station) ? -1 : I62_Atoi(station);
    const uint16_t low = static_cast<uint16_t>(f.diffStation);
    return low < 1024 || low == 0xFFFF;
}

bool I62_FMT_GLL(char* sentence, I61162_Data_Structure* record)
{
    if (I62_CalFieldDelimiter(sentence, 7))
        return parseGll(sentence, record, true);
    if (I62_CalFieldDelimiter(sentence, 6))
        return parseGll(sentence, record, false);
    return false;
}

bool RMC_ParseProc(char* sentence, I61162_Data_Structure* record)
{
    if (I62_CalFieldDelimiter(sentence, 13))
        return I62_FMT_RMC_Add_NavStatus(sentence, record);
    if (I62_CalFieldDelimiter(sentence, 12))
        return I62_FMT_RMC(sentence, record);
    return I62_FMT_RMC_Lack_ModeIndicator(sentence, record);
}

bool I62_FMT_RMC_Add_NavStatus(char* sentence, I61162_Data_Structure* record)
{
    return parseRmc(sentence, record, 13);
}

bool I62_FMT_RMC(char* sentence, I61162_Data_Structure* record)
{
    return parseRmc(sentence, record, 12);
}

bool I62_FMT_RMC_Lack_ModeIndicator(char* sentence, I61162_Data_Structure* record)
{
    return parseRmc(sentence, record, 11);
}

bool GNS_ParseProc(char* sentence, I61162_Data_Structure* record)
{
    if (I62_CalFieldDelimiter(sentence, 13))
        return I62_FMT_GNS_Add_NavStatus(sentence, record);
    return I62_FMT_GNS(sentence, record);
}

bool I62_FMT_GNS_Add_NavStatus(char* sentence, I61162_Data_Structure* record)
{
    return parseGns(sentence, record, true);
}

bool I62_FMT_GNS(char* sentence, I61162_Data_Structure* record)
{
    return parseGns(sentence, record, false);
}

bool I62_FMT_GSA(char* sentence, I61162_Data_Structure* record)
{
    const bool withSystem = I62_CalFieldDelimiter(sentence, 18);
    if (!withSystem && !I62_CalFieldDelimiter(sentence, 17))
        return false;
    I62_GSA_DATA& f = record->data.gsa;
    I62_SkipAddressField(sentence);
    f.mode = I62_FieldChar(I62_NextField(), BLANK);
    f.fixType = I62_FieldU8(I62_NextField(), 0);
    f.satellitesGiven = 0;
    for (int i = 0; i < I62_GSA_SATELLITES; ++i) {
        const char* field = I62_NextField();
        f.satellites[i] = I62_FieldU8(field, I62_ABSENT_U8);
        if (!I62_IsEmptyField(field))
            f.satellitesGiven = static_cast<uint16_t>(f.satellitesGiven | 1u << i);
    }
    f.pdop = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.hdop = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.vdop = I62_FieldFloat(fieldOrLast(!withSystem), I62_ABSENT_FLOAT);
    f.systemId = NOT_CARRIED;
    return !withSystem || readIdentifier(I62_LastField(), f.systemId);
}

bool I62_FMT_GSV(char* sentence, I61162_Data_Structure* record)
{
    I62_GSV_DATA& f = record->data.gsv;
    for (int i = 0; i < I62_GSV_SATELLITES; ++i) {
        f.prn[i] = I62_ABSENT_U8;
        f.elevation[i] = I62_ABSENT_U8;
        f.azimuth[i] = I62_ABSENT_ANGLE;
        f.snr[i] = I62_ABSENT_U8;
    }
    f.satellitesInSentence = 0;
    f.prnGiven = 0;
    f.signalId = NOT_CARRIED;
    // None to four satellites, and in the longer form a signal identifier after them.
    int count = -1;
    bool withSignal = false;
    for (int n = 0; n <= I62_GSV_SATELLITES && count < 0; ++n) {
        withSignal = I62_CalFieldDelimiter(sentence, 4 + 4 * n);
        if (withSignal || I62_CalFieldDelimiter(sentence, 3 + 4 * n))
            count = n;
    }
    if (count < 0)
        return false;
    f.satellitesInSentence = static_cast<uint8_t>(count);

    I62_SkipAddressField(sentence);
    f.totalSentences = I62_FieldU8(I62_NextField(), 0);
    if (f.totalSentences > 9)
        return false;
    f.sentenceNumber = I62_FieldU8(I62_NextField(), 0);
    if (f.sentenceNumber > 9)
        return false;
    f.satellitesInView = I62_FieldU8(fieldOrLast(count == 0 && !withSignal), 0);
    for (int i = 0; i < count; ++i) {
        const char* prnField = I62_NextField();
        f.prn[i] = I62_FieldU8(prnField, I62_ABSENT_U8);
        if (!I62_IsEmptyField(prnField))
            f.prnGiven = static_cast<uint8_t>(f.prnGiven | 1u << i);
        f.elevation[i] = I62_FieldU8(I62_NextField(), I62_ABSENT_U8);
        if (outside(f.elevation[i], 91))
            return false;
        f.azimuth[i] = I62_FieldU16(I62_NextField(), I62_ABSENT_ANGLE);
        if (f.azimuth[i] >= 360 && f.azimuth[i] != I62_ABSENT_ANGLE)
            return false;
        f.snr[i] = I62_FieldU8(fieldOrLast(i == count - 1 && !withSignal), I62_ABSENT_U8);
        if (outside(f.snr[i], 100))
            return false;
    }
    return !withSignal || readIdentifier(I62_LastField(), f.signalId);
}

bool I62_FMT_VTG(char* sentence, I61162_Data_Structure* record)
{
    if (I62_CalFieldDelimiter(sentence, 9))
        return parseVtg(sentence, record, true);
    if (I62_CalFieldDelimiter(sentence, 8))
        return parseVtg(sentence, record, false);
    return false;
}

bool I62_FMT_ZDA(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 6))
        return false;
    I62_ZDA_DATA& f = record->data.zda;
    I62_SkipAddressField(sentence);
    I62_GetTime(I62_NextField(), &f.utcTime);
    f.day = I62_FieldU8(I62_NextField(), I62_ABSENT_U8);
    if (f.day == 0 || f.day > 31)
        return false;
    f.month = I62_FieldU8(I62_NextField(), I62_ABSENT_U8);
    if (f.month == 0 || f.month > 12)
        return false;
    const char* year = I62_NextField();
    f.year = I62_IsEmptyField(year) ? -1 : static_cast<int16_t>(I62_Atoi(year));
    // Receivers commonly leave the local zone empty: that is not a zone out of range.
    f.zoneHours = I62_FieldU8(I62_NextField(), I62_ABSENT_U8);
    if (f.zoneHours >= 14 && f.zoneHours <= 242 && f.zoneHours != I62_ABSENT_U8)
        return false;
    f.zoneMinutes = I62_FieldU8(I62_LastField(), I62_ABSENT_U8);
    return !outside(f.zoneMinutes, 60);
}

bool I62_FMT_DTM(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 8))
        return false;
    I62_DTM_DATA& f = record->data.dtm;
    I62_SkipAddressField(sentence);
    I62_FieldText(f.localDatum, I62_NextField());
    f.subDivision = I62_FieldChar(I62_NextField(), 0);
    f.latOffset = readOffset(I62_NextField(), "S");
    f.lonOffset = readOffset(I62_NextField(), "W");
    f.altOffset = I62_FieldFloat(I62_NextField(), 0.0f);
    I62_FieldText(f.referenceDatum, I62_LastField());
    return true;
}

bool I62_FMT_GBS(char* sentence, I61162_Data_Structure* record)
{
    const bool withIdentifiers = I62_CalFieldDelimiter(sentence, 10);
    if (!withIdentifiers && !I62_CalFieldDelimiter(sentence, 8))
        return false;
    I62_GBS_DATA& f = record->data.gbs;
    I62_SkipAddressField(sentence);
    I62_GetTime(I62_NextField(), &f.utcTime);
    f.errLatitude = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.errLongitude = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.errAltitude = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    const char* failed = I62_NextField();
    f.failedSatellite = I62_IsEmptyField(failed) ? -1 : static_cast<int8_t>(I62_Atoi(failed));
    f.probability = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.bias = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.biasStdDev = I62_FieldFloat(fieldOrLast(!withIdentifiers), I62_ABSENT_FLOAT);
    f.systemId = NOT_CARRIED;
    f.signalId = NOT_CARRIED;
    return !withIdentifiers
        || (readIdentifier(I62_NextField(), f.systemId) && readIdentifier(I62_LastField(), f.signalId));
}

bool I62_FMT_GRS(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 14))
        return false;
    I62_GRS_DATA& f = record->data.grs;
    I62_SkipAddressField(sentence);
    I62_GetTime(I62_NextField(), &f.utcTime);
    f.mode = I62_FieldChar(I62_NextField(), BLANK);
    for (int i = 0; i < I62_GRS_RESIDUALS; ++i) {
        const char* field = i == I62_GRS_RESIDUALS - 1 ? I62_LastField() : I62_NextField();
        f.residuals[i] = I62_FieldFloat(field, I62_ABSENT_FLOAT);
    }
    return true;
}

bool I62_FMT_GST(char* sentence, I61162_Data_Structure* record)
{
    if (!I62_CalFieldDelimiter(sentence, 8))
        return false;
    I62_GST_DATA& f = record->data.gst;
    I62_SkipAddressField(sentence);
    I62_GetTime(I62_NextField(), &f.utcTime);
    f.rangeRms = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.semiMajor = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.semiMinor = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.orientation = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.latError = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.lonError = I62_FieldFloat(I62_NextField(), I62_ABSENT_FLOAT);
    f.altError = I62_FieldFloat(I62_LastField(), I62_ABSENT_FLOAT);
    return true;
}
