#include "support/CAbstractSysDebug.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

CAbstractSysDebug::CAbstractSysDebug()
{
    for (int level = 0; level < DBG_LEVEL_COUNT; ++level)
        m_levelFlags[level] = level != DBG_DEEP;

    struct stat info;
    if (::stat(LogFilePath, &info) == 0 && !logFileHeadRead(&m_fieldMask, m_tagText, sizeof m_tagText))
        return;

    for (int field = 0; field < FIELD_COUNT; ++field)
        m_fieldFlags[field] = (m_fieldMask >> field) & 1u;
    setLogFlag(m_tagText);
}

CAbstractSysDebug::~CAbstractSysDebug()
{
    closeLogFile();
}

void CAbstractSysDebug::setMsgFieldFlag(const bool* flags)
{
    std::memcpy(m_fieldFlags, flags, sizeof m_fieldFlags);
}

void CAbstractSysDebug::setMsgDebugFlag(const bool* flags)
{
    std::memcpy(m_levelFlags, flags, sizeof m_levelFlags);
}

void CAbstractSysDebug::setLogFlag(const char* text)
{
    if (!text || !*text)
        return;
    if (std::strstr(text, "record"))
        m_record = true;
    if (std::strstr(text, "FC"))
        m_closeAfterWrite = true;
    if (std::strstr(text, "DL"))
        m_levelFlags[DBG_DEEP] = true;
}

bool CAbstractSysDebug::logFileHeadRead(unsigned* mask, char* tag, size_t tagSize)
{
    std::FILE* file = std::fopen(LogFilePath, "r+b");
    if (!file)
        return false;
    const bool userLine = std::fscanf(file, "%x", mask) == 1;
    if (!userLine) {
        // A header this program wrote holds no number: read the line from its start.
        std::rewind(file);
    }
    if (tagSize > 0) {
        tag[0] = '\0';
        if (std::fgets(tag, static_cast<int>(tagSize), file))
            tag[std::strcspn(tag, "\r\n")] = '\0';
    }
    if (userLine) {
        // The program writes no number: the line is the user's, to begin a new file with.
        char line[256] = {};
        std::rewind(file);
        if (std::fgets(line, sizeof line, file))
            m_userHeadLine.assign(line, std::strcspn(line, "\r\n"));
    }
    std::fclose(file);
    openLogFile();
    return true;
}

bool CAbstractSysDebug::openLogFile()
{
    if (m_logFile)
        return true;
    m_logFile = std::fopen(LogFilePath, "ab");
    if (!m_logFile) {
        m_fileError = errno;
        return false;
    }
    std::fseek(m_logFile, 0, SEEK_END);
    m_fileSize = std::max(std::ftell(m_logFile), 0L);
    return true;
}

bool CAbstractSysDebug::closeLogFile()
{
    if (!m_logFile)
        return true;
    const bool written = std::fclose(m_logFile) == 0;
    if (!written)
        m_fileError = errno;
    m_logFile = nullptr;
    return written;
}

bool CAbstractSysDebug::writeLogFile(const char* data, size_t size)
{
    if (!openLogFile())
        return false;
    if (m_fileSize > 0 && m_fileSize + long(size) > LogFileSizeLimit) {
        rotateLogFile();
        if (!openLogFile())
            return false;
    }
    const size_t written = std::fwrite(data, 1, size, m_logFile);
    m_fileSize += long(written);
    if (written < size)
        m_fileError = errno;
    return written == size;
}

void CAbstractSysDebug::rotateLogFile()
{
    closeLogFile();
    // Where the file cannot be moved aside it begins again, so that it stays bounded.
    const bool moved = std::rename(LogFilePath, OldLogFilePath) == 0;
    m_logFile = std::fopen(LogFilePath, moved ? "ab" : "wb");
    if (!m_logFile) {
        m_fileError = errno;
        return;
    }
    m_fileSize = 0;
    if (!m_userHeadLine.empty()) {
        const std::string head = m_userHeadLine + '\n';
        m_fileSize += long(std::fwrite(head.data(), 1, head.size(), m_logFile));
    }
}
