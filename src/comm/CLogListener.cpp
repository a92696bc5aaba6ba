#include "comm/CLogListener.h"

#include "support/PortalTime.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QThread>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <utility>

namespace COMM {

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

uint8_t PendingSpeed(int speed)
{
    return speed < 0 ? CLogListener::SpeedNoChange : static_cast<uint8_t>(std::min(speed, CLogListener::MaxReplaySpeed));
}

} // namespace

CLogListener::CLogListener(const COMM_CONNT_SETTING& setting, LOG_CONNT_CONFIG mode, RAWDATA_TYPE rawDataType)
    : CServiceComm(setting, rawDataType)
    , m_mode(mode)
{
    nameAfterDevice();
    setCommType(COMM_TYPE_LOG);
    setEnable(false);
    setContent(mode == LOG_RECORD ? "Log Record" : "Log Replay");
    resetReplaySetting();
    if (rawDataType == RAWDATA_BIN)
        setOperation(REPLAY_PAUSE);
    if (mode == LOG_REPLAY)
        connect(&m_replayTimer, &QTimer::timeout, this, &CLogListener::onReplayTimer);
    m_replayTimer.setInterval(DefaultInterval);
    m_replayTimer.start();
}

CLogListener::~CLogListener()
{
    logLeave("~CLogListener", "Start");
    disconnect();
    replayStop();
    closeFile();
    m_replayTimer.stop();
    logLeave("~CLogListener", "End");
}

SCommConntProfile CLogListener::getProfile()
{
    SCommConntProfile profile = makeProfile(COMM_TYPE_LOG);
    profile.logConfig = m_mode;
    return profile;
}

// Settings -----------------------------------------------------------------------------------

void CLogListener::setNewSetting(const std::string& path, int speed, int interval, float tickLength)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!path.empty())
        m_pending.path = path;
    if (speed > 0) {
        m_pending.speed = PendingSpeed(speed);
        m_pending.interval = interval;
        m_pending.tickLength = tickLength;
        m_current.speed = -1;
        m_current.interval = 0;
        m_current.tickLength = 0;
    }
    m_pendingFlag = true;
}

void CLogListener::setNewFilePath(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending.path = path;
}

void CLogListener::setNewReplaySpeed(int speed, int interval, float tickLength)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pending.speed = PendingSpeed(speed);
    m_pending.interval = interval;
    m_pending.tickLength = tickLength;
    m_current.speed = -1;
    m_current.interval = 0;
}

void CLogListener::setReplayLoop(bool loop)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_current.loop = loop;
}

void CLogListener::resetReplaySetting()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_current = SCurrentSetting();
}

std::string CLogListener::getCurrentPath()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_current.path;
}

void CLogListener::refreshReplaySetting()
{
    SPendingSetting pending;
    std::string currentPath;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pendingFlag = false;
        pending = std::exchange(m_pending, SPendingSetting());
        currentPath = m_current.path;
    }
    bool forgetPath = false;
    if (pending.path == CloseFilePath) {
        closeFile();
        forgetPath = true;
    } else if (!pending.path.empty() && pending.path != currentPath) {
        if (openFile(pending.path)) {
            const LOG_REPLAY_PLAY_OP operation = m_operation;
            if (operation == REPLAY_PAUSE || operation == REPLAY_STOP)
                setOperation(REPLAY_PLAY);
            else if (operation == REPLAY_OFF)
                setOperation(REPLAY_STOP);
        } else {
            closeFile();
            forgetPath = true;
        }
    }
    int interval = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (forgetPath)
            m_current.path.clear();
        if (pending.speed != SpeedNoChange)
            m_current.speed = pending.speed;
        // A negative interval would stop the timer for good: only a positive one is taken.
        if (pending.interval > 0 &&
            (pending.interval != m_current.interval || pending.tickLength != m_current.tickLength)) {
            m_current.interval = pending.interval;
            m_current.tickLength = pending.tickLength;
            interval = pending.interval;
        }
    }
    if (interval > 0)
        m_replayTimer.setInterval(interval);
}

// Playback state -----------------------------------------------------------------------------

void CLogListener::setOperation(LOG_REPLAY_PLAY_OP operation)
{
    m_operation = operation;
    emit signalReplayOperation(operation);
}

void CLogListener::replayLog()
{
    switch (m_operation.load()) {
    case REPLAY_STOP:
        setOperation(m_fileOpen ? REPLAY_PLAY : REPLAY_STOP);
        break;
    case REPLAY_PAUSE:
        setOperation(REPLAY_PLAY);
        break;
    case REPLAY_PLAY:
        setOperation(REPLAY_PAUSE);
        break;
    case REPLAY_OFF:
        setOperation(REPLAY_STOP);
        break;
    }
}

void CLogListener::replayPause()
{
    setOperation(REPLAY_PAUSE);
}

void CLogListener::replayStop(bool)
{
    setNewSetting(CloseFilePath, 0, DefaultInterval, 0);
    stopPlayback();
}

void CLogListener::stopPlayback()
{
    setOperation(REPLAY_STOP);
    getRawDataHandle()->clearAllData();
}

void CLogListener::replayPower(bool on)
{
    replayStop();
    if (!on)
        setOperation(REPLAY_OFF);
}

// File ---------------------------------------------------------------------------------------

bool CLogListener::openFile(const std::string& path)
{
    // Only the file is closed: asking the next tick to close it would close the new one.
    if (m_file) {
        stopPlayback();
        closeFile();
    }
    std::error_code error;
    FILE* file = std::filesystem::exists(path, error) ? std::fopen(path.c_str(), m_mode == LOG_REPLAY ? "rb" : "wb")
                                                      : nullptr;
    if (!file) {
        Log()->dbgPrintf(DBG_WARNING, "openFile", 0, "Log file %s cannot be opened.", path.c_str());
        return false;
    }
    m_file = file;
    m_fileOpen = true;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_current.path = path;
    return true;
}

void CLogListener::closeFile()
{
    if (!m_file)
        return;
    std::fclose(m_file);
    m_file = nullptr;
    m_fileOpen = false;
}

int CLogListener::convtExtensonType(const std::string& extension)
{
    if (extension == "txt" || extension == "TXT")
        return 1;
    if (extension == "log" || extension == "LOG")
        return 2;
    return 0;
}

// Replay -------------------------------------------------------------------------------------

void CLogListener::onReplayTimer()
{
    if (!isEnable())
        return;
    bool pending = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        pending = m_pendingFlag;
    }
    if (pending) {
        QThread::msleep(SettingPauseMs);
        refreshReplaySetting();
        m_lastTick = 0;
    }
    if (m_operation != REPLAY_PLAY)
        return;
    if (getConntSetting().sensorType == SENSOR_NOT_CONNECTED) {
        if (nextRecordTick() && !replayRecords())
            setOperation(REPLAY_PAUSE);
    } else if (!replaySentences()) {
        replayStop();
    }
}

bool CLogListener::replaySentences()
{
    int speed = 0;
    bool loop = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        speed = m_current.speed;
        loop = m_current.loop;
    }
    if (!m_file)
        return false;
    if (speed < 0)
        return true;
    const int lines = 1 << std::min(speed, MaxReplaySpeed);
    for (int i = 0; i < lines; ++i) {
        // Every byte read goes on, NUL bytes too: the line cutter drops a line that holds one,
        // where text cut at the NUL would run into the next line.
        QByteArray piece(m_line, static_cast<int>(readLinePiece()));
        if (piece.isEmpty() || std::feof(m_file)) {
            if (!loop)
                return false;  // a last line without a line end is not fed
            std::rewind(m_file);
            // Nor may it run into the first line when the file starts again.
            if (!piece.isEmpty() && !piece.endsWith('\n') && !piece.endsWith('\r'))
                piece += "\r\n";
        }
        rxPackageProc(piece, false);
    }
    return true;
}

size_t CLogListener::readLinePiece()
{
    std::memset(m_line, 0, sizeof m_line);
    size_t count = 0;
    while (count < sizeof m_line - 1) {
        const int c = std::getc(m_file);
        if (c == EOF)
            break;
        m_line[count++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    return count;
}

bool CLogListener::nextRecordTick()
{
    float tickLength = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        tickLength = m_current.tickLength;
    }
    // Without a tick length of at least 1 ms every timer tick is a step.
    if (!(tickLength >= 1))
        return true;
    const double ticks = static_cast<double>(Portal::Time::Clock()) / static_cast<double>(tickLength);
    const uint64_t tick = static_cast<uint64_t>(std::min(ticks, 1.8e19));
    if (tick == m_lastTick)
        return false;
    m_lastTick = tick;
    return true;
}

bool CLogListener::replayRecords()
{
    if (!m_file || !m_service)
        return false;
    bool late = false;
    for (int n = 0; n < MaxRecordsPerTick; ++n) {
        int size = 0;
        RAWDATA_TYPE type = RAWDATA_BIN;
        uint32_t stamp = 0;
        if (!m_service->readRecordHeader(m_file, &size, &type, &stamp)) {
            restartRecords();
            return true;
        }
        const auto now = static_cast<uint32_t>(Portal::Time::Clock());
        if (stamp != 0) {
            const auto delay = static_cast<int32_t>(now - stamp - static_cast<uint32_t>(m_timeBase));
            late = delay > 0;
            if (delay >= RebaseDelayMs)
                m_timeBase = static_cast<int32_t>(now - stamp);
        } else {
            m_timeBase = static_cast<int32_t>(now);
        }
        const int room = type == RAWDATA_SENTENCE ? RecordSize - 3 : RecordSize - 1;
        if (size < 0 || size > room) {
            Log()->dbgPrintf(DBG_WARNING, "replayRecords", 0, "record of %d bytes skipped: room for %d", size, room);
            if (size < 0 || std::fseek(m_file, size, SEEK_CUR) != 0) {
                restartRecords();
                return true;
            }
            continue;
        }
        if (std::fread(m_record, 1, static_cast<size_t>(size), m_file) != static_cast<size_t>(size)) {
            restartRecords();
            return true;
        }
        int length = size;
        if (type == RAWDATA_SENTENCE) {
            m_record[length++] = '\r';
            m_record[length++] = '\n';
        }
        m_record[length] = '\0';
        setRawDataType(type);
        rxPackageProc(QByteArray(m_record, length), false);
        if (type == RAWDATA_BIN && !late)
            return true;
    }
    return true;
}

void CLogListener::restartRecords()
{
    std::rewind(m_file);
    m_timeBase = 0;
}

} // namespace COMM
