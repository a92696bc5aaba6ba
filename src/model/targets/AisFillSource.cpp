#include "model/targets/AisFillSource.h"

#include "codec/records/CodecSnapshot.h"

namespace VudaviRirev::Target {

SAisFillSource CopyAisFillSource(bool isOther, SENSOR_I62_LISTENER listener)
{
    SAisFillSource source;
    source.listener = listener;
    switch (listener) {
    case I62_LISTENER_VDM:
    case I62_LISTENER_VDO:
    case I62_LISTENER_VDO_NOT_PRIMARY:
        CopyShipData(isOther ? 1 : 0, &source.ship);
        break;
    case I62_LISTENER_HDT:
    case I62_LISTENER_HDM:
        CopyExtGnssData(&source.sensors);
        break;
    case I62_LISTENER_GSA:
    case I62_LISTENER_POSITION:
        CopyGpsData(&source.gps);
        break;
    default:
        break;
    }
    return source;
}

} // namespace VudaviRirev::Target
