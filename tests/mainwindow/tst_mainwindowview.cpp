#include "device/CSensorConfig.h"
#include "device/CWiFiConfig.h"
#include "device/WiFiTypes.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"
#include "widgets/ModSatelliteMap.h"
#include "widgets/WgSelectorSwitch.h"

#include "StandInPortLister.h"

#include <QtTest>
#include <cstring>
#include <memory>

namespace {

QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

// The view on the form of a fixed 1000 x 720 window, before any translation is installed.
class TestMainWindowView : public QObject
{
    Q_OBJECT

private:
    QMainWindow m_window;
    Ui::AisConfiguration m_ui;
    CSensorConfig m_config;
    CWiFiConfig m_wifi;
    CStandInPortLister m_ports;
    std::unique_ptr<CAisConfigurationView> m_view;

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        m_ui.setupUi(&m_window);
        m_window.setFixedSize(1000, 720);
        m_view = std::make_unique<CAisConfigurationView>(&m_ui, &m_config, m_wifi, m_ports);
    }

    // The view goes before the form's widgets: its chart and port selector sit in their layouts.
    void cleanupTestCase() { m_view.reset(); }

    void homeSummary_data()
    {
        QTest::addColumn<int>("shipType");
        QTest::addColumn<uint>("mmsi");
        QTest::addColumn<int>("opMode");
        QTest::addColumn<bool>("typeShown");
        QTest::addColumn<QString>("mmsiText");
        QTest::addColumn<int>("modeName");
        QTest::newRow("listed type, client") << 30 << 123456789u << 1 << true << "123456789" << 1;
        QTest::newRow("type 25, short MMSI, access point") << 25 << 12345u << 0 << false << "000012345" << 0;
        QTest::newRow("no MMSI, mode none") << 30 << 0u << 2 << true << "" << -1;
        QTest::newRow("mode unknown") << 30 << 1u << -1 << true << "000000001" << -1;
        QTest::newRow("mode past the names") << 30 << 1u << 7 << true << "000000001" << -1;
    }

    void homeSummary()
    {
        QFETCH(int, shipType);
        QFETCH(uint, mmsi);
        QFETCH(int, opMode);
        QFETCH(bool, typeShown);
        QFETCH(QString, mmsiText);
        QFETCH(int, modeName);
        m_config.shipType = shipType;
        m_config.mmsi = mmsi;
        // Fields that fill their buffers have no terminator.
        std::memset(m_config.shipName, 'N', sizeof m_config.shipName);
        std::strcpy(m_config.callSign, "CALL1");
        std::strcpy(m_config.serialNumber, "SN123");
        std::memset(m_config.firmware, 'F', sizeof m_config.firmware);
        m_wifi.update([opMode](WiFiScope::SCmdProcData& s) {
            s.opMode = opMode;
            std::memset(s.version, 'V', sizeof s.version);
        });
        m_view->updateHomePageDisp();
        QCOMPARE(m_ui.lblHomeShipName->text(), QString(int(sizeof m_config.shipName), 'N'));
        QCOMPARE(m_ui.lblHomeCallSign->text(), QStringLiteral("CALL1"));
        QCOMPARE(m_ui.lblHomeMmsi->text(), mmsiText);
        QCOMPARE(m_ui.lblHomeVesselType->text(), typeShown ? QStringLiteral("30 = Vessel-Fishing") : QString());
        QCOMPARE(m_ui.lblHomeProductSNValue->text(), QStringLiteral("SN123"));
        QCOMPARE(m_ui.lblHomeProductFVValue->text(), QString(int(sizeof m_config.firmware), 'F'));
        QCOMPARE(m_ui.lblHomeWiFiModeValue->text(), modeName < 0 ? QString() : m_view->msgText().wifiModeName[modeName]);
        QVERIFY(modeName < 0 || !m_ui.lblHomeWiFiModeValue->text().isEmpty());
        QCOMPARE(m_ui.lblHomeWiFiFirmwareVerValue->text(), QString(int(sizeof WiFiScope::SCmdProcData::version), 'V'));
    }

    void textRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("name cut at 20") << "edtCfgShipName" << "SEA BIRD OF THE NORTH WIND" << "SEA BIRD OF THE NORT";
        // The AIS six-bit characters: space to "_", letters in capitals.
        QTest::newRow("name six-bit") << "edtCfgShipName" << "A !#$%&'()*+,-./:;<=" << "A !#$%&'()*+,-./:;<=";
        QTest::newRow("name six-bit signs") << "edtCfgShipName" << ">?@[\\]^_" << ">?@[\\]^_";
        QTest::newRow("name capitals") << "edtCfgShipName" << "sea bird" << "SEA BIRD";
        QTest::newRow("name tilde") << "edtCfgShipName" << "A~" << "";
        QTest::newRow("name braces") << "edtCfgShipName" << "{A}" << "";
        QTest::newRow("name tab") << "edtCfgShipName" << "SEA\tBIRD" << "";
        QTest::newRow("name accent") << "edtCfgShipName" << QString::fromUtf8("CAF\u00c9") << "";
        QTest::newRow("call sign cut at 7") << "edtCfgCallSign" << "DL1234ABC" << "DL1234A";
        QTest::newRow("call sign accent") << "edtCfgCallSign" << QString::fromUtf8("\u00e9") << "";
        QTest::newRow("call sign emoji") << "edtCfgCallSign" << QString::fromUtf8("AB\U0001F600") << "";
        QTest::newRow("call sign back quote") << "edtCfgCallSign" << "`" << "";
        QTest::newRow("mmsi cut at 9") << "edtCfgMmsi" << "2112345678" << "211234567";
        QTest::newRow("mmsi letters") << "edtCfgMmsi" << "21A" << "";
        QTest::newRow("mmsi sign") << "edtCfgMmsi" << "-1" << "";
        QTest::newRow("send cut at 256") << "edtSendCommand" << QString(300, 'x') << QString(256, 'x');
        QTest::newRow("ssid cut at 32") << "edtWifiCfgSSID" << QString(40, 's') << QString(32, 's');
        QTest::newRow("port digits") << "edtWiFiCfgPort" << "8080x" << "";
    }

    // A refused text leaves the field as it was.
    void textRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        auto* edit = m_window.findChild<QLineEdit*>(field);
        QVERIFY(edit);
        edit->clear();
        edit->insert(typed);
        QCOMPARE(edit->text(), kept);
    }

    void dimensionRanges_data()
    {
        QTest::addColumn<QString>("spin");
        QTest::addColumn<int>("maximum");
        QTest::newRow("A") << "spbxCfgVslDimA" << 511;
        QTest::newRow("B") << "spbxCfgVslDimB" << 511;
        QTest::newRow("C") << "spbxCfgVslDimC" << 63;
        QTest::newRow("D") << "spbxCfgVslDimD" << 63;
    }

    void dimensionRanges()
    {
        QFETCH(QString, spin);
        QFETCH(int, maximum);
        auto* box = m_window.findChild<QSpinBox*>(spin);
        QVERIFY(box);
        box->setValue(100000);
        QCOMPARE(box->value(), maximum);
        box->setValue(-1);
        QCOMPARE(box->value(), 0);
    }

    void lists()
    {
        const QStringList baudRates{"38400", "9600", "4800"};
        for (QComboBox* combo : {m_ui.cbbxCfgNmea1Input, m_ui.cbbxCfgNmea1Output, m_ui.cbbxCfgNmea2Input,
                                 m_ui.cbbxCfgNmea2Output})
            QCOMPARE(itemsOf(combo), baudRates);
        QCOMPARE(itemsOf(m_ui.cbbxCfgDscMonitoring), QStringList({"OFF", "ON"}));
        QCOMPARE(itemsOf(m_ui.cbbxCfgAlrSentence), QStringList({"OFF", "ON"}));
        QCOMPARE(itemsOf(m_ui.cbbxCfgGpsMode), QStringList({"Altitude higher than 500m", "At sea level"}));
        const QStringList rates = itemsOf(m_ui.cbbxCfgGpsUpdateRate);
        QCOMPARE(rates.size(), 11);
        QCOMPARE(rates.first(), QStringLiteral("OFF"));
        QCOMPARE(rates.at(1), QStringLiteral("1s"));
        QCOMPARE(rates.last(), QStringLiteral("10s"));
        const QStringList instances = itemsOf(m_ui.cbbxCfgNMEADevInst);
        QCOMPARE(instances.size(), 256);
        QCOMPARE(instances.last(), QStringLiteral("255"));
        const QStringList channels = itemsOf(m_ui.cbbxWifiCfgChannel);
        QCOMPARE(channels.size(), 12);
        QCOMPARE(channels.first(), QStringLiteral("Auto Select"));
        QCOMPARE(channels.last(), QStringLiteral("11"));
    }

    void vesselTypes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 0 << 20 << "20 = WIG";
        QTest::newRow("pleasure craft") << 8 << 37 << "37 = Vessel-Pleasure craft";
        QTest::newRow("search and rescue") << 11 << 51 << "51 = Search & rescue vessel";
        QTest::newRow("last") << 20 << 80 << "80 = Tanker";
    }

    void vesselTypes()
    {
        QFETCH(int, index);
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(m_ui.cbbxCfgVesselType->count(), CAisConfigurationView::ShipTypeCount);
        QCOMPARE(m_ui.cbbxCfgVesselType->itemText(index), text);
        QCOMPARE(m_view->getShipTypeCode(index), code);
        QCOMPARE(m_view->getShipTypeIndex(code), index);
    }

    void vesselTypeOutsideList()
    {
        for (int code : {0, 21, 25, 99})
            QCOMPARE(m_view->getShipTypeIndex(code), -1);
        QCOMPARE(m_view->getShipTypeCode(21), 20);
        QVERIFY(m_view->getShipTypeText(21).isEmpty());
    }

    void textsBeforeTranslation()
    {
        QCOMPARE(m_view->msgText().connectCheckTip, QStringLiteral("ConnectCheckTip"));
        QCOMPARE(m_view->msgText().deviceConfirmText, QStringLiteral("DeviceConfirm"));
        QCOMPARE(m_view->msgText().titleText, QStringLiteral("AIS Configuration Tool"));
        QCOMPARE(m_ui.lblBorderTitleName->text(), m_view->msgText().titleText);
        QCOMPARE(m_ui.btnEnableLog->text(), QStringLiteral("Stop Log"));
        QCOMPARE(m_ui.lblHomeWiFiWaiting->text(), m_view->msgText().determiningModule);
        QCOMPARE(m_view->msgText().switchToClientConfirm,
                 QStringLiteral("You are about to switch to [Client] mode.\nDo you want to continue?"));
    }

    void listsOnceAfterSecondTextUpdate()
    {
        m_view->updateUiObjText();
        QCOMPARE(m_ui.cbbxCfgVesselType->count(), 21);
        QCOMPARE(m_ui.cbbxCfgGpsUpdateRate->count(), 11);
        QCOMPARE(m_ui.cbbxCfgNMEADevInst->count(), 256);
        QCOMPARE(m_ui.cbbxCfgDscMonitoring->count(), 2);
        QCOMPARE(m_ui.cbbxCfgAlrSentence->count(), 2);
        QCOMPARE(m_ui.cbbxCfgGpsMode->count(), 2);
        QCOMPARE(m_ui.cbbxWifiCfgChannel->count(), 12);
    }

    // The window controls stand at the left edge, the empty block at the right one.
    void titleBarOrder()
    {
        QLayout* layout = m_ui.wgFormBorder->layout();
        QCOMPARE(layout->itemAt(0)->widget(), m_ui.wgWinCtrlClose);
        QCOMPARE(layout->itemAt(3)->widget(), m_ui.wgThemeFunHelp);
        QVERIFY(layout->itemAt(4)->spacerItem());
        QCOMPARE(layout->itemAt(6)->widget(), m_ui.lblBorderTitleName);
        QCOMPARE(layout->itemAt(layout->count() - 1)->widget(), m_ui.wgFormBorderEmpty);
        QCOMPARE(layout->count(), 9);
    }

    void placeholdersReplaced()
    {
        QVERIFY(m_ui.cbbxConntSerialPort->isHidden());
        QCOMPARE(m_view->serialPortComboBox().parentWidget(), m_ui.wgComm);
        QVERIFY(m_ui.loConntSerialPort->indexOf(&m_view->serialPortComboBox()) >= 0);
        QVERIFY(m_ui.btnWiFiEnableSwitchTemp->isHidden());
        QVERIFY(m_ui.loWiFiEnableSwitch->indexOf(m_view->wifiEnableSwitch()) >= 0);
        QVERIFY(m_ui.loSatelliteSNR->indexOf(&m_view->snrHistogram()) >= 0);
        QCOMPARE(m_ui.gpvwSatelliteMap->scene(), m_view->satelliteMap());
        QCOMPARE(m_ui.gpvwHomeSatelliteMap->scene(), m_view->homeSatelliteMap());
        QVERIFY(m_ui.btnCommConnt->isCheckable());
        QCOMPARE(m_view->wifiModeButtonGroup().buttons().size(), 2);
    }

    // The Home dashboard stands outside the hidden tab widget until another page is chosen.
    void homeDashboard()
    {
        QCOMPARE(m_ui.wgMainHome->parentWidget(), m_ui.wgMainContent);
        QVERIFY(!m_ui.wgMainContent->isHidden());
        QVERIFY(m_ui.tbwgMain->isHidden());
        QVERIFY(m_ui.wgMainMenu->isHidden());
        m_view->switchHomeMenuDisp(false);
        QVERIFY(m_ui.wgMainContent->isHidden());
        QVERIFY(!m_ui.tbwgMain->isHidden());
        QVERIFY(!m_ui.wgMainMenu->isHidden());
        m_view->switchHomeMenuDisp(true);
        QVERIFY(!m_ui.wgMainContent->isHidden());
        QVERIFY(m_ui.tbwgMain->isHidden());
    }

    void advancedSettings_data()
    {
        QTest::addColumn<bool>("show");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("button");
        QTest::newRow("UNIT-K-42 shown") << true << int(MACHINE_UNIT_K_42) << 9 << "Hide...";
        QTest::newRow("Q-375 shown") << true << int(MACHINE_Q_375) << 12 << "Hide...";
        QTest::newRow("Q-375 hidden") << false << int(MACHINE_Q_375) << 0 << "More...";
        QTest::newRow("unknown shown") << true << int(MACHINE_UNKNOWN) << 9 << "Hide...";
    }

    void advancedSettings()
    {
        QFETCH(bool, show);
        QFETCH(int, model);
        QFETCH(int, shown);
        QFETCH(QString, button);
        m_view->updateAisAdvConfigDisp(!show, MACHINE_Q_375);
        m_view->updateAisAdvConfigDisp(show, MACHINE_TYPE(model));
        const QList<QWidget*> section = {
            m_ui.lblCfgTransceiver,   m_ui.lblCfgDscMonitoring, m_ui.cbbxCfgDscMonitoring, m_ui.lblCfgGpsUpdateRate,
            m_ui.cbbxCfgGpsUpdateRate, m_ui.lblCfgGpsMode,      m_ui.cbbxCfgGpsMode,       m_ui.lblCfgAlrSentence,
            m_ui.cbbxCfgAlrSentence,  m_ui.lblCfgNMEADevInst,   m_ui.cbbxCfgNMEADevInst,   m_ui.chbxCfgMsg27};
        int visible = 0;
        for (QWidget* widget : section)
            visible += widget->isHidden() ? 0 : 1;
        QCOMPARE(visible, shown);
        QCOMPARE(m_ui.btnCfgAdvancedConfDisp->text(), button);
        // The text update keeps the button in step with the section.
        m_view->updateUiObjText();
        QCOMPARE(m_ui.btnCfgAdvancedConfDisp->text(), button);
    }

    void pagesAsSetUp()
    {
        QVERIFY(m_ui.lblDiagVSWR->isHidden());
        QVERIFY(m_ui.imgDiagCheckAisAnte->isHidden());
        QVERIFY(m_ui.wgMsgRecord->isHidden());
        QVERIFY(m_ui.txbwSerialRx->isReadOnly());
        QVERIFY(!m_ui.txbwSerialRx->isEnabled());
        QVERIFY(m_ui.wgWiFiCfgClientList->isHidden());
        QVERIFY(m_ui.wgWiFiCfgWaiting->isHidden());
        QCOMPARE(m_ui.pgbWiFiCfg->maximum(), 0);
        QVERIFY(m_ui.tbvwWiFiCfgClient->horizontalHeader()->isHidden());
        QVERIFY(!m_ui.tbvwOtherVessels->horizontalHeader()->isHidden());
        QVERIFY(!m_ui.tbvwHomeOtherVessels->horizontalHeader()->isHidden());
        // The address fields read as typed: no mask pads their groups.
        QVERIFY(m_ui.edtWifiCfgIPAddress->inputMask().isEmpty());
        QVERIFY(m_ui.edtWifiCfgSubnetMask->inputMask().isEmpty());
    }
};

QTEST_MAIN(TestMainWindowView)
#include "tst_mainwindowview.moc"
