#include "LogCapture.h"
#include "LoopbackPort.h"
#include "comm/CNetworkSocket.h"
#include "comm/CNetworkTcp.h"
#include "comm/CNetworkUdp.h"
#include "comm/DatagramReader.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QtTest>
#include <memory>

using namespace COMM;

namespace {

std::unique_ptr<CNetworkSocket> makeHolder(int socketType, const std::string& ip, int port)
{
    auto holder = std::make_unique<CNetworkSocket>(BuildConntLink(0, U"net", PRIMARY_POS_UNDEFINED, true),
                                                   BuildNetworkConfig(socketType, ip, port), RAWDATA_SENTENCE);
    holder->getSocketService()->setEnable(true);
    return holder;
}

QByteArrayList drainSentences(CServiceComm* service)
{
    QByteArrayList lines;
    std::string line;
    while (service->getRawDataHandle()->queueNextSentence(&line))
        lines << QByteArray::fromStdString(line);
    return lines;
}

int countLogChunks(CServiceComm* service)
{
    int count = 0;
    QByteArray chunk;
    while (service->getRawDataHandle()->queueNextLogMsg(&chunk))
        ++count;
    return count;
}

bool send(CServiceComm* service, const QByteArray& bytes)
{
    STxPackage package;
    package.setData(bytes.constData(), size_t(bytes.size()));
    return service->commTxPackageSender(package);
}

// Reads from a test socket until the bytes have come or the time is up.
QByteArray readUntil(QTcpSocket& socket, int count)
{
    QByteArray bytes;
    QDeadlineTimer deadline(5000);
    while (bytes.size() < count && !deadline.hasExpired()) {
        socket.waitForReadyRead(50);
        bytes += socket.readAll();
    }
    return bytes;
}

// A socket that holds the given datagrams; a negative size stands for a socket error.
struct FakeDatagramSocket
{
    QList<qint64> sizes;
    QList<qint64> readRooms;

    bool hasPendingDatagrams() const { return !sizes.isEmpty(); }
    qint64 pendingDatagramSize() const { return sizes.first(); }
    qint64 readDatagram(char* data, qint64 room)
    {
        readRooms << room;
        const qint64 size = sizes.takeFirst();
        if (size < 0)
            return -1;
        const qint64 count = std::min(size, room);
        std::fill(data, data + count, 'x');
        return count;
    }
};

} // namespace

class TestNetworkSocket : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }
    void init() { LogCapture::take(); }

    // Every client feeds the one receive path and gets every package; a client that leaves is
    // dropped from the list, so the next send still counts as written.
    void tcpServerWithTwoClients()
    {
        const int port = FreeTcpPort();
        auto holder = makeHolder(SOCKET_TCP_SERVER, "", port);
        auto* server = holder->getTcp();
        QCOMPARE(server->getContent(), "TCP Server :" + std::to_string(port));
        QVERIFY(holder->enableSocket(true));
        QVERIFY(server->isListening());
        QVERIFY(!server->isConnected());
        QCOMPARE(holder->getSocketInstance(), nullptr);
        QVERIFY(send(server, "$A,0\r\n"));  // no client yet

        QSignalSpy accepted(server, &CNetworkTcp::signalServerNewClient);
        QTcpSocket first;
        QTcpSocket second;
        first.connectToHost(QHostAddress::LocalHost, quint16(port));
        second.connectToHost(QHostAddress::LocalHost, quint16(port));
        QTRY_COMPARE(accepted.count(), 2);
        QVERIFY(first.waitForConnected(5000) && second.waitForConnected(5000));
        const QStringList log = LogCapture::take();
        QCOMPARE(log.first(), "enableSocketEnd TCP server listen the " + QString::number(port) + " is success");
        QCOMPARE(log.filter("onServerNewClientConnect IP:").size(), 2);

        QSignalSpy sentence(server, &CServiceComm::signalRxSentence);
        first.write("$A,1\r\n");
        first.flush();
        QTRY_COMPARE(sentence.count(), 1);
        second.write("$B,2\r\n");
        second.flush();
        QTRY_COMPARE(sentence.count(), 2);
        QCOMPARE(drainSentences(server), (QByteArrayList{"$A,1\r\n", "$B,2\r\n"}));

        QVERIFY(send(server, "$C,3\r\n"));
        QCOMPARE(readUntil(first, 6), QByteArray("$C,3\r\n"));
        QCOMPARE(readUntil(second, 6), QByteArray("$C,3\r\n"));

        first.disconnectFromHost();
        QTRY_COMPARE(server->getServerClientCount(), 1);
        QVERIFY(send(server, "$D,4\r\n"));
        QCOMPARE(readUntil(second, 6), QByteArray("$D,4\r\n"));
        second.abort();
        QTRY_COMPARE(server->getServerClientCount(), 0);
        QVERIFY(send(server, "$E,5\r\n"));

        LogCapture::take();
        holder.reset();
        QCOMPARE(LogCapture::take().filter("~CNetworkTcp"),
                 (QStringList{"~CNetworkTcp [L]Name:net Start", "~CNetworkTcp [L]Name:net End"}));
    }

    // The first set-up waits for the connection and fails when it is refused; a reconnection
    // only starts one, and reports success once the socket has connected.
    void tcpClientConnectsOnALaterAttempt()
    {
        const int port = FreeTcpPort();
        auto holder = makeHolder(SOCKET_TCP_CLIENT, "127.0.0.1", port);
        auto* client = holder->getTcp();
        QCOMPARE(holder->getSocketInstance(), client->getClientSocket());
        QVERIFY(!holder->enableSocket(true));
        QVERIFY(!client->isConnected());
        const QString head = QStringLiteral("net, TCP Client 127.0.0.1:%1, ").arg(port);
        const QStringList log = LogCapture::take();
        QVERIFY(log.contains("enableSocketEnd TCP client connect to 127.0.0.1:" + QString::number(port) +
                             " is failed"));
        QVERIFY(log.contains("onError [W]" + head +
                             "(Error)QAbstractSocket::ConnectionRefusedErrorThe connection was refused by the "
                             "peer.Make sure the fortune server is running,and check that the host name and port "
                             "settings are correct."));

        QTcpServer peer;
        QVERIFY(peer.listen(QHostAddress::LocalHost, quint16(port)));
        QVERIFY(!holder->enableSocket(false));
        QTRY_VERIFY(client->isConnected());
        QVERIFY(holder->enableSocket(false));
        QVERIFY(LogCapture::take().contains("onStateHandler " + head + "(State)3 A connection is established."));

        QTRY_VERIFY(peer.hasPendingConnections());
        std::unique_ptr<QTcpSocket> far(peer.nextPendingConnection());
        QSignalSpy sentence(client, &CServiceComm::signalRxSentence);
        far->write("$A,1\r\n");
        QTRY_COMPARE(sentence.count(), 1);
        QVERIFY(send(client, "$B,2\r\n"));
        QCOMPARE(readUntil(*far, 6), QByteArray("$B,2\r\n"));

        // The far end leaves: the socket is closed, and the next reconnection starts anew.
        far->abort();
        QTRY_VERIFY(!client->isConnected());
        QVERIFY(!send(client, "$C,3\r\n"));
        QVERIFY(!holder->enableSocket(false));
        QTRY_VERIFY(client->isConnected());
    }

    void udpServerBind_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("boundText");
        QTest::newRow("every address, shared") << "" << "local";
        QTest::newRow("one address") << "127.0.0.1" << "127.0.0.1";
    }

    // Datagrams that arrive together are filed one by one and signalled once.
    void udpServerBind()
    {
        QFETCH(QString, ip);
        QFETCH(QString, boundText);
        const int port = FreeUdpPort();
        auto holder = makeHolder(SOCKET_UDP_SERVER, ip.toStdString(), port);
        auto* server = holder->getUdp();
        QVERIFY(!server->isConnected());
        QVERIFY(holder->enableSocket(true));
        QVERIFY(server->isConnected());
        QVERIFY(LogCapture::take().contains(
            QStringLiteral("enableSocketEnd UDP server bind the %1:%2 is success").arg(boundText).arg(port)));

        QSignalSpy sentence(server, &CServiceComm::signalRxSentence);
        QUdpSocket peer;
        QCOMPARE(peer.writeDatagram("$A,1\r\n", QHostAddress::LocalHost, quint16(port)), qint64(6));
        QCOMPARE(peer.writeDatagram("$B,2\r\n", QHostAddress::LocalHost, quint16(port)), qint64(6));
        QTRY_COMPARE(sentence.count(), 1);
        QCOMPARE(countLogChunks(server), 2);
        QCOMPARE(drainSentences(server), (QByteArrayList{"$A,1\r\n", "$B,2\r\n"}));
        QTest::qWait(20);
        QCOMPARE(sentence.count(), 1);

        // A second server on a port in use fails its set-up.
        auto other = makeHolder(SOCKET_UDP_SERVER, "127.0.0.1", port);
        if (ip.isEmpty())
            return;  // a shared port may be bound again
        QVERIFY(!other->enableSocket(true));
        QVERIFY(LogCapture::take().contains(
            QStringLiteral("enableSocketEnd UDP server bind the 127.0.0.1:%1 is failed").arg(port)));
    }

    // A UDP client has nothing to set up and counts as connected at once.
    void udpClientSendsAtOnce()
    {
        QUdpSocket peer;
        QVERIFY(peer.bind(QHostAddress(QHostAddress::LocalHost), 0));
        auto holder = makeHolder(SOCKET_UDP_CLIENT, "127.0.0.1", peer.localPort());
        auto* client = holder->getUdp();
        QVERIFY(client->isConnected());
        QVERIFY(holder->enableSocket(true));
        QCOMPARE(LogCapture::take(), QStringList());

        QVERIFY(send(client, "$A,1\r\n"));
        QTRY_VERIFY(peer.hasPendingDatagrams());
        QByteArray datagram(int(peer.pendingDatagramSize()), '\0');
        peer.readDatagram(datagram.data(), datagram.size());
        QCOMPARE(datagram, QByteArray("$A,1\r\n"));
    }

    void pendingDatagrams_data()
    {
        QTest::addColumn<QList<qint64>>("sizes");
        QTest::addColumn<QList<int>>("taken");
        QTest::addColumn<int>("leftPending");
        QTest::addColumn<bool>("warned");
        QTest::newRow("in order") << QList<qint64>{3, 5} << QList<int>{3, 5} << 0 << false;
        QTest::newRow("empty ones left out") << QList<qint64>{0, 4, 0} << QList<int>{4} << 0 << false;
        QTest::newRow("negative size: dropped, round ends") << QList<qint64>{2, -1, 6} << QList<int>{2} << 1 << true;
        QTest::newRow("oversized: cut") << QList<qint64>{MaxDatagramSize + 10} << QList<int>{int(MaxDatagramSize)}
                                         << 0 << false;
    }

    // A negative size never becomes a read of negative room.
    void pendingDatagrams()
    {
        QFETCH(QList<qint64>, sizes);
        QFETCH(QList<int>, taken);
        QFETCH(int, leftPending);
        QFETCH(bool, warned);

        FakeDatagramSocket socket;
        socket.sizes = sizes;
        QList<int> takenSizes;
        for (const QByteArray& datagram : ReadPendingDatagrams(socket))
            takenSizes << datagram.size();
        QCOMPARE(takenSizes, taken);
        QCOMPARE(socket.sizes.size(), leftPending);
        for (qint64 room : socket.readRooms)
            QVERIFY(room >= 0);
        QCOMPARE(!LogCapture::take().filter("readDatagram [W]datagram dropped").isEmpty(), warned);
    }

    void noTransportForOtherSocketTypes()
    {
        CNetworkSocket holder(BuildConntLink(0, U"net", PRIMARY_POS_UNDEFINED, true),
                              BuildNetworkConfig(7, "127.0.0.1", 1), RAWDATA_SENTENCE);
        QCOMPARE(holder.getSocketService(), nullptr);
        QCOMPARE(holder.getSocketInstance(), nullptr);
        QVERIFY(!holder.enableSocket(true));
    }
};

QTEST_GUILESS_MAIN(TestNetworkSocket)
#include "tst_networksocket.moc"
