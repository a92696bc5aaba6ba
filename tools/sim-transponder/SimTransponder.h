#pragma once

#include "DeviceState.h"
#include "Knobs.h"
#include "LineCutter.h"
#include "NmeaTraffic.h"
#include "SimOutput.h"
#include "SimPort.h"
#include "WiFiModule.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>

namespace Sim {

class CFactorySettings;

struct SSimOptions
{
    // Empty: a pseudo-terminal of its own.
    QString port;
    int model = 2;
    // -1: the model's factory MMSI.
    int64_t mmsi = -1;
    uint32_t seed = 1;
    bool passThrough = false;
    // Empty: the factory scan list.
    QString accessPoints;
    // The Wi-Fi module's values in place of the factory ones: query and value.
    QList<QPair<QByteArray, QByteArray>> wifiValues;
    SSimKnobs knobs;
};

// The transponder: answers the program's queries, takes its "Program Device" sentences, sends
// its own traffic each second, and in pass-through hands every line to its Wi-Fi module.
class CSimTransponder : public QObject
{
    Q_OBJECT

public:
    CSimTransponder(const CFactorySettings& settings, const SSimOptions& options);

    // Loads the model and opens the link; false, with the reason, when either fails.
    bool start(QString* error);
    QString portPath() const { return m_port.path(); }
    SSimKnobs& knobs() { return m_options.knobs; }
    // "sent N dropped M": lines sent and lines the link did not take.
    QByteArray counts() const;

    void onModel(int model);
    void onPassThrough(bool on);
    void onUnplug();
    void onLongRun(qint64 bytes);

private:
    bool loadModel(int model, QString* error);
    void onReceived(const QByteArray& bytes);
    void onSentence(const QByteArray& line);
    void onModuleLine(const QByteArray& line);
    // The Wi-Fi switch sentences; false for any other sentence.
    bool onSwitch(const QByteArray& sentence);
    void onTick();
    // A sentence gets its checksum; a sentence too long for the device is not sent.
    void send(const QByteArray& text, bool logged = true);
    // A line of the Wi-Fi module: plain text, whatever it begins with and however long.
    void sendModuleLine(const QByteArray& text);
    void transmit(const QByteArray& line, bool logged);

    const CFactorySettings& m_settings;
    SSimOptions m_options;
    SDeviceState m_state;
    CWiFiModule m_module;
    CNmeaTraffic m_traffic;
    CSimPort m_port;
    CSimOutput m_output;
    CLineCutter m_cutter;
    QTimer m_tick;
    int64_t m_second = 0;
    QDateTime m_startUtc;
    bool m_passThrough = false;
    bool m_programHeard = false;
};

} // namespace Sim
