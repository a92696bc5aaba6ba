#include "DeviceFixture.h"
#include "FacadeRig.h"
#include "LogCapture.h"
#include "SimProcess.h"
#include "TestEnv.h"
#include "WiFiFixture.h"

#include <QtTest>
#include <memory>
#include <string>

using namespace DeviceFixture;
using namespace WiFiScope;

namespace {

constexpr int TickMs = 50;
constexpr int WaitMs = 15000;

} // namespace

// The simulated transponder's Wi-Fi module answers the program's AT dialogue over a
// pseudo-terminal, through the facade's real communication thread, the device's mode switch and
// the 200 ms pacing; the parser fills the Wi-Fi state from its replies.
class TestWiFiSimDialogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnv::ScopedWorkDir> m_dir;
    std::unique_ptr<TestEnv::SimProcess> m_sim;
    std::unique_ptr<Facade> m_facade;
    // Counted in the GUI thread.
    int m_ready = 0;
    int m_saved = 0;

    CDeviceComm& device() { return m_facade->getDeviceComm(); }
    CWiFiConfig& wifi() { return device().getWiFiConfig(); }

    // The simulator with the arguments, connected and switched into Wi-Fi configuration mode
    // as the Wi-Fi job does it.
    void startWith(const QStringList& arguments)
    {
        resetModeCheck();
        m_sim = std::make_unique<TestEnv::SimProcess>();
        QVERIFY(m_sim->start(QStringList{"--model", "2"} + arguments));
        m_facade = std::make_unique<Facade>(TickMs);
        m_ready = m_saved = 0;
        connect(m_facade.get(), &CCommSpaces::signalCommConntReady, this, [this] { ++m_ready; });
        connect(m_facade.get(), &CCommSpaces::signalCommDataSaved, this, [this] { ++m_saved; });
        QVERIFY(m_facade->initCommSpaceTh());
        QTRY_COMPARE_WITH_TIMEOUT(m_ready, 1, WaitMs);
        COMM::SCommConntProfile profile = deviceProfile(m_sim->devicePath());
        m_facade->connectDeviceComm(profile);
        QTRY_COMPARE_WITH_TIMEOUT(m_saved, 1, WaitMs);

        device().sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
        QTRY_COMPARE_WITH_TIMEOUT(wifi().getSystemMode(), WIFI_SYS_MODE_CONFIG, WaitMs);
        LogCapture::take();
    }

    // Ends the facade and the simulator; true when the simulator ended cleanly.
    bool stopRig()
    {
        m_facade.reset();
        const bool clean = !m_sim || m_sim->stop();
        m_sim.reset();
        return clean;
    }

    // The simulator again, its scans finding these access points.
    void restartWithAccessPoints(const QByteArrayList& points)
    {
        QVERIFY(stopRig());
        QFile file("access-points.txt");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(points.join('\n') + '\n');
        file.close();
        startWith({"--access-points", file.fileName()});
    }

    // A scan as the scan job runs it; false when its list is not read in time.
    bool scan()
    {
        device().sendWiFiClientScanCmd();
        return QTest::qWaitFor([this] { return wifi().snapshot().scanDone; }, WaitMs);
    }

    // Joins an open network as the join job does; false when the link status does not come.
    bool joinOpen(const std::string& ssid)
    {
        SClintAPCntData target;
        target.ssid = ssid;
        target.security = "NONE";
        device().sendWiFiClientAPCntCmd(&target);
        if (!QTest::qWaitFor([this] { return wifi().snapshot().settingAcked[SATCommandSet::AT_WAPPLY]; }, WaitMs))
            return false;
        device().sendWiFiClientAPCntStatusCmd();
        return QTest::qWaitFor([this] { return wifi().snapshot().linkStatus == 1; }, WaitMs);
    }

private slots:
    void initTestCase() { LogCapture::start(); }

    void init()
    {
        m_dir = std::make_unique<TestEnv::ScopedWorkDir>();
        startWith({});
    }

    void cleanup()
    {
        QVERIFY(stopRig());
        m_dir.reset();
    }

    // The module's factory settings, read back by the twelve queries.
    void queriesFillTheRecord()
    {
        device().sendWiFiBasicInfoQueryCmd();
        QTRY_VERIFY_WITH_TIMEOUT(wifi().isQueryDataReady(), WaitMs);
        const QMap<QString, QString> f = WiFiFixture::fields(wifi().snapshot());
        QCOMPARE(f["version"], QString("SIM-WIFI 1.0.3"));
        QCOMPARE(f["wlanEnabled"], QString("1"));
        QCOMPARE(f["opMode"], QString("0"));
        QCOMPARE(f["dhcp"], QString("1 0"));
        QCOMPARE(f["apSettings"], QString("AIS-SIM-0002|192.168.10.1|255.255.255.0|2000|6|WPA2-PSK|sim-ap-2024"));
        QCOMPARE(f["sysIp"], QString("192.168.10.1"));
        QCOMPARE(f["sysIpMore"], QString("192.168.10.1"));
        QVERIFY(LogCapture::take().filter("dropped").isEmpty());
    }

    // The module's scan list grouped by SSID, strongest first; after joining the open access
    // point its group comes first, marked.
    void scanThenJoin()
    {
        QVERIFY(scan());
        QCOMPARE(WiFiFixture::groups(wifi().snapshot()),
                 (QStringList{"Terrace Marina: 0C:80:63:1A:2B:01 -48 WPA2-PSK, 0C:80:63:1A:2B:04 -61 WPA2-PSK",
                              "Harbour Cafe: 0C:80:63:1A:2B:02 -67 NONE", ": 0C:80:63:1A:2B:03 -72 WPA2-PSK",
                              "Quay 4 Office: 0C:80:63:1A:2B:05 -80 WPA-PSK"}));

        QVERIFY(joinOpen("Harbour Cafe"));
        const SCmdProcData s = wifi().snapshot();
        QCOMPARE(WiFiFixture::groups(s).first(), QString("Harbour Cafe: 0C:80:63:1A:2B:02 -67 NONE [linked 0]"));
        QCOMPARE(WiFiFixture::groups(s).size(), 4);
        QCOMPARE(QString::fromStdString(s.linkedBssid), QString("0C:80:63:1A:2B:02"));
        QVERIFY(LogCapture::take().filter("dropped").isEmpty());
    }

    // Networks named like sentences or like the device's own marks are listed and joined as
    // any other: the link stays in Wi-Fi configuration mode throughout.
    void hostileNamesAreData()
    {
        restartWithAccessPoints({"!Guest,0C:80:63:1A:2B:11,6,-50,NONE,", "$ailors Wifi,0C:80:63:1A:2B:12,1,-60,NONE,",
                                 "[WIFI] Lounge,0C:80:63:1A:2B:13,11,-70,NONE,",
                                 "Terrace Marina,0C:80:63:1A:2B:14,3,-80,WPA2-PSK,marina-guest"});
        QVERIFY(scan());
        const SCmdProcData scanned = wifi().snapshot();
        QCOMPARE(WiFiFixture::groups(scanned),
                 (QStringList{"!Guest: 0C:80:63:1A:2B:11 -50 NONE", "$ailors Wifi: 0C:80:63:1A:2B:12 -60 NONE",
                              "[WIFI] Lounge: 0C:80:63:1A:2B:13 -70 NONE",
                              "Terrace Marina: 0C:80:63:1A:2B:14 -80 WPA2-PSK"}));
        QVERIFY(!scanned.apListCut);

        QVERIFY(joinOpen("[WIFI] Lounge"));
        QCOMPARE(WiFiFixture::groups(wifi().snapshot()).first(),
                 QString("[WIFI] Lounge: 0C:80:63:1A:2B:13 -70 NONE [linked 0]"));
        QCOMPARE(wifi().getSystemMode(), WIFI_SYS_MODE_CONFIG);
        QVERIFY(LogCapture::take().filter("Change WiFi Sys Mode").isEmpty());
    }

    // The module's real leaving still switches the link back: its exit line, or sentences once
    // the device sends them again without a word.
    void realExitsSwitchBack_data()
    {
        QTest::addColumn<bool>("asked");
        QTest::newRow("exit line") << true;
        QTest::newRow("sentences") << false;
    }

    void realExitsSwitchBack()
    {
        QFETCH(bool, asked);
        restartWithAccessPoints({"[WIFI] Lounge,0C:80:63:1A:2B:13,11,-70,NONE,"});
        QVERIFY(scan());
        QCOMPARE(WiFiFixture::groups(wifi().snapshot()), QStringList{"[WIFI] Lounge: 0C:80:63:1A:2B:13 -70 NONE"});
        if (asked)
            device().sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_NMEA);
        else
            m_sim->command("passthrough off");
        QTRY_COMPARE_WITH_TIMEOUT(wifi().getSystemMode(), WIFI_SYS_MODE_NMEA, WaitMs);
        // The device's AIS sentences that follow are counted again.
        const auto counted = [this] {
            const CDiagnostics d = device().getSentenceHandle().getDiagnostics();
            return qint64(d.rxCount[0]) + d.rxCount[1] + d.txCount[0] + d.txCount[1];
        };
        const qint64 before = counted();
        QTRY_VERIFY_WITH_TIMEOUT(counted() > before, WaitMs);
    }

    // A scan that passes the parser's bound lists the networks that fit and says it was cut;
    // one within it lists all.
    void longScanListsWhatFits_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("nameLength");
        QTest::addColumn<bool>("cut");
        QTest::newRow("150 networks") << 150 << 10 << false;
        QTest::newRow("250 networks") << 250 << 10 << true;
        QTest::newRow("names of 10 kB") << 3 << 10000 << true;
    }

    void longScanListsWhatFits()
    {
        QFETCH(int, count);
        QFETCH(int, nameLength);
        QFETCH(bool, cut);
        QByteArrayList points;
        for (int i = 0; i < count; ++i)
            points << QByteArray::number(i).rightJustified(nameLength, 'N') + ",0C:80:63:1A:2C:01,6,-50,NONE,";
        restartWithAccessPoints(points);
        QVERIFY(scan());
        const SCmdProcData scanned = wifi().snapshot();
        const QStringList listed = WiFiFixture::groups(scanned);
        QCOMPARE(scanned.apListCut, cut);
        QVERIFY(!listed.isEmpty());
        QCOMPARE(listed.size() < count, cut);
        const QByteArray lastName = QByteArray::number(listed.size() - 1).rightJustified(nameLength, 'N');
        QCOMPARE(listed.last(), QString::fromLatin1(lastName) + ": 0C:80:63:1A:2C:01 -50 NONE");
        QCOMPARE(wifi().getSystemMode(), WIFI_SYS_MODE_CONFIG);
    }
};

QTEST_MAIN(TestWiFiSimDialogue)
#include "tst_wifisimdialogue.moc"
