#include "model/CTargetAisData.h"

#include <cmath>

namespace VudaviRirev::Target {

void CTargetAisData::updateData(const SAisFillSource& source)
{
    switch (source.listener) {
    case SENSOR_I62_VDM:
    case SENSOR_I62_VDO:
        setAisData(source.ship, true);
        break;
    case SENSOR_I62_VDO_NOT_PRIMARY:
        setAisData(source.ship, false);
        break;
    case SENSOR_I62_HDT:
    case SENSOR_I62_HDM:
        setCompassData(source.sensors);
        break;
    case SENSOR_I62_GSA:
    case SENSOR_I62_POSITION:
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
