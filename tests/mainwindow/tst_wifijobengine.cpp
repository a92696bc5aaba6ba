#include "LogCapture.h"
#include "WiFiFakeHost.h"
#include "device/CWiFiConfig.h"
#include "mainwindow/wifi/CWiFiJobEngine.h"

#include <QtTest>
#include <algorithm>
#include <iterator>

using namespace WiFiScope;

namespace {

// The engine on a fake window, with a small scripted module that answers what was sent after
// each tick, one tick late as a real one would be.
struct Rig
{
    struct SModule
    {
        bool silent = false;
        bool takesSwitches = true; // applies a mode control's on/off, mode and DHCP switches
        bool associated = true;    // the client's link status
        bool wlanEnabled = true;
        int opMode = WIFI_OP_MODE_ACCESS_POINT;
        int dhcpServer = 1;
        int dhcpClient = 0;
    };

    CWiFiConfig wifi;
    WiFiFakeHost host{wifi};
    CWiFiJobEngine engine{wifi, host};
    SModule module;
    int answered = 0;

    SCmdProcData state() const { return wifi.snapshot(); }

    void tick()
    {
        engine.tick();
        answer();
        host.now += 1;
    }

    // Ticks until the engine rests (state 5, no job, device back in NMEA mode), at most limit.
    bool tickUntilRest(int limit = 300)
    {
        for (int i = 0; i < limit; ++i) {
            tick();
            const SCmdProcData s = state();
            if (s.mainState == WIFI_MAIN_PENDING && s.cfgType == 0 && s.sysMode == WIFI_SYS_MODE_NMEA)
                return true;
        }
        return false;
    }

    int count(const QString& word) const
    {
        return int(std::count_if(host.sent.begin(), host.sent.end(),
                                 [&word](const QString& sent) { return sent.startsWith(word); }));
    }

    void answer()
    {
        for (; answered < host.sent.size(); ++answered) {
            if (!module.silent)
                answerOne(host.sent[answered]);
        }
    }

    void answerOne(const QString& sent)
    {
        if (sent == "switch 1")
            wifi.setSystemMode(WIFI_SYS_MODE_CONFIG);
        else if (sent == "leave")
            wifi.setSystemMode(WIFI_SYS_MODE_NMEA);
        const SModule m = module;
        wifi.update([&sent, m, this](SCmdProcData& s) {
            if (sent == "query") {
                for (SATCommandSet::INDEX query : BASIC_INFO_QUERIES)
                    s.queryReplied[query] = true;
                s.wlanEnabled = m.wlanEnabled;
                s.opMode = m.opMode;
                s.dhcpServer = m.dhcpServer;
                s.dhcpClient = m.dhcpClient;
            } else if (sent.startsWith("setup") || sent.startsWith("join")) {
                s.settingAcked[SATCommandSet::AT_WAPPLY] = true;
            } else if (sent.startsWith("mode")) {
                s.settingAcked[SATCommandSet::AT_WAPPLY] = true;
                const QStringList words = sent.split(' ');
                if (m.takesSwitches) {
                    module.wlanEnabled = words[1] == "1";
                    module.opMode = words[2].toInt();
                    module.dhcpServer = module.opMode == WIFI_OP_MODE_ACCESS_POINT ? 1 : 0;
                    module.dhcpClient = module.opMode == WIFI_OP_MODE_CLIENT ? 1 : 0;
                }
            } else if (sent == "scan") {
                s.scanDone = true;
            } else if (sent == "link") {
                s.linkStatus = m.associated ? 1 : 2;
                s.linkCheck = m.associated;
            } else if (sent == "factory") {
                s.settingAcked[SATCommandSet::AT_APPLY] = true;
            }
        });
    }

    // A connection whose first query has run: the engine rests and the pages are filled.
    bool settle()
    {
        return tickUntilRest() && (host.sent.clear(), answered = 0, host.pagesFilled = 0, true);
    }
};

QString job(const SCmdProcData& s)
{
    return QString("main %1 job %2").arg(s.mainState).arg(s.cfgType);
}

} // namespace

class TestWiFiJobEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }
    void init() { LogCapture::take(); }

    void deviceWithoutModuleSendsNothing()
    {
        Rig rig;
        rig.host.wifiModule = false;
        for (int i = 0; i < 100; ++i)
            rig.tick();
        QCOMPARE(rig.host.sent, QStringList());
        QCOMPARE(rig.host.waitingShown, 0);
    }

    // Detection not complete while the device passes Wi-Fi lines: told to leave, nothing else.
    void unfinishedDetectionOnlyLeaves()
    {
        Rig rig;
        rig.host.detectState = 1;
        rig.module.silent = true;
        rig.wifi.setSystemMode(WIFI_SYS_MODE_CONFIG);
        for (int i = 0; i < 3; ++i)
            rig.tick();
        QCOMPARE(rig.host.sent, QStringList({"leave", "leave", "leave"}));
        QCOMPARE(rig.host.waitingShown, 0);
    }

    void unconfirmedSwitchBacksOff()
    {
        Rig rig;
        rig.module.silent = true;
        for (int i = 0; i < 8; ++i)
            rig.tick();
        QCOMPARE(rig.host.sent, QStringList({"switch 1", "switch 1", "switch 1", "leave", "switch 1", "switch 1",
                                             "switch 1", "leave"}));
        QVERIFY(rig.host.waiting);
    }

    // The first ticks of a connection query the module by themselves and fill the pages once;
    // the job runs on the tick the device confirms the mode.
    void firstQueryFillsThePagesOnce()
    {
        Rig rig;
        rig.tick();
        QCOMPARE(rig.host.sent, QStringList({"switch 1"}));
        QVERIFY(rig.host.waiting);
        rig.tick();
        QCOMPARE(rig.host.sent.last(), QString("query"));
        QCOMPARE(rig.state().subState, 2);
        rig.tick();
        QCOMPARE(job(rig.state()), QString("main %1 job 0").arg(WIFI_MAIN_RESET));
        QCOMPARE(rig.host.pagesFilled, 1);
        QVERIFY(rig.wifi.infoReadOnce);
        rig.tick();
        rig.tick();
        QCOMPARE(rig.host.sent, QStringList({"switch 1", "query", "leave"}));
        QCOMPARE(job(rig.state()), QString("main %1 job 0").arg(WIFI_MAIN_PENDING));
        QVERIFY(!rig.host.waiting);
        QCOMPARE(rig.host.pagesFilled, 1);
    }

    // Client mode with the DHCP server on: the repair keeps the module on, in client mode.
    void repairKeepsTheModuleOn()
    {
        Rig rig;
        rig.module.opMode = WIFI_OP_MODE_CLIENT;
        rig.module.dhcpServer = 1;
        rig.module.dhcpClient = 0;
        QVERIFY(rig.tickUntilRest());
        QCOMPARE(rig.count("mode"), 1);
        QCOMPARE(rig.host.sent.filter("mode"), QStringList({"mode 1 1"}));
        // Client mode chosen and on: a scan follows, then the query that finds it repaired.
        QCOMPARE(rig.host.sent.filter(QRegularExpression("^(switch|query|mode|scan)")),
                 QStringList({"switch 1", "query", "mode 1 1", "scan", "query"}));
    }

    // A module that never takes its DHCP switches is repaired once per connection, not for ever.
    void stubbornModuleIsRepairedOnce()
    {
        Rig rig;
        rig.module.takesSwitches = false;
        rig.module.dhcpServer = 0;
        rig.module.dhcpClient = 1;
        QVERIFY(rig.tickUntilRest());
        for (int i = 0; i < 300; ++i)
            rig.tick();
        QCOMPARE(rig.count("mode"), 1);
        QCOMPARE(rig.count("query"), 2);
        QCOMPARE(job(rig.state()), QString("main %1 job 0").arg(WIFI_MAIN_PENDING));
        QVERIFY(rig.host.boxes.isEmpty());
        QVERIFY(LogCapture::take().join('\n').contains("Operation mode still invalid after its repair"));

        // A new connection gets its one repair again.
        rig.wifi.reset();
        QVERIFY(rig.tickUntilRest());
        QCOMPARE(rig.count("mode"), 2);
    }

    void scanCountsLinkQueries_data()
    {
        QTest::addColumn<bool>("associated");
        QTest::addColumn<int>("linkQueries");
        QTest::addColumn<QString>("logged");
        QTest::newRow("associated") << true << 12 << "[wifiClientScanProc] WiFi connect Success";
        QTest::newRow("not associated") << false << 1 << "[wifiClientScanProc] WiFi connect Fail";
    }

    void scanCountsLinkQueries()
    {
        QFETCH(bool, associated);
        QFETCH(int, linkQueries);
        QFETCH(QString, logged);
        Rig rig;
        QVERIFY(rig.settle());
        rig.module.associated = associated;
        rig.engine.startJob(WIFI_CFG_CLIENT_SCAN);
        QVERIFY(rig.tickUntilRest());
        QCOMPARE(rig.count("scan"), 1);
        QCOMPARE(rig.count("link"), linkQueries);
        QCOMPARE(rig.host.apListShown, 1);
        QVERIFY(rig.host.boxes.isEmpty());
        QVERIFY(LogCapture::take().join('\n').contains(logged));
        // The chain ends with a query run that refreshes the page.
        QCOMPARE(rig.host.sent.filter(QRegularExpression("^(scan|query)")), QStringList({"scan", "query"}));
        QCOMPARE(rig.host.pagesFilled, 1);
    }

    // The module settles more than 9 s after the scan before its link is asked.
    void scanWaitsForTheModuleToSettle()
    {
        Rig rig;
        QVERIFY(rig.settle());
        rig.engine.startJob(WIFI_CFG_CLIENT_SCAN);
        for (int i = 0; i < 4; ++i)
            rig.tick();
        QCOMPARE(rig.host.sent, QStringList({"switch 1", "scan"}));
        const int64_t ready = rig.state().stepTime;
        QVERIFY(ready > 0);
        while (rig.host.now - ready <= CWiFiJobEngine::LinkSettleSeconds) {
            rig.tick();
            QCOMPARE(rig.count("link"), 0);
        }
        rig.tick();
        QCOMPARE(rig.count("link"), 1);
    }

    void failedJoinTellsTheUser_data()
    {
        QTest::addColumn<QString>("ssid");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("leave") << CWiFiJobEngine::LeaveSSID << QStringList();
        QTest::newRow("join") << "Dock" << QStringList({"0 Information: Connect fail.\nPlease try again!"});
    }

    void failedJoinTellsTheUser()
    {
        QFETCH(QString, ssid);
        QFETCH(QStringList, boxes);
        Rig rig;
        QVERIFY(rig.settle());
        rig.module.associated = false;
        rig.engine.clientAPCntData().ssid = ssid.toStdString();
        rig.engine.clientAPCntData().security = "NONE";
        rig.engine.startJob(WIFI_CFG_CLIENT_CONNECT);
        QVERIFY(rig.tickUntilRest());
        QCOMPARE(rig.host.sent.filter(QRegularExpression("^(join|link|query)")),
                 QStringList({"join " + ssid, "link", "query"}));
        QCOMPARE(rig.host.boxes, boxes);
    }

    // A successful join asks the link twelve times and tells nothing.
    void joinedNetworkShowsNoBox()
    {
        Rig rig;
        QVERIFY(rig.settle());
        rig.engine.clientAPCntData().ssid = "Dock";
        rig.engine.startJob(WIFI_CFG_CLIENT_CONNECT);
        QVERIFY(rig.tickUntilRest());
        QCOMPARE(rig.count("link"), 12);
        QVERIFY(rig.host.boxes.isEmpty());
    }

    // A full 32-character SSID has no NUL in the record: it goes out whole and alone.
    void setupSendsTheFormThenReadsBack()
    {
        Rig rig;
        QVERIFY(rig.settle());
        const QByteArray ssid(int(sizeof rig.host.form.ssid), 'S');
        std::copy(ssid.begin(), ssid.end(), rig.host.form.ssid);
        std::copy_n("192.168.4.1", 12, rig.host.form.ip);
        rig.engine.startJob(WIFI_CFG_AP_SETUP);
        QVERIFY(rig.tickUntilRest());
        QCOMPARE(rig.host.sent, QStringList({"switch 1", "setup " + QString(ssid), "query", "leave"}));
        QCOMPARE(rig.host.pagesFilled, 1);
    }

    // The module restarts: the job leaves the mode itself, so the query that follows enters it
    // again.
    void factoryResetEntersTheModeAgain()
    {
        Rig rig;
        QVERIFY(rig.settle());
        rig.engine.startJob(WIFI_CFG_FACTORY_RESET);
        QVERIFY(rig.tickUntilRest());
        QCOMPARE(rig.host.sent, QStringList({"switch 1", "factory", "leave", "switch 1", "query", "leave"}));
    }

    // The mode control sends what the page shows; client mode on is followed by a scan.
    void modeControlFollowsThePage_data()
    {
        QTest::addColumn<bool>("switchOn");
        QTest::addColumn<int>("radio");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("off") << false << int(WIFI_OP_MODE_CLIENT) << QStringList({"mode 0 1", "query"});
        QTest::newRow("access point") << true << int(WIFI_OP_MODE_ACCESS_POINT) << QStringList({"mode 1 0", "query"});
        QTest::newRow("client") << true << int(WIFI_OP_MODE_CLIENT) << QStringList({"mode 1 1", "scan", "query"});
    }

    void modeControlFollowsThePage()
    {
        QFETCH(bool, switchOn);
        QFETCH(int, radio);
        QFETCH(QStringList, chain);
        Rig rig;
        QVERIFY(rig.settle());
        rig.host.switchOn = switchOn;
        rig.host.modeRadio = radio;
        rig.engine.startJob(WIFI_CFG_MODE_CTRL);
        QVERIFY(rig.tickUntilRest());
        QCOMPARE(rig.host.sent.filter(QRegularExpression("^(mode|scan|query)")), chain);
    }

    // A silent module: after 70 s a fresh query run with the longer waiting text; after the
    // second, one warning and rest, with no new run however long the ticks go on.
    void silentModuleWarnsOnceThenRests()
    {
        Rig rig;
        rig.module.silent = true;
        const int64_t start = rig.host.now;
        while (rig.host.now - start < CWiFiJobEngine::RunLimitSeconds)
            rig.tick();
        QCOMPARE(rig.host.waitingText, 0);
        QVERIFY(!rig.host.sent.contains("resetTx"));
        rig.tick();
        QCOMPARE(rig.host.sent.last(), QString("leave"));
        QCOMPARE(rig.count("resetTx"), 1);
        QCOMPARE(job(rig.state()), QString("main %1 job %2").arg(WIFI_MAIN_START).arg(WIFI_CFG_QUERY));
        QCOMPARE(rig.state().sysMode, int(WIFI_SYS_MODE_NMEA));
        rig.tick();
        QCOMPARE(rig.host.waitingText, 1);
        QVERIFY(rig.host.waiting);
        QVERIFY(rig.host.boxes.isEmpty());

        for (int i = 0; i < CWiFiJobEngine::RunLimitSeconds && rig.host.boxes.isEmpty(); ++i)
            rig.tick();
        QCOMPARE(rig.host.boxes, QStringList({"2 Warning: WiFi setting fail!\nPlease try again."}));
        rig.host.sent.clear();
        for (int i = 0; i < 600; ++i)
            rig.tick();
        QCOMPARE(rig.host.boxes.size(), 1);
        QCOMPARE(job(rig.state()), QString("main %1 job 0").arg(WIFI_MAIN_PENDING));
        QCOMPARE(rig.host.sent, QStringList());
        QVERIFY(!rig.host.waiting);
        QCOMPARE(rig.host.waitingText, 0);
    }

    // At rest with the device still in Wi-Fi configuration mode, the leave goes out each tick.
    void pendingRepeatsTheLeave()
    {
        Rig rig;
        QVERIFY(rig.settle());
        rig.module.silent = true;
        rig.wifi.setSystemMode(WIFI_SYS_MODE_CONFIG);
        for (int i = 0; i < 3; ++i)
            rig.tick();
        QCOMPARE(rig.host.sent, QStringList({"leave", "leave", "leave"}));
        QVERIFY(!rig.host.waiting);
    }

    // The step flags of an earlier run do not carry a new job past its waits.
    void jobStartsOnCleanFlags()
    {
        Rig rig;
        QVERIFY(rig.settle());
        rig.module.silent = true;
        rig.wifi.setSystemMode(WIFI_SYS_MODE_CONFIG);
        rig.wifi.update([](SCmdProcData& s) {
            s.settingAcked[SATCommandSet::AT_WAPPLY] = true;
            s.subState = 5;
            s.pollCount = 11;
        });
        rig.engine.startJob(WIFI_CFG_AP_SETUP);
        for (int i = 0; i < 5; ++i)
            rig.tick();
        QCOMPARE(rig.host.sent.filter(QRegularExpression("^(setup|query)")), QStringList({"setup "}));
        QCOMPARE(rig.state().subState, 1);
        QCOMPARE(rig.state().cfgType, int(WIFI_CFG_AP_SETUP));
    }
};

QTEST_GUILESS_MAIN(TestWiFiJobEngine)
#include "tst_wifijobengine.moc"
