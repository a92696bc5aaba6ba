#pragma once

#include "comm/CommProfile.h"

#include <QMetaType>
#include <cstdint>
#include <memory>
#include <string>

namespace COMM {

class CLogListener;
class CNetworkSocket;
class CServiceComm;
class CSerialPort;

// One configured connection of the communication space: the kind of link, the one transport
// it owns, and what steers its reconnection and release. It is made, used and deleted in the
// communication thread only.
class CCommData
{
public:
    CCommData();
    ~CCommData();
    CCommData(const CCommData&) = delete;
    CCommData& operator=(const CCommData&) = delete;

    // Makes the serial transport and opens it when the profile is active; a port that does not
    // open stays, and the reconnection check tries it again. None when the item has one already.
    CSerialPort* createSerialPort(const SCommConntProfile& profile, RAWDATA_TYPE type);
    // Makes the network holder and, when the profile is active, sets it up. None when the item
    // has one already, or when the socket type makes no transport.
    CNetworkSocket* createNetworkSocket(const SCommConntProfile& profile, RAWDATA_TYPE type);
    // Makes the log transport, neither opened nor enabled. None when the item has one already.
    CLogListener* createLog(const SCommConntProfile& profile, RAWDATA_TYPE type);

    // True when the item is exempt from the reconnection check and from writing to comm.ini.
    bool matchExceptConnt(bool log, bool tcpClient, bool udpServer) const;
    // The item's name in the log: for a serial item the port name and the baud rate; for a
    // network item the configured address and port when it has a socket of its own.
    std::string getSetupInfo() const;
    // The profile of the live transport, or the empty profile.
    SCommConntProfile getProfile() const;

    // The item's transport as the base; none without one.
    CServiceComm* getService() const;
    // Whether the reconnection check finds the link up: a TCP server while it listens.
    bool isUp() const;
    // Opens the link again; false when it stays down.
    bool reconnect();
    // Counts a failed reconnect attempt; true once the limit is reached (never without a limit).
    bool countFailedAttempt();

    void setReConntTimes(unsigned char times) { m_reConntTimes = times; }
    void resetReConntedCount() { m_reConntedCount = 0; }
    void keepComm() { m_keep = true; }

    COMM_TYPE getCommType() const { return m_commType; }
    SOCKET_TYPE getSocketType() const { return m_socketType; }
    CSerialPort* getSerialPort() const { return m_serialPort.get(); }
    CNetworkSocket* getNetworkSocket() const { return m_networkSocket.get(); }
    CLogListener* getLogListener() const { return m_logListener.get(); }
    unsigned char getReConntTimes() const { return m_reConntTimes; }
    unsigned char getReConntedCount() const { return m_reConntedCount; }
    bool isKeep() const { return m_keep; }

private:
    COMM_TYPE m_commType = COMM_TYPE_NONE;
    SOCKET_TYPE m_socketType = SOCKET_INVALID;
    std::unique_ptr<CSerialPort> m_serialPort;
    std::unique_ptr<CNetworkSocket> m_networkSocket;
    std::unique_ptr<CLogListener> m_logListener;
    uint8_t m_reConntTimes = 0;  // failed attempts in a row before giving up; 0: no limit
    uint8_t m_reConntedCount = 0;
    bool m_keep = false;         // made again from its profile when released
};

} // namespace COMM

Q_DECLARE_METATYPE(COMM::CCommData*)
