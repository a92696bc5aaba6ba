// The device's replies to configuration and equipment property queries.
#include "device/CSensorConfig.h"
#include "device/CSentenceFields.h"
#include "device/DeviceFields.h"
#include "device/DeviceSettings.h"

#include "codec/sentence/I62Syntax.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstring>
#include <limits>

namespace {

constexpr int64_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t UInt32Max = std::numeric_limits<uint32_t>::max();

// A configuration value that the device left blank.
constexpr int32_t CfgValueAbsent = 255;
// Ten digit positions are the most that 32-bit sub-items and values can carry.
constexpr int64_t StatusDigitsMax = 10;

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

bool IsStatusR(const char* field)
{
    return field && field[0] == 'R';
}

// A number field: blanks give the default; anything but a number within the range fails.
template <typename T>
bool ReadField(const char* field, int64_t min, int64_t max, T absent, T* value)
{
    if (DeviceField::IsBlank(field)) {
        *value = absent;
        return true;
    }
    return DeviceField::ReadNumber(field, std::strlen(field), min, max, value);
}

bool IsDigits(const char* text)
{
    if (!text || !*text)
        return false;
    for (; *text; ++text)
        if (*text < '0' || *text > '9')
            return false;
    return true;
}

} // namespace

bool CSensorConfig::updateConfigDataForStd(const char* sentence, MACHINE_TYPE model)
{
    if (!sentence || !DeviceField::HasRightChecksum(sentence))
        return false;
    if (std::strstr(sentence, "$PQLX,R,CFG,")) {
        const CFG_CMD_S cmd = getCFGCommandData(sentence);
        if (cmd.id != 0)
            applyCFGCommandData(cmd, model);
    } else if (std::strstr(sentence, "$AIEPV,R,AI,")) {
        applyEPVData(getEPVData(sentence));
    }
    return false;
}

CFG_CMD_S CSensorConfig::getCFGCommandData(const char* sentence)
{
    CFG_CMD_S cmd{};
    // "$PQLX", status, "CFG", item, sub-item, value, text.
    const CSentenceFields f(sentence, ",,,,,,*", "getCFGCommandData");
    if (!f.isComplete()) {
        Log()->dbgPrintf(DBG_WARNING, "getCFGCommandData", 0, "reply with missing fields ignored: %s",
                         sentence ? sentence : "");
        return cmd;
    }
    if (!IsStatusR(f[1]))
        return cmd;
    CFG_CMD_S read{};
    if (!ReadField(f[3], Int32Min, Int32Max, 0, &read.id) || !ReadField(f[4], Int32Min, Int32Max, 0, &read.subId) ||
        !ReadField(f[5], Int32Min, Int32Max, CfgValueAbsent, &read.value)) {
        Log()->dbgPrintf(DBG_WARNING, "getCFGCommandData", 0,
                         "reply with a field that is no number in its range ignored: %s", sentence);
        return cmd;
    }
    DeviceField::CopyField(read.text, f[6]);
    return read;
}

void CSensorConfig::applyCFGCommandData(const CFG_CMD_S& cmd, MACHINE_TYPE model)
{
    const bool unitK42 = model == MACHINE_UNIT_K_42;
    const bool q375 = model == MACHINE_Q_375;
    switch (cmd.id) {
    case CFG_ITEM_UNIT_K_42:
        if (cmd.subId == CFG_SUB_ALR_UNIT_K_42)
            alrOutput = cmd.value == 0 ? 1 : 0;
        break;
    case CFG_ITEM_Q_375_ALR:
        if (cmd.subId == CFG_SUB_ALR_Q_375 && q375)
            alrOutput = cmd.value == 0 ? 1 : 0;
        break;
    case CFG_ITEM_PORTS:
        if (unitK42 && cmd.subId == CFG_SUB_NMEA1_OUT_BAUD)
            nmea1OutBaud = convBaudRateValue(cmd.value);
        else if (unitK42 && cmd.subId == CFG_SUB_NMEA1_IN_BAUD)
            nmea1InBaud = convBaudRateValue(cmd.value);
        else if (unitK42 && cmd.subId == CFG_SUB_NMEA2_OUT_BAUD)
            nmea2OutBaud = convBaudRateValue(cmd.value);
        else if (unitK42 && cmd.subId == CFG_SUB_NMEA2_IN_BAUD)
            nmea2InBaud = convBaudRateValue(cmd.value);
        else if (q375 && cmd.subId == CFG_SUB_Q_375_PORT_1_BAUD)
            nmea1OutBaud = nmea1InBaud = convBaudRateValue(cmd.value);
        else if (q375 && cmd.subId == CFG_SUB_Q_375_PORT_2_BAUD)
            nmea2OutBaud = nmea2InBaud = convBaudRateValue(cmd.value);
        else if (q375 && cmd.subId == CFG_SUB_NMEA2000_INSTANCE)
            nmea2000Instance = cmd.value >= 0 && cmd.value <= 255 ? cmd.value : 0;
        break;
    case CFG_ITEM_Q_375:
        if (cmd.subId == CFG_SUB_WIFI_MODULE)
            wifiModule = cmd.value == 1;
        break;
    case CFG_ITEM_STATUS:
        applyStatusFlags(cmd);
        break;
    default:
        break;
    }
}

// The text gives n; position k of the n-digit sub-item names a slot, position k of the n-digit
// value is its new value.
void CSensorConfig::applyStatusFlags(const CFG_CMD_S& cmd)
{
    int64_t positions = 0;
    if (!IsDigits(cmd.text) || !DeviceField::ReadInt(cmd.text, 0, StatusDigitsMax, &positions)) {
        Log()->dbgPrintf(DBG_WARNING, "applyCFGCommandData", 0,
                         "CFG 8117 ignored: digit positions \"%s\" are not a number from 0 to %d", cmd.text,
                         static_cast<int>(StatusDigitsMax));
        return;
    }
    int64_t divisor = 1;
    for (int64_t i = 1; i < positions; ++i)
        divisor *= 10;
    int64_t slotDigits = cmd.subId;
    int64_t valueDigits = cmd.value;
    for (int64_t i = 0; i < positions; ++i) {
        const int64_t slot = slotDigits / divisor;
        const int64_t digit = valueDigits / divisor;
        if (slot >= 0 && slot < StatusSlots)
            statusFlags[slot] = static_cast<int32_t>(digit);
        slotDigits -= slot * divisor;
        valueDigits -= digit * divisor;
        divisor /= 10;
    }
}

EPV_S CSensorConfig::getEPVData(const char* sentence)
{
    EPV_S epv{};
    if (!sentence || !I62_CalFieldDelimiter(sentence, 5))
        return epv;
    // "$AIEPV", status, "AI", unique id, property, value.
    const CSentenceFields f(sentence, ",,,,,*", "getEPVData");
    if (!f.isComplete() || !IsStatusR(f[1]))
        return epv;
    EPV_S read{};
    if (!ReadField(f[3], 0, UInt32Max, 0u, &read.uniqueId) || !ReadField(f[4], 0, UInt32Max, 0u, &read.propertyId) ||
        !ReadField(f[5], 0, UInt32Max, 0u, &read.value)) {
        Log()->dbgPrintf(DBG_WARNING, "getEPVData", 0, "reply with a field that is no number in its range ignored: %s",
                         sentence);
        return epv;
    }
    return read;
}

void CSensorConfig::applyEPVData(const EPV_S& epv)
{
    if (epv.propertyId == EPV_MSG27_CHANNEL_A)
        lrChannel1 = static_cast<int32_t>(epv.value);
    else if (epv.propertyId == EPV_MSG27_CHANNEL_B)
        lrChannel2 = static_cast<int32_t>(epv.value);
}

int32_t CSensorConfig::convBaudRateValue(int code)
{
    if (code >= 0 && code < static_cast<int>(BAUD_CODE_COUNT))
        return BAUD_OF_CODE[code];
    Log()->dbgPrintf(DBG_WARNING, "convBaudRateValue", 0, "Baud Value = %d", code);
    return 115200;
}
