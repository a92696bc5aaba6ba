#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"

#include <QMessageBox>

void AisConfiguration::checkDevPower()
{
    CDeviceComm& device = m_commSpaces->getDeviceComm();
    CWiFiConfig& wifi = device.getWiFiConfig();
    if (device.getSentenceHandle().getDevDetectState() != DEV_STATE_CONFIG_SHOWN || wifi.powerNoticeShown
        || !device.getSentenceHandle().getShownConfig().wifiModule)
        return;
    // Marked before the box: the refresh ticks go on while it is open.
    wifi.powerNoticeShown = true;
    const SMsgTextResource& text = m_view->msgText();
    const QMessageBox::StandardButton answer = QMessageBox::information(
        this, text.information, text.powerSupplyNote, QMessageBox::No | QMessageBox::Ok, QMessageBox::Ok);
    // The link was lost while the box was open: the answer was about a device that is gone, and
    // the next one is asked again.
    if (!wifi.powerNoticeShown)
        return;
    if (answer == QMessageBox::Ok)
        wifi.powerConfirmed = true;
    else
        wifi.update([](WiFiScope::SCmdProcData& state) { state.mainState = WiFiScope::WIFI_MAIN_POWER_FAIL; });
}
