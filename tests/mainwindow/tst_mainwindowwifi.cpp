#include "device/CCommSpacesManage.h"
#include "device/CSensorConfig.h"
#include "device/CWiFiAPExchangeSet.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/LibraryImage.h"
#include "resources/ResourceCollections.h"
#include "support/Singleton.h"
#include "ui_AisConfiguration.h"
#include "widgets/WgSelectorSwitch.h"

#include "StandInPortLister.h"
#include "WiFiFakeHost.h"
#include "WindowSimRig.h"

#include <QtTest>
#include <cstring>
#include <memory>

using namespace WiFiScope;

namespace {

// A window whose boxes run their own event loop, in which the refresh timer ticks again.
class TickingBoxHost : public WiFiFakeHost
{
public:
    using WiFiFakeHost::WiFiFakeHost;

    void showMsgBox(MSG_BOX_S kind, const QString& title, const QString& text) override
    {
        WiFiFakeHost::showMsgBox(kind, title, text);
        if (open++ == 0) {
            for (int tick = 0; tick < 3 && engine; ++tick)
                engine->tick();
        }
        --open;
    }

    CWiFiJobEngine* engine = nullptr;
    int open = 0;
};

SClientAPInfoStruct group(const char* ssid, const char* security, int connected)
{
    SClientAPInfoStruct found;
    found.ssid = ssid;
    found.connectedIndex = connected;
    SClientAPData point;
    point.ssid = ssid;
    point.bssid = "0C:80:63:1A:2B:01";
    point.rssi = -50;
    point.security = security;
    found.members.push_back(point);
    return found;
}

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(QSize(96, 32)).toImage();
}

QImage statusImage(int entry)
{
    return iconImage(
        QIcon(QString::fromStdString(Pattern::Singleton<LibraryImage>::Instance()->getWiFiStatusIconPath(entry))));
}

template <size_t N>
void put(char (&field)[N], const char* text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text, std::min(std::strlen(text), N));
}

} // namespace

// The Wi-Fi page: the view's display on a form of its own, and the window's actions with no
// device, each posting its job into the Wi-Fi state that the engine reads.
class TestMainWindowWiFi : public QObject
{
    Q_OBJECT

private:
    // The view alone, on its own Wi-Fi state.
    QMainWindow m_viewWindow;
    Ui::AisConfiguration m_viewUi;
    CSensorConfig m_config;
    SCmdProcData m_wifi;
    CWiFiConfig m_wifiState;
    CStandInPortLister m_ports;
    std::unique_ptr<CAisConfigurationView> m_view;

    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;
    std::unique_ptr<BoxAnswerer> m_boxes;
    std::unique_ptr<PromptAnswerer> m_prompt;

    CDeviceComm& device() { return m_window->commSpaces()->getDeviceComm(); }
    CWiFiConfig& wifi() { return device().getWiFiConfig(); }
    CWiFiAPExchangeSet& apTable()
    {
        auto* proxy = qobject_cast<QSortFilterProxyModel*>(m_ui->tbvwWiFiCfgClient->model());
        return *static_cast<CWiFiAPExchangeSet*>(proxy->sourceModel());
    }

    // The view's page filled from the test's record.
    void showWiFi()
    {
        m_wifiState.update([this](SCmdProcData& s) { s = m_wifi; });
        m_view->updateWiFiDisp();
    }

    // At rest, no job: what a slot posts shows.
    void rest()
    {
        wifi().update([](SCmdProcData& s) {
            s.mainState = WIFI_MAIN_PENDING;
            s.cfgType = 0;
        });
    }

    void expectJob(int type)
    {
        const SCmdProcData s = wifi().snapshot();
        QCOMPARE(s.cfgType, type);
        QCOMPARE(s.mainState, type == 0 ? int(WIFI_MAIN_PENDING) : int(WIFI_MAIN_START));
    }

    // The scanned list shown on the Wi-Fi page, as after a scan.
    void showAPList(const std::vector<SClientAPInfoStruct>& groups)
    {
        wifi().update([&groups](SCmdProcData& s) { s.apList = groups; });
        apTable().updateExchangeSet(wifi());
        showWiFiPage();
    }

    void showWiFiPage()
    {
        m_window->view()->switchHomeMenuDisp(false);
        m_ui->tbwgMain->setCurrentWidget(m_ui->tabMainWiFi);
        m_ui->wgWiFiCfgClientList->setVisible(true);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void clickCell(int row, CWiFiAPExchangeSet::AP_ITEM_CELL cell)
    {
        QTableView* table = m_ui->tbvwWiFiCfgClient;
        const QModelIndex index = table->model()->index(row, apTable().getCellSeqIndex(cell));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    }

    QIcon connectionIcon(int row)
    {
        return apTable().item(row, apTable().getCellSeqIndex(CWiFiAPExchangeSet::AP_ITEM_CONNECTION))->icon();
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        m_viewUi.setupUi(&m_viewWindow);
        m_viewWindow.setFixedSize(1000, 720);
        m_view = std::make_unique<CAisConfigurationView>(&m_viewUi, &m_config, m_wifiState, m_ports);

        m_window = std::make_unique<AisConfiguration>();
        m_window->refreshTimer()->stop();
        m_ui = m_window->form();
        m_window->show();
        m_boxes = std::make_unique<BoxAnswerer>();
        m_prompt = std::make_unique<PromptAnswerer>();
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_view.reset();
    }

    void init()
    {
        m_boxes->reset();
        m_prompt->labels.clear();
        m_prompt->cancel = false;
        m_wifi = SCmdProcData();
        rest();
    }

    // Display ----------------------------------------------------------------------------

    void addressText_data()
    {
        QTest::addColumn<int>("opMode");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        QTest::newRow("access point") << 0 << false << "192.168.4.1 : 8080" << "192.168.4.1";
        QTest::newRow("client, not linked") << 1 << false << "N/A" << "";
        QTest::newRow("client, linked") << 1 << true << "192.168.1.23" << "192.168.1.23";
    }

    void addressText()
    {
        QFETCH(int, opMode);
        QFETCH(bool, linked);
        QFETCH(QString, label);
        QFETCH(QString, field);
        m_wifi.wlanEnabled = true;
        m_wifi.opMode = opMode;
        put(m_wifi.apSettings.ip, "192.168.4.1");
        m_wifi.apSettings.port = 8080;
        m_wifi.sysIp = "192.168.1.23";
        m_wifi.apList = {group("Harbour Cafe", "NONE", linked ? 0 : -1), group("Quay", "WPA2-PSK", -1)};
        showWiFi();
        QCOMPARE(m_viewUi.lblWiFiStatusIPAddrValue->text(), label);
        // The field holds the address alone, and reads as it: no group padded.
        QCOMPARE(m_viewUi.edtWifiCfgIPAddress->text(), field);
        QCOMPARE(m_viewUi.edtWifiCfgIPAddress->displayText(), field);
        if (opMode == 0)
            QCOMPARE(m_viewUi.edtWiFiCfgPort->text(), QString("8080"));
        QCOMPARE(!m_viewUi.wgCfgWifiSetting->isHidden(), opMode == 0);
        QCOMPARE(!m_viewUi.wgWiFiCfgClientList->isHidden(), opMode != 0);
        QCOMPARE(m_viewUi.rdbWiFiAccessPoint->isChecked(), opMode == 0);
        QCOMPARE(m_viewUi.rdbWiFiClient->isChecked(), opMode != 0);
    }

    void passwordAndChannel_data()
    {
        QTest::addColumn<QString>("security");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("channel");
        QTest::addColumn<bool>("noPassword");
        QTest::addColumn<QString>("channelText");
        QTest::newRow("WPA2-PSK, password") << "WPA2-PSK" << "harbour-2026" << 6 << false << "6";
        QTest::newRow("WPA2-PSK, no password") << "WPA2-PSK" << "" << 0 << true << "Auto Select";
        QTest::newRow("NONE, stale password") << "NONE" << "harbour-2026" << 11 << true << "11";
    }

    void passwordAndChannel()
    {
        QFETCH(QString, security);
        QFETCH(QString, password);
        QFETCH(int, channel);
        QFETCH(bool, noPassword);
        QFETCH(QString, channelText);
        m_wifi.wlanEnabled = true;
        m_wifi.opMode = 0;
        put(m_wifi.apSettings.security, security.toLatin1().constData());
        put(m_wifi.apSettings.password, password.toLatin1().constData());
        m_wifi.apSettings.channel = channel;
        showWiFi();
        QCOMPARE(m_viewUi.chbxWiFiCfgPasswordNone->isChecked(), noPassword);
        QCOMPARE(m_viewUi.edtWiFiCfgPassword->isEnabled(), !noPassword);
        QCOMPARE(m_viewUi.edtWiFiCfgPassword->text(), noPassword ? QString() : password);
        QCOMPARE(m_viewUi.cbbxWifiCfgChannel->currentText(), channelText);
    }

    // A text that fills its array has no NUL: shown and read back without touching its neighbour.
    void fullWidthTexts()
    {
        const QByteArray ssid(32, 'S');
        std::memcpy(m_wifi.apSettings.ssid, ssid.constData(), 32);
        put(m_wifi.apSettings.ip, "192.168.4.1");
        std::memset(m_wifi.version, 'V', sizeof m_wifi.version);
        m_wifi.opMode = 0;
        showWiFi();
        QCOMPARE(m_viewUi.lblWiFiStatusSSIDValue->text(), QString(ssid));
        QCOMPARE(m_viewUi.lblWiFiStatusVersionValue->text(), QString(32, 'V'));

        m_viewUi.edtWifiCfgSSID->setText(QString(ssid));
        m_viewUi.edtWifiCfgIPAddress->setText("192.168.4.1");
        m_viewUi.chbxWiFiCfgPasswordNone->setChecked(true);
        SAPData out;
        m_view->getWiFiAPData(&out);
        QCOMPARE(QByteArray(out.ssid, int(sizeof out.ssid)), ssid);
        QCOMPARE(QString::fromLatin1(out.ip), QString("192.168.4.1"));
        QCOMPARE(QString::fromLatin1(out.security), QString("NONE"));
    }

    // Typed keys: the field takes digits and dots only, up to three digits in each of four
    // groups, and reads as typed; the form check decides, and the text sent is the field's.
    void typedAddress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("an address") << "192.168.4.1" << "192.168.4.1" << true;
        QTest::newRow("the smallest") << "0.0.0.0" << "0.0.0.0" << true;
        QTest::newRow("a group past 255") << "192.168.1.256" << "192.168.1.256" << false;
        QTest::newRow("three groups") << "192.168.1" << "192.168.1" << false;
        QTest::newRow("an empty group") << "192.168..1" << "192.168..1" << false;
        QTest::newRow("a fourth digit") << "1921.168.4.1" << "192.168.4.1" << true;
        QTest::newRow("letters and blanks") << " 10.a0.0. 1x" << "10.0.0.1" << true;
        QTest::newRow("a fifth group") << "10.0.0.1.7" << "10.0.0.17" << true;
        QTest::newRow("empty") << "" << "" << false;
    }

    void typedAddress()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, accepted);
        m_wifi.wlanEnabled = true;
        m_wifi.opMode = 0;
        showWiFi();
        m_viewUi.edtWifiCfgSSID->setText("Quayside");
        m_viewUi.chbxWiFiCfgPasswordNone->setChecked(true);
        m_viewUi.cbbxWifiCfgChannel->setCurrentIndex(0);
        m_viewUi.edtWiFiCfgPort->setText("8080");
        for (QLineEdit* field : {m_viewUi.edtWifiCfgIPAddress, m_viewUi.edtWifiCfgSubnetMask}) {
            m_viewUi.edtWifiCfgIPAddress->setText("192.168.4.1");
            m_viewUi.edtWifiCfgSubnetMask->setText("255.255.255.0");
            field->clear();
            QTest::keyClicks(field, typed);
            QCOMPARE(field->displayText(), kept);
            const WiFiForm::WIFI_FORM_FAULT fault = field == m_viewUi.edtWifiCfgIPAddress
                                                        ? WiFiForm::WIFI_FORM_IP_ADDRESS
                                                        : WiFiForm::WIFI_FORM_SUBNET_MASK;
            QCOMPARE(int(WiFiForm::checkInputRule(m_view->getWiFiFormInput())),
                     int(accepted ? WiFiForm::WIFI_FORM_OK : fault));
            SAPData out;
            m_view->getWiFiAPData(&out);
            const char* sent = field == m_viewUi.edtWifiCfgIPAddress ? out.ip : out.mask;
            QCOMPARE(QString::fromLatin1(sent), kept);
        }
    }

    // Off: the switch, the mode tiles and the form held back, the advanced section open.
    void switchedOff()
    {
        m_wifi.wlanEnabled = false;
        m_wifi.opMode = 0;
        showWiFi();
        QVERIFY(!m_view->wifiEnableSwitch()->isActive());
        QVERIFY(!m_viewUi.wgWiFiModeConfiguration->isEnabled());
        QVERIFY(!m_viewUi.wgWifiConfiguration->isEnabled());
        QVERIFY(!m_viewUi.lblWiFiFactoryResetTitle->isHidden());
        QCOMPARE(m_viewUi.btnWiFiAdvConfigDisp->text(), m_view->msgText().advHideText);
        const QString offTitle = m_viewUi.lblWiFiEnableTitle->styleSheet();
        QVERIFY(m_viewUi.wgWiFiModeAccessPoint->styleSheet().contains("dashed"));
        QVERIFY(m_viewUi.wgWiFiModeClient->styleSheet().contains("border: none;"));

        m_wifi.wlanEnabled = true;
        m_wifi.opMode = 1;
        showWiFi();
        QVERIFY(m_view->wifiEnableSwitch()->isActive());
        QVERIFY(m_viewUi.wgWiFiModeConfiguration->isEnabled());
        QVERIFY(m_viewUi.lblWiFiFactoryResetTitle->isHidden());
        QCOMPARE(m_viewUi.btnWiFiAdvConfigDisp->text(), m_view->msgText().advMoreText);
        QVERIFY(m_viewUi.lblWiFiEnableTitle->styleSheet() != offTitle);
        QVERIFY(m_viewUi.wgWiFiModeClient->styleSheet().contains("dashed"));
        QVERIFY(m_viewUi.wgWiFiModeAccessPoint->styleSheet().contains("border: none;"));
    }

    void waitingPanel()
    {
        m_view->enableWiFiWaitingDisp(true);
        QVERIFY(!m_viewUi.wgWiFiCfgWaiting->isHidden());
        QVERIFY(!m_viewUi.btnCommConnt->isEnabled());
        QVERIFY(!m_viewUi.btnMMConfiguration->isEnabled());
        QVERIFY(m_viewUi.wgWiFiMode->isHidden());
        QVERIFY(m_viewUi.wgWifiConfiguration->isHidden());
        m_view->enableWiFiWaitingDisp(false);
        QVERIFY(m_viewUi.wgWiFiCfgWaiting->isHidden());
        QVERIFY(m_viewUi.btnCommConnt->isEnabled());
        QVERIFY(m_viewUi.btnMMConfiguration->isEnabled());
        QVERIFY(!m_viewUi.wgWiFiStatus->isHidden());

        const SMsgTextResource& text = m_view->msgText();
        for (int count : {-1, 0, 1, 2}) {
            m_view->updateWiFiPGBWaitingMsg(count);
            QCOMPARE(m_viewUi.lblWiFiWaiting->text(), count > 0 ? text.applyingWaitMinute : text.applyingWait);
        }
    }

    // A failed join's box stays one box, however many ticks come while it is open.
    void boxIsNotShownAgainFromItsTicks()
    {
        CWiFiConfig module;
        TickingBoxHost host(module);
        CWiFiJobEngine engine(module, host);
        host.engine = &engine;
        module.setSystemMode(WIFI_SYS_MODE_CONFIG);
        const int64_t started = host.now;
        module.update([started](SCmdProcData& s) {
            s.mainState = WIFI_MAIN_RUN_JOB;
            s.cfgType = WIFI_CFG_CLIENT_CONNECT;
            s.subState = 5;
            s.jobStartTime = started;
            s.linkStatus = 2;
            s.linkCheck = false;
        });
        engine.clientAPCntData().ssid = "Dock";
        engine.tick();
        QCOMPARE(host.boxes, QStringList{"0 Information: Connect fail.\nPlease try again!"});
        QCOMPARE(module.snapshot().cfgType, int(WIFI_CFG_QUERY));
    }

    // Actions ----------------------------------------------------------------------------

    void declineRestoresTheModule_data()
    {
        QTest::addColumn<bool>("radios");
        QTest::addColumn<bool>("wlan");
        QTest::addColumn<int>("opMode");
        QTest::newRow("switch, module on") << false << true << 0;
        QTest::newRow("switch, module off") << false << false << 0;
        QTest::newRow("radios, access point") << true << true << 0;
        QTest::newRow("radios, client") << true << true << 1;
    }

    void declineRestoresTheModule()
    {
        QFETCH(bool, radios);
        QFETCH(bool, wlan);
        QFETCH(int, opMode);
        wifi().update([&](SCmdProcData& s) {
            s.wlanEnabled = wlan;
            s.opMode = opMode;
        });
        WgSelectorSwitch* wifiSwitch = m_window->view()->wifiEnableSwitch();
        wifiSwitch->setActive(wlan);
        QAbstractButton* other = opMode == 0 ? m_ui->rdbWiFiClient : m_ui->rdbWiFiAccessPoint;
        auto act = [&] {
            if (radios)
                other->click();
            else
                wifiSwitch->setSwitch(true, true); // as a click on the knob
        };

        m_boxes->answer = QMessageBox::No;
        act();
        QCOMPARE(m_boxes->titles, QStringList{"Information"});
        expectJob(0);
        if (radios) {
            QCOMPARE(m_ui->rdbWiFiAccessPoint->isChecked(), opMode == 0);
            QCOMPARE(m_ui->rdbWiFiClient->isChecked(), opMode != 0);
        } else {
            QCOMPARE(wifiSwitch->isActive(), wlan);
        }

        m_boxes->reset(QMessageBox::Yes);
        act();
        expectJob(WIFI_CFG_MODE_CTRL);
        QVERIFY(!m_ui->wgWiFiCfgWaiting->isHidden());
        m_window->view()->enableWiFiWaitingDisp(false);
    }

    void joinPromptLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("taken");
        QTest::newRow("7") << 7 << false;
        QTest::newRow("8") << 8 << true;
        QTest::newRow("63") << 63 << true;
        QTest::newRow("64") << 64 << false;
    }

    // The connect icon of a row not linked asks for the password.
    void joinPromptLength()
    {
        QFETCH(int, length);
        QFETCH(bool, taken);
        showAPList({group("Terrace Marina", "WPA2-PSK", -1), group("Harbour Cafe", "NONE", -1)});
        clickCell(0, CWiFiAPExchangeSet::AP_ITEM_SSID);
        QCOMPARE(iconImage(connectionIcon(0)), statusImage(7));
        m_prompt->text = QString(length, 'k');
        clickCell(0, CWiFiAPExchangeSet::AP_ITEM_CONNECTION);
        QCOMPARE(m_prompt->labels, QStringList{"Please input Terrace Marina password"});
        const SClintAPCntData request = m_window->wifiJobEngine().clientAPCntData();
        QCOMPARE(QString::fromStdString(request.ssid), QString("Terrace Marina"));
        QCOMPARE(request.apIndex, 0);
        if (taken) {
            expectJob(WIFI_CFG_CLIENT_CONNECT);
            QCOMPARE(request.password, std::string(size_t(length), 'k'));
            QCOMPARE(m_boxes->texts, QStringList());
            QVERIFY(connectionIcon(0).isNull());
        } else {
            expectJob(0);
            QCOMPARE(m_boxes->texts, QStringList{"Invalid password format.\n"});
        }
    }

    // An open network joins on a double click without a prompt; its icon still prompts.
    void openNetworkByDoubleClick()
    {
        showAPList({group("Terrace Marina", "WPA2-PSK", -1), group("Harbour Cafe", "NONE", -1)});
        QTableView* table = m_ui->tbvwWiFiCfgClient;
        const QModelIndex cell = table->model()->index(1, apTable().getCellSeqIndex(CWiFiAPExchangeSet::AP_ITEM_SSID));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(cell).center());
        QCOMPARE(m_prompt->labels, QStringList());
        expectJob(WIFI_CFG_CLIENT_CONNECT);
        const SClintAPCntData request = m_window->wifiJobEngine().clientAPCntData();
        QCOMPARE(QString::fromStdString(request.ssid), QString("Harbour Cafe"));
        QCOMPARE(QString::fromStdString(request.security), QString("NONE"));
        QVERIFY(request.password.empty());

        rest();
        m_prompt->cancel = true;
        clickCell(1, CWiFiAPExchangeSet::AP_ITEM_CONNECTION);
        QCOMPARE(m_prompt->labels, QStringList{"Please input Harbour Cafe password"});
        expectJob(0);
    }

    // The linked row shows the disconnect icon and clears the others; its click leaves.
    void disconnectIcon()
    {
        showAPList({group("Terrace Marina", "WPA2-PSK", 0), group("Harbour Cafe", "NONE", -1)});
        clickCell(1, CWiFiAPExchangeSet::AP_ITEM_SSID);
        QCOMPARE(iconImage(connectionIcon(1)), statusImage(7));
        clickCell(0, CWiFiAPExchangeSet::AP_ITEM_RSSI);
        QVERIFY(connectionIcon(1).isNull());
        QCOMPARE(iconImage(connectionIcon(0)), statusImage(8));
        expectJob(0);

        clickCell(0, CWiFiAPExchangeSet::AP_ITEM_CONNECTION);
        QCOMPARE(m_prompt->labels, QStringList());
        expectJob(WIFI_CFG_CLIENT_CONNECT);
        const SClintAPCntData request = m_window->wifiJobEngine().clientAPCntData();
        QCOMPARE(QString::fromStdString(request.ssid), QString("#72904%+*K318D?"));
        QCOMPARE(QString::fromStdString(request.security), QString("NONE"));
        QVERIFY(request.password.empty());
        QVERIFY(connectionIcon(0).isNull());
    }

    // Apply acts only while connected and in state 5; a form fault is named and the engine rests.
    void applyNeedsTheDevice()
    {
        m_ui->edtWifiCfgSSID->setText("Quayside");
        m_ui->chbxWiFiCfgPasswordNone->setChecked(true);
        m_ui->cbbxWifiCfgChannel->setCurrentIndex(3);
        m_ui->edtWifiCfgIPAddress->setText("192.168.20.1");
        m_ui->edtWifiCfgSubnetMask->setText("255.255.255.0");
        m_ui->edtWiFiCfgPort->setText("2001");
        wifi().update([](SCmdProcData& s) {
            s.mainState = WIFI_MAIN_RUN_JOB;
            s.cfgType = WIFI_CFG_QUERY;
        });

        device().getSentenceHandle().setDevDetectState(DEV_STATE_CONFIG_SHOWN);
        m_ui->btnWiFiCfgApply->click();
        device().getSentenceHandle().setDevDetectState(DEV_STATE_SYSTEM_DATA_END);
        m_ui->btnCommConnt->setChecked(true);
        m_ui->btnWiFiCfgApply->click();
        QCOMPARE(wifi().snapshot().mainState, int(WIFI_MAIN_RUN_JOB));
        QCOMPARE(m_boxes->texts, QStringList());

        device().getSentenceHandle().setDevDetectState(DEV_STATE_CONFIG_SHOWN);
        m_ui->btnWiFiCfgApply->click();
        expectJob(WIFI_CFG_AP_SETUP);

        m_ui->edtWifiCfgSSID->clear();
        m_ui->btnWiFiCfgApply->click();
        QCOMPARE(m_boxes->texts, QStringList{"The wireless network must have a name(SSID)."});
        QCOMPARE(m_boxes->titles, QStringList{"Wi-Fi Configuration"});
        const SCmdProcData s = wifi().snapshot();
        QCOMPARE(s.mainState, int(WIFI_MAIN_PENDING));
        QCOMPARE(s.cfgType, int(WIFI_CFG_AP_SETUP));

        m_ui->btnCommConnt->setChecked(false);
        device().getSentenceHandle().setDevDetectState(DEV_STATE_INITIAL);
    }

    void noPasswordBoxKeepsThePassword()
    {
        m_ui->chbxWiFiCfgPasswordNone->setChecked(false);
        m_ui->edtWiFiCfgPassword->setText("harbour-2026");
        m_ui->chbxWiFiCfgPasswordNone->click();
        QVERIFY(m_ui->edtWiFiCfgPassword->text().isEmpty());
        QVERIFY(!m_ui->edtWiFiCfgPassword->isEnabled());
        m_ui->chbxWiFiCfgPasswordNone->click();
        QCOMPARE(m_ui->edtWiFiCfgPassword->text(), QString("harbour-2026"));
        QVERIFY(m_ui->edtWiFiCfgPassword->isEnabled());
    }

    void factoryResetAsks()
    {
        m_boxes->answer = QMessageBox::No;
        m_ui->btnWiFiFactoryReset->click();
        QCOMPARE(m_boxes->titles, QStringList{"Wi-Fi Factory Reset"});
        expectJob(0);
        m_boxes->answer = QMessageBox::Yes;
        m_ui->btnWiFiFactoryReset->click();
        expectJob(WIFI_CFG_FACTORY_RESET);
    }

    void refreshAndAdvancedToggle()
    {
        m_ui->btnWiFiCfgClientRefresh->click();
        expectJob(WIFI_CFG_CLIENT_SCAN);
        QCOMPARE(m_boxes->texts, QStringList());

        const bool shown = !m_ui->lblWiFiFactoryResetTitle->isHidden();
        m_ui->btnWiFiAdvConfigDisp->click();
        QCOMPARE(m_ui->lblWiFiFactoryResetTitle->isHidden(), shown);
        QCOMPARE(m_ui->btnWiFiFactoryReset->isHidden(), shown);
        QCOMPARE(m_ui->btnWiFiAdvConfigDisp->text(), shown ? m_window->view()->msgText().advMoreText
                                                            : m_window->view()->msgText().advHideText);
        m_ui->btnWiFiAdvConfigDisp->click();
        QCOMPARE(m_ui->lblWiFiFactoryResetTitle->isHidden(), !shown);
    }
};

QTEST_MAIN(TestMainWindowWiFi)
#include "tst_mainwindowwifi.moc"
