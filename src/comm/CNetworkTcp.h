#pragma once

#include "comm/CServiceComm.h"

#include <QList>
#include <QTcpSocket>
#include <string>

class QTcpServer;

namespace COMM {

// The transport of a TCP link. As a server it listens on every local address and sends each
// package to every accepted client; as a client it connects to the configured address. It
// lives in the communication thread.
class CNetworkTcp : public CServiceComm
{
    Q_OBJECT

public:
    static constexpr int ConnectWaitMs = 1000;

    CNetworkTcp(const COMM_CONNT_SETTING& setting, const SNetworkConntConfig& config, RAWDATA_TYPE rawDataType,
                SOCKET_ROLE role);
    ~CNetworkTcp() override;

    void connectSetup() override;
    // Client role: the socket is connected. Always false for a server, which counts as up
    // while it listens.
    bool isConnected() override;
    SCommConntProfile getProfile() override;
    // Server: true unless a client still listed is not connected; the others get the data all
    // the same. With no client the send counts as written.
    bool commTxPackageSender(STxPackage package) override;

    bool isListening() const;
    bool serverListen(int port);
    // Starts a connection when the socket is unconnected; a connection already under way is
    // left alone. With wait, waits up to ConnectWaitMs. True when the socket is connected.
    bool connectSocket(const std::string& address, int port, bool wait);
    void freeServerBindClients();

    SOCKET_ROLE getRole() const { return m_role; }
    QTcpServer* getServer() const { return m_server; }
    QTcpSocket* getClientSocket() const { return m_client; }
    int getServerClientCount() const { return m_serverClients.size(); }

signals:
    void signalServerNewClient(QTcpSocket* client);

public slots:
    void onServerNewClientConnect();
    void onServerDataRx();
    void onClientDataRx();

private:
    bool txServerDataSender(const char* data, int len);
    bool txClientDataSender(const char* data, int len);
    static bool writeDataSender(QTcpSocket* socket, const char* data, int len);
    // A client that leaves is taken off the list, so that it no longer fails every send.
    void removeServerClient(QTcpSocket* client, const std::string& peer);

    SOCKET_ROLE m_role;
    SNetworkConntConfig m_config;
    QTcpServer* m_server = nullptr;
    QList<QTcpSocket*> m_serverClients;  // in order of acceptance
    QTcpSocket* m_client = nullptr;
};

} // namespace COMM
