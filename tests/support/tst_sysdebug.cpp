#include "TestEnv.h"
#include "support/SysDebug.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <thread>

namespace {

QStringList g_console;

void captureConsole(QtMsgType, const QMessageLogContext&, const QString& text)
{
    g_console << text;
}

void writeProfile(const QVariantMap& keys)
{
    QSettings settings(QStringLiteral("profile.ini"), QSettings::IniFormat);
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        settings.setValue(QStringLiteral("Sys_Debug/") + it.key(), it.value());
}

QByteArray readLog()
{
    QFile file(QString::fromLatin1(CAbstractSysDebug::LogFilePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList decodedLines(const QByteArray& raw)
{
    QString text = QString::fromLatin1(QByteArray::fromBase64(raw));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The line as the dump writes it, after its leading "hh:mm:ss " stamp.
QString dumpLine(const QString& name, const QString& mark, const QString& note)
{
    const int tabs = (40 - name.size() + 3) / 4;
    return QStringLiteral("0\t") + name + QString(tabs, QLatin1Char('\t')) + mark + note;
}

bool matchesStamped(const QString& line, const QString& expected)
{
    static const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d "));
    if (!stamp.match(line).hasMatch())
        return false;
    QString body = line.mid(9);
    while (body.endsWith(QLatin1Char(' ')))
        body.chop(1);
    return body == expected;
}

} // namespace

class TestSysDebug : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnv::ScopedWorkDir> m_dir;

private slots:
    void initTestCase() { qInstallMessageHandler(captureConsole); }

    void init()
    {
        m_dir = std::make_unique<TestEnv::ScopedWorkDir>();
        g_console.clear();
    }
    void cleanup() { m_dir.reset(); }

    void defaultsKeepDiskQuietUntilAnError()
    {
        auto log = std::make_unique<SysDebug>();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        QVERIFY(!log->debugEnable());
        QVERIFY(log->autoLogEnable());
        QVERIFY(log->encryptionEnable());
        QVERIFY(!log->recordMode());
        QCOMPARE(g_console.size(), 1);
        QVERIFY(g_console.first().startsWith(QStringLiteral("============================== Start Log ")));
        QVERIFY(g_console.first().endsWith(QStringLiteral(" ==============================\r")));
        for (int i = 0; i < 10; ++i)
            log->dbgPrintf(DBG_INFO, "quiet", 0, "message %d", i);
        log.reset();
        QVERIFY(!QFile::exists(QStringLiteral("logger.log")));
        QCOMPARE(g_console.size(), 1);
    }

    void errorDumpsTheLastThousandMessages()
    {
        auto log = std::make_unique<SysDebug>();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        for (int i = 0; i < 1500; ++i)
            log->dbgPrintf(DBG_INFO, "tstAutoLog", 0, "msg %d", i);
        log->dbgPrintf(DBG_ERROR, "tstAutoLog", 0, "boom %s", "now");
        log.reset();

        const QByteArray raw = readLog();
        QVERIFY(raw.endsWith("\r\n"));
        QCOMPARE(raw.count("\r\n"), 1);
        QVERIFY(!raw.contains('='));
        const QStringList lines = decodedLines(raw);
        QCOMPARE(lines.size(), 1 + 1001);
        QVERIFY(lines[0].startsWith(QStringLiteral("============================== Auto Log ")));
        for (int i = 0; i < 1000; ++i) {
            const QString expected = dumpLine(QStringLiteral("tstAutoLog"), QString(), QStringLiteral("msg %1").arg(500 + i));
            QVERIFY2(matchesStamped(lines[1 + i], expected), qPrintable(lines[1 + i]));
        }
        QVERIFY(matchesStamped(lines.last(), dumpLine(QStringLiteral("tstAutoLog"), QStringLiteral("[E]"),
                                                      QStringLiteral("boom now"))));
        QCOMPARE(g_console.size(), 1); // debug output off: the dump is not printed
    }

    void secondErrorDumpsOneLine()
    {
        auto log = std::make_unique<SysDebug>();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        log->dbgPrintf(DBG_INFO, "fn", 0, "before");
        log->dbgPrintf(DBG_CRITICAL, "fn", 0, "first");
        log->dbgPrintf(DBG_EXCEPTION, "fn", 0, "second");
        log.reset();

        const QByteArray raw = readLog();
        QCOMPARE(raw.count("\r\n"), 2);
        const QList<QByteArray> dumps = raw.split('\r');
        QStringList second = decodedLines(dumps[1].mid(1));
        QCOMPARE(second.size(), 2);
        QVERIFY(second[0].startsWith(QStringLiteral("============================== Auto Log ")));
        QVERIFY(matchesStamped(second[1], dumpLine(QStringLiteral("fn"), QStringLiteral("[!]"), QStringLiteral("second"))));
        QCOMPARE(decodedLines(dumps[0]).size(), 3);
    }

    void recordMode_data()
    {
        QTest::addColumn<QVariantMap>("profile");
        QTest::addColumn<QStringList>("notes");
        const QVariantMap base{{"Enable", true}, {"LogTag", "record"}, {"EncryptionEnable", false}};
        QVariantMap deepOn = base;
        deepOn["MsgDeep"] = true;
        QVariantMap deepByTag = base;
        deepByTag["LogTag"] = "record DL";
        QVariantMap noWarnings = base;
        noWarnings["MsgWarning"] = false;
        QVariantMap disabled = base;
        disabled["Enable"] = false;
        QTest::newRow("deep stays off") << base << QStringList{"info", "[W]warn", "[E]err"};
        QTest::newRow("deep by key") << deepOn << QStringList{"info", "[W]warn", "#)deep", "[E]err"};
        QTest::newRow("deep by tag word") << deepByTag << QStringList{"info", "[W]warn", "#)deep", "[E]err"};
        QTest::newRow("warnings off") << noWarnings << QStringList{"info", "[E]err"};
        QTest::newRow("debug output off") << disabled << QStringList{};
    }
    void recordMode()
    {
        QFETCH(QVariantMap, profile);
        QFETCH(QStringList, notes);
        writeProfile(profile);
        auto log = std::make_unique<SysDebug>();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        QVERIFY(log->recordMode());
        log->dbgPrintf(DBG_INFO, "rec", 0, "info");
        log->dbgPrintf(DBG_WARNING, "rec", 0, "warn");
        log->dbgPrintf(DBG_DEEP, "rec", 0, "deep");
        log->dbgPrintf(DBG_ERROR, "rec", 0, "err");
        log.reset();

        const QString text = QString::fromLatin1(readLog());
        QVERIFY(text.startsWith(QStringLiteral("============================== Record Log ")));
        const int headerEnd = text.indexOf(QLatin1Char('\r'));
        QVERIFY(headerEnd > 0);
        QStringList lines = text.mid(headerEnd + 1).split(QLatin1Char('\n'));
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.size(), notes.size());
        for (int i = 0; i < notes.size(); ++i) {
            const QString name = QStringLiteral("rec").leftJustified(40);
            QCOMPARE(lines[i].mid(9), QStringLiteral("0\t") + name + notes[i]);
        }
    }

    void queuedMessagesAreWrittenAtDestruction()
    {
        writeProfile({{"Enable", true}, {"LogTag", "record"}, {"EncryptionEnable", false}});
        auto log = std::make_unique<SysDebug>();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        std::vector<std::thread> writers;
        for (int t = 0; t < 4; ++t) {
            writers.emplace_back([&log, t] {
                for (int i = 0; i < 250; ++i)
                    log->dbgPrintf(DBG_INFO, "writer", 0, "t%d-%d", t, i);
            });
        }
        for (auto& w : writers)
            w.join();
        log.reset();
        const QByteArray text = readLog();
        QCOMPARE(text.count('\n'), 1000);
        QVERIFY(text.contains("t3-249\n"));
    }

    void longMessageIsCut()
    {
        writeProfile({{"Enable", true}, {"LogTag", "record"}, {"EncryptionEnable", false}, {"FieldTime", false},
                      {"FieldThread", false}, {"FieldClassFun", false}});
        auto log = std::make_unique<SysDebug>();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        const std::string longText(3000, 'x');
        log->dbgPrintf(DBG_INFO, "long", 0, "%s", longText.c_str());
        log->dbgPrintf(DBG_INFO, "long", 0, "%s", "100% sure");
        log.reset();
        QList<QByteArray> lines = readLog().split('\r').last().split('\n');
        QCOMPARE(lines[0], QByteArray(2047, 'x'));
        QCOMPARE(lines[1], QByteArray("100% sure"));
        QVERIFY(g_console.contains(QStringLiteral("100% sure")));
    }

    // Messages the log thread has not taken yet are bounded: the oldest make room, and the
    // thread says how many went before the messages it writes next.
    void pendingMessagesAreBounded()
    {
        writeProfile({{"Enable", true}, {"LogTag", "record"}, {"EncryptionEnable", false}, {"FieldTime", false},
                      {"FieldThread", false}, {"FieldClassFun", false}});
        auto log = std::make_unique<SysDebug>();
        // Before the thread starts everything waits, as when the thread falls behind a flood.
        const int flood = int(SysDebug::PendingLimit) + 5;
        for (int i = 0; i < flood; ++i)
            log->dbgPrintf(DBG_INFO, "flood", 0, "m%d", i);
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        log.reset();

        QList<QByteArray> lines = readLog().split('\r').last().split('\n');
        QCOMPARE(lines.takeLast(), QByteArray());
        QCOMPARE(lines.size(), int(SysDebug::PendingLimit) + 1);
        QCOMPARE(lines[0], QByteArray("[W]5 log messages dropped: the log thread fell behind"));
        QCOMPARE(lines[1], QByteArray("m5"));
        QCOMPARE(lines.last(), QByteArray::number(flood - 1).prepend('m'));
    }

    // Qt gives the C library the user's locale; the log's numbers keep the decimal point.
    void numbersIgnoreTheLocale()
    {
        writeProfile({{"Enable", true}, {"LogTag", "record"}, {"EncryptionEnable", false}, {"FieldTime", false},
                      {"FieldThread", false}, {"FieldClassFun", false}});
        TestEnv::ScopedDecimalComma comma;
        QVERIFY2(comma.isActive(), "no locale with a decimal comma could be built (localedef, package locales)");
        auto log = std::make_unique<SysDebug>();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        log->dbgPrintf(DBG_INFO, "num", 0, "%.2f %g %.1e", 1.25, 0.5, 1500.0);
        log.reset();
        QCOMPARE(readLog().split('\r').last(), QByteArray("1.25 0.5 1.5e+03\n"));
    }

    void namePadding_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("console");
        QTest::addColumn<QString>("padding");
        QTest::newRow("3 console") << 3 << true << QString(37, ' ');
        QTest::newRow("3 dump") << 3 << false << QString(10, '\t');
        QTest::newRow("39 console") << 39 << true << " ";
        QTest::newRow("39 dump") << 39 << false << "\t";
        QTest::newRow("40 console") << 40 << true << "\t";
        QTest::newRow("40 dump") << 40 << false << "\t";
        QTest::newRow("0 dump") << 0 << false << QString(10, '\t');
        QTest::newRow("36 dump") << 36 << false << "\t";
        QTest::newRow("35 dump") << 35 << false << "\t\t";
    }
    void namePadding()
    {
        QFETCH(int, length);
        QFETCH(bool, console);
        SysDebug log;
        log.setEncryption(false);
        const bool fields[] = {false, false, false, false, false, true, true};
        log.setMsgFieldFlag(fields);
        const std::string name(static_cast<size_t>(length), 'n');
        SDebugMsgData msg(name, 0, -1, DBG_INFO, "text", ' ');
        QFETCH(QString, padding);
        QCOMPARE(log.printMsg(msg, console),
                 QString::fromStdString(name) + padding + QStringLiteral("text\n"));
    }

    void levelMarks_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QString>("mark");
        QTest::newRow("plain") << 0 << -1 << 0 << "N)";
        QTest::newRow("info") << 3 << -1 << 0 << "";
        QTest::newRow("warning") << 4 << -1 << 0 << "[W]";
        QTest::newRow("leave") << 8 << -1 << 0 << "[L]";
        QTest::newRow("profile") << 9 << -1 << 0 << "P)";
        QTest::newRow("deep") << 12 << -1 << 0 << "#)";
        QTest::newRow("debug") << 13 << -1 << 0 << "D)";
        QTest::newRow("stake") << 1 << 5 << 0 << "[5S]";
        QTest::newRow("finish") << 2 << 5 << 12 << "[5F12]";
    }
    void levelMarks()
    {
        SysDebug log;
        log.setEncryption(false);
        const bool fields[] = {true, false, true, true, false, false, true};
        log.setMsgFieldFlag(fields);
        QFETCH(int, code);
        QFETCH(int, level);
        SDebugMsgData msg("fn", 0, short(code), DEBUG_MSG_LEVEL(level), "x", ' ');
        QFETCH(int, elapsed);
        msg.elapsed = elapsed;
        QFETCH(QString, mark);
        QCOMPARE(log.printMsg(msg, false), mark + QStringLiteral("x\n"));
    }

    void encodingPadsToWholeGroups_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("padded");
        QTest::newRow("length 2") << "ab" << "ab\n";
        QTest::newRow("length 3") << "abc" << "abc  \n";
        QTest::newRow("length 4") << "abcd" << "abcd \n";
    }
    void encodingPadsToWholeGroups()
    {
        QFETCH(QString, line);
        const QString encoded = SysDebug::logEncryption(line);
        QFETCH(QString, padded);
        QCOMPARE(line, padded);
        QCOMPARE(QByteArray::fromBase64(encoded.toLatin1()), line.toLatin1());
        QVERIFY(!encoded.contains(QLatin1Char('=')));
    }

    void decodeModeWritesThePlainCopy()
    {
        {
            auto first = std::make_unique<SysDebug>();
            QVERIFY(first->initialize(QStringLiteral("profile.ini")));
            first->dbgPrintf(DBG_ERROR, "dec", 0, "one");
            first->dbgPrintf(DBG_ERROR, "dec", 0, "two");
        }
        writeProfile({{"DecryptionEnable", true}});
        g_console.clear();
        SysDebug log;
        QVERIFY(!log.initialize(QStringLiteral("profile.ini")));
        QVERIFY(!log.isRunning());
        QCOMPARE(g_console, QStringList{QStringLiteral("log decryption")});
        QFile plain(QString::fromLatin1(SysDebug::DecryptFilePath));
        QVERIFY(plain.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(plain.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY(matchesStamped(lines[1], dumpLine(QStringLiteral("dec"), QStringLiteral("[E]"), QStringLiteral("one"))));
        QVERIFY(matchesStamped(lines[3], dumpLine(QStringLiteral("dec"), QStringLiteral("[E]"), QStringLiteral("two"))));
    }

    // The auto-log ring keeps as many messages as the keep setting says, within 0 to its limit.
    void keepSettingBoundsTheRing_data()
    {
        QTest::addColumn<int>("keep");
        QTest::addColumn<int>("kept");
        QTest::newRow("10") << 10 << 10;
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("negative: none") << -5 << 0;
        QTest::newRow("past the limit: the limit") << 20000 << SysDebug::AutoLogKeepLimit;
    }
    void keepSettingBoundsTheRing()
    {
        QFETCH(int, keep);
        QFETCH(int, kept);
        writeProfile({{"AutoLogKeepMax", keep}});
        auto log = std::make_unique<SysDebug>();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        QCOMPARE(log->autoLogKeepMax(), kept);
        // Fewer than the log thread's queue holds, whatever its pace.
        const int count = 100;
        for (int i = 0; i < count; ++i)
            log->dbgPrintf(DBG_INFO, "keep", 0, "msg %d", i);
        log->dbgPrintf(DBG_ERROR, "keep", 0, "boom");
        log.reset();

        // A setting taken at the nearest end is said first, and kept while the ring has room.
        QStringList lines = decodedLines(readLog());
        QVERIFY(lines.takeFirst().startsWith(QStringLiteral("============================== Auto Log ")));
        if (keep != kept && kept > count)
            QVERIFY2(lines.takeFirst().contains(QStringLiteral("AutoLogKeepMax %1 taken as %2").arg(keep).arg(kept)),
                     qPrintable(lines.join('\n')));
        const int messages = std::min(kept, count);
        QCOMPARE(lines.size(), messages + 1);
        for (int i = 0; i < messages; ++i) {
            const QString expected = QStringLiteral("msg %1").arg(count - messages + i);
            QVERIFY2(matchesStamped(lines[i], dumpLine(QStringLiteral("keep"), QString(), expected)),
                     qPrintable(lines[i]));
        }
        QVERIFY(matchesStamped(lines.last(), dumpLine(QStringLiteral("keep"), QStringLiteral("[E]"),
                                                      QStringLiteral("boom"))));
    }

    // Past its size limit the log file moves aside, replacing the one before, and a new one
    // begins with the user's head line: two files at most, each within the limit, the newest
    // messages kept.
    void fileIsBoundedAndRotated()
    {
        const QByteArray head = "ffff\n";
        QFile file(QStringLiteral("logger.log"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(head);
        file.close();
        auto log = std::make_unique<SysDebug>();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        // Each dump is larger than the limit: a thousand messages of 1900 characters.
        const std::string text(1900, 'x');
        for (int dump = 0; dump < 3; ++dump) {
            for (int i = 0; i < SysDebug::AutoLogKeepDefault; ++i)
                log->dbgPrintf(DBG_INFO, "big", 0, "%d %s", i, text.c_str());
            log->dbgPrintf(DBG_ERROR, "big", 0, "dump %d", dump);
        }
        log.reset();

        QFile current(QString::fromLatin1(CAbstractSysDebug::LogFilePath));
        QFile old(QString::fromLatin1(CAbstractSysDebug::OldLogFilePath));
        QVERIFY(current.open(QIODevice::ReadOnly) && old.open(QIODevice::ReadOnly));
        QVERIFY2(current.size() <= CAbstractSysDebug::LogFileSizeLimit, qPrintable(QString::number(current.size())));
        QVERIFY2(old.size() <= CAbstractSysDebug::LogFileSizeLimit, qPrintable(QString::number(old.size())));
        const QByteArray newest = current.readAll();
        QVERIFY(newest.startsWith(head));
        QVERIFY(old.readAll().startsWith(head));
        QVERIFY(newest.endsWith("\r\n"));
        const QStringList lines = decodedLines(newest.mid(head.size()));
        QVERIFY(matchesStamped(lines.last(),
                               dumpLine(QStringLiteral("big"), QStringLiteral("[E]"), QStringLiteral("dump 2"))));

        // The head line still sets the flags at the next start.
        SysDebug next;
        QCOMPARE(next.fieldMask(), 0xFFFFu);
    }

    // A log file that cannot take its writes (a full disk) is said once on the console with the
    // system's reason, not at every write; once it takes them again that is said once too, and
    // the log notes the writes that failed.
    void failedWritesAreSaidOnce()
    {
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), QStringLiteral("logger.log")));
        auto log = std::make_unique<SysDebug>();
        QVERIFY(log->initialize(QStringLiteral("profile.ini")));
        log->dbgPrintf(DBG_ERROR, "full", 0, "first");
        QTRY_VERIFY_WITH_TIMEOUT(log->logWriteFailing(), 15000);
        log->dbgPrintf(DBG_ERROR, "full", 0, "second");
        log->dbgPrintf(DBG_ERROR, "full", 0, "third");

        QVERIFY(QFile::remove(QStringLiteral("logger.log")));
        log->dbgPrintf(DBG_ERROR, "full", 0, "taken");
        QTRY_VERIFY_WITH_TIMEOUT(!log->logWriteFailing(), 15000);
        log->dbgPrintf(DBG_ERROR, "full", 0, "after");
        log.reset();

        const QStringList failed = g_console.filter(QStringLiteral("cannot be written"));
        QCOMPARE(failed.size(), 1);
        QVERIFY2(failed.first().contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(failed.first()));
        QCOMPARE(g_console.filter(QStringLiteral("is written again")).size(), 1);
        const QString text = decodedLines(readLog()).join(QLatin1Char('\n'));
        QVERIFY2(text.contains(QStringLiteral("writes of the log failed before this: ")
                               + QString::fromLocal8Bit(std::strerror(ENOSPC))),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("taken")));
    }

    void headLineSetsFlags_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QString>("logTag");
        QTest::addColumn<unsigned>("mask");
        QTest::addColumn<bool>("record");
        QTest::addColumn<bool>("deep");
        QTest::newRow("mask and record") << QByteArray("7f record\n") << QString() << 0x7Fu << true << false;
        QTest::newRow("mask only") << QByteArray("5\n") << QString() << 0x5u << false << false;
        QTest::newRow("empty tag keeps head words") << QByteArray("ff record DL\n") << "" << 0xFFu << true << true;
        QTest::newRow("plain header") << QByteArray("=== Start Log ===\r") << QString() << 0xFFFFu << false << false;
    }
    void headLineSetsFlags()
    {
        QFETCH(QByteArray, head);
        QFETCH(QString, logTag);
        QFETCH(unsigned, mask);
        QFile file(QStringLiteral("logger.log"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(head);
        file.close();
        if (!logTag.isNull())
            writeProfile({{"LogTag", logTag}});

        SysDebug log;
        QCOMPARE(log.fieldMask(), mask);
        for (int f = 0; f < CAbstractSysDebug::FIELD_COUNT; ++f)
            QCOMPARE(log.fieldFlag(CAbstractSysDebug::FIELD(f)), bool((mask >> f) & 1u));
        if (!logTag.isNull()) {
            QSettings settings(QStringLiteral("profile.ini"), QSettings::IniFormat);
            log.readProfileIni(&settings);
        }
        QFETCH(bool, record);
        QCOMPARE(log.recordMode(), record);
        QFETCH(bool, deep);
        QCOMPARE(log.levelFlag(DBG_DEEP), deep);
    }
};

QTEST_GUILESS_MAIN(TestSysDebug)
#include "tst_sysdebug.moc"
