#include "codec/compose/I62ReadBack.h"

#include "codec/sentence/I62FormatterCode.h"

namespace {

I62_DEGREE positionOf(const GPS_Data& slot)
{
    return I62_DEGREE{slot.latitude, slot.longitude};
}

// The store keeps 0 for a satellite field that was empty; the sentence record marks it 128.
uint8_t satelliteField(uint8_t kept)
{
    return kept != 0 ? kept : I62_ABSENT_U8;
}

void readGga(I62_GGA_DATA& f, const GPS_Data& slot)
{
    f.utcTime = slot.utcTime;
    f.position = positionOf(slot);
    f.quality = slot.quality;
    f.satellitesInUse = slot.satellitesInUse;
    f.hdop = slot.hdop;
    f.altitude = slot.altitude;
    f.geoidalSeparation = slot.geoidalSeparation;
}

void readGbs(I62_GBS_DATA& f, const GPS_Data& slot)
{
    f.utcTime = slot.utcTime;
    f.errLatitude = slot.errLatitude;
    f.errLongitude = slot.errLongitude;
    f.errAltitude = slot.errAltitude;
    f.failedSatellite = slot.failedSatellite;
    f.probability = slot.probability;
    f.bias = slot.bias;
    f.biasStdDev = slot.biasStdDev;
}

void readGll(I62_GLL_DATA& f, const GPS_Data& slot)
{
    f.position = positionOf(slot);
    f.utcTime = slot.utcTime;
    f.status = slot.status;
    f.modeIndicator = slot.modeIndicator;
}

void readGsa(I62_GSA_DATA& f, const GPS_Data& slot)
{
    f.mode = slot.selectionMode;
    f.fixType = slot.fixMode;
    f.satellitesGiven = 0;
    for (int i = 0; i < I62_GSA_SATELLITES; ++i) {
        f.satellites[i] = satelliteField(slot.satellitesUsed[i]);
        if (slot.satellitesUsed[i] != 0)
            f.satellitesGiven = static_cast<uint16_t>(f.satellitesGiven | 1u << i);
    }
    f.pdop = slot.pdop;
    f.hdop = slot.hdop;
    f.vdop = slot.vdop;
}

void readGsv(I62_GSV_DATA& f, const GPS_Data& slot)
{
    const GPS_SATELLITES_IN_VIEW& view = slot.inView;
    f.totalSentences = view.totalSentences;
    f.sentenceNumber = view.sentenceNumber;
    f.satellitesInView = view.satellitesInView;
    f.satellitesInSentence = view.count;
    f.prnGiven = 0;
    for (int i = 0; i < I62_GSV_SATELLITES; ++i) {
        f.prn[i] = satelliteField(view.prn[i]);
        if (view.prn[i] != 0)
            f.prnGiven = static_cast<uint8_t>(f.prnGiven | 1u << i);
        f.elevation[i] = view.elevation[i];
        f.azimuth[i] = view.azimuth[i];
        f.snr[i] = satelliteField(view.snr[i]);
    }
}

void readRmc(I62_RMC_DATA& f, const GPS_Data& slot)
{
    f.utcTime = slot.utcTime;
    f.status = slot.status;
    f.position = positionOf(slot);
    f.sog = slot.sogKnots;
    f.cog = slot.cogTrue;
    f.date = slot.date;
    f.modeIndicator = slot.modeIndicator;
    f.navStatus = slot.navStatus;
}

void readVtg(I62_VTG_DATA& f, const GPS_Data& slot)
{
    f.cogTrue = slot.cogTrue;
    f.cogMagnetic = slot.cogMagnetic;
    f.sogKnots = slot.sogKnots;
    f.sogKmh = slot.sogKmh;
    f.modeIndicator = slot.modeIndicator;
}

void readZda(I62_ZDA_DATA& f, const GPS_Data& slot)
{
    f.utcTime = slot.utcTime;
    f.year = slot.date.year != 0 ? static_cast<int16_t>(slot.date.year) : int16_t(-1);
    f.month = slot.date.month;
    f.day = slot.date.day;
}

} // namespace

bool I62_ReadGPSData(I61162_Data_Structure* record, const GPS_Data* slot)
{
    if (!record || !slot)
        return false;
    I62_FORMATTER_DATA& d = record->data;
    switch (I62_FormatterCode(record->formatter)) {
    case I62_FormatterCode("GGA"):
        readGga(d.gga, *slot);
        return true;
    case I62_FormatterCode("GBS"):
        readGbs(d.gbs, *slot);
        return true;
    case I62_FormatterCode("GLL"):
        readGll(d.gll, *slot);
        return true;
    case I62_FormatterCode("GSA"):
        readGsa(d.gsa, *slot);
        return true;
    case I62_FormatterCode("GSV"):
        readGsv(d.gsv, *slot);
        return true;
    case I62_FormatterCode("RMC"):
        readRmc(d.rmc, *slot);
        return true;
    case I62_FormatterCode("VTG"):
        readVtg(d.vtg, *slot);
        return true;
    case I62_FormatterCode("ZDA"):
        readZda(d.zda, *slot);
        return true;
    default:
        return false;
    }
}

bool I62_ReadSensorData(I61162_Data_Structure* record, const GNSS_Data* sensors)
{
    if (!record || !sensors)
        return false;
    I62_FORMATTER_DATA& d = record->data;
    switch (I62_FormatterCode(record->formatter)) {
    case I62_FormatterCode("GNS"):
        d.gns = sensors->gns;
        return true;
    case I62_FormatterCode("VBW"):
        d.vbw = sensors->vbw;
        return true;
    case I62_FormatterCode("ROT"):
        d.rot = sensors->rot;
        return true;
    case I62_FormatterCode("HDT"):
        d.hdt.heading = sensors->trueHeading;
        return true;
    case I62_FormatterCode("HDM"):
        d.hdm.heading = sensors->magneticHeading;
        return true;
    default:
        return false;
    }
}
