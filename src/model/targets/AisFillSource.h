#pragma once

#include "codec/records/SensorRecords.h"
#include "codec/records/ShipTable.h"
#include "codec/SensorListener.h"

namespace VudaviRirev::Target {

// What one fill of a target reads from the codec, copied out first: the copy takes the codec
// lock, and the registry takes its own lock only after the copy has returned.
struct SAisFillSource
{
    SENSOR_I62_LISTENER listener = I62_LISTENER_NONE;
    GENERIC_SHIP_DATA ship{}; // VDM, VDO: entry 1 for another vessel, entry 0 for the own
    GPS_Data gps{};           // GSA, GGA, GLL, RMC: the GNSS slot in use
    GNSS_Data sensors{};      // HDT, HDM
};

// Copies only what the listener's fill reads. Must not be called with the codec lock held.
SAisFillSource CopyAisFillSource(bool isOther, SENSOR_I62_LISTENER listener);

} // namespace VudaviRirev::Target
