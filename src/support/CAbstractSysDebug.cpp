#include "support/CAbstractSysDebug.h"

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
    if (std::fscanf(file, "%x", mask) != 1) {
        // A header this program wrote holds no number: read the line from its start.
        std::rewind(file);
    }
    if (tagSize > 0) {
        tag[0] = '\0';
        if (std::fgets(tag, static_cast<int>(tagSize), file))
            tag[std::strcspn(tag, "\r\n")] = '\0';
    }
    std::fclose(file);
    m_logFile = std::fopen(LogFilePath, "ab");
    return true;
}

bool CAbstractSysDebug::openLogFile()
{
    if (!m_logFile)
        m_logFile = std::fopen(LogFilePath, "ab");
    return m_logFile != nullptr;
}

void CAbstractSysDebug::closeLogFile()
{
    if (m_logFile) {
        std::fclose(m_logFile);
        m_logFile = nullptr;
    }
}

void CAbstractSysDebug::writeLogFile(const char* data, size_t size)
{
    if (openLogFile())
        std::fwrite(data, 1, size, m_logFile);
}
