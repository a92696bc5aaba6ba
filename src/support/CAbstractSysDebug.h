#pragma once

#include "support/SDebugMsgData.h"

#include <cstdio>
#include <deque>
#include <string>

// Flags of the debug log and the log file handle. The head line of "./logger.log"
// (a hexadecimal field mask and the words "record", "FC" and "DL") is read at construction.
// The file is bounded: a write that would take it past LogFileSizeLimit first moves it to
// "./logger.log.1" (replacing the one before) and begins a new one, which starts with the head
// line when the user wrote one.
class CAbstractSysDebug
{
public:
    enum FIELD { FIELD_TAG, FIELD_TIME, FIELD_LEVEL, FIELD_CODE, FIELD_THREAD, FIELD_CLASSFUN, FIELD_NOTE, FIELD_COUNT };

    static constexpr const char* LogFilePath = "./logger.log";
    static constexpr const char* OldLogFilePath = "./logger.log.1";
    static constexpr long LogFileSizeLimit = 2L * 1024 * 1024;
    static constexpr const char* LevelLetters = "NSFIWEX!LPCA#D";

    CAbstractSysDebug();
    virtual ~CAbstractSysDebug();

    CAbstractSysDebug(const CAbstractSysDebug&) = delete;
    CAbstractSysDebug& operator=(const CAbstractSysDebug&) = delete;

    virtual void dbgPushSysMsgQ(SDebugMsgData& msg) = 0;

    void setDebugEnable(bool enable) { m_debugEnable = enable; }
    void setMsgFieldFlag(const bool* flags);
    void setMsgDebugFlag(const bool* flags);
    void setLogFlag(const char* text);
    bool logFileHeadRead(unsigned* mask, char* tag, size_t tagSize);

    bool debugEnable() const { return m_debugEnable; }
    unsigned fieldMask() const { return m_fieldMask; }
    bool fieldFlag(FIELD field) const { return m_fieldFlags[field]; }
    bool levelFlag(DEBUG_MSG_LEVEL level) const { return m_levelFlags[level]; }
    bool recordMode() const { return m_record; }
    bool closeAfterWrite() const { return m_closeAfterWrite; }

protected:
    // Opens the log file for appending when none is open; false when it cannot be opened.
    bool openLogFile();
    // False when the close reports that buffered bytes could not be written.
    bool closeLogFile();
    // Appends raw bytes, moving a full file aside first; false when the file refuses them.
    bool writeLogFile(const char* data, size_t size);
    // The system's reason for the last failed open, write or close.
    int lastFileError() const { return m_fileError; }

    bool m_debugEnable = false;
    unsigned m_fieldMask = 0xFFFF;
    bool m_fieldFlags[FIELD_COUNT] = {};
    bool m_levelFlags[DBG_LEVEL_COUNT] = {};
    bool m_record = false;
    bool m_closeAfterWrite = false;
    char m_tagText[64] = {};
    short m_lastStakeCode = 0;
    std::FILE* m_logFile = nullptr;
    std::deque<SDebugMsgData> m_stakeStack;

private:
    void rotateLogFile();

    long m_fileSize = 0;       // of the open log file
    std::string m_userHeadLine; // the head line as the user wrote it; empty for none
    int m_fileError = 0;
};
