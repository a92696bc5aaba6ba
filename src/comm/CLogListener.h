#pragma once

#include "comm/CServiceComm.h"

#include <QTimer>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

namespace COMM {

// Reads the header of the next binary record of a log file; the record's data follows it.
class CAbstractLogListenerService
{
public:
    virtual ~CAbstractLogListenerService() = default;
    // The record's data size in bytes, its receive type and its time stamp in ms (0: none).
    // False when no further header can be read.
    virtual bool readRecordHeader(FILE* file, int* size, RAWDATA_TYPE* type, uint32_t* timeStamp) = 0;
};

// The transport of a log link (comm type 0): a file instead of a device. In replay mode a
// timer feeds the file into the receive path, as if it came from the device: a file of lines
// (2 to the power of the speed lines per tick), or, for the not-connected device kind, a file
// of binary records paced by their time stamps. In record mode it does nothing and counts as
// connected.
//
// The setting operations may be called from any thread: they only touch the pending setting,
// the current path and the loop flag, under the listener's mutex, and the next tick applies
// them. The file itself is read only in the listener's own thread.
class CLogListener : public CServiceComm
{
    Q_OBJECT

public:
    static constexpr int DefaultInterval = 200;
    static constexpr unsigned long SettingPauseMs = 150;
    static constexpr int LineSize = 100;     // one line piece and its NUL
    static constexpr int RecordSize = 18022;  // one record's data, CR LF and NUL
    static constexpr int MaxReplaySpeed = 10;  // at most 1024 lines per tick
    static constexpr uint8_t SpeedNoChange = 255;
    static constexpr int32_t RebaseDelayMs = 10001;
    static constexpr int MaxRecordsPerTick = 1000;
    static constexpr const char* CloseFilePath = "FC";

    CLogListener(const COMM_CONNT_SETTING& setting, LOG_CONNT_CONFIG mode, RAWDATA_TYPE rawDataType);
    ~CLogListener() override;

    SCommConntProfile getProfile() override;

    void setService(CAbstractLogListenerService* service) { m_service = service; }
    // A non-empty path becomes the pending path; a speed above 0 becomes the pending speed,
    // cut to MaxReplaySpeed, with the interval and tick length, and nothing is fed until the
    // next tick has applied them.
    void setNewSetting(const std::string& path, int speed, int interval, float tickLength);
    void setNewFilePath(const std::string& path);
    void setNewReplaySpeed(int speed, int interval, float tickLength);
    void setReplayLoop(bool loop);

    // Play/pause toggle; from stop it plays only with a file open.
    void replayLog();
    void replayPause();
    // Asks the next tick to close the file; stops at once and empties the receive queues.
    void replayStop(bool unused = false);
    void replayPower(bool on);
    void setOperation(LOG_REPLAY_PLAY_OP operation);
    LOG_REPLAY_PLAY_OP getOperation() const { return m_operation; }

    bool openFile(const std::string& path);
    void closeFile();
    void resetReplaySetting();
    void refreshReplaySetting();
    std::string getCurrentPath();

    // "txt"/"TXT" give 1, "log"/"LOG" give 2, anything else 0.
    static int convtExtensonType(const std::string& extension);

signals:
    void signalReplayOperation(int operation);

public slots:
    void onReplayTimer();

private:
    struct SCurrentSetting
    {
        std::string path;
        bool loop = false;
        int speed = 0;
        int interval = DefaultInterval;
        float tickLength = 0;
    };
    struct SPendingSetting
    {
        std::string path;
        uint8_t speed = SpeedNoChange;
        int interval = 0;  // 0: no change
        float tickLength = 0;
    };

    // State stop, emitted, and the receive queues emptied.
    void stopPlayback();
    // False when the binary step should wait: the clock is still in the last tick.
    bool nextRecordTick();
    bool replaySentences();
    bool replayRecords();
    void restartRecords();
    // Reads like fgets, but tells how many bytes it read, NUL bytes included.
    size_t readLinePiece();

    std::mutex m_mutex;
    QTimer m_replayTimer;
    CAbstractLogListenerService* m_service = nullptr;
    char m_line[LineSize] = {};
    char m_record[RecordSize] = {};
    LOG_CONNT_CONFIG m_mode;
    std::atomic<LOG_REPLAY_PLAY_OP> m_operation{REPLAY_OFF};
    FILE* m_file = nullptr;
    std::atomic<bool> m_fileOpen{false};
    uint64_t m_lastTick = 0;
    int32_t m_timeBase = 0;
    SCurrentSetting m_current;
    SPendingSetting m_pending;
    bool m_pendingFlag = false;
};

} // namespace COMM
