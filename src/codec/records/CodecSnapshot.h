#pragma once

#include "codec/records/SensorRecords.h"
#include "codec/records/ShipTable.h"

// Copies out of the codec's records for readers on any thread. Each takes the codec lock for
// the copy, so the copy is never half-written; the caller must not hold the codec lock, and
// takes its own later locks (registry, GPS record) only after the copy returns.

// False (copy untouched) for an entry outside the table.
bool CopyShipData(int entry, GENERIC_SHIP_DATA* copy);
// The GNSS slot in use, GpsData[CurGpsPort].
void CopyGpsData(GPS_Data* copy);
void CopyExtGnssData(GNSS_Data* copy);
