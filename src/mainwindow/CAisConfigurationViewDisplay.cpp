#include "mainwindow/CAisConfigurationView.h"

#include "device/CSensorConfig.h"
#include "device/WiFiTypes.h"
#include "style/ObjPalette.h"
#include "ui_AisConfiguration.h"

#include <QHeaderView>
#include <QMessageBox>
#include <cstring>
#include <initializer_list>

namespace {

// A device text field may fill its buffer without a terminator.
template <size_t N>
QString fieldText(const char (&field)[N])
{
    return QString::fromLatin1(field, int(strnlen(field, N)));
}

} // namespace

void CAisConfigurationView::updateHomePageDisp()
{
    m_ui->lblHomeShipName->setText(fieldText(m_sensorConfig->shipName));
    m_ui->lblHomeCallSign->setText(fieldText(m_sensorConfig->callSign));
    const uint32_t mmsi = m_sensorConfig->mmsi;
    m_ui->lblHomeMmsi->setText(mmsi != 0 ? QStringLiteral("%1").arg(mmsi, 9, 10, QLatin1Char('0')) : QString());
    const int typeIndex = getShipTypeIndex(m_sensorConfig->shipType);
    m_ui->lblHomeVesselType->setText(typeIndex >= 0 ? getShipTypeText(typeIndex) : QString());
    m_ui->lblHomeProductSNValue->setText(fieldText(m_sensorConfig->serialNumber));
    m_ui->lblHomeProductFVValue->setText(fieldText(m_sensorConfig->firmware));

    const QHeaderView* pageHeader = m_ui->tbvwOtherVessels->horizontalHeader();
    m_ui->tbvwHomeOtherVessels->horizontalHeader()->setSortIndicator(pageHeader->sortIndicatorSection(),
                                                                     pageHeader->sortIndicatorOrder());

    // Only access point and client have names; "none" and anything unknown show empty.
    const int32_t mode = m_wifiData->opMode;
    m_ui->lblHomeWiFiModeValue->setText(mode == 0 || mode == 1 ? m_msgText.wifiModeName[mode] : QString());
    m_ui->lblHomeWiFiFirmwareVerValue->setText(fieldText(m_wifiData->version));
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
