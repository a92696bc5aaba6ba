#include "support/SysDebug.h"

#include "support/PortalQDt.h"
#include "support/PortalStr.h"

#include <QByteArray>
#include <QDebug>
#include <QFile>
#include <QSettings>
#include <QTextStream>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr int NamePadWidth = 40;
constexpr unsigned long StopWaitMs = 5000;

QString levelMark(const SDebugMsgData& msg, bool withCode)
{
    const char letter = CAbstractSysDebug::LevelLetters[msg.level];
    switch (msg.level) {
    case DBG_INFO:
        return QString();
    case DBG_STAKE:
    case DBG_FINISH: {
        QString mark = QStringLiteral("[");
        if (withCode)
            mark += QString::number(msg.code);
        mark += QLatin1Char(letter);
        if (msg.elapsed > 0)
            mark += QString::number(static_cast<int32_t>(msg.elapsed));
        return mark + QLatin1Char(']');
    }
    case DBG_WARNING:
    case DBG_ERROR:
    case DBG_CRITICAL:
    case DBG_EXCEPTION:
    case DBG_LEAVE:
        return QStringLiteral("[%1]").arg(QLatin1Char(letter));
    default:
        return QStringLiteral("%1)").arg(QLatin1Char(letter));
    }
}

QString paddedName(const QString& name, bool console)
{
    const int n = name.size();
    if (n >= NamePadWidth)
        return name + QLatin1Char('\t');
    if (console)
        return name.leftJustified(NamePadWidth, QLatin1Char(' '));
    const int tabs = (NamePadWidth - n + 3) / 4;
    return name + QString(tabs, QLatin1Char('\t'));
}

} // namespace

SysDebug::SysDebug()
{
    setObjectName(QStringLiteral("SysDebug Thread"));
}

SysDebug::~SysDebug()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_condition.notify_all();
    if (!wait(StopWaitMs)) {
        // Last resort: a thread still writing after this long is stuck in the file system.
        std::fprintf(stderr, "SysDebug Thread did not end within %lu ms, terminated\n", StopWaitMs);
        terminate();
        wait();
    }
    // The thread touched the queues last under the lock; taking it orders that before the
    // queues are freed in a way race detectors see (QThread::wait's own lock is opaque to them).
    std::lock_guard<std::mutex> lock(m_mutex);
}

void SysDebug::dbgPrintf(DEBUG_MSG_LEVEL level, const char* classFun, int thread, const char* format, ...)
{
    char text[MaxNoteLength + 1];
    va_list args;
    va_start(args, format);
    Portal::Str::SafeFormatV(text, sizeof text, format, args);
    va_end(args);
    SDebugMsgData msg(classFun ? classFun : "", thread, -1, level, text, ' ');
    dbgPushSysMsgQ(msg);
}

void SysDebug::dbgPushSysMsgQ(SDebugMsgData& msg)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_pending.size() >= PendingLimit) {
            m_pending.pop_front();
            ++m_droppedPending;
        }
        m_pending.push_back(msg);
    }
    m_condition.notify_all();
}

void SysDebug::takePending(std::deque<SDebugMsgData>& batch)
{
    batch.swap(m_pending);
    if (m_droppedPending == 0)
        return;
    char note[96];
    Portal::Str::SafeFormat(note, sizeof note, "%zu log messages dropped: the log thread fell behind",
                            m_droppedPending);
    batch.emplace_front("dbgPushSysMsgQ", 0, -1, DBG_WARNING, note, ' ');
    m_droppedPending = 0;
}

bool SysDebug::initialize(QString profileIniPath)
{
    if (QFile::exists(profileIniPath)) {
        const QSettings settings(profileIniPath, QSettings::IniFormat);
        readProfileIni(&settings);
    }

    if (m_decryptionEnable) {
        logDecryption();
        qDebug() << "log decryption";
        return false;
    }

    const std::string title = m_record ? "Record Log" : "Start Log";
    qDebug().noquote() << compHeadMsg(title, false);
    if (m_record) {
        writeText(compHeadMsg(title, m_encryptionEnable));
        closeFile();
    }
    start();
    return true;
}

void SysDebug::readProfileIni(const QSettings* settings)
{
    const auto key = [](const char* name) { return QStringLiteral("/Sys_Debug/%1").arg(QLatin1String(name)); };
    const auto readBool = [&](const char* name, bool current) { return settings->value(key(name), current).toBool(); };

    setDebugEnable(readBool("Enable", m_debugEnable));
    setLogFlag(settings->value(key("LogTag"), QString()).toString().toLatin1().constData());

    static const char* const fieldKeys[FIELD_COUNT] = {"FieldTag",    "FieldTime",     "FieldLevel", "FieldCode",
                                                      "FieldThread", "FieldClassFun", "FieldNote"};
    bool fields[FIELD_COUNT];
    for (int i = 0; i < FIELD_COUNT; ++i)
        fields[i] = readBool(fieldKeys[i], true);
    setMsgFieldFlag(fields);

    static const char* const levelKeys[DBG_LEVEL_COUNT] = {
        nullptr,      "MsgStake",   "",          "MsgInfo",    "MsgWarning", "MsgError",   "MsgCritical",
        "MsgException", "MsgLeave", "MsgProfile", "MsgControl", "MsgAction",  "MsgDeep", "MsgDebug"};
    bool levels[DBG_LEVEL_COUNT];
    for (int i = 0; i < DBG_LEVEL_COUNT; ++i) {
        const bool hasKey = levelKeys[i] && *levelKeys[i];
        levels[i] = hasKey ? readBool(levelKeys[i], m_levelFlags[i]) : m_levelFlags[i];
    }
    setMsgDebugFlag(levels);

    m_autoLogEnable = readBool("AutoLogEnable", m_autoLogEnable);
    const int keep = settings->value(key("AutoLogKeepMax"), m_autoLogKeepMax).toInt();
    m_autoLogKeepMax = std::clamp(keep, 0, AutoLogKeepLimit);
    if (m_autoLogKeepMax != keep)
        dbgPrintf(DBG_WARNING, "readProfileIni", 0, "AutoLogKeepMax %d taken as %d", keep, m_autoLogKeepMax);
    m_encryptionEnable = readBool("EncryptionEnable", m_encryptionEnable);
    m_decryptionEnable = readBool("DecryptionEnable", m_decryptionEnable);
}

void SysDebug::run()
{
    for (;;) {
        std::deque<SDebugMsgData> batch;
        bool stopping = false;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_condition.wait(lock, [this] { return !m_pending.empty() || m_stop; });
            takePending(batch);
            stopping = m_stop;
        }
        // Formatting and writing happen outside the lock, so callers never wait on output.
        processBatch(batch);
        if (stopping) {
            // What was queued before the stop is written, then the thread ends.
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                takePending(batch);
            }
            processBatch(batch);
            return;
        }
    }
}

void SysDebug::processBatch(std::deque<SDebugMsgData>& batch)
{
    for (SDebugMsgData& msg : batch) {
        SDebugMsgData copy(msg);
        msgProc(copy);
    }
    batch.clear();
}

void SysDebug::msgProc(SDebugMsgData& msg)
{
    if (msg.level == DBG_DEEP && m_debugEnable && !m_levelFlags[DBG_DEEP])
        return;

    if (msg.code != -1)
        msg = procStakeMsg(msg, msg.level);

    if (!m_record && m_autoLogEnable) {
        const bool dump = isErrorLevel(msg.level);
        if (dump) {
            if (m_debugEnable)
                qDebug().noquote() << compHeadMsg("Auto Log", false);
            writeText(compHeadMsg("Auto Log", m_encryptionEnable));
            if (m_closeAfterWrite)
                closeFile();
        }
        pushAutoLogMsgQ(msg, dump);
    }

    if (!m_debugEnable || !m_levelFlags[msg.level])
        return;
    const QString line = printMsg(msg, true);
    if (m_record) {
        writeText(line);
        if (isErrorLevel(msg.level) || m_closeAfterWrite)
            closeFile();
    }
}

void SysDebug::pushAutoLogMsgQ(const SDebugMsgData& msg, bool dump)
{
    m_autoLogRing.push_back(msg);
    if (!dump) {
        while (m_autoLogRing.size() > static_cast<size_t>(m_autoLogKeepMax))
            m_autoLogRing.pop_front();
        return;
    }
    while (!m_autoLogRing.empty()) {
        SDebugMsgData& entry = m_autoLogRing.front();
        writeText(printMsg(entry, false));
        m_autoLogRing.pop_front();
        if (m_closeAfterWrite)
            closeFile();
    }
    noteFileResult(writeLogFile("\r\n", 2), false);
    closeFile();
}

QString SysDebug::printMsg(SDebugMsgData& msg, bool console)
{
    QString line;
    QTextStream stream(&line);
    stream.setFieldAlignment(QTextStream::AlignLeft);
    if (m_fieldFlags[FIELD_TIME]) {
        stream << Portal::QDt::ConvtFmtDateTimeToStr(msg.time, Portal::QDt::SysTimeZoneType(),
                                                     Portal::QDt::DATE_FORMAT_NONE, Portal::QDt::TIME_FORMAT_HMS, 0)
               << ' ';
    }
    if (m_fieldFlags[FIELD_THREAD])
        stream << msg.thread << '\t';
    if (m_fieldFlags[FIELD_CLASSFUN])
        stream << paddedName(QString::fromStdString(msg.classFun), console);
    if (m_fieldFlags[FIELD_TAG] && msg.tag != ' ')
        stream << QLatin1Char(msg.tag);
    if (m_fieldFlags[FIELD_LEVEL])
        stream << levelMark(msg, m_fieldFlags[FIELD_CODE]);
    if (m_fieldFlags[FIELD_NOTE])
        stream << QString::fromStdString(msg.note);
    stream.flush();

    if (console)
        qDebug().noquote() << line;
    if (m_encryptionEnable)
        return logEncryption(line);
    return line + QLatin1Char('\n');
}

QString SysDebug::compHeadMsg(std::string title, bool encode)
{
    const QString stamp = Portal::QDt::ConvtFmtDateTimeToStr(
        std::time(nullptr), Portal::QDt::SysTimeZoneType(), Portal::QDt::DATE_FORMAT_SHORT,
        Portal::QDt::TIME_FORMAT_HMS, 0);
    QString header = QStringLiteral("============================== ") + QString::fromStdString(title) +
                     QLatin1Char(' ') + stamp + QStringLiteral(" ==============================");
    if (encode)
        return logEncryption(header);
    return header + QLatin1Char('\r');
}

QString SysDebug::logEncryption(QString& line)
{
    // Padding to a multiple of 3 bytes keeps "=" out of the Base64, so lines concatenate.
    const int r = (line.size() + 1) % 3;
    if (r == 1)
        line += QStringLiteral("  ");
    else if (r == 2)
        line += QLatin1Char(' ');
    line += QLatin1Char('\n');
    return QString::fromLatin1(line.toLatin1().toBase64());
}

void SysDebug::logDecryption()
{
    QFile in(QString::fromLatin1(LogFilePath));
    if (!in.open(QIODevice::ReadOnly))
        return;
    QFile out(QString::fromLatin1(DecryptFilePath));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    out.write(QByteArray::fromBase64(in.readAll()));
}

SDebugMsgData SysDebug::procStakeMsg(SDebugMsgData& msg, DEBUG_MSG_LEVEL level)
{
    const SDebugMsgData top = m_stakeStack.empty() ? SDebugMsgData() : m_stakeStack.back();
    if (m_stakeStack.empty() || top.code != msg.code) {
        SDebugMsgData result(msg);
        if (level == DBG_STAKE) {
            m_stakeStack.push_back(result);
            m_lastStakeCode = msg.code;
        } else {
            result.level = DBG_DEBUG;
        }
        return result;
    }
    SDebugMsgData result(top);
    result.note = msg.note;
    result.setElapsed();
    result.level = DBG_FINISH;
    m_stakeStack.pop_back();
    return result;
}

void SysDebug::writeText(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    noteFileResult(writeLogFile(bytes.constData(), static_cast<size_t>(bytes.size())), false);
}

void SysDebug::closeFile()
{
    // Only a file that was open can confirm that its bytes were written.
    const bool open = m_logFile != nullptr;
    const bool written = closeLogFile();
    if (open)
        noteFileResult(written, true);
}

void SysDebug::noteFileResult(bool ok, bool confirmed)
{
    const QString path = QString::fromLatin1(LogFilePath);
    if (!ok) {
        ++m_failedWrites;
        if (m_writeFailing)
            return;
        m_writeFailing = true;
        m_failure = QString::fromLocal8Bit(std::strerror(lastFileError()));
        qWarning().noquote() << path + QStringLiteral(" cannot be written: ") + m_failure
                                    + QStringLiteral("; its messages are lost until it can");
        return;
    }
    if (!confirmed || !m_writeFailing)
        return;
    // The note is queued before the flag clears, so that it comes before anything logged later.
    dbgPrintf(DBG_WARNING, "logFile", 0, "%d writes of the log failed before this: %s", m_failedWrites,
              m_failure.toLocal8Bit().constData());
    m_failedWrites = 0;
    m_writeFailing = false;
    qWarning().noquote() << path + QStringLiteral(" is written again");
}
