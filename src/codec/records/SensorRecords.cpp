#include "codec/records/SensorRecords.h"

#include "codec/families/I62RadarFields.h"
#include "codec/records/CodecLock.h"

#include <cstring>

GPS_Data GpsData[GPS_SLOTS];
int CurGpsPort = 0;
GNSS_Data EXTGnssData;
LRng_Data EXTLRngData;
AIS_Data EXTAISData;
DSC_Data EXTDSCData;
PRI_DATA EXTPriData;
AtoN_sentence_data EXTAtoNData;
RADAR_DATA EXTRadarData;
I62_QUERY_SLOT I62QueryData[I62_QUERY_SLOTS];
uint8_t SensorData[SENSOR_DATA_FLAGS];

namespace {

constexpr float GBS_ERROR_AT_START = -1.0f;

void initialSlot(GPS_Data& slot, SYSTEM_TIME now)
{
    std::memset(&slot, 0, sizeof slot);
    slot.utcTime = I62_UTC_TIME{24, 60, 60, 0}; // not available
    slot.latitude = I62_ABSENT_LATITUDE;
    slot.longitude = I62_ABSENT_LONGITUDE;
    slot.fixMode = GPS_FIX_NONE;
    slot.modeIndicator = 'N';
    slot.status = 'V';
    for (float* value : {&slot.altitude, &slot.geoidalSeparation, &slot.cogTrue, &slot.cogMagnetic, &slot.sogKnots,
                         &slot.sogKmh, &slot.pdop, &slot.hdop, &slot.vdop})
        *value = I62_ABSENT_FLOAT;
    slot.errLatitude = GBS_ERROR_AT_START;
    slot.errLongitude = GBS_ERROR_AT_START;
    slot.errAltitude = GBS_ERROR_AT_START;
    for (SENSOR_VALIDITY* flag : {&slot.timeValid, &slot.dateValid, &slot.positionValid, &slot.cogSogValid,
                                  &slot.raimInUse, &slot.gbsErrorsValid, &slot.dtmReceived})
        *flag = SENSOR_VALIDITY{0, now};
    std::memcpy(slot.formatter, "XXX", sizeof slot.formatter);
}

} // namespace

bool SensorInitial()
{
    CCodecLock lock;
    const SYSTEM_TIME now = GetSystemTime();
    for (GPS_Data& slot : GpsData)
        initialSlot(slot, now);
    EXTGnssData = GNSS_Data{};
    EXTGnssData.trueHeading = I62_ABSENT_HEADING;
    EXTGnssData.magneticHeading = I62_ABSENT_HEADING;
    EXTGnssData.trueHeadingValid = SENSOR_VALIDITY{0, now};
    EXTGnssData.magneticHeadingValid = SENSOR_VALIDITY{0, now};
    EXTLRngData = LRng_Data{};
    EXTAISData = AIS_Data{};
    EXTDSCData = DSC_Data{};
    EXTPriData = PRI_DATA{};
    EXTAtoNData = AtoN_sentence_data{};
    EXTRadarData = RADAR_DATA{};
    for (I62_QUERY_SLOT& slot : I62QueryData)
        slot = I62_QUERY_SLOT{};
    std::memset(SensorData, 0, sizeof SensorData);
    return true;
}
