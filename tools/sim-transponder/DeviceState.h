#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <cstdint>

namespace Sim {

class CFactorySettings;

// One configuration item's value, as "$PQLX,R,CFG," reports it.
struct SCfgEntry
{
    int item = 0;
    int sub = 0;
    int value = 0;
    QByteArray text;
};

// One equipment property, as "$AIEPV,R,AI," reports it.
struct SEpvEntry
{
    int property = 0;
    int value = 0;
};

// What the transponder knows about itself and its vessel: the source of every reply and the
// target of every programming sentence.
struct SDeviceState
{
    int model = 0;
    QByteArray version;
    uint32_t mmsi = 0;
    QByteArray name;
    QByteArray callSign;
    int shipType = 0;
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
    QByteArray serial;
    QByteArray firmware;
    QByteArray fwVersion;
    int dsc = 0;
    bool gpsOn = true;
    int gpsRate = 0;
    int multipleBaudRate = 0;
    int dynModel = 0;
    QVector<SCfgEntry> cfg;
    QVector<SEpvEntry> epv;

    SCfgEntry* findCfg(int item, int sub);
    SEpvEntry* findEpv(int property);
    // A model with a Wi-Fi module reports 1 in item 600, sub-item 11.
    bool hasWiFiModule() const;
};

// The factory state of a model; false, with the reason, when the settings lack or garble it.
bool LoadDeviceState(const CFactorySettings& settings, int model, SDeviceState* state, QString* error);

} // namespace Sim
