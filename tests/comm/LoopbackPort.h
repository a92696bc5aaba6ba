#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QUdpSocket>

// A port that nothing listens on at the moment, for TCP or UDP on the loopback address.
inline int FreeTcpPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : -1;
}

inline int FreeUdpPort()
{
    QUdpSocket probe;
    return probe.bind(QHostAddress(QHostAddress::LocalHost), 0) ? probe.localPort() : -1;
}
