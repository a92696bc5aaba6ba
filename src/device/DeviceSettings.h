#pragma once

#include <cstddef>
#include <cstdint>

// The numbers by which the transponder names its settings: configuration items and their
// sub-items ("$PQLX,?,CFG,"), settings identifiers ("$PDBG" and "$PQLX,C,DBG,"), equipment
// properties ("$AIEPV"), and the codes of its values. Each number has this one name.

// Configuration items.
enum CFG_ITEM : int32_t
{
    CFG_ITEM_Q_375_ALR = 31,   // the Q-375's ALR output, sub-item CFG_SUB_ALR_Q_375
    CFG_ITEM_UNIT_K_42 = 108,  // the UNIT-K-42's own settings, its ALR output among them
    CFG_ITEM_PORTS = 183,      // port baud codes; the Q-375's NMEA 2000 device instance
    CFG_ITEM_Q_375 = 600,      // the Q-375's own settings, its Wi-Fi module among them
    CFG_ITEM_STATUS = 8117,    // the status slots that the Diagnostics page reads
};

// The sub-item of a configuration item; CFG_SUB_NONE leaves both fields of a sentence empty.
enum CFG_DEVICE_MODEL : int32_t
{
    CFG_SUB_NONE = -1,
    CFG_SUB_Q_375_PORT_1_BAUD = 1, // item 183
    CFG_SUB_Q_375_PORT_2_BAUD = 2, // item 183
    CFG_SUB_ALR_UNIT_K_42 = 6,     // item 108
    CFG_SUB_ALR_Q_375 = 7,         // item 31
    CFG_SUB_NMEA1_OUT_BAUD = 10,   // item 183, UNIT-K-42
    CFG_SUB_NMEA1_IN_BAUD = 11,    // item 183, UNIT-K-42
    CFG_SUB_WIFI_MODULE = 11,      // item 600: 1 when the device has one
    CFG_SUB_NMEA2_OUT_BAUD = 20,   // item 183, UNIT-K-42
    CFG_SUB_NMEA2_IN_BAUD = 21,    // item 183, UNIT-K-42
    CFG_SUB_NMEA2000_INSTANCE = 2000, // item 183, Q-375
};

// Identifiers of the settings pairs of "$PDBG".
enum PDBG_SETTING : int32_t
{
    PDBG_NMEA2_IN_BAUD = 38,
    PDBG_NMEA2_OUT_BAUD = 39,
    PDBG_NMEA1_IN_BAUD = 40,
    PDBG_NMEA1_OUT_BAUD = 42,
    PDBG_GPS_OFF = 50,         // 1 switches the GPS off
    PDBG_GPS_UPDATE_RATE = 51, // seconds
    PDBG_DSC_MONITOR = 101,    // 1 on
    PDBG_WIFI_CFG_MODE = 163,  // 1 passes the link through to the Wi-Fi module, 0 back to sentences
    PDBG_GPS_DYN_MODEL = 703,  // a GPS_DYN_MODEL
};

// Identifiers of the settings pairs of "$PQLX,C,DBG,": the Q-375's two ports.
enum DBG_SETTING : int32_t
{
    DBG_PORT_1_BAUD = 40,
    DBG_PORT_2_BAUD = 41,
};

// Equipment properties of "$AIEPV".
enum EPV_PROPERTY : int32_t
{
    EPV_MSG27_CHANNEL_A = 109,
    EPV_MSG27_CHANNEL_B = 110,
};

// The long-range channels that Message 27 uses when it is on; both 0 when it is off.
constexpr int32_t MSG27_CHANNEL_A = 75;
constexpr int32_t MSG27_CHANNEL_B = 76;

enum GPS_DYN_MODEL : int32_t
{
    GPS_DYN_MODEL_HIGH_ALTITUDE = 4, // above 500 m
    GPS_DYN_MODEL_SEA_LEVEL = 5,
};

// The device's codes of its port baud rates.
enum BAUD_CODE : int32_t
{
    BAUD_CODE_115200 = 0,
    BAUD_CODE_57600 = 1,
    BAUD_CODE_38400 = 2,
    BAUD_CODE_19200 = 3,
    BAUD_CODE_14400 = 4,
    BAUD_CODE_9600 = 5,
    BAUD_CODE_4800 = 6,
};

// The bits per second of each baud code, by code.
constexpr int32_t BAUD_OF_CODE[] = {115200, 57600, 38400, 19200, 14400, 9600, 4800};
constexpr size_t BAUD_CODE_COUNT = sizeof BAUD_OF_CODE / sizeof BAUD_OF_CODE[0];

// The device's code of a rate in bits per second; -1 for a rate it has no code for. The page
// offers 38400, 9600 and 4800, but a rate the device reported and the user left goes back too.
[[nodiscard]] constexpr int32_t programmableBaudCode(int32_t baudRate)
{
    for (size_t code = 0; code < BAUD_CODE_COUNT; ++code) {
        if (BAUD_OF_CODE[code] == baudRate)
            return int32_t(code);
    }
    return -1;
}

// The test number of the "$PTST" that ends the query set: the device answers it with its
// system-data text.
constexpr unsigned short QUERY_CLOSING_NUMBER = 16;
