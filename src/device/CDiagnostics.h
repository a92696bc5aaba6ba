#pragma once

#include <cstdint>

// What the Diagnostics page shows besides the configuration: the GPS fix and the AIS sentences
// that the device reported, per channel.
class CDiagnostics
{
public:
    enum CHANNEL_INDEX
    {
        CHANNEL_A = 0,
        CHANNEL_B = 1,
    };

    void clearTxRxDiagnostics();
    void setGpsFix(bool fixed) { gpsFix = fixed; }
    // An own transmission counts on channel A or B only; a received sentence on any channel
    // other than A, an empty one included, counts on B.
    void updateRxTxStatistics(bool own, char channel);

    bool gpsFix = false;
    uint32_t rxCount[2] = {}; // received, channel A then B
    uint32_t txCount[2] = {}; // own transmissions, channel A then B
};
