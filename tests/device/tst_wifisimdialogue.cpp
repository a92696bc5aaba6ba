#include "DeviceFixture.h"
#include "FacadeRig.h"
#include "LogCapture.h"
#include "SimProcess.h"
#include "TestEnv.h"
#include "WiFiFixture.h"

#include <QtTest>
#include <memory>

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

private slots:
    void initTestCase() { LogCapture::start(); }

    // Connected and switched into Wi-Fi configuration mode as the Wi-Fi job does it.
    void init()
    {
        resetModeCheck();
        m_dir = std::make_unique<TestEnv::ScopedWorkDir>();
        m_sim = std::make_unique<TestEnv::SimProcess>();
        QVERIFY(m_sim->start({"--model", "2"}));
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

    void cleanup()
    {
        m_facade.reset();
        if (m_sim)
            QVERIFY(m_sim->stop());
        m_sim.reset();
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
        device().sendWiFiClientScanCmd();
        QTRY_VERIFY_WITH_TIMEOUT(wifi().snapshot().scanDone, WaitMs);
        QCOMPARE(WiFiFixture::groups(wifi().snapshot()),
                 (QStringList{"Terrace Marina: 0C:80:63:1A:2B:01 -48 WPA2-PSK, 0C:80:63:1A:2B:04 -61 WPA2-PSK",
                              "Harbour Cafe: 0C:80:63:1A:2B:02 -67 NONE", ": 0C:80:63:1A:2B:03 -72 WPA2-PSK",
                              "Quay 4 Office: 0C:80:63:1A:2B:05 -80 WPA-PSK"}));

        SClintAPCntData cafe;
        cafe.ssid = "Harbour Cafe";
        cafe.security = "NONE";
        device().sendWiFiClientAPCntCmd(&cafe);
        QTRY_VERIFY_WITH_TIMEOUT(wifi().snapshot().settingAcked[SATCommandSet::AT_WAPPLY], WaitMs);
        device().sendWiFiClientAPCntStatusCmd();
        QTRY_COMPARE_WITH_TIMEOUT(wifi().snapshot().linkStatus, 1, WaitMs);
        const SCmdProcData s = wifi().snapshot();
        QCOMPARE(WiFiFixture::groups(s).first(), QString("Harbour Cafe: 0C:80:63:1A:2B:02 -67 NONE [linked 0]"));
        QCOMPARE(WiFiFixture::groups(s).size(), 4);
        QCOMPARE(QString::fromStdString(s.linkedBssid), QString("0C:80:63:1A:2B:02"));
        QVERIFY(LogCapture::take().filter("dropped").isEmpty());
    }
};

QTEST_MAIN(TestWiFiSimDialogue)
#include "tst_wifisimdialogue.moc"
