#include "ui_AisConfiguration.h"

#include <QtTest>

namespace {

struct SFormObject
{
    const char* name;
    const char* className;
};

// Every widget and layout that the window's form names, with its class.
const SFormObject FormObjects[] = {
    {"centralWidget", "QWidget"},
    {"verticalLayout", "QVBoxLayout"},
    {"wgFormBorder", "QWidget"},
    {"wgMain", "QWidget"},
    {"horizontalLayout_25", "QHBoxLayout"},
    {"wgFormBorderEmpty", "QWidget"},
    {"btnBorderTitleLogo", "QToolButton"},
    {"lblBorderTitleName", "QLabel"},
    {"wgThemeFunHelp", "QWidget"},
    {"btnThemeFunHelp", "QToolButton"},
    {"wgThemeFunAbout", "QWidget"},
    {"btnThemeFunAbout", "QToolButton"},
    {"wgWinCtrlMin", "QWidget"},
    {"btnWinCtrlMin", "QToolButton"},
    {"wgWinCtrlClose", "QWidget"},
    {"btnWinCtrlClose", "QToolButton"},
    {"gridLayout_22", "QGridLayout"},
    {"gridLayout_28", "QGridLayout"},
    {"wgComm", "QWidget"},
    {"wgMainMenu", "QWidget"},
    {"tbwgMain", "QTabWidget"},
    {"wgMainContent", "QWidget"},
    {"horizontalLayout_26", "QHBoxLayout"},
    {"lblConntSerialPort", "QLabel"},
    {"loConntSerialPort", "QHBoxLayout"},
    {"cbbxConntSerialPort", "QComboBox"},
    {"btnCommConnt", "QPushButton"},
    {"lblConntStatus", "QLabel"},
    {"horizontalLayout_3", "QHBoxLayout"},
    {"btnMMHome", "QToolButton"},
    {"btnMMConfiguration", "QToolButton"},
    {"btnMMGPSStatus", "QToolButton"},
    {"btnMMDiagnostics", "QToolButton"},
    {"btnMMOtherVessels", "QToolButton"},
    {"btnMMSerialData", "QToolButton"},
    {"btnMMWiFi", "QToolButton"},
    {"tabMainHome", "QWidget"},
    {"tabMainConfiguration", "QWidget"},
    {"tabMainGPSStatus", "QWidget"},
    {"tabMainDiagnostics", "QWidget"},
    {"tabMainOtherVessels", "QWidget"},
    {"tabMainSerialData", "QWidget"},
    {"tabMainWiFi", "QWidget"},
    {"gridLayout_2", "QGridLayout"},
    {"wgMainHome", "QWidget"},
    {"gridLayout_8", "QGridLayout"},
    {"gridLayout_3", "QGridLayout"},
    {"wgHomeConfiguration", "QWidget"},
    {"btnHomeConfiguration", "QPushButton"},
    {"wgHomeConfigurationTitle", "QWidget"},
    {"wgHomeConfigurationSet", "QWidget"},
    {"gridLayout_4", "QGridLayout"},
    {"wgHomeDiagnostics", "QWidget"},
    {"btnHomeDiagnostics", "QPushButton"},
    {"wgHomeDiagnosticsTitle", "QWidget"},
    {"wgHomeDiagnosticsSet", "QWidget"},
    {"gridLayout_5", "QGridLayout"},
    {"wgHomeGPSStatus", "QWidget"},
    {"btnHomeSatelliteStatus", "QPushButton"},
    {"wgHomeGPSStatusTitle", "QWidget"},
    {"wgHomeGPSStatusMap", "QWidget"},
    {"gridLayout_26", "QGridLayout"},
    {"wgHomeOtherVessels", "QWidget"},
    {"btnHomeOtherVessels", "QPushButton"},
    {"wgHomeSerialDataTitle", "QWidget"},
    {"wgHomeSerialDataSet", "QWidget"},
    {"verticalLayout_2", "QVBoxLayout"},
    {"wgHomeWiFi", "QWidget"},
    {"btnHomeWiFi", "QPushButton"},
    {"wgHomeWiFiTitle", "QWidget"},
    {"lblHomeWiFiWaiting", "QLabel"},
    {"wgHomeWiFiSet", "QWidget"},
    {"gridLayout_31", "QGridLayout"},
    {"lblHomeShipNameTitle", "QLabel"},
    {"lblHomeShipName", "QLabel"},
    {"lblHomeCallSignTitle", "QLabel"},
    {"lblHomeCallSign", "QLabel"},
    {"wgHomeMmsi", "QWidget"},
    {"lblHomeMmsiTitle", "QLabel"},
    {"lblHomeMmsi", "QLabel"},
    {"lblHomeVslTypeTitle", "QLabel"},
    {"lblHomeVesselType", "QLabel"},
    {"lblHomeConfigurationMore", "QLabel"},
    {"lblHomeProductSN", "QLabel"},
    {"lblHomeProductSNValue", "QLabel"},
    {"lblHomeProductFV", "QLabel"},
    {"lblHomeProductFVValue", "QLabel"},
    {"lblHomeVSWR", "QLabel"},
    {"lblHomeVSWRValue", "QLabel"},
    {"lblHomeDiagnosticsMore", "QLabel"},
    {"gpvwHomeSatelliteMap", "QGraphicsView"},
    {"lblHomeGPSStatusMore", "QLabel"},
    {"tbvwHomeOtherVessels", "QTableView"},
    {"lblHomeOtherVesselsMore", "QLabel"},
    {"lblHomeWiFiTitleStatus", "QLabel"},
    {"lblHomeWiFiModeValue", "QLabel"},
    {"space", "QWidget"},
    {"lblHomeWiFiFirmwareVerTitle", "QLabel"},
    {"lblHomeWiFiFirmwareVerValue", "QLabel"},
    {"wgHomeWiFISetMore", "QWidget"},
    {"verticalLayout_22", "QVBoxLayout"},
    {"lblHomeWiFiSetMore", "QLabel"},
    {"gridLayout_6", "QGridLayout"},
    {"wgConfiguration", "QWidget"},
    {"gridLayout_17", "QGridLayout"},
    {"wgCfgVesselDetail", "QWidget"},
    {"lblCfgVesselDetailTitle", "QLabel"},
    {"wgCfgVslDetailTitle", "QWidget"},
    {"wgCfgVesselDetailSet", "QWidget"},
    {"gridLayout_7", "QGridLayout"},
    {"wgCfgShipDim", "QWidget"},
    {"lblCFShipDimTitle", "QLabel"},
    {"wgCfgShipDimTitle", "QWidget"},
    {"wgCfgVslDim", "QWidget"},
    {"gridLayout_25", "QGridLayout"},
    {"wgCfgNmeaBaundRate", "QWidget"},
    {"lblCfgNmeaBaundRateTitle", "QLabel"},
    {"wgCfgNmeaBaudRateTitle", "QWidget"},
    {"wgCfgNmeaBaundRateSet", "QWidget"},
    {"gridLayout_9", "QGridLayout"},
    {"wgCfgAdvConfig", "QWidget"},
    {"wgCfgAdvConfigTitle", "QWidget"},
    {"lblCfgAdvancedConfTitle", "QLabel"},
    {"loCfgAdvConfig", "QGridLayout"},
    {"btnCfgAdvancedConfDisp", "QPushButton"},
    {"wgCfgTransceiver", "QWidget"},
    {"gridLayout_10", "QGridLayout"},
    {"wgCfgProgramDev", "QWidget"},
    {"lblCfgShipName", "QLabel"},
    {"edtCfgShipName", "QLineEdit"},
    {"lblCfgCallSign", "QLabel"},
    {"edtCfgCallSign", "QLineEdit"},
    {"wgMmsi", "QWidget"},
    {"edtCfgMmsi", "QLineEdit"},
    {"lblCfgMmsi", "QLabel"},
    {"loCfgMmsi", "QVBoxLayout"},
    {"horizontalLayout_13", "QHBoxLayout"},
    {"btnMmsiHelp", "QToolButton"},
    {"lblCfgVesselType", "QLabel"},
    {"cbbxCfgVesselType", "QComboBox"},
    {"imgCfgVslDim", "QLabel"},
    {"wgCfgVslDimValue", "QWidget"},
    {"gridLayout_23", "QGridLayout"},
    {"lblCfgVslDimA", "QLabel"},
    {"spbxCfgVslDimA", "QSpinBox"},
    {"lblCfgVslDimAUnit", "QLabel"},
    {"lblCfgVslDimB", "QLabel"},
    {"spbxCfgVslDimB", "QSpinBox"},
    {"lblCfgVslDimBUnit", "QLabel"},
    {"lblCfgVslDimC", "QLabel"},
    {"spbxCfgVslDimC", "QSpinBox"},
    {"lblCfgVslDimCUnit", "QLabel"},
    {"lblCfgVslDimD", "QLabel"},
    {"spbxCfgVslDimD", "QSpinBox"},
    {"lblCfgVslDimDUnit", "QLabel"},
    {"lblCfgNmea1Input", "QLabel"},
    {"cbbxCfgNmea1Input", "QComboBox"},
    {"lblCfgNmea1Output", "QLabel"},
    {"cbbxCfgNmea1Output", "QComboBox"},
    {"lblCfgNmea2Input", "QLabel"},
    {"cbbxCfgNmea2Input", "QComboBox"},
    {"lblCfgNmea2Output", "QLabel"},
    {"cbbxCfgNmea2Output", "QComboBox"},
    {"lblCfgTransceiver", "QLabel"},
    {"lblCfgDscMonitoring", "QLabel"},
    {"cbbxCfgDscMonitoring", "QComboBox"},
    {"lblCfgGpsUpdateRate", "QLabel"},
    {"cbbxCfgGpsUpdateRate", "QComboBox"},
    {"lblCfgGpsMode", "QLabel"},
    {"cbbxCfgGpsMode", "QComboBox"},
    {"lblCfgAlrSentence", "QLabel"},
    {"cbbxCfgAlrSentence", "QComboBox"},
    {"lblCfgNMEADevInst", "QLabel"},
    {"cbbxCfgNMEADevInst", "QComboBox"},
    {"chbxCfgMsg27", "QCheckBox"},
    {"btnCfgProgramDev", "QPushButton"},
    {"gridLayout_11", "QGridLayout"},
    {"wgGPSStatus", "QWidget"},
    {"gridLayout_24", "QGridLayout"},
    {"wgSatelliteInfo", "QWidget"},
    {"wgSatelliteInfo1", "QWidget"},
    {"wgSatelliteInfo2", "QWidget"},
    {"wgSatelliteChart", "QWidget"},
    {"gridLayout_13", "QGridLayout"},
    {"loSatelliteMap", "QHBoxLayout"},
    {"gpvwSatelliteMap", "QGraphicsView"},
    {"wgSatelliteState", "QWidget"},
    {"wgSatelliteSNR", "QWidget"},
    {"loSatelliteSNR", "QHBoxLayout"},
    {"imgSatelliteInView", "QLabel"},
    {"lblSatelliteInView", "QLabel"},
    {"gridLayout_12", "QGridLayout"},
    {"imgSatelliteInUse", "QLabel"},
    {"lblSatelliteInUse", "QLabel"},
    {"lblSatelliteFixTitle", "QLabel"},
    {"lblSatelliteFixText", "QLabel"},
    {"lblSatelliteUtcTitle", "QLabel"},
    {"lblSatelliteUtcText", "QLabel"},
    {"lblSatelliteLatTitle", "QLabel"},
    {"lblSatelliteLatText", "QLabel"},
    {"lblSatelliteLonTitle", "QLabel"},
    {"lblSatelliteLonText", "QLabel"},
    {"lblSatelliteCogTitle", "QLabel"},
    {"lblSatelliteCogText", "QLabel"},
    {"lblSatelliteSogTitle", "QLabel"},
    {"lblSatelliteSogText", "QLabel"},
    {"lblSatelliteHdopTitle", "QLabel"},
    {"lblSatelliteHdopText", "QLabel"},
    {"horizontalLayout_27", "QHBoxLayout"},
    {"wgDiagnostics", "QWidget"},
    {"horizontalLayout_2", "QHBoxLayout"},
    {"wgDiagDeviceCheck", "QWidget"},
    {"wgDiagStatus", "QWidget"},
    {"lblDiagStatusTitle", "QLabel"},
    {"wgDiagStatusTitle", "QWidget"},
    {"wgDiagStatusType", "QWidget"},
    {"gridLayout_21", "QGridLayout"},
    {"wgDiagDevice", "QWidget"},
    {"lblDiagInterDataTitle", "QLabel"},
    {"wgDiagInterDataTitle", "QWidget"},
    {"wgDiagInterData", "QWidget"},
    {"gridLayout_14", "QGridLayout"},
    {"wgDiagDiagnosis", "QWidget"},
    {"gridLayout_16", "QGridLayout"},
    {"wgDiagDiagnosisCheck", "QWidget"},
    {"gridLayout_19", "QGridLayout"},
    {"wgDiagSysCheckTitle", "QWidget"},
    {"lblDiagSysCheckTitle", "QLabel"},
    {"wgDiagSystemCheck", "QWidget"},
    {"wgDiagStatisticsTitle", "QWidget"},
    {"lblDiagRxTxStatisticsTitle", "QLabel"},
    {"wgDiagRxTxStatistics", "QWidget"},
    {"wgDiagDiagnosisReset", "QWidget"},
    {"lblDiagStatusPowerOk", "QLabel"},
    {"imgDiagStatusPowerOk", "QLabel"},
    {"lblDiagStatusTxTimeout", "QLabel"},
    {"imgDiagStatusTxTimeout", "QLabel"},
    {"lblDiagStatusError", "QLabel"},
    {"imgDiagStatusError", "QLabel"},
    {"lblDiagStatusSilentMode", "QLabel"},
    {"imgDiagStatusSilentMode", "QLabel"},
    {"lblDiagProductSN", "QLabel"},
    {"lblDiagProductSNValue", "QLabel"},
    {"lblDiagProductFV", "QLabel"},
    {"lblDiagProductFVValue", "QLabel"},
    {"lblDiagVSWR", "QLabel"},
    {"lblDiagVSWRValue", "QLabel"},
    {"lblDiagCheckMmsi", "QLabel"},
    {"imgDiagCheckMmsi", "QLabel"},
    {"gridLayout_20", "QGridLayout"},
    {"lblDiagCheckExtPwr", "QLabel"},
    {"imgDiagCheckExtPwr", "QLabel"},
    {"lblDiagCheckAisAnte", "QLabel"},
    {"imgDiagCheckAisAnte", "QLabel"},
    {"lblDiagCheckGpsFix", "QLabel"},
    {"imgDiagCheckGpsFix", "QLabel"},
    {"lblDiagCheckAisRxPos", "QLabel"},
    {"imgDiagCheckAisRxPos", "QLabel"},
    {"lblDiagCheckAisTxPos", "QLabel"},
    {"imgDiagCheckAisTxPos", "QLabel"},
    {"lblDiagRxChA", "QLabel"},
    {"lblDiagRxChAValue", "QLabel"},
    {"gridLayout_15", "QGridLayout"},
    {"lblDiagRxChB", "QLabel"},
    {"lblDiagRxChBValue", "QLabel"},
    {"lblDiagTxChA", "QLabel"},
    {"lblDiagTxChAValue", "QLabel"},
    {"lblDiagTxChB", "QLabel"},
    {"lblDiagTxChBValue", "QLabel"},
    {"btnDiagRefresh", "QPushButton"},
    {"gridLayout_38", "QGridLayout"},
    {"wgOtherVessels", "QWidget"},
    {"gridLayout_37", "QGridLayout"},
    {"tbvwOtherVessels", "QTableView"},
    {"gridLayout", "QGridLayout"},
    {"wgSerialData", "QWidget"},
    {"verticalLayout_4", "QVBoxLayout"},
    {"wgMsgRecord", "QWidget"},
    {"lblMsgRecordTitle", "QLabel"},
    {"edtMsgRecordPath", "QLineEdit"},
    {"btnMsgRecordBrowse", "QPushButton"},
    {"loMsgRecord", "QHBoxLayout"},
    {"wgSerialRx", "QWidget"},
    {"wgSerialRxControl", "QWidget"},
    {"btnEnableLog", "QPushButton"},
    {"loEnableLog", "QHBoxLayout"},
    {"btnClearLog", "QPushButton"},
    {"btnSaveToFile", "QPushButton"},
    {"txbwSerialRx", "QTextBrowser"},
    {"wgSendCommand", "QWidget"},
    {"lblEnterCommand", "QLabel"},
    {"edtSendCommand", "QLineEdit"},
    {"btnSendCommand", "QPushButton"},
    {"gridLayout_30", "QGridLayout"},
    {"wgWiFi", "QWidget"},
    {"gridLayout_29", "QGridLayout"},
    {"wgWiFiMode", "QWidget"},
    {"wgWifiConfiguration", "QWidget"},
    {"gridLayout_40", "QGridLayout"},
    {"wgWiFiAdvConfig", "QWidget"},
    {"gridLayout_41", "QGridLayout"},
    {"wgWiFiCfgWaiting", "QWidget"},
    {"gridLayout_35", "QGridLayout"},
    {"wgWiFiModeTitle", "QWidget"},
    {"lblWiFiModeTitle", "QLabel"},
    {"wgWiFiModeConfiguration", "QWidget"},
    {"gridLayout_27", "QGridLayout"},
    {"wgWiFiModeAccessPoint", "QWidget"},
    {"rdbWiFiAccessPoint", "QRadioButton"},
    {"wgWiFiModeImgAP", "QWidget"},
    {"wgWiFiModeClient", "QWidget"},
    {"rdbWiFiClient", "QRadioButton"},
    {"wgWiFiModeImgClient", "QWidget"},
    {"wgWiFiCfgTitle", "QWidget"},
    {"lblWiFiCfgTitle", "QLabel"},
    {"wgWiFiStatus", "QWidget"},
    {"gridLayout_36", "QGridLayout"},
    {"lblWiFiStatusSSIDTitle", "QLabel"},
    {"lblWiFiStatusSSIDValue", "QLabel"},
    {"wgWiFiStatusSSID", "QWidget"},
    {"lblWiFiIStatusPAddrTitle", "QLabel"},
    {"lblWiFiStatusIPAddrValue", "QLabel"},
    {"wgWiFiStatusIPAddr", "QWidget"},
    {"lblWiFiStatusVersionTitle", "QLabel"},
    {"lblWiFiStatusVersionValue", "QLabel"},
    {"wgWiFiStatusVersion", "QWidget"},
    {"wgCfgWifiSetting", "QWidget"},
    {"gridLayout_34", "QGridLayout"},
    {"lblWiFiCfgSSID", "QLabel"},
    {"edtWifiCfgSSID", "QLineEdit"},
    {"lblWiFiCfgPassword", "QLabel"},
    {"wgCfgWiFiPassword", "QWidget"},
    {"edtWiFiCfgPassword", "QLineEdit"},
    {"chbxWiFiCfgPasswordNone", "QCheckBox"},
    {"lblWiFiCfgChannel", "QLabel"},
    {"cbbxWifiCfgChannel", "QComboBox"},
    {"lblWiFiCfgIPAddress", "QLabel"},
    {"edtWifiCfgIPAddress", "QLineEdit"},
    {"lblWiFiCfgSubnetMask", "QLabel"},
    {"edtWifiCfgSubnetMask", "QLineEdit"},
    {"lblWiFiCfgPort", "QLabel"},
    {"edtWiFiCfgPort", "QLineEdit"},
    {"wgWiFiCfgBtn", "QWidget"},
    {"btnWiFiCfgApply", "QPushButton"},
    {"gridLayout_33", "QGridLayout"},
    {"wgWiFiCfgClientList", "QWidget"},
    {"gridLayout_32", "QGridLayout"},
    {"tbvwWiFiCfgClient", "QTableView"},
    {"wgWiFiCfgClientBtn", "QWidget"},
    {"btnWiFiCfgClientRefresh", "QPushButton"},
    {"wgWiFiAdvConfigTitle", "QWidget"},
    {"lblWiFiAdvConfigTitle", "QLabel"},
    {"loWiFiAdvConfig", "QGridLayout"},
    {"btnWiFiAdvConfigDisp", "QPushButton"},
    {"wgWiFiAdvConfigModeEnable", "QWidget"},
    {"lblWiFiEnableTitle", "QLabel"},
    {"loWiFiEnableSwitch", "QHBoxLayout"},
    {"btnWiFiEnableSwitchTemp", "QPushButton"},
    {"wgWiFiAdvConfigSet", "QWidget"},
    {"lblWiFiFactoryResetTitle", "QLabel"},
    {"btnWiFiFactoryReset", "QPushButton"},
    {"wgWiFiCfgEmpty", "QWidget"},
    {"lblWiFiWaiting", "QLabel"},
    {"pgbWiFiCfg", "QProgressBar"},
};

} // namespace

// The generated form on a bare main window, as the window's set-up first builds it.
class TestMainWindowForm : public QObject
{
    Q_OBJECT

private:
    QMainWindow m_window;
    Ui::AisConfiguration m_ui;

private slots:
    void initTestCase() { m_ui.setupUi(&m_window); }

    void objects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        for (const SFormObject& object : FormObjects)
            QTest::newRow(object.name) << QString::fromLatin1(object.name) << QString::fromLatin1(object.className);
    }

    void objects()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        const QList<QObject*> found = m_window.findChildren<QObject*>(name);
        QCOMPARE(found.size(), 1);
        QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    }

    // The window's own size comes later; right after the set-up it is the form's.
    void windowAndPages()
    {
        QCOMPARE(m_window.objectName(), QStringLiteral("AisConfiguration"));
        QCOMPARE(m_window.size(), QSize(1000, 949));
        QCOMPARE(m_window.windowTitle(), QStringLiteral("AisConfiguration"));
        QTabWidget* tabs = m_ui.tbwgMain;
        QCOMPARE(tabs->tabPosition(), QTabWidget::West);
        QCOMPARE(tabs->currentIndex(), 0);
        const QList<QWidget*> pages = {m_ui.tabMainHome,         m_ui.tabMainConfiguration, m_ui.tabMainGPSStatus,
                                       m_ui.tabMainDiagnostics,  m_ui.tabMainOtherVessels,  m_ui.tabMainSerialData,
                                       m_ui.tabMainWiFi};
        const QStringList titles = {"Home",          "Configuration", "GPS Status", "Diagnostics",
                                    "Other Vessels", "Serial Data",   "WiFi"};
        QCOMPARE(tabs->count(), pages.size());
        for (int i = 0; i < pages.size(); ++i) {
            QCOMPARE(tabs->indexOf(pages[i]), i);
            QCOMPARE(tabs->tabText(i), titles[i]);
        }
        QCOMPARE(m_ui.pgbWiFiCfg->value(), 24);
        for (QTableView* table : {m_ui.tbvwHomeOtherVessels, m_ui.tbvwOtherVessels}) {
            QVERIFY(table->horizontalHeader()->isHidden());
            QVERIFY(table->verticalHeader()->isHidden());
        }
    }

    void fixedSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("minimum");
        QTest::addColumn<QSize>("maximum");
        const int any = QWIDGETSIZE_MAX;
        QTest::newRow("frame bar") << "wgFormBorder" << QSize(0, 35) << QSize(any, 35);
        QTest::newRow("empty block") << "wgFormBorderEmpty" << QSize(158, 0) << QSize(158, any);
        QTest::newRow("close") << "btnWinCtrlClose" << QSize(35, 26) << QSize(35, 26);
        QTest::newRow("port list") << "cbbxConntSerialPort" << QSize(450, 25) << QSize(450, 25);
        QTest::newRow("home menu") << "btnMMHome" << QSize(50, 35) << QSize(50, 35);
        QTest::newRow("wi-fi menu") << "btnMMWiFi" << QSize(120, 35) << QSize(any, 35);
        QTest::newRow("ship name") << "edtCfgShipName" << QSize(250, 30) << QSize(250, 30);
        QTest::newRow("dimension picture") << "imgCfgVslDim" << QSize(270, 150) << QSize(270, 150);
        QTest::newRow("sky view") << "gpvwSatelliteMap" << QSize(280, 280) << QSize(280, 280);
        QTest::newRow("other vessels") << "wgOtherVessels" << QSize(255, 0) << QSize(any, any);
        // Minimum first, then a smaller maximum: Qt keeps both as set.
        QTest::newRow("apply") << "btnWiFiCfgApply" << QSize(200, 30) << QSize(100, 30);
        QTest::newRow("progress") << "pgbWiFiCfg" << QSize(500, 25) << QSize(500, 25);
    }

    void fixedSizes()
    {
        QFETCH(QString, name);
        QFETCH(QSize, minimum);
        QFETCH(QSize, maximum);
        auto* widget = m_window.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->minimumSize(), minimum);
        QCOMPARE(widget->maximumSize(), maximum);
    }

    void emptyTexts()
    {
        for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
                 m_ui.btnThemeFunHelp, m_ui.btnThemeFunAbout, m_ui.btnWinCtrlMin, m_ui.btnWinCtrlClose, m_ui.btnMmsiHelp})
            QVERIFY2(button->text().isEmpty(), qPrintable(button->objectName()));
        QCOMPARE(m_ui.lblHomeWiFiFirmwareVerTitle->text(), QStringLiteral("Wi-Fi  Module Firmware Version: "));
        QCOMPARE(m_ui.lblHomeVSWR->text(), QStringLiteral("Votage Standing Wave Radio (VSWR)"));
    }

    // The translation step fills the channel list; running it again must not add to it.
    void channelListAfterRetranslate()
    {
        QStringList expected{"Auto Select"};
        for (int channel = 1; channel <= 11; ++channel)
            expected << QString::number(channel);
        for (int run = 0; run < 2; ++run) {
            if (run == 1)
                m_ui.retranslateUi(&m_window);
            QStringList items;
            for (int i = 0; i < m_ui.cbbxWifiCfgChannel->count(); ++i)
                items << m_ui.cbbxWifiCfgChannel->itemText(i);
            QCOMPARE(items, expected);
        }
    }
};

QTEST_MAIN(TestMainWindowForm)
#include "tst_mainwindowform.moc"
