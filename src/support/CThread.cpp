#include "support/CThread.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

CThread::CThread(QObject* parent, bool running)
    : QThread(parent)
    , m_running(running)
{
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
