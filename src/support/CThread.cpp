#include "support/CThread.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

CThread::CThread(QObject* parent, bool running)
    : QThread(parent)
    , m_running(running)
{
    // The thread's last act takes our own lock, and so does whoever waited for it: QThread::wait
    // orders the end through Qt's lock, which ThreadSanitizer cannot see, so without this the
    // thread's own reads of this object would look unordered with its deletion.
    connect(
        this, &QThread::finished, this, [this] { std::lock_guard<std::mutex> lock(m_mutex); },
        Qt::DirectConnection);
}

CThread::~CThread()
{
    SysDebug* log = Pattern::Singleton<SysDebug>::Instance();
    const QByteArray name = objectName().toLocal8Bit();
    log->dbgPrintf(DBG_LEAVE, "~CThread", 0, "Name:%s Start", name.constData());

    m_stop = true;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
    }
    m_condition.notify_all();

    wait();
    { std::lock_guard<std::mutex> lock(m_mutex); } // after the thread's last act (constructor)
    log->dbgPrintf(DBG_LEAVE, "~CThread", 0, "Name:%s End", name.constData());
}

bool CThread::stop(unsigned long waitMs)
{
    quit();
    if (wait(waitMs))
        return true;
    const QByteArray name = objectName().toLocal8Bit();
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_CRITICAL, "stop", 0,
                                                        "Name:%s did not stop within %lu ms, terminated.",
                                                        name.constData(), waitMs);
    terminate();
    wait();
    return false;
}
