#include "DeviceFixture.h"
#include "FactoryRecord.h"
#include "HandlerRoad.h"
#include "LogCapture.h"
#include "codec/ais/AisMessage.h"

#include <QSignalSpy>
#include <cstring>
#include <iterator>
#include <QtTest>
#include <memory>
#include <utility>

using namespace DeviceFixture;

namespace {

constexpr int UNIT_K_42 = MACHINE_UNIT_K_42;
constexpr int Q_375 = MACHINE_Q_375;

// Published examples with independent decodes: a type 1 report of MMSI 477553000 on channel B,
// and a type 18 report of MMSI 338087471 at 40.684540 N 74.072132 W, here as the device's own.
const QByteArray TYPE1_ON_B = "!AIVDM,1,1,,B,177KQJ5000G?tO`K>RA1wUbN0TKH,0*5C\r\n";
const QByteArray TYPE18_OWN_ON_A = "!AIVDO,1,1,,A,B52K>;h00Fc>jpUlNV@ikwpUoP06,0*4E\r\n";

// libais's type examples with independent decodes, here as the device's own: a type 18 at
// 43.072159 N 70.711067 W, the type 24 part A and a type 5 of a vessel.
const QByteArray OWN_POSITION = closed("!AIVDO,1,1,,A,B5MiOp0006g4up6:EV403wr5oP06,0");
const QByteArray OWN_STATIC_PART_A = closed("!AIVDO,1,1,,A,H5MiOp1:uJ0MDhJ0<P4hhDpLE80,2");
const QByteArray OWN_STATIC_VOYAGE =
    closed("!AIVDO,1,1,,B,53eaFL02?;fwTPm7V219E@R1@PE8E<622222221@9hG1A7?@NCPSlm3kc5DhH8888888880,2");

// The own type 18 with latitude 91 and longitude 181: no position.
QByteArray ownPositionReportWithoutPosition()
{
    UN_AIS_MESSAGE m;
    std::memset(&m, 0, sizeof m);
    m.header.messageId = 18;
    m.header.mmsi = 366764000;
    m.msg18.latitude = 91.0f;
    m.msg18.longitude = 181.0f;
    m.msg18.sog = 102.3f;
    m.msg18.cog = 360.0f;
    m.msg18.heading = 511;
    AIS_raw_message raw;
    Encapsulation_Sentence_Structure slot{};
    if (!AisMessagePack(&m, &raw) || !I62_EncapSentenceEncode(&slot, &raw))
        return {};
    return closed("!AIVDO,1,1,,A," + QByteArray(slot.payload) + "," + QByteArray::number(slot.fillBits));
}

QByteArray versionOf(int model)
{
    return transcriptLines(model).first() + "\r\n";
}

const QByteArray UNKNOWN_VERSION = closed("$AIVER,1,1,AI,SIM,0000003,323456789,3,X-9,1.00,0");

QStringList loggedWith(const QString& part)
{
    QStringList found;
    for (const QString& line : LogCapture::take())
        if (line.contains(part))
            found << line;
    return found;
}

} // namespace

class TestAisSentenceHandle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ReceiveRig::EnsureApplication();
        LogCapture::start();
    }

    void init()
    {
        resetModeCheck();
        LogCapture::take();
    }

    // A query round of the simulated transponder takes detection from 6 to 1 to 2.
    void transcriptStates_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("modelNumber");
        QTest::newRow("UNIT-K-42") << UNIT_K_42 << 108;
        QTest::newRow("Q-375") << Q_375 << 600;
    }

    void transcriptStates()
    {
        QFETCH(int, model);
        QFETCH(int, modelNumber);
        const QByteArray bytes = transcriptBytes(model);
        const int versionEnd = bytes.indexOf("\r\n") + 2;
        Road road;
        road.handle.setDevDetectState(DEV_STATE_LINK_SAVED);
        road.receive(bytes.left(versionEnd));
        QCOMPARE(road.handle.getDevDetectState(), DEV_STATE_MODEL_KNOWN);
        QCOMPARE(int(road.handle.getMachineType()), model);
        QCOMPARE(road.handle.getModelNumber(), modelNumber);
        road.receive(bytes.mid(versionEnd));
        QCOMPARE(road.handle.getDevDetectState(), DEV_STATE_SYSTEM_DATA_END);
        QCOMPARE(road.handle.getCurrentConfig().statusFlags[CSensorConfig::STATUS_POWER_OK], 1);
    }

    // The record holds the simulated transponder's factory values.
    void transcriptFields_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        for (const auto& [model, name] : {std::pair{UNIT_K_42, "UNIT-K-42"}, std::pair{Q_375, "Q-375"}}) {
            const QMap<QString, QString> expected = factoryRecord(model);
            for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                QTest::addRow("%s %s", name, qPrintable(it.key())) << model << it.key() << it.value();
        }
    }

    void transcriptFields()
    {
        QFETCH(int, model);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        Road road;
        road.handle.setDevDetectState(DEV_STATE_LINK_SAVED);
        road.receive(transcriptBytes(model));
        QCOMPARE(DeviceFixture::field(road.handle.getCurrentConfig(), field), expected);
    }

    // A serial read may end anywhere, also between CR and LF: the record comes out the same.
    void transcriptCutAnywhere_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("UNIT-K-42") << UNIT_K_42;
        QTest::newRow("Q-375") << Q_375;
    }

    void transcriptCutAnywhere()
    {
        QFETCH(int, model);
        const QByteArray bytes = transcriptBytes(model);
        CSensorConfig whole;
        {
            Road road;
            road.receive(bytes);
            whole = road.handle.getCurrentConfig();
        }
        for (int cut = 1; cut < bytes.size(); ++cut) {
            Road road;
            road.handle.setDevDetectState(DEV_STATE_LINK_SAVED);
            road.receive(bytes.left(cut));
            road.receive(bytes.mid(cut));
            const CSensorConfig record = road.handle.getCurrentConfig();
            if (record != whole) {
                const auto got = fields(record);
                const auto want = fields(whole);
                const QString where = QString("cut at %1 after \"%2\": ")
                                          .arg(cut)
                                          .arg(QString::fromLatin1(bytes.mid(qMax(0, cut - 8), qMin(cut, 8)).toPercentEncoding()));
                for (auto it = want.cbegin(); it != want.cend(); ++it)
                    QVERIFY2(got.value(it.key()) == it.value(),
                             qPrintable(where + it.key() + " is \"" + got.value(it.key()) + "\", not \"" + it.value() + "\""));
                QFAIL(qPrintable(where + "a text differs past its end"));
            }
            QVERIFY2(road.handle.getDevDetectState() == DEV_STATE_SYSTEM_DATA_END, qPrintable(QString::number(cut)));
        }
    }

    // Steps are received lines, or "state N" to set the detection state as the facade and the
    // main window do.
    void states_data()
    {
        QTest::addColumn<QByteArrayList>("steps");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("modelNumber");
        QTest::addColumn<QStringList>("warned");

        const QByteArray m1 = versionOf(UNIT_K_42);
        const QByteArray m2 = versionOf(Q_375);
        const QByteArray unknown = UNKNOWN_VERSION;
        const QByteArray end = "[SYSTEM DATA END]\r\n";
        const QString stays0 = "unknown device model \"X-9\": the model stays 0";
        const QString stays1 = "unknown device model \"X-9\": the model stays 1";
        const int K42 = MACHINE_UNIT_K_42;
        const int Q375 = MACHINE_Q_375;
        QTest::newRow("version in 0 sets the model only") << QByteArrayList{m1} << 0 << K42 << 108 << QStringList();
        QTest::newRow("version in 6") << QByteArrayList{"state 6", m1} << 1 << K42 << 108 << QStringList();
        QTest::newRow("unknown in 6 stays 6") << QByteArrayList{"state 6", unknown} << 6 << 0 << 0
                                              << QStringList{stays0};
        QTest::newRow("unknown logged once") << QByteArrayList{"state 6", unknown, unknown} << 6 << 0 << 0
                                             << QStringList{stays0};
        QTest::newRow("unknown after known") << QByteArrayList{m1, "state 6", unknown} << 1 << K42 << 108
                                             << QStringList{stays1};
        QTest::newRow("Q-375 after UNIT-K-42") << QByteArrayList{"state 6", m1, m2} << 1 << Q375 << 600
                                               << QStringList();
        QTest::newRow("version with a wrong checksum")
            << QByteArrayList{"state 6", wrongSum(m1.left(m1.indexOf('*')))} << 6 << 0 << 0 << QStringList();
        QTest::newRow("end in 6") << QByteArrayList{"state 6", end} << 6 << 0 << 0 << QStringList();
        QTest::newRow("end in 0") << QByteArrayList{end} << 0 << 0 << 0 << QStringList();
        QTest::newRow("end in 1") << QByteArrayList{"state 6", m2, end} << 2 << Q375 << 600 << QStringList();
        QTest::newRow("end in 5") << QByteArrayList{"state 5", m2, end} << 5 << Q375 << 600 << QStringList();
        QTest::newRow("version in 2") << QByteArrayList{"state 6", m1, end, m2} << 2 << Q375 << 600 << QStringList();
    }

    void states()
    {
        QFETCH(QByteArrayList, steps);
        QFETCH(int, state);
        QFETCH(int, model);
        QFETCH(int, modelNumber);
        QFETCH(QStringList, warned);
        Road road;
        for (const QByteArray& step : steps) {
            if (step.startsWith("state "))
                road.handle.setDevDetectState(COMM_VELK_DEV_STATE(step.mid(6).toInt()));
            else
                road.receive(step);
        }
        QCOMPARE(int(road.handle.getDevDetectState()), state);
        QCOMPARE(int(road.handle.getMachineType()), model);
        QCOMPARE(road.handle.getModelNumber(), modelNumber);
        const QStringList logged = loggedWith("device model");
        QCOMPARE(logged.size(), warned.size());
        for (int i = 0; i < warned.size(); ++i)
            QVERIFY2(logged[i].contains("[W]" + warned[i]), qPrintable(logged[i]));
    }

    // Any version sentence counts as the device's answer to the probe, also one that names no
    // model the program knows or fails its checksum; a reset forgets it.
    void versionReplyNoted_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<bool>("reset");
        QTest::addColumn<bool>("noted");
        const QByteArray m1 = versionOf(UNIT_K_42);
        QTest::newRow("known model") << QByteArrayList{m1} << false << true;
        QTest::newRow("unknown model") << QByteArrayList{UNKNOWN_VERSION} << false << true;
        QTest::newRow("wrong checksum") << QByteArrayList{wrongSum(m1.left(m1.indexOf('*')))} << false << true;
        QTest::newRow("no version") << QByteArrayList{TYPE1_ON_B, "[SYSTEM DATA END]\r\n"} << false << false;
        QTest::newRow("reset after it") << QByteArrayList{m1} << true << false;
    }

    void versionReplyNoted()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(bool, reset);
        QFETCH(bool, noted);
        Road road;
        road.handle.setDevDetectState(DEV_STATE_LINK_SAVED);
        for (const QByteArray& line : lines)
            road.receive(line);
        if (reset)
            road.handle.initConfigInfo();
        QCOMPARE(road.handle.hasVersionReply(), noted);
    }

    void versionRecord_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("warned");

        QTest::newRow("whole") << versionOf(UNIT_K_42)
                               << QStringList{"$AIVER", "1", "1", "AI", "SIM", "0000001", "123456789", "1",
                                              "UNIT-K-42", "1.00", "0", "43"}
                               << "";
        QTest::newRow("ends early") << QByteArray("$AIVER,1,1,AI,SIM\r\n")
                                    << QStringList{"$AIVER", "1", "1", "AI", "", "", "0", "0", "", "", "", "0"} << "";
        QTest::newRow("texts cut to their fields")
            << closed("$AIVER,1,1,AI,SIM,0000001,1,1,MODEL-TEXT-LONGER-THAN-ITS-FIELD," + QByteArray(30, 'R') + "," +
                      QByteArray(30, 'L'))
            << QStringList{"$AIVER", "1", "1", "AI", "SIM", "0000001", "1", "1", "MODEL-TEXT-LONGER-T",
                           QString(24, 'R'), QString(20, 'L'), "?"}
            << "";
        QTest::newRow("serial number of 64 bits")
            << QByteArray("$AIVER,1,1,AI,SIM,0000001,9223372036854775807,1,Q-375,2.00,0*00\r\n")
            << QStringList{"$AIVER", "1", "1", "AI", "SIM", "0000001", "9223372036854775807", "1", "Q-375", "2.00",
                           "0", "0"}
            << "";
        QTest::newRow("serial number past 64 bits")
            << QByteArray("$AIVER,1,1,AI,SIM,0000001,9223372036854775808,1,Q-375,2.00,0*00\r\n")
            << QStringList{"$AIVER", "1", "1", "AI", "SIM", "0000001", "0", "1", "Q-375", "2.00", "0", "0"}
            << "serial number out of range";
        QTest::newRow("count past 32 bits")
            << QByteArray("$AIVER,4294967297,1,AI,SIM,0000001,1,1,Q-375,2.00,0*00\r\n")
            << QStringList{"$AIVER", "0", "1", "AI", "SIM", "0000001", "1", "1", "Q-375", "2.00", "0", "0"}
            << "total number of sentences out of range";
        QTest::newRow("blank fields") << QByteArray("$AIVER, ,1, , ,0000001,1,1,Q-375,2.00, *00\r\n")
                                      << QStringList{"$AIVER", "0", "1", "", "", "0000001", "1", "1", "Q-375", "2.00",
                                                     "", "0"}
                                      << "";
    }

    void versionRecord()
    {
        QFETCH(QByteArray, sentence);
        QFETCH(QStringList, expected);
        QFETCH(QString, warned);
        const AIVER_S v = CAisSentenceHandle::parseAIVER(sentence.constData());
        QStringList got{text(v.address),         QString::number(v.totalSentences), QString::number(v.sentenceNumber),
                        text(v.deviceType),      text(v.vendorId),                  text(v.uniqueId),
                        QString::number(v.serialNumber), QString::number(v.modelCode), text(v.modelText),
                        text(v.revision),        text(v.lastText),                  QString::number(v.checksum)};
        if (expected.last() == "?")
            got.last() = "?"; // a checksum in hexadecimal digits, read as decimal: not looked at
        QCOMPARE(got, expected);
        const QStringList logged = loggedWith("[W]");
        if (warned.isEmpty())
            QVERIFY2(logged.isEmpty(), qPrintable(logged.join('\n')));
        else
            QVERIFY2(logged.size() == 1 && logged.first().contains(warned), qPrintable(logged.join('\n')));
    }

    // A device reply with a wrong checksum is not applied here; the codec sees it and counts it.
    void wrongChecksumGoesToTheCodec_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        QTest::newRow("configuration reply") << wrongSum("$PQLX,R,CFG,108,6,0,");
        QTest::newRow("property reply") << wrongSum("$AIEPV,R,AI,123456789,109,75");
        QTest::newRow("version") << wrongSum("$AIVER,1,1,AI,SIM,0000002,223456789,2,Q-375,2.00,0");
    }

    void wrongChecksumGoesToTheCodec()
    {
        QFETCH(QByteArray, sentence);
        Road road;
        road.handle.setDevDetectState(DEV_STATE_LINK_SAVED);
        road.receive(versionOf(UNIT_K_42) + sentence);
        QVERIFY(road.handle.getCurrentConfig() == CSensorConfig());
        QCOMPARE(text(road.handle.getVersionInfo().modelText), QString("UNIT-K-42"));
        std::deque<SETENCE_CHECKSUM_ERROR_INFO> errors;
        road.handle.swapCheckSumErrorQ(&errors);
        QCOMPARE(errors.size(), size_t(1));
        QCOMPARE(QByteArray(errors.front().sentence), sentence);
    }

    void counters()
    {
        Road road;
        road.receive(TYPE1_ON_B);
        CDiagnostics d = road.handle.getDiagnostics();
        QCOMPARE(QString("%1 %2 %3 %4").arg(d.rxCount[0]).arg(d.rxCount[1]).arg(d.txCount[0]).arg(d.txCount[1]),
                 QString("0 1 0 0"));
        QVERIFY(!road.handle.isHostPosFixed());

        road.receive(TYPE18_OWN_ON_A);
        d = road.handle.getDiagnostics();
        QCOMPARE(QString("%1 %2 %3 %4").arg(d.rxCount[0]).arg(d.rxCount[1]).arg(d.txCount[0]).arg(d.txCount[1]),
                 QString("0 1 1 0"));
        const Unit::SPointG2dD host = road.handle.getHostPosition();
        QVERIFY2(qAbs(host.lat - 40.684540) < 1e-5, qPrintable(QString::number(host.lat, 'f', 6)));
        QVERIFY2(qAbs(host.lon + 74.072132) < 1e-5, qPrintable(QString::number(host.lon, 'f', 6)));
        QVERIFY(!d.gpsFix); // until the refresh tick asks
        road.handle.updateDiagnosticsData();
        QVERIFY(road.handle.getDiagnostics().gpsFix);
        QVERIFY(road.handle.isHostPosFixed());

        // The same messages with the channel changed: an own one on B, a received one on none.
        road.receive(closed("!AIVDO,1,1,,B,B52K>;h00Fc>jpUlNV@ikwpUoP06,0"));
        road.receive(closed("!AIVDM,1,1,,,177KQJ5000G?tO`K>RA1wUbN0TKH,0"));
        d = road.handle.getDiagnostics();
        QCOMPARE(QString("%1 %2 %3 %4").arg(d.rxCount[0]).arg(d.rxCount[1]).arg(d.txCount[0]).arg(d.txCount[1]),
                 QString("0 2 1 1"));
    }

    // "Is GPS position fixed?" follows the own position reports: the own static reports between
    // them neither set nor clear it; a position report without a position clears it.
    void gpsFixFollowsOwnPositionReports_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<bool>("fixed");
        const QByteArray noPosition = ownPositionReportWithoutPosition();
        QVERIFY(!noPosition.isEmpty());
        QTest::newRow("position report") << QByteArrayList{OWN_POSITION} << true;
        QTest::newRow("then the static report part A") << QByteArrayList{OWN_POSITION, OWN_STATIC_PART_A} << true;
        QTest::newRow("then the static and voyage data") << QByteArrayList{OWN_POSITION, OWN_STATIC_VOYAGE} << true;
        QTest::newRow("static reports alone") << QByteArrayList{OWN_STATIC_PART_A, OWN_STATIC_VOYAGE} << false;
        QTest::newRow("then a position report without position")
            << QByteArrayList{OWN_POSITION, OWN_STATIC_PART_A, noPosition} << false;
    }
    void gpsFixFollowsOwnPositionReports()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(bool, fixed);
        Road road;
        for (const QByteArray& line : lines)
            road.receive(line);
        QCOMPARE(road.handle.getDiagnostics().txCount[0] + road.handle.getDiagnostics().txCount[1], uint32_t(lines.size()));
        road.handle.updateDiagnosticsData();
        QCOMPARE(road.handle.getDiagnostics().gpsFix, fixed);
        if (!fixed)
            return;
        const Unit::SPointG2dD host = road.handle.getHostPosition();
        QVERIFY2(qAbs(host.lat - 43.072159) < 1e-5 && qAbs(host.lon + 70.711067) < 1e-5,
                 qPrintable(QString("%1 %2").arg(host.lat, 0, 'f', 6).arg(host.lon, 0, 'f', 6)));
    }

    // A system-data line too long for a sentence still has its values judged: a name of 10 kB
    // is refused rather than lost unremarked, and a sound value on a long line is taken.
    void longDumpLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<uint>("refused");
        QTest::newRow("a name of 10 kB") << "Ship Name:(" + QByteArray(10000, 'A') + ")\r\n" << "shipName" << ""
                                        << uint(CSensorConfig::VALUE_SHIP_NAME);
        QTest::newRow("an MMSI padded to 300 characters") << "MMSI:(235104870)" + QByteArray(300, ' ') + "\r\n"
                                                          << "mmsi" << "235104870" << 0u;
    }

    void longDumpLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        QFETCH(uint, refused);
        Road road;
        road.receive("Ship Name:(SEA WOLF)\r\n" + line);
        const CSensorConfig config = road.handle.getCurrentConfig();
        QCOMPARE(DeviceFixture::field(config, field), expected);
        QCOMPARE(config.refusedValues, uint32_t(refused));
        QCOMPARE(loggedWith("skipped: longer than").size(), 1);
    }

    void modeEmissions()
    {
        Road road;
        QSignalSpy spy(&road.handle, &CAisSentenceHandle::signalWiFiCfgModeEnable);
        road.receive(closed("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
        road.receive("+ok\r\n");
        road.receive(versionOf(UNIT_K_42) + closed("$PQLX,R,CFG,108,6,0,")); // the device's answers: no emission
        road.receive("[WIFI]\r\n");
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy[0].first().toInt(), 0);
        QCOMPARE(spy[1].first().toInt(), 1);
        QCOMPARE(spy[2].first().toInt(), 0);
        const QStringList logged = loggedWith("Check WiFi Mode Sentence");
        QCOMPARE(logged.size(), 1);
        QVERIFY(logged.first().contains("+ok"));
    }

    void takeOverAndResets()
    {
        Road road;
        road.handle.setDevDetectState(DEV_STATE_LINK_SAVED);
        road.receive(transcriptBytes(Q_375) + TYPE1_ON_B + TYPE18_OWN_ON_A);
        road.handle.updateDiagnosticsData();
        QVERIFY(road.handle.isChangedConfigDisp());
        road.handle.refreshConfigInfo();
        QVERIFY(road.handle.getShownConfig() == road.handle.getCurrentConfig());
        QVERIFY(!road.handle.isChangedConfigDisp());

        // Only the status slots change: nothing shown changes, yet the take-over copies them.
        road.receive(closed("$PQLX,R,CFG,8117,12,345,3"));
        QVERIFY(!road.handle.isChangedConfigDisp());
        road.handle.refreshConfigInfo();
        QCOMPARE(field(road.handle.getShownConfig(), "statusFlags"), QString("3 4 5 0 0"));

        road.receive("Ship Name:(OTHER)\r\n");
        QVERIFY(road.handle.isChangedConfigDisp());

        road.handle.initDiagnoseInfo();
        for (const CSensorConfig& c : {road.handle.getCurrentConfig(), road.handle.getShownConfig()}) {
            QCOMPARE(field(c, "serialNumber") + field(c, "firmware"), QString());
            QCOMPARE(field(c, "statusFlags"), QString("-1 -1 -1 -1 -1"));
            QCOMPARE(field(c, "mmsiValid"), QString("0"));
            QCOMPARE(field(c, "callSign"), factoryRecord(Q_375)["callSign"]);
        }
        CDiagnostics d = road.handle.getDiagnostics();
        QVERIFY(!d.gpsFix);
        QCOMPARE(d.rxCount[1] + d.txCount[0], 0u);

        road.receive(closed("$PQLX,R,CFG,8117,12,345,3") + TYPE1_ON_B);
        road.handle.initConfigInfo();
        QCOMPARE(road.handle.getDevDetectState(), DEV_STATE_INITIAL);
        QCOMPARE(road.handle.getMachineType(), MACHINE_UNKNOWN);
        QCOMPARE(road.handle.getModelNumber(), 0);
        const CSensorConfig current = road.handle.getCurrentConfig();
        CSensorConfig keptSlots;
        std::copy(std::begin(current.statusFlags), std::end(current.statusFlags), keptSlots.statusFlags);
        QCOMPARE(field(keptSlots, "statusFlags"), QString("3 4 5 -1 -1"));
        QVERIFY(current == keptSlots);
        QVERIFY(road.handle.getShownConfig() == CSensorConfig());
        QCOMPARE(text(road.handle.getVersionInfo().modelText), QString());
        d = road.handle.getDiagnostics();
        QCOMPARE(d.rxCount[1], 0u);
        QVERIFY(!road.handle.isHostPosFixed());
        road.handle.updateDiagnosticsData();
        QVERIFY(!road.handle.getDiagnostics().gpsFix);
        QVERIFY(!road.handle.checkSystemStatus());
    }
};

QTEST_MAIN(TestAisSentenceHandle)
#include "tst_aissentencehandle.moc"
