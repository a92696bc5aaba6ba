#pragma once

#include <cstdint>

// The small value types of a connection. All are 32-bit signed integers, so a value read
// from comm.ini that is out of range stays representable and is refused by the checks.
namespace COMM {

enum COMM_TYPE : int32_t {
    COMM_TYPE_NONE = -1,
    COMM_TYPE_LOG = 0,
    COMM_TYPE_SERIAL = 1,
    COMM_TYPE_NETWORK = 2,
};

enum SOCKET_TYPE : int32_t {
    SOCKET_INVALID = -1,
    SOCKET_TCP_SERVER = 0,
    SOCKET_TCP_CLIENT = 1,
    SOCKET_UDP_SERVER = 2,
    SOCKET_UDP_CLIENT = 3,
};

// Which end of a network link a transport is.
enum SOCKET_ROLE : int32_t {
    SOCKET_ROLE_SERVER = 0,
    SOCKET_ROLE_CLIENT = 1,
};

enum PRIMARY_POS_DEV : int32_t {
    PRIMARY_POS_LOG = -1,
    PRIMARY_POS_NO = 0,
    PRIMARY_POS_YES = 1,
    PRIMARY_POS_UNDEFINED = 2,
};

enum LOG_MODE : int32_t {
    LOG_RECORD = 0,
    LOG_REPLAY = 1,
};
using LOG_CONNT_CONFIG = LOG_MODE;

// The playback state of a log replay.
enum LOG_REPLAY_PLAY_OP : int32_t {
    REPLAY_OFF = -1,
    REPLAY_PLAY = 0,
    REPLAY_PAUSE = 1,
    REPLAY_STOP = 2,
};

// The kind of device at the other end, 0 to 31. The values carry no names; the ones with
// an effect of their own are listed here.
using SENSOR_DEVICE_T = int32_t;
constexpr SENSOR_DEVICE_T SENSOR_DEVICE_LINK = 0;    // the main window's device link
constexpr SENSOR_DEVICE_T SENSOR_REPLAY_LOG = 2;     // the replay log link
constexpr SENSOR_DEVICE_T SENSOR_NOT_CONNECTED = 4;  // read or posted, but not connected
constexpr SENSOR_DEVICE_T SENSOR_MESSAGE_1 = 8;      // message type 1 on a network link
constexpr SENSOR_DEVICE_T SENSOR_MESSAGE_2 = 16;     // message type 2 on a serial or network link
constexpr int32_t SENSOR_DEVICE_COUNT = 32;

// How a connection's received bytes are queued and signalled.
enum RAWDATA_TYPE : int32_t {
    RAWDATA_MSG_1 = 1,
    RAWDATA_MSG_2 = 2,
    RAWDATA_MSG_3 = 3,  // text replies of the Wi-Fi module
    RAWDATA_SENTENCE = 4,
    RAWDATA_BIN = 5,
    RAWDATA_CMD = 6,
};

inline bool IsMessageType(RAWDATA_TYPE type)
{
    return type == RAWDATA_MSG_1 || type == RAWDATA_MSG_2 || type == RAWDATA_MSG_3;
}

} // namespace COMM
