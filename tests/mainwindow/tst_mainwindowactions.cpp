#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "LogCapture.h"
#include "PtyPair.h"
#include "StandInPortLister.h"
#include "WindowSimRig.h"

#include <QDesktopServices>
#include <QDir>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTextBrowser>
#include <QtTest>
#include <memory>
#include <unistd.h>

namespace {

constexpr int WaitMs = WindowSimRig::WaitMs;

QStandardItemModel* sourceOf(QAbstractItemView* table)
{
    auto* proxy = qobject_cast<QSortFilterProxyModel*>(table->model());
    return proxy ? qobject_cast<QStandardItemModel*>(proxy->sourceModel()) : nullptr;
}

} // namespace

// The URLs the window asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// The real facade with its attempts 50 ms apart.
class QuickTickFacade : public CCommSpacesManage
{
public:
    explicit QuickTickFacade(QObject* parent)
        : CCommSpacesManage(parent)
    {
        setTimerInterval(50);
    }
};

// The connection road, the window's frame and theme buttons and the small Configuration and
// Diagnostics page buttons.
class TestMainWindowActions : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    std::unique_ptr<BoxAnswerer> m_boxes;
    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;

    // A window without a device.
    void openWindow()
    {
        m_window = std::make_unique<AisConfiguration>(nullptr, std::make_shared<CStandInPortLister>());
        m_window->refreshTimer()->stop();
        m_ui = m_window->form();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
        // Closing the window under test must not end the test's own event loops.
        QApplication::setQuitOnLastWindowClosed(false);
        m_boxes = std::make_unique<BoxAnswerer>();
    }

    void init() { m_boxes->reset(); }

    void cleanup()
    {
        m_window.reset();
        QVERIFY(m_rig.stop());
    }

    // Connect is one request until the link is reported; losing the port resets every display
    // but keeps the log for saving.
    void unplugResetsDisplays()
    {
        QVERIFY(m_rig.start(1));
        QVERIFY(m_rig.selectSimPort());
        Ui::AisConfiguration* ui = m_rig.ui();
        QAbstractButton* connect = ui->btnCommConnt;
        QTest::mouseClick(connect, Qt::LeftButton);
        QVERIFY(connect->isChecked() && !connect->isEnabled());
        QVERIFY(!m_rig.window().view()->serialPortComboBox().isEnabled());
        QTest::mouseClick(connect, Qt::LeftButton);
        QVERIFY(connect->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(connect->isEnabled(), WaitMs);
        QVERIFY(connect->isChecked());
        QCOMPARE(m_rig.state(), DEV_STATE_LINK_SAVED);

        int64_t now = WindowSimRig::Start;
        QVERIFY(m_rig.detect(&now));
        QAbstractItemModel* vessels = ui->tbvwOtherVessels->model();
        QTRY_VERIFY_WITH_TIMEOUT((m_rig.tickAt(++now), vessels->rowCount() > 0), WaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!ui->txbwSerialRx->toPlainText().isEmpty(), WaitMs);
        sourceOf(ui->tbvwWiFiCfgClient)->appendRow(new QStandardItem("stale"));
        m_rig.window().view()->enableWiFiWaitingDisp(true);

        m_rig.sim().command("unplug");
        QTRY_VERIFY_WITH_TIMEOUT(!connect->isChecked(), WaitMs);
        QVERIFY(connect->isEnabled());
        QVERIFY(m_rig.window().view()->serialPortComboBox().isEnabled());
        QCOMPARE(vessels->rowCount(), 0);
        m_rig.tickAt(++now);
        QCOMPARE(vessels->rowCount(), 0);
        QCOMPARE(ui->tbvwWiFiCfgClient->model()->rowCount(), 0);
        QVERIFY(ui->wgWiFiCfgWaiting->isHidden());
        QVERIFY(!ui->wgWiFiMode->isHidden());
        QVERIFY(ui->txbwSerialRx->toPlainText().isEmpty());
        QVERIFY(!m_rig.window().serialLogBuffer().isEmpty());
    }

    void portThatWillNotOpen_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing device") << "missing";
        QTest::newRow("a directory") << "directory";
        QTest::newRow("held by another program") << "held";
        QTest::newRow("no permission") << "unreadable";
    }

    // A port that does not open goes back as before, after the communication layer's attempts,
    // and then says why in the system's words.
    void portThatWillNotOpen()
    {
        QFETCH(QString, kind);
        if (kind == "unreadable" && ::geteuid() == 0)
            QSKIP("root opens a port whatever its mode bits; the other rows fail as root too");
        QTemporaryDir dir;
        TestEnv::PtyPair pty;
        QSerialPort holder;
        QString path = dir.filePath("ttyGone");
        if (kind == "directory") {
            QVERIFY(QDir().mkdir(path));
        } else if (kind != "missing") {
            QVERIFY(pty.start(dir.path()));
            path = pty.devicePath();
            holder.setPortName(path);
            if (kind == "held")
                QVERIFY(holder.open(QIODevice::ReadWrite));
            else
                QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        }
        QSerialPort probe;
        probe.setPortName(path);
        QVERIFY(!probe.open(QIODevice::ReadWrite));
        const QString reason = probe.errorString();

        // The communication layer's attempts a second apart, brought closer.
        m_window = std::make_unique<AisConfiguration>(
            nullptr, std::make_shared<CStandInPortLister>(QVector<SSerialPortEntry>{{path, path, QString(), false}}),
            [](QObject* parent) { return new QuickTickFacade(parent); });
        m_window->refreshTimer()->stop();
        m_ui = m_window->form();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        WgComboBox& selector = m_window->view()->serialPortComboBox();
        selector.showPopup();
        selector.hidePopup();
        selector.setCurrentIndex(selector.findData(path, Qt::UserRole));
        QCOMPARE(selector.currentText(), path);

        QTest::mouseClick(m_ui->btnCommConnt, Qt::LeftButton);
        const SMsgTextResource& text = m_window->view()->msgText();
        QCOMPARE(m_ui->lblConntStatus->text(), text.connectCheckTip);
        QTRY_COMPARE_WITH_TIMEOUT(m_boxes->texts.size(), 1, WaitMs);
        QCOMPARE(m_boxes->titles, QStringList{text.warning});
        const QString said = m_boxes->texts.first();
        QVERIFY2(said.contains(path) && said.contains(reason), qPrintable(said + " / " + reason));
        // Said once the window has gone back.
        QVERIFY(!m_ui->btnCommConnt->isChecked());
        QVERIFY(m_ui->btnCommConnt->isEnabled());
        QVERIFY(selector.isEnabled());
        QCOMPARE(m_ui->lblConntStatus->text(), text.disconnectTip);
    }

    void closeRefusedDuringWiFiJob_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("waiting");
        QTest::addColumn<bool>("closes");
        QTest::newRow("idle") << int(WiFiScope::WIFI_SYS_MODE_NMEA) << false << true;
        QTest::newRow("mode unknown") << int(WiFiScope::WIFI_SYS_MODE_UNKNOWN) << false << true;
        QTest::newRow("configuration mode") << int(WiFiScope::WIFI_SYS_MODE_CONFIG) << false << false;
        QTest::newRow("waiting panel shown") << int(WiFiScope::WIFI_SYS_MODE_NMEA) << true << false;
    }

    void closeRefusedDuringWiFiJob()
    {
        QFETCH(int, mode);
        QFETCH(bool, waiting);
        QFETCH(bool, closes);
        openWindow();
        m_window->commSpaces()->getDeviceComm().getWiFiConfig().setSystemMode(WiFiScope::WIFI_SYS_MODE(mode));
        m_ui->wgWiFiCfgWaiting->setVisible(waiting);
        QTest::mouseClick(m_ui->btnWinCtrlClose, Qt::LeftButton);
        QCOMPARE(m_window->isVisible(), !closes);
        const QString refusal = QStringLiteral("Wi-Fi setting is in progress!\nPlease wait a moment.");
        QCOMPARE(m_boxes->texts, closes ? QStringList{} : QStringList{refusal});
        QCOMPARE(m_boxes->titles, closes ? QStringList{} : QStringList{"Information"});
    }

    void msgBoxKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("shown");
        QTest::newRow("critical") << int(MSG_BOX_CRITICAL) << true;
        QTest::newRow("past the kinds") << 4 << false;
        QTest::newRow("negative") << -1 << false;
    }

    void msgBoxKinds()
    {
        QFETCH(int, kind);
        QFETCH(bool, shown);
        openWindow();
        m_window->showMsgBox(MSG_BOX_S(kind), "Title", "Text", QMessageBox::Ok, 0);
        QCOMPARE(m_boxes->texts.size(), shown ? 1 : 0);
    }

    void helpOpensManual()
    {
        openWindow();
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        QTest::mouseClick(m_ui->btnThemeFunHelp, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(catcher.urls.size(), 1);
        const QUrl url = catcher.urls.first();
        QCOMPARE(url.scheme(), QStringLiteral("file"));
        QCOMPARE(url.toLocalFile(), QCoreApplication::applicationDirPath() + "/Help/Manual_EN.pdf");
    }

    // Both fields put any text in capitals, but for the device's own text, which shows as it
    // came (see the Configuration page's tests).
    void upperCase()
    {
        openWindow();
        m_ui->edtCfgShipName->setFocus();
        QTest::keyClicks(m_ui->edtCfgShipName, "Sea x1");
        QCOMPARE(m_ui->edtCfgShipName->text(), QStringLiteral("SEA X1"));
        m_ui->edtCfgShipName->setText("set by program");
        QCOMPARE(m_ui->edtCfgShipName->text(), QStringLiteral("SET BY PROGRAM"));
        m_ui->edtCfgShipName->setText("ab");
        m_ui->edtCfgShipName->setCursorPosition(1);
        QTest::keyClicks(m_ui->edtCfgShipName, "c");
        QCOMPARE(m_ui->edtCfgShipName->text(), QStringLiteral("ACB"));
        QCOMPARE(m_ui->edtCfgShipName->cursorPosition(), 2);

        m_ui->edtCfgCallSign->setFocus();
        QTest::keyClicks(m_ui->edtCfgCallSign, "ab1c");
        QCOMPARE(m_ui->edtCfgCallSign->text(), QStringLiteral("AB1C"));
        m_ui->edtCfgCallSign->setText("pq");
        QCOMPARE(m_ui->edtCfgCallSign->text(), QStringLiteral("PQ"));
    }

    void mmsiHelp()
    {
        openWindow();
        QTest::mouseClick(m_ui->btnMmsiHelp, Qt::LeftButton);
        QCOMPARE(m_boxes->titles, QStringList{"Maritime Mobile Service Identity (MMSI)"});
        QCOMPARE(m_boxes->texts, QStringList{m_window->view()->msgText().mmsiHelpText});
    }

    // The second press restores the first look, also while the page is not in front.
    void advancedTwiceRestores()
    {
        openWindow();
        const QList<QWidget*> advanced{m_ui->lblCfgTransceiver, m_ui->cbbxCfgGpsMode, m_ui->cbbxCfgAlrSentence};
        const QString firstText = m_ui->btnCfgAdvancedConfDisp->text();
        for (QWidget* widget : advanced)
            QVERIFY(widget->isHidden());
        m_ui->btnCfgAdvancedConfDisp->click();
        for (QWidget* widget : advanced)
            QVERIFY(!widget->isHidden());
        QVERIFY(m_ui->btnCfgAdvancedConfDisp->text() != firstText);
        m_ui->btnCfgAdvancedConfDisp->click();
        for (QWidget* widget : advanced)
            QVERIFY(widget->isHidden());
        QCOMPARE(m_ui->btnCfgAdvancedConfDisp->text(), firstText);
    }
};

QTEST_MAIN(TestMainWindowActions)

#include "tst_mainwindowactions.moc"
