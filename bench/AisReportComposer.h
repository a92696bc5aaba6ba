#pragma once

#include <QByteArray>
#include <cstdint>

// Sentences composed here, bit by bit, without the codec: position reports of many stations
// and the own ship's fix, as a receiver would put them on the device link.
namespace AisReportComposer {

struct SFix
{
    double latitude = 0.0;  // degrees, north positive
    double longitude = 0.0; // degrees, east positive
    double speedKnots = 0.0;
    double courseDegrees = 0.0;
};

// A class A position report (message 1) of the station as one "!AIVDM" sentence, CR LF ended.
QByteArray PositionReport(uint32_t mmsi, const SFix& fix, int utcSecond);
// The own ship's fix as "$GPRMC" and "$GPGGA" sentences at the given UTC time of day.
QByteArray OwnFix(const SFix& fix, int hour, int minute, int second);

} // namespace AisReportComposer
