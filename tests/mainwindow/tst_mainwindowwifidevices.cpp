#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/ports/ExtraPorts.h"
#include "mainwindow/wifi/CWiFiJobEngine.h"
#include "mainwindow/wifi/WiFiFormChecks.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "LogCapture.h"
#include "SimLinkSettle.h"
#include "WindowSimRig.h"

#include <QtTest>
#include <memory>

using namespace WiFiScope;

namespace {

constexpr int TickWaitMs = 15000;
constexpr int RestTicks = 150;

// A module of another make: its own firmware, and in client mode with the switches to match.
const QStringList OtherModule = {"--wifi-value", "AT+VER=HARBOUR-WLAN 7.2",  "--wifi-value", "AT+OPMODE=1",
                                 "--wifi-value", "AT+DHCPDEN=0",            "--wifi-value", "AT+DHCPCEN=1"};

} // namespace

// The window's Wi-Fi side against simulated transponders whose modules differ: what the page
// and Home show comes from the module now connected, and a module that fails holds back only
// the Wi-Fi page. The ticks run on the window's seconds.
class TestMainWindowWiFiDevices : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    std::unique_ptr<BoxAnswerer> m_boxes;
    std::unique_ptr<DeviceFixture::SimLinkSettle> m_settle;
    Ui::AisConfiguration* m_ui = nullptr;
    int64_t m_now = WindowSimRig::Start;

    AisConfiguration& window() { return m_rig.window(); }
    CWiFiConfig& wifi() { return m_rig.device().getWiFiConfig(); }

    // The seconds stepped on, then the link left to settle; false when it does not.
    bool tick(int64_t seconds = 1)
    {
        m_now += seconds;
        m_rig.tickAt(m_now);
        return m_settle->wait(TickWaitMs);
    }

    bool atRest()
    {
        const SCmdProcData s = wifi().snapshot();
        return s.mainState == WIFI_MAIN_PENDING && s.cfgType == 0 && s.sysMode == WIFI_SYS_MODE_NMEA
               && m_ui->wgWiFiCfgWaiting->isHidden();
    }

    bool tickUntilRest()
    {
        for (int i = 0; i < RestTicks; ++i) {
            if (!tick())
                return false;
            if (atRest())
                return true;
        }
        return false;
    }

    // The query job waits for the module's replies.
    bool queryAwaited()
    {
        const SCmdProcData s = wifi().snapshot();
        return s.mainState == WIFI_MAIN_RUN_JOB && s.subState == CWiFiJobEngine::QUERY_WAIT;
    }

    // Connected and detected, the power question answered Ok.
    bool connectAndDetect(const QStringList& simArguments)
    {
        m_boxes->reset();
        m_now = WindowSimRig::Start;
        if (!m_rig.connectSim(2, simArguments))
            return false;
        m_ui = m_rig.ui();
        if (!m_rig.detect(&m_now))
            return false;
        m_settle = std::make_unique<DeviceFixture::SimLinkSettle>(m_rig.device(), m_rig.sim());
        return m_boxes->texts == QStringList{window().view()->msgText().powerSupplyNote};
    }

    void checkHomeWiFi(const QString& mode, const QString& firmware)
    {
        QCOMPARE(m_ui->lblHomeWiFiModeValue->text(), mode);
        QCOMPARE(m_ui->lblHomeWiFiFirmwareVerValue->text(), firmware);
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
        m_boxes = std::make_unique<BoxAnswerer>();
    }

    void cleanup()
    {
        m_settle.reset();
        QVERIFY(m_rig.stop());
    }

    // A module password longer than 32 characters is shown whole and written back whole by
    // Apply; the field stops where the module does.
    void longModulePassword()
    {
        const QByteArray password = "harbour-master-0123456789-quay-side-2026";
        QCOMPARE(password.size(), 40);
        QVERIFY(connectAndDetect({"--wifi-value", "AT+PSK=2," + password}));
        QVERIFY(tickUntilRest());
        window().updateCurPageDisp(6);
        QCOMPARE(m_ui->tbwgMain->currentWidget(), m_ui->tabMainWiFi);
        QCOMPARE(m_ui->edtWiFiCfgPassword->text(), QString(password));

        m_ui->edtWifiCfgSSID->setText("Quayside");
        QTest::mouseClick(m_ui->btnWiFiCfgApply, Qt::LeftButton);
        QVERIFY(tickUntilRest());
        QCOMPARE(m_rig.receivedCount("AT+PSK=2," + password), 1);
        QCOMPARE(m_ui->lblWiFiStatusSSIDValue->text(), QString("Quayside"));
        QCOMPARE(m_ui->edtWiFiCfgPassword->text(), QString(password));
        QCOMPARE(m_boxes->texts, QStringList{window().view()->msgText().powerSupplyNote});

        m_ui->edtWiFiCfgPassword->clear();
        QTest::keyClicks(m_ui->edtWiFiCfgPassword, QString(WiFiForm::PasswordMaxLength + 5, 'p'));
        QCOMPARE(m_ui->edtWiFiCfgPassword->text(), QString(WiFiForm::PasswordMaxLength, 'p'));
    }

    // Unplugged, then another device with another module: Home shows nothing of the module
    // that is gone, from the loss until the new module has been read.
    void otherDeviceOtherModule()
    {
        QVERIFY(connectAndDetect({}));
        QVERIFY(tickUntilRest());
        const SMsgTextResource& text = window().view()->msgText();
        checkHomeWiFi(text.wifiModeName[WIFI_OP_MODE_ACCESS_POINT], "SIM-WIFI 1.0.3");

        // The link's own clock tells that the device is gone.
        m_settle.reset();
        m_rig.sim().command("unplug");
        QVERIFY(QTest::qWaitFor([&] { return !m_ui->btnCommConnt->isChecked(); }, WindowSimRig::WaitMs));
        checkHomeWiFi(QString(), QString());

        QVERIFY(m_rig.sim().stop());
        QVERIFY(m_rig.sim().start(QStringList{"--model", "2"} + OtherModule));
        qputenv(ExtraPortsVariable, m_rig.sim().devicePath().toLocal8Bit());
        QVERIFY(m_rig.selectSimPort());
        QTest::mouseClick(m_ui->btnCommConnt, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return m_ui->btnCommConnt->isEnabled(); }, WindowSimRig::WaitMs));
        m_boxes->reset();
        m_now += 10;
        QVERIFY(m_rig.detect(&m_now));
        m_settle = std::make_unique<DeviceFixture::SimLinkSettle>(m_rig.device(), m_rig.sim());
        // Taken over, the new module not yet read.
        QCOMPARE(m_ui->lblHomeShipName->text(), QString("SIM CORMORANT"));
        checkHomeWiFi(QString(), QString());

        QVERIFY(tickUntilRest());
        checkHomeWiFi(text.wifiModeName[WIFI_OP_MODE_CLIENT], "HARBOUR-WLAN 7.2");
        window().updateCurPageDisp(6);
        QCOMPARE(m_ui->lblWiFiStatusVersionValue->text(), QString("HARBOUR-WLAN 7.2"));
        QVERIFY(m_ui->rdbWiFiClient->isChecked());
    }

    // A module that never finishes a reply: after the second time-out the warning, and then
    // the transponder's own pages open while the Wi-Fi page alone waits.
    void unfinishedRepliesLeaveTheDevicePagesOpen()
    {
        QVERIFY(connectAndDetect({"--wifi-unfinished"}));
        m_boxes->reset();
        QVERIFY(!m_ui->wgMainMenu->isEnabled());
        // Each run: into configuration mode, the query sent and never answered, then the run's
        // limit passed. The link's wait for the replies is not waited for: the time-out drops it.
        for (int run = 0; run < 2; ++run) {
            for (int i = 0; i < RestTicks && !queryAwaited(); ++i) {
                m_rig.tickAt(++m_now);
                if (!queryAwaited())
                    QVERIFY(m_settle->wait(TickWaitMs));
            }
            QVERIFY(queryAwaited());
            QVERIFY(!m_ui->wgMainMenu->isEnabled());
            m_now += CWiFiJobEngine::RunLimitSeconds;
            m_rig.tickAt(m_now);
        }
        QCOMPARE(m_boxes->texts, QStringList{window().view()->msgText().settingFail});
        QVERIFY(tick());
        QVERIFY(atRest());

        QVERIFY(m_ui->wgMainMenu->isEnabled());
        QVERIFY(!m_ui->btnMMWiFi->isEnabled());
        QVERIFY(m_ui->lblHomeWiFiSetMore->isHidden());
        QVERIFY(!m_ui->lblHomeConfigurationMore->isHidden());
        checkHomeWiFi(QString(), QString());
        const QList<QPair<QAbstractButton*, QWidget*>> pages = {
            {m_ui->btnMMConfiguration, m_ui->tabMainConfiguration}, {m_ui->btnMMGPSStatus, m_ui->tabMainGPSStatus},
            {m_ui->btnMMDiagnostics, m_ui->tabMainDiagnostics},     {m_ui->btnMMOtherVessels, m_ui->tabMainOtherVessels},
            {m_ui->btnMMSerialData, m_ui->tabMainSerialData}};
        for (const auto& page : pages) {
            QTest::mouseClick(page.first, Qt::LeftButton);
            QCOMPARE(m_ui->tbwgMain->currentWidget(), page.second);
        }
        QCOMPARE(m_ui->edtCfgShipName->text(), QString("SIM CORMORANT"));
        window().updateCurPageDisp(6);
        QCOMPARE(m_ui->tbwgMain->currentWidget(), m_ui->tabMainSerialData);

        // The pages stay open on the next ticks and take-overs.
        for (int i = 0; i < 10; ++i)
            QVERIFY(tick(5));
        QVERIFY(m_ui->wgMainMenu->isEnabled());
        QCOMPARE(m_boxes->texts.size(), 1);
    }
};

QTEST_MAIN(TestMainWindowWiFiDevices)
#include "tst_mainwindowwifidevices.moc"
