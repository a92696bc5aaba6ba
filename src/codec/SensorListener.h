#pragma once

// Which data a decoded sentence feeds, as the sentence handler announces it.
namespace VudaviRirev {

enum SENSOR_I62_LISTENER : int
{
    I62_LISTENER_NONE = 0,
    I62_LISTENER_HDT = 1,
    I62_LISTENER_HDM = 2,
    I62_LISTENER_GSA = 4,
    I62_LISTENER_GBS_ZDA = 8,
    I62_LISTENER_POSITION = 12, // GGA, GLL, RMC
    I62_LISTENER_GSV = 13,
    I62_LISTENER_VDM = 16,
    I62_LISTENER_VDO = 32,
    I62_LISTENER_VDO_NOT_PRIMARY = 33, // a VDO from a link whose primary-position role is 0
};

} // namespace VudaviRirev
