#include "codec/records/SensorStores.h"

#include "codec/records/ShipTable.h"
#include "codec/sentence/I62FormatterCode.h"

namespace {

constexpr float HEADING_TIMEOUT_SECONDS = 10.0f;

void storeHeading(float heading, float& kept, SENSOR_VALIDITY& validity)
{
    kept = heading;
    if (heading >= 0.0f && heading < 360.0f)
        validity = SENSOR_VALIDITY{1, GetSystemTime()};
    else
        validity.valid = 0;
}

void expire(SENSOR_VALIDITY& validity, SYSTEM_TIME now)
{
    if (validity.valid && SysTimeDifference(validity.updated, now) > HEADING_TIMEOUT_SECONDS)
        validity.valid = 0;
}

} // namespace

bool StoreSensorData(const I61162_Data_Structure* record, GNSS_Data* sensors)
{
    if (!record || !sensors)
        return false;
    const I62_FORMATTER_DATA& d = record->data;
    switch (I62_FormatterCode(record->formatter)) {
    case I62_FormatterCode("GNS"):
        sensors->gns = d.gns;
        break;
    case I62_FormatterCode("VBW"):
        sensors->vbw = d.vbw;
        break;
    case I62_FormatterCode("ROT"):
        sensors->rot = d.rot;
        break;
    case I62_FormatterCode("HDT"):
        storeHeading(d.hdt.heading, sensors->trueHeading, sensors->trueHeadingValid);
        break;
    case I62_FormatterCode("HDM"):
        storeHeading(d.hdm.heading, sensors->magneticHeading, sensors->magneticHeadingValid);
        break;
    default:
        return false;
    }
    sensors->systemId = I62_SystemId(record->talker);
    return true;
}

void CheckSensorDataValid()
{
    const SYSTEM_TIME now = GetSystemTime();
    expire(EXTGnssData.trueHeadingValid, now);
    expire(EXTGnssData.magneticHeadingValid, now);
}

void UpdataShipSensorData()
{
    CheckSensorDataValid();
    if (EXTGnssData.trueHeadingValid.valid)
        ShipData[0].heading = EXTGnssData.trueHeading;
    else if (EXTGnssData.magneticHeadingValid.valid)
        ShipData[0].heading = EXTGnssData.magneticHeading;
    SensorData[SENSOR_OWN_HEADING] = EXTGnssData.trueHeadingValid.valid || EXTGnssData.magneticHeadingValid.valid;
}
