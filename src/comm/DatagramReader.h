#pragma once

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <vector>

namespace COMM {

// The largest datagram payload taken; a longer one is cut to it.
constexpr qint64 MaxDatagramSize = 65535;

// Takes every datagram the socket holds, in order of arrival; empty ones carry nothing and are
// left out. A socket that reports a pending datagram of negative size, or fails a read, has an
// error rather than data: the datagram is dropped with a warning and this round of reading ends.
// Reading it, even with no room, re-arms the socket's notification for what comes next.
template <class Socket>
std::vector<QByteArray> ReadPendingDatagrams(Socket& socket)
{
    std::vector<QByteArray> datagrams;
    while (socket.hasPendingDatagrams()) {
        const qint64 size = std::min(socket.pendingDatagramSize(), MaxDatagramSize);
        QByteArray datagram(static_cast<int>(std::max<qint64>(size, 0)), Qt::Uninitialized);
        const qint64 read = socket.readDatagram(datagram.data(), datagram.size());
        if (size < 0 || read < 0) {
            Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, "readDatagram", 0,
                                                                "datagram dropped: size %lld, read %lld",
                                                                static_cast<long long>(size),
                                                                static_cast<long long>(read));
            break;
        }
        datagram.truncate(static_cast<int>(read));
        if (!datagram.isEmpty())
            datagrams.push_back(datagram);
    }
    return datagrams;
}

} // namespace COMM
