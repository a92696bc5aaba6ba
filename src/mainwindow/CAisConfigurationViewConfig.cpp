#include "mainwindow/CAisConfigurationView.h"

#include "comm/CommProfile.h"
#include "device/CSensorConfig.h"
#include "device/DeviceSettings.h"
#include "mainwindow/DeviceValueText.h"
#include "mainwindow/environment/ConvtQStringToChar.h"
#include "model/units/TextBuffer.h"
#include "ui_AisConfiguration.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int CommBaudCount = 8;
// The page's lists offer 38400, 9600 and 4800: the communication layer's indexes 2, 4 and 5.
constexpr int BaudListPosition[CommBaudCount] = {-1, -1, 0, -1, 1, 2, -1, -1};

// The device's text in an edit; a refused one leaves the edit empty, saying not available.
template <size_t N>
void showDeviceText(QLineEdit* edit, const CSensorConfig& config, CSensorConfig::VALUE value, const char (&field)[N])
{
    const bool refused = config.isRefused(value);
    edit->setText(refused ? QString() : DeviceValueText::fromDevice(field));
    edit->setPlaceholderText(refused ? DeviceValueText::notAvailable() : QString());
}

// Cut to the field: a text from the device may grow in the local encoding. The rest of the
// field is cleared, as the device's replies leave it, so that the records compare equal.
template <size_t N>
void copyPageText(char (&field)[N], const QString& text)
{
    std::memset(field, 0, N);
    ConvtQStringToChar(field, text);
}

// An empty text, as of a box without a selection, gives 0.
int boxValue(const QComboBox* box)
{
    return box->currentText().toInt();
}

} // namespace

int CAisConfigurationView::getBuadRateIndex(int baudRate)
{
    for (int index = 0; index < CommBaudCount; ++index) {
        if (COMM::GetBaudRate(index) == baudRate)
            return BaudListPosition[index];
    }
    return -1;
}

void CAisConfigurationView::updateConfigurationMMSIInfo()
{
    const CSensorConfig& config = *m_sensorConfig;
    // A device's MMSI is set once: an edit opens only for a device that reports none, not for
    // one whose MMSI could not be read.
    const bool refused = config.isRefused(CSensorConfig::VALUE_MMSI);
    m_ui->edtCfgMmsi->setEnabled(config.mmsi == 0 && !refused);
    m_ui->edtCfgMmsi->setText(refused ? QString() : DeviceValueText::mmsi(config));
    m_ui->edtCfgMmsi->setPlaceholderText(refused ? DeviceValueText::notAvailable() : QString());
}

void CAisConfigurationView::updateConfigurationInfo(MACHINE_TYPE model)
{
    const CSensorConfig& config = *m_sensorConfig;
    showDeviceText(m_ui->edtCfgShipName, config, CSensorConfig::VALUE_SHIP_NAME, config.shipName);
    showDeviceText(m_ui->edtCfgCallSign, config, CSensorConfig::VALUE_CALL_SIGN, config.callSign);
    updateConfigurationMMSIInfo();
    const bool typeRefused = config.isRefused(CSensorConfig::VALUE_SHIP_TYPE);
    m_ui->cbbxCfgVesselType->setCurrentIndex(typeRefused ? -1 : getShipTypeIndex(config.shipType));
    m_ui->spbxCfgVslDimA->setValue(config.dimA);
    m_ui->spbxCfgVslDimB->setValue(config.dimB);
    m_ui->spbxCfgVslDimC->setValue(config.dimC);
    m_ui->spbxCfgVslDimD->setValue(config.dimD);

    if (model == MACHINE_UNIT_K_42) {
        m_ui->cbbxCfgNmea1Input->setCurrentIndex(getBuadRateIndex(config.nmea1InBaud));
        m_ui->cbbxCfgNmea1Output->setCurrentIndex(getBuadRateIndex(config.nmea1OutBaud));
        m_ui->cbbxCfgNmea2Input->setCurrentIndex(getBuadRateIndex(config.nmea2InBaud));
        m_ui->cbbxCfgNmea2Output->setCurrentIndex(getBuadRateIndex(config.nmea2OutBaud));
    } else if (model == MACHINE_Q_375) {
        // One rate per port: the two rows are the two ports.
        m_ui->cbbxCfgNmea1Input->setCurrentIndex(getBuadRateIndex(config.nmea1InBaud));
        m_ui->cbbxCfgNmea1Output->setCurrentIndex(getBuadRateIndex(config.nmea2InBaud));
        QComboBox* instance = m_ui->cbbxCfgNMEADevInst;
        for (int position = 0; position < instance->count(); ++position) {
            if (instance->itemText(position).toInt() == config.nmea2000Instance)
                instance->setCurrentIndex(position);
        }
        m_ui->chbxCfgMsg27->setChecked(config.lrChannel1 == MSG27_CHANNEL_A && config.lrChannel2 == MSG27_CHANNEL_B);
    }

    m_ui->cbbxCfgDscMonitoring->setCurrentIndex(config.dscMonitor[0] == '1' ? 1 : 0);
    m_ui->cbbxCfgGpsUpdateRate->setCurrentIndex(config.gpsUpdateRate);
    m_ui->cbbxCfgGpsMode->setCurrentIndex(config.gpsDynModel == GPS_DYN_MODEL_HIGH_ALTITUDE ? 0 : 1);
    m_ui->cbbxCfgAlrSentence->setCurrentIndex(config.alrOutput);
}

void CAisConfigurationView::getConfigData(CSensorConfig* target, MACHINE_TYPE model) const
{
    copyPageText(target->shipName, m_ui->edtCfgShipName->text());
    copyPageText(target->callSign, m_ui->edtCfgCallSign->text());
    bool isNumber = false;
    const uint32_t mmsi = m_ui->edtCfgMmsi->text().toUInt(&isNumber);
    target->mmsi = isNumber ? mmsi : 0;
    // A device code the list does not offer is kept rather than replaced by the first entry.
    const int typeIndex = m_ui->cbbxCfgVesselType->currentIndex();
    if (typeIndex >= 0 && typeIndex < ShipTypeCount)
        target->shipType = m_shipTypeCode[typeIndex];
    target->dimA = m_ui->spbxCfgVslDimA->value();
    target->dimB = m_ui->spbxCfgVslDimB->value();
    target->dimC = m_ui->spbxCfgVslDimC->value();
    target->dimD = m_ui->spbxCfgVslDimD->value();

    if (model == MACHINE_Q_375) {
        target->nmea1InBaud = target->nmea1OutBaud = boxValue(m_ui->cbbxCfgNmea1Input);
        target->nmea2InBaud = target->nmea2OutBaud = boxValue(m_ui->cbbxCfgNmea1Output);
    } else if (model == MACHINE_UNIT_K_42) {
        target->nmea1InBaud = boxValue(m_ui->cbbxCfgNmea1Input);
        target->nmea1OutBaud = boxValue(m_ui->cbbxCfgNmea1Output);
        target->nmea2InBaud = boxValue(m_ui->cbbxCfgNmea2Input);
        target->nmea2OutBaud = boxValue(m_ui->cbbxCfgNmea2Output);
    }

    target->dscMonitor[0] = m_ui->cbbxCfgDscMonitoring->currentIndex() == 1 ? '1' : '0';
    target->dscMonitor[1] = '\0';
    target->gpsUpdateRate = std::max(m_ui->cbbxCfgGpsUpdateRate->currentIndex(), 0);
    target->gpsDynModel =
        m_ui->cbbxCfgGpsMode->currentIndex() > 0 ? GPS_DYN_MODEL_SEA_LEVEL : GPS_DYN_MODEL_HIGH_ALTITUDE;
    target->alrOutput = m_ui->cbbxCfgAlrSentence->currentIndex() > 0 ? 1 : 0;
    target->nmea2000Instance = boxValue(m_ui->cbbxCfgNMEADevInst);
    const bool msg27 = m_ui->chbxCfgMsg27->isChecked();
    target->lrChannel1 = msg27 ? MSG27_CHANNEL_A : 0;
    target->lrChannel2 = msg27 ? MSG27_CHANNEL_B : 0;
}
