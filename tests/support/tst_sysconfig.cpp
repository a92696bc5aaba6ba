#include "TestEnv.h"
#include "support/CThread.h"
#include "support/Singleton.h"
#include "support/SysConfig.h"
#include "support/SysDebug.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>
#include <atomic>
#include <thread>

namespace {

QStringList g_console;
std::mutex g_consoleLock;
std::atomic<bool> g_busyRunning{false};

void captureConsole(QtMsgType, const QMessageLogContext&, const QString& text)
{
    std::lock_guard<std::mutex> lock(g_consoleLock);
    g_console << text;
}

struct SlowToBuild
{
    static std::atomic<int> built;
    SlowToBuild()
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ++built;
    }
};
std::atomic<int> SlowToBuild::built{0};

} // namespace

class TestSysConfig : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        // A home of our own, so the Documents folder is one the test controls.
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (m_home.path() + "/.config").toLocal8Bit());
        QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("Documents")));
    }

    void singletonIsMadeOnceAcrossThreads()
    {
        std::vector<std::thread> threads;
        std::vector<SlowToBuild*> seen(8, nullptr);
        for (size_t i = 0; i < seen.size(); ++i)
            threads.emplace_back([&seen, i] { seen[i] = Pattern::Singleton<SlowToBuild>::Instance(); });
        for (auto& t : threads)
            t.join();
        QCOMPARE(SlowToBuild::built.load(), 1);
        for (SlowToBuild* p : seen)
            QCOMPARE(p, seen.front());
    }

    void documentPathIsTheDocumentsFolder()
    {
        SysConfig config;
        config.initialize(std::string());
        const QString documents = m_home.path() + QStringLiteral("/Documents/");
        QCOMPARE(config.GetSysDocPath(), documents);
        QCOMPARE(config.documentPath(), documents);
        QCOMPARE(config.GetConfigIniUrl(), documents + QStringLiteral("config.ini"));
    }

    void applicationFolderIsMade()
    {
        SysConfig config;
        config.initialize("AisTool");
        const QString folder = m_home.path() + QStringLiteral("/Documents/AisTool");
        QCOMPARE(config.documentPath(), folder);
        QVERIFY(QDir(folder).exists());
        QCOMPARE(config.GetUserDataPath("Tracks"), folder + QStringLiteral("Tracks"));
        QVERIFY(QDir(folder + QStringLiteral("Tracks")).exists());
    }

    void unmakeableFoldersFallBack()
    {
        QFile blocker(m_home.path() + QStringLiteral("/Documents/blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        SysConfig config;
        config.initialize(std::string());
        QCOMPARE(config.GetUserDataPath("blocked/inner"), QString());

        config.initialize("blocked");
        QCOMPARE(config.GetUserDocPath(), m_home.path() + QStringLiteral("/Documents/"));
    }

    void noDocumentsFolder()
    {
        QTemporaryDir bareHome;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", bareHome.path().toLocal8Bit());
        SysConfig config;
        config.initialize("AisTool");
        QCOMPARE(config.GetSysDocPath(), QString());
        QCOMPARE(config.documentPath(), QString());
        QCOMPARE(config.GetUserDataPath("x"), QString());
        QVERIFY(!QDir(QStringLiteral("AisTool")).exists());
        qputenv("HOME", oldHome);
    }

    void profileBesideTheExecutable()
    {
        SysConfig config;
        const QString url = config.GetProfileIniUrl();
        QCOMPARE(url, QCoreApplication::applicationDirPath() + QStringLiteral("/profile.ini"));
        QVERIFY(!url.contains(QStringLiteral("//")));
    }

    void endedThreadLogsAndReturnsAtOnce()
    {
        TestEnv::ScopedWorkDir dir;
        QSettings profile(QStringLiteral("profile.ini"), QSettings::IniFormat);
        profile.setValue(QStringLiteral("Sys_Debug/Enable"), true);
        profile.sync();
        qInstallMessageHandler(captureConsole);
        SysDebug* log = Pattern::Singleton<SysDebug>::Instance();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));

        auto* thread = new CThread(nullptr, true);
        thread->setObjectName(QStringLiteral("Worker Thread"));
        thread->start();
        thread->quit();
        QVERIFY(thread->wait(5000));
        QElapsedTimer timer;
        timer.start();
        delete thread;
        QVERIFY(timer.elapsed() < 1000);

        QTRY_VERIFY_WITH_TIMEOUT(
            [] {
                std::lock_guard<std::mutex> lock(g_consoleLock);
                return g_console.filter(QStringLiteral("Name:Worker Thread End")).size() == 1;
            }(),
            5000);
        std::lock_guard<std::mutex> lock(g_consoleLock);
        const QStringList start = g_console.filter(QStringLiteral("Name:Worker Thread Start"));
        QCOMPARE(start.size(), 1);
        QVERIFY(start.first().contains(QStringLiteral("~CThread")));
        QVERIFY(start.first().contains(QStringLiteral("[L]")));
    }

    // Runs after the log was started above. A thread that stays busy is terminated only after
    // the bounded wait, with a log line; an idle one just stops.
    void stopIsBounded()
    {
        CThread idle(nullptr, true);
        idle.start();
        QVERIFY(idle.stop(5000));

#ifdef __SANITIZE_THREAD__
        QSKIP("a terminated thread leaves Qt's posted-call hand-over unordered for ThreadSanitizer");
#endif
        CThread busy(nullptr, true);
        busy.setObjectName(QStringLiteral("Busy Thread"));
        QObject worker;
        worker.moveToThread(&busy);
        busy.start();
        // Nothing captured: the posted call then shares no memory of ours with the other thread.
        QMetaObject::invokeMethod(
            &worker,
            [] {
                g_busyRunning = true;
                for (;;)
                    QThread::msleep(5);
            },
            Qt::QueuedConnection);
        QTRY_VERIFY(g_busyRunning);
        QVERIFY(!busy.stop(100));
        QVERIFY(busy.isFinished());
        QTRY_VERIFY_WITH_TIMEOUT(
            [] {
                std::lock_guard<std::mutex> lock(g_consoleLock);
                return !g_console.filter(QStringLiteral("Name:Busy Thread did not stop within 100 ms, terminated."))
                            .isEmpty();
            }(),
            5000);
    }
};

QTEST_GUILESS_MAIN(TestSysConfig)
#include "tst_sysconfig.moc"
