#include "mainwindow/AisConfiguration.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "LogCapture.h"
#include "SimTrafficFreeze.h"
#include "WindowSimRig.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

namespace {

constexpr int WaitMs = WindowSimRig::WaitMs;

// The line as the view shows it: its CR LF one line end.
QString asShown(QByteArray text)
{
    return QString::fromLatin1(text.replace("\r\n", "\n"));
}

// A typed query, closed with "*" and the checksum its user works out.
QString withChecksum(const QByteArray& body)
{
    unsigned sum = 0;
    for (int i = 1; i < body.size(); ++i)
        sum ^= uint8_t(body[i]);
    return QString::fromLatin1(body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0'));
}

// The device's own answers to a query, from the replies it is known to give.
QStringList repliesStartingWith(int model, const QByteArray& start)
{
    QFile file(TestEnv::SimProcess::repliesPath(model));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no replies of model %d", model);
    QStringList replies;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith(start))
            replies.append(QString::fromLatin1(line.trimmed()));
    }
    return replies;
}

// Types a file name into the save dialog and presses its Save button, as a user would. The
// dialog is looked for until it comes, however long that takes; one that Save leaves open is
// cancelled, so that the test fails on the titles instead of waiting in the dialog's loop.
class SaveDialogUser : public QObject
{
public:
    explicit SaveDialogUser(QString fileName)
        : m_fileName(std::move(fileName))
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
            auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr;
            if (!name || !buttons || !buttons->button(QDialogButtonBox::Save))
                return;
            titles.append(dialog->windowTitle());
            if (titles.size() > 1) {
                dialog->reject();
                return;
            }
            name->clear();
            QTest::keyClicks(name, m_fileName);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
        });
        m_timer.start();
    }

    QStringList titles;

private:
    QString m_fileName;
    QTimer m_timer;
};

} // namespace

// Serial Data on the simulated transponder: the user watches the device's traffic, saves what
// the page shows, clears it and types a query whose answer comes into view.
class TestJourneySerialData : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    // Model 2 asks once about the power supply for its Wi-Fi set-up; not setting up Wi-Fi, the
    // user answers No.
    BoxAnswerer m_boxes;

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void init() { m_boxes.reset(QMessageBox::No); }

    void cleanup() { QVERIFY(m_rig.stop()); }

    void trafficSavedAndQueried_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("UNIT-K-42") << 1;
        QTest::newRow("Q-375") << 2;
    }

    void trafficSavedAndQueried()
    {
        QFETCH(int, model);
        QVERIFY(m_rig.connectSim(model));
        int64_t now = WindowSimRig::Start;
        QVERIFY(m_rig.detect(&now));
        Ui::AisConfiguration* ui = m_rig.ui();
        QTest::mouseClick(ui->btnMMSerialData, Qt::LeftButton);
        QCOMPARE(ui->tbwgMain->currentWidget(), ui->tabMainSerialData);
        QTextBrowser* view = ui->txbwSerialRx;

        // The last second the device sent ends the view, line by line.
        const QList<QByteArray> second = SimTrafficFreeze::freeze(m_rig.sim());
        QVERIFY(!second.isEmpty());
        QString lastSecond;
        for (const QByteArray& line : second)
            lastSecond += asShown(line);
        QTRY_VERIFY_WITH_TIMEOUT(view->toPlainText().endsWith(lastSecond), WaitMs);
        QVERIFY(view->toPlainText().count('\n') > second.size());

        // Saved, the file holds what the page shows.
        const QString fileName = QDir::current().absoluteFilePath(QStringLiteral("traffic.txt"));
        {
            SaveDialogUser user(fileName);
            QTest::mouseClick(ui->btnSaveToFile, Qt::LeftButton);
            QCOMPARE(user.titles, QStringList{"Save Log File"});
        }
        QFile saved(fileName);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(asShown(saved.readAll()), view->toPlainText());

        // Cleared, then a typed query: the device's answer comes into view.
        QTest::mouseClick(ui->btnClearLog, Qt::LeftButton);
        QCOMPARE(view->toPlainText(), QString());
        QVERIFY(SimTrafficFreeze::resume(m_rig.sim()));
        const QByteArray query = "$PQLX,Q,CFG,183,,,";
        const QStringList answers = repliesStartingWith(model, "$PQLX,R,CFG,183,");
        QVERIFY(!answers.isEmpty());
        QVERIFY(!view->toPlainText().contains("$PQLX,R,CFG,183,"));
        ui->edtSendCommand->clear();
        QTest::keyClicks(ui->edtSendCommand, withChecksum(query));
        QTest::mouseClick(ui->btnSendCommand, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(view->toPlainText().contains(answers.last()), WaitMs);
        const QStringList shown = view->toPlainText().split('\n');
        for (const QString& answer : answers)
            QVERIFY2(shown.contains(answer), qPrintable(answer));
        QCOMPARE(m_rig.received(query).value(0), withChecksum(query).toLatin1() + "\\r\\n");
    }
};

QTEST_MAIN(TestJourneySerialData)
#include "tst_journey_serialdata.moc"
