#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class AisConfiguration;

// Watches the window's device link once a second. While connected it waits; when the link is
// gone it notes whether the window said so (its Connect button released), releases it itself
// when not, and presses Connect again once the port is back. Each event is a line on stdout
// with the seconds since start; so is the resident memory every ten seconds.
class CSoakDriver : public QObject
{
public:
    struct SCounts
    {
        int losses = 0;
        int reportedLosses = 0;
        int reconnects = 0;
        int identified = 0;
    };

    CSoakDriver(AisConfiguration& window, const QString& portPath);
    const SCounts& counts() const { return m_counts; }

private:
    enum class STEP { IDLE, CONNECTING, CONNECTED, LOST };

    void onTick();
    bool pressConnect();
    void say(const QString& text) const;

    AisConfiguration& m_window;
    QString m_portPath;
    QTimer m_tick;
    QElapsedTimer m_clock;
    STEP m_step = STEP::IDLE;
    qint64 m_stepSince = 0;
    bool m_identifiedThisLink = false;
    // Said once per wait that the window offers no way to connect.
    bool m_stuckReported = false;
    qint64 m_lastMemoryReport = -1;
    SCounts m_counts;
};
