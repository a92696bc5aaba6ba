#include "LogCapture.h"
#include "LoopbackPort.h"
#include "comm/CCommData.h"
#include "comm/CLogListener.h"
#include "comm/CNetworkSocket.h"
#include "comm/CNetworkTcp.h"
#include "comm/CSerialPort.h"

#include <QtTest>

using namespace COMM;

namespace {

// A serial profile that is not active: the port is made but not opened.
SCommConntProfile idleSerial(const char* port, int baudIndex, int sensorType = 0)
{
    SCommConntProfile profile;
    profile.conntSetting = BuildConntLink(sensorType, U"dev", PRIMARY_POS_UNDEFINED, false);
    profile.commType = COMM_TYPE_SERIAL;
    profile.serialConfig = BuildSerialConfig(port, baudIndex);
    profile.debugConfig = {true, SDebugConfig::TraceReceived};
    return profile;
}

SCommConntProfile network(int socketType, const std::string& ip, int port, bool active, int sensorType = 0)
{
    SCommConntProfile profile;
    profile.conntSetting = BuildConntLink(sensorType, U"net", PRIMARY_POS_UNDEFINED, active);
    profile.commType = COMM_TYPE_NETWORK;
    profile.networkConfig = BuildNetworkConfig(socketType, ip, port);
    profile.debugConfig = {false, SDebugConfig::TraceSent};
    return profile;
}

} // namespace

class TestCommData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }
    void init() { LogCapture::take(); }

    void serialItem_data()
    {
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<QString>("setupText");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("index 0") << 0 << "A 115200" << "createSerialPort Serial Port:A, Baud Rate:115200";
        QTest::newRow("invalid index") << -1 << "A -1" << "createSerialPort Serial Port:A, Baud Rate:-1";
    }

    void serialItem()
    {
        QFETCH(int, baudIndex);
        QFETCH(QString, setupText);
        QFETCH(QString, logLine);

        CCommData item;
        const SCommConntProfile profile = idleSerial("A", baudIndex);
        CSerialPort* port = item.createSerialPort(profile, RAWDATA_SENTENCE);
        QVERIFY(port);
        QCOMPARE(item.getCommType(), COMM_TYPE_SERIAL);
        QCOMPARE(item.getService(), static_cast<CServiceComm*>(port));
        QCOMPARE(QString::fromStdString(item.getSetupInfo()), setupText);
        QCOMPARE(LogCapture::take(), QStringList{logLine});
        QVERIFY(!item.isUp());
        QVERIFY(!item.matchExceptConnt(true, true, true));

        const SCommConntProfile rebuilt = item.getProfile();
        QCOMPARE(rebuilt.commType, COMM_TYPE_SERIAL);
        QCOMPARE(QByteArray(rebuilt.serialConfig.portName), QByteArray("A"));
        QCOMPARE(rebuilt.serialConfig.baudIndex, baudIndex);
        QCOMPARE(rebuilt.debugConfig.msgOut, SDebugConfig::TraceReceived);

        QCOMPARE(item.createSerialPort(idleSerial("B", 0), RAWDATA_SENTENCE), nullptr);
        QCOMPARE(item.getSerialPort(), port);
    }

    void networkItem_data()
    {
        QTest::addColumn<int>("socketType");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("setupText");
        QTest::addColumn<bool>("ipDiffers");
        const QString port = QStringLiteral("%1");
        QTest::newRow("TCP server: no socket of its own, up while listening")
            << int(SOCKET_TCP_SERVER) << "" << true << " " << false;
        QTest::newRow("TCP client, not connected") << int(SOCKET_TCP_CLIENT) << "127.0.0.1" << false
                                                   << "127.0.0.1 " + port << true;
        QTest::newRow("UDP server on every address") << int(SOCKET_UDP_SERVER) << "" << true << " " + port << true;
        QTest::newRow("UDP server on one address")
            << int(SOCKET_UDP_SERVER) << "127.0.0.1" << true << "127.0.0.1 " + port << false;
        QTest::newRow("UDP client") << int(SOCKET_UDP_CLIENT) << "127.0.0.1" << true << "127.0.0.1 " + port << true;
    }

    // The setup text names the configured address; a socket bound elsewhere is logged, not shown.
    void networkItem()
    {
        QFETCH(int, socketType);
        QFETCH(QString, ip);
        QFETCH(bool, up);
        QFETCH(QString, setupText);
        QFETCH(bool, ipDiffers);

        const int port = socketType == SOCKET_TCP_SERVER ? FreeTcpPort() : FreeUdpPort();
        CCommData item;
        const SCommConntProfile profile = network(socketType, ip.toStdString(), port, true);
        CNetworkSocket* holder = item.createNetworkSocket(profile, RAWDATA_SENTENCE);
        QVERIFY(holder);
        QCOMPARE(item.getCommType(), COMM_TYPE_NETWORK);
        QCOMPARE(item.getSocketType(), SOCKET_TYPE(socketType));
        QCOMPARE(item.getService(), holder->getSocketService());
        QCOMPARE(item.isUp(), up);
        QVERIFY(LogCapture::take().contains("createNetworkSocket " +
                                            QString::fromStdString(holder->getSocketService()->getContent())));

        QCOMPARE(QString::fromStdString(item.getSetupInfo()), setupText.replace("%1", QString::number(port)));
        const QStringList warnings = LogCapture::take().filter("ip [W]Network ip address is different.");
        QCOMPARE(warnings.size(), ipDiffers ? 1 : 0);

        const SCommConntProfile rebuilt = item.getProfile();
        QCOMPARE(rebuilt.commType, COMM_TYPE_NETWORK);
        QCOMPARE(rebuilt.networkConfig.socketType, SOCKET_TYPE(socketType));
        QCOMPARE(QByteArray(rebuilt.networkConfig.ip), ip.toUtf8());
        QCOMPARE(rebuilt.networkConfig.port, port);
        QCOMPARE(rebuilt.debugConfig.msgOut, SDebugConfig::TraceSent);
        QCOMPARE(item.createNetworkSocket(profile, RAWDATA_SENTENCE), nullptr);
    }

    // A TCP server that is not listening is down; reconnecting makes it listen, with no client.
    void tcpServerReconnects()
    {
        CCommData item;
        QVERIFY(item.createNetworkSocket(network(SOCKET_TCP_SERVER, "", FreeTcpPort(), false), RAWDATA_SENTENCE));
        QVERIFY(!item.isUp());
        QVERIFY(item.reconnect());
        QVERIFY(item.isUp());
        QVERIFY(item.getNetworkSocket()->getTcp()->isListening());
    }

    void noNetworkTransport()
    {
        CCommData item;
        QCOMPARE(item.createNetworkSocket(network(-1, "127.0.0.1", 1, true), RAWDATA_SENTENCE), nullptr);
        QCOMPARE(item.getCommType(), COMM_TYPE_NONE);
        QCOMPARE(item.getNetworkSocket(), nullptr);
        QCOMPARE(LogCapture::take(), QStringList{"createNetworkSocket [E]Socket type -1 makes no transport."});
    }

    void exemption_data()
    {
        QTest::addColumn<int>("sensorType");
        QTest::addColumn<int>("socketType");
        QTest::addColumn<bool>("exempt");
        QTest::newRow("UDP server, not-connected kind") << SENSOR_NOT_CONNECTED << int(SOCKET_UDP_SERVER) << true;
        QTest::newRow("TCP client, not-connected kind") << SENSOR_NOT_CONNECTED << int(SOCKET_TCP_CLIENT) << true;
        QTest::newRow("UDP client, not-connected kind") << SENSOR_NOT_CONNECTED << int(SOCKET_UDP_CLIENT) << false;
        QTest::newRow("TCP server, not-connected kind") << SENSOR_NOT_CONNECTED << int(SOCKET_TCP_SERVER) << false;
        QTest::newRow("UDP server, device kind") << SENSOR_DEVICE_LINK << int(SOCKET_UDP_SERVER) << false;
    }

    void exemption()
    {
        QFETCH(int, sensorType);
        QFETCH(int, socketType);
        QFETCH(bool, exempt);
        CCommData item;
        QVERIFY(item.createNetworkSocket(network(socketType, "127.0.0.1", 1, false, sensorType), RAWDATA_SENTENCE));
        QCOMPARE(item.matchExceptConnt(true, true, true), exempt);
    }

    // A log link in record mode counts as up, is exempt from checks and is not made again.
    void logItem()
    {
        SCommConntProfile profile;
        profile.conntSetting = BuildConntLink(0, U"log", PRIMARY_POS_LOG, false);
        profile.commType = COMM_TYPE_LOG;
        profile.debugConfig = {true, SDebugConfig::TraceReceived};
        CCommData item;
        CLogListener* log = item.createLog(profile, RAWDATA_SENTENCE);
        QVERIFY(log);
        QCOMPARE(item.getCommType(), COMM_TYPE_LOG);
        QCOMPARE(item.getService(), static_cast<CServiceComm*>(log));
        QVERIFY(!log->isEnable());
        QVERIFY(item.isUp());
        QVERIFY(item.matchExceptConnt(true, true, true));
        QCOMPARE(item.getSetupInfo(), std::string());
        QCOMPARE(item.getProfile().commType, COMM_TYPE_NONE);
        QCOMPARE(log->getContent(), std::string("Log Record"));
        QCOMPARE(log->getOperation(), REPLAY_OFF);
        QCOMPARE(log->getCurrentPath(), std::string());
        const SCommConntProfile own = log->getProfile();
        QCOMPARE(own.commType, COMM_TYPE_LOG);
        QCOMPARE(own.logConfig, LOG_RECORD);
        QCOMPARE(own.debugConfig.msgOut, SDebugConfig::TraceReceived);
        QCOMPARE(item.createLog(profile, RAWDATA_SENTENCE), nullptr);
    }

    // An item without a transport is exempt, names nothing and rebuilds nothing.
    void itemWithoutTransport()
    {
        CCommData item;
        QVERIFY(item.matchExceptConnt(true, true, true));
        QCOMPARE(item.getSetupInfo(), std::string());
        QCOMPARE(item.getProfile().commType, COMM_TYPE_NONE);
        QVERIFY(!item.reconnect());
    }

    void attemptLimit_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QList<bool>>("givenUp");
        QTest::newRow("no limit") << 0 << QList<bool>{false, false, false, false};
        QTest::newRow("limit 3") << 3 << QList<bool>{false, false, true, true};
        QTest::newRow("limit 1") << 1 << QList<bool>{true};
    }

    void attemptLimit()
    {
        QFETCH(int, limit);
        QFETCH(QList<bool>, givenUp);

        CCommData item;
        item.setReConntTimes(static_cast<unsigned char>(limit));
        QList<bool> results;
        for (int i = 0; i < givenUp.size(); ++i)
            results << item.countFailedAttempt();
        QCOMPARE(results, givenUp);
        item.resetReConntedCount();
        QCOMPARE(item.getReConntedCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCommData)
#include "tst_commdata.moc"
