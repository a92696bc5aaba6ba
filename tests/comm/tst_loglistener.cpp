#include "LogCapture.h"
#include "comm/CLogListener.h"
#include "support/PortalTime.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

using namespace COMM;

namespace {

constexpr int ByHand = 3600 * 1000;  // a replay interval that never fires during a test

// Binary records as a test file holds them: size, type and time stamp as 32-bit numbers, then the data.
class RecordFileReader : public CAbstractLogListenerService
{
public:
    bool readRecordHeader(FILE* file, int* size, RAWDATA_TYPE* type, uint32_t* timeStamp) override
    {
        int32_t header[3];
        if (std::fread(header, sizeof header, 1, file) != 1)
            return false;
        *size = header[0];
        *type = static_cast<RAWDATA_TYPE>(header[1]);
        *timeStamp = static_cast<uint32_t>(header[2]);
        return true;
    }

    static QByteArray record(int type, uint32_t stamp, const QByteArray& data, int size = -1)
    {
        const int32_t header[3] = {size < 0 ? int32_t(data.size()) : size, type, int32_t(stamp)};
        return QByteArray(reinterpret_cast<const char*>(header), sizeof header) + data;
    }
};

// A replay link driven by hand: every tick is a direct call, and what each tick feeds is taken
// in the receive slot, as the application does.
struct Replay
{
    std::unique_ptr<CLogListener> log;
    QByteArrayList received;
    std::unique_ptr<QSignalSpy> states;

    Replay(int sensorType, RAWDATA_TYPE type)
        : log(std::make_unique<CLogListener>(BuildConntLink(sensorType, U"replay", PRIMARY_POS_LOG, false), LOG_REPLAY,
                                             type))
        , states(std::make_unique<QSignalSpy>(log.get(), &CLogListener::signalReplayOperation))
    {
        log->setEnable(true);
        CRawDataHandle* handle = log->getRawDataHandle();
        QObject::connect(log.get(), &CServiceComm::signalRxSentence, [this, handle] {
            std::string line;
            while (handle->queueNextSentence(&line))
                received << QByteArray::fromStdString(line);
        });
        QObject::connect(log.get(), &CServiceComm::signalRxBinData, [this, handle] {
            QByteArray chunk;
            while (handle->queueNextBinData(&chunk))
                received << chunk;
        });
    }

    // Opens the file on the next tick, with the timer left to the test; returns what that tick fed.
    QByteArrayList open(const QString& path, int speed, float tickLength)
    {
        log->setNewReplaySpeed(speed, ByHand, tickLength);
        log->setNewSetting(path.toStdString(), 0, 0, 0);
        return tick();
    }

    QByteArrayList tick()
    {
        log->onReplayTimer();
        return std::exchange(received, QByteArrayList());
    }

    QList<int> takeStates()
    {
        QList<int> taken;
        for (const QList<QVariant>& arguments : *states)
            taken << arguments.first().toInt();
        states->clear();
        return taken;
    }
};

} // namespace

class TestLogListener : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeFile(const QByteArray& content)
    {
        static int serial = 0;
        const QString path = m_dir.filePath(QStringLiteral("replay%1.txt").arg(++serial));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return QString();
        return path;
    }

private slots:
    void initTestCase() { LogCapture::start(); }
    void init() { LogCapture::take(); }
    void cleanup() { Portal::Time::ClearFakeClock(); }

    void sentenceReplay_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("loop");
        QTest::addColumn<QList<QByteArrayList>>("ticks");
        QTest::addColumn<bool>("stops");

        const QByteArray three = "$A,1\r\n$B,2\r\n$C,3\r\n";
        QTest::newRow("one line per tick, then stop")
            << three << 0 << false << QList<QByteArrayList>{{"$A,1\r\n"}, {"$B,2\r\n"}, {"$C,3\r\n"}, {}} << true;
        QTest::newRow("loop starts again")
            << three << 0 << true
            << QList<QByteArrayList>{{"$A,1\r\n"}, {"$B,2\r\n"}, {"$C,3\r\n"}, {}, {"$A,1\r\n"}} << false;
        QTest::newRow("speed 1: two lines per tick")
            << three << 1 << false << QList<QByteArrayList>{{"$A,1\r\n", "$B,2\r\n"}, {"$C,3\r\n"}} << true;
        QTest::newRow("last line without line end: not fed")
            << QByteArray("$A,1\r\n$B,2") << 0 << false << QList<QByteArrayList>{{"$A,1\r\n"}, {}} << true;
        QTest::newRow("last line without line end, loop: closed, not run into the first")
            << QByteArray("$A,1\r\n$B,2") << 0 << true
            << QList<QByteArrayList>{{"$A,1\r\n"}, {"$B,2\r\n"}, {"$A,1\r\n"}} << false;
        QTest::newRow("a NUL byte drops its line, not splices it")
            << QByteArray("$A,1\0X\r\n$B,2\r\n", 14) << 0 << false << QList<QByteArrayList>{{}, {"$B,2\r\n"}}
            << false;
        QTest::newRow("a line longer than the buffer comes in pieces")
            << QByteArray("$L," + QByteArray(150, 'x') + "\r\n") << 0 << false
            << QList<QByteArrayList>{{}, {"$L," + QByteArray(150, 'x') + "\r\n"}, {}} << true;
    }

    // Stopping at the end of the file empties the receive queues and closes the file on the next tick.
    void sentenceReplay()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, speed);
        QFETCH(bool, loop);
        QFETCH(QList<QByteArrayList>, ticks);
        QFETCH(bool, stops);

        const QString path = writeFile(content);
        QVERIFY(!path.isEmpty());
        Replay replay(0, RAWDATA_SENTENCE);
        replay.log->setReplayLoop(loop);
        QCOMPARE(replay.open(path, speed, 0), QByteArrayList());
        QCOMPARE(replay.takeStates(), QList<int>{REPLAY_STOP});  // opened from off
        replay.log->replayLog();
        QCOMPARE(replay.takeStates(), QList<int>{REPLAY_PLAY});

        QList<QByteArrayList> fed;
        for (int i = 0; i < ticks.size(); ++i)
            fed << replay.tick();
        QCOMPARE(fed, ticks);
        QCOMPARE(replay.takeStates(), stops ? QList<int>{REPLAY_STOP} : QList<int>());
        if (!stops)
            return;
        QCOMPARE(replay.log->getCurrentPath(), path.toStdString());
        QCOMPARE(replay.tick(), QByteArrayList());
        QCOMPARE(replay.log->getCurrentPath(), std::string());
    }

    // However high the speed asked for, a tick feeds at most 2^MaxReplaySpeed lines.
    void speedIsClamped()
    {
        QByteArray content;
        for (int i = 0; i < 1100; ++i)
            content += "$L," + QByteArray::number(i) + "\r\n";
        Replay replay(0, RAWDATA_SENTENCE);
        replay.open(writeFile(content), 100, 0);
        replay.log->replayLog();
        QCOMPARE(replay.tick().size(), 1 << CLogListener::MaxReplaySpeed);
        QCOMPARE(replay.tick().size(), 1100 - (1 << CLogListener::MaxReplaySpeed));
    }

    // The loop flag may be set from another thread while the replay runs. The setter waits for
    // the tick through a relaxed flag, which orders nothing for a race checker: only the
    // listener's lock can order the tick's read before the write.
    void loopSetFromAnotherThread()
    {
        Replay replay(0, RAWDATA_SENTENCE);
        replay.open(writeFile("$A,1\r\n"), 0, 0);
        replay.log->replayLog();
        std::atomic<bool> ticked{false};
        std::thread setter([&replay, &ticked] {
            while (!ticked.load(std::memory_order_relaxed))
                std::this_thread::yield();
            replay.log->setReplayLoop(true);
        });
        replay.tick();
        ticked.store(true, std::memory_order_relaxed);
        setter.join();
        for (int i = 0; i < 3; ++i)
            replay.tick();
        QCOMPARE(replay.log->getOperation(), REPLAY_PLAY);
    }

    // A close request while playing stops at the next tick instead of reading a closed file.
    void closeRequestWhilePlaying()
    {
        const QString path = writeFile("$A,1\r\n$B,2\r\n");
        Replay replay(0, RAWDATA_SENTENCE);
        replay.open(path, 0, 0);
        replay.log->replayLog();
        QCOMPARE(replay.tick(), QByteArrayList{"$A,1\r\n"});
        replay.takeStates();
        replay.log->setNewSetting(CLogListener::CloseFilePath, 0, 0, 0);
        QCOMPARE(replay.tick(), QByteArrayList());
        QCOMPARE(replay.log->getCurrentPath(), std::string());
        QCOMPARE(replay.takeStates(), QList<int>{REPLAY_STOP});
        replay.log->replayLog();
        QCOMPARE(replay.log->getOperation(), REPLAY_STOP);  // no file: stays stopped

        // Opening a file from stop plays it; opening another while one is open stops, then plays
        // the new one.
        replay.takeStates();
        QCOMPARE(replay.open(path, 0, 0), QByteArrayList{"$A,1\r\n"});
        QCOMPARE(replay.takeStates(), QList<int>{REPLAY_PLAY});
        const QString second = writeFile("$C,3\r\n");
        QCOMPARE(replay.open(second, 0, 0), QByteArrayList{"$C,3\r\n"});
        QCOMPARE(replay.takeStates(), (QList<int>{REPLAY_STOP, REPLAY_PLAY}));
        QCOMPARE(replay.log->getCurrentPath(), second.toStdString());

        replay.log->setNewSetting(m_dir.filePath("missing").toStdString(), 0, 0, 0);
        replay.tick();
        QCOMPARE(replay.log->getCurrentPath(), std::string());
        QVERIFY(LogCapture::take().contains("openFile [W]Log file " + m_dir.filePath("missing") +
                                            " cannot be opened."));
    }

    void playPauseToggle_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("fileOpen");
        QTest::addColumn<int>("to");
        QTest::newRow("off") << int(REPLAY_OFF) << false << int(REPLAY_STOP);
        QTest::newRow("stop without a file") << int(REPLAY_STOP) << false << int(REPLAY_STOP);
        QTest::newRow("stop with a file") << int(REPLAY_STOP) << true << int(REPLAY_PLAY);
        QTest::newRow("play") << int(REPLAY_PLAY) << true << int(REPLAY_PAUSE);
        QTest::newRow("pause") << int(REPLAY_PAUSE) << true << int(REPLAY_PLAY);
    }

    void playPauseToggle()
    {
        QFETCH(int, from);
        QFETCH(bool, fileOpen);
        QFETCH(int, to);
        Replay replay(0, RAWDATA_SENTENCE);
        if (fileOpen)
            QVERIFY(replay.log->openFile(writeFile("$A,1\r\n").toStdString()));
        replay.log->setOperation(LOG_REPLAY_PLAY_OP(from));
        replay.takeStates();
        replay.log->replayLog();
        QCOMPARE(replay.takeStates(), QList<int>{to});
    }

    // Binary records are paced by their time stamps against the clock, one tick length apart.
    void recordsFollowTheClock()
    {
        RecordFileReader reader;
        const QString path = writeFile(RecordFileReader::record(RAWDATA_BIN, 1000, "one") +
                                       RecordFileReader::record(RAWDATA_BIN, 1100, "two") +
                                       RecordFileReader::record(RAWDATA_SENTENCE, 1150, "$S,3") +
                                       RecordFileReader::record(RAWDATA_BIN, 1200, "four"));
        Replay replay(SENSOR_NOT_CONNECTED, RAWDATA_BIN);
        QCOMPARE(replay.log->getOperation(), REPLAY_PAUSE);
        replay.log->setService(&reader);
        Portal::Time::SetFakeClock(50000);
        replay.log->setNewReplaySpeed(0, ByHand, 100);
        replay.log->setNewSetting(path.toStdString(), 0, 0, 0);

        // The first record is late: fed with the next, which is on time.
        QCOMPARE(replay.tick(), (QByteArrayList{"one", "two"}));
        QCOMPARE(replay.takeStates(), QList<int>{REPLAY_PLAY});
        QCOMPARE(replay.tick(), QByteArrayList());  // the same tick of the clock
        Portal::Time::SetFakeClock(50150);
        QCOMPARE(replay.tick(), (QByteArrayList{"$S,3\r\n", "four"}));
        Portal::Time::SetFakeClock(50250);
        QCOMPARE(replay.tick(), QByteArrayList());  // the end: the file starts again
        Portal::Time::SetFakeClock(50350);
        QCOMPARE(replay.tick(), (QByteArrayList{"one", "two"}));
    }

    void oversizedRecords_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("fed");
        const int room = CLogListener::RecordSize;
        QTest::newRow("sentence that fits with CR LF") << int(RAWDATA_SENTENCE) << room - 3 << true;
        QTest::newRow("sentence one byte over") << int(RAWDATA_SENTENCE) << room - 2 << false;
        QTest::newRow("binary that fits") << int(RAWDATA_BIN) << room - 1 << true;
        QTest::newRow("binary one byte over") << int(RAWDATA_BIN) << room << false;
    }

    // A record too large for the buffer is skipped with a log line and the next one is fed.
    // Without a tick length every timer tick is a step.
    void oversizedRecords()
    {
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(bool, fed);
        RecordFileReader reader;
        const QByteArray big(size, 'b');
        const QString path =
            writeFile(RecordFileReader::record(type, 0, big) + RecordFileReader::record(RAWDATA_BIN, 0, "next"));
        Replay replay(SENSOR_NOT_CONNECTED, RAWDATA_BIN);
        replay.log->setService(&reader);
        replay.log->setNewReplaySpeed(0, ByHand, 0);
        replay.log->setNewSetting(path.toStdString(), 0, 0, 0);

        QByteArrayList records = replay.tick();
        if (records.size() < 2)
            records += replay.tick();
        const QByteArray expectedBig = type == RAWDATA_SENTENCE ? big + "\r\n" : big;
        const QByteArrayList expected = fed ? QByteArrayList{expectedBig, "next"} : QByteArrayList{"next"};
        QCOMPARE(records, expected);
        const QStringList skipped = LogCapture::take().filter("replayRecords");
        QCOMPARE(skipped.size(), fed ? 0 : 1);
    }

    void extensionType_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<int>("kind");
        QTest::newRow("txt") << "txt" << 1;
        QTest::newRow("TXT") << "TXT" << 1;
        QTest::newRow("LOG") << "LOG" << 2;
        QTest::newRow("mixed case") << "Txt" << 0;
        QTest::newRow("other") << "csv" << 0;
    }

    void extensionType()
    {
        QFETCH(QString, extension);
        QFETCH(int, kind);
        QCOMPARE(CLogListener::convtExtensonType(extension.toStdString()), kind);
    }
};

QTEST_GUILESS_MAIN(TestLogListener)
#include "tst_loglistener.moc"
