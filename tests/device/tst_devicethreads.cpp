#include "DeviceFixture.h"
#include "LogCapture.h"
#include "SimDeviceRig.h"
#include "comm/CServiceComm.h"

#include <QDeadlineTimer>
#include <QtTest>
#include <memory>

using namespace DeviceFixture;
using namespace WiFiScope;

namespace {

constexpr int WaitMs = SimDeviceRig::WaitMs;

const QByteArray LeaveWiFiMode = "$PDBG,163,0,,,,,,*15";

} // namespace

// The facade with its real communication thread on the simulated transponder's
// pseudo-terminal, the GUI thread sending and reading while that thread receives, adopts and
// deletes. Meant for the ThreadSanitizer build too.
class TestDeviceThreads : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDeviceRig> m_rig;

    CDeviceComm& device() { return m_rig->device(); }

private slots:
    void initTestCase() { LogCapture::start(); }
    void init()
    {
        resetModeCheck();
        m_rig = std::make_unique<SimDeviceRig>();
        LogCapture::take();
    }
    void cleanup()
    {
        QVERIFY(m_rig->stop());
        m_rig.reset();
    }

    // Each connection is adopted afresh, and each received line is handled once.
    void connectDisconnectConnect()
    {
        QVERIFY(m_rig->start({"--model", "2"}));
        for (int round = 1; round <= 2; ++round) {
            QVERIFY(m_rig->connectDevice());
            m_rig->takeRxText();
            QVERIFY(m_rig->probe());
            QTRY_COMPARE_WITH_TIMEOUT(m_rig->state(), DEV_STATE_MODEL_KNOWN, WaitMs);
            QCOMPARE(device().getSentenceHandle().getMachineType(), MACHINE_Q_375);
            // A read's log text is emitted before its lines are handled.
            QCOMPARE(m_rig->takeRxText().count("$AIVER"), 1);
            QVERIFY(m_rig->disconnectDevice());
            QVERIFY(!m_rig->probe());
            QCOMPARE(LogCapture::take().filter("Communication is failed").size(), 1);
        }
        // The simulator's log comes on its own pipe and may lag behind the link.
        const auto probes = [this] {
            int count = 0;
            for (const TestEnv::SimProcess::SLogLine& line : m_rig->sim().log())
                count += line.kind == "in" && line.text.startsWith("$AIAIQ,VER");
            return count;
        };
        QTRY_COMPARE_WITH_TIMEOUT(probes(), 2, WaitMs);
    }

    // The GUI thread sends, switches modes and reads every record while the communication thread
    // receives a flood of traffic and the module's answers.
    void sendsDuringReceiving()
    {
        QVERIFY(m_rig->start({"--model", "2", "--rate-factor", "50"}));
        QVERIFY(m_rig->connectDevice());
        CWiFiConfig& wifi = device().getWiFiConfig();
        for (int round = 0; round < 150; ++round) {
            m_rig->probe();
            if (round % 30 == 0) {
                device().sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
                device().sendWiFiClientAPCntStatusCmd();
                device().sendCommand(LeaveWiFiMode.toStdString(), nullptr);
            }
            if (round % 30 == 15)
                device().switchSysMode(WIFI_SYS_MODE_NMEA);
            wifi.update([round](SCmdProcData& s) { s.subState = round; });
            QCOMPARE(wifi.snapshot().subState, round);
            const CSensorConfig config = device().getSentenceHandle().getCurrentConfig();
            QVERIFY(config.shipName[sizeof config.shipName - 1] == '\0');
            device().getSentenceHandle().getDiagnostics();
            device().getGpsInfo().snapshot();
            device().updateSensorInfoPerSec();
            QVERIFY(device().getSensorInfo()->targetCount() <= VudaviRirev::Target::CSensorInfo::TargetCap);
            if (round % 50 == 49)
                device().initDevDiagnoseInfo();
            QTest::qWait(5);
        }
        QTRY_COMPARE_WITH_TIMEOUT(device().getSentenceHandle().getMachineType(), MACHINE_Q_375, WaitMs);
        QVERIFY(m_rig->sim().waitForLog("in", "AT+STALINK", WaitMs));
    }

    // Sends go on while the connection is deleted under them: each is queued or refused, none
    // reaches a deleted transport.
    void sendsDuringDisconnect()
    {
        QVERIFY(m_rig->start({"--model", "2", "--rate-factor", "50"}));
        QVERIFY(m_rig->connectDevice());
        m_rig->facade().disconnectDeviceComm();
        QDeadlineTimer deadline(WaitMs);
        while (m_rig->deleted == 0 && !deadline.hasExpired()) {
            m_rig->probe();
            device().sendWiFiClientAPCntStatusCmd();
            device().switchSysMode(WIFI_SYS_MODE_NMEA);
            QTest::qWait(1);
        }
        QCOMPARE(m_rig->deleted, 1);
        QVERIFY(!device().getLink());
        LogCapture::take();
        QVERIFY(!m_rig->probe());
        QCOMPARE(LogCapture::take().filter("Communication is failed").size(), 1);
    }
};

QTEST_MAIN(TestDeviceThreads)
#include "tst_devicethreads.moc"
