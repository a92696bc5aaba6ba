#include "LogCapture.h"
#include "WiFiFixture.h"
#include "device/CWiFiConfig.h"

#include <QtTest>

using namespace WiFiScope;
using WiFiFixture::fields;

namespace {

// Every field away from its start value, as replies and a finished job leave the record.
void fillEverything(SCmdProcData& s)
{
    qstrncpy(s.version, "V2.1", sizeof s.version);
    s.wlanEnabled = true;
    s.opMode = WIFI_OP_MODE_CLIENT;
    s.dhcpServer = 1;
    s.dhcpClient = 1;
    qstrncpy(s.apSettings.ssid, "Harbour", sizeof s.apSettings.ssid);
    qstrncpy(s.apSettings.security, "WPA2-PSK", sizeof s.apSettings.security);
    s.apSettings.port = 5000;
    s.apSettings.channel = 6;
    s.linkedBssid = "00:11:22:33:44:55";
    s.sysIp = "192.168.1.20";
    s.sysIpMore = "255.255.255.0";
    s.apList.push_back({"Harbour", 0, {{"Harbour", "00:11:22:33:44:55", 6, -40, "WPA2-PSK"}}});
    std::fill(std::begin(s.queryReplied), std::end(s.queryReplied), true);
    std::fill(std::begin(s.settingAcked), std::end(s.settingAcked), true);
    s.scanDone = true;
    s.linkStatus = 2;
    s.linkCheck = false;
    s.mainState = WIFI_MAIN_PENDING;
    s.cfgType = WIFI_CFG_FACTORY_RESET;
    s.subState = 4;
    s.jobStartTime = 1700000000;
    s.stepTime = 1700000009;
    s.enterTries = 2;
    s.pollCount = 3;
    s.timeoutCount = 1;
}

QStringList missingLogged()
{
    QStringList missing;
    for (const QString& line : LogCapture::take())
        if (line.startsWith("isQueryDataReady "))
            missing << line.mid(int(qstrlen("isQueryDataReady ")));
    return missing;
}

const QStringList TwelveMissing{"AT+SYSIPSET is 0", "AT+SYSIP is 0",   "AT+WLANEN is 0",  "AT+OPMODE is 0",
                                "AT+APSSID is 0",   "AT+SECMODE is 0", "AT+PSK is 0",     "AT+APCHAN is 0",
                                "AT+DHCPDEN is 0",  "AT+DHCPCEN is 0", "AT+TCPPORT is 0", "AT+VER is 0"};

} // namespace

class TestWiFiConfig : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }
    void init() { LogCapture::take(); }

    void startValues()
    {
        CWiFiConfig config;
        const SCmdProcData s = config.snapshot();
        QCOMPARE(fields(s).value("apSettings"), QString("|||0|0||"));
        QCOMPARE(s.opMode, -1);
        QCOMPARE(s.sysMode, int(WIFI_SYS_MODE_UNKNOWN));
        QCOMPARE(fields(s).value("link"), QString("0 1"));
        QCOMPARE(fields(s).value("job"), QString("1 1 0"));
        // The twelve queries of the module's data, by command index.
        QCOMPARE(fields(s).value("queryWanted"), QString("1111011110001110010"));
        QVERIFY(!config.infoReadOnce && !config.autoScanStarted && !config.powerNoticeShown && !config.powerConfirmed);
    }

    void newOrResetLogsEachMissingQueryInIndexOrder_data()
    {
        QTest::addColumn<bool>("afterReset");
        QTest::newRow("new") << false;
        QTest::newRow("reset after all replies") << true;
    }

    void newOrResetLogsEachMissingQueryInIndexOrder()
    {
        QFETCH(bool, afterReset);
        CWiFiConfig config;
        if (afterReset) {
            config.update(fillEverything);
            config.reset();
        }
        QVERIFY(!config.isQueryDataReady());
        QCOMPARE(missingLogged(), TwelveMissing);
        // Every call logs again.
        QVERIFY(!config.isQueryDataReady());
        QCOMPARE(missingLogged(), TwelveMissing);
    }

    void readyWhenTheWantedRepliesAreIn_data()
    {
        QTest::addColumn<QList<int>>("replied");
        QTest::addColumn<bool>("ready");
        QTest::addColumn<QStringList>("missing");

        const QList<int> twelve{0, 1, 2, 3, 5, 6, 7, 8, 12, 13, 14, 17};
        QList<int> withoutVersion = twelve;
        withoutVersion.removeAll(17);
        QTest::newRow("all twelve") << twelve << true << QStringList();
        QTest::newRow("scan reply does not count") << (twelve + QList<int>{11}) << true << QStringList();
        QTest::newRow("version missing") << withoutVersion << false << QStringList{"AT+VER is 0"};
        QTest::newRow("only replies nobody wants") << QList<int>{4, 9, 10, 11, 15, 16, 18} << false << TwelveMissing;
    }

    void readyWhenTheWantedRepliesAreIn()
    {
        QFETCH(QList<int>, replied);
        QFETCH(bool, ready);
        QFETCH(QStringList, missing);
        CWiFiConfig config;
        config.update([&](SCmdProcData& s) {
            for (int index : replied)
                s.queryReplied[index] = true;
        });
        QCOMPARE(config.isQueryDataReady(), ready);
        QCOMPARE(missingLogged(), missing);
    }

    // The station's address texts stay until the module reports new ones; all else starts over.
    void resetKeepsTheStationTexts()
    {
        CWiFiConfig config;
        config.update(fillEverything);
        config.infoReadOnce = config.autoScanStarted = config.powerNoticeShown = config.powerConfirmed = true;
        config.setSystemMode(WIFI_SYS_MODE_CONFIG);
        config.reset();

        QMap<QString, QString> expected = fields(CWiFiConfig().snapshot());
        expected["linkedBssid"] = "00:11:22:33:44:55";
        expected["sysIp"] = "192.168.1.20";
        expected["sysIpMore"] = "255.255.255.0";
        QCOMPARE(fields(config.snapshot()), expected);
        QVERIFY(config.snapshot().apList.empty());
        QVERIFY(!config.infoReadOnce && !config.autoScanStarted && !config.powerNoticeShown && !config.powerConfirmed);
    }

    // The system mode is the atomic one: stored as given, copied into every snapshot, and not
    // taken from what an update leaves in the record.
    void systemModeIsStoredApart()
    {
        CWiFiConfig config;
        config.setSystemMode(WIFI_SYS_MODE(7));
        QCOMPARE(config.snapshot().sysMode, 7);
        int seen = 0;
        config.update([&seen](SCmdProcData& s) {
            seen = s.sysMode;
            s.sysMode = WIFI_SYS_MODE_NMEA;
            s.mainState = WIFI_MAIN_RUN_JOB;
        });
        QCOMPARE(seen, 7);
        QCOMPARE(config.getSystemMode(), WIFI_SYS_MODE(7));
        QCOMPARE(config.snapshot().mainState, int(WIFI_MAIN_RUN_JOB));
    }

    void receivedLineIsLoggedPrintable()
    {
        CWiFiConfig config;
        config.cmdProc(">AT+VER\r\n");
        const QStringList logged = LogCapture::take();
        QVERIFY2(logged.size() == 1 && logged.first().startsWith("cmdProc [Original WiFi Sentence]>AT+VER\\r\\n\n"),
                 qPrintable(logged.join('\n')));
    }
};

QTEST_MAIN(TestWiFiConfig)
#include "tst_wificonfig.moc"
