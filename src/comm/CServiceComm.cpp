#include "comm/CServiceComm.h"

#include "support/PortalTime.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace COMM {

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

int64_t Now()
{
    return static_cast<int64_t>(Portal::Time::Clock());
}

} // namespace

CServiceComm::CServiceComm(const COMM_CONNT_SETTING& setting, RAWDATA_TYPE rawDataType)
    : m_rawHandle(std::make_unique<CRawDataHandle>())
    , m_rawDataType(rawDataType)
    , m_conntSetting(setting)
    , m_primaryPosDev(setting.devPrimaryPos)
    , m_connectTime(std::time(nullptr))
    , m_lastRxTime(m_connectTime)
{
    timerSetup(true);
}

CServiceComm::~CServiceComm()
{
    timerSetup(false);
    disconnect();
    clearTxPackage();
}

bool CServiceComm::commTxPackageSender(STxPackage)
{
    return false;
}

void CServiceComm::timerSetup(bool start)
{
    if (start) {
        if (m_txTimer)
            return;
        m_txTimer = new QTimer;
        m_txTimer->setInterval(TxTimerInterval);
        connect(m_txTimer, &QTimer::timeout, this, &CServiceComm::onTxDataTimer);
        m_txTimer->start();
        return;
    }
    if (!m_txTimer)
        return;
    m_txTimer->stop();
    m_txTimer->disconnect(this);
    delete m_txTimer;
    m_txTimer = nullptr;
}

void CServiceComm::boundPackage(STxPackage& package)
{
    if (package.len > STxPackage::DataSize || package.len < 0) {
        Log()->dbgPrintf(DBG_WARNING, "appendToTxPackageQ", 0, "package length %d cut to %d", package.len,
                         package.len < 0 ? 0 : STxPackage::DataSize);
        package.len = std::clamp(package.len, 0, STxPackage::DataSize);
    }
    if (package.response.terminateExpected())
        Log()->dbgPrintf(DBG_WARNING, "appendToTxPackageQ", 0, "expected reply cut to %d characters",
                         SResponseInform::ExpectedSize - 1);
}

void CServiceComm::appendToTxPackageQ(const STxPackage& package, bool atBack)
{
    if (!m_enable)
        return;
    STxPackage bounded = package;
    boundPackage(bounded);
    std::lock_guard<std::mutex> lock(m_txQueueMutex);
    if (atBack)
        m_txQueue.push_back(bounded);
    else
        m_txQueue.push_front(bounded);
}

void CServiceComm::onTxDataTimer()
{
    if (!m_releaseRequest)
        txPackageSender();
    else if (isOwnThread())
        releaseTxSide();
}

void CServiceComm::txPackageSender()
{
    const bool trace = (m_traceBits.load() & SDebugConfig::TraceSent) != 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    STxPackage package;
    while (takeDuePackage(&package, Now())) {
        if (failsCheckSame(package))
            continue;  // dropped: not sent, not traced, not timed
        m_lastTxPackage = package;
        const bool written = commTxPackageSender(package);
        if (written)
            m_txBytes += static_cast<uint64_t>(std::max(package.len, 0));
        if (written && package.response.isAwaited())
            setResponsePass(package.response);
        if (trace)
            printMsg(package.data, package.len, written ? "send" : "failed to send");
        m_lastSendClock = Now();
    }
}

bool CServiceComm::takeDuePackage(STxPackage* package, int64_t now)
{
    // The reply is asked for first, outside the queue's lock: the receive handle's lock comes
    // before it.
    if (isAwaitingReply(now))
        return false;
    std::lock_guard<std::mutex> lock(m_txQueueMutex);
    if (m_txQueue.empty() || isPacing(m_txQueue.front(), now))
        return false;
    *package = m_txQueue.front();
    m_txQueue.pop_front();
    return true;
}

bool CServiceComm::checkTxWaiting(const STxPackage& package)
{
    const int64_t now = Now();
    return isAwaitingReply(now) || isPacing(package, now);
}

bool CServiceComm::isAwaitingReply(int64_t now)
{
    return m_rawHandle->checkResponseWaiting(now);
}

bool CServiceComm::isPacing(const STxPackage& package, int64_t now) const
{
    const uint64_t sinceLastSend = static_cast<uint64_t>(now - m_lastSendClock);
    return sinceLastSend < static_cast<uint64_t>(std::max(package.spacing, 0));
}

void CServiceComm::setResponsePass(const SResponseInform& reply)
{
    m_rawHandle->setResponsePass(reply, Now());
}

bool CServiceComm::failsCheckSame(const STxPackage& package) const
{
    if (!package.checkSame)
        return false;
    if (package.len <= 0)
        return true;
    const size_t count = std::min<size_t>(static_cast<size_t>(package.len), STxPackage::DataSize);
    return std::memcmp(package.data, m_lastTxPackage.data, count) == 0;
}

void CServiceComm::clearTxPackage()
{
    std::deque<STxPackage> old;
    std::lock_guard<std::mutex> lock(m_txQueueMutex);
    old.swap(m_txQueue);
}

bool CServiceComm::isOwnThread() const
{
    return QThread::currentThread() == thread();
}

void CServiceComm::releaseTxSide()
{
    m_rawHandle->resetResponsePass();
    clearTxPackage();
    m_releaseRequest = false;
}

void CServiceComm::reset()
{
    if (isOwnThread()) {
        releaseTxSide();
        return;
    }
    m_releaseRequest = true;
    QThread::msleep(ReleaseWaitMs);
}

void CServiceComm::release()
{
    reset();
}

void CServiceComm::rxPackageProc(const QByteArray& data, bool more)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    updateRxTime();
    if (data.isEmpty())
        return;
    const RAWDATA_TYPE type = m_rawDataType;
    rawDataHandle(data, type);
    if (!more)
        rawDataDistribution(type);
}

bool CServiceComm::isTxIdle()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return !isAwaitingReply(Now()) && !isTxRequest();
}

void CServiceComm::rawDataHandle(const QByteArray& chunk, RAWDATA_TYPE type)
{
    if (m_enable) {
        if (IsMessageType(type)) {
            m_rawHandle->appendToLogMsgQ(chunk);
            m_rawHandle->appendToMsgQ(chunk, m_conntSetting.splitLines);
        } else if (type == RAWDATA_SENTENCE) {
            m_rawHandle->appendToLogMsgQ(chunk);
            m_rawHandle->appendToSentQ(chunk);
        } else if (type == RAWDATA_BIN) {
            m_rawHandle->appendToBinQ(chunk);
        } else if (type == RAWDATA_CMD) {
            m_rawHandle->appendToCmdQ(chunk);
        } else {
            return;
        }
    }
    if (m_traceBits.load() & SDebugConfig::TraceReceived)
        printMsg(chunk.constData(), chunk.size(), "receive");
}

void CServiceComm::rawDataDistribution(RAWDATA_TYPE type)
{
    const char commType = static_cast<char>(m_commType.load());
    if (IsMessageType(type))
        emit signalRxMessage(this, commType);
    else if (type == RAWDATA_SENTENCE)
        emit signalRxSentence(this, commType);
    else if (type == RAWDATA_BIN && m_enable)
        emit signalRxBinData(this);
    else if (type == RAWDATA_CMD && m_enable)
        emit signalRxCmdData(this);
}

void CServiceComm::printMsg(const char* bytes, int count, const std::string& header)
{
    if (!bytes)
        return;
    std::string text;
    if (m_traceAsText) {
        if (count > 0)
            text.assign(bytes, strnlen(bytes, static_cast<size_t>(count)));
    } else {
        // The log keeps at most MaxNoteLength characters: build no more than that.
        static const char digits[] = "0123456789ABCDEF";
        const int shown = std::min(count, SysDebug::MaxNoteLength / 3 + 1);
        text.reserve(static_cast<size_t>(std::max(shown, 0)) * 3);
        for (int i = 0; i < shown; ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            text += digits[byte >> 4];
            text += digits[byte & 0x0F];
            text += ' ';
        }
    }
    Log()->dbgPrintf(DBG_INFO, "printMsg", 0, "%s %s", header.c_str(), text.c_str());
}

void CServiceComm::updateConnected()
{
    m_connected = true;
    m_connectTime = std::time(nullptr);
    updateRxTime();
    connectSetup();
}

void CServiceComm::setDebugConfig(const SDebugConfig& config)
{
    m_traceAsText = config.isString;
    m_traceBits = config.msgOut;
}

SDebugConfig CServiceComm::getDebugConfig() const
{
    SDebugConfig config;
    config.isString = m_traceAsText;
    config.msgOut = m_traceBits;
    return config;
}

COMM_CONNT_SETTING CServiceComm::getConntSetting() const
{
    COMM_CONNT_SETTING setting = m_conntSetting;
    setting.devPrimaryPos = m_primaryPosDev;
    return setting;
}

SCommConntProfile CServiceComm::makeProfile(COMM_TYPE commType) const
{
    SCommConntProfile profile;
    profile.conntSetting = getConntSetting();
    profile.commType = commType;
    profile.debugConfig = getDebugConfig();
    return profile;
}

void CServiceComm::nameAfterDevice()
{
    setObjectName(QString::fromStdU32String(DevNameText(m_conntSetting)));
}

void CServiceComm::logLeave(const char* operation, const char* step) const
{
    const QByteArray name = objectName().toUtf8();
    Log()->dbgPrintf(DBG_LEAVE, operation, 0, "Name:%s %s", name.constData(), step);
}

void CServiceComm::updateRxTime()
{
    m_lastRxTime = std::time(nullptr);
    m_lastRxClock = Now();
}

void CServiceComm::initial()
{
    // Cleared in place rather than replaced: consumers may hold the handle's address.
    m_rawHandle->clearAllData();
    m_rawHandle->resetResponsePass();
    m_enable = true;
    m_connectTime = std::time(nullptr);
    m_lastRxTime = m_connectTime;
    m_lastRxClock = 0;
}

void CServiceComm::copyToTxPackageQ(const std::deque<STxPackage>& packages, bool atBack)
{
    if (!m_enable)
        return;
    std::deque<STxPackage> bounded(packages);
    for (STxPackage& package : bounded)
        boundPackage(package);
    std::lock_guard<std::mutex> lock(m_txQueueMutex);
    // Either way the copied packages keep their own order.
    if (atBack)
        m_txQueue.insert(m_txQueue.end(), bounded.begin(), bounded.end());
    else
        m_txQueue.insert(m_txQueue.begin(), bounded.begin(), bounded.end());
}

void CServiceComm::swapTxPackages(std::deque<STxPackage>* packages)
{
    if (!packages)
        return;
    for (STxPackage& package : *packages)
        boundPackage(package);
    std::lock_guard<std::mutex> lock(m_txQueueMutex);
    m_txQueue.swap(*packages);
}

bool CServiceComm::queueNextTxPackage(STxPackage* out, bool remove)
{
    std::lock_guard<std::mutex> lock(m_txQueueMutex);
    if (m_txQueue.empty())
        return false;
    if (out)
        *out = m_txQueue.front();
    if (remove)
        m_txQueue.pop_front();
    return true;
}

bool CServiceComm::isTxRequest()
{
    std::lock_guard<std::mutex> lock(m_txQueueMutex);
    return !m_txQueue.empty();
}

bool CServiceComm::checkTxPkg(const STxPackage& package, const STxPackage* next, bool skipOnlyLast)
{
    if (next && skipOnlyLast && next->onlyLast)
        return false;
    if (failsCheckSame(package))
        return false;
    m_lastTxPackage = package;
    return true;
}

bool CServiceComm::queueSerialPackageLast(STxPackage* out)
{
    std::lock_guard<std::mutex> lock(m_txQueueMutex);
    while (!m_txQueue.empty() && m_txQueue.front().onlyLast) {
        if (m_txQueue.size() == 1)
            return false;
        if (out)
            *out = m_txQueue.front();
        m_txQueue.pop_front();
    }
    return true;
}

bool CServiceComm::checkTimeOut(long long seconds) const
{
    const long long now = static_cast<long long>(std::time(nullptr));
    return std::llabs(now - m_connectTime) > seconds || std::llabs(now - m_lastRxTime) > seconds;
}

void CServiceComm::updateRxDataSize(int count)
{
    if (count == -1)
        m_rxDataSize = 0;
    else
        m_rxDataSize += static_cast<uint32_t>(count);
}

} // namespace COMM
