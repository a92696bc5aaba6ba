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
    m_mutex.lock();
    m_running = false;
    m_mutex.unlock();
    m_condition.wakeAll();

    wait();
    log->dbgPrintf(DBG_LEAVE, "~CThread", 0, "Name:%s End", name.constData());
}
