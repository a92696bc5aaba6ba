#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "device/DeviceProgramPlan.h"
#include "mainwindow/CAisConfigurationView.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"
#include "ui_AisConfiguration.h"

#include <QMessageBox>

namespace {

// The row of the page that shows a port rate of the model.
const QLabel* baudRowLabel(const Ui::AisConfiguration& ui, MACHINE_TYPE model, int32_t CSensorConfig::*field)
{
    if (field == &CSensorConfig::nmea1InBaud)
        return ui.lblCfgNmea1Input;
    // The Q-375's second port sits in the first port's output row.
    if (field == &CSensorConfig::nmea2InBaud)
        return model == MACHINE_Q_375 ? ui.lblCfgNmea1Output : ui.lblCfgNmea2Input;
    if (field == &CSensorConfig::nmea1OutBaud)
        return ui.lblCfgNmea1Output;
    return ui.lblCfgNmea2Output;
}

// Empty when nothing is refused.
QString refusalText(const Ui::AisConfiguration& ui, const SMsgTextResource& text, MACHINE_TYPE model,
                    const DeviceProgram::SCheck& check)
{
    switch (check.refusal) {
    case DeviceProgram::REFUSAL_NONE:
        break;
    case DeviceProgram::REFUSAL_SHIP_NAME_BLANK:
        return text.invalidShipNameTip;
    case DeviceProgram::REFUSAL_CALL_SIGN_BLANK:
        return text.invalidCallSignTip;
    case DeviceProgram::REFUSAL_MMSI_RANGE:
        return text.invalidMmsiTip;
    case DeviceProgram::REFUSAL_BAUD_RATE:
        return AisConfiguration::tr("Choose a baud rate for “%1”")
            .arg(baudRowLabel(ui, model, check.baudField)->text());
    }
    return QString();
}

} // namespace

void AisConfiguration::onCfgProgramDev()
{
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_CONTROL, "onCfgProgramDev", 0, "ProgramDev clicked");
    CAisSentenceHandle& handle = m_commSpaces->getDeviceComm().getSentenceHandle();
    if (handle.getDevDetectState() != DEV_STATE_CONFIG_SHOWN || !m_ui->btnCommConnt->isChecked())
        return;

    const MACHINE_TYPE model = handle.getMachineType();
    CSensorConfig& shown = handle.getShownConfig();
    CSensorConfig local;
    local.assign(&shown);
    m_view->getConfigData(&local, model);

    const QString title = tr("Configuration");
    const QString refusal =
        refusalText(*m_ui, m_view->msgText(), model, DeviceProgram::check(model, shown, local));
    if (!refusal.isEmpty()) {
        QMessageBox::information(this, title, refusal, QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (QMessageBox::question(this, title, m_view->msgText().deviceConfirmText, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes)
        != QMessageBox::Yes)
        return;

    // A sentence that is not queued does not stop the series.
    for (const std::string& line : DeviceProgram::plan(model, shown, local))
        (void)queueSentence(line);

    // The page keeps what was written until the device's replies are taken over again.
    shown.assign(&local);
    (void)enableDebugPortView(QUERY_CLOSING_NUMBER, false);
}
