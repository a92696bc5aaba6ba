#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include <QtTest>
#include <memory>

// The main window built as the program builds it, without its communication thread.
class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;

    CDeviceComm& device() { return m_window->commSpaces()->getDeviceComm(); }

    void setDevice(int state, bool module, bool power, bool info)
    {
        device().getSentenceHandle().setDevDetectState(COMM_VELK_DEV_STATE(state));
        device().getSentenceHandle().getShownConfig().wifiModule = module;
        device().getWiFiConfig().powerConfirmed = power;
        device().getWiFiConfig().infoReadOnce = info;
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        m_window = std::make_unique<AisConfiguration>();
        m_ui = m_window->form();
    }

    void cleanupTestCase() { m_window.reset(); }

    // Torn down in the right order, the window leaves nothing behind for the sanitizer.
    void windowComesAndGoes()
    {
        for (int round = 0; round < 2; ++round) {
            AisConfiguration window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
    }

    void fixedSize() { QCOMPARE(m_window->size(), QSize(1000, 720)); }

    void menuIds()
    {
        QButtonGroup* menu = m_window->mainMenuGroup();
        QCOMPARE(menu->buttons().size(), 7);
        QCOMPARE(menu->id(m_ui->btnMMHome), 0);
        QCOMPARE(menu->id(m_ui->btnMMOtherVessels), 4);
        QCOMPARE(menu->id(m_ui->btnMMSerialData), 5);
        QCOMPARE(menu->id(m_ui->btnMMWiFi), 6);
        QCOMPARE(menu->checkedButton(), m_ui->btnMMHome);
        QVERIFY(m_ui->btnMMSerialData->isCheckable());
        QButtonGroup* home = m_window->homeMenuGroup();
        QCOMPARE(home->buttons().size(), 5);
        QCOMPARE(home->id(m_ui->btnHomeSatelliteStatus), 2);
        QCOMPARE(home->id(m_ui->btnHomeWiFi), 6);
        QCOMPARE(home->button(0), nullptr);
        QCOMPARE(home->button(5), nullptr);
    }

    void vesselTables()
    {
        QStringList homeColumns;
        QAbstractItemModel* model = m_ui->tbvwHomeOtherVessels->model();
        QCOMPARE(model->columnCount(), 11);
        for (int column = 0; column < model->columnCount(); ++column) {
            if (!m_ui->tbvwHomeOtherVessels->isColumnHidden(column))
                homeColumns << QString::number(column);
            QVERIFY(!m_ui->tbvwOtherVessels->isColumnHidden(column));
        }
        // MMSI, name, call sign, range, bearing.
        QCOMPARE(homeColumns, QStringList({"0", "1", "2", "8", "9"}));
        QCOMPARE(m_ui->tbvwOtherVessels->model(), model);
        QCOMPARE(m_ui->tbvwOtherVessels->columnWidth(1), 120);
        QCOMPARE(m_ui->tbvwOtherVessels->columnWidth(6), 90);
        QCOMPARE(m_ui->tbvwWiFiCfgClient->columnWidth(2), 194);
        QCOMPARE(m_ui->tbvwWiFiCfgClient->columnWidth(3), 96);
    }

    void textsAfterTranslation()
    {
        CAisConfigurationView* view = m_window->view();
        QCOMPARE(view->msgText().connectCheckTip, QStringLiteral("Determining the AIS Device Type..."));
        QCOMPARE(view->msgText().deviceConfirmText, QStringLiteral("Save settings to device?"));
        QCOMPARE(m_ui->lblConntStatus->text(), QStringLiteral("Click to connect the device!"));
        QCOMPARE(view->getShipTypeText(11), QStringLiteral("51 = Search & rescue vessel"));
        // The form's texts were set before the translation and stay the source texts.
        QCOMPARE(m_ui->tbwgMain->tabText(6), QStringLiteral("WiFi"));
    }

    void languageSwitch_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("English") << 0;
        QTest::newRow("any other") << 3;
    }

    void languageSwitch()
    {
        QFETCH(int, type);
        QVERIFY(m_window->switchLanguageType(type));
        QCOMPARE(QCoreApplication::translate("QObject", "DeviceConfirm"), QStringLiteral("Save settings to device?"));
        QVERIFY(QCoreApplication::translate("QObject", "CopyrightQt") != QLatin1String("CopyrightQt"));
        QCOMPARE(QCoreApplication::translate("AisConfiguration", "DeviceConfirm"), QStringLiteral("DeviceConfirm"));
    }

    void enableConfig_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("module");
        QTest::addColumn<bool>("power");
        QTest::addColumn<bool>("info");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("wifiShown");
        QTest::newRow("not ready") << 1 << false << false << false << false << false;
        QTest::newRow("ready, no module") << 5 << false << false << false << true << false;
        QTest::newRow("ready, module, power declined") << 5 << true << false << false << true << false;
        QTest::newRow("ready, module, awaiting query") << 5 << true << true << false << false << true;
        QTest::newRow("ready, module read") << 5 << true << true << true << true << true;
        QTest::newRow("module read, link saved only") << 6 << true << true << true << false << true;
        QTest::newRow("power without module") << 5 << false << true << false << true << false;
    }

    void enableConfig()
    {
        QFETCH(int, state);
        QFETCH(bool, module);
        QFETCH(bool, power);
        QFETCH(bool, info);
        QFETCH(bool, enabled);
        QFETCH(bool, wifiShown);
        setDevice(5, false, false, false);
        m_window->enableConfigDisp();
        m_window->updateCurPageDisp(3);
        QCOMPARE(m_ui->tbwgMain->currentIndex(), 3);

        setDevice(state, module, power, info);
        m_window->enableConfigDisp();
        QCOMPARE(m_ui->wgMainMenu->isEnabled(), enabled);
        QCOMPARE(!m_ui->wgHomeWiFi->isHidden(), wifiShown);
        QCOMPARE(!m_ui->btnMMWiFi->isHidden(), wifiShown);
        QCOMPARE(m_ui->lblHomeWiFiWaiting->isHidden(), enabled);
        for (QLabel* more : {m_ui->lblHomeConfigurationMore, m_ui->lblHomeDiagnosticsMore, m_ui->lblHomeGPSStatusMore,
                             m_ui->lblHomeOtherVesselsMore, m_ui->lblHomeWiFiSetMore})
            QCOMPARE(!more->isHidden(), enabled);
        // Held back, the window returns to the Home page.
        QCOMPARE(m_ui->tbwgMain->currentIndex(), enabled ? 3 : 0);
        QCOMPARE(m_ui->tbwgMain->isHidden(), !enabled);
        QCOMPARE(m_window->mainMenuGroup()->checkedId(), enabled ? 3 : 0);
    }

    // A run that gave up before the module was read: the transponder's pages open, the Wi-Fi
    // page waits until the module has been read.
    void givenUpRunHoldsOnlyTheWiFiPage()
    {
        setDevice(5, true, true, false);
        device().getWiFiConfig().runGivenUp = true;
        m_window->enableConfigDisp();
        QVERIFY(m_ui->wgMainMenu->isEnabled());
        QVERIFY(!m_ui->btnMMWiFi->isEnabled());
        QVERIFY(m_ui->lblHomeWiFiSetMore->isHidden());
        QVERIFY(!m_ui->lblHomeWiFiWaiting->isHidden());
        m_window->updateCurPageDisp(3);
        m_window->updateCurPageDisp(6);
        QCOMPARE(m_ui->tbwgMain->currentIndex(), 3);

        device().getWiFiConfig().infoReadOnce = true;
        m_window->enableConfigDisp();
        QVERIFY(m_ui->btnMMWiFi->isEnabled());
        QVERIFY(m_ui->lblHomeWiFiWaiting->isHidden());
        m_window->updateCurPageDisp(6);
        QCOMPARE(m_ui->tbwgMain->currentIndex(), 6);
        device().getWiFiConfig().runGivenUp = false;
    }

    void pageSwitchIgnoredWhileHeldBack()
    {
        setDevice(0, false, false, false);
        m_window->enableConfigDisp();
        m_window->updateCurPageDisp(2);
        QCOMPARE(m_ui->tbwgMain->currentIndex(), 0);
        QVERIFY(!m_ui->wgMainContent->isHidden());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
