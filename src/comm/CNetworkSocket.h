#pragma once

#include "comm/CommProfile.h"
#include "support/SDebugMsgData.h"

#include <QAbstractSocket>
#include <QObject>
#include <memory>
#include <string>

namespace COMM {

class CNetworkTcp;
class CNetworkUdp;
class CServiceComm;

// The holder of a network link (comm type 2): it owns the one TCP or UDP transport that the
// socket type asks for, sets it up, logs its socket's notifications and turns the socket's
// connected and disconnected notifications into the transport's connection state. A socket
// type outside 0 to 3 makes no transport. It lives in the communication thread.
class CNetworkSocket : public QObject
{
    Q_OBJECT

public:
    CNetworkSocket(const COMM_CONNT_SETTING& setting, const SNetworkConntConfig& config, RAWDATA_TYPE rawDataType);
    ~CNetworkSocket() override;

    // Listens, binds or connects; true for the first set-up, false for a reconnection, which
    // does not wire the notifications again. A UDP client has nothing to set up.
    bool enableSocket(bool first);
    void connectSetup();

    // The TCP transport for socket types 0 and 1, the UDP transport for 2 and 3, else none.
    CServiceComm* getSocketService() const;
    // The link's own socket: the TCP client's, or the UDP socket; none for a TCP server.
    QAbstractSocket* getSocketInstance() const;
    SOCKET_TYPE getSocketType() const { return m_config.socketType; }
    const SNetworkConntConfig& getConfig() const { return m_config; }
    CNetworkTcp* getTcp() const { return m_tcp.get(); }
    CNetworkUdp* getUdp() const { return m_udp.get(); }
    void setDebugConfig(const SDebugConfig& config);

public slots:
    void onConnected();
    void onDisconnected();
    void onError(QAbstractSocket::SocketError code);
    void onStateHandler(QAbstractSocket::SocketState state);

private:
    // "device name, content, text", the head of every notification line.
    void logNotification(DEBUG_MSG_LEVEL level, const char* operation, const char* text) const;

    std::unique_ptr<CNetworkTcp> m_tcp;
    std::unique_ptr<CNetworkUdp> m_udp;
    SNetworkConntConfig m_config;
};

// The log texts of a socket's state and of its errors; the last names the socket's own error text.
const char* SocketStateText(int state);
std::string SocketErrorText(int code, const QString& errorString);

} // namespace COMM
