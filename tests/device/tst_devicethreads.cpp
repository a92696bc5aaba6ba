#include "DeviceFixture.h"
#include "FacadeRig.h"
#include "LogCapture.h"
#include "SimProcess.h"
#include "TestEnv.h"
#include "comm/CServiceComm.h"

#include <QDeadlineTimer>
#include <QtTest>
#include <memory>
#include <mutex>
#include <utility>

using namespace DeviceFixture;
using namespace WiFiScope;

namespace {

constexpr int TickMs = 50;
constexpr int WaitMs = 10000;

const QByteArray Probe = closed("$AIAIQ,VER");
const QByteArray LeaveWiFiMode = "$PDBG,163,0,,,,,,*15";

// The simulator's account of the Wi-Fi dialogue: the AT lines it received and its final
// answers, in the order they happened.
QStringList dialogue(TestEnv::SimProcess& sim)
{
    QStringList steps;
    for (const TestEnv::SimProcess::SLogLine& line : sim.log()) {
        if (line.kind == "in" && line.text.startsWith("AT+"))
            steps << "in " + QString::fromLatin1(line.text);
        else if (line.kind == "out" && (line.text.startsWith("+ok") || line.text.startsWith("+err")))
            steps << "answer";
    }
    return steps;
}

} // namespace

// The facade with its real communication thread on the simulated transponder's
// pseudo-terminal, the GUI thread sending and reading while that thread receives, adopts and
// deletes. Meant for the ThreadSanitizer build too.
class TestDeviceThreads : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnv::ScopedWorkDir> m_dir;
    std::unique_ptr<TestEnv::SimProcess> m_sim;
    std::unique_ptr<Facade> m_facade;
    // The space's signals come from the communication thread and are counted in the GUI thread.
    int m_ready = 0;
    int m_saved = 0;
    int m_deleted = 0;
    // What the two log signals brought, taken where they are emitted.
    std::mutex m_rxMutex;
    QString m_rxText;

    CDeviceComm& device() { return m_facade->getDeviceComm(); }
    COMM_VELK_DEV_STATE state() { return device().getSentenceHandle().getDevDetectState(); }

    void startSim(const QStringList& arguments)
    {
        m_sim = std::make_unique<TestEnv::SimProcess>();
        QVERIFY(m_sim->start(arguments));
    }

    void startFacade()
    {
        m_facade = std::make_unique<Facade>(TickMs);
        takeRxText();
        m_ready = m_saved = m_deleted = 0;
        const auto collect = [this](void*, const QString& text) {
            std::lock_guard<std::mutex> lock(m_rxMutex);
            m_rxText += text;
        };
        connect(&device().getSentenceHandle(), &CSensorSentenceHandle::signalRxLogMsg, this, collect,
                Qt::DirectConnection);
        connect(&device(), &CDeviceComm::signalRxLogMsg, this, collect, Qt::DirectConnection);
        connect(m_facade.get(), &CCommSpaces::signalCommConntReady, this, [this] { ++m_ready; });
        connect(m_facade.get(), &CCommSpaces::signalCommDataSaved, this, [this] { ++m_saved; });
        connect(m_facade.get(), &CCommSpaces::signalCommDataDeleted, this, [this] { ++m_deleted; });
        QVERIFY(m_facade->initCommSpaceTh());
        QTRY_COMPARE_WITH_TIMEOUT(m_ready, 1, WaitMs);
    }

    // Connects as the main window does and waits for the adoption.
    void connectDevice()
    {
        const int savedBefore = m_saved;
        COMM::SCommConntProfile profile = deviceProfile(m_sim->devicePath());
        m_facade->connectDeviceComm(profile);
        QTRY_VERIFY_WITH_TIMEOUT(m_saved > savedBefore, WaitMs);
        QCOMPARE(state(), DEV_STATE_LINK_SAVED);
        QVERIFY(device().getLink());
    }

    // Disconnects and resets the device records as the main window does.
    void disconnectDevice()
    {
        const int deletedBefore = m_deleted;
        m_facade->disconnectDeviceComm();
        QTRY_VERIFY_WITH_TIMEOUT(m_deleted > deletedBefore, WaitMs);
        QVERIFY(!device().getLink());
        device().initDevConfigInfo();
        device().getWiFiConfig().reset();
    }

    QString takeRxText()
    {
        std::lock_guard<std::mutex> lock(m_rxMutex);
        return std::exchange(m_rxText, QString());
    }

    void probe()
    {
        QVERIFY(m_facade->sendCommand(Probe.constData(), Probe.size()));
    }

private slots:
    void initTestCase() { LogCapture::start(); }
    void init()
    {
        resetModeCheck();
        m_dir = std::make_unique<TestEnv::ScopedWorkDir>();
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

    // Each connection is adopted afresh, and each received line is handled once.
    void connectDisconnectConnect()
    {
        startSim({"--model", "2"});
        startFacade();
        for (int round = 1; round <= 2; ++round) {
            connectDevice();
            takeRxText();
            probe();
            QTRY_COMPARE_WITH_TIMEOUT(state(), DEV_STATE_MODEL_KNOWN, WaitMs);
            QCOMPARE(device().getSentenceHandle().getMachineType(), MACHINE_Q_375);
            // A read's log text is emitted before its lines are handled.
            QCOMPARE(takeRxText().count("$AIVER"), 1);
            disconnectDevice();
            QVERIFY(!m_facade->sendCommand(Probe.constData(), Probe.size()));
            QCOMPARE(LogCapture::take().filter("Communication is failed").size(), 1);
        }
        int probes = 0;
        for (const TestEnv::SimProcess::SLogLine& line : m_sim->log())
            probes += line.kind == "in" && line.text.startsWith("$AIAIQ,VER");
        QCOMPARE(probes, 2);
    }

    // Into Wi-Fi configuration mode on the device's answer, the twelve queries one at a time,
    // each after the answer to the one before, each answer line to the module's parser, and out
    // again.
    void wiFiDialogue()
    {
        startSim({"--model", "2"});
        startFacade();
        connectDevice();
        device().sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
        QTRY_COMPARE_WITH_TIMEOUT(device().getWiFiConfig().getSystemMode(), WIFI_SYS_MODE_CONFIG, WaitMs);
        QCOMPARE(device().getLink()->getRawDataType(), COMM::RAWDATA_MSG_3);
        LogCapture::take();

        device().sendWiFiBasicInfoQueryCmd();
        QVERIFY(m_sim->waitForLog("in", "AT+DHCPCEN", WaitMs));
        device().sendCommand(LeaveWiFiMode.toStdString(), nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(device().getWiFiConfig().getSystemMode(), WIFI_SYS_MODE_NMEA, WaitMs);
        QCOMPARE(device().getLink()->getRawDataType(), COMM::RAWDATA_SENTENCE);

        QStringList expected;
        for (const char* query : {"AT+WLANEN", "AT+OPMODE", "AT+APSSID", "AT+SECMODE", "AT+PSK", "AT+SYSIPSET",
                                  "AT+TCPPORT", "AT+APCHAN", "AT+VER", "AT+SYSIP", "AT+DHCPDEN", "AT+DHCPCEN"})
            expected << QString("in %1\\n").arg(query) << "answer";
        // The answer to the switch comes first, the answers to the exit last.
        QCOMPARE(dialogue(*m_sim).mid(1, expected.size()), expected);
        QCOMPARE(LogCapture::take().filter("[Original WiFi Sentence]").size(), 24);
    }

    // The GUI thread sends, switches modes and reads every record while the communication thread
    // receives a flood of traffic and the module's answers.
    void sendsDuringReceiving()
    {
        startSim({"--model", "2", "--rate-factor", "50"});
        startFacade();
        connectDevice();
        CWiFiConfig& wifi = device().getWiFiConfig();
        for (int round = 0; round < 150; ++round) {
            probe();
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
        QVERIFY(m_sim->waitForLog("in", "AT+STALINK", WaitMs));
    }

    // Sends go on while the connection is deleted under them: each is queued or refused, none
    // reaches a deleted transport.
    void sendsDuringDisconnect()
    {
        startSim({"--model", "2", "--rate-factor", "50"});
        startFacade();
        connectDevice();
        m_facade->disconnectDeviceComm();
        QDeadlineTimer deadline(WaitMs);
        while (m_deleted == 0 && !deadline.hasExpired()) {
            m_facade->sendCommand(Probe.constData(), Probe.size());
            device().sendWiFiClientAPCntStatusCmd();
            device().switchSysMode(WIFI_SYS_MODE_NMEA);
            QTest::qWait(1);
        }
        QCOMPARE(m_deleted, 1);
        QVERIFY(!device().getLink());
        LogCapture::take();
        QVERIFY(!m_facade->sendCommand(Probe.constData(), Probe.size()));
        QCOMPARE(LogCapture::take().filter("Communication is failed").size(), 1);
    }
};

QTEST_MAIN(TestDeviceThreads)
#include "tst_devicethreads.moc"
