#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/CLogLineCutter.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "FakeLink.h"
#include "LogCapture.h"
#include "StandInFileNameAsker.h"
#include "StandInPortLister.h"
#include "TestEnv.h"
#include "WindowSimRig.h"

#include <QTextBrowser>
#include <QtTest>
#include <memory>

namespace {

// A piece from a transport that is not the adopted serial link.
const QString OtherTransport = QStringLiteral("#other:");

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
    }

    // The view's text with the line ends it was given: a CR LF becomes one block end.
    QString shown() const { return m_ui->txbwSerialRx->toPlainText(); }
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
        device().adoptLink(m_link.get());
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
        const QString atLimit(CLogLineCutter::CarryOverLimit, QChar('x'));
        QTest::newRow("tail at its limit is held") << QStringList{atLimit} << "" << atLimit.toLatin1();
        QTest::newRow("tail past its limit is shown as it stands")
            << QStringList{atLimit, "y", "$A\r\n"} << atLimit + "y$A\r\n" << (atLimit + "y$A\r\n").toLatin1();
        QTest::newRow("non-ASCII kept as UTF-8") << QStringList{QString::fromUtf8("\xc3\xa9\r\n")}
                                                  << QString::fromUtf8("\xc3\xa9\r\n")
                                                  << QByteArray("\xc3\xa9\r\n");
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
        play({first, OtherTransport + QString(held - first.size(), QChar('x'))});
        QCOMPARE(m_window->serialLogBuffer().size(), held);
        play({"$NEW\r\n"});
        if (emptied) {
            QCOMPARE(m_window->serialLogBuffer(), QByteArray("$NEW\r\n"));
            QCOMPARE(shown(), asShown("$NEW\r\n"));
        } else {
            QCOMPARE(m_window->serialLogBuffer().size(), held + 6);
            QVERIFY(m_window->serialLogBuffer().endsWith("x$NEW\r\n"));
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
