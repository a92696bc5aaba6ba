#include "comm/CCommData.h"

#include "comm/CLogListener.h"
#include "comm/CNetworkSocket.h"
#include "comm/CNetworkTcp.h"
#include "comm/CNetworkUdp.h"
#include "comm/CSerialPort.h"
#include "comm/NetworkConfig.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QHostAddress>
#include <exception>

namespace COMM {

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

} // namespace

CCommData::CCommData() = default;

CCommData::~CCommData() = default;

CSerialPort* CCommData::createSerialPort(const SCommConntProfile& profile, RAWDATA_TYPE type)
{
    if (m_serialPort)
        return nullptr;
    m_serialPort = std::make_unique<CSerialPort>(profile.conntSetting, profile.serialConfig, type);
    Log()->dbgPrintf(DBG_INFO, "createSerialPort", 0, "Serial Port:%s, Baud Rate:%d",
                     m_serialPort->getSerialConfig().portName, m_serialPort->getBaudRate());
    m_serialPort->setDebugConfig(profile.debugConfig);
    if (profile.conntSetting.active)
        m_serialPort->connectPort();
    m_commType = COMM_TYPE_SERIAL;
    return m_serialPort.get();
}

CNetworkSocket* CCommData::createNetworkSocket(const SCommConntProfile& profile, RAWDATA_TYPE type)
{
    if (m_networkSocket)
        return nullptr;
    try {
        m_networkSocket = std::make_unique<CNetworkSocket>(profile.conntSetting, profile.networkConfig, type);
    } catch (const std::exception& e) {
        Log()->dbgPrintf(DBG_CRITICAL, "createNetworkSocket", 0, "%s", e.what());
        return nullptr;
    }
    CServiceComm* service = m_networkSocket->getSocketService();
    if (!service) {
        Log()->dbgPrintf(DBG_ERROR, "createNetworkSocket", 0, "Socket type %d makes no transport.",
                         static_cast<int>(profile.networkConfig.socketType));
        m_networkSocket.reset();
        return nullptr;
    }
    Log()->dbgPrintf(DBG_INFO, "createNetworkSocket", 0, "%s", service->getContent().c_str());
    m_networkSocket->setDebugConfig(profile.debugConfig);
    if (profile.conntSetting.active)
        m_networkSocket->enableSocket(true);
    m_commType = COMM_TYPE_NETWORK;
    m_socketType = profile.networkConfig.socketType;
    return m_networkSocket.get();
}

CLogListener* CCommData::createLog(const SCommConntProfile& profile, RAWDATA_TYPE type)
{
    if (m_logListener)
        return nullptr;
    m_logListener = std::make_unique<CLogListener>(profile.conntSetting, profile.logConfig, type);
    m_logListener->setDebugConfig(profile.debugConfig);
    m_commType = COMM_TYPE_LOG;
    return m_logListener.get();
}

bool CCommData::matchExceptConnt(bool log, bool tcpClient, bool udpServer) const
{
    if (m_commType == COMM_TYPE_LOG && log)
        return true;
    const CServiceComm* service = getService();
    if (!service)
        return true;
    if (service->getConntSetting().sensorType != SENSOR_NOT_CONNECTED)
        return false;
    if (tcpClient && m_socketType == SOCKET_TCP_CLIENT)
        return true;
    return udpServer && m_socketType == SOCKET_UDP_SERVER;
}

std::string CCommData::getSetupInfo() const
{
    if (m_commType == COMM_TYPE_SERIAL && m_serialPort) {
        const SSerialConntConfig& config = m_serialPort->getSerialConfig();
        return std::string(config.portName) + " " + std::to_string(m_serialPort->getBaudRate());
    }
    if (m_commType == COMM_TYPE_NETWORK && m_networkSocket) {
        const QAbstractSocket* socket = m_networkSocket->getSocketInstance();
        if (!socket)
            return " ";
        const SNetworkConntConfig& config = m_networkSocket->getConfig();
        const std::string ip = IpText(config);
        const std::string socketIp = socket->localAddress().toString().toStdString();
        if (socketIp != ip)
            Log()->dbgPrintf(DBG_WARNING, "ip", 0, "Network ip address is different. Socket IP:%s, Config IP:%s",
                             socketIp.c_str(), ip.c_str());
        return ip + " " + std::to_string(config.port);
    }
    return std::string();
}

SCommConntProfile CCommData::getProfile() const
{
    if (m_commType == COMM_TYPE_SERIAL && m_serialPort)
        return m_serialPort->getProfile();
    if (m_commType != COMM_TYPE_NETWORK || !m_networkSocket)
        return SCommConntProfile();
    const CNetworkTcp* tcp = m_networkSocket->getTcp();
    // A transport without its live socket object is not made again.
    const bool live = m_networkSocket->getSocketType() == SOCKET_TCP_SERVER ? tcp && tcp->getServer()
                                                                            : m_networkSocket->getSocketInstance() != nullptr;
    return live ? m_networkSocket->getSocketService()->getProfile() : SCommConntProfile();
}

CServiceComm* CCommData::getService() const
{
    switch (m_commType) {
    case COMM_TYPE_SERIAL:
        return m_serialPort.get();
    case COMM_TYPE_NETWORK:
        return m_networkSocket ? m_networkSocket->getSocketService() : nullptr;
    case COMM_TYPE_LOG:
        return m_logListener.get();
    default:
        return nullptr;
    }
}

bool CCommData::isUp() const
{
    if (m_commType == COMM_TYPE_NETWORK && m_socketType == SOCKET_TCP_SERVER)
        return m_networkSocket->getTcp()->isListening();
    CServiceComm* service = getService();
    return service && service->isConnected();
}

bool CCommData::reconnect()
{
    if (m_commType == COMM_TYPE_SERIAL && m_serialPort)
        return m_serialPort->connectPort();
    if (m_commType == COMM_TYPE_NETWORK && m_networkSocket)
        return m_networkSocket->enableSocket(false);
    return false;
}

bool CCommData::countFailedAttempt()
{
    if (m_reConntTimes == 0)
        return false;
    if (m_reConntedCount < m_reConntTimes)
        ++m_reConntedCount;
    return m_reConntedCount >= m_reConntTimes;
}

} // namespace COMM
