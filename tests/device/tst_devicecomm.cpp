#include "DeviceFixture.h"
#include "FacadeRig.h"
#include "FakeLink.h"
#include "LogCapture.h"
#include "comm/CCommData.h"
#include "comm/CSerialPort.h"
#include "device/CDeviceComm.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <thread>

using namespace DeviceFixture;
using namespace WiFiScope;

using Call = std::function<void(CDeviceComm&)>;
Q_DECLARE_METATYPE(Call)

namespace {

const QString Awaited = QStringLiteral(" awaits +ok 20000 ms");

QString at(const QString& line)
{
    return line + "\\n" + Awaited;
}

// The device link on a fake transport, in a given mode.
struct LinkedDevice
{
    explicit LinkedDevice(WIFI_SYS_MODE mode = WIFI_SYS_MODE_UNKNOWN)
    {
        device.adoptLink(&link);
        device.getWiFiConfig().setSystemMode(mode);
    }

    FakeLink link;
    CDeviceComm device;
};

// The lines logged since the last call that contain the part.
QStringList logged(const QString& part)
{
    return LogCapture::take().filter(part);
}

// Receives the bytes in a thread of their own, as the communication thread does.
void receiveInOtherThread(FakeLink& link, const QByteArray& bytes)
{
    std::thread communication([&] { link.rxPackageProc(bytes, false); });
    communication.join();
}

COMM::SCommConntProfile inactiveNetworkProfile()
{
    COMM::SCommConntProfile profile;
    profile.conntSetting = COMM::BuildConntLink(COMM::SENSOR_DEVICE_LINK, U"device", COMM::PRIMARY_POS_UNDEFINED, false);
    profile.commType = COMM::COMM_TYPE_NETWORK;
    profile.networkConfig = COMM::BuildNetworkConfig(COMM::SOCKET_TCP_CLIENT, "127.0.0.1", 1);
    return profile;
}

} // namespace

class TestDeviceComm : public QObject
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

    void adoption()
    {
        CDeviceComm device;
        COMM::CCommData network;
        QVERIFY(network.createNetworkSocket(inactiveNetworkProfile(), COMM::RAWDATA_SENTENCE));
        device.setComm(&network);
        device.setComm(nullptr);
        QVERIFY(!device.getLink());
        QVERIFY(!device.sendCommand("AT+VER", nullptr));

        COMM::CCommData serial;
        QVERIFY(serial.createSerialPort(deviceProfile("/nonexistent/port", false), COMM::RAWDATA_SENTENCE));
        device.setComm(&serial);
        QCOMPARE(device.getLink(), static_cast<COMM::CServiceComm*>(serial.getSerialPort()));
        QCOMPARE(int(serial.getReConntTimes()), 3);
        // Another entry's deletion leaves the link; its own forgets it.
        device.pareComm(&network);
        QVERIFY(device.getLink());
        QCOMPARE(device.pareComm(&serial), static_cast<COMM::CServiceComm*>(serial.getSerialPort()));
        QVERIFY(!device.getLink());
        // Without a link a line is dropped without a word.
        QVERIFY(!device.sendCommand("AT+VER", nullptr));
        QVERIFY(logged("sendCommand").isEmpty());
    }

    // The kind of the link is known by the link's id alone: a deleted transport is never read.
    void linkTypeKeptAtAdoption()
    {
        CDeviceComm device;
        FakeLink serial;
        FakeLink network;
        network.setCommType(COMM::COMM_TYPE_NETWORK);
        QCOMPARE(device.getLinkType(&serial), COMM::COMM_TYPE_NONE);
        device.adoptLink(&serial);
        QCOMPARE(device.getLinkType(&serial), COMM::COMM_TYPE_SERIAL);
        QCOMPARE(device.getLinkType(&network), COMM::COMM_TYPE_NONE);
        QCOMPARE(device.getLinkType(nullptr), COMM::COMM_TYPE_NONE);
        // Kept from adoption: a later change of the transport's kind is not read.
        serial.setCommType(COMM::COMM_TYPE_NETWORK);
        QCOMPARE(device.getLinkType(&serial), COMM::COMM_TYPE_SERIAL);
        device.adoptLink(&network);
        QCOMPARE(device.getLinkType(&network), COMM::COMM_TYPE_NETWORK);
        QCOMPARE(device.getLinkType(&serial), COMM::COMM_TYPE_NONE);
        device.adoptLink(nullptr);
        QCOMPARE(device.getLinkType(&network), COMM::COMM_TYPE_NONE);

        COMM::CCommData item;
        QVERIFY(item.createSerialPort(deviceProfile("/nonexistent/port", false), COMM::RAWDATA_SENTENCE));
        device.setComm(&item);
        QCOMPARE(device.getLinkType(item.getSerialPort()), COMM::COMM_TYPE_SERIAL);
        device.pareComm(&item);
        QCOMPARE(device.getLinkType(item.getSerialPort()), COMM::COMM_TYPE_NONE);
    }

    void lineEndByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("queued");
        const QByteArray line("AT+VER");
        QTest::newRow("mode unknown: LF") << -1 << line << "AT+VER\\n";
        QTest::newRow("NMEA mode: CR LF") << 0 << line << "AT+VER\\r\\n";
        QTest::newRow("Wi-Fi mode: LF") << 1 << line << "AT+VER\\n";
        QTest::newRow("cut at a NUL") << 0 << QByteArray("AT+V\0ER", 7) << "AT+V\\r\\n";
        QTest::newRow("empty") << 0 << QByteArray() << "\\r\\n";
    }

    void lineEndByMode()
    {
        QFETCH(int, mode);
        QFETCH(QByteArray, text);
        QFETCH(QString, queued);
        LinkedDevice linked{WIFI_SYS_MODE(mode)};
        CDeviceComm& device = linked.device;
        FakeLink& link = linked.link;
        link.connected = false; // the link is not asked
        QVERIFY(device.sendCommand(text.toStdString(), nullptr));
        COMM::STxPackage package;
        QVERIFY(link.queueNextTxPackage(&package, false));
        QCOMPARE(package.spacing, 200);
        QCOMPARE(package.created, qint64(1000));
        QCOMPARE(link.queued(), QStringList{queued});
    }

    void tooLongIsRefused_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("queued");
        QTest::newRow("510 and CR LF fill the package") << 0 << 510 << true;
        QTest::newRow("511 and CR LF do not") << 0 << 511 << false;
        QTest::newRow("511 and LF fill it") << 1 << 511 << true;
        QTest::newRow("600") << 1 << 600 << false;
    }

    void tooLongIsRefused()
    {
        QFETCH(int, mode);
        QFETCH(int, length);
        QFETCH(bool, queued);
        LinkedDevice linked{WIFI_SYS_MODE(mode)};
        CDeviceComm& device = linked.device;
        FakeLink& link = linked.link;
        QCOMPARE(device.sendCommand(std::string(size_t(length), 'A'), nullptr), queued);
        const QStringList packages = link.queued();
        QCOMPARE(packages.size(), queued ? 1 : 0);
        if (queued)
            QVERIFY(packages.first().startsWith(QString(length, 'A') + (mode == 0 ? "\\r\\n" : "\\n")));
        QCOMPARE(logged("does not fit").size(), queued ? 0 : 1);
    }

    // An AT line holds the queue until a received line contains "+ok" or 20 s have passed.
    void atLineHoldsTheQueue_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<qint64>("nextSentAt");
        QTest::newRow("+ok at 1450") << QByteArray("+ok\r\n") << qint64(1450);
        QTest::newRow("query reply at 1450") << QByteArray("+ok=1\r\n") << qint64(1450);
        QTest::newRow("+err, held 20 s") << QByteArray("+err\r\n") << qint64(21010);
        QTest::newRow("no reply, held 20 s") << QByteArray() << qint64(21010);
    }

    void atLineHoldsTheQueue()
    {
        QFETCH(QByteArray, reply);
        QFETCH(qint64, nextSentAt);
        LinkedDevice linked{WIFI_SYS_MODE_CONFIG};
        CDeviceComm& device = linked.device;
        FakeLink& link = linked.link;
        device.sendWiFiFactoryRstCmd();
        link.sendFromTo(1000, 1440);
        QCOMPARE(link.sent, QByteArrayList{"AT+FACTDEF\n"});
        if (!reply.isEmpty())
            link.rxPackageProc(reply, false);
        link.sendFromTo(1450, 30000);
        QCOMPARE(link.sent, (QByteArrayList{"AT+FACTDEF\n", "AT+APPLY\n"}));
        QCOMPARE(link.sentAt, (QList<qint64>{1000, nextSentAt}));
    }

    // A reset drops the awaited reply and the queue: in the link's thread at once, from another
    // thread at the link's next timer tick. Without a link it does nothing.
    void resetLinkTx_data()
    {
        QTest::addColumn<bool>("otherThread");
        QTest::newRow("link's thread") << false;
        QTest::newRow("other thread") << true;
    }

    void resetLinkTx()
    {
        QFETCH(bool, otherThread);
        LinkedDevice linked{WIFI_SYS_MODE_CONFIG};
        CDeviceComm& device = linked.device;
        FakeLink& link = linked.link;
        device.sendWiFiFactoryRstCmd();
        link.sendFromTo(1000, 1440);
        QCOMPARE(link.sent, QByteArrayList{"AT+FACTDEF\n"});
        if (otherThread) {
            std::thread gui([&device] { device.resetLinkTx(); });
            gui.join();
            link.onTxDataTimer();
        } else {
            device.resetLinkTx();
        }
        device.sendCommand("$PDBG,163,0,,,,,,*15", nullptr);
        link.sendFromTo(1450, 1450);
        QCOMPARE(link.sent, (QByteArrayList{"AT+FACTDEF\n", "$PDBG,163,0,,,,,,*15\n"}));

        CDeviceComm unlinked;
        unlinked.resetLinkTx();
        QVERIFY(!unlinked.getLink());
    }

    // The mode sentences await nothing: the next line follows 200 ms later.
    void modeSentenceAwaitsNothing()
    {
        LinkedDevice linked{WIFI_SYS_MODE_NMEA};
        CDeviceComm& device = linked.device;
        FakeLink& link = linked.link;
        device.sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
        device.sendCommand("$PDBG,163,0,,,,,,*15", nullptr);
        link.sendFromTo(1000, 2000);
        QCOMPARE(link.sentAt, (QList<qint64>{1000, 1200}));
        // The fixed checksums, summed here.
        QCOMPARE(link.sent, (QByteArrayList{closed("$PDBG,163,1,,,,,,"), closed("$PDBG,163,0,,,,,,")}));
    }

    void senders_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QStringList>("queued");

        const auto apSettings = [](const char* ssid, const char* security) {
            SAPData settings;
            qstrncpy(settings.ssid, ssid, sizeof settings.ssid);
            qstrncpy(settings.ip, "192.168.1.1", sizeof settings.ip);
            qstrncpy(settings.mask, "255.255.255.0", sizeof settings.mask);
            settings.port = 5000;
            settings.channel = 6;
            qstrncpy(settings.security, security, sizeof settings.security);
            qstrncpy(settings.password, "seaworthy", sizeof settings.password);
            return settings;
        };
        const auto setup = [](SAPData settings) { return Call([settings](CDeviceComm& d) { d.sendWiFiCfgCmd(&settings); }); };
        const auto join = [](const char* security, const char* password) {
            const SClintAPCntData target{"Marina", security, password, 2};
            return Call([target](CDeviceComm& d) { d.sendWiFiClientAPCntCmd(&target); });
        };
        const QStringList setupHead{at("AT+APSSID=Harbour"), at("AT+APCHAN=6"), at("AT+SYSIPSET=192.168.1.1,255.255.255.0"),
                                    at("AT+TCPPORT=5000")};
        const QStringList wpa2{at("AT+SECMODE=WPA2-PSK"), at("AT+PSK=2,seaworthy"), at("AT+WAPPLY")};

        QTest::newRow("basic information query")
            << Call([](CDeviceComm& d) { d.sendWiFiBasicInfoQueryCmd(); })
            << QStringList{at("AT+WLANEN"),  at("AT+OPMODE"), at("AT+APSSID"), at("AT+SECMODE"),
                           at("AT+PSK"),     at("AT+SYSIPSET"), at("AT+TCPPORT"), at("AT+APCHAN"),
                           at("AT+VER"),     at("AT+SYSIP"),  at("AT+DHCPDEN"), at("AT+DHCPCEN")};
        QTest::newRow("access point, open") << setup(apSettings("Harbour", "NONE"))
                                            << setupHead + QStringList{at("AT+SECMODE=NONE"), at("AT+WAPPLY")};
        QTest::newRow("access point, WPA2-PSK") << setup(apSettings("Harbour", "WPA2-PSK")) << setupHead + wpa2;
        QTest::newRow("access point, empty security") << setup(apSettings("Harbour", "")) << setupHead + wpa2;
        QTest::newRow("access point, other security") << setup(apSettings("Harbour", "none")) << setupHead + wpa2;
        SAPData full = apSettings("", "NONE");
        std::fill(std::begin(full.ssid), std::end(full.ssid), 'S'); // no NUL: the address follows
        QTest::newRow("access point, SSID filling its field")
            << setup(full) << QStringList{at("AT+APSSID=" + QString(32, 'S'))} + setupHead.mid(1)
                                  + QStringList{at("AT+SECMODE=NONE"), at("AT+WAPPLY")};
        QTest::newRow("access point, SSID with a line end")
            << setup(apSettings("Harbour\nAT+FACTDEF", "NONE")) << QStringList();

        QTest::newRow("Wi-Fi off") << Call([](CDeviceComm& d) { d.sendWiFiModeCtrlCmd(false, WIFI_OP_MODE_CLIENT); })
                                   << QStringList{at("AT+WLANEN=0"), at("AT+SYSAPPLY"), at("AT+WAPPLY")};
        QTest::newRow("Wi-Fi on, client")
            << Call([](CDeviceComm& d) { d.sendWiFiModeCtrlCmd(true, WIFI_OP_MODE_CLIENT); })
            << QStringList{at("AT+WLANEN=1"), at("AT+DHCPCEN=1"), at("AT+DHCPDEN=0"), at("AT+OPMODE=1"),
                           at("AT+SYSAPPLY"), at("AT+WAPPLY")};
        QTest::newRow("Wi-Fi on, access point")
            << Call([](CDeviceComm& d) { d.sendWiFiModeCtrlCmd(true, WIFI_OP_MODE_ACCESS_POINT); })
            << QStringList{at("AT+WLANEN=1"), at("AT+DHCPCEN=0"), at("AT+DHCPDEN=1"), at("AT+OPMODE=0"),
                           at("AT+SYSAPPLY"), at("AT+WAPPLY")};
        QTest::newRow("Wi-Fi on, unknown mode")
            << Call([](CDeviceComm& d) { d.sendWiFiModeCtrlCmd(true, WIFI_OPERATION_MODE(7)); })
            << QStringList{at("AT+WLANEN=1"), at("AT+DHCPCEN=0"), at("AT+DHCPDEN=0"), at("AT+OPMODE=0"),
                           at("AT+SYSAPPLY"), at("AT+WAPPLY")};

        QTest::newRow("factory reset") << Call([](CDeviceComm& d) { d.sendWiFiFactoryRstCmd(); })
                                       << QStringList{at("AT+FACTDEF"), at("AT+APPLY")};
        QTest::newRow("scan") << Call([](CDeviceComm& d) { d.sendWiFiClientScanCmd(); })
                              << QStringList{at("AT+SCAN"), "WiFiScanEnd\\n"};
        QTest::newRow("link status") << Call([](CDeviceComm& d) { d.sendWiFiClientAPCntStatusCmd(); })
                                     << QStringList{at("AT+STALINK")};

        const QStringList joinHead{at("AT+STA=Marina")};
        QTest::newRow("join WPA") << join("WPA", "seaworthy")
                                  << joinHead + QStringList{at("AT+SECMODE=WPA-PSK"), at("AT+PSK=2,seaworthy"), at("AT+WAPPLY")};
        QTest::newRow("join WPA2") << join("WPA2", "seaworthy")
                                   << joinHead + QStringList{at("AT+SECMODE=WPA2-PSK"), at("AT+PSK=2,seaworthy"), at("AT+WAPPLY")};
        QTest::newRow("join WPA2-PSK") << join("WPA2-PSK", "seaworthy")
                                       << joinHead + QStringList{at("AT+SECMODE=WPA2-PSK"), at("AT+PSK=2,seaworthy"), at("AT+WAPPLY")};
        QTest::newRow("join open, password ignored") << join("NONE", "seaworthy")
                                                     << joinHead + QStringList{at("AT+SECMODE=NONE"), at("AT+WAPPLY")};
        QTest::newRow("join, other text kept") << join("wpa", "") << joinHead + QStringList{at("AT+SECMODE=wpa"), at("AT+PSK=2,"), at("AT+WAPPLY")};
        QTest::newRow("join, password with a CR") << join("WPA2", "sea\rworthy") << QStringList();

        QTest::newRow("blank parameter follows =")
            << Call([](CDeviceComm& d) { d.sendCmdRespPass(20000, "+ok", "AT+APSSID", " "); }) << QStringList{at("AT+APSSID= ")};
        QTest::newRow("enter Wi-Fi configuration mode")
            << Call([](CDeviceComm& d) { d.sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG); }) << QStringList{"$PDBG,163,1,,,,,,*14\\n"};
        QTest::newRow("leave Wi-Fi configuration mode")
            << Call([](CDeviceComm& d) { d.sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_NMEA); }) << QStringList{"$PDBG,163,0,,,,,,*15\\n"};
        QTest::newRow("no such mode") << Call([](CDeviceComm& d) { d.sendCmdToSwitchWiFiMode(WIFI_SYS_MODE(2)); }) << QStringList();
    }

    // Mode unknown: every line ends in LF alone.
    void senders()
    {
        QFETCH(Call, call);
        QFETCH(QStringList, queued);
        LinkedDevice linked;
        CDeviceComm& device = linked.device;
        FakeLink& link = linked.link;
        call(device);
        QCOMPARE(link.queued(), queued);
        const QStringList refusals = LogCapture::take().filter(QRegularExpression("line end|No such command"));
        QCOMPARE(refusals.size(), queued.isEmpty() ? 1 : 0);
    }

    // The link follows the device's mode line by line: an answer of the module seen in NMEA mode
    // switches it to the Wi-Fi module's parser, a sentence seen there switches it back.
    void routingByMode()
    {
        LinkedDevice linked;
        CDeviceComm& device = linked.device;
        FakeLink& link = linked.link;
        device.connectSetup();
        QSignalSpy logText(&device, &CDeviceComm::signalRxLogMsg);

        receiveInOtherThread(link, closed("$GPGGA,120000.00,5400.000,N,01000.000,E,1,08,1.0,10.0,M,40.0,M,,"));
        QTRY_COMPARE(device.getWiFiConfig().getSystemMode(), WIFI_SYS_MODE_NMEA);
        receiveInOtherThread(link, "+ok\r\n");
        QTRY_COMPARE(device.getWiFiConfig().getSystemMode(), WIFI_SYS_MODE_CONFIG);
        QCOMPARE(link.getRawDataType(), COMM::RAWDATA_MSG_3);
        QVERIFY(logged("[Original WiFi Sentence]").isEmpty());

        // One read in two chunks: one log text, two lines for the parser.
        link.rxPackageProc(">AT+VER\r\n+ok=", true);
        link.rxPackageProc("1.0\r\n", false);
        QCOMPARE(logged("[Original WiFi Sentence]"),
                 (QStringList{"cmdProc [Original WiFi Sentence]>AT+VER\\r\\n\n",
                              "cmdProc [Original WiFi Sentence]+ok=1.0\\r\\n\n"}));
        QCOMPARE(logText.size(), 1);
        QCOMPARE(logText.first().at(1).toString(), QString(">AT+VER\r\n+ok=1.0\r\n"));
        QCOMPARE(logText.first().at(0).value<void*>(), static_cast<void*>(&link));

        link.rxPackageProc(closed("$GPGGA,120001.00,5400.000,N,01000.000,E,1,08,1.0,10.0,M,40.0,M,,"), false);
        const QStringList log = LogCapture::take();
        QCOMPARE(log.filter("checkWiFiMode Fail:$GPGGA,120001.00").size(), 1);
        QCOMPARE(log.filter("Change WiFi Sys Mode:0, $GPGGA").size(), 1);
        QVERIFY(log.filter("[Original WiFi Sentence]").isEmpty());
        QCOMPARE(device.getWiFiConfig().getSystemMode(), WIFI_SYS_MODE_NMEA);
        QCOMPARE(link.getRawDataType(), COMM::RAWDATA_SENTENCE);

        // Nothing received: no log text.
        logText.clear();
        device.onRxMsg(&link, COMM::COMM_TYPE_SERIAL);
        QCOMPARE(logText.size(), 0);
    }

    // A reply cut off when the link leaves Wi-Fi configuration mode is forgotten: in the next
    // dialogue a sentence switches the link back at once instead of joining the old reply.
    void leavingForgetsTheOpenReply_data()
    {
        QTest::addColumn<bool>("byExitLine");
        QTest::newRow("the window's job leaves") << false;
        QTest::newRow("the module's exit line") << true;
    }

    void leavingForgetsTheOpenReply()
    {
        QFETCH(bool, byExitLine);
        LinkedDevice linked;
        CDeviceComm& device = linked.device;
        FakeLink& link = linked.link;
        device.connectSetup();
        const auto enter = [&] {
            receiveInOtherThread(link, "+ok\r\n");
            QTRY_COMPARE(device.getWiFiConfig().getSystemMode(), WIFI_SYS_MODE_CONFIG);
        };
        enter();
        receiveInOtherThread(link, ">AT+SCAN\r\n+ok=\r\nDock,0C:80:63:1A:2B:01,1,-40,NONE\r\n");
        QVERIFY(device.getWiFiConfig().isReplyOpen());
        if (byExitLine) {
            receiveInOtherThread(link, ">AT+EXIT\r\n");
            QCOMPARE(device.getWiFiConfig().getSystemMode(), WIFI_SYS_MODE_NMEA);
            // Its answer follows, and does not switch the link back.
            receiveInOtherThread(link, "+ok\r\n");
        } else {
            device.switchSysMode(WIFI_SYS_MODE_NMEA);
        }
        QVERIFY(!device.getWiFiConfig().isReplyOpen());

        enter();
        receiveInOtherThread(link, closed("$GPGGA,120001.00,5400.000,N,01000.000,E,1,08,1.0,10.0,M,40.0,M,,"));
        QCOMPARE(device.getWiFiConfig().getSystemMode(), WIFI_SYS_MODE_NMEA);
        QCOMPARE(link.getRawDataType(), COMM::RAWDATA_SENTENCE);
    }

    // The main window's job switches the mode itself; without a link only the mode changes.
    void switchSysMode()
    {
        CDeviceComm device;
        device.switchSysMode(WIFI_SYS_MODE_CONFIG);
        QCOMPARE(device.getWiFiConfig().getSystemMode(), WIFI_SYS_MODE_CONFIG);
        FakeLink link;
        device.adoptLink(&link);
        device.switchSysMode(WIFI_SYS_MODE_CONFIG);
        QCOMPARE(link.getRawDataType(), COMM::RAWDATA_MSG_3);
        device.switchSysMode(WIFI_SYS_MODE_UNKNOWN);
        QCOMPARE(device.getWiFiConfig().getSystemMode(), WIFI_SYS_MODE_NMEA);
        QCOMPARE(link.getRawDataType(), COMM::RAWDATA_SENTENCE);
    }
};

QTEST_MAIN(TestDeviceComm)
#include "tst_devicecomm.moc"
