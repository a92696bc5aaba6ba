// The device's system-data text: one "key value" or "[key]=value" pair, or a few, per line.
#include "device/CSensorConfig.h"
#include "device/DeviceFields.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr const char* KeyMmsi = "MMSI:(";
constexpr const char* KeyName = "Name:(";
constexpr const char* KeyCallSign = "Call Sign:(";
constexpr const char* KeyCargoLine = "Ship Cargo Type";
constexpr const char* KeyCargo = "Ship Cargo Type:(";
constexpr const char* KeyA = "A:(";
constexpr const char* KeyB = "B:(";
constexpr const char* KeyC = "C:(";
constexpr const char* KeyD = "D:(";
constexpr const char* KeySerial = "S/N:(";
constexpr const char* KeyFirmware = "Firmware:";
constexpr const char* KeyDsc = "DSC Monitor:(";
constexpr const char* KeyFwVersion = "[FwVersion]=";
constexpr const char* KeyWiFiModule = "[WiFiModule]=";
constexpr const char* KeyGpsOnOff = "[GPS_OnOff]=";
constexpr const char* KeyMultipleBaud = "[MultipleBaudRate]=";
constexpr const char* KeyGpsRi = "[GPS_RI]=";
constexpr const char* KeyDynModel = "[GPS_NAV5_dynModel]=";
constexpr const char* KeyEnd = "[SYSTEM DATA END]";

// Where the device's own layout puts the name and DSC keys: "Ship Name:(" and "Set DSC
// Monitor:(". The search text moves on by this much once either key is seen.
constexpr size_t KeyLeadSkip = 4;

constexpr int64_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();
// An MMSI has nine digits; 0 is a device that has none yet.
constexpr int64_t MmsiMax = 999999999;
// The ranges of the AIS static data: ship and cargo type, and the antenna's distances from
// bow and stern (A, B) and from port and starboard (C, D) in metres.
constexpr int64_t ShipTypeMax = 255;
constexpr int64_t BowSternMax = 511;
constexpr int64_t SideMax = 63;
// How much of a refused value the log line shows.
constexpr size_t ExcerptLength = 40;

// The start of a value as the log shows it: control characters as \xHH, cut with "...".
std::string Excerpt(const char* text, size_t length)
{
    std::string shown;
    for (size_t i = 0; i < length && i < ExcerptLength; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (DeviceField::HoldsControl(text + i, 1)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
        } else {
            shown += char(c);
        }
    }
    if (length > ExcerptLength)
        shown += "...";
    return shown;
}

// Marks the value refused, with a log line naming the key and the fault, or sound again.
void Judge(CSensorConfig& config, CSensorConfig::VALUE value, const char* key, const char* fault, const char* text,
           size_t length)
{
    if (!fault) {
        config.refusedValues &= ~uint32_t(value);
        return;
    }
    config.refusedValues |= value;
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, "updateConfigData", 0,
                                                        "value of %s refused, %s: \"%s\"", key, fault,
                                                        Excerpt(text, length).c_str());
}

// The text after the key up to the end marker. The end is searched from the start of the search
// text, so an end that stands before the key takes nothing. The field is cleared whenever the
// key is there, so a shorter value leaves no tail of an earlier one; a value without its end,
// longer than the field or holding a control character is refused and leaves it empty.
template <size_t N>
void TakeText(CSensorConfig& config, CSensorConfig::VALUE value, const char* search, const char* key,
              const char* endMarker, char (&field)[N])
{
    const char* at = std::strstr(search, key);
    if (!at)
        return;
    DeviceField::CopyText(field, nullptr, 0);
    const char* start = at + std::strlen(key);
    const char* end = std::strstr(search, endMarker);
    const size_t rest = std::strlen(start);
    if (!end || end < start) {
        Judge(config, value, key, "its end is missing or before the key", start, rest);
        return;
    }
    const auto length = static_cast<size_t>(end - start);
    if (length > N - 1)
        Judge(config, value, key, "longer than its field", start, length);
    else if (DeviceField::HoldsControl(start, length))
        Judge(config, value, key, "a control character", start, length);
    else {
        DeviceField::CopyText(field, start, length);
        Judge(config, value, key, nullptr, start, length);
    }
}

// The decimal number after the key, up to its ")" for a "(" key or the line end for a "=" key,
// when it is a number within [min, max] and nothing else; otherwise it is refused and the
// field keeps its value. True when a number was taken.
template <typename T>
bool TakeNumber(CSensorConfig& config, CSensorConfig::VALUE value, const char* search, const char* key, int64_t min,
                int64_t max, T* field)
{
    const char* at = std::strstr(search, key);
    if (!at)
        return false;
    const size_t keyLength = std::strlen(key);
    const char* start = at + keyLength;
    const bool bracketed = key[keyLength - 1] == '(';
    const size_t length = std::strcspn(start, bracketed ? ")" : "\r\n");
    if (bracketed && start[length] != ')') {
        Judge(config, value, key, "its end is missing", start, length);
        return false;
    }
    if (!DeviceField::ReadNumber(start, length, min, max, field)) {
        Judge(config, value, key, "not a number in its range", start, length);
        return false;
    }
    Judge(config, value, key, nullptr, start, length);
    return true;
}

} // namespace

bool CSensorConfig::updateConfigData(const char* line)
{
    if (!line)
        return false;
    const char* search = line;

    if (std::strstr(search, KeyMmsi)) {
        if (!TakeNumber(*this, VALUE_MMSI, search, KeyMmsi, 0, MmsiMax, &mmsi))
            mmsi = 0;
        mmsiValid = mmsi != 0;
    }
    if (std::strstr(search, KeyName)) {
        DeviceField::CopyText(shipName, nullptr, 0);
        search += KeyLeadSkip;
        TakeText(*this, VALUE_SHIP_NAME, search, KeyName, ")", shipName);
    }
    TakeText(*this, VALUE_CALL_SIGN, search, KeyCallSign, ")\r\n", callSign);
    if (std::strstr(search, KeyCargoLine)) {
        TakeNumber(*this, VALUE_SHIP_TYPE, search, KeyCargo, 0, ShipTypeMax, &shipType);
        TakeNumber(*this, VALUE_DIM_A, search, KeyA, 0, BowSternMax, &dimA);
        TakeNumber(*this, VALUE_DIM_B, search, KeyB, 0, BowSternMax, &dimB);
        TakeNumber(*this, VALUE_DIM_C, search, KeyC, 0, SideMax, &dimC);
        TakeNumber(*this, VALUE_DIM_D, search, KeyD, 0, SideMax, &dimD);
    }
    TakeText(*this, VALUE_SERIAL_NUMBER, search, KeySerial, ")\r\n", serialNumber);
    TakeText(*this, VALUE_FIRMWARE, search, KeyFirmware, "\r\n", firmware);
    if (std::strstr(search, KeyDsc)) {
        DeviceField::CopyText(dscMonitor, nullptr, 0);
        search += KeyLeadSkip;
        TakeText(*this, VALUE_DSC_MONITOR, search, KeyDsc, ")", dscMonitor);
    }
    TakeText(*this, VALUE_FW_VERSION, search, KeyFwVersion, "\r\n", fwVersion);

    int32_t number = 0;
    if (TakeNumber(*this, VALUE_WIFI_MODULE, search, KeyWiFiModule, Int32Min, Int32Max, &number))
        wifiModule = number == 2;
    if (TakeNumber(*this, VALUE_GPS_ON, search, KeyGpsOnOff, Int32Min, Int32Max, &number)) {
        gpsOn = number == 1;
        gpsOnCopy = gpsOn;
    }
    TakeNumber(*this, VALUE_MULTIPLE_BAUD_RATE, search, KeyMultipleBaud, Int32Min, Int32Max, &multipleBaudRate);
    if (TakeNumber(*this, VALUE_GPS_UPDATE_RATE, search, KeyGpsRi, Int32Min, Int32Max, &number))
        gpsUpdateRate = gpsOn ? number : 0;
    TakeNumber(*this, VALUE_GPS_DYN_MODEL, search, KeyDynModel, Int32Min, Int32Max, &gpsDynModel);
    return std::strstr(search, KeyEnd) != nullptr;
}
