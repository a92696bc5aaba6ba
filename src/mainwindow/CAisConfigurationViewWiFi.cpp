#include "mainwindow/CAisConfigurationView.h"

#include "device/CWiFiConfig.h"
#include "device/WiFiTypes.h"
#include "mainwindow/DeviceValueText.h"
#include "mainwindow/wifi/WiFiAPForm.h"
#include "resources/LibraryColor.h"
#include "style/ObjPalette.h"
#include "support/Singleton.h"
#include "ui_AisConfiguration.h"
#include "widgets/WgSelectorSwitch.h"

#include <cstring>
#include <initializer_list>

using namespace WiFiScope;

namespace {

constexpr int ChannelItems = 12;

// A record text may fill its array without a terminator.
template <size_t N>
QString recordText(const char (&field)[N])
{
    return QString::fromUtf8(field, int(strnlen(field, N)));
}

uint32_t themeColor(int entry)
{
    const CColor colour = Pattern::Singleton<LibraryColor>::Instance()->entry(entry);
    return colour.hex(colour.brillMode());
}

} // namespace

void CAisConfigurationView::updateWiFiDisp()
{
    const SCmdProcData wifi = m_wifi.snapshot();
    const SAPData& ap = wifi.apSettings;
    updateWiFiSettingDisp(wifi.wlanEnabled, wifi.opMode);
    updateWiFiAdvConfigDisp(!wifi.wlanEnabled);

    // The address field holds the address alone; the port has a field of its own.
    const bool accessPoint = wifi.opMode == WIFI_OP_MODE_ACCESS_POINT;
    const bool linked = !accessPoint && isClientAPConnected(wifi);
    const QString ip = accessPoint ? recordText(ap.ip) : linked ? QString::fromStdString(wifi.sysIp) : QString();
    QString address = ip;
    if (accessPoint)
        address += QStringLiteral(" : ") + QString::number(ap.port);
    else if (!linked)
        address = DeviceValueText::notAvailable();

    const QString channel = ap.channel == 0 ? m_msgText.autoSelect : QString::number(ap.channel);
    for (int item = 0; item < ChannelItems && item < m_ui->cbbxWifiCfgChannel->count(); ++item) {
        if (m_ui->cbbxWifiCfgChannel->itemText(item) == channel)
            m_ui->cbbxWifiCfgChannel->setCurrentIndex(item);
    }

    const QString security = recordText(ap.security);
    QString password = recordText(ap.password);
    const bool noPassword = security == QLatin1String("NONE") || password.isEmpty();
    if (noPassword)
        password.clear();
    m_ui->chbxWiFiCfgPasswordNone->setChecked(noPassword);
    m_ui->edtWiFiCfgPassword->setDisabled(noPassword);

    const QString ssid = recordText(ap.ssid);
    m_ui->lblWiFiStatusSSIDValue->setText(ssid);
    m_ui->lblWiFiStatusIPAddrValue->setText(address);
    m_ui->lblWiFiStatusVersionValue->setText(recordText(wifi.version));
    m_ui->edtWifiCfgSSID->setText(ssid);
    m_ui->edtWifiCfgIPAddress->setText(ip);
    m_ui->edtWifiCfgSubnetMask->setText(recordText(ap.mask));
    m_ui->edtWiFiCfgPort->setText(QString::number(ap.port));
    m_ui->edtWiFiCfgPassword->setText(password);
}

void CAisConfigurationView::updateWiFiSettingDisp(bool enabled, int opMode)
{
    m_wifiEnableSwitch->setActive(enabled);
    m_ui->wgWiFiModeConfiguration->setEnabled(enabled);
    m_ui->wgWifiConfiguration->setEnabled(enabled);

    const bool accessPoint = opMode == WIFI_OP_MODE_ACCESS_POINT;
    m_ui->wgWiFiStatusSSID->setVisible(accessPoint);
    m_ui->wgCfgWifiSetting->setVisible(accessPoint);
    m_ui->wgWiFiCfgClientList->setVisible(!accessPoint);
    m_ui->rdbWiFiAccessPoint->setChecked(accessPoint);
    m_ui->rdbWiFiClient->setChecked(!accessPoint);

    ObjPalette::setWiFiModeWgsStyle(m_ui->wgWiFiModeAccessPoint, LibraryImage::WIFI_MODE_AP, accessPoint, enabled);
    ObjPalette::setWiFiModeWgsStyle(m_ui->wgWiFiModeClient, LibraryImage::WIFI_MODE_CLIENT, !accessPoint, enabled);
}

void CAisConfigurationView::updateWiFiAdvConfigDisp(bool show)
{
    m_ui->btnWiFiAdvConfigDisp->setText(show ? m_msgText.advHideText : m_msgText.advMoreText);
    ObjPalette::setLabelColor(m_ui->lblWiFiEnableTitle, themeColor(m_wifi.snapshot().wlanEnabled ? 32 : 0));
    for (QWidget* widget : std::initializer_list<QWidget*>{m_ui->lblWiFiFactoryResetTitle, m_ui->btnWiFiFactoryReset,
                                                           m_ui->wgWiFiAdvConfigModeEnable})
        widget->setVisible(show);
}

bool CAisConfigurationView::isClientAPConnected(const SCmdProcData& wifi)
{
    for (const SClientAPInfoStruct& group : wifi.apList) {
        if (group.connectedIndex >= 0)
            return true;
    }
    return false;
}

void CAisConfigurationView::updateWiFiPGBWaitingMsg(int timeoutCount)
{
    m_ui->lblWiFiWaiting->setText(timeoutCount > 0 ? m_msgText.applyingWaitMinute : m_msgText.applyingWait);
}

void CAisConfigurationView::enableWiFiWaitingDisp(bool on)
{
    m_ui->wgWiFiCfgWaiting->setVisible(on);
    m_ui->btnCommConnt->setDisabled(on);
    for (QWidget* section : std::initializer_list<QWidget*>{m_ui->wgWiFiMode, m_ui->wgWiFiStatus,
                                                            m_ui->wgWifiConfiguration, m_ui->wgWiFiAdvConfig})
        section->setVisible(!on);
    m_ui->btnMMConfiguration->setDisabled(on);
}

WiFiForm::SWiFiFormInput CAisConfigurationView::getWiFiFormInput() const
{
    WiFiForm::SWiFiFormInput form;
    form.ssid = m_ui->edtWifiCfgSSID->text();
    form.password = m_ui->edtWiFiCfgPassword->text();
    form.noPassword = m_ui->chbxWiFiCfgPasswordNone->isChecked();
    form.channel = m_ui->cbbxWifiCfgChannel->currentText();
    form.ip = m_ui->edtWifiCfgIPAddress->text();
    form.mask = m_ui->edtWifiCfgSubnetMask->text();
    form.port = m_ui->edtWiFiCfgPort->text();
    return form;
}

void CAisConfigurationView::getWiFiAPData(SAPData* out) const
{
    WiFiForm::fillWiFiAPData(getWiFiFormInput(), out);
}
