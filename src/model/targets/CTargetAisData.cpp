#include "model/targets/CTargetAisData.h"

#include <cmath>

namespace VudaviRirev::Target {

void CTargetAisData::updateData(const SAisFillSource& source)
{
    switch (source.listener) {
    case I62_LISTENER_VDM:
    case I62_LISTENER_VDO:
        setAisData(source.ship, true);
        break;
    case I62_LISTENER_VDO_NOT_PRIMARY:
        setAisData(source.ship, false);
        break;
    case I62_LISTENER_HDT:
    case I62_LISTENER_HDM:
        setCompassData(source.sensors);
        break;
    case I62_LISTENER_GSA:
    case I62_LISTENER_POSITION:
        setGpsData(source.gps);
        break;
    default:
        break;
    }
}

int16_t CTargetAisData::getCourseDeg(bool course) const
{
    const float value = course ? cog : trueHeading;
    const bool available = course ? value < NoCog : value != NoHeading;
    if (!available || !(std::fabs(value) < 32767.0f))
        return 0;
    return static_cast<int16_t>(std::floor(value + 0.5f));
}

void CTargetAisData::setScreen(char index, const Unit::SPointC2dI& point)
{
    if (index >= 0 && index < ScreenCount)
        screen[static_cast<int>(index)] = point;
}

} // namespace VudaviRirev::Target
