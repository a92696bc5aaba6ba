#include "comm/CommProfile.h"

#include "support/PortalStr.h"

#include <algorithm>
#include <cstring>

namespace COMM {

namespace {

// True when the value lies in 0..maxValue; negative values wrap to large unsigned ones.
bool InUnsignedRange(int value, unsigned maxValue)
{
    return static_cast<unsigned>(value) <= maxValue;
}

} // namespace

COMM_CONNT_SETTING BuildConntLink(SENSOR_DEVICE_T sensorType, const char32_t* name, PRIMARY_POS_DEV primaryPos,
                                  bool active)
{
    COMM_CONNT_SETTING setting;
    setting.sensorType = sensorType;
    setting.devPrimaryPos = primaryPos;
    setting.active = active;
    if (!name)
        return setting;
    int length = 0;
    while (length < DevNameSize && name[length] != 0)
        ++length;
    if (length < DevNameSize)
        std::copy(name, name + length, setting.devName);
    return setting;
}

SSerialConntConfig BuildSerialConfig(const char* portName, int baudIndex)
{
    SSerialConntConfig config;
    config.baudIndex = InUnsignedRange(baudIndex, BaudIndexCount - 1) ? baudIndex : -1;
    if (portName && strnlen(portName, PortNameSize) < static_cast<size_t>(PortNameSize))
        Portal::Str::SafeStrCpy(config.portName, portName);
    return config;
}

SNetworkConntConfig BuildNetworkConfig(int socketType, const std::string& ip, int port)
{
    SNetworkConntConfig config;
    config.socketType =
        InUnsignedRange(socketType, SOCKET_UDP_CLIENT) ? static_cast<SOCKET_TYPE>(socketType) : SOCKET_INVALID;
    if (ip.size() <= static_cast<size_t>(IpMaxLength))
        Portal::Str::SafeStrCpy(config.ip, ip.c_str());
    config.port = InUnsignedRange(port, MaxPort) ? port : -1;
    return config;
}

LOG_CONNT_CONFIG BuildLogConfig(LOG_MODE mode)
{
    return mode;
}

int GetBaudRate(int baudIndex)
{
    static const int rates[BaudIndexCount] = {115200, 57600, 38400, 19200, 9600, 4800, 2400, 1200};
    return InUnsignedRange(baudIndex, BaudIndexCount - 1) ? rates[baudIndex] : -1;
}

RAWDATA_TYPE GetRawDataTypeBasisSensor(SENSOR_DEVICE_T sensorType, COMM_TYPE commType, SOCKET_TYPE)
{
    switch (commType) {
    case COMM_TYPE_SERIAL:
        return sensorType == SENSOR_MESSAGE_2 ? RAWDATA_MSG_2 : RAWDATA_SENTENCE;
    case COMM_TYPE_NETWORK:
        if (sensorType == SENSOR_MESSAGE_2)
            return RAWDATA_MSG_2;
        return sensorType == SENSOR_MESSAGE_1 ? RAWDATA_MSG_1 : RAWDATA_SENTENCE;
    case COMM_TYPE_LOG:
        return sensorType == SENSOR_NOT_CONNECTED ? RAWDATA_BIN : RAWDATA_SENTENCE;
    default:
        return RAWDATA_SENTENCE;
    }
}

std::u32string DevNameText(const COMM_CONNT_SETTING& setting)
{
    int length = 0;
    while (length < DevNameSize && setting.devName[length] != 0)
        ++length;
    return std::u32string(setting.devName, static_cast<size_t>(length));
}

} // namespace COMM
