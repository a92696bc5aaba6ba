#include "device/CSensorConfig.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

template <size_t N>
bool SameText(const char (&a)[N], const char (&b)[N])
{
    return std::memcmp(a, b, N) == 0;
}

} // namespace

void CSensorConfig::initial()
{
    int32_t slots[StatusSlots];
    std::copy(std::begin(statusFlags), std::end(statusFlags), slots);
    *this = CSensorConfig();
    std::copy(std::begin(slots), std::end(slots), statusFlags);
}

void CSensorConfig::assign(const CSensorConfig* other)
{
    if (other)
        *this = *other;
}

void CSensorConfig::initDiagnoseInfo()
{
    std::fill(std::begin(statusFlags), std::end(statusFlags), StatusNotReported);
    mmsiValid = false;
    std::fill(std::begin(serialNumber), std::end(serialNumber), '\0');
    std::fill(std::begin(firmware), std::end(firmware), '\0');
    refusedValues &= ~uint32_t(VALUE_SERIAL_NUMBER | VALUE_FIRMWARE);
}

bool CSensorConfig::differsOnPage(const CSensorConfig& o) const
{
    const bool same = mmsi == o.mmsi && SameText(shipName, o.shipName) && SameText(callSign, o.callSign) &&
                      shipType == o.shipType && dimA == o.dimA && dimB == o.dimB && dimC == o.dimC &&
                      dimD == o.dimD && SameText(serialNumber, o.serialNumber) && SameText(firmware, o.firmware) &&
                      gpsOn == o.gpsOn && SameText(dscMonitor, o.dscMonitor) && lrChannel1 == o.lrChannel1 &&
                      lrChannel2 == o.lrChannel2 && nmea1OutBaud == o.nmea1OutBaud &&
                      nmea1InBaud == o.nmea1InBaud && nmea2OutBaud == o.nmea2OutBaud &&
                      nmea2InBaud == o.nmea2InBaud && nmea2000Instance == o.nmea2000Instance &&
                      SameText(fwVersion, o.fwVersion) && wifiModule == o.wifiModule &&
                      multipleBaudRate == o.multipleBaudRate && gpsUpdateRate == o.gpsUpdateRate &&
                      gpsDynModel == o.gpsDynModel && gpsOnCopy == o.gpsOnCopy &&
                      (alrOutput == 0) == (o.alrOutput == 0) && refusedValues == o.refusedValues;
    return !same;
}

bool CSensorConfig::operator==(const CSensorConfig& o) const
{
    return !differsOnPage(o) && alrOutput == o.alrOutput &&
           std::equal(std::begin(statusFlags), std::end(statusFlags), std::begin(o.statusFlags)) &&
           mmsiValid == o.mmsiValid;
}
