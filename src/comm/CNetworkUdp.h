#pragma once

#include "comm/CServiceComm.h"

#include <string>

class QUdpSocket;

namespace COMM {

// The transport of a UDP link. As a server it binds the port, receives datagrams and
// broadcasts each package to 255.255.255.255 on the configured port; as a client it sends
// each package to the configured address and port without binding, and counts as connected
// at once. It lives in the communication thread.
class CNetworkUdp : public CServiceComm
{
    Q_OBJECT

public:
    CNetworkUdp(const COMM_CONNT_SETTING& setting, const SNetworkConntConfig& config, RAWDATA_TYPE rawDataType,
                SOCKET_ROLE role);
    ~CNetworkUdp() override;

    void connectSetup() override;
    bool isConnected() override;
    SCommConntProfile getProfile() override;
    // Reports success whatever the socket makes of the datagram.
    bool commTxPackageSender(STxPackage package) override;

    // Binds the port on every address, shared with other sockets.
    bool serverBind(int port);
    // Binds the given address and port, not shared.
    bool serverBind(const char* address, int port);

    SOCKET_ROLE getRole() const { return m_role; }
    QUdpSocket* getSocket() const { return m_socket; }

public slots:
    // A burst of datagrams is filed one datagram at a time and signalled once, after the last.
    void onDataReceiver();

private:
    bool txServerDataSender(const char* data, int len);
    bool txClientDataSender(const char* data, int len);
    void writeDataSender(const char* data, int len, const std::string& address, int port);

    SOCKET_ROLE m_role;
    SNetworkConntConfig m_config;
    QUdpSocket* m_socket;  // of the transport's role
};

} // namespace COMM
