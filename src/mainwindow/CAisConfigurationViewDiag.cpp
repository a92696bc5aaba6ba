#include "mainwindow/CAisConfigurationView.h"

#include "device/CSensorConfig.h"
#include "mainwindow/DeviceValueText.h"
#include "resources/LibraryImage.h"
#include "style/QtObjPalette.h"
#include "support/Singleton.h"
#include "ui_AisConfiguration.h"

#include <cstdint>

namespace {

enum LED_S : int {
    LED_RED = 0,
    LED_GREEN = 1,
    LED_ORANGE = 3,
    LED_GRAY = 4,
};

enum CHECK_S : int {
    CHECK_GOOD = 0,
    CHECK_FAILED = 1,
};

constexpr int LedSize = 0;

// Only a slot reported as 1 lights its lamp; -1 (not reported) and any other value leave it grey.
void setLamp(QLabel* lamp, int32_t slot, LED_S lit)
{
    const LED_S led = slot == 1 ? lit : LED_GRAY;
    QtObjPalette::setWidgetLblIcon(
        lamp, QString::fromStdString(Pattern::Singleton<LibraryImage>::Instance()->getLedIconPath(LedSize, led)));
}

void setCheck(QLabel* icon, bool good)
{
    QtObjPalette::setWidgetLblIcon(icon, QString::fromStdString(
                                             Pattern::Singleton<LibraryImage>::Instance()->getReportStatusIconPath(
                                                 good ? CHECK_GOOD : CHECK_FAILED)));
}

} // namespace

void CAisConfigurationView::updateDiagStatusDisp(bool)
{
    using DeviceValueText::shown;
    const CSensorConfig& config = *m_sensorConfig;
    m_ui->lblDiagProductSNValue->setText(shown(config, CSensorConfig::VALUE_SERIAL_NUMBER, config.serialNumber));
    m_ui->lblDiagProductFVValue->setText(shown(config, CSensorConfig::VALUE_FIRMWARE, config.firmware));
    const int32_t* flags = m_sensorConfig->statusFlags;
    setLamp(m_ui->imgDiagStatusPowerOk, flags[CSensorConfig::STATUS_POWER_OK], LED_GREEN);
    setLamp(m_ui->imgDiagStatusTxTimeout, flags[CSensorConfig::STATUS_TX_TIMEOUT], LED_ORANGE);
    setLamp(m_ui->imgDiagStatusError, flags[CSensorConfig::STATUS_ERROR], LED_RED);
    setLamp(m_ui->imgDiagStatusSilentMode, flags[CSensorConfig::STATUS_SILENT_MODE], LED_ORANGE);
}

void CAisConfigurationView::updateDiagSysCheckDisp(bool gpsFixed, const unsigned int* received,
                                                   const unsigned int* transmitted)
{
    // Summed wide: two counts near the 32-bit limit must not wrap to 0.
    const uint64_t receivedSum = uint64_t(received[0]) + received[1];
    const uint64_t transmittedSum = uint64_t(transmitted[0]) + transmitted[1];
    setCheck(m_ui->imgDiagCheckMmsi, m_sensorConfig->mmsiValid);
    setCheck(m_ui->imgDiagCheckExtPwr, m_sensorConfig->statusFlags[CSensorConfig::STATUS_POWER_OK] == 1);
    setCheck(m_ui->imgDiagCheckGpsFix, gpsFixed);
    setCheck(m_ui->imgDiagCheckAisRxPos, receivedSum != 0);
    setCheck(m_ui->imgDiagCheckAisTxPos, transmittedSum != 0);

    m_ui->lblDiagRxChAValue->setText(QString::number(received[0]));
    m_ui->lblDiagRxChBValue->setText(QString::number(received[1]));
    m_ui->lblDiagTxChAValue->setText(QString::number(transmitted[0]));
    m_ui->lblDiagTxChBValue->setText(QString::number(transmitted[1]));
}
