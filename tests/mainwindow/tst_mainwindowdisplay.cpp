#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"
#include "widgets/ModSatelliteMap.h"

#include "StandInPortLister.h"

#include <QMessageBox>
#include <QResizeEvent>
#include <QtTest>
#include <memory>

// The Home summary, the model's layout, the connect bar and the page buttons of the window as
// the program builds it.
class TestMainWindowDisplay : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;

    CDeviceComm& device() { return m_window->commSpaces()->getDeviceComm(); }

    void setReady()
    {
        device().getSentenceHandle().setDevDetectState(DEV_STATE_CONFIG_SHOWN);
        device().getSentenceHandle().getShownConfig().wifiModule = false;
        m_window->enableConfigDisp();
    }

private slots:
    void initTestCase() { Resources::registerCollections(); }

    void init()
    {
        m_window = std::make_unique<AisConfiguration>(nullptr, std::make_shared<CStandInPortLister>());
        m_ui = m_window->form();
    }

    void cleanup() { m_window.reset(); }

    void homeSortFollowsVesselPage()
    {
        m_ui->tbvwOtherVessels->sortByColumn(3, Qt::DescendingOrder);
        m_window->view()->updateHomePageDisp();
        QHeaderView* header = m_ui->tbvwHomeOtherVessels->horizontalHeader();
        QCOMPARE(header->sortIndicatorSection(), 3);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    // Model 2 has one NMEA port pair, no status lamps and no power check.
    void machineLayout()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        CAisConfigurationView* view = m_window->view();
        const QList<QWidget*> modelOneOnly{m_ui->lblCfgNmea2Input,  m_ui->lblCfgNmea2Output, m_ui->cbbxCfgNmea2Input,
                                           m_ui->cbbxCfgNmea2Output, m_ui->wgDiagStatus,      m_ui->lblDiagCheckExtPwr,
                                           m_ui->imgDiagCheckExtPwr};
        view->updateMachineDisp(MACHINE_Q_375);
        QCOMPARE(m_ui->lblCfgNmea1Input->text(), QStringLiteral("NMEA 1"));
        QCOMPARE(m_ui->lblCfgNmea1Output->text(), QStringLiteral("NMEA 2"));
        for (QWidget* widget : modelOneOnly)
            QVERIFY2(widget->isHidden(), qPrintable(widget->objectName()));
        view->updateMachineDisp(MACHINE_UNIT_K_42);
        QCOMPARE(m_ui->lblCfgNmea1Input->text(), QStringLiteral("NMEA 1 Input"));
        QCOMPARE(m_ui->lblCfgNmea1Output->text(), QStringLiteral("NMEA 1 Output"));
        QCOMPARE(m_ui->lblCfgNmea2Input->text(), QStringLiteral("NMEA 2 Input"));
        QCOMPARE(m_ui->lblCfgNmea2Output->text(), QStringLiteral("NMEA 2 Output"));
        for (QWidget* widget : modelOneOnly)
            QVERIFY2(!widget->isHidden(), qPrintable(widget->objectName()));
        view->updateMachineDisp(MACHINE_Q_375);
        view->updateMachineDisp(MACHINE_UNKNOWN);
        QCOMPARE(m_ui->lblCfgNmea1Input->text(), QStringLiteral("NMEA 1"));
        QVERIFY(!m_ui->wgDiagStatus->isHidden());
    }

    void connectBarTexts()
    {
        QCOMPARE(m_ui->btnCommConnt->text(), QStringLiteral("Connect"));
        m_ui->btnCommConnt->setChecked(true);
        m_window->view()->updateCommConntDisp();
        QCOMPARE(m_ui->btnCommConnt->text(), QStringLiteral("Disconnect"));
        QCOMPARE(m_ui->lblConntStatus->text(), QStringLiteral("Determining the AIS Device Type..."));
        m_ui->btnCommConnt->setChecked(false);
        m_window->view()->updateCommConntDisp();
        QCOMPARE(m_ui->btnCommConnt->text(), QStringLiteral("Connect"));
        QCOMPARE(m_ui->lblConntStatus->text(), QStringLiteral("Click to connect the device!"));
    }

    void msgBox_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("shown");
        QTest::newRow("information") << 0 << true;
        QTest::newRow("critical") << 3 << true;
        QTest::newRow("kind 4") << 4 << false;
        QTest::newRow("kind -1") << -1 << false;
    }

    void msgBox()
    {
        QFETCH(int, kind);
        QFETCH(bool, shown);
        QString seenText;
        // Looked for until it is there, however late its loop starts.
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&seenText] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seenText = box->text();
                box->accept();
            }
        });
        answer.start(10);
        CAisConfigurationView::showMsgBox(m_window.get(), MSG_BOX_S(kind), QStringLiteral("Title"),
                                          QStringLiteral("Text"), QMessageBox::Ok, 0);
        answer.stop();
        QCOMPARE(seenText, shown ? QStringLiteral("Text") : QString());
    }

    // A menu button and the Home button of a page reach the same page.
    void pageButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page");
        QTest::newRow("menu Configuration") << "btnMMConfiguration" << 1;
        QTest::newRow("Home Configuration") << "btnHomeConfiguration" << 1;
        QTest::newRow("Home Diagnostics") << "btnHomeDiagnostics" << 3;
        QTest::newRow("menu Serial Data") << "btnMMSerialData" << 5;
    }

    void pageButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, page);
        m_window->show();
        setReady();
        auto* clicked = m_window->findChild<QAbstractButton*>(button);
        QVERIFY(clicked);
        clicked->setVisible(true);
        QTest::mouseClick(clicked, Qt::LeftButton);
        QCOMPARE(m_ui->tbwgMain->currentIndex(), page);
        QCOMPARE(m_window->mainMenuGroup()->checkedId(), page);
    }

    void skyViewResize_data()
    {
        QTest::addColumn<QSize>("room"); // inside the view's frame
        QTest::addColumn<int>("side");   // the scene's room, margins included; 0 kept as it was
        QTest::newRow("100 px kept") << QSize(100, 300) << 0;
        QTest::newRow("101 px laid out") << QSize(300, 101) << 101;
        QTest::newRow("wide: the height") << QSize(450, 200) << 200;
        QTest::newRow("tall: the width") << QSize(240, 400) << 240;
    }

    // The sky view takes the smaller side of its view's room; the resize goes on to the view,
    // which lays out its room for it.
    void skyViewResize()
    {
        QFETCH(QSize, room);
        QFETCH(int, side);
        auto* sky = m_ui->gpvwHomeSatelliteMap;
        ModSatelliteMap* map = m_window->view()->homeSatelliteMap();
        map->initSizeInfo(400);
        const QRectF before = map->sceneRect();
        sky->setAttribute(Qt::WA_DontShowOnScreen);
        const int frame = 2 * sky->frameWidth();
        sky->resize(room + QSize(frame, frame));
        QResizeEvent resize(sky->size(), QSize(400, 400));
        QVERIFY(!m_window->eventFilter(sky, &resize));
        const int margin = int(before.x());
        QCOMPARE(map->sceneRect(), side == 0 ? before : QRectF(margin, margin, side - 2 * margin, side - 2 * margin));
        QEvent other(QEvent::Show);
        QVERIFY(!m_window->eventFilter(sky, &other));
        QVERIFY(!m_window->eventFilter(m_ui->lblHomeMmsi, &resize));
    }
};

QTEST_MAIN(TestMainWindowDisplay)
#include "tst_mainwindowdisplay.moc"
