#pragma once

// The device model, as its version sentence names it.
enum MACHINE_TYPE : int
{
    MACHINE_UNKNOWN = 0,
    MACHINE_UNIT_K_42 = 1,
    MACHINE_Q_375 = 2,
};

// How far the detection of the connected device has come; the main window's refresh loop acts
// on it. Nothing sets 3 or 4.
enum COMM_VELK_DEV_STATE : int
{
    DEV_STATE_INITIAL = 0,
    DEV_STATE_MODEL_KNOWN = 1,
    DEV_STATE_SYSTEM_DATA_END = 2,
    DEV_STATE_CONFIG_SHOWN = 5,
    DEV_STATE_LINK_SAVED = 6,
};

constexpr const char* MODEL_TEXT_UNIT_K_42 = "UNIT-K-42";
constexpr const char* MODEL_TEXT_Q_375 = "Q-375";
