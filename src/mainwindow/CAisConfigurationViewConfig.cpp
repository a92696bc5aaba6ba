#include "mainwindow/CAisConfigurationView.h"

#include "comm/CommProfile.h"
#include "device/CSensorConfig.h"
#include "device/DeviceSettings.h"
#include "mainwindow/CSixBitValidator.h"
#include "mainwindow/DeviceValueText.h"
#include "mainwindow/environment/ConvtQStringToChar.h"
#include "ui_AisConfiguration.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int CommBaudCount = 8;
// The page's lists offer 38400, 9600 and 4800: the communication layer's indexes 2, 4 and 5.
constexpr int BaudListPosition[CommBaudCount] = {-1, -1, 0, -1, 1, 2, -1, -1};

// The device's text as the page shows it: empty when refused.
template <size_t N>
QString deviceText(const CSensorConfig& config, CSensorConfig::VALUE value, const char (&field)[N])
{
    return config.isRefused(value) ? QString() : DeviceValueText::fromDevice(field);
}

// The device's text in an edit, whole even where it is longer than the user may type; a
// refused one leaves the edit empty, saying not available.
template <size_t N>
void showDeviceText(QLineEdit* edit, const CSensorConfig& config, CSensorConfig::VALUE value, const char (&field)[N])
{
    const QString text = deviceText(config, value, field);
    auto* rule = edit->findChild<CSixBitValidator*>();
    rule->setDeviceText(text);
    edit->setMaxLength(std::max(rule->limit(), int(text.size())));
    edit->setText(text);
    edit->setPlaceholderText(config.isRefused(value) ? DeviceValueText::notAvailable() : QString());
}

// An edit the user left as the record showed it gives the record's bytes, as the device sent
// them; an edited one its text in the local encoding, the rest of the field cleared as the
// device's replies leave it, so that the records compare equal.
template <size_t N>
void readPageText(char (&target)[N], const QLineEdit* edit, const CSensorConfig& shown, CSensorConfig::VALUE value,
                  const char (&shownField)[N])
{
    if (edit->text() == deviceText(shown, value, shownField)) {
        std::memcpy(target, shownField, N);
        return;
    }
    std::memset(target, 0, N);
    ConvtQStringToChar(target, edit->text());
}

template <size_t N>
bool isUnfit(const QLineEdit* edit, const CSensorConfig& shown, CSensorConfig::VALUE value,
             const char (&shownField)[N])
{
    return edit->text() != deviceText(shown, value, shownField) && !edit->hasAcceptableInput();
}

// One selector of the page: the position at which it shows a record (-1 for none), and what a
// position the user chose writes into a record. A selector the user left where the record put
// it writes nothing, so that a device value the list does not hold goes back as it came.
struct SSelector
{
    QComboBox* box = nullptr;
    QAbstractButton* check = nullptr; // a switch in place of a list: positions 0 and 1
    CSensorConfig::VALUE value = CSensorConfig::VALUE(0); // a refused one shows at -1
    std::function<int(const CSensorConfig&)> position;
    std::function<void(CSensorConfig&, int)> store;

    int shownAt(const CSensorConfig& config) const { return config.isRefused(value) ? -1 : position(config); }
    int current() const { return box ? box->currentIndex() : int(check->isChecked()); }
    void show(int at) const
    {
        if (box)
            box->setCurrentIndex(at);
        else
            check->setChecked(at == 1);
    }
};

SSelector baudSelector(QComboBox* box, int32_t CSensorConfig::*shown, std::vector<int32_t CSensorConfig::*> stored)
{
    return {box, nullptr, CSensorConfig::VALUE(0),
            [shown](const CSensorConfig& c) { return CAisConfigurationView::getBuadRateIndex(c.*shown); },
            [box, stored](CSensorConfig& c, int at) {
                for (int32_t CSensorConfig::*field : stored)
                    c.*field = box->itemText(at).toInt();
            }};
}

// The position of the list entry whose text is the number; -1 when none is.
int numberPosition(const QComboBox* box, int number)
{
    for (int position = 0; position < box->count(); ++position) {
        if (box->itemText(position).toInt() == number)
            return position;
    }
    return -1;
}

std::vector<SSelector> selectors(const Ui::AisConfiguration& ui, const CAisConfigurationView& view,
                                 MACHINE_TYPE model)
{
    using C = CSensorConfig;
    std::vector<SSelector> list = {
        {ui.cbbxCfgVesselType, nullptr, C::VALUE_SHIP_TYPE,
         [&view](const C& c) { return view.getShipTypeIndex(c.shipType); },
         [&view](C& c, int at) { c.shipType = view.getShipTypeCode(at); }},
        {ui.cbbxCfgDscMonitoring, nullptr, C::VALUE_DSC_MONITOR,
         [](const C& c) { return c.dscMonitor[0] == '1' ? 1 : 0; },
         [](C& c, int at) {
             c.dscMonitor[0] = at == 1 ? '1' : '0';
             c.dscMonitor[1] = '\0';
         }},
        {ui.cbbxCfgGpsUpdateRate, nullptr, C::VALUE_GPS_UPDATE_RATE,
         [box = ui.cbbxCfgGpsUpdateRate](const C& c) {
             return c.gpsUpdateRate >= 0 && c.gpsUpdateRate < box->count() ? int(c.gpsUpdateRate) : -1;
         },
         [](C& c, int at) { c.gpsUpdateRate = at; }},
        {ui.cbbxCfgGpsMode, nullptr, C::VALUE_GPS_DYN_MODEL,
         [](const C& c) { return c.gpsDynModel == GPS_DYN_MODEL_HIGH_ALTITUDE ? 0 : 1; },
         [](C& c, int at) { c.gpsDynModel = at > 0 ? GPS_DYN_MODEL_SEA_LEVEL : GPS_DYN_MODEL_HIGH_ALTITUDE; }},
        {ui.cbbxCfgAlrSentence, nullptr, C::VALUE(0), [](const C& c) { return c.alrOutput == 0 ? 0 : 1; },
         [](C& c, int at) { c.alrOutput = at > 0 ? 1 : 0; }},
    };
    if (model == MACHINE_UNIT_K_42) {
        list.push_back(baudSelector(ui.cbbxCfgNmea1Input, &C::nmea1InBaud, {&C::nmea1InBaud}));
        list.push_back(baudSelector(ui.cbbxCfgNmea1Output, &C::nmea1OutBaud, {&C::nmea1OutBaud}));
        list.push_back(baudSelector(ui.cbbxCfgNmea2Input, &C::nmea2InBaud, {&C::nmea2InBaud}));
        list.push_back(baudSelector(ui.cbbxCfgNmea2Output, &C::nmea2OutBaud, {&C::nmea2OutBaud}));
    } else if (model == MACHINE_Q_375) {
        // One rate per port: the two rows are the two ports.
        list.push_back(baudSelector(ui.cbbxCfgNmea1Input, &C::nmea1InBaud, {&C::nmea1InBaud, &C::nmea1OutBaud}));
        list.push_back(baudSelector(ui.cbbxCfgNmea1Output, &C::nmea2InBaud, {&C::nmea2InBaud, &C::nmea2OutBaud}));
        list.push_back({ui.cbbxCfgNMEADevInst, nullptr, C::VALUE(0),
                        [box = ui.cbbxCfgNMEADevInst](const C& c) { return numberPosition(box, c.nmea2000Instance); },
                        [box = ui.cbbxCfgNMEADevInst](C& c, int at) { c.nmea2000Instance = box->itemText(at).toInt(); }});
        list.push_back({nullptr, ui.chbxCfgMsg27, C::VALUE(0),
                        [](const C& c) {
                            return c.lrChannel1 == MSG27_CHANNEL_A && c.lrChannel2 == MSG27_CHANNEL_B ? 1 : 0;
                        },
                        [](C& c, int at) {
                            c.lrChannel1 = at == 1 ? MSG27_CHANNEL_A : 0;
                            c.lrChannel2 = at == 1 ? MSG27_CHANNEL_B : 0;
                        }});
    }
    return list;
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
    m_ui->spbxCfgVslDimA->setValue(config.dimA);
    m_ui->spbxCfgVslDimB->setValue(config.dimB);
    m_ui->spbxCfgVslDimC->setValue(config.dimC);
    m_ui->spbxCfgVslDimD->setValue(config.dimD);
    for (const SSelector& selector : selectors(*m_ui, *this, model))
        selector.show(selector.shownAt(config));
}

void CAisConfigurationView::getConfigData(CSensorConfig* target, MACHINE_TYPE model) const
{
    const CSensorConfig& shown = *m_sensorConfig;
    readPageText(target->shipName, m_ui->edtCfgShipName, shown, CSensorConfig::VALUE_SHIP_NAME, shown.shipName);
    readPageText(target->callSign, m_ui->edtCfgCallSign, shown, CSensorConfig::VALUE_CALL_SIGN, shown.callSign);
    bool isNumber = false;
    const uint32_t mmsi = m_ui->edtCfgMmsi->text().toUInt(&isNumber);
    target->mmsi = isNumber ? mmsi : 0;
    target->dimA = m_ui->spbxCfgVslDimA->value();
    target->dimB = m_ui->spbxCfgVslDimB->value();
    target->dimC = m_ui->spbxCfgVslDimC->value();
    target->dimD = m_ui->spbxCfgVslDimD->value();
    for (const SSelector& selector : selectors(*m_ui, *this, model)) {
        const int chosen = selector.current();
        if (chosen >= 0 && chosen != selector.shownAt(shown))
            selector.store(*target, chosen);
    }
}

const QLineEdit* CAisConfigurationView::unfitTextField() const
{
    const CSensorConfig& shown = *m_sensorConfig;
    if (isUnfit(m_ui->edtCfgShipName, shown, CSensorConfig::VALUE_SHIP_NAME, shown.shipName))
        return m_ui->edtCfgShipName;
    if (isUnfit(m_ui->edtCfgCallSign, shown, CSensorConfig::VALUE_CALL_SIGN, shown.callSign))
        return m_ui->edtCfgCallSign;
    return nullptr;
}
