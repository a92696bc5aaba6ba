#include "LogCapture.h"
#include "comm/CRawDataHandle.h"

#include <QtTest>
#include <functional>

using COMM::CRawDataHandle;
using COMM::SResponseInform;

using Append = std::function<void(CRawDataHandle&, const QByteArray&)>;
using Count = std::function<int(CRawDataHandle&)>;
Q_DECLARE_METATYPE(Append)
Q_DECLARE_METATYPE(Count)

namespace {

using Chunks = QList<QByteArray>;

QByteArrayList cutAll(CRawDataHandle& handle, const Chunks& chunks)
{
    QByteArrayList lines;
    for (const QByteArray& chunk : chunks)
        for (const std::string& line : handle.retrieveString(chunk.toStdString()))
            lines << QByteArray::fromStdString(line);
    return lines;
}

QByteArrayList drainSentences(CRawDataHandle& handle)
{
    QByteArrayList lines;
    std::string line;
    while (handle.queueNextSentence(&line))
        lines << QByteArray::fromStdString(line);
    return lines;
}

QByteArrayList drainMessages(CRawDataHandle& handle)
{
    QByteArrayList messages;
    QByteArray message;
    while (handle.queueNextMessage(&message))
        messages << message;
    return messages;
}

SResponseInform awaiting(const char* expected, int timeout)
{
    SResponseInform reply;
    reply.timeout = timeout;
    reply.setExpected(expected);
    return reply;
}

} // namespace

class TestRawDataHandle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }
    void init() { LogCapture::take(); }

    void lineCutting_data()
    {
        QTest::addColumn<Chunks>("chunks");
        QTest::addColumn<QByteArrayList>("lines");

        QTest::newRow("partial sentence carried into the next chunk")
            << Chunks{"$GPGGA,1\r\n$GPRMC", ",2\r\n"} << QByteArrayList{"$GPGGA,1\r\n", "$GPRMC,2\r\n"};
        QTest::newRow("CR LF endings") << Chunks{"A\r\nB\r\n"} << QByteArrayList{"A\r\n", "B\r\n"};
        QTest::newRow("LF-only endings") << Chunks{"A\nB\n"} << QByteArrayList{"A\n", "B\n"};
        QTest::newRow("CR-only endings") << Chunks{"A\rB\r"} << QByteArrayList{"A\r", "B\r"};
        QTest::newRow("a later CR LF wins over a lone LF") << Chunks{"A\nB\r\n"} << QByteArrayList{"A\nB\r\n"};
        QTest::newRow("a later LF wins over a lone CR") << Chunks{"A\rB\n"} << QByteArrayList{"A\rB\n"};
        QTest::newRow("chunk split between CR and LF, then a sentence")
            << Chunks{"$A,1\r", "\n$B,2\r\n"} << QByteArrayList{"$A,1\r", "$B,2\r\n"};
        QTest::newRow("chunk split between CR and LF, LF alone")
            << Chunks{"X\r", "\n", "Y\r\n"} << QByteArrayList{"X\r", "Y\r\n"};
        QTest::newRow("only one LF is taken as the CR's partner")
            << Chunks{"X\r", "\n\nY\n"} << QByteArrayList{"X\r", "\n", "Y\n"};
        QTest::newRow("a leading LF after an LF line is a line")
            << Chunks{"X\n", "\nY\n"} << QByteArrayList{"X\n", "\n", "Y\n"};
        QTest::newRow("a leading LF after a CR inside the chunk is kept")
            << Chunks{"A\rB", "\nC\n"} << QByteArrayList{"A\r", "B\n", "C\n"};
        QTest::newRow("no line end stays in the buffer") << Chunks{"abc", "def", "\r\n"}
                                                         << QByteArrayList{"abcdef\r\n"};
        QTest::newRow("a chunk of only CR LF") << Chunks{"\r\n"} << QByteArrayList{"\r\n"};
        QTest::newRow("NUL byte drops its line, nothing is spliced")
            << Chunks{QByteArray("A\r\nB\0C\r\n", 8), "D\r\n"} << QByteArrayList{"A\r\n", "D\r\n"};
        QTest::newRow("NUL byte right after a line") << Chunks{QByteArray("A\r\n\0B\r\n", 7), "C\r\n"}
                                                     << QByteArrayList{"A\r\n", "C\r\n"};
        QTest::newRow("NUL byte in a carried line")
            << Chunks{"$GPGGA,1", QByteArray("2\0,3\r\n$GPRMC\r\n", 15)} << QByteArrayList{"$GPRMC\r\n"};
        QTest::newRow("NUL byte in a line not yet ended")
            << Chunks{QByteArray("$A\r\n$B\0x", 9), "yz\r\n$C\r\n"} << QByteArrayList{"$A\r\n", "$C\r\n"};
        QTest::newRow("NUL byte in a line ended by a CR that ends the chunk")
            << Chunks{QByteArray("$B\0x\r", 5), "\n$C\r\n"} << QByteArrayList{"$C\r\n"};
        QTest::newRow("NUL line after a CR line: the CR is not joined to a later LF")
            << Chunks{QByteArray("$A\rx\0y\n$B\r\n", 12)} << QByteArrayList{"$A\r", "$B\r\n"};
        QTest::newRow("NUL line after an LF line: a later CR LF does not take it in")
            << Chunks{QByteArray("$A\nx\0\n$B\r\n", 11)} << QByteArrayList{"$A\n", "$B\r\n"};
        QTest::newRow("several NUL bytes") << Chunks{QByteArray("\0\0$A\r\n\0\n$B\r\n", 13)}
                                           << QByteArrayList{"$B\r\n"};
    }

    void lineCutting()
    {
        QFETCH(Chunks, chunks);
        QFETCH(QByteArrayList, lines);
        CRawDataHandle handle;
        QCOMPARE(cutAll(handle, chunks), lines);
    }

    void sentencePathKeepsLinesAsCut()
    {
        CRawDataHandle handle;
        handle.appendToSentQ("A\r\n\r\nB\r");
        QCOMPARE(drainSentences(handle), (QByteArrayList{"A\r\n", "\r\n", "B\r"}));
    }

    // Lines come out in the order they came, however appends and takes interleave: the queue
    // wraps round and grows while wrapped, and long lines pass among short ones.
    void sentenceQueueKeepsOrder()
    {
        CRawDataHandle handle;
        QByteArrayList expected;
        QByteArrayList taken;
        std::string line;
        int next = 0;
        for (int round = 0; round < 40; ++round) {
            QByteArray chunk;
            for (int i = 0; i <= round % 7; ++i) {
                const QByteArray filler = round % 3 == 0 ? QByteArray(300, 'x') : QByteArray();
                expected << "$L," + QByteArray::number(next++) + filler + "\r\n";
                chunk += expected.last();
            }
            handle.appendToSentQ(chunk);
            for (int i = 0; i < round % 4 && handle.queueNextSentence(&line); ++i)
                taken << QByteArray::fromStdString(line);
        }
        QCOMPARE(taken + drainSentences(handle), expected);
    }

    void messagePath_data()
    {
        QTest::addColumn<bool>("split");
        QTest::addColumn<Chunks>("chunks");
        QTest::addColumn<QByteArrayList>("messages");

        QTest::newRow("without split a chunk is one message")
            << false << Chunks{"A\r\nB\r\n", "C"} << QByteArrayList{"A\r\nB\r\n", "C"};
        QTest::newRow("split lines end in CR LF, empty lines dropped")
            << true << Chunks{"a\n\nb\r", "c\r\n"} << QByteArrayList{"a\r\n", "b\r\n", "c\r\n"};
        QTest::newRow("split, CR line completed, its LF in the next chunk")
            << true << Chunks{"+ok\r", "\n"} << QByteArrayList{"+ok\r\n"};
    }

    void messagePath()
    {
        QFETCH(bool, split);
        QFETCH(Chunks, chunks);
        QFETCH(QByteArrayList, messages);
        CRawDataHandle handle;
        for (const QByteArray& chunk : chunks)
            handle.appendToMsgQ(chunk, split);
        QCOMPARE(drainMessages(handle), messages);
    }

    void completeLineEnd_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("completed");
        QTest::newRow("bare") << QByteArray("abc") << QByteArray("abc\r\n");
        QTest::newRow("CR") << QByteArray("abc\r") << QByteArray("abc\r\n");
        QTest::newRow("LF") << QByteArray("abc\n") << QByteArray("abc\r\n");
        QTest::newRow("CR LF inside stays") << QByteArray("a\r\nb") << QByteArray("a\r\nb");
        QTest::newRow("empty") << QByteArray() << QByteArray("\r\n");
    }

    void completeLineEnd()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, completed);
        std::string text = line.toStdString();
        CRawDataHandle::completeLineEnd(text);
        QCOMPARE(QByteArray::fromStdString(text), completed);
    }

    void queueLimits_data()
    {
        QTest::addColumn<Append>("append");
        QTest::addColumn<Count>("drain");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QByteArray>("last");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("warning");

        const auto drainBytes = [](bool (CRawDataHandle::*pop)(QByteArray*)) {
            return Count([pop](CRawDataHandle& h) {
                int n = 0;
                while ((h.*pop)(nullptr))
                    ++n;
                return n;
            });
        };
        QTest::newRow("log") << Append([](CRawDataHandle& h, const QByteArray& c) { h.appendToLogMsgQ(c); })
                             << drainBytes(&CRawDataHandle::queueNextLogMsg) << 1000 << QByteArray("x") << 1
                             << "appendToLogMsgQ [W]many log messages dosn't process in queue";
        QTest::newRow("message") << Append([](CRawDataHandle& h, const QByteArray& c) { h.appendToMsgQ(c, false); })
                                 << drainBytes(&CRawDataHandle::queueNextMessage) << 1000 << QByteArray("x") << 1
                                 << "appendToMsgQ [W]many messages dosn't process in queue";
        QTest::newRow("sentence, overflowing chunk brings two lines")
            << Append([](CRawDataHandle& h, const QByteArray& c) { h.appendToSentQ(c); })
            << Count([](CRawDataHandle& h) { return int(drainSentences(h).size()); }) << 1000
            << QByteArray("$A\r\n$B\r\n") << 2 << "appendToSentQ [W]many sentence dosn't process in queue";
        QTest::newRow("binary") << Append([](CRawDataHandle& h, const QByteArray& c) { h.appendToBinQ(c); })
                                << drainBytes(&CRawDataHandle::queueNextBinData) << 1000 << QByteArray("x") << 1
                                << "appendToBinQ [W]many binaray datas dosn't process in queue";
        QTest::newRow("command") << Append([](CRawDataHandle& h, const QByteArray& c) { h.appendToCmdQ(c); })
                                 << drainBytes(&CRawDataHandle::queueNextCmdData) << 100 << QByteArray("x") << 1
                                 << "appendToCmdQ [W]many command datas dosn't process in queue";
    }

    // The limit-th element is accepted; the next append empties the queue and keeps only
    // what it brings. A wrong limit in either direction leaves another count behind.
    void queueLimits()
    {
        QFETCH(Append, append);
        QFETCH(Count, drain);
        QFETCH(int, limit);
        QFETCH(QByteArray, last);
        QFETCH(int, left);
        QFETCH(QString, warning);

        CRawDataHandle handle;
        for (int i = 0; i < limit; ++i)
            append(handle, "L\n");
        QVERIFY(LogCapture::take().isEmpty());
        append(handle, last);
        QCOMPARE(drain(handle), left);
        QCOMPARE(LogCapture::take(), QStringList{warning});
    }

    void oneChunkOfManyLinesStaysBounded_data()
    {
        QTest::addColumn<bool>("sentences");
        QTest::addColumn<QString>("warning");
        QTest::newRow("sentence") << true << "appendToSentQ [W]many sentence dosn't process in queue";
        QTest::newRow("message, split") << false << "appendToMsgQ [W]many messages dosn't process in queue";
    }

    // The limit holds per line: a chunk of 2,500 lines empties the queue each time it is full
    // and leaves the newest 500.
    void oneChunkOfManyLinesStaysBounded()
    {
        QFETCH(bool, sentences);
        QFETCH(QString, warning);
        QByteArray chunk;
        for (int i = 0; i < 2500; ++i)
            chunk += "$L," + QByteArray::number(i) + "\r\n";
        CRawDataHandle handle;
        if (sentences)
            handle.appendToSentQ(chunk);
        else
            handle.appendToMsgQ(chunk, true);
        const QByteArrayList left = sentences ? drainSentences(handle) : drainMessages(handle);
        QCOMPARE(left.size(), 500);
        QCOMPARE(left.first(), QByteArray("$L,2000\r\n"));
        QCOMPARE(left.last(), QByteArray("$L,2499\r\n"));
        QCOMPARE(LogCapture::take(), (QStringList{warning, warning}));
    }

    void overlongLineIsDroppedToItsEnd_data()
    {
        QTest::addColumn<Chunks>("chunks");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<bool>("dropped");
        const QByteArray big(int(CRawDataHandle::LineBufferLimit) + 1, 'x');
        const QByteArray fits(int(CRawDataHandle::LineBufferLimit), 'x');

        QTest::newRow("line end in the next chunk")
            << Chunks{big, "tail\r\n$OK,1\r\n"} << QByteArrayList{"$OK,1\r\n"} << true;
        QTest::newRow("line end chunks later, split between CR and LF")
            << Chunks{big, "more", "x\r", "\n$OK,1\r\n"} << QByteArrayList{"$OK,1\r\n"} << true;
        QTest::newRow("a line that just fits is kept") << Chunks{fits, "\n"} << QByteArrayList{fits + "\n"} << false;
        QTest::newRow("line over the room within one chunk")
            << Chunks{big + "\r\n$OK,1\r\n"} << QByteArrayList{"$OK,1\r\n"} << true;
        QTest::newRow("a line that just fits within one chunk is kept")
            << Chunks{fits + "\r\n"} << QByteArrayList{fits + "\r\n"} << false;
    }

    void overlongLineIsDroppedToItsEnd()
    {
        QFETCH(Chunks, chunks);
        QFETCH(QByteArrayList, lines);
        QFETCH(bool, dropped);
        CRawDataHandle handle;
        QCOMPARE(cutAll(handle, chunks), lines);
        const QStringList log = LogCapture::take();
        QCOMPARE(log.size(), dropped ? 1 : 0);
        if (dropped)
            QVERIFY2(log.first().startsWith("retrieveString [W]"), qPrintable(log.first()));
    }

    void awaitedReply_data()
    {
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("timeout");
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<bool>("cleared");

        QTest::newRow("line containing the text") << QByteArray("+ok") << 20000 << QByteArray("AT+ok,1\r\n") << true;
        QTest::newRow("other line") << QByteArray("+ok") << 20000 << QByteArray("+ERR\r\n") << false;
        QTest::newRow("text not yet complete") << QByteArray("+ok") << 20000 << QByteArray("+o") << false;
        QTest::newRow("empty text matches any line") << QByteArray() << 20000 << QByteArray("x\n") << true;
        QTest::newRow("nothing awaited") << QByteArray("+ok") << 0 << QByteArray("+ok\r\n") << false;
    }

    void awaitedReply()
    {
        QFETCH(QByteArray, expected);
        QFETCH(int, timeout);
        QFETCH(QByteArray, received);
        QFETCH(bool, cleared);

        CRawDataHandle handle;
        handle.setResponsePass(awaiting(expected.constData(), timeout), 1000);
        handle.appendToSentQ(received);
        QCOMPARE(handle.getResponsePass().timeout, cleared ? 0 : timeout);
        QCOMPARE(handle.getResponsePass().sentTime, cleared ? 0 : 1000);
    }

    void expectedTextWithoutTerminatorIsCut()
    {
        SResponseInform reply;
        reply.timeout = 100;
        std::fill(std::begin(reply.expected), std::end(reply.expected), 'k');
        CRawDataHandle handle;
        handle.setResponsePass(reply, 0);
        QCOMPARE(qstrlen(handle.getResponsePass().expected), uint(SResponseInform::ExpectedSize - 1));
        handle.appendToSentQ(QByteArray(SResponseInform::ExpectedSize - 1, 'k') + "\n");
        QCOMPARE(handle.getResponsePass().timeout, 0);
    }

    void replyTimesOutAfterItsTimeout()
    {
        CRawDataHandle handle;
        handle.setResponsePass(awaiting("+ok", 20000), 1000);
        QVERIFY(handle.checkResponseWaiting(1000));
        QVERIFY(handle.checkResponseWaiting(21000));
        QVERIFY(!handle.checkResponseWaiting(21001));
        QCOMPARE(handle.getResponsePass().timeout, 0);
        QVERIFY(!handle.checkResponseWaiting(21001));
    }

    void popsOnEmptyQueuesLeaveTheArgument()
    {
        CRawDataHandle handle;
        QByteArray bytes("keep");
        std::string text("keep");
        QVERIFY(!handle.queueNextLogMsg(&bytes));
        QVERIFY(!handle.queueNextMessage(&bytes));
        QVERIFY(!handle.queueNextBinData(&bytes));
        QVERIFY(!handle.queueNextCmdData(&bytes));
        QVERIFY(!handle.queueNextSentence(&text));
        QCOMPARE(bytes, QByteArray("keep"));
        QCOMPARE(text, std::string("keep"));
    }

    void clearAllDataEmptiesBufferAndQueuesButNotTheReply()
    {
        CRawDataHandle handle;
        handle.setResponsePass(awaiting("+ok", 500), 0);
        handle.appendToSentQ("$A\r\n$partial");
        handle.appendToLogMsgQ("raw");
        handle.clearAllData();
        QVERIFY(!handle.queueNextSentence(nullptr));
        QVERIFY(!handle.queueNextLogMsg(nullptr));
        QCOMPARE(cutAll(handle, {",1\r\n"}), QByteArrayList{",1\r\n"});
        QCOMPARE(handle.getResponsePass().timeout, 500);
    }
};

QTEST_GUILESS_MAIN(TestRawDataHandle)
#include "tst_rawdatahandle.moc"
