#include "LogCapture.h"
#include "comm/CServiceComm.h"
#include "support/PortalTime.h"

#include <QSignalSpy>
#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>

using namespace COMM;

namespace {

// A transport whose link is a list: what it "writes" is recorded with the clock of the write.
class FakeTransport : public CServiceComm
{
public:
    explicit FakeTransport(RAWDATA_TYPE type, bool splitLines = false)
        : CServiceComm(settingWithSplit(splitLines), type)
    {
        setCommType(COMM_TYPE_SERIAL);
        setEnable(false);
    }

    SCommConntProfile getProfile() override { return SCommConntProfile(); }

    bool commTxPackageSender(STxPackage package) override
    {
        sent << QByteArray(package.data, package.len);
        sentAt << qint64(Portal::Time::Clock());
        return writeOk;
    }

    QByteArrayList sent;
    QList<qint64> sentAt;
    bool writeOk = true;

private:
    static COMM_CONNT_SETTING settingWithSplit(bool split)
    {
        COMM_CONNT_SETTING setting = BuildConntLink(0, U"fake", PRIMARY_POS_UNDEFINED, true);
        setting.splitLines = split;
        return setting;
    }
};

// An enabled transport whose queue only moves when the test ticks it.
std::unique_ptr<FakeTransport> makeLink(RAWDATA_TYPE type = RAWDATA_SENTENCE)
{
    auto link = std::make_unique<FakeTransport>(type);
    link->timerSetup(false);
    link->setEnable(true);
    return link;
}

STxPackage package(const QByteArray& text, int spacing = STxPackage::DefaultSpacing)
{
    STxPackage p;
    p.setData(text.constData(), size_t(text.size()));
    p.spacing = spacing;
    return p;
}

void tickAt(CServiceComm& link, qint64 clock)
{
    Portal::Time::SetFakeClock(quint64(clock));
    link.onTxDataTimer();
}

QByteArrayList drainSentences(CRawDataHandle* handle)
{
    QByteArrayList lines;
    std::string line;
    while (handle->queueNextSentence(&line))
        lines << QByteArray::fromStdString(line);
    return lines;
}

} // namespace

class TestServiceComm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }
    void init()
    {
        Portal::Time::SetFakeClock(1000);
        LogCapture::take();
    }
    void cleanup() { Portal::Time::ClearFakeClock(); }

    void pacing_data()
    {
        QTest::addColumn<qint64>("start");
        QTest::addColumn<QList<int>>("spacings");
        QTest::addColumn<QList<qint64>>("sentAt");

        QTest::newRow("spacing 0 leaves on the same tick") << qint64(1000) << QList<int>{100, 0}
                                                            << QList<qint64>{1000, 1000};
        QTest::newRow("spacing 100 leaves on the next tick") << qint64(1000) << QList<int>{100, 100}
                                                              << QList<qint64>{1000, 1100};
        QTest::newRow("spacing 200 waits two ticks")
            << qint64(1000) << QList<int>{100, 200, 200} << QList<qint64>{1000, 1200, 1400};
        QTest::newRow("mixed") << qint64(1000) << QList<int>{100, 0, 100, 0}
                               << QList<qint64>{1000, 1000, 1100, 1100};
        QTest::newRow("negative spacing counts as 0") << qint64(1000) << QList<int>{100, -1}
                                                       << QList<qint64>{1000, 1000};
        QTest::newRow("first package waits until the clock reaches its spacing")
            << qint64(30) << QList<int>{100} << QList<qint64>{130};
    }

    void pacing()
    {
        QFETCH(qint64, start);
        QFETCH(QList<int>, spacings);
        QFETCH(QList<qint64>, sentAt);

        auto link = makeLink();
        for (int i = 0; i < spacings.size(); ++i) {
            STxPackage p = package(QByteArray::number(i), spacings[i]);
            link->appendToTxPackageQ(p, true);
        }
        for (qint64 t = start; t <= start + 1000; t += CServiceComm::TxTimerInterval)
            tickAt(*link, t);
        QCOMPARE(link->sentAt, sentAt);
        QVERIFY(!link->isTxRequest());
    }

    void awaitedReply_data()
    {
        QTest::addColumn<bool>("firstWritten");
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<qint64>("heldAt");
        QTest::addColumn<qint64>("releasedAt");

        QTest::newRow("reply containing +ok") << true << QByteArray("AT+ok\r\n") << qint64(0) << qint64(1500);
        QTest::newRow("reply split over chunks") << true << QByteArray("+o") << qint64(21000) << qint64(21001);
        QTest::newRow("other reply, held to the time-out")
            << true << QByteArray("+ERR\r\n") << qint64(21000) << qint64(21001);
        QTest::newRow("no reply, held to the time-out") << true << QByteArray() << qint64(21000) << qint64(21001);
        QTest::newRow("failed send arms nothing") << false << QByteArray() << qint64(0) << qint64(1100);
    }

    // The first package awaits "+ok" for 20 s; the second must wait for that. A reply, when
    // there is one, arrives at 1450.
    void awaitedReply()
    {
        QFETCH(bool, firstWritten);
        QFETCH(QByteArray, received);
        QFETCH(qint64, heldAt);
        QFETCH(qint64, releasedAt);

        auto link = makeLink();
        STxPackage first = package("AT+CMD\r\n");
        first.response.timeout = 20000;
        first.response.setExpected("+ok");
        STxPackage second = package("next");
        link->appendToTxPackageQ(first, true);
        link->appendToTxPackageQ(second, true);
        link->writeOk = firstWritten;
        tickAt(*link, 1000);
        QCOMPARE(link->sent.size(), 1);
        link->writeOk = true;
        QCOMPARE(link->getRawDataHandle()->getResponsePass().sentTime, firstWritten ? 1000 : 0);

        if (firstWritten) {
            tickAt(*link, 1400);
            QCOMPARE(link->sent.size(), 1);
        }
        if (!received.isEmpty()) {
            Portal::Time::SetFakeClock(1450);
            link->rxPackageProc(received, false);
        }
        if (heldAt > 0) {
            tickAt(*link, heldAt);
            QCOMPARE(link->sent.size(), 1);
        }
        tickAt(*link, releasedAt);
        QCOMPARE(link->sent, (QByteArrayList{"AT+CMD\r\n", "next"}));
        QCOMPARE(link->getRawDataHandle()->getResponsePass().timeout, 0);
    }

    void checkSame_data()
    {
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<bool>("checkSame");
        QTest::addColumn<bool>("sent");
        QTest::newRow("equal to the last sent") << QByteArray("$ABC") << true << false;
        QTest::newRow("empty") << QByteArray() << true << false;
        QTest::newRow("different") << QByteArray("$ABD") << true << true;
        QTest::newRow("longer") << QByteArray("$ABCD") << true << true;
        QTest::newRow("equal, flag off") << QByteArray("$ABC") << false << true;
    }

    // A dropped package is neither sent nor traced nor timed.
    void checkSame()
    {
        QFETCH(QByteArray, second);
        QFETCH(bool, checkSame);
        QFETCH(bool, sent);

        auto link = makeLink();
        link->setDebugConfig({true, SDebugConfig::TraceSent});
        STxPackage first = package("$ABC");
        STxPackage next = package(second, 0);
        next.checkSame = checkSame;
        link->appendToTxPackageQ(first, true);
        link->appendToTxPackageQ(next, true);
        tickAt(*link, 1000);
        QVERIFY(!link->isTxRequest());
        QCOMPARE(link->sent.size(), sent ? 2 : 1);
        QCOMPARE(LogCapture::take().size(), sent ? 2 : 1);
    }

    void trace_data()
    {
        QTest::addColumn<bool>("asText");
        QTest::addColumn<bool>("sending");
        QTest::addColumn<bool>("writeOk");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line");

        QTest::newRow("sent, hex") << false << true << true << QByteArray("$A") << "printMsg send 24 41 ";
        QTest::newRow("sent, text") << true << true << true << QByteArray("$A,1") << "printMsg send $A,1";
        QTest::newRow("not sent, hex") << false << true << false << QByteArray("$A")
                                       << "printMsg failed to send 24 41 ";
        QTest::newRow("received, text to the NUL")
            << true << false << true << QByteArray("$GP\0XX", 6) << "printMsg receive $GP";
        QTest::newRow("received, hex") << false << false << true << QByteArray("\x00\xff", 2)
                                       << "printMsg receive 00 FF ";
    }

    void trace()
    {
        QFETCH(bool, asText);
        QFETCH(bool, sending);
        QFETCH(bool, writeOk);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);

        auto link = makeLink();
        link->writeOk = writeOk;
        link->setDebugConfig({asText, sending ? SDebugConfig::TraceSent : SDebugConfig::TraceReceived});
        if (sending) {
            STxPackage p = package(bytes);
            link->appendToTxPackageQ(p, true);
            tickAt(*link, 1000);
        } else {
            link->rxPackageProc(bytes, false);
        }
        QCOMPARE(LogCapture::take().filter(QRegularExpression(QStringLiteral("^printMsg "))), QStringList{line});
    }

    void receiveFiling_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<bool>("filed");

        QTest::newRow("message 1") << 1 << true << "message" << true;
        QTest::newRow("message 3") << 3 << true << "message" << true;
        QTest::newRow("sentence") << 4 << true << "sentence" << true;
        QTest::newRow("binary") << 5 << true << "binary" << true;
        QTest::newRow("command") << 6 << true << "command" << true;
        QTest::newRow("unknown type") << 7 << true << "" << false;
        QTest::newRow("message, disabled") << 3 << false << "message" << false;
        QTest::newRow("sentence, disabled") << 4 << false << "sentence" << false;
        QTest::newRow("binary, disabled") << 5 << false << "" << false;
        QTest::newRow("command, disabled") << 6 << false << "" << false;
    }

    void receiveFiling()
    {
        QFETCH(int, type);
        QFETCH(bool, enabled);
        QFETCH(QString, signal);
        QFETCH(bool, filed);

        auto link = makeLink(RAWDATA_TYPE(type));
        link->setEnable(enabled);
        QSignalSpy message(link.get(), &CServiceComm::signalRxMessage);
        QSignalSpy sentence(link.get(), &CServiceComm::signalRxSentence);
        QSignalSpy binary(link.get(), &CServiceComm::signalRxBinData);
        QSignalSpy command(link.get(), &CServiceComm::signalRxCmdData);
        link->rxPackageProc("$A,1\r\n", false);

        QCOMPARE(message.count(), signal == "message" ? 1 : 0);
        QCOMPARE(sentence.count(), signal == "sentence" ? 1 : 0);
        QCOMPARE(binary.count(), signal == "binary" ? 1 : 0);
        QCOMPARE(command.count(), signal == "command" ? 1 : 0);
        for (QSignalSpy* spy : {&message, &sentence, &binary, &command}) {
            if (!spy->isEmpty()) {
                QCOMPARE(spy->first().at(0).value<void*>(), static_cast<void*>(link.get()));
                if (spy->first().size() > 1)
                    QCOMPARE(spy->first().at(1).value<char>(), char(COMM_TYPE_SERIAL));
            }
        }

        CRawDataHandle* handle = link->getRawDataHandle();
        QByteArray chunk;
        const bool textType = type >= 1 && type <= 4;
        QCOMPARE(handle->queueNextLogMsg(&chunk), filed && textType);
        QCOMPARE(handle->queueNextMessage(nullptr), filed && type <= 3);
        QCOMPARE(handle->queueNextSentence(nullptr), filed && type == 4);
        QCOMPARE(handle->queueNextBinData(nullptr), filed && type == 5);
        QCOMPARE(handle->queueNextCmdData(nullptr), filed && type == 6);
    }

    void moreChunksSignalOnceAtTheEnd()
    {
        auto link = makeLink();
        QSignalSpy sentence(link.get(), &CServiceComm::signalRxSentence);
        link->rxPackageProc("$A,1\r\n$B", true);
        QCOMPARE(sentence.count(), 0);
        link->rxPackageProc(",2\r\n", false);
        QCOMPARE(sentence.count(), 1);
        QCOMPARE(drainSentences(link->getRawDataHandle()), (QByteArrayList{"$A,1\r\n", "$B,2\r\n"}));
    }

    void emptyChunkOnlyUpdatesTheReceiveTime()
    {
        auto link = makeLink();
        link->setDebugConfig({true, SDebugConfig::TraceReceived});
        QSignalSpy sentence(link.get(), &CServiceComm::signalRxSentence);
        Portal::Time::SetFakeClock(4242);
        link->rxPackageProc(QByteArray(), false);
        QCOMPARE(link->getLastRxClock(), 4242);
        QCOMPARE(sentence.count(), 0);
        QVERIFY(!link->getRawDataHandle()->queueNextLogMsg(nullptr));
        QVERIFY(LogCapture::take().isEmpty());
    }

    void splitFlagCutsMessages()
    {
        FakeTransport link(RAWDATA_MSG_3, true);
        link.setEnable(true);
        link.rxPackageProc("+ok\r\nAT\n", false);
        QByteArray message;
        QVERIFY(link.getRawDataHandle()->queueNextMessage(&message));
        QCOMPARE(message, QByteArray("+ok\r\n"));
        QVERIFY(link.getRawDataHandle()->queueNextMessage(&message));
        QCOMPARE(message, QByteArray("AT\r\n"));
    }

    void disabledTransportIgnoresAppends()
    {
        auto link = makeLink();
        link->setEnable(false);
        STxPackage p = package("$A");
        link->appendToTxPackageQ(p, true);
        QVERIFY(!link->isTxRequest());
    }

    void appendAtTheFront()
    {
        auto link = makeLink();
        STxPackage back = package("back", 0);
        STxPackage front = package("front", 0);
        link->appendToTxPackageQ(back, true);
        link->appendToTxPackageQ(front, false);
        tickAt(*link, 1000);
        QCOMPARE(link->sent, (QByteArrayList{"front", "back"}));
    }

    // Fields that claim more than their room are cut where the package enters the queue.
    void oversizePackageIsCut()
    {
        auto link = makeLink();
        const QByteArray big(700, 'b');
        STxPackage p;
        QCOMPARE(p.setData(big.constData(), size_t(big.size())), size_t(STxPackage::DataSize));
        p.len = 600;
        p.response.timeout = 500;
        std::fill(std::begin(p.response.expected), std::end(p.response.expected), 'k');
        link->appendToTxPackageQ(p, true);
        tickAt(*link, 1000);
        QCOMPARE(link->sent, QByteArrayList{QByteArray(STxPackage::DataSize, 'b')});
        QCOMPARE(LogCapture::take(), (QStringList{"appendToTxPackageQ [W]package length 600 cut to 512",
                                                  "appendToTxPackageQ [W]expected reply cut to 127 characters"}));

        const QByteArray expected = link->getRawDataHandle()->getResponsePass().expected;
        QCOMPARE(expected, QByteArray(127, 'k'));
        link->rxPackageProc(expected + "\r\n", false);
        QCOMPARE(link->getRawDataHandle()->getResponsePass().timeout, 0);
    }

    void reset_data()
    {
        QTest::addColumn<bool>("fromOtherThread");
        QTest::newRow("own thread") << false;
        QTest::newRow("other thread") << true;
    }

    // From another thread the request waits for the next tick, which then sends nothing.
    void reset()
    {
        QFETCH(bool, fromOtherThread);
        auto link = makeLink();
        STxPackage first = package("first");
        first.response.timeout = 20000;
        STxPackage second = package("second", 0);
        link->appendToTxPackageQ(first, true);
        link->appendToTxPackageQ(second, true);
        tickAt(*link, 1000);
        QCOMPARE(link->getRawDataHandle()->getResponsePass().timeout, 20000);

        if (fromOtherThread) {
            std::thread([&] { link->reset(); }).join();
            QVERIFY(link->isTxRequest());
            tickAt(*link, 30000);
        } else {
            link->reset();
        }
        QVERIFY(!link->isTxRequest());
        QCOMPARE(link->getRawDataHandle()->getResponsePass().timeout, 0);
        STxPackage third = package("third", 0);
        link->appendToTxPackageQ(third, true);
        tickAt(*link, 30100);
        QCOMPARE(link->sent, (QByteArrayList{"first", "third"}));
    }

    void appendsFromAnotherThreadKeepTheirOrder()
    {
        auto link = makeLink();
        constexpr int count = 500;
        std::thread producer([&] {
            for (int i = 0; i < count; ++i) {
                STxPackage p = package(QByteArray::number(i), 0);
                link->appendToTxPackageQ(p, true);
            }
        });
        QDeadlineTimer deadline(10000);
        while (link->sent.size() < count && !deadline.hasExpired())
            link->onTxDataTimer();
        producer.join();
        QCOMPARE(link->sent.size(), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(link->sent[i], QByteArray::number(i));
    }

    // The device protocol answers the device from its receive slot, which runs inside the
    // transport's receive entry: queueing the answer there must not wait for the transport
    // (before the queue had a lock of its own this call never returned).
    void receiveSlotAnswersTheDevice()
    {
        auto link = makeLink();
        FakeTransport* raw = link.get();
        connect(
            raw, &CServiceComm::signalRxSentence, raw,
            [raw] {
                std::string line;
                while (raw->getRawDataHandle()->queueNextSentence(&line)) {
                    STxPackage answer = package("ack " + QByteArray::fromStdString(line).trimmed(), 0);
                    raw->appendToTxPackageQ(answer, true);
                }
            },
            Qt::DirectConnection);
        link->rxPackageProc("$A,1\r\n$B,2\r\n", false);
        tickAt(*link, 1000);
        QCOMPARE(link->sent, (QByteArrayList{"ack $A,1", "ack $B,2"}));
    }

    // The GUI thread sets the trace and the position role while the communication thread
    // receives, sends and reads the role (a data race for ThreadSanitizer when they were
    // plain fields).
    void settingsChangeWhileTheLinkRuns()
    {
        auto link = makeLink();
        std::atomic<bool> done{false};
        std::thread gui([&] {
            for (int i = 0; !done; ++i) {
                link->setDebugConfig({i % 2 == 0, SDebugConfig::TraceReceived | SDebugConfig::TraceSent});
                link->setConntPrimaryPosDev(i % 2 == 0 ? PRIMARY_POS_YES : PRIMARY_POS_NO);
            }
        });
        for (int i = 0; i < 200; ++i) {
            link->rxPackageProc("$A,1\r\n", false);
            STxPackage p = package("$B", 0);
            link->appendToTxPackageQ(p, true);
            link->onTxDataTimer();
            const PRIMARY_POS_DEV role = link->getConntSetting().devPrimaryPos;
            QVERIFY(role == PRIMARY_POS_YES || role == PRIMARY_POS_NO || role == PRIMARY_POS_UNDEFINED);
        }
        done = true;
        gui.join();
        link->setConntPrimaryPosDev(PRIMARY_POS_NO);
        link->setDebugConfig({true, SDebugConfig::TraceSent});
        QCOMPARE(link->getConntSetting().devPrimaryPos, PRIMARY_POS_NO);
        QCOMPARE(link->getDebugConfig().msgOut, SDebugConfig::TraceSent);
        QCOMPARE(link->sent.size(), 200);
        LogCapture::take();
    }

    void timerDrivesTheQueue()
    {
        FakeTransport link(RAWDATA_SENTENCE);
        link.setEnable(true);
        STxPackage p = package("$A");
        link.appendToTxPackageQ(p, true);
        QTRY_COMPARE(link.sent.size(), 1);
    }

    void onlyLastRuns_data()
    {
        QTest::addColumn<QList<bool>>("onlyLast");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QByteArray>("taken");
        QTest::addColumn<int>("left");
        QTest::newRow("empty queue") << QList<bool>{} << true << QByteArray() << 0;
        QTest::newRow("head is a plain package") << QList<bool>{false, true} << true << QByteArray() << 2;
        QTest::newRow("run before a plain package") << QList<bool>{true, true, false} << true << QByteArray("1")
                                                   << 1;
        QTest::newRow("run to the end keeps its last") << QList<bool>{true, true} << false << QByteArray("0") << 1;
    }

    void onlyLastRuns()
    {
        QFETCH(QList<bool>, onlyLast);
        QFETCH(bool, result);
        QFETCH(QByteArray, taken);
        QFETCH(int, left);

        auto link = makeLink();
        for (int i = 0; i < onlyLast.size(); ++i) {
            STxPackage p = package(QByteArray::number(i));
            p.onlyLast = onlyLast[i];
            link->appendToTxPackageQ(p, true);
        }
        STxPackage out;
        QCOMPARE(link->queueSerialPackageLast(&out), result);
        QCOMPARE(QByteArray(out.data, out.len), taken);
        int n = 0;
        while (link->queueNextTxPackage(nullptr, true))
            ++n;
        QCOMPARE(n, left);
    }
};

QTEST_GUILESS_MAIN(TestServiceComm)
#include "tst_servicecomm.moc"
