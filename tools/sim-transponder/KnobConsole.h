#pragma once

#include "LineCutter.h"

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace Sim {

struct SSimKnobs;

// Commands on stdin, one a line: a knob and "on" or "off" (split, bad-checksums, silence,
// ignore-switch, no-dump-end), "rate-factor N", "passthrough on|off", "model N", "unplug",
// "long-run BYTES", "count" and "quit". When stdin ends the simulator goes on without it.
class CKnobConsole : public QObject
{
    Q_OBJECT

public:
    explicit CKnobConsole(SSimKnobs& knobs);
    void start();

signals:
    void signalModel(int model);
    void signalPassThrough(bool on);
    void signalUnplug();
    void signalLongRun(qint64 bytes);
    void signalCount();
    void signalQuit();

private:
    void onReadable();
    void onCommand(const QByteArray& line);
    // False for a command it does not know.
    bool execute(const QByteArrayList& words);
    bool setSwitch(const QByteArray& name, bool on);

    SSimKnobs& m_knobs;
    CLineCutter m_cutter;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace Sim
