#include "LogCapture.h"
#include "comm/CCommData.h"
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
