#include "codec/records/CodecSnapshot.h"

#include "codec/records/CodecLock.h"

bool CopyShipData(int entry, GENERIC_SHIP_DATA* copy)
{
    if (!copy || entry < 0 || entry >= SHIP_TABLE_SIZE)
        return false;
    CCodecLock lock;
    *copy = ShipData[entry];
    return true;
}

void CopyGpsData(GPS_Data* copy)
{
    if (!copy)
        return;
    CCodecLock lock;
    *copy = GpsData[CurGpsPort];
}

void CopyExtGnssData(GNSS_Data* copy)
{
    if (!copy)
        return;
    CCodecLock lock;
    *copy = EXTGnssData;
}
