#pragma once

#include <mutex>
#include <QThread>
#include <condition_variable>

// The thread in which the communication layer runs its event loop. run() is QThread's:
// an event loop. The owner quits the loop before deleting the thread.
class CThread : public QThread
{
    Q_OBJECT

public:
    CThread(QObject* parent, bool running);
    ~CThread() override;

signals:
    void signalStart();
    void signal();

private:
    std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_running;
    bool m_stop = false;
};
