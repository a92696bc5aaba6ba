#include "comm/CNetworkSocket.h"

#include "comm/CNetworkTcp.h"
#include "comm/CNetworkUdp.h"
#include "comm/NetworkConfig.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QTcpSocket>
#include <QUdpSocket>

namespace COMM {

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

} // namespace

const char* SocketStateText(int state)
{
    static const char* const texts[] = {
        "(State)0 The socket is not connected.",
        "(State)1 The socket is performing a host name lookup.",
        "(State)2 The socket has started establishing a connection.",
        "(State)3 A connection is established.",
        "(State)4 The socket is bound to an address and port.",
        "(State)5 For internal use only.",
        "(State)6 The socket is about to close (data may still be waiting to be written).",
    };
    constexpr int count = int(sizeof texts / sizeof texts[0]);
    return state >= 0 && state < count ? texts[state] : "(State)Unknown";
}

std::string SocketErrorText(int code, const QString& errorString)
{
    switch (code) {
    case QAbstractSocket::ConnectionRefusedError:
        return "(Error)QAbstractSocket::ConnectionRefusedErrorThe connection was refused by the peer.Make sure the "
               "fortune server is running,and check that the host name and port settings are correct.";
    case QAbstractSocket::RemoteHostClosedError:
        return "(Error)QAbstractSocket::RemoteHostClosedError";
    case QAbstractSocket::HostNotFoundError:
        return "(Error)QAbstractSocket::HostNotFoundErrorThe host was not foundPlease check the host name and port "
               "settings.";
    default:
        return "(Error)The following error occurred:" + errorString.toStdString();
    }
}

CNetworkSocket::CNetworkSocket(const COMM_CONNT_SETTING& setting, const SNetworkConntConfig& config,
                               RAWDATA_TYPE rawDataType)
    : m_config(config)
{
    m_config.ip[sizeof m_config.ip - 1] = '\0';
    const SOCKET_TYPE type = m_config.socketType;
    const SOCKET_ROLE role =
        type == SOCKET_TCP_SERVER || type == SOCKET_UDP_SERVER ? SOCKET_ROLE_SERVER : SOCKET_ROLE_CLIENT;
    if (type == SOCKET_TCP_SERVER || type == SOCKET_TCP_CLIENT)
        m_tcp = std::make_unique<CNetworkTcp>(setting, m_config, rawDataType, role);
    else if (type == SOCKET_UDP_SERVER || type == SOCKET_UDP_CLIENT)
        m_udp = std::make_unique<CNetworkUdp>(setting, m_config, rawDataType, role);
}

CNetworkSocket::~CNetworkSocket()
{
    disconnect();
    if (QAbstractSocket* socket = getSocketInstance()) {
        socket->disconnect();
        socket->close();
    }
    m_tcp.reset();
    m_udp.reset();
}

CServiceComm* CNetworkSocket::getSocketService() const
{
    if (m_tcp)
        return m_tcp.get();
    return m_udp.get();
}

QAbstractSocket* CNetworkSocket::getSocketInstance() const
{
    if (m_tcp)
        return m_tcp->getClientSocket();
    if (m_udp)
        return m_udp->getSocket();
    return nullptr;
}

void CNetworkSocket::setDebugConfig(const SDebugConfig& config)
{
    if (CServiceComm* service = getSocketService())
        service->setDebugConfig(config);
}

void CNetworkSocket::connectSetup()
{
    QAbstractSocket* socket = getSocketInstance();
    if (!socket)
        return;
    connect(socket, &QAbstractSocket::connected, this, &CNetworkSocket::onConnected, Qt::UniqueConnection);
    connect(socket, &QAbstractSocket::disconnected, this, &CNetworkSocket::onDisconnected, Qt::UniqueConnection);
    connect(socket, &QAbstractSocket::errorOccurred, this, &CNetworkSocket::onError, Qt::UniqueConnection);
    connect(socket, &QAbstractSocket::stateChanged, this, &CNetworkSocket::onStateHandler, Qt::UniqueConnection);
}

bool CNetworkSocket::enableSocket(bool first)
{
    if (first)
        connectSetup();
    const std::string ip = IpText(m_config);
    const int port = m_config.port;
    bool result = false;
    std::string text;
    switch (m_config.socketType) {
    case SOCKET_TCP_SERVER:
        result = m_tcp->serverListen(port);
        text = "TCP server listen the " + std::to_string(port);
        break;
    case SOCKET_TCP_CLIENT:
        result = m_tcp->connectSocket(ip, port, first);
        text = "TCP client connect to " + ip + ":" + std::to_string(port);
        break;
    case SOCKET_UDP_SERVER:
        result = ip.empty() ? m_udp->serverBind(port) : m_udp->serverBind(ip.c_str(), port);
        text = "UDP server bind the " + (ip.empty() ? std::string("local") : ip) + ":" + std::to_string(port);
        break;
    case SOCKET_UDP_CLIENT:
        return true;
    default:
        return false;
    }
    text += result ? " is success" : " is failed";
    Log()->dbgPrintf(first ? DBG_INFO : DBG_DEEP, "enableSocketEnd", 0, "%s", text.c_str());
    return result;
}

void CNetworkSocket::onConnected()
{
    if (CServiceComm* service = getSocketService())
        service->updateConnected();
}

void CNetworkSocket::onDisconnected()
{
    if (CServiceComm* service = getSocketService())
        service->updateDisconnected();
}

void CNetworkSocket::onStateHandler(QAbstractSocket::SocketState state)
{
    logNotification(state <= QAbstractSocket::ConnectingState ? DBG_DEEP : DBG_INFO, "onStateHandler",
                    SocketStateText(state));
}

void CNetworkSocket::onError(QAbstractSocket::SocketError code)
{
    QAbstractSocket* socket = getSocketInstance();
    if (!socket)
        return;
    if (code == QAbstractSocket::ConnectionRefusedError)
        socket->abort();
    const bool expected = code == QAbstractSocket::ConnectionRefusedError ||
                          code == QAbstractSocket::RemoteHostClosedError ||
                          code == QAbstractSocket::HostNotFoundError;
    logNotification(expected ? DBG_WARNING : DBG_DEEP, "onError",
                    SocketErrorText(code, socket->errorString()).c_str());
    // The transport stays; the communication space finds it down and sets it up again.
    socket->close();
}

void CNetworkSocket::logNotification(DEBUG_MSG_LEVEL level, const char* operation, const char* text) const
{
    const CServiceComm* service = getSocketService();
    const std::string content = service ? service->getContent() : std::string();
    const QByteArray name = service ? service->objectName().toUtf8() : QByteArray();
    Log()->dbgPrintf(level, operation, 0, "%s, %s, %s", name.constData(), content.c_str(), text);
}

} // namespace COMM
