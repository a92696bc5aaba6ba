#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace Sim {

// SIGINT, SIGTERM and SIGHUP end the event loop in order (so the counts are reported), and the
// simulator ends with the process that started it.
class CExitSignals : public QObject
{
    Q_OBJECT

public:
    // False when the signals cannot be caught.
    bool install();

signals:
    void signalExit();

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace Sim
