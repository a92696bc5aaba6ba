#include "LogCapture.h"
#include "SimDeviceRig.h"
#include "SimLinkSettle.h"
#include "WiFiFakeHost.h"
#include "mainwindow/wifi/CWiFiJobEngine.h"

#include <QtTest>
#include <cstring>
#include <functional>
#include <memory>

using namespace WiFiScope;

namespace {

constexpr int TickWaitMs = 15000;

// The fake window, its senders wired to the real device link.
class SimWiFiHost : public WiFiFakeHost
{
public:
    SimWiFiHost(CWiFiConfig& wifi, DeviceFixture::SimDeviceRig& rig)
        : WiFiFakeHost(wifi)
        , m_rig(rig)
    {
    }

    int devDetectState() const override { return m_rig.state(); }
    bool hasWiFiModule() const override { return m_rig.device().getSentenceHandle().getCurrentConfig().wifiModule; }

    void sendCmdToSwitchWiFiMode(WIFI_SYS_MODE mode) override
    {
        WiFiFakeHost::sendCmdToSwitchWiFiMode(mode);
        m_rig.facade().sendCmdToSwitchWiFiMode(mode);
    }
    void leaveWiFiCfgMode() override
    {
        WiFiFakeHost::leaveWiFiCfgMode();
        m_rig.device().sendCommand("$PDBG,163,0,,,,,,*15", nullptr);
    }
    void sendWiFiBasicInfoQueryCmd() override
    {
        WiFiFakeHost::sendWiFiBasicInfoQueryCmd();
        m_rig.facade().sendWiFiBasicInfoQueryCmd();
    }
    void sendWiFiCfgCmd(const SAPData* settings) override
    {
        WiFiFakeHost::sendWiFiCfgCmd(settings);
        m_rig.device().sendWiFiCfgCmd(settings);
    }
    void sendWiFiModeCtrlCmd(bool enable, WIFI_OPERATION_MODE mode) override
    {
        WiFiFakeHost::sendWiFiModeCtrlCmd(enable, mode);
        m_rig.device().sendWiFiModeCtrlCmd(enable, mode);
    }
    void sendWiFiClientScanCmd() override
    {
        WiFiFakeHost::sendWiFiClientScanCmd();
        m_rig.device().sendWiFiClientScanCmd();
    }
    void sendWiFiClientAPCntCmd(const SClintAPCntData* target) override
    {
        WiFiFakeHost::sendWiFiClientAPCntCmd(target);
        m_rig.device().sendWiFiClientAPCntCmd(target);
    }
    void sendWiFiClientAPCntStatusCmd() override
    {
        WiFiFakeHost::sendWiFiClientAPCntStatusCmd();
        m_rig.device().sendWiFiClientAPCntStatusCmd();
    }
    void sendWiFiFactoryRstCmd() override
    {
        WiFiFakeHost::sendWiFiFactoryRstCmd();
        m_rig.device().sendWiFiFactoryRstCmd();
    }
    void resetLinkTx() override
    {
        WiFiFakeHost::resetLinkTx();
        m_rig.device().resetLinkTx();
    }
    void switchSysMode(WIFI_SYS_MODE mode) override { m_rig.device().switchSysMode(mode); }
    void showMsgBox(MSG_BOX_S kind, const QString& title, const QString& text) override
    {
        WiFiFakeHost::showMsgBox(kind, title, text);
        if (onBox)
            onBox();
    }

    // Runs while a box would wait for the user.
    std::function<void()> onBox;

private:
    DeviceFixture::SimDeviceRig& m_rig;
};

// The lines the simulator received that hold the text.
int receivedCount(TestEnv::SimProcess& sim, const QByteArray& part)
{
    int count = 0;
    for (const TestEnv::SimProcess::SLogLine& line : sim.log())
        count += line.kind == "in" && line.text.contains(part) ? 1 : 0;
    return count;
}

QString field(const char* text, size_t size)
{
    return QString::fromLatin1(text, int(strnlen(text, size)));
}

} // namespace

// Every Wi-Fi job chain, run by the engine against the simulated transponder's Wi-Fi module
// through the real facade and its thread, ends at rest: state 5, no job, the device back in
// NMEA mode, the waiting panel hidden. Each tick adds a second to the engine's clock once the
// link has settled, so the module's pace never counts as a time-out.
class TestWiFiSimChain : public QObject
{
    Q_OBJECT

    std::unique_ptr<DeviceFixture::SimDeviceRig> m_rig;
    std::unique_ptr<SimWiFiHost> m_host;
    std::unique_ptr<CWiFiJobEngine> m_engine;
    std::unique_ptr<DeviceFixture::SimLinkSettle> m_settle;

    CWiFiConfig& wifi() { return m_rig->device().getWiFiConfig(); }

    // False when the link does not settle.
    bool tick()
    {
        m_engine->tick();
        const bool settled = m_settle->wait(TickWaitMs);
        m_host->now += 1;
        return settled;
    }

    bool tickUntilRest(int limit = 200)
    {
        for (int i = 0; i < limit; ++i) {
            if (!tick())
                return false;
            const SCmdProcData s = wifi().snapshot();
            if (s.mainState == WIFI_MAIN_PENDING && s.cfgType == 0 && s.sysMode == WIFI_SYS_MODE_NMEA
                && !m_host->waiting)
                return true;
        }
        return false;
    }

private slots:
    void initTestCase() { LogCapture::start(); }

    // Connected, detected, the configuration taken over, and the first query run at rest.
    void init()
    {
        m_rig = std::make_unique<DeviceFixture::SimDeviceRig>();
        QVERIFY(m_rig->start({"--model", "2"}));
        QVERIFY(m_rig->connectDevice());
        QVERIFY(m_rig->detectAndRead());
        m_settle = std::make_unique<DeviceFixture::SimLinkSettle>(m_rig->device(), m_rig->sim());
        m_rig->device().getSentenceHandle().setDevDetectState(DEV_STATE_CONFIG_SHOWN);
        m_host = std::make_unique<SimWiFiHost>(wifi(), *m_rig);
        m_engine = std::make_unique<CWiFiJobEngine>(wifi(), *m_host);
        QVERIFY(tickUntilRest());
        QCOMPARE(m_host->pagesFilled, 1);
        QCOMPARE(field(wifi().snapshot().version, sizeof wifi().snapshot().version), QString("SIM-WIFI 1.0.3"));
        QCOMPARE(m_host->boxes, QStringList());
        m_host->sent.clear();
        LogCapture::take();
    }

    void cleanup()
    {
        m_engine.reset();
        m_host.reset();
        m_settle.reset();
        if (m_rig)
            QVERIFY(m_rig->stop());
        m_rig.reset();
    }

    void queryAfterTakeOver()
    {
        const SCmdProcData s = wifi().snapshot();
        QCOMPARE(field(s.apSettings.ssid, sizeof s.apSettings.ssid), QString("AIS-SIM-0002"));
        QVERIFY(m_host->switchOn);
        QCOMPARE(m_host->modeRadio, int(WIFI_OP_MODE_ACCESS_POINT));
    }

    void accessPointSetup()
    {
        std::strcpy(m_host->form.ssid, "Quayside");
        std::strcpy(m_host->form.ip, "192.168.20.1");
        std::strcpy(m_host->form.mask, "255.255.255.0");
        m_host->form.port = 2001;
        m_host->form.channel = 3;
        std::strcpy(m_host->form.security, "WPA2-PSK");
        std::strcpy(m_host->form.password, "harbour-2026");
        m_engine->startJob(WIFI_CFG_AP_SETUP);
        QVERIFY(tickUntilRest());
        QCOMPARE(m_host->sent.filter(QRegularExpression("^(setup|query)")), QStringList({"setup Quayside", "query"}));
        const SAPData ap = wifi().snapshot().apSettings;
        QCOMPARE(field(ap.ssid, sizeof ap.ssid), QString("Quayside"));
        QCOMPARE(field(ap.ip, sizeof ap.ip), QString("192.168.20.1"));
        QCOMPARE(ap.port, 2001);
        QCOMPARE(m_host->boxes, QStringList());
    }

    void switchOffAndOn()
    {
        m_host->switchOn = false;
        m_engine->startJob(WIFI_CFG_MODE_CTRL);
        QVERIFY(tickUntilRest());
        QVERIFY(!wifi().snapshot().wlanEnabled);
        QVERIFY(!m_host->switchOn);

        m_host->switchOn = true;
        m_host->modeRadio = WIFI_OP_MODE_ACCESS_POINT;
        m_engine->startJob(WIFI_CFG_MODE_CTRL);
        QVERIFY(tickUntilRest());
        QVERIFY(wifi().snapshot().wlanEnabled);
        QCOMPARE(m_host->sent.filter(QRegularExpression("^(mode|scan)")), QStringList({"mode 0 0", "mode 1 0"}));
    }

    // Client mode chosen by its radio: the mode control is followed by a scan.
    void clientModeThenScan()
    {
        m_host->modeRadio = WIFI_OP_MODE_CLIENT;
        m_engine->startJob(WIFI_CFG_MODE_CTRL);
        QVERIFY(tickUntilRest());
        const SCmdProcData s = wifi().snapshot();
        QCOMPARE(s.opMode, int(WIFI_OP_MODE_CLIENT));
        QCOMPARE(m_host->sent.filter(QRegularExpression("^(mode|scan)")), QStringList({"mode 1 1", "scan"}));
        QCOMPARE(s.apList.size(), size_t(4));
        QCOMPARE(m_host->apListShown, 1);
        QCOMPARE(m_host->boxes, QStringList());
    }

    // Scanned, then joined by a double click on the open network, then left by the icon.
    void joinOpenNetworkThenLeave()
    {
        m_engine->startJob(WIFI_CFG_CLIENT_SCAN);
        QVERIFY(tickUntilRest());
        QCOMPARE(wifi().snapshot().apList.size(), size_t(4));
        m_host->sent.clear();

        m_engine->clientAPCntData().ssid = "Harbour Cafe";
        m_engine->clientAPCntData().security = "NONE";
        m_engine->startJob(WIFI_CFG_CLIENT_CONNECT);
        QVERIFY(tickUntilRest());
        QCOMPARE(QString::fromStdString(wifi().snapshot().linkedBssid), QString("0C:80:63:1A:2B:02"));
        QCOMPARE(wifi().snapshot().apList.front().connectedIndex, 0);
        QCOMPARE(m_host->sent.filter("link").size(), CWiFiJobEngine::LinkQueriesMax);
        QCOMPARE(m_host->boxes, QStringList());

        m_engine->clientAPCntData().ssid = CWiFiJobEngine::LeaveSSID;
        m_engine->clientAPCntData().security = "NONE";
        m_engine->clientAPCntData().password.clear();
        m_engine->startJob(WIFI_CFG_CLIENT_CONNECT);
        QVERIFY(tickUntilRest());
        QCOMPARE(m_host->boxes, QStringList());
    }

    // The second time-out: the device is told to leave configuration mode before the warning
    // waits for the user, so the device talks NMEA again while the box is open.
    void secondTimeOutLeavesBeforeWarning()
    {
        m_rig->sim().command("wifi-unfinished on");
        QVERIFY(m_rig->sim().waitForLog("note", "command: wifi-unfinished on"));
        int leavesBefore = -1;
        int leavesAtBox = -1;
        m_host->onBox = [&] {
            if (m_settle->wait(TickWaitMs))
                leavesAtBox = receivedCount(m_rig->sim(), "$PDBG,163,0,");
        };
        m_engine->startJob(WIFI_CFG_QUERY);
        // Each run: into configuration mode, the query sent and never answered, the limit
        // passed. The link's wait for the replies is not waited for: the time-out drops it.
        for (int run = 0; run < 2; ++run) {
            QVERIFY(tick());
            m_engine->tick();
            QCOMPARE(wifi().snapshot().mainState, int(WIFI_MAIN_RUN_JOB));
            m_host->now += CWiFiJobEngine::RunLimitSeconds;
            leavesBefore = receivedCount(m_rig->sim(), "$PDBG,163,0,");
            QVERIFY(tick());
        }
        QCOMPARE(m_host->boxes, QStringList{"2 Warning: WiFi setting fail!\nPlease try again."});
        QCOMPARE(leavesAtBox, leavesBefore + 1);
        QVERIFY(m_host->sent.indexOf("leave") >= 0);
        QVERIFY(tickUntilRest());
        QCOMPARE(m_host->boxes.size(), 1);
    }

    void factoryReset()
    {
        std::strcpy(m_host->form.ssid, "Quayside");
        std::strcpy(m_host->form.security, "NONE");
        m_engine->startJob(WIFI_CFG_AP_SETUP);
        QVERIFY(tickUntilRest());
        QCOMPARE(field(wifi().snapshot().apSettings.ssid, sizeof wifi().snapshot().apSettings.ssid), QString("Quayside"));
        m_host->sent.clear();

        m_engine->startJob(WIFI_CFG_FACTORY_RESET);
        QVERIFY(tickUntilRest());
        const SAPData ap = wifi().snapshot().apSettings;
        QCOMPARE(field(ap.ssid, sizeof ap.ssid), QString("AIS-SIM-0002"));
        // The job leaves the mode itself; the query after it enters it again.
        QCOMPARE(m_host->sent.filter(QRegularExpression("^(factory|leave|switch|query)")),
                 QStringList({"switch 1", "factory", "leave", "switch 1", "query", "leave"}));
    }
};

QTEST_MAIN(TestWiFiSimChain)
#include "tst_wifisimchain.moc"
