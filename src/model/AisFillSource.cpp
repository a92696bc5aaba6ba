#include "model/AisFillSource.h"

#include "codec/CodecSnapshot.h"

namespace VudaviRirev::Target {

SAisFillSource CopyAisFillSource(bool isOther, SENSOR_I62_LISTENER listener)
{
    SAisFillSource source;
    source.listener = listener;
    switch (listener) {
    case SENSOR_I62_VDM:
    case SENSOR_I62_VDO:
    case SENSOR_I62_VDO_NOT_PRIMARY:
        CopyShipData(isOther ? 1 : 0, &source.ship);
        break;
    case SENSOR_I62_HDT:
    case SENSOR_I62_HDM:
        CopyExtGnssData(&source.sensors);
        break;
    case SENSOR_I62_GSA:
    case SENSOR_I62_POSITION:
        CopyGpsData(&source.gps);
        break;
    default:
        break;
    }
    return source;
}

} // namespace VudaviRirev::Target
