#include "device/CKTRWiFiPaser.h"
#include "device/DeviceFields.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstring>

using WiFiScope::SCmdProcData;
using AT = SATCommandSet;

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

// Each CR as "\r", each LF as "\n" and a line break, so the log shows how the line ended.
std::string Printable(const char* line)
{
    std::string text;
    for (const char* c = line; *c; ++c) {
        if (*c == '\r')
            text += "\\r";
        else if (*c == '\n')
            text += "\\n\n";
        else
            text += *c;
    }
    return text;
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

bool StartsWith(const std::string& text, const char* start)
{
    return text.compare(0, std::strlen(start), start) == 0;
}

constexpr const char* EchoStart = ">AT+";
constexpr const char* ExitCommand = "AT+EXIT";
constexpr const char* ScanEnd = "WiFiScanEnd";
constexpr const char* LeaveMark = "[WIFI]";

// The line without its line end.
std::string Bare(const std::string& line)
{
    const size_t end = line.find_last_not_of("\r\n");
    return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

// The line is the text itself, or the module's echo of it.
bool IsWholeLine(const std::string& line, const std::string& text)
{
    const std::string bare = Bare(line);
    return bare == text || bare == '>' + text;
}

bool IsSentenceStart(const char* line)
{
    return line[0] == '$' || line[0] == '!';
}

// A sentence with its checksum right at its end.
bool IsSentence(const char* line)
{
    const std::string bare = Bare(line);
    return IsSentenceStart(line) && bare.size() > 3 && bare[bare.size() - 3] == '*'
           && DeviceField::HasRightChecksum(line);
}

bool IsAnswer(const char* line)
{
    return std::strstr(line, "+ok") || std::strstr(line, "+err");
}

} // namespace

void CKTRWiFiPaser::init()
{
    dropReply();
}

void CKTRWiFiPaser::dropReply()
{
    m_reply.clear();
    m_replyLines = 0;
    m_linesCut = 0;
    m_state = RETRIEVE_IDLE;
    m_command = -1;
}

void CKTRWiFiPaser::cmdProc(const char* line, SCmdProcData* state)
{
    if (!line || !state)
        return;
    Log()->dbgPrintf(DBG_INFO, "cmdProc", 0, "[Original WiFi Sentence]%s", Printable(line).c_str());
    retrieWiFiCommand(line);
    if (m_state != RETRIEVE_COMPLETE)
        return;

    const std::string reply = m_reply;
    const int linesCut = m_linesCut;
    dropReply();
    if (StartsWith(reply, EchoStart) && Contains(reply, "+ok="))
        queryATResp(reply, linesCut, state);
    else if (StartsWith(reply, EchoStart) && Contains(reply, "+ok"))
        settingATResp(reply, state);
    else
        Log()->dbgPrintf(DBG_INFO, "cmdProc", 0, "[Else]=%s", reply.c_str());
}

void CKTRWiFiPaser::retrieWiFiCommand(const std::string& line)
{
    const char* const operation = "retrieWiFiCommand";
    if (m_state == RETRIEVE_COMPLETE || line == "\r\n" || line == "\r" || line == "\n") {
        Log()->dbgPrintf(DBG_INFO, operation, 0, "%s", "Sentence Retrieve State Wrong:");
        Log()->dbgPrintf(DBG_INFO, operation, 0, "Input : %s", line.c_str());
        Log()->dbgPrintf(DBG_INFO, operation, 0, "Buffer : %s", m_reply.c_str());
        return;
    }
    // An echo means the module has moved on to the next command: the reply being collected lost
    // its end marker and must not swallow, or be read as, the next one.
    if (m_state == RETRIEVE_COLLECTING && isNextEcho(line)) {
        Log()->dbgPrintf(DBG_WARNING, operation, 0, "Reply of %s dropped, its end marker did not come before:%s",
                         m_commands[AT::INDEX(m_command)].c_str(), line.c_str());
        dropReply();
    }
    if (m_state == RETRIEVE_IDLE) {
        m_command = findCommand(line);
        if (m_command < 0) {
            Log()->dbgPrintf(DBG_INFO, operation, 0, "Retrieve command not exist:%s", line.c_str());
            dropReply();
            return;
        }
    }
    const bool ends = endsReply(line);
    const bool fits = m_linesCut == 0 && m_replyLines + 1 <= ReplyLineLimit
                      && m_reply.size() + line.size() <= ReplyByteLimit;
    if (!fits && m_command == AT::AT_SCAN) {
        // The list keeps what fits; the rest of the reply is still its data up to its end.
        if (!ends)
            ++m_linesCut;
        m_state = ends ? RETRIEVE_COMPLETE : RETRIEVE_COLLECTING;
        return;
    }
    if (!fits) {
        Log()->dbgPrintf(DBG_WARNING, operation, 0,
                         "Reply of %s dropped, its end marker did not come within %d lines or %d bytes",
                         m_commands[AT::INDEX(m_command)].c_str(), ReplyLineLimit, int(ReplyByteLimit));
        dropReply();
        return;
    }
    m_reply += line;
    ++m_replyLines;
    m_state = ends ? RETRIEVE_COMPLETE : RETRIEVE_COLLECTING;
}

int CKTRWiFiPaser::findCommand(const std::string& line) const
{
    // Index order finds a longer name before the shorter one that begins it.
    for (int index = 0; index < AT::COMMAND_COUNT; ++index) {
        if (Contains(line, m_commands[AT::INDEX(index)].c_str()))
            return index;
    }
    return -1;
}

bool CKTRWiFiPaser::endsReply(const std::string& line) const
{
    if (m_command == AT::AT_APPLY)
        return Contains(line, "entering learning state");
    // An SSID may hold the marker: only the echo of the marker that follows the scan ends it.
    if (m_command == AT::AT_SCAN)
        return IsWholeLine(line, ScanEnd);
    return Contains(line, m_commands[AT::REPLY_OK].c_str()) || Contains(line, m_commands[AT::REPLY_ERR].c_str());
}

bool CKTRWiFiPaser::isNextEcho(const std::string& line) const
{
    if (m_command != AT::AT_SCAN)
        return StartsWith(line, EchoStart);
    // A scan line begins with its SSID, which may read like an echo with a parameter.
    const std::string bare = Bare(line);
    if (!StartsWith(bare, EchoStart))
        return false;
    const int command = findCommand(bare);
    return command >= 0 && bare == '>' + m_commands[AT::INDEX(command)];
}

void CKTRWiFiPaser::settingATResp(const std::string& reply, SCmdProcData* state) const
{
    if (!Contains(reply, m_commands[AT::REPLY_OK].c_str()))
        return;
    if (Contains(reply, m_commands[AT::AT_WAPPLY].c_str()))
        state->settingAcked[AT::AT_WAPPLY] = true;
    else if (Contains(reply, m_commands[AT::AT_SYSAPPLY].c_str()))
        state->settingAcked[AT::AT_SYSAPPLY] = true;
    else if (Contains(reply, "br0: port 2(ath0) entering learning state"))
        state->settingAcked[AT::AT_APPLY] = true;
}

bool CKTRWiFiPaser::delimDataRead(std::string* value, const std::string& text, size_t from, const char* key)
{
    const size_t at = text.find(key, from);
    if (at == std::string::npos)
        return false;
    const size_t start = at + std::strlen(key);
    const size_t end = text.find_first_of("\r\n", start);
    *value = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return true;
}

bool CKTRWiFiPaser::checkCfgModeEnable(const char* line)
{
    if (!line)
        return s_cfgMode;
    MODE_SIGN sign = SIGN_NONE;
    if (std::strstr(line, ExitCommand))
        sign = SIGN_EXIT;
    else if (std::strstr(line, LeaveMark) || IsSentenceStart(line))
        sign = SIGN_LEAVE;
    else if (IsAnswer(line))
        sign = SIGN_ANSWER;
    return applyModeSign(sign, IsAnswer(line));
}

bool CKTRWiFiPaser::checkModuleLine(const char* line, bool replyOpen)
{
    if (!line)
        return s_cfgMode;
    MODE_SIGN sign = SIGN_NONE;
    if (IsWholeLine(line, ExitCommand))
        sign = SIGN_EXIT;
    else if (!replyOpen && (IsSentence(line) || StartsWith(line, LeaveMark)))
        sign = SIGN_LEAVE;
    else if (IsAnswer(line))
        sign = SIGN_ANSWER;
    return applyModeSign(sign, IsAnswer(line));
}

bool CKTRWiFiPaser::applyModeSign(MODE_SIGN sign, bool answer)
{
    if (s_exitAwaited && answer) {
        s_exitAwaited = false;
        return false;
    }
    switch (sign) {
    case SIGN_EXIT:
        s_exitAwaited = true;
        s_cfgMode = false;
        return false;
    case SIGN_LEAVE:
        s_cfgMode = false;
        return false;
    case SIGN_ANSWER:
        s_cfgMode = true;
        return true;
    case SIGN_NONE:
        break;
    }
    return s_cfgMode;
}
