#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"
#include "widgets/WgSelectorSwitch.h"

#include "StandInPortLister.h"
#include "WindowSimRig.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QRadioButton>
#include <QtTest>
#include <memory>

// The frameless window moved by a left drag, and the release over the Home panels and the
// Wi-Fi mode tiles, at given points rather than the real cursor.
class TestMainWindowDrag : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;
    // A chosen tile asks before the mode changes; the user agrees.
    std::unique_ptr<BoxAnswerer> m_boxes;

    QWidget* widget(const QString& name) const { return m_window->findChild<QWidget*>(name); }
    static QPoint centre(const QWidget* panel) { return panel->mapToGlobal(panel->rect().center()); }

    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, const QPoint& global)
    {
        QMouseEvent event(type, m_window->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &event);
    }

    // The device taken over, with or without a Wi-Fi module whose data has been read.
    void setReady(bool wifiModule)
    {
        CDeviceComm& device = m_window->commSpaces()->getDeviceComm();
        device.getSentenceHandle().setDevDetectState(DEV_STATE_CONFIG_SHOWN);
        device.getSentenceHandle().getShownConfig().wifiModule = wifiModule;
        device.getWiFiConfig().powerConfirmed = wifiModule;
        device.getWiFiConfig().infoReadOnce = wifiModule;
        m_window->enableConfigDisp();
        QCoreApplication::processEvents();
    }

    int shownPage() const { return m_window->mainMenuGroup()->checkedId(); }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        m_boxes = std::make_unique<BoxAnswerer>();
    }

    void init()
    {
        m_window = std::make_unique<AisConfiguration>(nullptr, std::make_shared<CStandInPortLister>());
        m_window->refreshTimer()->stop();
        m_ui = m_window->form();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void drag_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("moves");
        QTest::newRow("left") << int(Qt::LeftButton) << true;
        QTest::newRow("right") << int(Qt::RightButton) << false;
        QTest::newRow("left and right") << int(Qt::LeftButton | Qt::RightButton) << false;
    }

    void drag()
    {
        QFETCH(int, buttons);
        QFETCH(bool, moves);
        const auto held = Qt::MouseButtons(buttons);
        const auto button = held.testFlag(Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton;
        const QPoint before = m_window->frameGeometry().topLeft();
        const QPoint grip = m_window->mapToGlobal(QPoint(300, 10));
        const QPoint travel(37, -12);
        send(QEvent::MouseButtonPress, button, held, grip);
        send(QEvent::MouseMove, Qt::NoButton, held, grip + QPoint(10, 5));
        send(QEvent::MouseMove, Qt::NoButton, held, grip + travel);
        send(QEvent::MouseButtonRelease, button, Qt::NoButton, grip + travel);
        QCOMPARE(m_window->frameGeometry().topLeft(), moves ? before + travel : before);
        // Released, the pointer's travel moves it no more.
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grip + travel + QPoint(50, 50));
        QCOMPARE(m_window->frameGeometry().topLeft(), moves ? before + travel : before);
    }

    // The pointed panel opens its page; where panels overlap the higher page wins, a hidden
    // Wi-Fi panel counts for nothing.
    void homeQuickMenu_data()
    {
        QTest::addColumn<QString>("pointed");
        QTest::addColumn<QString>("covering");
        QTest::addColumn<bool>("wifiModule");
        QTest::addColumn<int>("page");
        QTest::newRow("configuration") << "wgHomeConfiguration" << "" << false << 1;
        QTest::newRow("GPS status") << "wgHomeGPSStatus" << "" << false << 2;
        QTest::newRow("diagnostics") << "wgHomeDiagnostics" << "" << false << 3;
        QTest::newRow("other vessels") << "wgHomeOtherVessels" << "" << false << 4;
        QTest::newRow("Wi-Fi") << "wgHomeWiFi" << "" << true << 6;
        QTest::newRow("no panel") << "" << "" << false << 0;
        QTest::newRow("4 over 3") << "wgHomeOtherVessels" << "wgHomeDiagnostics" << false << 4;
        QTest::newRow("3 over 2") << "wgHomeDiagnostics" << "wgHomeGPSStatus" << false << 3;
        QTest::newRow("2 over 1") << "wgHomeGPSStatus" << "wgHomeConfiguration" << false << 2;
        QTest::newRow("Wi-Fi over 4") << "wgHomeWiFi" << "wgHomeOtherVessels" << true << 6;
        QTest::newRow("hidden Wi-Fi") << "wgHomeWiFi" << "" << false << 0;
    }

    void homeQuickMenu()
    {
        QFETCH(QString, pointed);
        QFETCH(QString, covering);
        QFETCH(bool, wifiModule);
        QFETCH(int, page);
        setReady(true);
        QVERIFY(m_ui->wgMainHome->isVisible());
        // The frame's title bar is no panel.
        QPoint point = m_window->mapToGlobal(QPoint(1, 1));
        if (!pointed.isEmpty()) {
            QWidget* target = widget(pointed);
            point = centre(target);
            if (!covering.isEmpty()) {
                // Laid over without an event loop turn, so the layout keeps it there.
                QWidget* cover = widget(covering);
                const QPoint topLeft = cover->parentWidget()->mapFromGlobal(target->mapToGlobal(QPoint(0, 0)));
                cover->setGeometry(QRect(topLeft, target->size()));
                QVERIFY(AisConfiguration::isPanelUnder(cover, point));
            }
        }
        if (!wifiModule) {
            m_ui->wgHomeWiFi->setVisible(false);
            m_ui->btnMMWiFi->setVisible(false);
        }
        QVERIFY(pointed.isEmpty() || AisConfiguration::isPanelUnder(widget(pointed), point));
        send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, point);
        QCOMPARE(shownPage(), page);
        QCOMPARE(m_ui->wgMainHome->isVisible(), page == 0);
    }

    void homeQuickMenuOnlyOnHome()
    {
        setReady(false);
        m_window->updateCurPageDisp(5);
        m_window->wgHomeQuickMenuClick(centre(m_ui->tbwgMain));
        QCOMPARE(shownPage(), 5);
    }

    void wifiModeTiles_data()
    {
        QTest::addColumn<bool>("switchOn");
        QTest::addColumn<bool>("waiting");
        QTest::addColumn<bool>("apBefore");
        QTest::addColumn<QString>("tile");
        QTest::addColumn<bool>("apAfter");
        QTest::addColumn<bool>("clientAfter");
        QTest::newRow("access point chosen") << true << false << false << "wgWiFiModeAccessPoint" << true << false;
        QTest::newRow("client chosen") << true << false << true << "wgWiFiModeClient" << false << true;
        QTest::newRow("access point again") << true << false << true << "wgWiFiModeAccessPoint" << true << false;
        QTest::newRow("client while none checked") << true << false << false << "wgWiFiModeClient" << false << false;
        QTest::newRow("switch off") << false << false << false << "wgWiFiModeAccessPoint" << false << false;
        QTest::newRow("switch off, client") << false << false << true << "wgWiFiModeClient" << true << false;
        QTest::newRow("waiting") << true << true << true << "wgWiFiModeClient" << true << false;
    }

    void wifiModeTiles()
    {
        QFETCH(bool, switchOn);
        QFETCH(bool, waiting);
        QFETCH(bool, apBefore);
        QFETCH(QString, tile);
        QFETCH(bool, apAfter);
        QFETCH(bool, clientAfter);
        setReady(true);
        m_window->updateCurPageDisp(6);
        QCOMPARE(m_ui->tbwgMain->currentWidget(), m_ui->tabMainWiFi);
        m_window->view()->wifiEnableSwitch()->setActive(switchOn);
        QButtonGroup& modes = m_window->view()->wifiModeButtonGroup();
        modes.setExclusive(false);
        m_ui->rdbWiFiAccessPoint->setChecked(apBefore);
        m_ui->rdbWiFiClient->setChecked(false);
        modes.setExclusive(true);
        m_boxes->reset(QMessageBox::Yes);
        QSignalSpy clicks(&modes, SIGNAL(buttonClicked(QAbstractButton*)));
        const QPoint point = centre(widget(tile));
        m_ui->wgWiFiCfgWaiting->setVisible(waiting);
        send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, point);
        QCOMPARE(m_ui->rdbWiFiAccessPoint->isChecked(), apAfter);
        QCOMPARE(m_ui->rdbWiFiClient->isChecked(), clientAfter);
        QCOMPARE(clicks.count(), apAfter != apBefore || clientAfter ? 1 : 0);
        QCOMPARE(m_boxes->texts.size(), clicks.count());
    }
};

QTEST_MAIN(TestMainWindowDrag)

#include "tst_mainwindowdrag.moc"
