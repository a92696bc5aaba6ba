#include "codec/records/SensorStores.h"

#include "codec/records/CodecText.h"
#include "codec/sentence/I62FormatterCode.h"

#include <cstring>

namespace {

constexpr uint8_t RMC_STATUS_VALID = 'A';

void setValid(SENSOR_VALIDITY& flag, SYSTEM_TIME now)
{
    flag.valid = 1;
    flag.updated = now;
}

// Set and stamped, or cleared with its last stamp kept.
void setValidity(SENSOR_VALIDITY& flag, bool valid, SYSTEM_TIME now)
{
    if (valid)
        setValid(flag, now);
    else
        flag.valid = 0;
}

bool isTimeValid(const I62_UTC_TIME& time)
{
    return time.hour < 24 && time.minute < 60 && time.second < 60;
}

bool isDateValid(const I62_DATE& date)
{
    return date.year > 0 && date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31;
}

bool isCourseValid(float cog)
{
    return cog >= 0.0f && cog <= 360.0f;
}

void setTimeAndDateValid(GPS_Data& slot, SYSTEM_TIME now)
{
    setValid(slot.timeValid, now);
    setValid(slot.dateValid, now);
}

void takeTimeWhenValid(GPS_Data& slot, const I62_UTC_TIME& time, SYSTEM_TIME now)
{
    slot.utcTime = time;
    if (isTimeValid(time))
        setTimeAndDateValid(slot, now);
}

void takePosition(GPS_Data& slot, const I62_DEGREE& position)
{
    slot.latitude = position.latitude;
    slot.longitude = position.longitude;
}

// An empty field is no satellite; a field that held a number (even 128 and above) is one.
uint8_t satelliteOf(uint8_t value, unsigned givenBits, int index)
{
    return (givenBits >> index & 1u) ? value : 0;
}

void storeGga(GPS_Data& slot, const I62_GGA_DATA& f, SYSTEM_TIME now)
{
    slot.utcTime = f.utcTime;
    takePosition(slot, f.position);
    slot.quality = f.quality;
    slot.satellitesInUse = f.satellitesInUse == I62_ABSENT_U8 ? 0 : f.satellitesInUse;
    slot.hdop = f.hdop;
    slot.altitude = f.altitude;
    slot.geoidalSeparation = f.geoidalSeparation;
    const bool fix = f.quality >= 1 && f.quality <= 3;
    setValidity(slot.positionValid, fix, now);
    slot.fixValid = fix;
    if (fix && isTimeValid(f.utcTime))
        setTimeAndDateValid(slot, now);
}

void storeGbs(GPS_Data& slot, const I62_GBS_DATA& f, SYSTEM_TIME now)
{
    takeTimeWhenValid(slot, f.utcTime, now);
    slot.errLatitude = f.errLatitude;
    slot.errLongitude = f.errLongitude;
    slot.errAltitude = f.errAltitude;
    slot.failedSatellite = f.failedSatellite;
    slot.probability = f.probability;
    slot.bias = f.bias;
    slot.biasStdDev = f.biasStdDev;
    const bool errorsGiven = f.errLatitude > I62_ABSENT_FLOAT_LIMIT && f.errLongitude > I62_ABSENT_FLOAT_LIMIT
        && f.errAltitude > I62_ABSENT_FLOAT_LIMIT;
    setValid(slot.raimInUse, now);
    slot.gbsErrorsValid = SENSOR_VALIDITY{errorsGiven, now};
}

void storeGll(GPS_Data& slot, const I62_GLL_DATA& f, SYSTEM_TIME now)
{
    takeTimeWhenValid(slot, f.utcTime, now);
    takePosition(slot, f.position);
    slot.modeIndicator = f.modeIndicator;
    slot.status = f.status;
    setValidity(slot.positionValid, f.status == 'A' || f.status == 'D', now);
}

void storeGsa(GPS_Data& slot, const I62_GSA_DATA& f)
{
    slot.selectionMode = f.mode;
    slot.fixMode = f.fixType;
    slot.fixValid = f.fixType == GPS_FIX_2D || f.fixType == GPS_FIX_3D;
    slot.satellitesInUse = 0;
    for (int i = 0; i < I62_GSA_SATELLITES; ++i) {
        slot.satellitesUsed[i] = satelliteOf(f.satellites[i], f.satellitesGiven, i);
        if (slot.satellitesUsed[i] != 0)
            ++slot.satellitesInUse;
    }
    slot.pdop = f.pdop;
    slot.hdop = f.hdop;
    slot.vdop = f.vdop;
}

void storeGsv(GPS_Data& slot, const I62_GSV_DATA& f)
{
    GPS_SATELLITES_IN_VIEW& view = slot.inView;
    view.totalSentences = f.totalSentences;
    view.sentenceNumber = f.sentenceNumber;
    view.satellitesInView = f.satellitesInView;
    view.count = f.satellitesInSentence;
    for (int i = 0; i < I62_GSV_SATELLITES; ++i) {
        view.prn[i] = satelliteOf(f.prn[i], f.prnGiven, i);
        view.elevation[i] = f.elevation[i];
        view.azimuth[i] = f.azimuth[i];
        view.snr[i] = f.snr[i] == I62_ABSENT_U8 ? 0 : f.snr[i];
    }
}

void storeRmc(GPS_Data& slot, const I62_RMC_DATA& f, SYSTEM_TIME now)
{
    takeTimeWhenValid(slot, f.utcTime, now);
    slot.date = f.date;
    takePosition(slot, f.position);
    slot.sogKnots = f.sog;
    slot.cogTrue = f.cog;
    slot.status = f.status;
    slot.modeIndicator = f.modeIndicator;
    slot.navStatus = f.navStatus;
    if (f.status != RMC_STATUS_VALID) {
        slot.positionValid.valid = 0;
        slot.timeValid.valid = 0;
        slot.cogSogValid.valid = 0;
        return;
    }
    const uint8_t mode = f.modeIndicator;
    if (mode == 'E' || mode == 'M' || mode == 'N' || mode == 'S') {
        slot.positionValid.valid = 0;
    } else {
        setValid(slot.positionValid, now);
        if (isTimeValid(f.utcTime) && isDateValid(f.date))
            setTimeAndDateValid(slot, now);
    }
    setValidity(slot.cogSogValid, isCourseValid(f.cog), now);
}

void storeVtg(GPS_Data& slot, const I62_VTG_DATA& f, SYSTEM_TIME now)
{
    slot.cogTrue = f.cogTrue;
    slot.cogMagnetic = f.cogMagnetic;
    slot.sogKnots = f.sogKnots;
    slot.sogKmh = f.sogKmh;
    slot.modeIndicator = f.modeIndicator;
    const uint8_t mode = f.modeIndicator;
    const bool accepted = mode == 'A' || mode == 'D' || mode == 'P' || mode == I62_ABSENT_U8;
    setValidity(slot.cogSogValid, accepted && isCourseValid(f.cogTrue), now);
}

void storeZda(GPS_Data& slot, const I62_ZDA_DATA& f, SYSTEM_TIME now)
{
    slot.utcTime = f.utcTime;
    slot.date = I62_DATE{static_cast<uint16_t>(f.year < 0 ? 0 : f.year), f.month, f.day};
    if (isTimeValid(f.utcTime) && isDateValid(slot.date))
        setTimeAndDateValid(slot, now);
}

void storeDtm(GPS_Data& slot, const I62_DTM_DATA& f, SYSTEM_TIME now)
{
    CopyFixedText(slot.localDatum, f.localDatum);
    slot.subDatum = f.subDivision;
    slot.latOffset = f.latOffset;
    slot.lonOffset = f.lonOffset;
    slot.altOffset = f.altOffset;
    CopyFixedText(slot.referenceDatum, f.referenceDatum);
    setValid(slot.dtmReceived, now);
    slot.datumIsWgs84 = std::strcmp(slot.referenceDatum, "W84") == 0;
}

bool storeByFormatter(GPS_Data& slot, const I61162_Data_Structure& record, SYSTEM_TIME now)
{
    const I62_FORMATTER_DATA& d = record.data;
    switch (I62_FormatterCode(record.formatter)) {
    case I62_FormatterCode("GGA"):
        storeGga(slot, d.gga, now);
        return true;
    case I62_FormatterCode("GBS"):
        storeGbs(slot, d.gbs, now);
        return true;
    case I62_FormatterCode("GLL"):
        storeGll(slot, d.gll, now);
        return true;
    case I62_FormatterCode("GSA"):
        storeGsa(slot, d.gsa);
        return true;
    case I62_FormatterCode("GSV"):
        storeGsv(slot, d.gsv);
        return true;
    case I62_FormatterCode("RMC"):
        storeRmc(slot, d.rmc, now);
        return true;
    case I62_FormatterCode("VTG"):
        storeVtg(slot, d.vtg, now);
        return true;
    case I62_FormatterCode("ZDA"):
        storeZda(slot, d.zda, now);
        return true;
    case I62_FormatterCode("DTM"):
        storeDtm(slot, d.dtm, now);
        return true;
    default:
        return false;
    }
}

} // namespace

uint32_t I62_SystemId(const char* talker)
{
    struct Talker
    {
        const char* talker;
        uint32_t id;
    };
    static const Talker talkers[] = {{"GP", I62_SYSTEM_GP}, {"GL", I62_SYSTEM_GL}, {"GN", I62_SYSTEM_GN},
                                     {"LC", I62_SYSTEM_LC}, {"IN", I62_SYSTEM_IN}};
    for (const Talker& t : talkers) {
        if (talker && std::strncmp(talker, t.talker, 3) == 0)
            return t.id;
    }
    return I62_SYSTEM_OTHER;
}

bool StoreGPSData(const I61162_Data_Structure* record, GPS_Data* slot)
{
    if (!record || !slot || !storeByFormatter(*slot, *record, GetSystemTime()))
        return false;
    slot->systemId = I62_SystemId(record->talker);
    CopyFixedText(slot->formatter, record->formatter);
    return true;
}
