#include "LogCapture.h"
#include "LoopbackPort.h"
#include "PtyPair.h"
#include "TestEnv.h"
#include "comm/CCommSpaces.h"
#include "comm/CSerialPort.h"
#include "comm/CommIni.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

using namespace COMM;

namespace {

constexpr int ByHand = 3600 * 1000;  // a maintenance interval that never fires during a test
constexpr int TickWaitMs = 5000;

// Runs jobs in the thread it lives in. Jobs pass through a std::mutex, which race checkers
// see, rather than through Qt's event queue, whose locks they do not see.
class ThreadDriver : public QObject
{
public:
    explicit ThreadDriver(QThread* thread)
    {
        moveToThread(thread);
        m_poll.moveToThread(thread);
        m_poll.setInterval(1);
        QObject::connect(&m_poll, &QTimer::timeout, this, &ThreadDriver::runJobs);
        QObject::connect(thread, &QThread::started, this, [this] { m_poll.start(); }, Qt::DirectConnection);
        QObject::connect(
            thread, &QThread::finished, this,
            [this] {
                m_poll.stop();
                std::lock_guard<std::mutex> lock(m_mutex);
            },
            Qt::DirectConnection);
    }

    // Deleted after its thread ended: take over what that thread last did.
    ~ThreadDriver() override { std::lock_guard<std::mutex> lock(m_mutex); }

    // Runs the job in the driver's thread; false when it is not done within the wait.
    bool run(std::function<void()> job)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        const quint64 ticket = ++m_queued;
        m_jobs.push_back(std::move(job));
        return m_doneCondition.wait_for(lock, std::chrono::milliseconds(TickWaitMs),
                                        [this, ticket] { return m_done >= ticket; });
    }

private:
    void runJobs()
    {
        std::deque<std::function<void()>> jobs;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            jobs.swap(m_jobs);
        }
        for (std::function<void()>& job : jobs) {
            job();
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_done;
            m_doneCondition.notify_all();
        }
    }

    QTimer m_poll;
    std::mutex m_mutex;
    std::condition_variable m_doneCondition;
    std::deque<std::function<void()>> m_jobs;
    quint64 m_queued = 0;
    quint64 m_done = 0;
};

// Records the hooks, in order, as "name" or "name:setup text". Reading the setup text of the
// item a hook is given shows that the item is still alive.
class RecordingSpaces : public CCommSpaces
{
public:
    explicit RecordingSpaces(int interval)
        : CCommSpaces(false)
    {
        setTimerInterval(interval);
    }

    ~RecordingSpaces() override
    {
        end();
        delete m_driver;
    }

    QStringList calls() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_calls;
    }
    QStringList takeCalls()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return std::exchange(m_calls, QStringList());
    }
    CCommData* item(int index) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return index < m_items.size() ? m_items.at(index) : nullptr;
    }
    QThread* commThread() const { return m_thread; }
    bool hooksInWrongThread() const { return m_wrongThread; }

    // Runs one maintenance tick in the communication thread; false when it does not finish.
    bool tick()
    {
        return m_driver->run([this] { onTimerOne(); });
    }

    // Runs the function in the communication thread, where the items live.
    void inCommThread(const std::function<void()>& function) { QVERIFY(m_driver->run(function)); }
    // Whether the reconnection check would find the item up.
    bool isUp(CCommData* item)
    {
        bool up = false;
        return m_driver->run([item, &up] { up = item->isUp(); }) && up;
    }

    unsigned char reConntLimit = 0;
    bool keepItems = false;

protected:
    void commInitThreadReady(QThread* thread) override
    {
        m_thread = thread;
        m_driver = new ThreadDriver(thread);
        record("threadReady", nullptr);
    }
    void commInitCommConnt() override { record("initCommConnt", nullptr); }
    void commReadCommConnect() override { record("readCommConnect", nullptr); }
    void commWriteCommConnect() override { record("writeCommConnect", nullptr); }
    void commConnectSetup(CCommData* item) override
    {
        record("setup", item);
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_items.contains(item))
            m_items << item;
    }
    void commReleaseTh() override { record("releaseTh", nullptr); }
    void commCommDataSaved(CCommData* item) override
    {
        record("saved", item);
        if (!item)
            return;
        item->setReConntTimes(reConntLimit);
        if (keepItems)
            item->keepComm();
    }
    void commDeleteCommData(CCommData* item) override { record("delete", item); }
    void commCommDataDeleted() override { record("deleted", nullptr); }
    void commCycleChecking() override {}

private:
    void record(const char* name, CCommData* item)
    {
        if (QThread::currentThread() != m_thread && qstrcmp(name, "threadReady") != 0)
            m_wrongThread = true;
        QString call = QLatin1String(name);
        if (item)
            call += QLatin1Char(':') + QString::fromStdString(item->getSetupInfo());
        else if (qstrcmp(name, "saved") == 0)
            call += QStringLiteral(":none");
        std::lock_guard<std::mutex> lock(m_mutex);
        m_calls << call;
    }

    mutable std::mutex m_mutex;
    QStringList m_calls;
    QList<CCommData*> m_items;
    QThread* m_thread = nullptr;
    ThreadDriver* m_driver = nullptr;
    std::atomic<bool> m_wrongThread{false};
};

SCommConntProfile serialProfile(const QString& path, int sensorType = SENSOR_DEVICE_LINK)
{
    SCommConntProfile profile;
    profile.conntSetting = BuildConntLink(sensorType, U"device", PRIMARY_POS_UNDEFINED, true);
    profile.conntSetting.splitLines = true;
    profile.commType = COMM_TYPE_SERIAL;
    const QByteArray name = QFile::encodeName(path);
    profile.serialConfig = BuildSerialConfig(name.constData(), 0);
    return profile;
}

SCommConntProfile networkProfile(int socketType, const std::string& ip, int port)
{
    SCommConntProfile profile;
    profile.conntSetting = BuildConntLink(SENSOR_DEVICE_LINK, U"net", PRIMARY_POS_UNDEFINED, true);
    profile.commType = COMM_TYPE_NETWORK;
    profile.networkConfig = BuildNetworkConfig(socketType, ip, port);
    return profile;
}

QString setupText(const QString& path)
{
    return path + QStringLiteral(" 115200");
}

// Counts a signal's arrivals and whether each came in the receiver's (the test's) thread.
struct Arrivals
{
    int count = 0;
    bool allInReceiverThread = true;
    QList<CCommData*> items;

    std::function<void()> counter(QObject* receiver)
    {
        return [this, receiver] { note(receiver, nullptr); };
    }
    std::function<void(CCommData*)> itemCounter(QObject* receiver)
    {
        return [this, receiver](CCommData* item) { note(receiver, item); };
    }

private:
    void note(QObject* receiver, CCommData* item)
    {
        ++count;
        allInReceiverThread = allInReceiverThread && QThread::currentThread() == receiver->thread();
        items << item;
    }
};

// Takes the log links the space announces where it announces them, under a lock: nothing in
// the system receives the announcement queued.
class LogAnnouncements
{
public:
    explicit LogAnnouncements(CCommSpaces& spaces)
    {
        QObject::connect(
            &spaces, &CCommSpaces::signalCommLogReady, &spaces,
            [this](CLogListener* log) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_logs << log;
            },
            Qt::DirectConnection);
    }

    QList<CLogListener*> logs() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_logs;
    }

private:
    mutable std::mutex m_mutex;
    QList<CLogListener*> m_logs;
};

SCommConntProfile logProfile()
{
    SCommConntProfile profile;
    profile.commType = COMM_TYPE_LOG;
    return profile;
}

} // namespace

class TestCommSpaces : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnv::ScopedWorkDir> m_dir;
    std::vector<std::unique_ptr<TestEnv::PtyPair>> m_ptys;
    Arrivals m_ready;

    QString startPty(const QString& name)
    {
        auto pty = std::make_unique<TestEnv::PtyPair>();
        if (!pty->start(m_dir->path(), name))
            return QString();
        m_ptys.push_back(std::move(pty));
        return m_ptys.back()->devicePath();
    }

    QString missingPort(const QString& name) const { return m_dir->path() + QLatin1Char('/') + name; }

    void writeCommIni(const QList<SCommConntProfile>& profiles)
    {
        WriteCommConnect(CommIniPath(QString()), std::vector<SCommConntProfile>(profiles.begin(), profiles.end()));
    }

    // Starts the space and waits until its start-up connections are made.
    void start(RecordingSpaces& spaces)
    {
        m_ready = Arrivals();
        connect(&spaces, &CCommSpaces::signalCommConntReady, this, m_ready.counter(this));
        QVERIFY(spaces.initCommSpaceTh());
        QTRY_COMPARE_WITH_TIMEOUT(m_ready.count, 1, TickWaitMs);
        QVERIFY(m_ready.allInReceiverThread);
    }

private slots:
    void initTestCase() { LogCapture::start(); }
    void init()
    {
        m_dir = std::make_unique<TestEnv::ScopedWorkDir>();
        LogCapture::take();
    }
    void cleanup()
    {
        m_ptys.clear();
        m_dir.reset();
    }

    // comm.ini's connections are made at thread start, in file order; of two log links only
    // the first is made, and it is announced but not reported as connected.
    void startUpReadsCommIni()
    {
        const QString device = startPty("dev");
        QVERIFY(!device.isEmpty());
        writeCommIni({serialProfile(device), networkProfile(SOCKET_TCP_SERVER, "", FreeTcpPort()),
                      serialProfile(missingPort("none")), logProfile(), logProfile()});

        RecordingSpaces spaces(ByHand);
        Arrivals connted;
        connect(&spaces, &CCommSpaces::signalCommConnted, this, connted.itemCounter(this));
        LogAnnouncements announced(spaces);
        start(spaces);
        QCOMPARE(spaces.calls(), (QStringList{"threadReady", "readCommConnect", "setup:" + setupText(device), "setup: ",
                                              "setup:" + setupText(missingPort("none")), "setup:", "initCommConnt"}));
        QTRY_COMPARE(connted.count, 1);
        QVERIFY(connted.allInReceiverThread);
        QCOMPARE(connted.items, QList<CCommData*>{spaces.item(0)});
        CLogListener* madeLog = nullptr;
        spaces.inCommThread([&] { madeLog = spaces.item(3)->getLogListener(); });
        QCOMPARE(announced.logs(), QList<CLogListener*>{madeLog});
        QCOMPARE(spaces.getCommCount(), 4);
        QVERIFY(spaces.isUp(spaces.item(1)));  // a TCP server is up while it listens

        QVERIFY(!spaces.initCommSpaceTh());
        QVERIFY(LogCapture::take().contains("initCommSpaceTh [E]The thread is already exist."));
        QVERIFY(!spaces.hooksInWrongThread());
    }

    // Once the log link's item is deleted, a new log link can be made.
    void logLinkMadeAgainAfterItsDeletion()
    {
        RecordingSpaces spaces(ByHand);
        LogAnnouncements announced(spaces);
        start(spaces);
        SCommConntProfile profile = logProfile();
        spaces.saveComm(profile);
        QVERIFY(spaces.tick());
        spaces.saveComm(profile);
        QVERIFY(spaces.tick());
        QCOMPARE(spaces.getCommCount(), 1);
        QCOMPARE(announced.logs().size(), 1);

        CCommData* logItem = spaces.getCommData(announced.logs().first());
        QVERIFY(logItem);
        spaces.deleteComm(logItem);
        QVERIFY(spaces.tick());
        QCOMPARE(spaces.getCommCount(), 0);
        spaces.saveComm(profile);
        QVERIFY(spaces.tick());
        QCOMPARE(spaces.getCommCount(), 1);
        QCOMPARE(announced.logs().size(), 2);
    }

    // The first connection is refused; a reconnection starts another, and once it is made the
    // link counts as up.
    void tcpClientConnectsOnALaterTick()
    {
        const int port = FreeTcpPort();
        RecordingSpaces spaces(ByHand);
        start(spaces);
        SCommConntProfile profile = networkProfile(SOCKET_TCP_CLIENT, "127.0.0.1", port);
        spaces.saveComm(profile);
        QVERIFY(spaces.tick());
        CCommData* item = spaces.item(0);
        QVERIFY(item);
        QVERIFY(!spaces.isUp(item));
        QVERIFY(LogCapture::take().contains(
            QStringLiteral("enableSocketEnd TCP client connect to 127.0.0.1:%1 is failed").arg(port)));

        QTcpServer peer;
        QVERIFY(peer.listen(QHostAddress::LocalHost, quint16(port)));
        QVERIFY(spaces.tick());
        QTRY_VERIFY(peer.hasPendingConnections());
        QTRY_VERIFY(spaces.isUp(item));
        QCOMPARE(spaces.getCommCount(), 1);
    }

    // The second request waits for the thread to take the first; all are carried out in order,
    // and one of the kind that is not connected still completes with no item.
    void savedConnectionsArriveInOrder()
    {
        const QString first = startPty("first");
        const QString second = startPty("second");
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        RecordingSpaces spaces(20);
        Arrivals saved;
        connect(&spaces, &CCommSpaces::signalCommDataSaved, this, saved.counter(this));
        start(spaces);
        spaces.takeCalls();

        SCommConntProfile profiles[] = {serialProfile(first), serialProfile(second, SENSOR_NOT_CONNECTED),
                                        serialProfile(second)};
        for (SCommConntProfile& profile : profiles)
            spaces.saveComm(profile);
        QTRY_COMPARE(saved.count, 3);
        QVERIFY(saved.allInReceiverThread);
        QCOMPARE(spaces.calls(), (QStringList{"setup:" + setupText(first), "saved:" + setupText(first), "saved:none",
                                              "setup:" + setupText(second), "saved:" + setupText(second)}));
        QVERIFY(LogCapture::take().contains("connectSetup [E]Communication is empty."));
        QCOMPARE(spaces.getCommCount(), 2);
        QVERIFY(!spaces.hooksInWrongThread());
    }

    // The hooks see the item alive, then gone; the deleted signal is delivered queued in the
    // receiver's thread. A second request for the same, now freed, item is ignored.
    void deleteRunsTheHooksInOrder()
    {
        const QString device = startPty("dev");
        QVERIFY(!device.isEmpty());
        writeCommIni({serialProfile(device)});
        RecordingSpaces spaces(ByHand);
        Arrivals deleted;
        connect(&spaces, &CCommSpaces::signalCommDataDeleted, this, deleted.counter(this));
        start(spaces);
        spaces.takeCalls();
        CCommData* item = spaces.item(0);

        QSignalSpy deleteAsked(&spaces, &CCommSpaces::signalCommDataDelete);
        spaces.deleteComm(item);
        QCOMPARE(deleteAsked.count(), 1);
        QVERIFY(spaces.isDisconnecting());
        QVERIFY(spaces.tick());
        QCOMPARE(spaces.takeCalls(), (QStringList{"delete:" + setupText(device), "deleted"}));
        QCOMPARE(deleted.count, 0);  // queued: not before the receiver's thread serves its events
        QTRY_COMPARE(deleted.count, 1);
        QVERIFY(deleted.allInReceiverThread);
        QCOMPARE(spaces.getCommCount(), 0);
        QCOMPARE(spaces.getCommData(nullptr), nullptr);

        LogCapture::take();
        spaces.deleteComm(item);
        QVERIFY(spaces.tick());
        QVERIFY(spaces.takeCalls().isEmpty());
        QCOMPARE(LogCapture::take(), QStringList{"inspectCommData [W]The connection to release is no longer in the list."});
    }

    void lostPort_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("released") << false;
        QTest::newRow("kept: made again in the same tick") << true;
    }

    // A lost device is released within one tick, as for a delete but without the request signal.
    void lostPort()
    {
        QFETCH(bool, keep);
        const QString device = startPty("dev");
        QVERIFY(!device.isEmpty());
        RecordingSpaces spaces(ByHand);
        spaces.keepItems = keep;
        Arrivals deleted;
        Arrivals deleteAsked;
        connect(&spaces, &CCommSpaces::signalCommDataDeleted, this, deleted.counter(this));
        connect(&spaces, &CCommSpaces::signalCommDataDelete, this, deleteAsked.itemCounter(this));
        start(spaces);
        SCommConntProfile profile = serialProfile(device);
        spaces.saveComm(profile);
        QVERIFY(spaces.tick());
        spaces.takeCalls();
        CCommData* item = spaces.item(0);

        spaces.inCommThread([item] { item->getSerialPort()->onError(QSerialPort::ResourceError); });
        QVERIFY(spaces.tick());
        QStringList expected{"delete:" + setupText(device), "deleted"};
        if (keep)
            expected << "setup:" + setupText(device) << "saved:" + setupText(device);
        QCOMPARE(spaces.takeCalls(), expected);
        QTRY_COMPARE(deleted.count, 1);
        QCOMPARE(deleteAsked.count, 0);
        QCOMPARE(spaces.getCommCount(), keep ? 1 : 0);
        if (keep)
            return;

        // The application may still hold the freed item: its delete request must not touch it.
        spaces.deleteComm(item);
        QVERIFY(spaces.tick());
        QVERIFY(spaces.takeCalls().isEmpty());
    }

    void releasesOfOneTick_data()
    {
        QTest::addColumn<bool>("guiDeletePending");
        QTest::newRow("two ports lost in one tick") << false;
        QTest::newRow("a loss while a delete request is pending") << true;
    }

    // The thread's own releases never wait on a mailbox: all are carried out in the same tick.
    void releasesOfOneTick()
    {
        QFETCH(bool, guiDeletePending);
        const QString first = startPty("first");
        const QString second = startPty("second");
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        writeCommIni({serialProfile(first), serialProfile(second)});
        RecordingSpaces spaces(ByHand);
        start(spaces);
        spaces.takeCalls();
        CCommData* firstItem = spaces.item(0);
        CCommData* secondItem = spaces.item(1);

        if (guiDeletePending)
            spaces.deleteComm(firstItem);
        spaces.inCommThread([=] {
            if (!guiDeletePending)
                firstItem->getSerialPort()->onError(QSerialPort::ResourceError);
            secondItem->getSerialPort()->onError(QSerialPort::DeviceNotFoundError);
        });
        QVERIFY(spaces.tick());
        QCOMPARE(spaces.takeCalls(), (QStringList{"delete:" + setupText(first), "deleted",
                                                  "delete:" + setupText(second), "deleted"}));
        QCOMPARE(spaces.getCommCount(), 0);
        QVERIFY(!spaces.isDisconnecting());
    }

    // A link that cannot be opened is given up after three failed attempts in a row, with the
    // system's reason of the last one.
    void giveUpAfterThreeFailuresInARow()
    {
        const QString port = missingPort("lateA");
        RecordingSpaces spaces(ByHand);
        spaces.reConntLimit = 3;
        Arrivals connted;
        Arrivals givenUp;
        Arrivals deleted;
        QStringList openFailures;
        connect(&spaces, &CCommSpaces::signalCommConnted, this, connted.itemCounter(this));
        connect(&spaces, &CCommSpaces::signalCommDataDelete, this, givenUp.itemCounter(this));
        connect(&spaces, &CCommSpaces::signalCommDataDeleted, this, deleted.counter(this));
        connect(&spaces, &CCommSpaces::signalCommOpenFailed, this,
                [&openFailures](const QString& name, const QString& reason) { openFailures << name + ": " + reason; });
        start(spaces);
        SCommConntProfile profile = serialProfile(port);
        spaces.saveComm(profile);
        QVERIFY(spaces.tick());  // made, first attempt fails
        CCommData* item = spaces.item(0);
        QVERIFY(item);
        QVERIFY(spaces.tick());  // second failure

        QCOMPARE(startPty("late"), port);
        QVERIFY(spaces.tick());  // opens: the count starts again
        QTRY_COMPARE(connted.count, 1);
        QCOMPARE(connted.items, QList<CCommData*>{item});
        // From now on the open fails, but not as a lost device (that would release it at once).
        QVERIFY(QFile::remove(port));
        QVERIFY(QDir().mkdir(port));
        spaces.inCommThread([item] { item->getSerialPort()->disconnectedProc(); });

        QVERIFY(spaces.tick());
        QVERIFY(spaces.tick());
        QTest::qWait(20);
        QCOMPARE(givenUp.count, 0);
        QVERIFY(spaces.tick());  // third failure in a row
        QTRY_COMPARE(givenUp.count, 1);
        QCOMPARE(givenUp.items, QList<CCommData*>{item});
        QTRY_COMPARE(openFailures, QStringList{port + ": " + QString::fromLocal8Bit(std::strerror(EISDIR))});
        QVERIFY(spaces.calls().filter("delete").isEmpty());

        QVERIFY(spaces.tick());
        QCOMPARE(spaces.calls().filter("delete"), (QStringList{"delete:" + setupText(port), "deleted"}));
        QTRY_COMPARE(deleted.count, 1);
        QCOMPARE(spaces.getCommCount(), 0);
    }

    void endIsBounded_data()
    {
        QTest::addColumn<int>("connections");
        QTest::newRow("none") << 0;
        QTest::newRow("three") << 3;
    }

    // end() does not wait for a timer tick: the ticks here never fire by themselves.
    void endIsBounded()
    {
        QFETCH(int, connections);
        QList<SCommConntProfile> profiles;
        for (int i = 0; i < connections; ++i)
            profiles << serialProfile(i == 0 ? startPty("dev") : missingPort(QString::number(i)));
        writeCommIni(profiles);
        RecordingSpaces spaces(ByHand);
        start(spaces);
        QCOMPARE(spaces.getCommCount(), connections);
        spaces.takeCalls();
        LogCapture::take();

        spaces.end();
        QVERIFY(spaces.commThread()->isFinished());
        QCOMPARE(spaces.calls(), connections > 0 ? QStringList{"releaseTh"} : QStringList());
        QCOMPARE(spaces.getCommCount(), 0);
        QCOMPARE(LogCapture::take().filter(QRegularExpression("^(end|stop) ")), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestCommSpaces)
#include "tst_commspaces.moc"
