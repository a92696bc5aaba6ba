#include "device/CCommSpacesManage.h"
#include "device/CWiFiAPExchangeSet.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"
#include "widgets/WgSelectorSwitch.h"

#include "LogCapture.h"
#include "SimLinkSettle.h"
#include "WindowSimRig.h"

#include <QtTest>
#include <memory>

using namespace WiFiScope;

namespace {

// The replies to what a tick sent are in before the next tick.
constexpr int TickWaitMs = 15000;
constexpr int RestTicks = 150;

enum CHAIN : int
{
    CHAIN_QUERY,
    CHAIN_AP_SETUP,
    CHAIN_SWITCH,
    CHAIN_MODE,
    CHAIN_SCAN,
    CHAIN_JOIN_OPEN,
    CHAIN_JOIN_PASSWORD,
    CHAIN_LEAVE,
    CHAIN_FACTORY_RESET,
};

} // namespace

// The Wi-Fi page's job chains, end to end: the window on the simulated Q-375, its Wi-Fi page
// driven as a user would, the ticks on the window's seconds. Every chain ends at rest: main
// state 5, no job, the device in NMEA mode, the waiting panel hidden and Connect enabled.
class TestMainWindowWiFiSim : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    std::unique_ptr<BoxAnswerer> m_boxes;
    std::unique_ptr<PromptAnswerer> m_prompt;
    std::unique_ptr<DeviceFixture::SimLinkSettle> m_settle;
    Ui::AisConfiguration* m_ui = nullptr;
    int64_t m_now = WindowSimRig::Start;

    AisConfiguration& window() { return m_rig.window(); }
    CWiFiConfig& wifi() { return m_rig.device().getWiFiConfig(); }
    QAbstractItemModel* apList() { return m_ui->tbvwWiFiCfgClient->model(); }

    // False when the link does not settle.
    bool tick()
    {
        m_rig.tickAt(m_now++);
        return m_settle->wait(TickWaitMs);
    }

    bool atRest()
    {
        const SCmdProcData s = wifi().snapshot();
        return s.mainState == WIFI_MAIN_PENDING && s.cfgType == 0 && s.sysMode == WIFI_SYS_MODE_NMEA
               && m_ui->wgWiFiCfgWaiting->isHidden() && m_ui->btnCommConnt->isEnabled();
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

    // The access point list's row of an SSID; -1 when it is not listed.
    int rowOf(const QString& ssid)
    {
        CWiFiAPExchangeSet probe;
        const int column = probe.getCellSeqIndex(CWiFiAPExchangeSet::AP_ITEM_SSID);
        for (int row = 0; row < apList()->rowCount(); ++row) {
            if (apList()->index(row, column).data().toString() == ssid)
                return row;
        }
        return -1;
    }

    void clickCell(int row, CWiFiAPExchangeSet::AP_ITEM_CELL cell, bool twice = false)
    {
        CWiFiAPExchangeSet probe;
        QTableView* table = m_ui->tbvwWiFiCfgClient;
        const QPoint at = table->visualRect(apList()->index(row, probe.getCellSeqIndex(cell))).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    }

    // Client mode by its radio, answered Yes: the mode control is followed by a scan.
    void chooseClientMode()
    {
        m_boxes->answer = QMessageBox::Yes;
        m_ui->rdbWiFiClient->click();
        QVERIFY(!m_ui->wgWiFiCfgWaiting->isHidden());
        QVERIFY(tickUntilRest());
        QCOMPARE(wifi().snapshot().opMode, int(WIFI_OP_MODE_CLIENT));
        QVERIFY(m_ui->rdbWiFiClient->isChecked());
        QVERIFY(!m_ui->wgWiFiCfgClientList->isHidden());
        QCOMPARE(apList()->rowCount(), 4);
        m_boxes->reset();
    }

    void joinOpenNetwork()
    {
        clickCell(rowOf("Harbour Cafe"), CWiFiAPExchangeSet::AP_ITEM_SSID, true);
        QVERIFY(tickUntilRest());
        QCOMPARE(QString::fromStdString(wifi().snapshot().linkedBssid), QString("0C:80:63:1A:2B:02"));
    }

    // Drives the chain on the page and checks where it ends.
    void runChain(int chain)
    {
        switch (chain) {
        case CHAIN_QUERY:
            QCOMPARE(m_ui->lblWiFiStatusVersionValue->text(), QString("SIM-WIFI 1.0.3"));
            QCOMPARE(m_ui->lblWiFiStatusSSIDValue->text(), QString("AIS-SIM-0002"));
            QCOMPARE(m_ui->edtWifiCfgSSID->text(), QString("AIS-SIM-0002"));
            QVERIFY(window().view()->wifiEnableSwitch()->isActive());
            QVERIFY(m_ui->rdbWiFiAccessPoint->isChecked());
            QCOMPARE(m_ui->lblHomeWiFiFirmwareVerValue->text(), QString("SIM-WIFI 1.0.3"));
            break;
        case CHAIN_AP_SETUP:
            m_ui->edtWifiCfgSSID->setText("Quayside");
            m_ui->edtWifiCfgIPAddress->setText("192.168.20.1");
            m_ui->edtWifiCfgSubnetMask->setText("255.255.255.0");
            m_ui->edtWiFiCfgPort->setText("2001");
            m_ui->chbxWiFiCfgPasswordNone->setChecked(false);
            m_ui->edtWiFiCfgPassword->setText("harbour-2026");
            QTest::mouseClick(m_ui->btnWiFiCfgApply, Qt::LeftButton);
            QVERIFY(tickUntilRest());
            QCOMPARE(m_ui->lblWiFiStatusSSIDValue->text(), QString("Quayside"));
            QCOMPARE(m_ui->lblWiFiStatusIPAddrValue->text(), QString("192.168.20.1 : 2001"));
            break;
        case CHAIN_SWITCH:
            m_boxes->answer = QMessageBox::Yes;
            window().view()->wifiEnableSwitch()->setSwitch(true, true);
            QVERIFY(tickUntilRest());
            QVERIFY(!wifi().snapshot().wlanEnabled);
            QVERIFY(!window().view()->wifiEnableSwitch()->isActive());
            QVERIFY(!m_ui->lblWiFiFactoryResetTitle->isHidden());
            window().view()->wifiEnableSwitch()->setSwitch(true, true);
            QVERIFY(tickUntilRest());
            QVERIFY(wifi().snapshot().wlanEnabled);
            QVERIFY(window().view()->wifiEnableSwitch()->isActive());
            QCOMPARE(m_boxes->texts, QStringList({window().view()->msgText().disableConfirm,
                                                  window().view()->msgText().enableConfirm}));
            m_boxes->reset();
            break;
        case CHAIN_MODE:
            chooseClientMode();
            // The page's first opening in client mode scans once per connection.
            window().updateCurPageDisp(0);
            window().updateCurPageDisp(6);
            QVERIFY(!m_ui->wgWiFiCfgWaiting->isHidden());
            QVERIFY(tickUntilRest());
            window().updateCurPageDisp(0);
            window().updateCurPageDisp(6);
            QVERIFY(atRest());
            break;
        case CHAIN_SCAN: {
            chooseClientMode();
            const int scans = m_rig.receivedCount("AT+SCAN");
            QTest::mouseClick(m_ui->btnWiFiCfgClientRefresh, Qt::LeftButton);
            QVERIFY(tickUntilRest());
            QCOMPARE(m_rig.receivedCount("AT+SCAN"), scans + 1);
            QCOMPARE(apList()->rowCount(), 4);
            break;
        }
        case CHAIN_JOIN_OPEN:
            chooseClientMode();
            joinOpenNetwork();
            break;
        case CHAIN_JOIN_PASSWORD: {
            chooseClientMode();
            const int row = rowOf("Terrace Marina");
            clickCell(row, CWiFiAPExchangeSet::AP_ITEM_SSID);
            m_prompt->text = "marina-guest";
            clickCell(row, CWiFiAPExchangeSet::AP_ITEM_CONNECTION);
            QCOMPARE(m_prompt->labels, QStringList{"Please input Terrace Marina password"});
            QVERIFY(tickUntilRest());
            QCOMPARE(QString::fromStdString(wifi().snapshot().linkedBssid), QString("0C:80:63:1A:2B:01"));
            break;
        }
        case CHAIN_LEAVE: {
            chooseClientMode();
            joinOpenNetwork();
            const int row = rowOf("Harbour Cafe");
            clickCell(row, CWiFiAPExchangeSet::AP_ITEM_SSID);
            clickCell(row, CWiFiAPExchangeSet::AP_ITEM_CONNECTION);
            QVERIFY(tickUntilRest());
            QVERIFY(!CAisConfigurationView::isClientAPConnected(wifi().snapshot()));
            QCOMPARE(m_ui->lblWiFiStatusIPAddrValue->text(), QString("N/A"));
            break;
        }
        case CHAIN_FACTORY_RESET:
            chooseClientMode();
            m_boxes->answer = QMessageBox::Yes;
            m_ui->btnWiFiAdvConfigDisp->click();
            QTest::mouseClick(m_ui->btnWiFiFactoryReset, Qt::LeftButton);
            QVERIFY(tickUntilRest());
            QCOMPARE(wifi().snapshot().opMode, int(WIFI_OP_MODE_ACCESS_POINT));
            QVERIFY(m_ui->rdbWiFiAccessPoint->isChecked());
            QCOMPARE(m_ui->lblWiFiStatusSSIDValue->text(), QString("AIS-SIM-0002"));
            QCOMPARE(m_boxes->titles, QStringList{"Wi-Fi Factory Reset"});
            m_boxes->reset();
            break;
        }
        QCOMPARE(m_boxes->texts, QStringList());
        QVERIFY(atRest());
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
        m_boxes = std::make_unique<BoxAnswerer>();
        m_prompt = std::make_unique<PromptAnswerer>();
    }

    // Connected and detected, the power question answered Ok, the first query at rest and the
    // Wi-Fi page shown.
    void init()
    {
        m_boxes->reset();
        m_prompt->labels.clear();
        QVERIFY(m_rig.connectSim(2));
        m_ui = m_rig.ui();
        m_now = WindowSimRig::Start;
        QVERIFY(m_rig.detect(&m_now));
        m_settle = std::make_unique<DeviceFixture::SimLinkSettle>(m_rig.device(), m_rig.sim());
        QCOMPARE(m_boxes->texts, QStringList{window().view()->msgText().powerSupplyNote});
        QVERIFY(tickUntilRest());
        QVERIFY(m_ui->wgMainMenu->isEnabled());
        window().updateCurPageDisp(6);
        QCOMPARE(m_ui->tbwgMain->currentWidget(), m_ui->tabMainWiFi);
        QVERIFY(atRest());
        m_boxes->reset();
    }

    void cleanup()
    {
        m_settle.reset();
        QVERIFY(m_rig.stop());
    }

    // The rows are grouped so that each function stays within Qt Test's time per function.
    void accessPointChains_data()
    {
        QTest::addColumn<int>("chain");
        QTest::newRow("query after take-over") << int(CHAIN_QUERY);
        QTest::newRow("access point setup by Apply") << int(CHAIN_AP_SETUP);
        QTest::newRow("off and on by the switch") << int(CHAIN_SWITCH);
    }

    void accessPointChains()
    {
        QFETCH(int, chain);
        runChain(chain);
    }

    void clientModeChains_data()
    {
        QTest::addColumn<int>("chain");
        QTest::newRow("client mode by the radio") << int(CHAIN_MODE);
        QTest::newRow("scan by Refresh") << int(CHAIN_SCAN);
        QTest::newRow("factory reset") << int(CHAIN_FACTORY_RESET);
    }

    void clientModeChains()
    {
        QFETCH(int, chain);
        runChain(chain);
    }

    void clientLinkChains_data()
    {
        QTest::addColumn<int>("chain");
        QTest::newRow("open network by double click") << int(CHAIN_JOIN_OPEN);
        QTest::newRow("password network by the icon") << int(CHAIN_JOIN_PASSWORD);
        QTest::newRow("leave by the icon") << int(CHAIN_LEAVE);
    }

    void clientLinkChains()
    {
        QFETCH(int, chain);
        runChain(chain);
    }

    // A module gone silent: the first 70 s end in a query run with the longer waiting text, the
    // second in one warning; then the engine rests, with no new run for minutes.
    void silentModule()
    {
        m_rig.sim().command("silence on");
        QTest::mouseClick(m_ui->btnWiFiCfgClientRefresh, Qt::LeftButton);
        const int64_t pressed = m_now;
        bool queryRun = false;
        while (m_boxes->texts.isEmpty() && m_now < pressed + 200) {
            m_rig.tickAt(m_now++);
            QCoreApplication::processEvents();
            const SCmdProcData s = wifi().snapshot();
            if (!queryRun && s.cfgType == WIFI_CFG_QUERY) {
                queryRun = true;
                QVERIFY(m_now - pressed >= 70);
                // The run that follows the first time-out shows the longer text.
                m_rig.tickAt(m_now++);
                QCOMPARE(m_ui->lblWiFiWaiting->text(), window().view()->msgText().applyingWaitMinute);
                QVERIFY(!m_ui->wgWiFiCfgWaiting->isHidden());
            }
        }
        QVERIFY(queryRun);
        QVERIFY(m_now - pressed >= 140);
        QCOMPARE(m_boxes->texts, QStringList{"WiFi setting fail!\nPlease try again."});
        QCOMPARE(m_boxes->titles, QStringList{"Warning"});

        QVERIFY(m_settle->wait(TickWaitMs));
        const int switches = m_rig.receivedCount("$PDBG,163,1,");
        for (const int64_t until = m_now + 300; m_now < until;) {
            m_rig.tickAt(m_now++);
            QCoreApplication::processEvents();
        }
        QVERIFY(m_settle->wait(TickWaitMs));
        QCOMPARE(m_rig.receivedCount("$PDBG,163,1,"), switches);
        QCOMPARE(m_boxes->texts.size(), 1);
        QVERIFY(atRest());
    }
};

QTEST_MAIN(TestMainWindowWiFiSim)
#include "tst_mainwindowwifisim.moc"
