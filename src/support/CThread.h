#pragma once

#include <mutex>
#include <QThread>
#include <condition_variable>

// The thread in which the communication layer runs its event loop. run() is QThread's:
// an event loop. The owner stops the thread before deleting it.
class CThread : public QThread
{
    Q_OBJECT

public:
    CThread(QObject* parent, bool running);
    ~CThread() override;

    // Ends the event loop and waits up to waitMs for the thread to finish. Only a thread that
    // does not finish in time is terminated, with a log line first. True when it finished.
    bool stop(unsigned long waitMs);

signals:
    void signalStart();
    void signal();

private:
    std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_running;
    bool m_stop = false;
};
