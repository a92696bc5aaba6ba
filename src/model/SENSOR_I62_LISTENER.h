#pragma once

namespace VudaviRirev {

// Which data a decoded sentence feeds, as the sentence handler signals it.
enum SENSOR_I62_LISTENER : int {
    SENSOR_I62_NONE = 0,
    SENSOR_I62_HDT = 1,
    SENSOR_I62_HDM = 2,
    SENSOR_I62_GSA = 4,
    SENSOR_I62_GBS_ZDA = 8,
    SENSOR_I62_POSITION = 12, // GGA, GLL, RMC
    SENSOR_I62_GSV = 13,
    SENSOR_I62_VDM = 16,
    SENSOR_I62_VDO = 32,
    // A VDO from a link that is not the primary position source: no own kinematics.
    SENSOR_I62_VDO_NOT_PRIMARY = 33,
};

} // namespace VudaviRirev
