#include "DeviceFixture.h"
#include "FacadeRig.h"
#include "FakeLink.h"
#include "LogCapture.h"
#include "comm/CCommData.h"
#include "comm/CSerialPort.h"

#include <QSignalSpy>
#include <QtTest>

using namespace DeviceFixture;

// The facade's own work, without its thread: the send path of the main window's sentences and
// what its hooks do with a connection.
class TestCommSpacesManage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }
    void init()
    {
        resetModeCheck();
        Portal::Time::SetFakeClock(1000);
        LogCapture::take();
    }
    void cleanup() { Portal::Time::ClearFakeClock(); }

    void sendCommand_data()
    {
        QTest::addColumn<QString>("link"); // none, connected, lost
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("queued");
        QTest::addColumn<QString>("logged");

        const QByteArray probe = closed("$AIAIQ,VER");
        const QByteArray full(512, 'A');
        QTest::newRow("no link") << "none" << probe << probe.size() << false << "sendCommand [E]Communication is failed";
        QTest::newRow("port lost") << "lost" << probe << probe.size() << false << "sendCommand [E]Communication is failed";
        QTest::newRow("sentence, unchanged") << "connected" << probe << probe.size() << true << "";
        QTest::newRow("count 0: an empty package") << "connected" << probe << 0 << true << "";
        QTest::newRow("512 bytes") << "connected" << full << 512 << true << "";
        QTest::newRow("513 bytes") << "connected" << (full + 'A') << 513 << false
                                   << "sendCommand [E]513 bytes refused: a package holds 0 to 512";
        QTest::newRow("negative count") << "connected" << probe << -1 << false
                                        << "sendCommand [E]-1 bytes refused: a package holds 0 to 512";
        QTest::newRow("no bytes") << "connected" << QByteArray() << 5 << false
                                  << "sendCommand [E]5 bytes refused: a package holds 0 to 512";
    }

    void sendCommand()
    {
        QFETCH(QString, link);
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(bool, queued);
        QFETCH(QString, logged);
        Facade facade;
        FakeLink transport;
        transport.connected = link == "connected";
        if (link != "none")
            facade.getDeviceComm().adoptLink(&transport);

        QCOMPARE(facade.sendCommand(bytes.isEmpty() ? nullptr : bytes.constData(), count), queued);
        COMM::STxPackage package;
        QCOMPARE(transport.queueNextTxPackage(&package, true), queued);
        if (queued) {
            QCOMPARE(QByteArray(package.data, package.len), bytes.left(count));
            QCOMPARE(package.spacing, 100);
            QCOMPARE(package.created, qint64(1000));
            QVERIFY(!package.response.isAwaited() && !package.checkSame);
        }
        QCOMPARE(LogCapture::take().filter("sendCommand"), logged.isEmpty() ? QStringList() : QStringList{logged});
    }

    // The same sentence twice leaves twice, 100 ms apart.
    void sameSentenceLeavesTwice()
    {
        Facade facade;
        FakeLink transport;
        facade.getDeviceComm().adoptLink(&transport);
        const QByteArray probe = closed("$AIAIQ,VER");
        QVERIFY(facade.sendCommand(probe.constData(), probe.size()));
        QVERIFY(facade.sendCommand(probe.constData(), probe.size()));
        transport.sendFromTo(1000, 2000);
        QCOMPARE(transport.sent, (QByteArrayList{probe, probe}));
        QCOMPARE(transport.sentAt, (QList<qint64>{1000, 1100}));
    }

    void wiFiRequestsReachTheDeviceLink()
    {
        Facade facade;
        FakeLink transport;
        facade.getDeviceComm().adoptLink(&transport);
        facade.sendCmdToSwitchWiFiMode(WiFiScope::WIFI_SYS_MODE_CONFIG);
        facade.sendWiFiBasicInfoQueryCmd();
        const QStringList queued = transport.queued();
        QCOMPARE(queued.size(), 13);
        QCOMPARE(queued.first(), QString("$PDBG,163,1,,,,,,*14\\n"));
        QCOMPARE(queued.at(1), QString("AT+WLANEN\\n awaits +ok 20000 ms"));
    }

    // Adoption sets detection state 6 whatever it is given; a serial entry becomes the link and
    // is forgotten when it is deleted or the space ends.
    void hooks()
    {
        Facade facade;
        CDeviceComm& device = facade.getDeviceComm();
        QSignalSpy deleteAsked(&facade, &CCommSpaces::signalCommDataDelete);
        facade.disconnectDeviceComm();
        QCOMPARE(deleteAsked.size(), 0);

        facade.commCommDataSaved(nullptr);
        QCOMPARE(device.getSentenceHandle().getDevDetectState(), DEV_STATE_LINK_SAVED);
        QVERIFY(!device.getLink());

        COMM::CCommData item;
        QVERIFY(item.createSerialPort(deviceProfile("/nonexistent/port", false), COMM::RAWDATA_SENTENCE));
        device.getSentenceHandle().setDevDetectState(DEV_STATE_INITIAL);
        facade.commCommDataSaved(&item);
        QCOMPARE(device.getSentenceHandle().getDevDetectState(), DEV_STATE_LINK_SAVED);
        QCOMPARE(device.getLink(), static_cast<COMM::CServiceComm*>(item.getSerialPort()));
        facade.commDeleteCommData(&item);
        QVERIFY(!device.getLink());

        facade.commCommDataSaved(&item);
        facade.commReleaseTh();
        QVERIFY(!device.getLink());
    }
};

QTEST_MAIN(TestCommSpacesManage)
#include "tst_commspacesmanage.moc"
