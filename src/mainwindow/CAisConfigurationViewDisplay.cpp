#include "mainwindow/CAisConfigurationView.h"

#include "device/CSensorConfig.h"
#include "device/CWiFiConfig.h"
#include "device/WiFiTypes.h"
#include "mainwindow/DeviceValueText.h"
#include "style/ObjPalette.h"
#include "ui_AisConfiguration.h"

#include <QHeaderView>
#include <QMessageBox>
#include <initializer_list>

void CAisConfigurationView::updateHomePageDisp()
{
    using DeviceValueText::shown;
    const CSensorConfig& config = *m_sensorConfig;
    m_ui->lblHomeShipName->setText(shown(config, CSensorConfig::VALUE_SHIP_NAME, config.shipName));
    m_ui->lblHomeCallSign->setText(shown(config, CSensorConfig::VALUE_CALL_SIGN, config.callSign));
    m_ui->lblHomeMmsi->setText(DeviceValueText::mmsi(config));
    const int typeIndex = getShipTypeIndex(config.shipType);
    if (config.isRefused(CSensorConfig::VALUE_SHIP_TYPE))
        m_ui->lblHomeVesselType->setText(DeviceValueText::notAvailable());
    else
        m_ui->lblHomeVesselType->setText(typeIndex >= 0 ? getShipTypeText(typeIndex) : QString());
    m_ui->lblHomeProductSNValue->setText(shown(config, CSensorConfig::VALUE_SERIAL_NUMBER, config.serialNumber));
    m_ui->lblHomeProductFVValue->setText(shown(config, CSensorConfig::VALUE_FIRMWARE, config.firmware));

    const QHeaderView* pageHeader = m_ui->tbvwOtherVessels->horizontalHeader();
    m_ui->tbvwHomeOtherVessels->horizontalHeader()->setSortIndicator(pageHeader->sortIndicatorSection(),
                                                                     pageHeader->sortIndicatorOrder());

    // Only access point and client have names; "none" and anything unknown show empty.
    const WiFiScope::SCmdProcData wifi = m_wifi.snapshot();
    const int32_t mode = wifi.opMode;
    m_ui->lblHomeWiFiModeValue->setText(mode == 0 || mode == 1 ? m_msgText.wifiModeName[mode] : QString());
    m_ui->lblHomeWiFiFirmwareVerValue->setText(DeviceValueText::fromDevice(wifi.version));
}

void CAisConfigurationView::updateMachineDisp(MACHINE_TYPE model)
{
    if (model == MACHINE_UNIT_K_42) {
        m_ui->lblCfgNmea1Input->setText(QStringLiteral("NMEA 1 Input"));
        m_ui->lblCfgNmea1Output->setText(QStringLiteral("NMEA 1 Output"));
    } else if (model == MACHINE_Q_375) {
        m_ui->lblCfgNmea1Input->setText(QStringLiteral("NMEA 1"));
        m_ui->lblCfgNmea1Output->setText(QStringLiteral("NMEA 2"));
    }
    const bool shown = model != MACHINE_Q_375;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_ui->lblCfgNmea2Input, m_ui->lblCfgNmea2Output, m_ui->cbbxCfgNmea2Input, m_ui->cbbxCfgNmea2Output,
             m_ui->wgDiagStatus, m_ui->lblDiagCheckExtPwr, m_ui->imgDiagCheckExtPwr})
        widget->setVisible(shown);
}

void CAisConfigurationView::updateCommConntDisp()
{
    const bool requested = m_ui->btnCommConnt->isChecked();
    m_ui->btnCommConnt->setText(requested ? m_msgText.disconnectText : m_msgText.connectText);
    m_ui->lblConntStatus->setText(requested ? m_msgText.connectCheckTip : m_msgText.disconnectTip);
    ObjPalette::setConntStatusLabelStyle(m_ui->lblConntStatus, !requested);
}

void CAisConfigurationView::showMsgBox(QWidget* parent, MSG_BOX_S kind, const QString& title, const QString& text,
                                       int buttons, int defaultButton)
{
    const auto shown = QMessageBox::StandardButtons(buttons);
    const auto preferred = QMessageBox::StandardButton(defaultButton);
    switch (kind) {
    case MSG_BOX_INFORMATION:
        QMessageBox::information(parent, title, text, shown, preferred);
        break;
    case MSG_BOX_QUESTION:
        QMessageBox::question(parent, title, text, shown, preferred);
        break;
    case MSG_BOX_WARNING:
        QMessageBox::warning(parent, title, text, shown, preferred);
        break;
    case MSG_BOX_CRITICAL:
        QMessageBox::critical(parent, title, text, shown, preferred);
        break;
    }
}
