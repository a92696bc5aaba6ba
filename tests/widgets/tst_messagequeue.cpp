#include "LogCapture.h"
#include "widgets/CMessageQueue.h"

#include <QtTest>
#include <string>

namespace {

// A queue on a wall clock the test sets.
struct QueueRig
{
    time_t now = 1700000000;
    CMessageQueue queue{[this] { return now; }};

    void add(const std::wstring& text) { queue.addMessage(text.c_str()); }
};

void expectLogged(const char* text)
{
    const QStringList logged = LogCapture::take();
    QVERIFY2(logged.size() == 1 && logged.first().contains(text), qPrintable(logged.join('\n')));
}

} // namespace

class TstMessageQueue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LogCapture::start();
    }

    void textLengthLimit()
    {
        QueueRig rig;
        LogCapture::take();
        rig.add(std::wstring(255, L'\x00b0'));
        QVERIFY(LogCapture::take().isEmpty());
        SMessageItem* stored = rig.queue.data(0);
        QVERIFY(stored);
        QCOMPARE(std::wstring(stored->text), std::wstring(255, L'\x00b0'));
        QCOMPARE(stored->time, rig.now);
        QCOMPARE(int(stored->displayEnded), 0);
        QCOMPARE(int(stored->checked), 0);

        rig.add(std::wstring(256, L'x'));
        expectLogged("Message is too long");
        QVERIFY(!rig.queue.data(1));
        LogCapture::take();
    }

    void displayEndsAfterElevenSeconds_data()
    {
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<bool>("ended");
        QTest::newRow("10 s later") << 10 << false;
        QTest::newRow("11 s later") << 11 << true;
        QTest::newRow("clock set back 11 s") << -11 << true;
        QTest::newRow("clock set back 10 s") << -10 << false;
    }

    void displayEndsAfterElevenSeconds()
    {
        QFETCH(int, elapsed);
        QueueRig rig;
        rig.add(L"CPA alarm");
        rig.now += elapsed;
        rig.queue.updateDisplayEndFlag();
        QFETCH(bool, ended);
        QCOMPARE(rig.queue.data(0)->displayEnded != 0, ended);
        QCOMPARE(int(rig.queue.data(0)->checked), 0);
    }

    // A message whose display already ended is not marked as checked by the user.
    void checkingSparesEndedMessages()
    {
        QueueRig rig;
        rig.add(L"first");
        rig.now += 11;
        rig.queue.updateDisplayEndFlag();
        rig.add(L"second");
        rig.queue.updateAllCheckedFlag();
        QCOMPARE(int(rig.queue.data(0)->displayEnded), 1);
        QCOMPARE(int(rig.queue.data(0)->checked), 0);
        QCOMPARE(int(rig.queue.data(1)->displayEnded), 1);
        QCOMPARE(int(rig.queue.data(1)->checked), 1);
    }

    void indexOutsideQueue_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("-1") << -1;
        QTest::newRow("count") << 2;
    }

    void indexOutsideQueue()
    {
        QFETCH(int, index);
        QueueRig rig;
        rig.add(L"a");
        rig.add(L"b");
        LogCapture::take();
        QVERIFY(!rig.queue.data(index));
        expectLogged("Not found item");
        rig.queue.updateCheckedProc(index);
        expectLogged("Not found item");
    }
};

QTEST_MAIN(TstMessageQueue)
#include "tst_messagequeue.moc"
