#pragma once

#include "device/DeviceTypes.h"

#include <cstddef>
#include <cstdint>

// One "$PQLX,R,CFG," reply.
struct CFG_CMD_S
{
    static constexpr size_t TextRoom = 100;

    int32_t id;
    int32_t subId;
    int32_t value;
    char text[TextRoom]; // cut to 99 characters
};

// One "$AIEPV,R,AI," reply.
struct EPV_S
{
    uint32_t uniqueId; // the MMSI
    uint32_t propertyId;
    uint32_t value;
};

// The transponder's configuration as the program knows it: a plain record, copied by value,
// with the parsers that fill it from the device's system-data text and its replies. Constructed
// with every field 0 and every text empty, the CFG 8117 slots -1. Text fields always end in a NUL
// within their width.
class CSensorConfig
{
public:
    static constexpr int StatusSlots = 5;
    static constexpr int32_t StatusNotReported = -1;
    // The values of the system data, by key, as bits of refusedValues.
    enum VALUE : uint32_t
    {
        VALUE_MMSI = 1u << 0,
        VALUE_SHIP_NAME = 1u << 1,
        VALUE_CALL_SIGN = 1u << 2,
        VALUE_SHIP_TYPE = 1u << 3,
        VALUE_DIM_A = 1u << 4,
        VALUE_DIM_B = 1u << 5,
        VALUE_DIM_C = 1u << 6,
        VALUE_DIM_D = 1u << 7,
        VALUE_SERIAL_NUMBER = 1u << 8,
        VALUE_FIRMWARE = 1u << 9,
        VALUE_DSC_MONITOR = 1u << 10,
        VALUE_FW_VERSION = 1u << 11,
        VALUE_WIFI_MODULE = 1u << 12,
        VALUE_GPS_ON = 1u << 13,
        VALUE_MULTIPLE_BAUD_RATE = 1u << 14,
        VALUE_GPS_UPDATE_RATE = 1u << 15,
        VALUE_GPS_DYN_MODEL = 1u << 16,
    };
    // The CFG 8117 slots that the Diagnostics page reads; 1 means the condition is present.
    enum STATUS_SLOT
    {
        STATUS_POWER_OK = 1,
        STATUS_TX_TIMEOUT = 2,
        STATUS_ERROR = 3,
        STATUS_SILENT_MODE = 4,
    };

    // As constructed, except that the CFG 8117 slots keep their values.
    void initial();
    void assign(const CSensorConfig* other);
    // Back to not reported: the CFG 8117 slots, MMSI present, serial number and firmware (and
    // their refusals).
    void initDiagnoseInfo();

    // One line of the system-data text, of any length; true when it holds "[SYSTEM DATA END]".
    // A value that is not what its key promises is refused with a log line: a number with
    // other characters or outside its range, an MMSI of more than nine digits, a text without
    // its end, longer than its field or holding a control character. A refused text or MMSI is
    // cleared, a refused number keeps its last value; either is marked until the key brings a
    // sound value.
    bool updateConfigData(const char* line);
    bool isRefused(VALUE value) const { return (refusedValues & value) != 0; }
    // A "$PQLX" or "$AIEPV" sentence with a right checksum: its configuration item or equipment
    // property is applied. Always false.
    bool updateConfigDataForStd(const char* sentence, MACHINE_TYPE model);

    // All zero (item 0, applied nowhere) when the reply is not of status "R", lacks fields or
    // holds a number outside its range.
    static CFG_CMD_S getCFGCommandData(const char* sentence);
    void applyCFGCommandData(const CFG_CMD_S& cmd, MACHINE_TYPE model);
    // All zero (property 0) unless the reply is of status "R" with exactly five commas and
    // numbers within 32 bits.
    static EPV_S getEPVData(const char* sentence);
    void applyEPVData(const EPV_S& epv);
    // The bits per second of a device baud code; an unknown code is logged and gives 115200.
    static int32_t convBaudRateValue(int code);

    // Whether the fields that the Configuration page shows differ: all but the CFG 8117 slots
    // and MMSI present, the ALR setting only as zero or not; the refusals count.
    bool differsOnPage(const CSensorConfig& other) const;
    // Every field, every byte of the texts included.
    bool operator==(const CSensorConfig& other) const;
    bool operator!=(const CSensorConfig& other) const { return !(*this == other); }

    int32_t alrOutput = 0; // 1 when the device reports 0 for its ALR item
    uint32_t mmsi = 0;
    char shipName[23] = {};
    char callSign[9] = {};
    int32_t shipType = 0;
    int32_t dimA = 0; // GPS antenna position, metres
    int32_t dimB = 0;
    int32_t dimC = 0;
    int32_t dimD = 0;
    char serialNumber[16] = {};
    char firmware[25] = {};
    bool gpsOn = false;
    char dscMonitor[2] = {}; // "1" on
    int32_t lrChannel1 = 0;   // Message 27 channel A, equipment property 109
    int32_t lrChannel2 = 0;   // Message 27 channel B, equipment property 110
    int32_t nmea1OutBaud = 0; // bits per second
    int32_t nmea1InBaud = 0;
    int32_t nmea2OutBaud = 0;
    int32_t nmea2InBaud = 0;
    int32_t nmea2000Instance = 0; // 0 to 255
    char fwVersion[26] = {};
    bool wifiModule = false;
    int32_t multipleBaudRate = 0;
    int32_t gpsUpdateRate = 0; // 0 while the GPS is off
    int32_t gpsDynModel = 0;
    bool gpsOnCopy = false;
    int32_t statusFlags[StatusSlots] = {StatusNotReported, StatusNotReported, StatusNotReported, StatusNotReported,
                                        StatusNotReported};
    bool mmsiValid = false;
    uint32_t refusedValues = 0; // VALUE bits

private:
    void applyStatusFlags(const CFG_CMD_S& cmd);
};
