#pragma once

#include "device/DeviceSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Four (identifier, value) pairs of a settings sentence, in order.
struct DBG_CMD_PARAM
{
    static constexpr int PairCount = 4;
    int32_t param[PairCount * 2] = {};
};

// The sentences the program sends to the transponder, built from values. Each builder returns
// the finished line: a text that goes into a field escaped, the whole closed by the codec's
// checksum ("*", two upper-case hexadecimal digits, CR LF). Empty when the line would not fit
// the buffer of SentenceSize bytes that the device's sentences are built in.
namespace DeviceSentence {

constexpr size_t SentenceSize = 256;

// Each of "!$*,\^~" becomes "^" and the two upper-case hexadecimal digits of its code.
[[nodiscard]] std::string escapeReserved(const std::string& text);
// The same into a buffer of the given size; stops before a character whose escape would not
// fit with the terminating NUL, and is false then.
[[nodiscard]] bool escapeReserved(char* out, size_t outSize, const char* in);

// "$AIAIQ,VER": the device names itself.
[[nodiscard]] std::string versionQuery();
// "!AIAIQ,EPV": the equipment properties.
[[nodiscard]] std::string propertyQuery();
// "$PTST,,,,,n": the system-data text.
[[nodiscard]] std::string systemDataQuery(unsigned short testNumber);
// "$PQLX,C,CFG," (command) or "$PQLX,Q,CFG," (query) with the item, then the sub-item and the
// value, or two empty fields for CFG_SUB_NONE.
[[nodiscard]] std::string cfgSentence(bool command, int32_t item, CFG_DEVICE_MODEL sub, int32_t value);
// "$PQLX,C,DBG," or "$PQLX,Q,DBG,", then the first `count` pairs; the rest of the four empty.
[[nodiscard]] std::string dbgSentence(bool command, const DBG_CMD_PARAM& params, int count);
// "$PDBG," and the four pairs.
[[nodiscard]] std::string settingsSentence(const DBG_CMD_PARAM& params);
// "$PDBG,163,1" into the Wi-Fi module's configuration mode, "$PDBG,163,0" back to sentences.
[[nodiscard]] std::string wifiCfgModeSentence(bool on);
// "$PQLX,C,MID,": the MMSI of a device that has none.
[[nodiscard]] std::string mmsiSentence(int32_t mmsi);
// "$PMID,".
[[nodiscard]] std::string pmidSentence(int32_t mmsi);
// "$ECSSD": call sign and ship's name escaped, then the antenna position A, B, C, D.
[[nodiscard]] std::string staticDataSentence(const std::string& callSign, const std::string& shipName, int32_t a,
                                             int32_t b, int32_t c, int32_t d);
// "$ECVSD" with the ship and cargo type only.
[[nodiscard]] std::string shipTypeSentence(int32_t shipType);
// "$AIEPV,C,AI,": an equipment property of the station with the MMSI, written as nine digits.
[[nodiscard]] std::string propertySentence(int32_t mmsi, int32_t property, int32_t value);

} // namespace DeviceSentence
