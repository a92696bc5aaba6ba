#pragma once

#include "comm/CommTypes.h"

#include <string>

// One connection's profile and the builders that fill it. Every record is a plain value.
namespace COMM {

constexpr int DevNameSize = 32;     // UCS-4 characters with the terminating NUL
constexpr int PortNameSize = 256;   // bytes with the terminating NUL
constexpr int IpSize = 256;         // bytes with the terminating NUL
constexpr int IpMaxLength = 253;    // longest address text taken
constexpr int BaudIndexCount = 8;
constexpr int MaxPort = 65535;

struct COMM_CONNT_SETTING
{
    SENSOR_DEVICE_T sensorType = 0;
    char32_t devName[DevNameSize] = {};
    PRIMARY_POS_DEV devPrimaryPos = PRIMARY_POS_UNDEFINED;
    bool active = false;
    bool splitLines = false;  // a message-type link cuts its bytes into lines
};

struct SSerialConntConfig
{
    char portName[PortNameSize] = {};
    int baudIndex = 0;
};

struct SNetworkConntConfig
{
    SOCKET_TYPE socketType = SOCKET_TCP_SERVER;
    char ip[IpSize] = {};
    int port = 0;
};

// Trace of the link's traffic: as text or as hexadecimal bytes.
struct SDebugConfig
{
    static constexpr int TraceReceived = 1;
    static constexpr int TraceSent = 2;

    bool isString = false;
    int msgOut = 0;
};

// A default-constructed profile is the empty profile: every field zero except the
// position role (undefined) and the comm type (none). Only the configuration that
// belongs to commType is meaningful; the others stay as they were built.
struct SCommConntProfile
{
    COMM_CONNT_SETTING conntSetting;
    COMM_TYPE commType = COMM_TYPE_NONE;
    SSerialConntConfig serialConfig;
    SNetworkConntConfig networkConfig;
    LOG_CONNT_CONFIG logConfig = LOG_RECORD;
    SDebugConfig debugConfig;
};

// The name is copied only when given and shorter than its field; a longer one is dropped
// whole, never cut. splitLines is left to the caller.
COMM_CONNT_SETTING BuildConntLink(SENSOR_DEVICE_T sensorType, const char32_t* name, PRIMARY_POS_DEV primaryPos,
                                  bool active);
SSerialConntConfig BuildSerialConfig(const char* portName, int baudIndex);
SNetworkConntConfig BuildNetworkConfig(int socketType, const std::string& ip, int port);
LOG_CONNT_CONFIG BuildLogConfig(LOG_MODE mode);

// Baud index 0 to 7 stand for 115200 down to 1200 bit/s; any other index gives -1.
int GetBaudRate(int baudIndex);

// The receive-queue type of a link; the socket type does not matter.
RAWDATA_TYPE GetRawDataTypeBasisSensor(SENSOR_DEVICE_T sensorType, COMM_TYPE commType, SOCKET_TYPE socketType);

// The device name as UCS-4 text, without its terminator.
std::u32string DevNameText(const COMM_CONNT_SETTING& setting);

} // namespace COMM
