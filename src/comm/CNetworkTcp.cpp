#include "comm/CNetworkTcp.h"

#include "comm/NetworkConfig.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <utility>

namespace COMM {

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

} // namespace

CNetworkTcp::CNetworkTcp(const COMM_CONNT_SETTING& setting, const SNetworkConntConfig& config,
                         RAWDATA_TYPE rawDataType, SOCKET_ROLE role)
    : CServiceComm(setting, rawDataType)
    , m_role(role)
    , m_config(config)
{
    m_config.ip[sizeof m_config.ip - 1] = '\0';
    nameAfterDevice();
    if (m_role == SOCKET_ROLE_SERVER)
        m_server = new QTcpServer(this);
    else
        m_client = new QTcpSocket(this);
    setCommType(COMM_TYPE_NETWORK);
    setEnable(false);
    setContent(NetworkContent("TCP", m_config.socketType == SOCKET_TCP_SERVER, m_config));
    connectSetup();
}

CNetworkTcp::~CNetworkTcp()
{
    logLeave("~CNetworkTcp", "Start");
    freeServerBindClients();
    disconnect();
    if (m_client)
        m_client->disconnect();
    delete m_server;
    delete m_client;
    logLeave("~CNetworkTcp", "End");
}

void CNetworkTcp::connectSetup()
{
    if (m_server)
        connect(m_server, &QTcpServer::newConnection, this, &CNetworkTcp::onServerNewClientConnect,
                Qt::UniqueConnection);
    if (m_client)
        connect(m_client, &QTcpSocket::readyRead, this, &CNetworkTcp::onClientDataRx, Qt::UniqueConnection);
}

bool CNetworkTcp::isConnected()
{
    return m_client && m_client->state() == QAbstractSocket::ConnectedState;
}

bool CNetworkTcp::isListening() const
{
    return m_server && m_server->isListening();
}

SCommConntProfile CNetworkTcp::getProfile()
{
    SCommConntProfile profile = makeProfile(COMM_TYPE_NETWORK);
    profile.networkConfig = m_config;
    return profile;
}

bool CNetworkTcp::serverListen(int port)
{
    if (!m_server || !InPortRange(port))
        return false;
    return m_server->listen(QHostAddress::Any, static_cast<quint16>(port));
}

bool CNetworkTcp::connectSocket(const std::string& address, int port, bool wait)
{
    if (m_role != SOCKET_ROLE_CLIENT || !m_client || !InPortRange(port))
        return false;
    if (m_client->state() == QAbstractSocket::UnconnectedState) {
        m_client->abort();
        m_client->close();
        m_client->connectToHost(QString::fromUtf8(address.c_str()), static_cast<quint16>(port),
                                QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    }
    if (wait)
        m_client->waitForConnected(ConnectWaitMs);
    return m_client->state() == QAbstractSocket::ConnectedState;
}

void CNetworkTcp::onServerNewClientConnect()
{
    while (QTcpSocket* client = m_server->nextPendingConnection()) {
        m_serverClients.append(client);
        connect(client, &QTcpSocket::readyRead, this, &CNetworkTcp::onServerDataRx);
        const std::string peer =
            "IP:" + client->peerAddress().toString().toStdString() + ", Port:" + std::to_string(client->peerPort());
        connect(client, &QTcpSocket::disconnected, this, [this, client, peer] { removeServerClient(client, peer); });
        Log()->dbgPrintf(DBG_INFO, "onServerNewClientConnect", 0, "%s", peer.c_str());
        emit signalServerNewClient(client);
    }
}

void CNetworkTcp::removeServerClient(QTcpSocket* client, const std::string& peer)
{
    if (!m_serverClients.removeOne(client))
        return;
    Log()->dbgPrintf(DBG_INFO, "removeServerClient", 0, "%s left", peer.c_str());
    client->disconnect(this);
    // It may be inside its own notification, or inside a send that still holds it.
    client->deleteLater();
}

void CNetworkTcp::freeServerBindClients()
{
    const QList<QTcpSocket*> clients = std::exchange(m_serverClients, {});
    for (QTcpSocket* client : clients) {
        client->disconnect();
        delete client;
    }
}

void CNetworkTcp::onServerDataRx()
{
    if (auto* client = qobject_cast<QTcpSocket*>(sender()))
        rxPackageProc(client->readAll(), false);
}

void CNetworkTcp::onClientDataRx()
{
    rxPackageProc(m_client->readAll(), false);
}

bool CNetworkTcp::commTxPackageSender(STxPackage package)
{
    if (m_role == SOCKET_ROLE_SERVER)
        return txServerDataSender(package.data, package.len);
    return txClientDataSender(package.data, package.len);
}

bool CNetworkTcp::txServerDataSender(const char* data, int len)
{
    bool written = true;
    // A failed write makes a client leave at once, which changes the list: walk a copy.
    const QList<QTcpSocket*> clients = m_serverClients;
    for (QTcpSocket* client : clients)
        written = writeDataSender(client, data, len) && written;
    return written;
}

bool CNetworkTcp::txClientDataSender(const char* data, int len)
{
    return writeDataSender(m_client, data, len);
}

bool CNetworkTcp::writeDataSender(QTcpSocket* socket, const char* data, int len)
{
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return false;
    const bool written = socket->write(data, len) == len;
    socket->flush();
    return written;
}

} // namespace COMM
