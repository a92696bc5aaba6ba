#pragma once

#include "support/CAbstractSysDebug.h"

#include <mutex>
#include <QString>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <string>

class QSettings;

// The process's debug log: callers queue messages, the "SysDebug Thread" filters,
// formats and writes them. Callers never wait for output.
class SysDebug : public CAbstractSysDebug, public QThread
{
public:
    static constexpr const char* DecryptFilePath = "./loggerDecrypt.log";
    // The messages the auto-log ring keeps between dumps, as profile.ini's AutoLogKeepMax sets
    // it within 0 to the limit.
    static constexpr int AutoLogKeepDefault = 1000;
    static constexpr int AutoLogKeepLimit = 10000;
    static constexpr int MaxNoteLength = 2047;
    // Messages waiting for the log thread; past this the oldest waiting one is dropped and
    // counted, and the thread says how many before the next messages it writes.
    static constexpr size_t PendingLimit = 10000;

    SysDebug();
    ~SysDebug() override;

    // The text is always the format's output, never a format itself.
    void dbgPrintf(DEBUG_MSG_LEVEL level, const char* classFun, int thread, const char* format, ...)
        __attribute__((format(printf, 5, 6)));

    bool initialize(QString profileIniPath);
    void readProfileIni(const QSettings* settings);
    void setEncryption(bool enable) { m_encryptionEnable = enable; }

    void dbgPushSysMsgQ(SDebugMsgData& msg) override;

    QString printMsg(SDebugMsgData& msg, bool console);
    QString compHeadMsg(std::string title, bool encode);
    static QString logEncryption(QString& line);
    static void logDecryption();
    SDebugMsgData procStakeMsg(SDebugMsgData& msg, DEBUG_MSG_LEVEL level);

    bool autoLogEnable() const { return m_autoLogEnable; }
    int autoLogKeepMax() const { return m_autoLogKeepMax; }
    bool encryptionEnable() const { return m_encryptionEnable; }
    bool decryptionEnable() const { return m_decryptionEnable; }
    // Whether the last write to the log file failed and no close has confirmed one since.
    bool logWriteFailing() const { return m_writeFailing; }

protected:
    void run() override;

private:
    void msgProc(SDebugMsgData& msg);
    void pushAutoLogMsgQ(const SDebugMsgData& msg, bool dump);
    void writeText(const QString& text);
    void closeFile();
    // A failed open, write or close is said once on the console; a close that succeeds after
    // it is said once too, and leaves a note in the log of the writes lost.
    void noteFileResult(bool ok, bool confirmed);
    void processBatch(std::deque<SDebugMsgData>& batch);
    // Takes every waiting message, behind a note of those dropped since the last batch.
    // The caller holds the queue's lock.
    void takePending(std::deque<SDebugMsgData>& batch);

    std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_stop = false;
    std::deque<SDebugMsgData> m_pending;
    size_t m_droppedPending = 0;
    std::deque<SDebugMsgData> m_autoLogRing;
    bool m_autoLogEnable = true;
    int m_autoLogKeepMax = AutoLogKeepDefault;
    bool m_encryptionEnable = true;
    bool m_decryptionEnable = false;
    std::atomic<bool> m_writeFailing{false};
    int m_failedWrites = 0; // since the failure began
    QString m_failure;      // its reason
};
