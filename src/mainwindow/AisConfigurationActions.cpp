#include "mainwindow/AisConfiguration.h"

#include "codec/records/ShipTable.h"
#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"
#include "model/tables/CTargetExchangeSet.h"
#include "support/Singleton.h"
#include "support/SysConfig.h"
#include "support/SysDebug.h"
#include "ui_AisConfiguration.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <utility>

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

// Upper case in place; the cursor stays where the user left it.
void setUpperCaseText(QLineEdit* field, const QString& text)
{
    const QString upper = text.toUpper();
    if (upper == field->text())
        return;
    const int cursor = field->cursorPosition();
    field->setText(upper);
    field->setCursorPosition(cursor);
}

} // namespace

void AisConfiguration::configureActionConnections()
{
    connect(m_ui->btnWinCtrlClose, &QAbstractButton::clicked, this, &AisConfiguration::onClose);
    connect(m_ui->btnWinCtrlMin, &QAbstractButton::clicked, this, &AisConfiguration::onMinimized);
    connect(m_ui->btnThemeFunHelp, &QAbstractButton::clicked, this, &AisConfiguration::onHelpClick);
    connect(m_commSpaces, &CCommSpaces::signalCommDataDeleted, this, &AisConfiguration::onConntDeleted);
    connect(m_commSpaces, &CCommSpaces::signalCommOpenFailed, this, &AisConfiguration::onConntOpenFailed);
    connect(m_ui->edtCfgShipName, &QLineEdit::textEdited, this, &AisConfiguration::onShipNameToUpper);
    connect(m_ui->edtCfgCallSign, &QLineEdit::textEdited, this, &AisConfiguration::onCallSignToUpper);
    connect(m_ui->btnMmsiHelp, &QAbstractButton::clicked, this, &AisConfiguration::onMmsiHelpClick);
    connect(m_ui->btnCfgAdvancedConfDisp, &QAbstractButton::clicked, this, &AisConfiguration::onCfgAdvConfigChanged);
    connect(m_ui->btnDiagRefresh, &QAbstractButton::clicked, this, &AisConfiguration::onRefreshDiagnostics);
    connect(m_ui->btnEnableLog, &QAbstractButton::clicked, this, &AisConfiguration::onEnableLogSwitch);
    connect(m_ui->btnClearLog, &QAbstractButton::clicked, this, &AisConfiguration::onClearLog);
    connect(m_ui->btnSaveToFile, &QAbstractButton::clicked, this, &AisConfiguration::onSaveLog);
    connect(m_ui->btnSendCommand, &QAbstractButton::clicked, this, &AisConfiguration::onSendCommand);
}

void AisConfiguration::onConntDeleted()
{
    Log()->dbgPrintf(DBG_INFO, "onConntDeleted", 0, "%s", "Communication was disconnected");
    m_ui->btnCommConnt->setChecked(false);
    onCommConntStatusChange();
    m_ui->btnCommConnt->setEnabled(true);
    // The log buffer stays for saving.
    m_logViewFeeder.clear();
    m_ui->txbwSerialRx->clear();

    CDeviceComm& device = m_commSpaces->getDeviceComm();
    device.initDevConfigInfo();
    m_otherVessels->updateExchangeSet(device.getSensorInfo());
    ShipInitial();
    device.getWiFiConfig().reset();
    m_apExchangeSet.updateExchangeSet(device.getWiFiConfig());
    updateHomePageDisp(false);
    // A job cut off by the loss must not leave its panel holding Connect back.
    m_view->enableWiFiWaitingDisp(false);
    enableConfigDisp();
    m_detectionWatch.reset();
    if (!m_linkEndNote.isEmpty()) {
        const SMsgTextResource& text = m_view->msgText();
        showMsgBox(MSG_BOX_WARNING, text.warning, std::exchange(m_linkEndNote, QString()), QMessageBox::Ok,
                   QMessageBox::Ok);
    }
    reportProgramLinkLost();
}

void AisConfiguration::onConntOpenFailed(const QString& port, const QString& reason)
{
    // Reported just before the link is deleted; said once the window has gone back.
    m_linkEndNote = m_view->msgText().portOpenFail.arg(port, reason);
}

void AisConfiguration::onClose()
{
    // The waiting panel counts while the job shows it, whichever page is in front.
    const WiFiScope::WIFI_SYS_MODE mode = m_commSpaces->getDeviceComm().getWiFiConfig().getSystemMode();
    const bool wifiBusy = mode == WiFiScope::WIFI_SYS_MODE_CONFIG || !m_ui->wgWiFiCfgWaiting->isHidden();
    if (!wifiBusy) {
        close();
        return;
    }
    const SMsgTextResource& text = m_view->msgText();
    showMsgBox(MSG_BOX_INFORMATION, text.information, text.settingInProgress, QMessageBox::Ok, 0);
}

void AisConfiguration::onMinimized()
{
    showMinimized();
}

void AisConfiguration::onHelpClick()
{
    const QString folder = Pattern::Singleton<SysConfig>::Instance()->GetAppPath() + QStringLiteral("Help/");
    const QString path = QStringLiteral("%1%2").arg(folder, QStringLiteral("Manual_EN.pdf"));
    // A missing manual or viewer is not reported.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void AisConfiguration::onShipNameToUpper(const QString& text)
{
    setUpperCaseText(m_ui->edtCfgShipName, text);
}

void AisConfiguration::onCallSignToUpper(const QString& text)
{
    setUpperCaseText(m_ui->edtCfgCallSign, text);
}

void AisConfiguration::onMmsiHelpClick()
{
    const SMsgTextResource& text = m_view->msgText();
    QMessageBox::information(this, text.mmsiTitle, text.mmsiHelpText, QMessageBox::Ok, QMessageBox::Ok);
}

void AisConfiguration::onCfgAdvConfigChanged()
{
    // Hidden by the page's own state, not by the page being out of sight.
    const bool show = m_ui->lblCfgTransceiver->isHidden();
    m_view->updateAisAdvConfigDisp(show, m_commSpaces->getDeviceComm().getSentenceHandle().getMachineType());
}

void AisConfiguration::onRefreshDiagnostics()
{
    Log()->dbgPrintf(DBG_CONTROL, "onRefreshDiagnostics", 0, "%s", "Diagnostics refresh clicked");
    m_commSpaces->getDeviceComm().initDevDiagnoseInfo();
    updateDiagnosticsDisp();
    (void)enableDebugPortView(QUERY_CLOSING_NUMBER, false);
}

void AisConfiguration::showMsgBox(MSG_BOX_S kind, const QString& title, const QString& text, int buttons,
                                  int defaultButton)
{
    if (!m_view)
        return;
    m_msgBoxShower->showMsgBox(this, kind, title, text, buttons, defaultButton);
}
