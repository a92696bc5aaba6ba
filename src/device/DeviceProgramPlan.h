#pragma once

#include "device/CSensorConfig.h"
#include "device/DeviceTypes.h"

#include <cstdint>
#include <string>
#include <vector>

// Program Device as the transponder takes it: what it refuses, and the sentences that write a
// configuration record to it, one plan per model. `shown` is the record as the device last
// reported it and the page showed it, `written` the record with the page's values over it.
namespace DeviceProgram {

// One port rate that a model's programming writes: its settings identifier and the field that
// holds the rate.
struct SPortBaud
{
    int32_t id;
    int32_t CSensorConfig::*field;
};

// The model's port rates in the order they are written; none for a model that is not known.
[[nodiscard]] const std::vector<SPortBaud>& portBauds(MACHINE_TYPE model);

enum REFUSAL : int
{
    REFUSAL_NONE = 0,
    REFUSAL_SHIP_NAME_BLANK = 1, // the device has a name, the page none
    REFUSAL_CALL_SIGN_BLANK = 2, // the device has a call sign, the page none
    REFUSAL_MMSI_RANGE = 3,      // the device has no MMSI, the page's is outside 200000000 to 799999999
    REFUSAL_BAUD_RATE = 4,       // a port rate that the device takes no code for
    REFUSAL_TOO_LONG = 5,        // a sentence would pass MaxSentenceLength once its texts are escaped
};

// The longest sentence IEC 61162-1 allows, from its "$" to its CR LF: a device may drop a
// longer one.
constexpr size_t MaxSentenceLength = 82;

// The settings Program Device writes, to name the ones the device did not take.
enum SETTING : int
{
    SETTING_SHIP_NAME,
    SETTING_CALL_SIGN,
    SETTING_MMSI,
    SETTING_SHIP_TYPE,
    SETTING_DIM_A,
    SETTING_DIM_B,
    SETTING_DIM_C,
    SETTING_DIM_D,
    SETTING_DSC_MONITOR,
    SETTING_GPS_UPDATE_RATE,
    SETTING_GPS_DYN_MODEL,
    SETTING_ALR,
    SETTING_PORT_BAUD, // with the rate's field
    SETTING_NMEA2000_INSTANCE,
    SETTING_MSG27,
};

struct SSetting
{
    SETTING setting;
    // The rate's field, for SETTING_PORT_BAUD.
    int32_t CSensorConfig::*baudField = nullptr;
};

struct SCheck
{
    REFUSAL refusal = REFUSAL_NONE;
    // The rate's field, for REFUSAL_BAUD_RATE.
    int32_t CSensorConfig::*baudField = nullptr;
    // For REFUSAL_TOO_LONG: the texts that grow by their escapes; none when a sentence
    // without texts is too long.
    std::vector<SETTING> escapedTexts;
};

// The first refusal in the order of REFUSAL; an empty field is accepted while the device has
// no value for it either, and the MMSI range is checked only while the device has none.
[[nodiscard]] SCheck check(MACHINE_TYPE model, const CSensorConfig& shown, const CSensorConfig& written);

// The settings of the plan whose values the device's read-back does not hold, in the order
// they are written: the texts byte for byte, the ALR setting as zero or not.
[[nodiscard]] std::vector<SSetting> untaken(MACHINE_TYPE model, const CSensorConfig& shown,
                                            const CSensorConfig& written, const CSensorConfig& readBack);

// The sentences in the order they are sent: the vessel's static data, the MMSI while the device
// has none, the ship type and the general settings; then, by model, the ALR setting and the
// port rates, for the Q-375 also the NMEA 2000 device instance and the Message 27 channels. A
// model that is not known gets the first part only. check() comes first: a rate without a code
// would go out as -1.
[[nodiscard]] std::vector<std::string> plan(MACHINE_TYPE model, const CSensorConfig& shown,
                                            const CSensorConfig& written);

} // namespace DeviceProgram
