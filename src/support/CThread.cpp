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
