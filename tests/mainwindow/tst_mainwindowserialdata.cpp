#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/CLogLineCutter.h"
#include "mainwindow/CLogViewFeeder.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "FakeLink.h"
#include "LogCapture.h"
#include "StandInFileNameAsker.h"
#include "StandInMsgBoxShower.h"
#include "StandInPortLister.h"
#include "TestEnv.h"
#include "WindowSimRig.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <memory>

namespace {

// A piece from a transport that is not the adopted serial link.
const QString OtherTransport = QStringLiteral("#other:");

// What the simulator's long run sends: every byte value but CR and LF, in order, over and over.
QByteArray longRun(int size)
{
    QByteArray values;
    for (int value = 0; value < 256; ++value) {
        if (value != '\r' && value != '\n')
            values += char(value);
    }
    QByteArray run;
    while (run.size() < size)
        run += values;
    run.truncate(size);
    return run;
}

// Received bytes as the view shows them: Latin-1, control characters as their symbols.
QString asViewed(const QByteArray& bytes)
{
    QString text;
    for (const char byte : bytes) {
        const auto code = ushort(uchar(byte));
        if (code < 0x20 && code != '\t' && code != '\r' && code != '\n')
            text += QChar(ushort(0x2400 + code));
        else if (code == 0x7f)
            text += QChar(ushort(0x2421));
        else
            text += QChar(code);
    }
    return text;
}

// The view's characters as they are (the plain text would turn a no-break space into a blank),
// each block end a line feed.
QString viewText(const QTextBrowser* view)
{
    return view->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// The longest block of the view, in characters.
int longestShownLine(const QTextBrowser* view)
{
    int longest = 0;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
        longest = std::max(longest, block.length() - 1);
    return longest;
}

} // namespace

// The Serial Data page: received text cut into whole lines for the view and kept whole for
// saving, the save itself and a typed command.
class TestMainWindowSerialData : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    std::unique_ptr<DeviceFixture::FakeLink> m_link;
    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;
    std::shared_ptr<CStandInFileNameAsker> m_fileNames;
    std::shared_ptr<CStandInMsgBoxShower> m_boxes;

    CDeviceComm& device() { return m_window->commSpaces()->getDeviceComm(); }

    // Plain text is a piece from the serial link; "#clear" and "#log" press those buttons.
    void play(const QStringList& steps)
    {
        for (const QString& step : steps) {
            if (step == "#clear")
                QTest::mouseClick(m_ui->btnClearLog, Qt::LeftButton);
            else if (step == "#log")
                QTest::mouseClick(m_ui->btnEnableLog, Qt::LeftButton);
            else if (step.startsWith(OtherTransport))
                m_window->onCommRxLogMsg(this, step.mid(OtherTransport.size()));
            else
                m_window->onCommRxLogMsg(m_link.get(), step);
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_window->serialViewPending(), 0, WindowSimRig::WaitMs);
    }

    // The view's text with the line ends it was given: a CR LF becomes one block end.
    QString shown() const { return viewText(m_ui->txbwSerialRx); }
    static QString asShown(QString text) { return text.replace("\r\n", "\n"); }

    // A window without a device, its link a fake serial transport, its ticks stopped.
    void openWindow()
    {
        m_link = std::make_unique<DeviceFixture::FakeLink>();
        m_window = std::make_unique<AisConfiguration>(nullptr, std::make_shared<CStandInPortLister>());
        m_window->refreshTimer()->stop();
        m_ui = m_window->form();
        m_fileNames = std::make_shared<CStandInFileNameAsker>();
        m_window->setFileNameAsker(m_fileNames);
        m_boxes = std::make_shared<CStandInMsgBoxShower>();
        m_window->setMsgBoxShower(m_boxes);
        device().adoptLink(m_link.get());
    }

    // Save to File into the stand-in's name; true when the file holds the record.
    bool saveMatchesRecord(AisConfiguration& window, QByteArray* saved)
    {
        m_fileNames = std::make_shared<CStandInFileNameAsker>();
        m_fileNames->fileName = QDir::current().absoluteFilePath("serial.txt");
        window.setFileNameAsker(m_fileNames);
        QTest::mouseClick(window.form()->btnSaveToFile, Qt::LeftButton);
        QFile file(m_fileNames->fileName);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        *saved = file.readAll();
        return *saved == window.serialLogBuffer();
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
    }

    void cleanup()
    {
        if (m_window)
            device().adoptLink(nullptr);
        m_window.reset();
        m_link.reset();
        QVERIFY(m_rig.stop());
    }

    void receivedText_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("view");
        QTest::addColumn<QByteArray>("buffer");
        QTest::newRow("piece without CR LF waits") << QStringList{"$GPGLL,48"} << "" << QByteArray("$GPGLL,48");
        QTest::newRow("next piece completes it")
            << QStringList{"$GPGLL,48", ",N*00\r\n"} << "$GPGLL,48,N*00\r\n" << QByteArray("$GPGLL,48,N*00\r\n");
        QTest::newRow("two lines and a half")
            << QStringList{"$A,1\r\n!B,2\r\n$C,"} << "$A,1\r\n!B,2\r\n" << QByteArray("$A,1\r\n!B,2\r\n$C,");
        QTest::newRow("CR and LF in two pieces")
            << QStringList{"$A,1\r", "\n$B"} << "$A,1\r\n" << QByteArray("$A,1\r\n$B");
        QTest::newRow("clear, then the held line completed")
            << QStringList{"$A,1\r\n$B,", "#clear", "2\r\n"} << "$B,2\r\n" << QByteArray("2\r\n");
        QTest::newRow("logging off keeps text out")
            << QStringList{"$A\r\n", "#log", "$B\r\n", "#log", "$C\r\n"} << "$A\r\n$C\r\n"
            << QByteArray("$A\r\n$C\r\n");
        QTest::newRow("other transport buffered, not shown")
            << QStringList{OtherTransport + "$A\r\n", "$B\r\n"} << "$B\r\n" << QByteArray("$A\r\n$B\r\n");
        // Shown lines are cut at the limit, each piece on a line of its own; the record is whole.
        const QString atLimit(CLogLineCutter::ShownLineLimit, QChar('x'));
        QTest::newRow("tail at its limit is held") << QStringList{atLimit} << "" << atLimit.toLatin1();
        QTest::newRow("tail past its limit is shown in pieces")
            << QStringList{atLimit, "y", "$A\r\n"} << atLimit + "\ny$A\r\n" << (atLimit + "y$A\r\n").toLatin1();
        QTest::newRow("run of many limits in one piece")
            << QStringList{atLimit + atLimit + atLimit + "z"} << atLimit + "\n" + atLimit + "\n" + atLimit + "\n"
            << (atLimit + atLimit + atLimit + "z").toLatin1();
        QTest::newRow("long line with its end in one piece")
            << QStringList{atLimit + atLimit + "y\r\n$B\r\n"} << atLimit + "\n" + atLimit + "\ny\r\n$B\r\n"
            << (atLimit + atLimit + "y\r\n$B\r\n").toLatin1();
        QTest::newRow("line of exactly the limit is one line")
            << QStringList{atLimit + "\r\n"} << atLimit + "\r\n" << (atLimit + "\r\n").toLatin1();
        // One character per byte: the record holds the bytes, the view their symbols.
        const char bytes[] = "\xe9\0\xff\x1b[2J\x7f\r\n";
        const QString received = QString::fromLatin1(bytes, int(sizeof bytes) - 1);
        QTest::newRow("zero, control and high bytes kept as they came")
            << QStringList{received} << asViewed(received.toLatin1()) << received.toLatin1();
    }

    void receivedText()
    {
        openWindow();
        QFETCH(QStringList, steps);
        QFETCH(QString, view);
        QFETCH(QByteArray, buffer);
        play(steps);
        QCOMPARE(shown(), asShown(view));
        QCOMPARE(m_window->serialLogBuffer(), buffer);
    }

    void logSwitchFollowsButtonText()
    {
        openWindow();
        QTextBrowser* view = m_ui->txbwSerialRx;
        QCOMPARE(m_ui->btnEnableLog->text(), QStringLiteral("Stop Log"));
        QVERIFY(view->isReadOnly() && !view->isEnabled());
        QTest::mouseClick(m_ui->btnEnableLog, Qt::LeftButton);
        QCOMPARE(m_ui->btnEnableLog->text(), QStringLiteral("Start Log"));
        QVERIFY(!view->isReadOnly() && view->isEnabled());
        play({"$A\r\n"});
        QVERIFY(m_window->serialLogBuffer().isEmpty());
        QTest::mouseClick(m_ui->btnEnableLog, Qt::LeftButton);
        QCOMPARE(m_ui->btnEnableLog->text(), QStringLiteral("Stop Log"));
        QVERIFY(view->isReadOnly() && !view->isEnabled());
    }

    // At the cap the buffer is still appended to; past it the next piece starts anew.
    void cap_data()
    {
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("at the cap") << AisConfiguration::SerialLogCap << false;
        QTest::newRow("one past the cap") << AisConfiguration::SerialLogCap + 1 << true;
    }

    void cap()
    {
        openWindow();
        QFETCH(int, held);
        QFETCH(bool, emptied);
        const QString first = QStringLiteral("$OLD\r\n");
        play({first, OtherTransport + QString(held - first.size() - 2, QChar('x')) + "\r\n"});
        QCOMPARE(m_window->serialLogBuffer().size(), held);
        play({"$NEW\r\n"});
        if (emptied) {
            QCOMPARE(m_window->serialLogBuffer(), QByteArray("$NEW\r\n"));
            QCOMPARE(shown(), asShown("$NEW\r\n"));
        } else {
            QCOMPARE(m_window->serialLogBuffer().size(), held + 6);
            QVERIFY(m_window->serialLogBuffer().endsWith("x\r\n$NEW\r\n"));
            QCOMPARE(shown(), asShown("$OLD\r\n$NEW\r\n"));
        }
    }

    void saveWritesEveryByte()
    {
        openWindow();
        TestEnv::ScopedWorkDir dir;
        const char raw[] = "$A,1\r\n$B,\0,2\r\n$C";
        const QString received = QString::fromLatin1(raw, int(sizeof raw) - 1);
        play({received});
        m_fileNames->fileName = QDir::current().absoluteFilePath("serial.txt");
        QTest::mouseClick(m_ui->btnSaveToFile, Qt::LeftButton);
        QCOMPARE(m_fileNames->titles, QStringList{"Save Log File"});
        QFile file(m_fileNames->fileName);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), received.toLatin1());
        QCOMPARE(m_window->serialLogBuffer(), received.toLatin1());
    }

    void saveWithoutNameOrTextWritesNothing()
    {
        openWindow();
        TestEnv::ScopedWorkDir dir;
        QTest::mouseClick(m_ui->btnSaveToFile, Qt::LeftButton);
        QVERIFY(m_fileNames->titles.isEmpty());
        play({"$A\r\n"});
        QTest::mouseClick(m_ui->btnSaveToFile, Qt::LeftButton);
        QCOMPARE(m_fileNames->titles.size(), 1);
        QCOMPARE(QDir::current().entryList(QDir::Files), QStringList());
        QCOMPARE(m_window->serialLogBuffer(), QByteArray("$A\r\n"));
    }

    // A flood in one piece reaches the view a bounded step per turn of the event loop, the
    // record at once.
    void viewFedInSteps()
    {
        openWindow();
        const QByteArray run = longRun(20 * CLogViewFeeder::StepChars + 5);
        QTextDocument* document = m_ui->txbwSerialRx->document();
        m_window->onCommRxLogMsg(m_link.get(), QString::fromLatin1(run.constData(), run.size()) + "\r\n");
        QCOMPARE(m_window->serialLogBuffer(), run + "\r\n");
        QCOMPARE(document->characterCount(), 1);
        int turns = 0;
        int viewed = document->characterCount();
        while (m_window->serialViewPending() > 0 && turns < 1000) {
            QCoreApplication::processEvents();
            const int grown = document->characterCount() - viewed;
            QVERIFY2(grown <= CLogViewFeeder::StepChars, qPrintable(QString::number(grown)));
            viewed += grown;
            ++turns;
        }
        QVERIFY2(turns > 20, qPrintable(QString::number(turns)));
        QCOMPARE(m_window->serialViewPending(), 0);
        QCOMPARE(longestShownLine(m_ui->txbwSerialRx), CLogLineCutter::ShownLineLimit);
        QCOMPARE(shown().remove('\n'), asViewed(run));
    }

    // A step never ends between CR and LF: the view would take them for two line ends.
    void stepKeepsLineEndWhole()
    {
        QStringList steps;
        CLogViewFeeder feeder([&steps](const QString& text) { steps << text; });
        const QString text = QString(CLogViewFeeder::StepChars - 1, QChar('x')) + "\r\ny";
        feeder.append(text);
        QTRY_COMPARE(feeder.pending(), 0);
        QCOMPARE(steps.size(), 2);
        QVERIFY(steps.first().endsWith("\r\n"));
        QCOMPARE(steps.join(QString()), text);
    }

    // Clear and a lost link drop what waits for the view with what it shows.
    void waitingTextDropped_data()
    {
        QTest::addColumn<bool>("linkLost");
        QTest::newRow("clear") << false;
        QTest::newRow("link lost") << true;
    }

    void waitingTextDropped()
    {
        QFETCH(bool, linkLost);
        openWindow();
        m_window->onCommRxLogMsg(m_link.get(), QString(4 * CLogViewFeeder::StepChars, QChar('x')) + "\r\n");
        QVERIFY(m_window->serialViewPending() > 0);
        if (linkLost)
            m_window->onConntDeleted();
        else
            QTest::mouseClick(m_ui->btnClearLog, Qt::LeftButton);
        QCOMPARE(m_window->serialViewPending(), 0);
        play({"$A\r\n"});
        QCOMPARE(shown(), asShown("$A\r\n"));
    }

    // Every failed open, write or close is said with the system's reason; the record stays.
    void saveFailureSaid_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("error");
        QTest::newRow("folder nobody may write") << "/sys/serial.txt" << EACCES;
        QTest::newRow("folder not there") << "missing/serial.txt" << ENOENT;
        QTest::newRow("full disk") << "/dev/full" << ENOSPC;
    }

    void saveFailureSaid()
    {
        QFETCH(QString, path);
        QFETCH(int, error);
        openWindow();
        TestEnv::ScopedWorkDir dir;
        play({"$A,1\r\n"});
        m_fileNames->fileName = QDir::current().absoluteFilePath(path);
        LogCapture::take();
        QTest::mouseClick(m_ui->btnSaveToFile, Qt::LeftButton);
        const QString reason = QString::fromLocal8Bit(std::strerror(error));
        QCOMPARE(m_boxes->kinds, QList<MSG_BOX_S>{MSG_BOX_WARNING});
        QCOMPARE(m_boxes->titles, QStringList{"Warning"});
        QCOMPARE(m_boxes->texts, QStringList{"The serial data was not saved to " + m_fileNames->fileName + ":\n" + reason});
        QCOMPARE(LogCapture::take().filter("not saved: " + reason).size(), 1);
        QCOMPARE(m_window->serialLogBuffer(), QByteArray("$A,1\r\n"));
    }

    // On the simulated transponder: its traffic and a typed command.
    void trafficShowsLineByLine()
    {
        QVERIFY(m_rig.connectSim(1));
        int64_t now = WindowSimRig::Start;
        QVERIFY(m_rig.detect(&now));
        QTextBrowser* view = m_rig.ui()->txbwSerialRx;
        QTRY_VERIFY_WITH_TIMEOUT(view->toPlainText().count('\n') >= 10, WindowSimRig::WaitMs);
        // Whole lines only, each kept in the buffer as it came, CR LF included.
        const QString text = view->toPlainText();
        QVERIFY(text.endsWith('\n'));
        const QByteArray buffer = m_rig.window().serialLogBuffer();
        for (const QString& line : text.split('\n', Qt::SkipEmptyParts))
            QVERIFY2(buffer.contains(line.toLatin1() + "\r\n"), qPrintable(line));
    }

    // Every byte value the device sends, through the pseudo-terminal into the saved file.
    void bytesReachFileAsSent()
    {
        QVERIFY(m_rig.connectSim(1));
        const QByteArray run = longRun(600);
        m_rig.sim().command("long-run 600");
        AisConfiguration& window = m_rig.window();
        // The run, then the line end of the traffic after it.
        QTRY_VERIFY_WITH_TIMEOUT(window.serialLogBuffer().indexOf(run + "$") >= 0
                                     || window.serialLogBuffer().indexOf(run + "!") >= 0,
                                 WindowSimRig::WaitMs);
        const int at = window.serialLogBuffer().indexOf(run);
        QTRY_VERIFY_WITH_TIMEOUT(window.serialLogBuffer().indexOf("\r\n", at) > at, WindowSimRig::WaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(window.serialViewPending(), 0, WindowSimRig::WaitMs);
        QByteArray saved;
        QVERIFY(saveMatchesRecord(window, &saved));
        QCOMPARE(saved.mid(at, run.size()), run);
        QVERIFY(at == 0 || saved.mid(at - 2, 2) == "\r\n");
        QVERIFY(viewText(m_rig.ui()->txbwSerialRx).contains(asViewed(run)));
    }

    // A run far past a shown line, with the page shown: the view takes it in bounded lines over
    // many turns of the event loop while the record takes every byte.
    void longRunShownInPieces()
    {
        QVERIFY(m_rig.connectSim(1));
        QTest::mouseClick(m_rig.ui()->btnMMSerialData, Qt::LeftButton);
        AisConfiguration& window = m_rig.window();
        QTextDocument* document = m_rig.ui()->txbwSerialRx->document();
        int turnsGrown = 0;
        int lastCount = document->characterCount();
        QTimer turn;
        turn.setInterval(0);
        connect(&turn, &QTimer::timeout, this, [&] {
            const int count = document->characterCount();
            if (count != lastCount)
                ++turnsGrown;
            lastCount = count;
        });
        turn.start();
        // The run takes a while under the sanitizers on a loaded machine.
        constexpr int RunWaitMs = 6 * WindowSimRig::WaitMs;
        constexpr int RunBytes = 256 * 1024;
        const QByteArray run = longRun(RunBytes);
        m_rig.sim().command("long-run " + QByteArray::number(RunBytes));
        QVERIFY(m_rig.sim().waitForLog("note", "long run of " + QByteArray::number(RunBytes) + " bytes sent",
                                       RunWaitMs));
        QTRY_VERIFY_WITH_TIMEOUT(window.serialLogBuffer().contains(run), RunWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(window.serialViewPending(), 0, RunWaitMs);
        turn.stop();
        QVERIFY2(turnsGrown >= RunBytes / CLogViewFeeder::StepChars, qPrintable(QString::number(turnsGrown)));
        QVERIFY(longestShownLine(m_rig.ui()->txbwSerialRx) <= CLogLineCutter::ShownLineLimit);
        QByteArray saved;
        QVERIFY(saveMatchesRecord(window, &saved));
        QVERIFY(saved.contains(run));
    }

    void typedCommandReachesDevice()
    {
        QVERIFY(m_rig.connectSim(1));
        Ui::AisConfiguration* ui = m_rig.ui();
        ui->edtSendCommand->setText("$PQLX,Q,CFG,183,,,");
        QTest::mouseClick(ui->btnSendCommand, Qt::LeftButton);
        QVERIFY(m_rig.sim().waitForLog("in", "$PQLX,Q,CFG,183,,,", WindowSimRig::WaitMs));
        QCOMPARE(m_rig.received("$PQLX,Q,CFG,183").value(0), QByteArray("$PQLX,Q,CFG,183,,,\\r\\n"));
        QCOMPARE(ui->edtSendCommand->text(), QStringLiteral("$PQLX,Q,CFG,183,,,"));

        // What a transmit package cannot carry is refused, never cut.
        LogCapture::take();
        ui->edtSendCommand->setMaxLength(1000);
        ui->edtSendCommand->setText(QString(600, QChar('A')));
        QTest::mouseClick(ui->btnSendCommand, Qt::LeftButton);
        QCOMPARE(LogCapture::take().filter("sendCommand [E]602 bytes refused").size(), 1);
    }
};

QTEST_MAIN(TestMainWindowSerialData)

#include "tst_mainwindowserialdata.moc"
