#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <cstdint>

namespace Sim {

// The faults and paces the simulator can be told to play, from its command line or its stdin.
struct SSimKnobs
{
    // Each line goes out in pieces cut at random bytes, a few milliseconds apart.
    bool split = false;
    // Every sentence carries a wrong checksum.
    bool badChecksums = false;
    // Nothing goes out; received lines are still read and applied.
    bool silence = false;
    // The Wi-Fi switch is not answered, as by a device without a module.
    bool ignoreSwitch = false;
    // The system data ends without its end line.
    bool noDumpEnd = false;
    // The Wi-Fi module echoes each line but never answers it.
    bool wifiUnfinished = false;
    // The version reply is cut after its first field: no model can be read from it.
    bool cutVersion = false;
    // Settings sentences are read and logged but change nothing, as a device that refuses them.
    bool ignoreSettings = false;
    // A simulated second of traffic lasts 1/rateFactor real seconds.
    int rateFactor = 1;
    // Bytes sent without a line end once the program's first line has come; 0 for none.
    int64_t longRun = 0;
    // The system data reports these raw values in place of its own: key (as the device prints
    // it, "MMSI", "Ship Name", "GPS_RI", ...) and the bytes that follow it.
    QList<QPair<QByteArray, QByteArray>> dumpValues;
};

constexpr int MaxRateFactor = 1000;
constexpr int64_t MaxLongRun = int64_t(1) << 40;

} // namespace Sim
