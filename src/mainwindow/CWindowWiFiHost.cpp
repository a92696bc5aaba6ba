#include "mainwindow/CWindowWiFiHost.h"

#include "device/CCommSpacesManage.h"
#include "device/CWiFiAPExchangeSet.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "ui_AisConfiguration.h"
#include "widgets/WgSelectorSwitch.h"

#include <QMessageBox>

using namespace WiFiScope;

CWindowWiFiHost::CWindowWiFiHost(AisConfiguration& window, CWiFiAPExchangeSet& apTable)
    : m_window(window)
    , m_apTable(apTable)
{
}

CDeviceComm& CWindowWiFiHost::device() const
{
    return m_window.commSpaces()->getDeviceComm();
}

int CWindowWiFiHost::devDetectState() const
{
    return device().getSentenceHandle().getDevDetectState();
}

// As the window has taken the configuration over, not as the device last reported it.
bool CWindowWiFiHost::hasWiFiModule() const
{
    return device().getSentenceHandle().getShownConfig().wifiModule;
}

void CWindowWiFiHost::sendCmdToSwitchWiFiMode(WIFI_SYS_MODE mode)
{
    m_window.commSpaces()->sendCmdToSwitchWiFiMode(mode);
}

void CWindowWiFiHost::leaveWiFiCfgMode()
{
    m_window.leaveWiFiCfgMode();
}

void CWindowWiFiHost::sendWiFiBasicInfoQueryCmd()
{
    m_window.commSpaces()->sendWiFiBasicInfoQueryCmd();
}

void CWindowWiFiHost::sendWiFiCfgCmd(const SAPData* settings)
{
    device().sendWiFiCfgCmd(settings);
}

void CWindowWiFiHost::sendWiFiModeCtrlCmd(bool enable, WIFI_OPERATION_MODE mode)
{
    device().sendWiFiModeCtrlCmd(enable, mode);
}

void CWindowWiFiHost::sendWiFiClientScanCmd()
{
    device().sendWiFiClientScanCmd();
}

void CWindowWiFiHost::sendWiFiClientAPCntCmd(const SJoinRequest* target)
{
    device().sendWiFiClientAPCntCmd(target);
}

void CWindowWiFiHost::sendWiFiClientAPCntStatusCmd()
{
    device().sendWiFiClientAPCntStatusCmd();
}

void CWindowWiFiHost::sendWiFiFactoryRstCmd()
{
    device().sendWiFiFactoryRstCmd();
}

void CWindowWiFiHost::resetLinkTx()
{
    device().resetLinkTx();
}

void CWindowWiFiHost::switchSysMode(WIFI_SYS_MODE mode)
{
    device().switchSysMode(mode);
}

void CWindowWiFiHost::enableWiFiWaitingDisp(bool on)
{
    m_window.view()->enableWiFiWaitingDisp(on);
}

void CWindowWiFiHost::updateWiFiPGBWaitingMsg(int timeoutCount)
{
    m_window.view()->updateWiFiPGBWaitingMsg(timeoutCount);
}

void CWindowWiFiHost::updateWiFiPagesDisp()
{
    m_window.updateHomePageDisp(false);
    m_window.view()->updateWiFiDisp();
}

void CWindowWiFiHost::updateAPListDisp()
{
    m_apTable.updateExchangeSet(device().getWiFiConfig());
}

void CWindowWiFiHost::getWiFiAPData(SAPData* out)
{
    m_window.view()->getWiFiAPData(out);
}

bool CWindowWiFiHost::isWiFiSwitchOn() const
{
    return m_window.view()->wifiEnableSwitch()->isActive();
}

int CWindowWiFiHost::chosenOpMode() const
{
    if (m_window.form()->rdbWiFiAccessPoint->isChecked())
        return WIFI_OP_MODE_ACCESS_POINT;
    if (m_window.form()->rdbWiFiClient->isChecked())
        return WIFI_OP_MODE_CLIENT;
    return -1;
}

void CWindowWiFiHost::showMsgBox(MSG_BOX_S kind, const QString& title, const QString& text)
{
    m_window.showMsgBox(kind, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

const SMsgTextResource& CWindowWiFiHost::msgText() const
{
    return m_window.view()->msgText();
}

int64_t CWindowWiFiHost::seconds() const
{
    return m_window.secondsSource().now();
}
