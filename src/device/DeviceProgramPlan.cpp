#include "device/DeviceProgramPlan.h"

#include "device/DeviceSentences.h"
#include "device/DeviceSettings.h"

#include <cstring>
#include <utility>

namespace DeviceProgram {

namespace {

constexpr uint32_t MmsiMin = 200000000;
constexpr uint32_t MmsiMax = 799999999;

template <size_t N>
std::string fieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

template <size_t N>
bool isBlank(const char (&field)[N])
{
    return field[0] == '\0';
}

template <size_t N>
bool grows(const char (&field)[N])
{
    return DeviceSentence::escapeReserved(fieldText(field)).size() > fieldText(field).size();
}

template <size_t N>
bool sameText(const char (&a)[N], const char (&b)[N])
{
    return fieldText(a) == fieldText(b);
}

SCheck refused(REFUSAL refusal, int32_t CSensorConfig::*baudField = nullptr)
{
    SCheck check;
    check.refusal = refusal;
    check.baudField = baudField;
    return check;
}

// The MMSI goes out only to a device that has none yet: it can be written once.
bool writesMmsi(const CSensorConfig& shown, const CSensorConfig& written)
{
    return shown.mmsi == 0 && written.mmsi != 0;
}

// The device reports 0 in its ALR item while the sentence is on; the record holds 1 then.
int32_t alrValue(const CSensorConfig& written)
{
    return written.alrOutput == 0 ? 1 : 0;
}

DBG_CMD_PARAM generalSettings(const CSensorConfig& written)
{
    const int32_t gpsRate = written.gpsUpdateRate;
    DBG_CMD_PARAM settings;
    const int32_t pairs[] = {PDBG_DSC_MONITOR,     written.dscMonitor[0] == '1' ? 1 : 0,
                             PDBG_GPS_OFF,         gpsRate == 0 ? 1 : 0,
                             PDBG_GPS_UPDATE_RATE, gpsRate,
                             PDBG_GPS_DYN_MODEL,   written.gpsDynModel};
    std::memcpy(settings.param, pairs, sizeof pairs);
    return settings;
}

DBG_CMD_PARAM portSettings(MACHINE_TYPE model, const CSensorConfig& written)
{
    DBG_CMD_PARAM bauds;
    const std::vector<SPortBaud>& ports = portBauds(model);
    for (size_t i = 0; i < ports.size() && i < size_t(DBG_CMD_PARAM::PairCount); ++i) {
        bauds.param[2 * i] = ports[i].id;
        bauds.param[2 * i + 1] = programmableBaudCode(written.*ports[i].field);
    }
    return bauds;
}

void planUnitK42(const CSensorConfig& written, std::vector<std::string>& lines)
{
    lines.push_back(DeviceSentence::cfgSentence(true, CFG_ITEM_UNIT_K_42, CFG_SUB_ALR_UNIT_K_42, alrValue(written)));
    lines.push_back(DeviceSentence::settingsSentence(portSettings(MACHINE_UNIT_K_42, written)));
}

void planQ375(const CSensorConfig& written, std::vector<std::string>& lines)
{
    const auto mmsi = int32_t(written.mmsi);
    lines.push_back(DeviceSentence::cfgSentence(true, CFG_ITEM_Q_375_ALR, CFG_SUB_ALR_Q_375, alrValue(written)));
    lines.push_back(DeviceSentence::dbgSentence(true, portSettings(MACHINE_Q_375, written),
                                                int(portBauds(MACHINE_Q_375).size())));
    lines.push_back(DeviceSentence::cfgSentence(true, CFG_ITEM_PORTS, CFG_SUB_NMEA2000_INSTANCE,
                                                written.nmea2000Instance));
    lines.push_back(DeviceSentence::propertySentence(mmsi, EPV_MSG27_CHANNEL_A, written.lrChannel1));
    lines.push_back(DeviceSentence::propertySentence(mmsi, EPV_MSG27_CHANNEL_B, written.lrChannel2));
}

} // namespace

const std::vector<SPortBaud>& portBauds(MACHINE_TYPE model)
{
    static const std::vector<SPortBaud> unitK42 = {
        {PDBG_NMEA1_OUT_BAUD, &CSensorConfig::nmea1OutBaud},
        {PDBG_NMEA1_IN_BAUD, &CSensorConfig::nmea1InBaud},
        {PDBG_NMEA2_OUT_BAUD, &CSensorConfig::nmea2OutBaud},
        {PDBG_NMEA2_IN_BAUD, &CSensorConfig::nmea2InBaud},
    };
    // One rate per port, input and output alike.
    static const std::vector<SPortBaud> q375 = {
        {DBG_PORT_1_BAUD, &CSensorConfig::nmea1InBaud},
        {DBG_PORT_2_BAUD, &CSensorConfig::nmea2InBaud},
    };
    static const std::vector<SPortBaud> none;
    return model == MACHINE_UNIT_K_42 ? unitK42 : model == MACHINE_Q_375 ? q375 : none;
}

SCheck check(MACHINE_TYPE model, const CSensorConfig& shown, const CSensorConfig& written)
{
    if (!isBlank(shown.shipName) && isBlank(written.shipName))
        return refused(REFUSAL_SHIP_NAME_BLANK);
    if (!isBlank(shown.callSign) && isBlank(written.callSign))
        return refused(REFUSAL_CALL_SIGN_BLANK);
    if (writesMmsi(shown, written) && (written.mmsi < MmsiMin || written.mmsi > MmsiMax))
        return refused(REFUSAL_MMSI_RANGE);
    for (const SPortBaud& port : portBauds(model)) {
        if (programmableBaudCode(written.*port.field) < 0)
            return refused(REFUSAL_BAUD_RATE, port.field);
    }
    for (const std::string& line : plan(model, shown, written)) {
        // An empty line is one that would not fit even the builders' buffer.
        if (!line.empty() && line.size() <= MaxSentenceLength)
            continue;
        SCheck tooLong = refused(REFUSAL_TOO_LONG);
        if (grows(written.shipName))
            tooLong.escapedTexts.push_back(SETTING_SHIP_NAME);
        if (grows(written.callSign))
            tooLong.escapedTexts.push_back(SETTING_CALL_SIGN);
        return tooLong;
    }
    return {};
}

std::vector<SSetting> untaken(MACHINE_TYPE model, const CSensorConfig& shown, const CSensorConfig& written,
                              const CSensorConfig& readBack)
{
    const CSensorConfig& w = written;
    const CSensorConfig& r = readBack;
    const bool q375 = model == MACHINE_Q_375;
    const std::pair<SETTING, bool> differs[] = {
        {SETTING_SHIP_NAME, !sameText(w.shipName, r.shipName)},
        {SETTING_CALL_SIGN, !sameText(w.callSign, r.callSign)},
        {SETTING_MMSI, writesMmsi(shown, written) && w.mmsi != r.mmsi},
        {SETTING_SHIP_TYPE, w.shipType != r.shipType},
        {SETTING_DIM_A, w.dimA != r.dimA},
        {SETTING_DIM_B, w.dimB != r.dimB},
        {SETTING_DIM_C, w.dimC != r.dimC},
        {SETTING_DIM_D, w.dimD != r.dimD},
        {SETTING_DSC_MONITOR, (w.dscMonitor[0] == '1') != (r.dscMonitor[0] == '1')},
        {SETTING_GPS_UPDATE_RATE, w.gpsUpdateRate != r.gpsUpdateRate},
        {SETTING_GPS_DYN_MODEL, w.gpsDynModel != r.gpsDynModel},
        {SETTING_ALR, (model == MACHINE_UNIT_K_42 || q375) && (w.alrOutput == 0) != (r.alrOutput == 0)},
    };
    std::vector<SSetting> settings;
    for (const auto& [setting, differ] : differs) {
        if (differ)
            settings.push_back({setting});
    }
    for (const SPortBaud& port : portBauds(model)) {
        if (w.*port.field != r.*port.field)
            settings.push_back({SETTING_PORT_BAUD, port.field});
    }
    if (q375 && w.nmea2000Instance != r.nmea2000Instance)
        settings.push_back({SETTING_NMEA2000_INSTANCE});
    if (q375 && (w.lrChannel1 != r.lrChannel1 || w.lrChannel2 != r.lrChannel2))
        settings.push_back({SETTING_MSG27});
    return settings;
}

std::vector<std::string> plan(MACHINE_TYPE model, const CSensorConfig& shown, const CSensorConfig& written)
{
    std::vector<std::string> lines{DeviceSentence::staticDataSentence(
        fieldText(written.callSign), fieldText(written.shipName), written.dimA, written.dimB, written.dimC,
        written.dimD)};
    if (writesMmsi(shown, written))
        lines.push_back(DeviceSentence::mmsiSentence(int32_t(written.mmsi)));
    lines.push_back(DeviceSentence::shipTypeSentence(written.shipType));
    lines.push_back(DeviceSentence::settingsSentence(generalSettings(written)));
    if (model == MACHINE_UNIT_K_42)
        planUnitK42(written, lines);
    else if (model == MACHINE_Q_375)
        planQ375(written, lines);
    return lines;
}

} // namespace DeviceProgram
