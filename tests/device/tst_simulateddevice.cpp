#include "DeviceFixture.h"
#include "FactoryRecord.h"
#include "LogCapture.h"
#include "SimDeviceRig.h"
#include "codec/records/CodecSnapshot.h"
#include "comm/CServiceComm.h"
#include "support/PortalTime.h"

#include <QtTest>
#include <array>
#include <memory>
#include <mutex>
#include <set>

using namespace DeviceFixture;
using namespace WiFiScope;
using SimLog = QList<TestEnv::SimProcess::SLogLine>;
using FieldTexts = QMap<QString, QString>;

namespace {

constexpr int WaitMs = SimDeviceRig::WaitMs;
// The simulator stamps a line in whole milliseconds once it has read it, which may be a little
// later for one line than for the next.
constexpr int StampSlackMs = 20;

const QByteArray LeaveWiFiMode = "$PDBG,163,0,,,,,,*15";
const QByteArrayList BasicInfoQueries = {"AT+WLANEN", "AT+OPMODE", "AT+APSSID", "AT+SECMODE",
                                         "AT+PSK",    "AT+SYSIPSET", "AT+TCPPORT", "AT+APCHAN",
                                         "AT+VER",    "AT+SYSIP",  "AT+DHCPDEN", "AT+DHCPCEN"};

// The characters that sentences reserve, each written as "^" and its two hexadecimal digits.
QByteArray escaped(const QByteArray& text)
{
    QByteArray written;
    for (const char c : text) {
        if (QByteArray("!$*,\\^~").contains(c))
            written += '^' + QByteArray::number(uchar(c), 16).toUpper();
        else
            written += c;
    }
    return written;
}

// What the user enters on the Configuration page before "Program Device".
struct SForm
{
    QByteArray shipName;
    QByteArray callSign;
    uint32_t mmsi = 0;
    int shipType = 0;
    std::array<int, 4> dimensions = {};
    int dsc = 0;
    int gpsUpdateRate = 0; // 0 switches the GPS off
    int gpsDynModel = 4;
    bool alrOn = false;
    // Device codes: model 1 NMEA 1 out, 1 in, 2 out, 2 in; model 2 NMEA 1 in, 2 in.
    std::array<int, 4> bauds = {};
    int nmea2000Instance = 0;
    bool longRange = false;
};

// The "Program Device" series for the model, MID included while the device has no MMSI.
QByteArrayList programSeries(int model, const SForm& form, bool deviceHasMmsi)
{
    const auto format = [](const char* pattern, auto... values) { return QString::asprintf(pattern, values...).toLatin1(); };
    QByteArrayList series = {"$ECSSD," + escaped(form.callSign) + ',' + escaped(form.shipName) + ','
                             + format("%d,%d,%d,%d,,", form.dimensions[0], form.dimensions[1], form.dimensions[2],
                                      form.dimensions[3])};
    if (!deviceHasMmsi && form.mmsi != 0)
        series += format("$PQLX,C,MID,%d", int(form.mmsi));
    series += format("$ECVSD,%d,,,,,,,,", form.shipType);
    series += format("$PDBG,101,%d,50,%d,51,%d,703,%d,", form.dsc, form.gpsUpdateRate == 0 ? 1 : 0,
                     form.gpsUpdateRate, form.gpsDynModel);
    const int alrValue = form.alrOn ? 0 : 1;
    if (model == MACHINE_UNIT_K_42) {
        series += format("$PQLX,C,CFG,108,6,%d,", alrValue);
        series += format("$PDBG,42,%d,40,%d,39,%d,38,%d,", form.bauds[0], form.bauds[1], form.bauds[2], form.bauds[3]);
    } else {
        series += format("$PQLX,C,CFG,31,7,%d,", alrValue);
        series += format("$PQLX,C,DBG,40,%d,41,%d,,,,,", form.bauds[0], form.bauds[1]);
        series += format("$PQLX,C,CFG,183,2000,%d,", form.nmea2000Instance);
        series += format("$AIEPV,C,AI,%09d,109,%d", int(form.mmsi), form.longRange ? 75 : 0);
        series += format("$AIEPV,C,AI,%09d,110,%d", int(form.mmsi), form.longRange ? 76 : 0);
    }
    return series;
}

// The simulator's AT lines received, each with its line end as logged ("\n" for LF).
SimLog receivedATLines(const SimLog& log)
{
    SimLog lines;
    for (const TestEnv::SimProcess::SLogLine& line : log) {
        if (line.kind == "in" && line.text.startsWith("AT+"))
            lines += line;
    }
    return lines;
}

QByteArray withoutLineEnd(const QByteArray& logged)
{
    return logged.left(logged.indexOf('\\'));
}

QByteArrayList texts(const SimLog& lines)
{
    QByteArrayList all;
    for (const TestEnv::SimProcess::SLogLine& line : lines)
        all += withoutLineEnd(line.text);
    return all;
}

} // namespace

Q_DECLARE_METATYPE(SForm)

// The device layer on the simulated transponder: the facade with its real communication thread,
// the simulator as a process on its pseudo-terminal; the test sends what the main window would.
class TestSimulatedDevice : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDeviceRig> m_rig;

    CDeviceComm& device() { return m_rig->device(); }
    CSensorConfig record() { return device().getSentenceHandle().getCurrentConfig(); }

    // Adopted, probed and read: detection state 6, then 1, then 2.
    bool connectAndRead(const QStringList& simArguments)
    {
        return m_rig->start(simArguments) && m_rig->connectDevice() && m_rig->detectAndRead();
    }

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
        Portal::Time::ClearFakeClock();
        QVERIFY2(m_rig->stop(), "the simulated transponder did not end cleanly");
        m_rig.reset();
    }

    // Detection runs 6, 1, 2; the record then holds the simulator's factory values; its traffic
    // fills the counters per channel, the GPS fix and the three targets.
    void readsTheDevice_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("modelNumber");
        QTest::newRow("UNIT-K-42") << int(MACHINE_UNIT_K_42) << 108;
        QTest::newRow("Q-375") << int(MACHINE_Q_375) << 600;
    }
    void readsTheDevice()
    {
        QFETCH(int, model);
        QFETCH(int, modelNumber);
        // Silent until the counting starts, and again once it has ended.
        QVERIFY(m_rig->start({"--model", QString::number(model), "--silence"}));
        QVERIFY(m_rig->connectDevice());
        m_rig->sim().command("silence off");
        QVERIFY(m_rig->sim().waitForLog("note", "command: silence off"));

        CAisSentenceHandle& handle = device().getSentenceHandle();
        QVERIFY(m_rig->probe());
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->state(), DEV_STATE_MODEL_KNOWN, WaitMs);
        QCOMPARE(int(handle.getMachineType()), model);
        QCOMPARE(handle.getModelNumber(), modelNumber);
        QVERIFY(m_rig->sendQuerySet());
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->state(), DEV_STATE_SYSTEM_DATA_END, WaitMs);
        const QString differing = differences(record(), factoryRecord(model));
        QVERIFY2(differing.isEmpty(), qPrintable(differing));

        // The own vessel reports on A and B in turn, one a second.
        QTRY_VERIFY_WITH_TIMEOUT(handle.getDiagnostics().txCount[CDiagnostics::CHANNEL_A] > 0
                                     && handle.getDiagnostics().txCount[CDiagnostics::CHANNEL_B] > 0,
                                 WaitMs);
        m_rig->sim().command("silence on");
        QVERIFY(m_rig->sim().waitForLog("note", "command: silence on"));
        // What it sent, by sentence and channel: "!AIVDM A" and so on.
        QMap<QByteArray, uint32_t> sent;
        for (const TestEnv::SimProcess::SLogLine& line : m_rig->sim().log()) {
            const QByteArrayList fields = line.text.split(',');
            if (line.kind == "out" && fields.size() > 4 && fields[0].startsWith("!AIVD"))
                ++sent[fields[0] + ' ' + fields[4]];
        }
        QVERIFY(sent["!AIVDM A"] > 0 && sent["!AIVDM B"] > 0 && sent["!AIVDO A"] > 0);
        const auto counted = [&handle] {
            const CDiagnostics diagnostics = handle.getDiagnostics();
            return QList<uint32_t>{diagnostics.rxCount[CDiagnostics::CHANNEL_A], diagnostics.rxCount[CDiagnostics::CHANNEL_B],
                                   diagnostics.txCount[CDiagnostics::CHANNEL_A], diagnostics.txCount[CDiagnostics::CHANNEL_B]};
        };
        QTRY_COMPARE_WITH_TIMEOUT(counted(), (QList<uint32_t>{sent["!AIVDM A"], sent["!AIVDM B"], sent["!AIVDO A"],
                                                             sent["!AIVDO B"]}),
                                  WaitMs);

        handle.updateDiagnosticsData();
        QVERIFY(handle.getDiagnostics().gpsFix);
        Sim::CFactorySettings factory;
        QString error;
        QVERIFY2(factory.load(TestEnv::SimProcess::factorySettingsPath(), &error), qPrintable(error));
        const QByteArrayList own = factory.value("traffic", "own").split(',');
        const VudaviRirev::SGpsStatus gps = device().getGpsInfo().snapshot();
        QVERIFY(gps.positionValid);
        // The own vessel moves slowly away from where it starts.
        QVERIFY(qAbs(gps.latitude - own[0].toDouble()) < 0.01 && qAbs(gps.longitude - own[1].toDouble()) < 0.01);

        std::set<uint32_t> targets;
        for (const QByteArray& target : factory.values("traffic", "target"))
            targets.insert(target.split(',')[0].toUInt());
        std::set<uint32_t> heard;
        for (const auto& entry : device().getSensorInfo()->copyTargets())
            heard.insert(entry.first);
        QCOMPARE(heard, targets);
    }

    // "Is GPS position fixed?" follows the own position reports: the device's own static reports
    // between them (message 24, every 30 s) neither set nor clear it. The check is taken after
    // every sentence that the handler announces, in the thread that decodes them.
    void gpsFixHoldsThroughOwnStaticReports()
    {
        QVERIFY(m_rig->start({"--rate-factor", "20"}));
        CAisSentenceHandle& handle = device().getSentenceHandle();
        std::mutex mutex;
        QList<bool> checks; // the check after each announced sentence, from the first Good on
        int staticReports = 0;
        int checksAfterLastStatic = 0;
        const auto check = [&] {
            handle.updateDiagnosticsData();
            const bool fixed = handle.getDiagnostics().gpsFix;
            std::lock_guard<std::mutex> lock(mutex);
            if (fixed || !checks.isEmpty())
                checks += fixed;
            ++checksAfterLastStatic;
        };
        QObject context;
        QObject::connect(&handle, &CSensorSentenceHandle::signalFillAisTargetData, &context, check, Qt::DirectConnection);
        QObject::connect(
            &handle, &CSensorSentenceHandle::signalFillAisOwnData, &context,
            [&](int) {
                check();
                GENERIC_SHIP_DATA own;
                if (!CopyShipData(0, &own) || own.lastMessageId != 24)
                    return;
                std::lock_guard<std::mutex> lock(mutex);
                ++staticReports;
                checksAfterLastStatic = 0;
            },
            Qt::DirectConnection);
        QVERIFY(m_rig->connectDevice());
        const auto done = [&] {
            std::lock_guard<std::mutex> lock(mutex);
            return staticReports >= 4 && checksAfterLastStatic >= 2;
        };
        QTRY_VERIFY_WITH_TIMEOUT(done(), WaitMs);
        // The communication thread ends here, before the slots' records go.
        QVERIFY(m_rig->stop());
        QVERIFY(!checks.isEmpty());
        QVERIFY2(!checks.contains(false), qPrintable(QString("Failed %1 times in %2 checks").arg(checks.count(false)).arg(checks.size())));
    }

    // "Program Device" is taken by the device and read back, a comma in the name included; the
    // MMSI is taken once, a second MID is ignored.
    void programDeviceRoundTrip_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<SForm>("form");
        QTest::addColumn<FieldTexts>("changed");

        SForm k42;
        k42.shipName = "SEA,WOLF";
        k42.callSign = "DL4AB";
        k42.mmsi = 244123456;
        k42.shipType = 70;
        k42.dimensions = {11, 5, 3, 2};
        k42.dsc = 0;
        k42.gpsUpdateRate = 5;
        k42.gpsDynModel = 5;
        k42.alrOn = false;
        k42.bauds = {6, 5, 2, 6};
        QTest::newRow("UNIT-K-42") << int(MACHINE_UNIT_K_42) << k42
                                   << FieldTexts{{"shipName", "SEA,WOLF"},
                                                             {"callSign", "DL4AB"},
                                                             {"mmsi", "244123456"},
                                                             {"mmsiValid", "1"},
                                                             {"shipType", "70"},
                                                             {"dimensions", "11 5 3 2"},
                                                             {"dscMonitor", "0"},
                                                             {"gpsOn", "1"},
                                                             {"gpsOnCopy", "1"},
                                                             {"gpsUpdateRate", "5"},
                                                             {"gpsDynModel", "5"},
                                                             {"alrOutput", "0"},
                                                             {"bauds", "4800 9600 38400 4800"}};
        SForm q375;
        q375.shipName = "NORTH,STAR";
        q375.callSign = "PD7X";
        q375.mmsi = 244123456;
        q375.shipType = 52;
        q375.dimensions = {20, 8, 4, 4};
        q375.dsc = 1;
        q375.gpsUpdateRate = 0;
        q375.gpsDynModel = 4;
        q375.alrOn = false;
        q375.bauds = {5, 6, 0, 0};
        q375.nmea2000Instance = 200;
        q375.longRange = false;
        QTest::newRow("Q-375") << int(MACHINE_Q_375) << q375
                               << FieldTexts{{"shipName", "NORTH,STAR"},
                                                         {"callSign", "PD7X"},
                                                         {"mmsi", "244123456"},
                                                         {"mmsiValid", "1"},
                                                         {"shipType", "52"},
                                                         {"dimensions", "20 8 4 4"},
                                                         {"dscMonitor", "1"},
                                                         {"gpsOn", "0"},
                                                         {"gpsOnCopy", "0"},
                                                         {"gpsUpdateRate", "0"},
                                                         {"gpsDynModel", "4"},
                                                         {"alrOutput", "0"},
                                                         {"bauds", "9600 9600 4800 4800"},
                                                         {"nmea2000Instance", "200"},
                                                         {"lrChannels", "0 0"}};
    }
    void programDeviceRoundTrip()
    {
        QFETCH(int, model);
        QFETCH(SForm, form);
        QFETCH(FieldTexts, changed);
        QVERIFY(connectAndRead({"--model", QString::number(model), "--mmsi", "0"}));
        QCOMPARE(field(record(), "mmsi"), QString("0"));

        for (const QByteArray& sentence : programSeries(model, form, false))
            QVERIFY(m_rig->send(sentence));
        QVERIFY(m_rig->send("$PQLX,C,MID,211000000"));
        QVERIFY(m_rig->sendQuerySet());

        FieldTexts expected = factoryRecord(model);
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            expected[it.key()] = it.value();
        QTRY_VERIFY2_WITH_TIMEOUT(differences(record(), expected).isEmpty(),
                                  qPrintable(differences(record(), expected)), WaitMs);
        QVERIFY(m_rig->sim().waitForLog("note", "MID ignored: the MMSI is 244123456 already"));
    }

    // Lines that come cut at random bytes, between CR and LF too, give the same record.
    void splitLinesGiveTheSameRecord_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("UNIT-K-42") << int(MACHINE_UNIT_K_42);
        QTest::newRow("Q-375") << int(MACHINE_Q_375);
    }
    void splitLinesGiveTheSameRecord()
    {
        QFETCH(int, model);
        const QStringList arguments = {"--model", QString::number(model)};
        QVERIFY(connectAndRead(arguments));
        const CSensorConfig whole = record();
        QVERIFY(m_rig->stop());
        resetModeCheck();

        m_rig = std::make_unique<SimDeviceRig>();
        QVERIFY(connectAndRead(arguments + QStringList{"--split", "--seed", "7"}));
        const CSensorConfig split = record();
        QVERIFY2(split == whole, qPrintable(differences(split, fields(whole))));
    }

    // The device gone: the connection is deleted, and the next sentence is refused.
    void unplugDeletesTheConnection()
    {
        QVERIFY(m_rig->start({"--model", "2"}));
        QVERIFY(m_rig->connectDevice());
        QVERIFY(m_rig->probe());
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->state(), DEV_STATE_MODEL_KNOWN, WaitMs);
        m_rig->sim().command("unplug");
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->deleted, 1, WaitMs);
        QVERIFY(!device().getLink());
        LogCapture::take();
        QVERIFY(!m_rig->probe());
        QCOMPARE(LogCapture::take().filter("sendCommand [E]Communication is failed").size(), 1);
    }

    // A model the program does not know keeps it probing in state 6, logged once; once the
    // device is a Q-375, the next probe finds it.
    void unknownModelKeepsProbing()
    {
        QVERIFY(m_rig->start({"--model", "0"}));
        QVERIFY(m_rig->connectDevice());
        CAisSentenceHandle& handle = device().getSentenceHandle();
        const auto versionsSent = [this] {
            int count = 0;
            for (const TestEnv::SimProcess::SLogLine& line : m_rig->sim().log())
                count += line.kind == "out" && line.text.startsWith("$AIVER");
            return count;
        };
        QVERIFY(m_rig->probe());
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray(handle.getVersionInfo().modelText), QByteArray("SIM-X9"), WaitMs);
        QStringList logged;
        QTRY_VERIFY_WITH_TIMEOUT(!(logged += LogCapture::take()).filter("unknown device model").isEmpty(), WaitMs);
        QCOMPARE(m_rig->state(), DEV_STATE_LINK_SAVED);
        QCOMPARE(handle.getMachineType(), MACHINE_UNKNOWN);
        QVERIFY(m_rig->probe());
        QTRY_COMPARE_WITH_TIMEOUT(versionsSent(), 2, WaitMs);

        m_rig->sim().command("model 2");
        QVERIFY(m_rig->sim().waitForLog("note", "now model 2"));
        QVERIFY(m_rig->probe());
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->state(), DEV_STATE_MODEL_KNOWN, WaitMs);
        QCOMPARE(handle.getMachineType(), MACHINE_Q_375);
        // The second answer was handled before the third.
        QCOMPARE((logged + LogCapture::take()).filter("unknown device model \"SIM-X9\"").size(), 1);
    }

    // A device left in Wi-Fi pass-through answers the probe only once the leave, sent first,
    // has brought it out; the program stays in NMEA mode.
    void passThroughLeftBeforeTheProbe()
    {
        QVERIFY(m_rig->start({"--model", "2", "--passthrough"}));
        QVERIFY(m_rig->connectDevice());
        QVERIFY(device().sendCommand(LeaveWiFiMode.toStdString(), nullptr));
        QVERIFY(m_rig->probe());
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->state(), DEV_STATE_MODEL_KNOWN, WaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(device().getWiFiConfig().snapshot().sysMode, WIFI_SYS_MODE_NMEA, WaitMs);
        QCOMPARE(device().getLink()->getRawDataType(), COMM::RAWDATA_SENTENCE);
        // The simulator's log reaches the test on its own pipe, possibly after the program has
        // already read the answer it records.
        const auto firstAnswers = [this] {
            QByteArrayList answers;
            for (const TestEnv::SimProcess::SLogLine& line : m_rig->sim().log()) {
                if (line.kind == "out" && !line.text.startsWith("$GP") && !line.text.startsWith("!AIVD"))
                    answers += withoutLineEnd(line.text);
            }
            return answers.mid(0, 3);
        };
        QTRY_COMPARE_WITH_TIMEOUT(firstAnswers(), (QByteArrayList{">AT+EXIT", "+ok", "$AIVER,1,1,AI,SIM,0000002,223456789,2,Q-375,2.00,0*45"}), WaitMs);
    }

    // Into Wi-Fi configuration mode on the device's answer; the twelve queries one at a time,
    // LF only, each after the answer to the one before and at least 200 ms after it; each answer
    // line to the module's parser; out again on the leave.
    void wiFiQueries()
    {
        QVERIFY(m_rig->start({"--model", "2"}));
        QVERIFY(m_rig->connectDevice());
        device().sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
        QTRY_COMPARE_WITH_TIMEOUT(device().getWiFiConfig().snapshot().sysMode, WIFI_SYS_MODE_CONFIG, WaitMs);
        QCOMPARE(device().getLink()->getRawDataType(), COMM::RAWDATA_MSG_3);
        LogCapture::take();

        device().sendWiFiBasicInfoQueryCmd();
        QTRY_COMPARE_WITH_TIMEOUT(receivedATLines(m_rig->sim().log()).size(), BasicInfoQueries.size(), WaitMs);
        QVERIFY(device().sendCommand(LeaveWiFiMode.toStdString(), nullptr));
        QTRY_COMPARE_WITH_TIMEOUT(device().getWiFiConfig().snapshot().sysMode, WIFI_SYS_MODE_NMEA, WaitMs);
        QCOMPARE(device().getLink()->getRawDataType(), COMM::RAWDATA_SENTENCE);

        const SimLog log = m_rig->sim().log();
        const SimLog queries = receivedATLines(log);
        QCOMPARE(texts(queries), BasicInfoQueries);
        qint64 lastAnswer = -1;
        const TestEnv::SimProcess::SLogLine* previous = nullptr;
        int next = 0;
        for (const TestEnv::SimProcess::SLogLine& line : log) {
            if (line.kind == "out" && line.text.startsWith("+ok"))
                lastAnswer = line.ms;
            if (next == queries.size() || line.text != queries[next].text || line.kind != "in")
                continue;
            QCOMPARE(line.text, withoutLineEnd(line.text) + "\\n");
            QVERIFY2(lastAnswer >= 0, line.text.constData());
            if (previous)
                QVERIFY2(line.ms - previous->ms >= CDeviceComm::CommandSpacingMs - StampSlackMs,
                         qPrintable(QString("%1 %2 ms after the one before").arg(QString(line.text)).arg(line.ms - previous->ms)));
            previous = &queries[next++];
            lastAnswer = -1;
        }
        QCOMPARE(next, queries.size());
        QCOMPARE(LogCapture::take().filter("[Original WiFi Sentence]").size(), 2 * BasicInfoQueries.size());
    }

    // A device without a Wi-Fi module answers neither the switch nor the queries: each query
    // holds the queue until its time-out has passed on the clock, then the next goes.
    void unansweredQueriesWaitTheirTimeOut()
    {
        QVERIFY(m_rig->start({"--model", "1"}));
        QVERIFY(m_rig->connectDevice());
        uint64_t now = Portal::Time::Clock();
        Portal::Time::SetFakeClock(now);
        device().sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
        device().sendWiFiBasicInfoQueryCmd();
        QVERIFY(m_rig->sim().waitForLog("note", "Wi-Fi switch ignored", WaitMs));
        now += CDeviceComm::CommandSpacingMs;
        for (int sent = 1; sent <= BasicInfoQueries.size(); ++sent) {
            Portal::Time::SetFakeClock(now);
            QTRY_COMPARE_WITH_TIMEOUT(receivedATLines(m_rig->sim().log()).size(), sent, WaitMs);
            now += CDeviceComm::ReplyTimeoutMs;
            if (sent == 1) {
                // At its time-out, not yet.
                Portal::Time::SetFakeClock(now);
                QTest::qWait(300);
                QCOMPARE(receivedATLines(m_rig->sim().log()).size(), 1);
            }
            ++now;
        }
        QCOMPARE(texts(receivedATLines(m_rig->sim().log())), BasicInfoQueries);
        QVERIFY(device().getWiFiConfig().getSystemMode() != WIFI_SYS_MODE_CONFIG);
    }
};

QTEST_MAIN(TestSimulatedDevice)
#include "tst_simulateddevice.moc"
