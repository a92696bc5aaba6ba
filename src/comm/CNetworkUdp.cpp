#include "comm/CNetworkUdp.h"

#include "comm/DatagramReader.h"
#include "comm/NetworkConfig.h"

#include <QHostAddress>
#include <QUdpSocket>

namespace COMM {

CNetworkUdp::CNetworkUdp(const COMM_CONNT_SETTING& setting, const SNetworkConntConfig& config,
                         RAWDATA_TYPE rawDataType, SOCKET_ROLE role)
    : CServiceComm(setting, rawDataType)
    , m_role(role)
    , m_config(config)
    , m_socket(new QUdpSocket(this))
{
    m_config.ip[sizeof m_config.ip - 1] = '\0';
    nameAfterDevice();
    setCommType(COMM_TYPE_NETWORK);
    setEnable(false);
    setContent(NetworkContent("UDP", m_config.socketType == SOCKET_UDP_SERVER, m_config));
    connectSetup();
}

CNetworkUdp::~CNetworkUdp()
{
    logLeave("~CNetworkUdp", "Start");
    disconnect();
    m_socket->disconnect();
    delete m_socket;
    logLeave("~CNetworkUdp", "End");
}

void CNetworkUdp::connectSetup()
{
    connect(m_socket, &QUdpSocket::readyRead, this, &CNetworkUdp::onDataReceiver, Qt::UniqueConnection);
}

bool CNetworkUdp::isConnected()
{
    if (m_role == SOCKET_ROLE_CLIENT)
        return true;
    return m_socket->state() == QAbstractSocket::BoundState && m_socket->isValid();
}

SCommConntProfile CNetworkUdp::getProfile()
{
    SCommConntProfile profile = makeProfile(COMM_TYPE_NETWORK);
    profile.networkConfig = m_config;
    return profile;
}

bool CNetworkUdp::serverBind(int port)
{
    if (m_role != SOCKET_ROLE_SERVER || !InPortRange(port))
        return false;
    return m_socket->bind(static_cast<quint16>(port), QUdpSocket::ShareAddress);
}

bool CNetworkUdp::serverBind(const char* address, int port)
{
    if (m_role != SOCKET_ROLE_SERVER || !address || !InPortRange(port))
        return false;
    return m_socket->bind(QHostAddress(QString::fromLatin1(address)), static_cast<quint16>(port));
}

void CNetworkUdp::onDataReceiver()
{
    const std::vector<QByteArray> datagrams = ReadPendingDatagrams(*m_socket);
    for (size_t i = 0; i < datagrams.size(); ++i)
        rxPackageProc(datagrams[i], i + 1 < datagrams.size());
}

bool CNetworkUdp::commTxPackageSender(STxPackage package)
{
    if (m_role == SOCKET_ROLE_SERVER)
        return txServerDataSender(package.data, package.len);
    return txClientDataSender(package.data, package.len);
}

bool CNetworkUdp::txServerDataSender(const char* data, int len)
{
    if (!data)
        return false;
    writeDataSender(data, len, "255.255.255.255", m_config.port);
    return true;
}

bool CNetworkUdp::txClientDataSender(const char* data, int len)
{
    if (!data)
        return false;
    writeDataSender(data, len, IpText(m_config), m_config.port);
    return true;
}

void CNetworkUdp::writeDataSender(const char* data, int len, const std::string& address, int port)
{
    if (InPortRange(port))
        m_socket->writeDatagram(data, len, QHostAddress(QString::fromUtf8(address.c_str())), static_cast<quint16>(port));
}

} // namespace COMM
