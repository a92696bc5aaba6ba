#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "device/DeviceProgramPlan.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/CSixBitValidator.h"
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

// A setting by the page's name for it.
QString settingName(const Ui::AisConfiguration& ui, MACHINE_TYPE model, const DeviceProgram::SSetting& setting)
{
    const auto dimension = [](const QLabel* label) {
        return AisConfiguration::tr("Antenna position %1").arg(label->text());
    };
    switch (setting.setting) {
    case DeviceProgram::SETTING_SHIP_NAME:
        return ui.lblCfgShipName->text();
    case DeviceProgram::SETTING_CALL_SIGN:
        return ui.lblCfgCallSign->text();
    case DeviceProgram::SETTING_MMSI:
        return ui.lblCfgMmsi->text();
    case DeviceProgram::SETTING_SHIP_TYPE:
        return ui.lblCfgVesselType->text();
    case DeviceProgram::SETTING_DIM_A:
        return dimension(ui.lblCfgVslDimA);
    case DeviceProgram::SETTING_DIM_B:
        return dimension(ui.lblCfgVslDimB);
    case DeviceProgram::SETTING_DIM_C:
        return dimension(ui.lblCfgVslDimC);
    case DeviceProgram::SETTING_DIM_D:
        return dimension(ui.lblCfgVslDimD);
    case DeviceProgram::SETTING_DSC_MONITOR:
        return ui.lblCfgDscMonitoring->text();
    case DeviceProgram::SETTING_GPS_UPDATE_RATE:
        return ui.lblCfgGpsUpdateRate->text();
    case DeviceProgram::SETTING_GPS_DYN_MODEL:
        return ui.lblCfgGpsMode->text();
    case DeviceProgram::SETTING_ALR:
        return ui.lblCfgAlrSentence->text();
    case DeviceProgram::SETTING_PORT_BAUD:
        return baudRowLabel(ui, model, setting.baudField)->text();
    case DeviceProgram::SETTING_NMEA2000_INSTANCE:
        return ui.lblCfgNMEADevInst->text();
    case DeviceProgram::SETTING_MSG27:
        return ui.chbxCfgMsg27->text();
    }
    return QString();
}

QString quotedNames(const Ui::AisConfiguration& ui, MACHINE_TYPE model,
                    const std::vector<DeviceProgram::SSetting>& settings)
{
    QStringList names;
    for (const DeviceProgram::SSetting& setting : settings)
        names << AisConfiguration::tr("“%1”").arg(settingName(ui, model, setting));
    return names.join(QStringLiteral(", "));
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
    case DeviceProgram::REFUSAL_TOO_LONG: {
        std::vector<DeviceProgram::SSetting> texts;
        for (const DeviceProgram::SETTING setting : check.escapedTexts)
            texts.push_back({setting});
        return AisConfiguration::tr("Nothing was sent: with its characters , ! $ * \\ ^ ~ written as ^ and two "
                                    "digits, %1 would make a sentence longer than %2 characters. Use fewer "
                                    "of them.")
            .arg(texts.empty() ? AisConfiguration::tr("the settings") : quotedNames(ui, model, texts))
            .arg(DeviceProgram::MaxSentenceLength);
    }
    }
    return QString();
}

// Empty when both texts fit what the device stores.
QString unfitText(const Ui::AisConfiguration& ui, const QLineEdit* field)
{
    if (!field)
        return QString();
    const QLabel* label = field == ui.edtCfgShipName ? ui.lblCfgShipName : ui.lblCfgCallSign;
    return AisConfiguration::tr("“%1” takes at most %2 characters of the AIS character set: capital letters, "
                                "digits, space and the signs of that set.")
        .arg(label->text())
        .arg(field->findChild<const CSixBitValidator*>()->limit());
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
    QString refusal = unfitText(*m_ui, m_view->unfitTextField());
    if (refusal.isEmpty())
        refusal = refusalText(*m_ui, m_view->msgText(), model, DeviceProgram::check(model, shown, local));
    if (!refusal.isEmpty()) {
        QMessageBox::information(this, title, refusal, QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (QMessageBox::question(this, title, m_view->msgText().deviceConfirmText, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes)
        != QMessageBox::Yes)
        return;

    // A sentence that is not queued does not stop the series: the link is gone then.
    bool linkHeld = true;
    for (const std::string& line : DeviceProgram::plan(model, shown, local))
        linkHeld = queueSentence(line) && linkHeld;

    const SProgramReadBack readBack{model, shown, local, handle.dumpEnds()};
    // The page keeps what was written until the device's replies are taken over again.
    shown.assign(&local);
    linkHeld = enableDebugPortView(QUERY_CLOSING_NUMBER, false) && linkHeld;
    m_programReadBack = readBack;
    if (!linkHeld)
        reportProgramLinkLost();
}

void AisConfiguration::reportProgramReadBack()
{
    if (!m_programReadBack)
        return;
    const SProgramReadBack readBack = *m_programReadBack;
    m_programReadBack.reset();
    CAisSentenceHandle& handle = m_commSpaces->getDeviceComm().getSentenceHandle();
    QString outcome;
    MSG_BOX_S kind = MSG_BOX_WARNING;
    if (handle.dumpEnds() == readBack.dumpEnds) {
        outcome = tr("The device did not answer the read-back: it may not have taken the settings.");
    } else {
        const std::vector<DeviceProgram::SSetting> untaken =
            DeviceProgram::untaken(readBack.model, readBack.shown, readBack.written, handle.getShownConfig());
        outcome = untaken.empty() ? tr("The device took the settings.")
                                  : tr("The device did not take these settings:") + QLatin1Char(' ')
                                        + quotedNames(*m_ui, readBack.model, untaken);
        if (untaken.empty())
            kind = MSG_BOX_INFORMATION;
    }
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_INFO, "reportProgramReadBack", 0, "%s",
                                                         outcome.toUtf8().constData());
    showMsgBox(kind, tr("Configuration"), outcome, QMessageBox::Ok, QMessageBox::Ok);
}

void AisConfiguration::reportProgramLinkLost()
{
    if (!m_programReadBack)
        return;
    m_programReadBack.reset();
    const QString text =
        tr("The link to the device was lost while programming: it may not have taken the settings.");
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, "onCfgProgramDev", 0, "%s",
                                                         text.toUtf8().constData());
    showMsgBox(MSG_BOX_WARNING, tr("Configuration"), text, QMessageBox::Ok, QMessageBox::Ok);
}
