#include "AisFixture.h"
#include "LogCapture.h"
#include "ReceiveRig.h"
#include "ReferenceMessages.h"
#include "SentenceFixture.h"
#include "TestEnv.h"
#include "codec/CSensorSentenceHandle.h"
#include "codec/records/CodecLock.h"
#include "codec/records/CodecSnapshot.h"
#include "comm/CLogListener.h"
#include "comm/CServiceComm.h"
#include "support/PortalTime.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace COMM;
using SentenceFixture::closed;

namespace {

constexpr uint64_t START_MS = 5000000;

// Real traffic with independent decodes, and a published RMC (48.1173 N, 11.5167 E).
const QByteArray RMC = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
const QByteArray TYPE1 = "!AIVDM,1,1,,B,181:Kjh01ewHFRPDK1s3IRcn06sd,0*08\r\n"; // MMSI 538090443
const QByteArray TYPE5_PART1 =
    "!AIVDM,2,1,9,B,533uwnT00000uCCSS00MD5@Dl4h400000080001c8h<25uAn00Q1C1VRBS00,0*07\r\n"; // MMSI 205488090
const QByteArray TYPE5_PART2 = "!AIVDM,2,2,9,B,00000000000,2*2E\r\n";
const QByteArray TYPE8 = "!AIVDM,1,1,,A,801tME0j60E04QJp1hhL10G20DH1,0*11\r\n";
const QByteArray TYPE18_PAYLOAD = "B6:VU2P0<:;2r84N5obLOwR2P0S9";
const QByteArray TYPE27_PAYLOAD = "KrJN9vb@0?wl20RH";

// The body closed with a checksum that does not match it.
QByteArray badChecksum(const QByteArray& body)
{
    const QByteArray good = closed(body);
    const int sum = good.mid(good.indexOf('*') + 1, 2).toInt(nullptr, 16);
    return body + "*" + QByteArray::number(sum ^ 0x55, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

// Records what the subclass hooks see; takes the lines that begin with takePrefix.
class RecordingHandle : public CSensorSentenceHandle
{
public:
    QByteArray takePrefix;
    QByteArrayList offered;
    QStringList listened;

    bool sensorSentenceProc(SENSOR_SENTENCE_PACKAGE& package) override
    {
        offered << QByteArray(package.text);
        return !takePrefix.isEmpty() && offered.last().startsWith(takePrefix);
    }

    void sensorAisListener(char* sentence, int listener, char channel) override
    {
        listened << QString("%1 %2 %3").arg(listener).arg(int(uint8_t(channel))).arg(sentence[0]);
    }
};

// The receive road as the device protocol wires it: the transport's signal straight into the
// handler, and slots that copy out of the codec as the data model will (each copy takes the
// codec lock, so a handler still holding it would hang here).
struct Road
{
    ReceiveRig::CLink link;
    RecordingHandle handle;
    QStringList events;
    QList<double> gpsLatitudes;
    QList<float> ownHeadings;

    explicit Road(PRIMARY_POS_DEV role = PRIMARY_POS_YES, COMM_TYPE type = COMM_TYPE_SERIAL)
        : link(role, type)
    {
        ReceiveRig::Wire(link, handle);
        QObject::connect(&handle, &CSensorSentenceHandle::signalFillAisOwnData, [this](int listener) {
            GENERIC_SHIP_DATA own;
            CopyShipData(0, &own);
            ownHeadings << own.heading;
            events << QString("own %1").arg(listener);
        });
        QObject::connect(&handle, &CSensorSentenceHandle::signalFillAisTargetData, [this](unsigned int mmsi) {
            GENERIC_SHIP_DATA entry;
            CopyShipData(1, &entry);
            events << QString("target %1 entry %2").arg(mmsi).arg(entry.mmsi);
        });
        QObject::connect(&handle, &CSensorSentenceHandle::signalFillGpsData,
                         [this](int listener, int subtype, bool notZda, bool fromLog) {
                             if (listener == VudaviRirev::I62_LISTENER_POSITION) {
                                 GPS_Data slot;
                                 CopyGpsData(&slot);
                                 gpsLatitudes << slot.latitude;
                             }
                             events << QString("gps %1 %2 %3 %4").arg(listener).arg(subtype).arg(notZda).arg(fromLog);
                         });
    }

    void receive(const QByteArray& bytes, bool more = false) { link.rxPackageProc(bytes, more); }

    std::deque<SETENCE_CHECKSUM_ERROR_INFO> checkSumErrors()
    {
        std::deque<SETENCE_CHECKSUM_ERROR_INFO> queue;
        handle.swapCheckSumErrorQ(&queue);
        const std::deque<SETENCE_CHECKSUM_ERROR_INFO> copy = queue;
        handle.swapCheckSumErrorQ(&queue); // and back
        return copy;
    }
};

QString target(unsigned mmsi)
{
    return QString("target %1 entry %1").arg(mmsi);
}

// A message whose fragments are all there.
bool complete(const ReferenceMessages::SMessage& message)
{
    return message.lines.size() == message.lines.first().split(',').value(1).toInt();
}

} // namespace

class TestSentenceHandle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }

    void init()
    {
        Portal::Time::SetFakeClock(START_MS);
        LogCapture::take();
    }

    void cleanup() { Portal::Time::ClearFakeClock(); }

    // The signals of the chunks received, in order.
    void signalsInOrder_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("commType");
        QTest::addColumn<QStringList>("events");

        const int yes = PRIMARY_POS_YES;
        const int no = PRIMARY_POS_NO;
        const int serial = COMM_TYPE_SERIAL;
        const QStringList rmc{"own 4", "gps 12 6 1 0"};
        QTest::newRow("RMC, primary source") << QByteArrayList{RMC} << yes << serial << rmc;
        QTest::newRow("RMC ending in LF alone") << QByteArrayList{RMC.chopped(2) + "\n"} << yes << serial << rmc;
        QTest::newRow("RMC ending in CR alone") << QByteArrayList{RMC.chopped(1)} << yes << serial << rmc;
        QTest::newRow("RMC in two chunks") << QByteArrayList{RMC.left(30), RMC.mid(30)} << yes << serial << rmc;
        QTest::newRow("RMC from a log replay") << QByteArrayList{RMC} << int(PRIMARY_POS_LOG) << int(COMM_TYPE_LOG)
                                               << QStringList{"own 4", "gps 12 6 1 1"};
        QTest::newRow("RMC, not the primary source") << QByteArrayList{RMC} << no << serial << QStringList{};
        QTest::newRow("GGA, not the primary source")
            << QByteArrayList{"$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"} << no << serial
            << QStringList{};
        QTest::newRow("ZDA") << QByteArrayList{closed("$GPZDA,201530.00,04,07,2002,00,00")} << yes << serial
                             << QStringList{"gps 8 8 0 0"};
        QTest::newRow("GSV")
            << QByteArrayList{"$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75\r\n"} << yes
            << serial << QStringList{"gps 13 5 1 0"};
        QTest::newRow("VTG: GNSS without listener") << QByteArrayList{closed("$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K")}
                                                   << yes << serial << QStringList{"gps 0 7 1 0"};
        QTest::newRow("HDT, any source") << QByteArrayList{closed("$HEHDT,123.4,T")} << no << serial
                                         << QStringList{"own 1"};
        QTest::newRow("HDM") << QByteArrayList{closed("$HCHDM,123.4,M")} << yes << serial << QStringList{"own 2"};
        QTest::newRow("VDM complete") << QByteArrayList{TYPE1} << yes << serial << QStringList{target(538090443)};
        QTest::newRow("VDM first fragment") << QByteArrayList{TYPE5_PART1} << yes << serial << QStringList{};
        QTest::newRow("VDM in two fragments") << QByteArrayList{TYPE5_PART1, TYPE5_PART2} << yes << serial
                                              << QStringList{target(205488090)};
        QTest::newRow("VDO, primary source") << QByteArrayList{closed("!AIVDO,1,1,,A," + TYPE18_PAYLOAD + ",0")} << yes
                                             << serial << QStringList{"own 32"};
        QTest::newRow("VDO, not the primary source") << QByteArrayList{closed("!AIVDO,1,1,,A," + TYPE18_PAYLOAD + ",0")}
                                                     << no << serial << QStringList{"own 33"};
        QTest::newRow("message 27") << QByteArrayList{closed("!AIVDM,1,1,,A," + TYPE27_PAYLOAD + ",0")} << yes << serial
                                    << QStringList{};
        QTest::newRow("neither $ nor !") << QByteArrayList{RMC.mid(1), " " + RMC} << yes << serial << QStringList{};
        QTest::newRow("bad checksum") << QByteArrayList{badChecksum(RMC.left(RMC.indexOf('*')))} << yes << serial
                                      << QStringList{};
        QTest::newRow("one chunk of three sentences")
            << QByteArrayList{RMC + TYPE1 + closed("$HEHDT,123.4,T")} << yes << serial
            << QStringList{"own 4", "gps 12 6 1 0", target(538090443), "own 1"};
    }

    void signalsInOrder()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(int, role);
        QFETCH(int, commType);
        QFETCH(QStringList, events);
        Road road{PRIMARY_POS_DEV(role), COMM_TYPE(commType)};
        for (const QByteArray& chunk : chunks)
            road.receive(chunk);
        QCOMPARE(road.events, events);
        for (double latitude : road.gpsLatitudes)
            QVERIFY2(qAbs(latitude - 48.1173) < 1e-4, qPrintable(QString::number(latitude)));
    }

    void hooksSeeTheirSentences()
    {
        Road road;
        road.handle.takePrefix = "$PQLX";
        const QByteArray reply = closed("$PQLX,R,MID,123456789,000000042");
        const QByteArray text = "[SYSTEM DATA END]\r\n";
        road.receive(reply + text + TYPE1 + RMC + closed("$PMID,123456789,000000042"));
        QCOMPARE(road.handle.offered,
                 (QByteArrayList{reply, text, TYPE1, RMC, closed("$PMID,123456789,000000042")}));
        // The taken reply and the text never reach the codec; the rest is told with listener and channel.
        QCOMPARE(road.handle.listened, (QStringList{"16 66 !", "12 128 $", "0 128 $"}));
    }

    // 199 characters, line end included, reach the hook and the codec; longer lines go nowhere.
    void lineLength_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("parsed");
        const QByteArray body = "$GPTXT,";
        QTest::newRow("199 with CR LF") << badChecksum(body + QByteArray(187, 'x')) << true;
        QTest::newRow("200 with CR LF") << badChecksum(body + QByteArray(188, 'x')) << false;
        QTest::newRow("199 with LF alone") << badChecksum(body + QByteArray(188, 'x')).chopped(2) + "\n" << true;
        QTest::newRow("199 with CR alone") << badChecksum(body + QByteArray(188, 'x')).chopped(1) << true;
        QTest::newRow("much longer") << badChecksum(body + QByteArray(4000, 'x')) << false;
    }

    void lineLength()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, parsed);
        Road road;
        road.receive(line);
        const std::deque<SETENCE_CHECKSUM_ERROR_INFO> errors = road.checkSumErrors();
        QCOMPARE(road.handle.offered.size(), parsed ? 1 : 0);
        QCOMPARE(errors.size(), size_t(parsed ? 1 : 0));
        const QStringList log = LogCapture::take();
        if (parsed) {
            QCOMPARE(QByteArray(errors.front().sentence), line.left(line.size() - (line.endsWith("\r\n") ? 2 : 1)) + "\r\n");
            QCOMPARE(QByteArray(errors.front().deviceName), QByteArray("test link"));
            QVERIFY(!log.join('\n').contains("skipped"));
        } else {
            QVERIFY2(log.filter("sentenceProc [W]line of").size() == 1, qPrintable(log.join('\n')));
        }
    }

    // Bad checksums within one 30-second window: up to two are dropped when it closes, three
    // raise the alarm and stay, and the queue keeps only the newest.
    void checkSumWindow_data()
    {
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("alarm");
        QTest::newRow("none") << 0 << 0 << false;
        QTest::newRow("two") << 2 << 0 << false;
        QTest::newRow("three") << 3 << 3 << true;
        QTest::newRow("many") << 150 << int(CSensorSentenceHandle::CheckSumQueueLimit) << true;
    }

    void checkSumWindow()
    {
        QFETCH(int, errors);
        QFETCH(int, kept);
        QFETCH(bool, alarm);
        Road road;
        for (int i = 0; i < errors; ++i)
            road.receive(badChecksum("$GPTXT,01,01,02," + QByteArray::number(i)));
        Portal::Time::SetFakeClock(START_MS + 29000);
        road.receive(closed("$HEHDT,123.4,T"));
        // The window is still open.
        QCOMPARE(int(road.checkSumErrors().size()), qMin(errors, int(CSensorSentenceHandle::CheckSumQueueLimit)));
        Portal::Time::SetFakeClock(START_MS + 30000);
        road.receive(closed("$HEHDT,123.4,T"));
        const std::deque<SETENCE_CHECKSUM_ERROR_INFO> queue = road.checkSumErrors();
        QCOMPARE(int(queue.size()), kept);
        QCOMPARE(road.handle.isCheckSumAlarm(), alarm);
        if (kept > 0)
            QCOMPARE(QByteArray(queue.front().sentence),
                     badChecksum("$GPTXT,01,01,02," + QByteArray::number(errors - kept)));
    }

    // The own heading is taken into the own ship's entry by the first decoded sentence of a second.
    void onceASecondUpdate()
    {
        Road road;
        const QByteArray hdt = closed("$HEHDT,123.4,T");
        road.receive(hdt); // the handler's first second
        Portal::Time::SetFakeClock(START_MS + 1000);
        road.receive(hdt + hdt);
        Portal::Time::SetFakeClock(START_MS + 2000);
        road.receive(badChecksum("$HEHDT,123.4,T") + hdt); // the second's first sentence failed
        QCOMPARE(road.events, (QStringList{"own 1", "own 1", "own 1", "own 1"}));
        QCOMPARE(road.ownHeadings, (QList<float>{511.0f, 123.4f, 511.0f, 511.0f}));
    }

    // A payload that holds no message is refused for its sentence alone, with a log line: the
    // messages being joined survive, and so do the stations and the binary application heard
    // before. An empty fragment of a message being joined drops that message only.
    void refusedPayloadKeepsTheRest_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("logged");
        // Live traffic: a receiver's empty payload on B between the two fragments of a message 5 on A.
        const QByteArray part1 = "!AIVDM,2,1,1,A,55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8,0*1C\r\n";
        const QByteArray part2 = "!AIVDM,2,2,1,A,88888888880,2*25\r\n";
        const QByteArray emptyOnB = "!AIVDM,1,1,,B,,0*25\r\n";
        const QString noPayload = "VDM fragment 1 of 1 on channel B refused: no payload";
        QTest::newRow("empty payload between the fragments of another channel's message")
            << QByteArrayList{TYPE8, part1, emptyOnB, part2} << QStringList{target(2039124), target(351759000)}
            << noPayload;
        QTest::newRow("empty payload between the fragments of a message on its channel")
            << QByteArrayList{TYPE8, TYPE5_PART1, emptyOnB, TYPE5_PART2} << QStringList{target(2039124), target(205488090)}
            << noPayload;
        QTest::newRow("empty fragment of a message drops it, the other message completes")
            << QByteArrayList{TYPE8, TYPE5_PART1, part1, closed("!AIVDM,2,2,9,B,,0"), part2, TYPE5_PART2}
            << QStringList{target(2039124), target(351759000)}
            << "VDM message of sequential identifier 9 on channel B dropped after fragment 1 of 2: a fragment without "
               "payload came";
        QTest::newRow("message identifier 0")
            << QByteArrayList{TYPE8, TYPE5_PART1, closed("!AIVDO,1,1,,A,0000000000000000000000000000,0"), TYPE5_PART2}
            << QStringList{target(2039124), target(205488090)}
            << "VDO message refused: its 168 bits are no AIS message (identifier 0)";
        QTest::newRow("message 27, well formed without layout")
            << QByteArrayList{TYPE8, TYPE5_PART1, closed("!AIVDO,1,1,,A," + TYPE27_PAYLOAD + ",0"), TYPE5_PART2}
            << QStringList{target(2039124), target(205488090)} << QString();
    }

    void refusedPayloadKeepsTheRest()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QStringList, events);
        QFETCH(QString, logged);
        Road road;
        for (const QByteArray& line : lines)
            road.receive(line);
        QCOMPARE(road.events, events);
        if (!logged.isEmpty())
            QCOMPARE(LogCapture::take().filter(logged).size(), 1);
        CCodecLock lock;
        QVERIFY(RxBinMsgAppId != 0);
    }

    // A receiver that sends empty payloads all the time gets one note a second: the first at
    // once, the next a second later with the count of those held back.
    void repeatedRefusalsAreNotedOnceASecond()
    {
        Road road;
        const QByteArray empty = "!AIVDM,1,1,,B,,0*25\r\n";
        const QString note = "VDM fragment 1 of 1 on channel B refused: no payload";
        for (int i = 0; i < 5; ++i)
            road.receive(empty);
        QCOMPARE(LogCapture::take().filter(note), QStringList{QString("I62_EncapSenten_Update ") + note});
        Portal::Time::SetFakeClock(START_MS + 999);
        road.receive(empty);
        QCOMPARE(LogCapture::take().filter(note).size(), 0);
        Portal::Time::SetFakeClock(START_MS + 1000);
        road.receive(empty);
        QCOMPARE(LogCapture::take().filter(note),
                 QStringList{QString("I62_EncapSenten_Update ") + note + " (5 more such notes held back)"});
    }

    // The log queue's chunks, joined as Latin-1 with every byte, zero bytes too, in one signal
    // that can be queued.
    void rawTextSignal()
    {
        Road road;
        QList<QPair<void*, QString>> texts;
        QObject receiver;
        QObject::connect(
            &road.handle, &CSensorSentenceHandle::signalRxLogMsg, &receiver,
            [&texts](void* service, const QString& text) { texts << qMakePair(service, text); }, Qt::QueuedConnection);
        road.receive("junk before ", true);
        road.receive(QByteArray("\xE9t\xE9\r\n") + RMC);
        road.receive(QByteArray("AB\0CD\r\n", 7));
        QTRY_COMPARE(texts.size(), 2);
        QCOMPARE(texts[0].first, static_cast<void*>(&road.link));
        QCOMPARE(texts[0].second, QString::fromLatin1("junk before \xE9t\xE9\r\n") + QString::fromLatin1(RMC));
        QCOMPARE(texts[1].second, QString::fromLatin1("AB\0CD\r\n", 7));
        QCOMPARE(road.events, (QStringList{"own 4", "gps 12 6 1 0"}));
    }

    // A few hundred lines of real GNSS logs, AIS messages and junk through the log transport's
    // replay: one target signal for every message the reference decoders read whose fragments
    // all came and whose type has a layout here (27 has none).
    void replayOfRealTraffic()
    {
        const QString dir = TestEnv::refDataDir();
        const QList<ReferenceMessages::SMessage> messages = ReferenceMessages::All(dir);
        using ReferenceMessages::FileLines;
        const QByteArrayList gnss = FileLines(dir + "/gnss-gpsd/quectel-L70.log") +
                                    FileLines(dir + "/gnss-gpsd/bu353s4.log") + FileLines(dir + "/gnss-gpsd/mt3339.log") +
                                    FileLines(dir + "/gnss-gpsd/nmea-fuzzy-cases.log");
        QByteArrayList junk;
        for (const QByteArray& line : FileLines(dir + "/ais-live-pyais/mixed.txt")) {
            if (!line.startsWith('$') && !line.startsWith('!'))
                junk << line;
        }
        QVERIFY(messages.size() > 60 && gnss.size() > 300 && !junk.isEmpty());

        QByteArray content;
        QStringList expected;
        for (int i = 0, g = 0; i < messages.size() || g < gnss.size(); ++i) {
            for (int k = 0; k < 5 && g < gnss.size(); ++k)
                content += gnss[g++] + "\r\n";
            content += junk[i % junk.size()] + "\r\n";
            if (i >= messages.size())
                continue;
            const ReferenceMessages::SMessage& message = messages[i];
            for (const QByteArray& line : message.lines)
                content += line + "\r\n";
            if (message.type() != 27 && complete(message))
                expected << target(message.mmsi());
        }
        QTemporaryDir files;
        const QString path = files.filePath("mixed.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();

        Road road;
        CLogListener replay(BuildConntLink(SENSOR_REPLAY_LOG, U"replay", PRIMARY_POS_LOG, false), LOG_REPLAY,
                            RAWDATA_SENTENCE);
        replay.setEnable(true);
        QObject::connect(&replay, &CServiceComm::signalRxSentence, [&road, &replay](void*, char commType) {
            road.handle.sentenceProc(&replay, COMM_TYPE(commType));
        });
        replay.setNewReplaySpeed(CLogListener::MaxReplaySpeed, 3600 * 1000, 0);
        replay.setNewSetting(path.toStdString(), 0, 0, 0);
        replay.onReplayTimer(); // opens the file
        replay.replayLog();
        QCOMPARE(replay.getOperation(), REPLAY_PLAY);
        for (int tick = 0; tick < 100 && replay.getOperation() == REPLAY_PLAY; ++tick)
            replay.onReplayTimer();
        QCOMPARE(replay.getOperation(), REPLAY_STOP);

        QCOMPARE(road.events.filter("target"), expected);
        QVERIFY(road.events.contains("gps 12 6 1 1"));
        QVERIFY(road.events.contains("gps 13 5 1 1"));
    }
};

QTEST_GUILESS_MAIN(TestSentenceHandle)
#include "tst_sentencehandle.moc"
