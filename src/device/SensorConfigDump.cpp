// The device's system-data text: one "key value" or "[key]=value" pair, or a few, per line.
#include "device/CSensorConfig.h"
#include "device/DeviceFields.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstring>
#include <limits>

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

// The text after the key up to the end marker. The end is searched from the start of the search
// text, so an end that stands before the key copies nothing. The field is cleared whenever the
// key is there, so a shorter value leaves no tail of an earlier one.
template <size_t N>
void TakeText(const char* search, const char* key, const char* endMarker, char (&field)[N])
{
    const char* at = std::strstr(search, key);
    if (!at)
        return;
    DeviceField::CopyText(field, nullptr, 0);
    const char* end = std::strstr(search, endMarker);
    if (!end)
        return;
    const ptrdiff_t length = end - at - static_cast<ptrdiff_t>(std::strlen(key));
    if (length >= 0)
        DeviceField::CopyText(field, at + std::strlen(key), static_cast<size_t>(length));
}

// The decimal number after the key, when the key is there and the number within [min, max];
// out of range it is logged and the field keeps its value. True when a number was taken.
template <typename T>
bool TakeNumber(const char* search, const char* key, int64_t min, int64_t max, T* field)
{
    const char* at = std::strstr(search, key);
    if (!at)
        return false;
    if (DeviceField::ReadInt(at + std::strlen(key), min, max, field))
        return true;
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, "updateConfigData", 0,
                                                        "value of %s out of range: ignored", key);
    return false;
}

} // namespace

bool CSensorConfig::updateConfigData(const char* line)
{
    if (!line)
        return false;
    const char* search = line;

    if (TakeNumber(search, KeyMmsi, 0, std::numeric_limits<uint32_t>::max(), &mmsi))
        mmsiValid = mmsi != 0;
    if (std::strstr(search, KeyName)) {
        DeviceField::CopyText(shipName, nullptr, 0);
        search += KeyLeadSkip;
        TakeText(search, KeyName, ")", shipName);
    }
    TakeText(search, KeyCallSign, ")\r\n", callSign);
    if (std::strstr(search, KeyCargoLine)) {
        TakeNumber(search, KeyCargo, Int32Min, Int32Max, &shipType);
        TakeNumber(search, KeyA, Int32Min, Int32Max, &dimA);
        TakeNumber(search, KeyB, Int32Min, Int32Max, &dimB);
        TakeNumber(search, KeyC, Int32Min, Int32Max, &dimC);
        TakeNumber(search, KeyD, Int32Min, Int32Max, &dimD);
    }
    TakeText(search, KeySerial, ")\r\n", serialNumber);
    TakeText(search, KeyFirmware, "\r\n", firmware);
    if (std::strstr(search, KeyDsc)) {
        DeviceField::CopyText(dscMonitor, nullptr, 0);
        search += KeyLeadSkip;
        TakeText(search, KeyDsc, ")", dscMonitor);
    }
    TakeText(search, KeyFwVersion, "\r\n", fwVersion);

    int32_t number = 0;
    if (TakeNumber(search, KeyWiFiModule, Int32Min, Int32Max, &number))
        wifiModule = number == 2;
    if (TakeNumber(search, KeyGpsOnOff, Int32Min, Int32Max, &number)) {
        gpsOn = number == 1;
        gpsOnCopy = gpsOn;
    }
    TakeNumber(search, KeyMultipleBaud, Int32Min, Int32Max, &multipleBaudRate);
    if (TakeNumber(search, KeyGpsRi, Int32Min, Int32Max, &number))
        gpsUpdateRate = gpsOn ? number : 0;
    TakeNumber(search, KeyDynModel, Int32Min, Int32Max, &gpsDynModel);
    return std::strstr(search, KeyEnd) != nullptr;
}
