#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/wifi/ClientAPChoice.h"

#include <QMessageBox>

using namespace WiFiScope;

void AisConfiguration::initWiFiJobs()
{
    m_wifiHost = std::make_unique<CWindowWiFiHost>(*this, m_apExchangeSet);
    m_wifiEngine = std::make_unique<CWiFiJobEngine>(m_commSpaces->getDeviceComm().getWiFiConfig(), *m_wifiHost);
}

void AisConfiguration::wifiMainProc(WIFI_MAIN_PROC_S state)
{
    m_wifiEngine->wifiMainProc(state);
}

void AisConfiguration::postWiFiJob(WIFI_CFG_TYPE type)
{
    m_wifiEngine->startJob(type);
}

void AisConfiguration::startWiFiAutoScan()
{
    CWiFiConfig& wifi = m_commSpaces->getDeviceComm().getWiFiConfig();
    const SCmdProcData module = wifi.snapshot();
    if (wifi.autoScanStarted || !module.wlanEnabled || module.opMode != WIFI_OP_MODE_CLIENT)
        return;
    wifi.autoScanStarted = true;
    postWiFiJob(WIFI_CFG_CLIENT_SCAN);
    m_view->enableWiFiWaitingDisp(true);
}

bool AisConfiguration::checkInputRule()
{
    const SMsgTextResource& text = m_view->msgText();
    const QString* fault = nullptr;
    switch (WiFiForm::checkInputRule(m_view->getWiFiFormInput())) {
    case WiFiForm::WIFI_FORM_OK:
        return true;
    case WiFiForm::WIFI_FORM_NO_SSID:
        fault = &text.ssidEmpty;
        break;
    case WiFiForm::WIFI_FORM_NO_PASSWORD:
        fault = &text.passwordFormat;
        break;
    case WiFiForm::WIFI_FORM_PASSWORD_LENGTH:
        fault = &text.passwordLength;
        break;
    case WiFiForm::WIFI_FORM_CHANNEL:
        fault = &text.invalidChannel;
        break;
    case WiFiForm::WIFI_FORM_IP_ADDRESS:
        fault = &text.invalidIpAddress;
        break;
    case WiFiForm::WIFI_FORM_SUBNET_MASK:
        fault = &text.invalidSubnetMask;
        break;
    case WiFiForm::WIFI_FORM_PORT:
        fault = &text.invalidPort;
        break;
    }
    if (fault)
        showMsgBox(MSG_BOX_INFORMATION, text.wifiConfigTitle, *fault, QMessageBox::Ok, QMessageBox::NoButton);
    return false;
}

bool AisConfiguration::getClientAPListData(const QModelIndex& index, SJoinRequest* out)
{
    const SCmdProcData wifi = m_commSpaces->getDeviceComm().getWiFiConfig().snapshot();
    if (WiFiForm::getClientAPListData(index, m_apExchangeSet, wifi.apList, out))
        return true;
    const SMsgTextResource& text = m_view->msgText();
    showMsgBox(MSG_BOX_INFORMATION, text.information, text.invalidWiFi, QMessageBox::Ok, QMessageBox::NoButton);
    return false;
}
