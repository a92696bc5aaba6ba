#include "codec/geometry/StationGeometry.h"

#include "codec/geometry/CpaGeometry.h"
#include "codec/records/ShipTable.h"

#include <cmath>

namespace {

constexpr float KM_PER_NM = 1.852f;

bool isInTable(int entry)
{
    return entry >= 0 && entry < SHIP_TABLE_SIZE;
}

bool hasPosition(float longitude, float latitude, float slack)
{
    return std::fabs(longitude) <= 180.0f + slack && std::fabs(latitude) <= 90.0f + slack;
}

} // namespace

void CalAllStationDistance(int entry, float ownLongitude, float ownLatitude)
{
    if (!isInTable(entry))
        return;
    ShipEntryWritten(entry);
    GENERIC_SHIP_DATA& e = ShipData[entry];
    if (!hasPosition(e.longitude, e.latitude, 0.1f) || !hasPosition(ownLongitude, ownLatitude, 0.1f)) {
        e.distance = SHIP_NO_RANGE;
        return;
    }
    e.distance = Cal2PointsDistanceEllip(ownLongitude, ownLatitude, e.longitude, e.latitude) / KM_PER_NM;
}

void CalAllStationBearing(int entry)
{
    if (!isInTable(entry))
        return;
    ShipEntryWritten(entry);
    const GENERIC_SHIP_DATA& own = ShipData[0];
    GENERIC_SHIP_DATA& e = ShipData[entry];
    if (!hasPosition(e.longitude, e.latitude, 0.0f) || !hasPosition(own.longitude, own.latitude, 0.0f)) {
        e.bearing = SHIP_NO_BEARING;
        return;
    }
    const float dLat = e.latitude - own.latitude;
    const float dLon = e.longitude - own.longitude;
    if (dLat == 0.0f && dLon == 0.0f) {
        e.bearing = 0.0f;
        return;
    }
    e.bearing = CalGridBearing(dLat, dLon);
}
