#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"
#include "ui_AisConfiguration.h"

#include <QMessageBox>
#include <cstdint>
#include <vector>

namespace {

constexpr uint32_t MmsiMin = 200000000;
constexpr uint32_t MmsiMax = 799999999;
constexpr unsigned short QueryClosingNumber = 16;
// The device's code for each position of the page's baud lists (38400, 9600, 4800).
constexpr int DeviceBaudCode[] = {2, 5, 6};

// One port rate of the settings series: its identifier, the record field and the row that
// names the port on the page.
struct SBaudSetting
{
    int id;
    int32_t CSensorConfig::*field;
    QLabel* Ui::AisConfiguration::*label;
};

const std::vector<SBaudSetting>& baudSettings(MACHINE_TYPE model)
{
    static const std::vector<SBaudSetting> unitK42 = {
        {42, &CSensorConfig::nmea1OutBaud, &Ui::AisConfiguration::lblCfgNmea1Output},
        {40, &CSensorConfig::nmea1InBaud, &Ui::AisConfiguration::lblCfgNmea1Input},
        {39, &CSensorConfig::nmea2OutBaud, &Ui::AisConfiguration::lblCfgNmea2Output},
        {38, &CSensorConfig::nmea2InBaud, &Ui::AisConfiguration::lblCfgNmea2Input},
    };
    // One rate per port, shown in the first two rows.
    static const std::vector<SBaudSetting> q375 = {
        {40, &CSensorConfig::nmea1InBaud, &Ui::AisConfiguration::lblCfgNmea1Input},
        {41, &CSensorConfig::nmea2InBaud, &Ui::AisConfiguration::lblCfgNmea1Output},
    };
    static const std::vector<SBaudSetting> none;
    return model == MACHINE_UNIT_K_42 ? unitK42 : model == MACHINE_Q_375 ? q375 : none;
}

// -1 for a rate that the device has no code for.
int deviceBaudCode(int32_t baudRate)
{
    const int position = CAisConfigurationView::getBuadRateIndex(baudRate);
    return position < 0 ? -1 : DeviceBaudCode[position];
}

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

} // namespace

void AisConfiguration::onCfgProgramDev()
{
    Log()->dbgPrintf(DBG_CONTROL, "onCfgProgramDev", 0, "ProgramDev clicked");
    CAisSentenceHandle& handle = m_commSpaces->getDeviceComm().getSentenceHandle();
    if (handle.getDevDetectState() != DEV_STATE_CONFIG_SHOWN || !m_ui->btnCommConnt->isChecked())
        return;

    const MACHINE_TYPE model = handle.getMachineType();
    CSensorConfig& shown = handle.getShownConfig();
    CSensorConfig local;
    local.assign(&shown);
    m_view->getConfigData(&local, model);

    QString refusal;
    if (shown.shipName[0] != '\0' && local.shipName[0] == '\0')
        refusal = m_view->m_invalidShipNameTip;
    else if (shown.callSign[0] != '\0' && local.callSign[0] == '\0')
        refusal = m_view->m_invalidCallSignTip;
    else if (shown.mmsi == 0 && local.mmsi != 0 && (local.mmsi < MmsiMin || local.mmsi > MmsiMax))
        refusal = m_view->m_invalidMmsiTip;
    for (const SBaudSetting& setting : baudSettings(model)) {
        // A rate the list does not offer has no device code to send.
        if (refusal.isEmpty() && deviceBaudCode(local.*setting.field) < 0)
            refusal = tr("Choose a baud rate for “%1”").arg((m_ui->*setting.label)->text());
    }
    const QString title = tr("Configuration");
    if (!refusal.isEmpty()) {
        QMessageBox::information(this, title, refusal, QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (QMessageBox::question(this, title, m_view->m_deviceConfirmText, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes)
        != QMessageBox::Yes)
        return;

    // A sentence that is not queued does not stop the series.
    sendECSSDSentToCommPort(local.shipName, local.callSign, local.dimA, local.dimB, local.dimC, local.dimD);
    if (shown.mmsi == 0 && local.mmsi != 0)
        sendPQLXMidSentToCommPort(int(local.mmsi));
    sendECVSDSentToCommPort(local.shipType);
    const int gpsRate = local.gpsUpdateRate;
    DBG_CMD_PARAM general;
    general.param[0] = 101;
    general.param[1] = local.dscMonitor[0] == '1' ? 1 : 0;
    general.param[2] = 50;
    general.param[3] = gpsRate == 0 ? 1 : 0;
    general.param[4] = 51;
    general.param[5] = gpsRate;
    general.param[6] = 703;
    general.param[7] = local.gpsDynModel;
    sendPDBGSentToCommPort(&general);

    DBG_CMD_PARAM bauds;
    const std::vector<SBaudSetting>& settings = baudSettings(model);
    for (size_t i = 0; i < settings.size(); ++i) {
        bauds.param[2 * i] = settings[i].id;
        bauds.param[2 * i + 1] = deviceBaudCode(local.*settings[i].field);
    }
    const int alrValue = local.alrOutput == 0 ? 1 : 0;
    if (model == MACHINE_UNIT_K_42) {
        constexpr int AlrItem = 108;
        sendPQLXCfgSentToCommPort(true, AlrItem, CFG_SUB_ALR_UNIT_K_42, alrValue);
        sendPDBGSentToCommPort(&bauds);
    } else if (model == MACHINE_Q_375) {
        constexpr int AlrItem = 31;
        constexpr int PortsItem = 183;
        constexpr int Msg27ChannelA = 109;
        constexpr int Msg27ChannelB = 110;
        sendPQLXCfgSentToCommPort(true, AlrItem, CFG_SUB_ALR_Q_375, alrValue);
        sendPQLXDbgSentToCommPort(true, &bauds, int(settings.size()));
        sendPQLXCfgSentToCommPort(true, PortsItem, CFG_SUB_NMEA2000_INSTANCE, local.nmea2000Instance);
        sendAIEPVSentToCommPort(int(local.mmsi), Msg27ChannelA, local.lrChannel1);
        sendAIEPVSentToCommPort(int(local.mmsi), Msg27ChannelB, local.lrChannel2);
    }

    // The page keeps what was written until the device's replies are taken over again.
    shown.assign(&local);
    enableDebugPortView(QueryClosingNumber, false);
}
