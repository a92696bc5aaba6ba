#include "comm/CCommData.h"

#include "comm/CSerialPort.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

namespace COMM {

CCommData::CCommData() = default;

CCommData::~CCommData() = default;

CSerialPort* CCommData::createSerialPort(const SCommConntProfile& profile, RAWDATA_TYPE type)
{
    if (m_serialPort)
        return nullptr;
    m_serialPort = std::make_unique<CSerialPort>(profile.conntSetting, profile.serialConfig, type);
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_INFO, "createSerialPort", 0,
                                                        "Serial Port:%s, Baud Rate:%d",
                                                        m_serialPort->getSerialConfig().portName,
                                                        m_serialPort->getBaudRate());
    m_serialPort->setDebugConfig(profile.debugConfig);
    if (profile.conntSetting.active)
        m_serialPort->connectPort();
    m_commType = COMM_TYPE_SERIAL;
    return m_serialPort.get();
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
    return std::string();
}

SCommConntProfile CCommData::getProfile() const
{
    if (m_commType == COMM_TYPE_SERIAL && m_serialPort)
        return m_serialPort->getProfile();
    return SCommConntProfile();
}

CServiceComm* CCommData::getService() const
{
    if (m_commType == COMM_TYPE_SERIAL)
        return m_serialPort.get();
    return nullptr;
}

bool CCommData::isUp() const
{
    CServiceComm* service = getService();
    return service && service->isConnected();
}

bool CCommData::reconnect()
{
    if (m_commType == COMM_TYPE_SERIAL && m_serialPort)
        return m_serialPort->connectPort();
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
