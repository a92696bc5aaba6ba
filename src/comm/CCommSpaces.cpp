#include "comm/CCommSpaces.h"

#include "comm/CSerialPort.h"
#include "comm/CommIni.h"
#include "support/CThread.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <exception>

using namespace COMM;

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

} // namespace

CCommSpaces::CCommSpaces(bool buildLog, QObject* parent)
    : QObject(parent)
    , m_buildLog(buildLog)
{
    setObjectName(QStringLiteral("CommSpaces"));
    qRegisterMetaType<COMM::CCommData*>("COMM::CCommData*");
    qRegisterMetaType<COMM::CLogListener*>("COMM::CLogListener*");
}

CCommSpaces::~CCommSpaces()
{
    Log()->dbgPrintf(DBG_LEAVE, "~CCommSpaces", 0, "%s", "Start");
    if (m_thread && m_thread->isRunning()) {
        Log()->dbgPrintf(DBG_ERROR, "~CCommSpaces", 0, "%s", "The thread still runs: end() was not called.");
        m_endFlag = true;
        stopThread();
    }
    disconnect();
    m_logListener = nullptr;
    Log()->dbgPrintf(DBG_LEAVE, "~CCommSpaces", 0, "%s", "End");
    // Normally the shutdown tick has emptied the list; the thread no longer runs in any case.
    m_commList.clear();
}

bool CCommSpaces::isCommThread() const
{
    return m_thread && QThread::currentThread() == m_thread;
}

bool CCommSpaces::initCommSpaceTh()
{
    if (m_thread) {
        Log()->dbgPrintf(DBG_ERROR, "initCommSpaceTh", 0, "%s", "The thread is already exist.");
        return false;
    }
    try {
        m_thread = new CThread(this, true);
        m_thread->setObjectName(QStringLiteral("CommSpaces Thread"));
        // Made here and handed to the thread, so that end() can always reach the thread through it.
        m_timer = new QTimer;
        m_timer->moveToThread(m_thread);
        commInitThreadReady(m_thread);
        // Connected after the hook, so that it runs after any finished() slot the application
        // connected there: end() frees those slots when it cuts the thread's connections.
        connect(
            m_thread, &QThread::finished, this,
            [this] {
                // The thread's last act, under a std::mutex so that race checkers see everything
                // it did as done before end() or the destructor go on. Taken before the timer is
                // touched: end() reads the timer before it takes this lock.
                std::lock_guard<std::mutex> lock(m_endMutex);
                delete m_timer;
                m_timer = nullptr;
                m_threadEnded = true;
            },
            Qt::DirectConnection);
        connect(m_thread, &QThread::started, this, &CCommSpaces::onCommThStarted, Qt::DirectConnection);
        m_thread->start(QThread::InheritPriority);
        return true;
    } catch (const std::exception& e) {
        Log()->dbgPrintf(DBG_CRITICAL, "initCommSpaceTh", 0, "%s", e.what());
        return false;
    }
}

void CCommSpaces::onCommThStarted()
{
    const QByteArray name = objectName().toUtf8();
    Log()->dbgPrintf(DBG_INFO, "onCommThStarted", 0, "%s Thread Started, ID:%d", name.constData(),
                     static_cast<int>(reinterpret_cast<intptr_t>(QThread::currentThreadId())));
    initCommConnt();
    m_timer->setInterval(m_timerInterval);
    connect(m_timer, &QTimer::timeout, this, &CCommSpaces::onTimerOne, Qt::DirectConnection);
    m_timer->start();
}

void CCommSpaces::initCommConnt()
{
    Log()->dbgPrintf(DBG_INFO, "initCommConnt", 0, "%s", "");
    if (m_buildLog)
        buildCommLog();
    readCommConnect();
    commReadCommConnect();
    std::vector<CCommData*> items;
    for (const auto& item : m_commList)
        items.push_back(item.get());
    for (CCommData* item : items)
        connectSetup(item);
    commInitCommConnt();
    emit signalCommConntReady();
}

void CCommSpaces::buildCommLog()
{
    SCommConntProfile profile;
    profile.conntSetting = BuildConntLink(SENSOR_REPLAY_LOG, U"I62Log", PRIMARY_POS_LOG, false);
    profile.commType = COMM_TYPE_LOG;
    profile.logConfig = BuildLogConfig(LOG_REPLAY);
    profile.debugConfig = {true, 0};
    if (CServiceComm* service = connectSensorComm(profile))
        enableService(service);
}

void CCommSpaces::readCommConnect()
{
    for (const SCommConntProfile& profile : ReadCommConnect(CommIniPath(m_envPath))) {
        if (CServiceComm* service = connectSensorComm(profile))
            enableService(service);
    }
}

CServiceComm* CCommSpaces::connectSensorComm(const SCommConntProfile& profile)
{
    const SENSOR_DEVICE_T sensor = profile.conntSetting.sensorType;
    const SOCKET_TYPE socketType = profile.networkConfig.socketType;
    switch (profile.commType) {
    case COMM_TYPE_NETWORK:
        if (socketType < SOCKET_TCP_SERVER || socketType > SOCKET_UDP_CLIENT)
            return nullptr;
        [[fallthrough]];
    case COMM_TYPE_SERIAL: {
        const CCommData* item = addCommItem(profile, GetRawDataTypeBasisSensor(sensor, profile.commType, socketType));
        return item ? item->getService() : nullptr;
    }
    case COMM_TYPE_LOG:
        // One log link at most, and it is never enabled or reported as connected here.
        if (!m_logListener) {
            const CCommData* item =
                addCommItem(profile, GetRawDataTypeBasisSensor(sensor, COMM_TYPE_NETWORK, SOCKET_INVALID));
            if (item) {
                m_logListener = item->getLogListener();
                emit signalCommLogReady(m_logListener);
            }
        }
        return nullptr;
    default:
        return nullptr;
    }
}

CCommData* CCommSpaces::addCommItem(const SCommConntProfile& profile, RAWDATA_TYPE type)
{
    auto item = std::make_unique<CCommData>();
    bool made = false;
    switch (profile.commType) {
    case COMM_TYPE_SERIAL:
        made = item->createSerialPort(profile, type) != nullptr;
        break;
    case COMM_TYPE_NETWORK:
        made = item->createNetworkSocket(profile, type) != nullptr;
        break;
    case COMM_TYPE_LOG:
        made = item->createLog(profile, type) != nullptr;
        break;
    default:
        break;
    }
    if (!made)
        return nullptr;
    CCommData* added = item.get();
    {
        std::lock_guard<std::mutex> lock(m_listMutex);
        m_commList.push_back(std::move(item));
    }
    ++m_commCount;
    return added;
}

void CCommSpaces::enableService(CServiceComm* service)
{
    service->setEnable(true);
    if (service->isConnected())
        emit signalCommConnted(findItem(service));
}

void CCommSpaces::connectSetup(CCommData* item)
{
    if (item)
        commConnectSetup(item);
    else
        Log()->dbgPrintf(DBG_ERROR, "connectSetup", 0, "%s", "Communication is empty.");
}

void CCommSpaces::saveCommData(const SCommConntProfile* profile)
{
    if (!profile)
        return;
    const SCommConntProfile copy = *profile;
    CServiceComm* service = nullptr;
    if (copy.conntSetting.sensorType != SENSOR_NOT_CONNECTED) {
        service = connectSensorComm(copy);
        if (service)
            enableService(service);
    }
    CCommData* item = service ? findItem(service) : nullptr;
    connectSetup(item);
    commCommDataSaved(item);
    emit signalCommDataSaved();
}

void CCommSpaces::deleteCommData(CCommData* item)
{
    if (!item)
        return;
    if (CServiceComm* service = item->getService())
        service->disconnect();
    commDeleteCommData(item);
    deleteCommItem(item);
    commCommDataDeleted();
    emit signalCommDataDeleted();
}

void CCommSpaces::deleteCommItem(CCommData* item)
{
    std::unique_ptr<CCommData> owned;
    {
        std::lock_guard<std::mutex> lock(m_listMutex);
        const auto at = std::find_if(m_commList.begin(), m_commList.end(),
                                     [item](const std::unique_ptr<CCommData>& listed) { return listed.get() == item; });
        if (at == m_commList.end())
            return;
        owned = std::move(*at);
        m_commList.erase(at);
    }
    --m_commCount;
    forgetLogLink(owned.get());
    Log()->dbgPrintf(DBG_INFO, "deleteCommItem", 0, "%s", owned->getSetupInfo().c_str());
    if (CServiceComm* service = owned->getService())
        service->disconnect();
}

void CCommSpaces::clearCommItems()
{
    std::vector<std::unique_ptr<CCommData>> items;
    {
        std::lock_guard<std::mutex> lock(m_listMutex);
        items.swap(m_commList);
    }
    m_commCount = 0;
    m_logListener = nullptr;
    for (std::unique_ptr<CCommData>& item : items) {
        if (CServiceComm* service = item->getService())
            service->disconnect();
        item.reset();
    }
}

void CCommSpaces::releaseTh()
{
    // The timer is deleted when the thread finishes; stopping it ends the ticks.
    m_timer->stop();
    commReleaseTh();
}

void CCommSpaces::forgetLogLink(const CCommData* item)
{
    if (item->getLogListener() && item->getLogListener() == m_logListener)
        m_logListener = nullptr;
}

CCommData* CCommSpaces::findItem(const CServiceComm* service) const
{
    for (const auto& item : m_commList)
        if (item->getService() == service)
            return item.get();
    return nullptr;
}

bool CCommSpaces::contains(const CCommData* item) const
{
    return std::any_of(m_commList.begin(), m_commList.end(),
                       [item](const std::unique_ptr<CCommData>& listed) { return listed.get() == item; });
}

CCommData* CCommSpaces::getCommData(CServiceComm* service) const
{
    std::lock_guard<std::mutex> lock(m_listMutex);
    return findItem(service);
}

bool CCommSpaces::matchCommExceptConnt(CCommData* item, CServiceComm* service) const
{
    std::lock_guard<std::mutex> lock(m_listMutex);
    if (!contains(item) || !item->matchExceptConnt(true, true, true))
        return false;
    return !service || item->getService() != service;
}

// Requests --------------------------------------------------------------------------------

void CCommSpaces::postToMailbox(const char* operation, const std::function<bool()>& tryPost)
{
    while (!tryPost()) {
        if (!m_thread || !m_thread->isRunning() || m_endFlag) {
            Log()->dbgPrintf(DBG_ERROR, operation, 0, "%s",
                             "The communication thread does not run: the request is dropped.");
            return;
        }
        QThread::msleep(MailboxWaitMs);
    }
}

void CCommSpaces::saveComm(SCommConntProfile& profile)
{
    emit signalCommDataSave();
    setNewCommProfileCmd(profile);
}

void CCommSpaces::deleteComm(CCommData* item)
{
    setCommReleaseCmd(item, false);
    emit signalCommDataDelete(item);
}

void CCommSpaces::setNewCommProfileCmd(SCommConntProfile& profile)
{
    if (isCommThread()) {
        m_ownProfiles.push_back(profile);
        return;
    }
    postToMailbox("setNewCommProfileCmd", [this, &profile] {
        std::lock_guard<std::mutex> lock(m_mailboxMutex);
        if (m_newProfileCmd)
            return false;
        m_newProfileCmd = std::make_unique<SCommConntProfile>(profile);
        return true;
    });
}

void CCommSpaces::setCommReleaseCmd(CCommData* item, bool keep)
{
    if (isCommThread()) {
        m_ownReleases.push_back({item, keep});
        return;
    }
    postToMailbox("setCommReleaseCmd", [this, item, keep] {
        std::lock_guard<std::mutex> lock(m_mailboxMutex);
        if (m_releaseCmd)
            return false;
        m_releaseCmd = std::make_unique<SReleaseRequest>(SReleaseRequest{item, keep});
        return true;
    });
}

void CCommSpaces::clearNewCommProfileCmd()
{
    std::lock_guard<std::mutex> lock(m_mailboxMutex);
    m_newProfileCmd.reset();
}

void CCommSpaces::clearCommReleaseCmd()
{
    std::lock_guard<std::mutex> lock(m_mailboxMutex);
    m_releaseCmd.reset();
}

bool CCommSpaces::isConnecting()
{
    std::lock_guard<std::mutex> lock(m_mailboxMutex);
    return m_newProfileCmd != nullptr;
}

bool CCommSpaces::isDisconnecting()
{
    std::lock_guard<std::mutex> lock(m_mailboxMutex);
    return m_releaseCmd != nullptr;
}

// Maintenance tick ------------------------------------------------------------------------

void CCommSpaces::onTimerOne()
{
    {
        std::lock_guard<std::mutex> lock(m_endMutex);
        if (m_released) {
            m_timer->stop();
            return;
        }
    }
    repairComm();
    inspectCommData();
    if (m_endFlag) {
        releaseTh();
        clearCommItems();
        {
            std::lock_guard<std::mutex> lock(m_endMutex);
            m_released = true;
        }
        m_endCondition.notify_all();
        return;
    }
    if (m_commList.empty())
        return;
    updateFailedConnt();
    commCycleChecking();
}

void CCommSpaces::queueOwnRelease(CCommData* item)
{
    const bool queued = std::any_of(m_ownReleases.begin(), m_ownReleases.end(),
                                    [item](const SReleaseRequest& request) { return request.item == item; });
    if (!queued)
        m_ownReleases.push_back({item, false});
}

void CCommSpaces::repairComm()
{
    for (const auto& item : m_commList) {
        const CSerialPort* port = item->getSerialPort();
        if (item->getCommType() == COMM_TYPE_SERIAL && port && port->isLost())
            queueOwnRelease(item.get());
    }
}

void CCommSpaces::inspectCommData()
{
    // Releases first, all of them, before any item is made: a new item may take the address
    // of one just deleted, and a request for the old one must not find it.
    std::vector<SReleaseRequest> releases;
    {
        std::lock_guard<std::mutex> lock(m_mailboxMutex);
        if (m_releaseCmd) {
            releases.push_back(*m_releaseCmd);
            m_releaseCmd.reset();
        }
    }
    releases.insert(releases.end(), m_ownReleases.begin(), m_ownReleases.end());
    m_ownReleases.clear();
    for (const SReleaseRequest& request : releases)
        releaseCommData(request);

    std::deque<SCommConntProfile> profiles;
    profiles.swap(m_ownProfiles);
    {
        std::lock_guard<std::mutex> lock(m_mailboxMutex);
        if (m_newProfileCmd) {
            profiles.push_back(*m_newProfileCmd);
            m_newProfileCmd.reset();
        }
    }
    for (const SCommConntProfile& profile : profiles)
        saveCommData(&profile);
}

void CCommSpaces::releaseCommData(const SReleaseRequest& request)
{
    CCommData* item = request.item;
    if (!contains(item)) {
        Log()->dbgPrintf(DBG_WARNING, "inspectCommData", 0, "%s",
                         "The connection to release is no longer in the list.");
        return;
    }
    if (request.keep)
        item->keepComm();
    if (item->isKeep()) {
        const SCommConntProfile profile = item->getProfile();
        if (profile.commType != COMM_TYPE_NONE)
            m_ownProfiles.push_back(profile);
    }
    deleteCommData(item);
}

void CCommSpaces::updateFailedConnt()
{
    const int count = static_cast<int>(m_commList.size());
    if (m_examinedPos >= count)
        m_examinedPos = 0;
    ++m_examinedPos;
    int position = 0;
    for (const auto& listed : m_commList) {
        CCommData* item = listed.get();
        ++position;
        if (item->matchExceptConnt(true, true, true)) {
            if (m_examinedPos <= position)
                ++m_examinedPos;
            continue;
        }
        if (position != m_examinedPos)
            continue;
        if (item->isUp()) {
            ++m_examinedPos;
            item->getService()->updateLostTime();
            continue;
        }
        if (reconntComm(item)) {
            item->resetReConntedCount();
        } else if (item->countFailedAttempt()) {
            queueOwnRelease(item);
            emit signalCommDataDelete(item);
            if (const CSerialPort* port = item->getSerialPort())
                emit signalCommOpenFailed(QString::fromLatin1(port->getSerialConfig().portName), port->openError());
        }
        return;
    }
    m_examinedPos = 0;
}

bool CCommSpaces::reconntComm(CCommData* item)
{
    if (!item->reconnect())
        return false;
    Log()->dbgPrintf(DBG_INFO, "reconntComm", 0, "%s", item->getSetupInfo().c_str());
    emit signalCommConnted(item);
    return true;
}

// Shutdown ----------------------------------------------------------------------------------

void CCommSpaces::end()
{
    m_endFlag = true;
    QCoreApplication::processEvents();
    if (!m_thread || !m_thread->isRunning())
        return;
    if (m_commCount > 0) {
        // The next tick releases everything; bring it forward rather than wait for the timer.
        QMetaObject::invokeMethod(m_timer, "start", Qt::QueuedConnection, Q_ARG(int, 0));
        std::unique_lock<std::mutex> lock(m_endMutex);
        if (!m_endCondition.wait_for(lock, std::chrono::milliseconds(EndWaitMs), [this] { return m_released; }))
            Log()->dbgPrintf(DBG_ERROR, "end", 0, "The connections were not released within %lu ms.", EndWaitMs);
    }
    stopThread();
    m_thread->disconnect();
}

void CCommSpaces::stopThread()
{
    m_thread->stop(EndWaitMs);
    std::lock_guard<std::mutex> lock(m_endMutex);
    if (!m_threadEnded)
        Log()->dbgPrintf(DBG_ERROR, "end", 0, "%s", "The thread ended without its closing steps.");
}
