#include "mainwindow/CAisConfigurationView.h"

#include "ui_AisConfiguration.h"

#include <QObject>

namespace {

struct SShipType
{
    int code;
    const char* text;
};

// ITU-R M.1371 ship types: the first code of the groups 20, 40, 60, 70 and 80, and the
// special craft of the groups 30 and 50 that a Class B station may be.
const SShipType ShipTypes[CAisConfigurationView::ShipTypeCount] = {
    {20, QT_TRANSLATE_NOOP("QObject", "20 = WIG")},
    {30, QT_TRANSLATE_NOOP("QObject", "30 = Vessel-Fishing")},
    {31, QT_TRANSLATE_NOOP("QObject", "31 = Vessel-Towing")},
    {32, QT_TRANSLATE_NOOP("QObject", "32 = Vessel-Tow>200m,breadth>25m")},
    {33, QT_TRANSLATE_NOOP("QObject", "33 = Vessel-Dredge,Underwater OP")},
    {34, QT_TRANSLATE_NOOP("QObject", "34 = Vessel-Diving OP")},
    {35, QT_TRANSLATE_NOOP("QObject", "35 = Vessel-Military OP")},
    {36, QT_TRANSLATE_NOOP("QObject", "36 = Vessel-Sailing")},
    {37, QT_TRANSLATE_NOOP("QObject", "37 = Vessel-Pleasure craft")},
    {40, QT_TRANSLATE_NOOP("QObject", "40 = HSC")},
    {50, QT_TRANSLATE_NOOP("QObject", "50 = Pilot vessel")},
    {51, QT_TRANSLATE_NOOP("QObject", "51 = Search & rescue vessel")},
    {52, QT_TRANSLATE_NOOP("QObject", "52 = Tug")},
    {53, QT_TRANSLATE_NOOP("QObject", "53 = Port tender")},
    {54, QT_TRANSLATE_NOOP("QObject", "54 = Anti-pollution vessel")},
    {55, QT_TRANSLATE_NOOP("QObject", "55 = Law enforcement vessel")},
    {58, QT_TRANSLATE_NOOP("QObject", "58 = Medical transport")},
    {59, QT_TRANSLATE_NOOP("QObject", "59 = Resolution 18(Mob-83)")},
    {60, QT_TRANSLATE_NOOP("QObject", "60 = Passenger ship")},
    {70, QT_TRANSLATE_NOOP("QObject", "70 = Cargo ship")},
    {80, QT_TRANSLATE_NOOP("QObject", "80 = Tanker")},
};

QString tr(const char* key)
{
    return QObject::tr(key);
}

} // namespace

void CAisConfigurationView::buildMsgTextResource()
{
    SMsgTextResource& text = m_msgText;
    text.information = tr("Information");
    text.warning = tr("Warning");
    text.wifiModeName[0] = tr("Access Point");
    text.wifiModeName[1] = tr("Client");
    text.wifiModeName[2] = QString();
    text.autoSelect = tr("Auto Select");
    text.ssidEmpty = tr("The wireless network must have a name(SSID).");
    text.passwordFormat = tr("Invalid password format.\n");
    text.passwordLength = tr("Invalid password format. Password between 8 and 63 alpha-numeric characters is allowed.");
    text.invalidChannel = tr("Invalid channel.");
    text.invalidIpAddress = tr("Invalid IP address.");
    text.invalidSubnetMask = tr("Invalid subnet mask.");
    text.invalidPort = tr("Invalid port value.\nThe port range is from 0 to 65535.");
    text.invalidWiFi = tr("InValid Wi-Fi");
    text.applyingWait = tr("Applying Wi-Fi setting.\nPlease wait a moment.");
    text.applyingWaitMinute = tr("Applying Wi-Fi setting.\nPlease wait around 1 minute.");
    text.wifiConfigTitle = tr("Wi-Fi Configuration");
    text.inputPasswordTitle = tr("Input Wi-Fi password");
    text.inputPasswordPrompt = tr("Please input %1 password");
    text.connectFail = tr("Connect fail.\nPlease try again!");
    text.factoryResetTitle = tr("Wi-Fi Factory Reset");
    text.factoryResetConfirm = tr("Factory Wi-Fi setting will be applied restored.\nDO you want to continue?");
    text.continueQuestion = tr("Do you want to continue?");
    text.switchToClientConfirm = tr("You are about to switch to [Client] mode.\n") + text.continueQuestion;
    text.switchToApConfirm = tr("You are about to switch to [Access Point] mode.\n") + text.continueQuestion;
    text.enableConfirm = tr("Wi-Fi function will be enabled.\n") + text.continueQuestion;
    text.disableConfirm = tr("Wi-Fi function will be disabled.\n") + text.continueQuestion;
    text.powerSupplyNote =
        tr("Make sure your AIS device is supplied with a 12/24V DC power for performing Wi-Fi configuration.");
    text.determiningModule =
        tr("Determining the Wi-Fi module. Please confirm AIS device is connected to a power supply.");
    text.settingInProgress = tr("Wi-Fi setting is in progress!\nPlease wait a moment.");
    text.settingFail = tr("WiFi setting fail!\nPlease try again.");
    text.wifiServiceTitle = tr("Wi-Fi Service");
    text.programModuleText = tr("Program Wi-Fi Module");
    text.logNotSaved = tr("The serial data was not saved to %1:\n%2");
    text.portOpenFail = tr("The port %1 could not be opened:\n%2");
    text.deviceNoAnswer = tr("The device did not answer as expected: %1.\nPlease check the device and connect again.");
    text.versionUnread = tr("its version reply could not be read");
    text.dumpNoEnd = tr("its system data did not end");
}

void CAisConfigurationView::buildShipTypeResource()
{
    for (int i = 0; i < ShipTypeCount; ++i) {
        m_shipTypeText[i] = tr(ShipTypes[i].text);
        m_shipTypeCode[i] = ShipTypes[i].code;
    }
}

int CAisConfigurationView::getShipTypeIndex(int code) const
{
    for (int i = 0; i < ShipTypeCount; ++i) {
        if (m_shipTypeCode[i] == code)
            return i;
    }
    return -1;
}

int CAisConfigurationView::getShipTypeCode(int index) const
{
    return index >= 0 && index < ShipTypeCount ? m_shipTypeCode[index] : m_shipTypeCode[0];
}

const QString& CAisConfigurationView::getShipTypeText(int index) const
{
    static const QString none;
    return index >= 0 && index < ShipTypeCount ? m_shipTypeText[index] : none;
}

// Runs again whenever the translation changes: every list is cleared before it is filled.
void CAisConfigurationView::updateUiObjText()
{
    SMsgTextResource& text = m_msgText;
    text.titleText = QStringLiteral("AIS Configuration Tool");
    text.connectCheckTip = tr("ConnectCheckTip");
    text.connectText = tr("Connect");
    text.disconnectText = tr("Disconnect");
    text.disconnectTip = tr("DisconnectTip");
    text.inUseSuffix = tr(" - IN USE");
    text.homeMoreText = tr("More...");
    text.invalidShipNameTip = tr("InvalidShipNameTip");
    text.invalidCallSignTip = tr("InvalidCallSignTip");
    text.mmsiTitle = tr("Maritime Mobile Service Identity (MMSI)");
    text.mmsiHelpText = tr("MMSI - A unique nine digit number that identifies a particular ship or shore station.\n\n"
                           "The MMSI can be programmed only once. Please contact your dealer if you are unsure of "
                           "your MMSI number.");
    text.invalidMmsiTip = tr("InvalidMMSITip");
    text.deviceConfirmText = tr("DeviceConfirm");

    m_ui->btnBorderTitleLogo->setText(QString());
    updateBorderTitleDisp();
    m_ui->lblConntStatus->setText(text.disconnectTip);
    m_ui->btnMMHome->setText(QString());

    for (QLabel* more : {m_ui->lblHomeConfigurationMore, m_ui->lblHomeGPSStatusMore, m_ui->lblHomeDiagnosticsMore,
                         m_ui->lblHomeOtherVesselsMore, m_ui->lblHomeWiFiSetMore})
        more->setText(text.homeMoreText);
    m_ui->lblHomeWiFiWaiting->setText(m_msgText.determiningModule);
    m_ui->imgCfgVslDim->setText(QString());

    buildShipTypeResource();
    m_ui->cbbxCfgVesselType->clear();
    for (const QString& shipType : m_shipTypeText)
        m_ui->cbbxCfgVesselType->addItem(shipType);

    text.advMoreText = tr("More...");
    text.advHideText = tr("Hide...");
    m_ui->btnCfgAdvancedConfDisp->setText(m_ui->lblCfgTransceiver->isHidden() ? text.advMoreText : text.advHideText);

    updateConfigurationListText();

    text.startLogText = tr("Start Log");
    text.stopLogText = tr("Stop Log");
    m_ui->btnEnableLog->setText(text.stopLogText);

    updateWiFiText();
}

void CAisConfigurationView::updateConfigurationListText()
{
    m_msgText.onText = tr("ON");
    m_msgText.offText = tr("OFF");
    for (QComboBox* onOff : {m_ui->cbbxCfgDscMonitoring, m_ui->cbbxCfgAlrSentence}) {
        onOff->clear();
        onOff->addItems({m_msgText.offText, m_msgText.onText});
    }

    QStringList rates{m_msgText.offText};
    for (int seconds = 1; seconds <= 10; ++seconds)
        rates << QStringLiteral("%1s").arg(seconds);
    m_ui->cbbxCfgGpsUpdateRate->clear();
    m_ui->cbbxCfgGpsUpdateRate->addItems(rates);

    m_ui->cbbxCfgGpsMode->clear();
    m_ui->cbbxCfgGpsMode->addItems({tr("Altitude higher than 500m"), tr("At sea level")});

    QStringList instances;
    for (int instance = 0; instance <= 255; ++instance)
        instances << QString::number(instance);
    m_ui->cbbxCfgNMEADevInst->clear();
    m_ui->cbbxCfgNMEADevInst->addItems(instances);
}

void CAisConfigurationView::updateWiFiText()
{
    m_ui->lblWiFiEnableTitle->setText(m_msgText.wifiServiceTitle);
    m_ui->btnWiFiCfgApply->setText(m_msgText.programModuleText);
    m_ui->lblWiFiWaiting->setText(m_msgText.applyingWait);

    QStringList channels{m_msgText.autoSelect};
    for (int channel = 1; channel <= 11; ++channel)
        channels << QString::number(channel);
    m_ui->cbbxWifiCfgChannel->clear();
    m_ui->cbbxWifiCfgChannel->addItems(channels);

    m_ui->btnWiFiAdvConfigDisp->setText(m_ui->lblWiFiFactoryResetTitle->isHidden() ? m_msgText.advMoreText
                                                                                    : m_msgText.advHideText);
}
