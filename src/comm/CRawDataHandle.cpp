#include "comm/CRawDataHandle.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cstring>
#include <string_view>

namespace COMM {

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

// Empties a queue that has reached its limit, so that the element about to come fits.
template <typename Queue>
void MakeRoom(Queue& queue, size_t limit, const char* operation, const char* text)
{
    if (queue.size() < limit)
        return;
    queue.clear();
    Log()->dbgPrintf(DBG_WARNING, operation, 0, "%s", text);
}

template <typename Queue, typename Item>
bool PopFront(std::mutex& mutex, Queue& queue, Item* out)
{
    std::lock_guard<std::mutex> lock(mutex);
    return queue.popFront(out);
}

template <typename Queue>
void Clear(std::mutex& mutex, Queue& queue)
{
    Queue old;
    {
        std::lock_guard<std::mutex> lock(mutex);
        old.swap(queue);
    }
}

std::string_view ViewOf(const QByteArray& bytes)
{
    return std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()));
}

enum class LineEndFix
{
    NONE,
    INSERT_CR_BEFORE_LF,
    APPEND_LF,
    APPEND_CR_LF,
};

LineEndFix LineEndFixOf(std::string_view line)
{
    if (line.find("\r\n") != std::string_view::npos)
        return LineEndFix::NONE;
    if (!line.empty() && line.back() == '\n')
        return LineEndFix::INSERT_CR_BEFORE_LF;
    if (!line.empty() && line.back() == '\r')
        return LineEndFix::APPEND_LF;
    return LineEndFix::APPEND_CR_LF;
}

} // namespace

CRawDataHandle::~CRawDataHandle()
{
    clearAllData();
}

void CRawDataHandle::clearAllData()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lineBuffer.clear();
        m_dropLeadingLf = false;
        m_discardToLineEnd = false;
    }
    clearQueueLogMsg();
    clearQueueMessage();
    clearQueueSentence();
    clearQueueBinData();
    clearQueueCmdData();
}

void CRawDataHandle::clearQueueLogMsg() { Clear(m_mutex, m_logMsgQ); }
void CRawDataHandle::clearQueueMessage() { Clear(m_mutex, m_messageQ); }
void CRawDataHandle::clearQueueSentence() { Clear(m_mutex, m_sentenceQ); }
void CRawDataHandle::clearQueueBinData() { Clear(m_mutex, m_binDataQ); }
void CRawDataHandle::clearQueueCmdData() { Clear(m_mutex, m_cmdDataQ); }

void CRawDataHandle::appendToLogMsgQ(const QByteArray& chunk)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    MakeRoom(m_logMsgQ, LogMsgLimit, "appendToLogMsgQ", "many log messages dosn't process in queue");
    m_logMsgQ.push_back(chunk);
}

void CRawDataHandle::appendToMsgQ(const QByteArray& chunk, bool split)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!split) {
        makeRoomForMessage();
        m_messageQ.push_back(chunk);
        return;
    }
    cutLines(ViewOf(chunk));
    std::string line;
    for (size_t i = 0; i < m_cut.count(); ++i) {
        line.assign(m_cut.line(i));
        completeLineEnd(line);
        if (line == "\r\n")
            continue;
        // Per line: one chunk may bring any number of lines.
        makeRoomForMessage();
        m_messageQ.push_back(QByteArray(line.c_str()));
    }
}

void CRawDataHandle::appendToSentQ(const QByteArray& chunk)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    cutLines(ViewOf(chunk));
    // Per line: one chunk may bring any number of lines.
    for (size_t i = 0; i < m_cut.count(); ++i) {
        MakeRoom(m_sentenceQ, SentenceLimit, "appendToSentQ", "many sentence dosn't process in queue");
        m_sentenceQ.pushSlot().assign(m_cut.line(i));
    }
}

void CRawDataHandle::makeRoomForMessage()
{
    MakeRoom(m_messageQ, MessageLimit, "appendToMsgQ", "many messages dosn't process in queue");
}

void CRawDataHandle::appendToBinQ(const QByteArray& chunk)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    MakeRoom(m_binDataQ, BinDataLimit, "appendToBinQ", "many binaray datas dosn't process in queue");
    m_binDataQ.push_back(chunk);
}

void CRawDataHandle::appendToCmdQ(const QByteArray& chunk)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    MakeRoom(m_cmdDataQ, CmdDataLimit, "appendToCmdQ", "many command datas dosn't process in queue");
    m_cmdDataQ.push_back(chunk);
}

std::deque<std::string> CRawDataHandle::retrieveString(const std::string& chunk)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    cutLines(chunk);
    std::deque<std::string> lines;
    for (size_t i = 0; i < m_cut.count(); ++i)
        lines.emplace_back(m_cut.line(i));
    return lines;
}

void CRawDataHandle::cutLines(std::string_view chunk)
{
    m_cut.clear();
    size_t start = 0;
    if (!chunk.empty()) {
        // A serial read may end between CR and LF: that LF belongs to the line already cut.
        if (m_dropLeadingLf && chunk[0] == '\n')
            start = 1;
        m_dropLeadingLf = false;
    }
    if (m_discardToLineEnd) {
        start = skipDiscardedLine(chunk, start);
        if (m_discardToLineEnd)
            return;
    }
    m_lineBuffer.append(chunk.substr(start));
    const bool brokenLineEndedWithCr = dropLinesBrokenByNul();
    bool loneCrAtEnd = false;
    const size_t p = cutText(m_lineBuffer, &loneCrAtEnd);
    if (loneCrAtEnd || brokenLineEndedWithCr)
        m_dropLeadingLf = true;

    m_lineBuffer.erase(0, p);
    if (m_lineBuffer.size() > LineBufferLimit) {
        Log()->dbgPrintf(DBG_WARNING, "retrieveString", 0, "line without end over %d bytes dropped (%d bytes)",
                         static_cast<int>(LineBufferLimit), static_cast<int>(m_lineBuffer.size()));
        m_lineBuffer.clear();
        m_discardToLineEnd = true;
    }
}

size_t CRawDataHandle::cutText(std::string_view text, bool* loneCrAtEnd)
{
    const size_t size = text.size();
    // A CR LF anywhere in the rest wins over an earlier lone LF or CR. Once the rest holds no
    // CR LF (or no LF) it never will again, so each search runs over the text at most once.
    bool anyCrLf = true;
    bool anyLf = true;
    size_t p = 0;
    while (p < size) {
        const std::string_view rest = text.substr(p);
        size_t pos = std::string_view::npos;
        size_t terminatorLength = 1;
        if (anyCrLf) {
            pos = rest.find("\r\n");
            anyCrLf = pos != std::string_view::npos;
            if (anyCrLf)
                terminatorLength = 2;
        }
        if (!anyCrLf && anyLf) {
            pos = rest.find('\n');
            anyLf = pos != std::string_view::npos;
        }
        if (!anyCrLf && !anyLf)
            pos = rest.find('\r');
        if (pos == std::string_view::npos)
            break;
        const std::string_view line = rest.substr(0, pos + terminatorLength);
        p += line.size();
        if (loneCrAtEnd)
            *loneCrAtEnd = p == size && !anyLf && !anyCrLf;
        // A line that came whole within one chunk is held to the same room as a carried one.
        if (pos > LineBufferLimit) {
            Log()->dbgPrintf(DBG_WARNING, "retrieveString", 0, "line over %d bytes dropped (%d bytes)",
                             static_cast<int>(LineBufferLimit), static_cast<int>(line.size()));
            continue;
        }
        matchAwaitedReply(line);
        m_cut.add(line);
    }
    return p;
}

bool CRawDataHandle::dropLinesBrokenByNul()
{
    // A NUL byte is never part of a sentence: the whole line it stands in is dropped. The lines
    // before it are cut first, on their own, so that nothing before it can be joined to what
    // comes after it by a line end further on.
    bool endedWithLoneCr = false;
    size_t from = 0;
    size_t nul;
    while ((nul = m_lineBuffer.find('\0', from)) != std::string::npos) {
        const size_t lastEnd = m_lineBuffer.find_last_of("\r\n", nul);
        const size_t lineStart = lastEnd == std::string::npos || lastEnd < from ? from : lastEnd + 1;
        cutText(std::string_view(m_lineBuffer).substr(from, lineStart - from), nullptr);
        Log()->dbgPrintf(DBG_WARNING, "retrieveString", 0, "line with a NUL byte dropped");
        size_t lineEnd = m_lineBuffer.find_first_of("\r\n", nul);
        if (lineEnd == std::string::npos) {
            m_lineBuffer.clear();
            m_discardToLineEnd = true;
            return false;
        }
        if (m_lineBuffer[lineEnd] == '\r' && lineEnd + 1 < m_lineBuffer.size() && m_lineBuffer[lineEnd + 1] == '\n')
            ++lineEnd;
        endedWithLoneCr = lineEnd + 1 == m_lineBuffer.size() && m_lineBuffer[lineEnd] == '\r';
        from = lineEnd + 1;
    }
    m_lineBuffer.erase(0, from);
    return endedWithLoneCr;
}

size_t CRawDataHandle::skipDiscardedLine(std::string_view chunk, size_t start)
{
    const size_t pos = chunk.find_first_of("\r\n", start);
    if (pos == std::string_view::npos)
        return chunk.size();
    m_discardToLineEnd = false;
    if (chunk[pos] == '\r') {
        if (pos + 1 == chunk.size())
            m_dropLeadingLf = true;
        else if (chunk[pos + 1] == '\n')
            return pos + 2;
    }
    return pos + 1;
}

void CRawDataHandle::matchAwaitedReply(std::string_view line)
{
    if (!m_response.isAwaited())
        return;
    const std::string_view expected(m_response.expected, strnlen(m_response.expected, sizeof m_response.expected));
    if (line.find(expected) != std::string_view::npos)
        m_response = SResponseInform();
}

void CRawDataHandle::completeLineEnd(std::string& line)
{
    switch (LineEndFixOf(line)) {
    case LineEndFix::NONE:
        break;
    case LineEndFix::INSERT_CR_BEFORE_LF:
        line.insert(line.size() - 1, 1, '\r');
        break;
    case LineEndFix::APPEND_LF:
        line.push_back('\n');
        break;
    case LineEndFix::APPEND_CR_LF:
        line.append("\r\n");
        break;
    }
}

size_t CRawDataHandle::completeLineEnd(char* line, size_t length, size_t size)
{
    const LineEndFix fix = LineEndFixOf(std::string_view(line, length));
    const size_t added = fix == LineEndFix::NONE ? 0 : fix == LineEndFix::APPEND_CR_LF ? 2 : 1;
    if (length + added + 1 > size)
        return 0;
    switch (fix) {
    case LineEndFix::NONE:
        break;
    case LineEndFix::INSERT_CR_BEFORE_LF:
        line[length - 1] = '\r';
        line[length] = '\n';
        break;
    case LineEndFix::APPEND_LF:
        line[length] = '\n';
        break;
    case LineEndFix::APPEND_CR_LF:
        line[length] = '\r';
        line[length + 1] = '\n';
        break;
    }
    line[length + added] = '\0';
    return length + added;
}

void CRawDataHandle::CCutLines::clear()
{
    // The room kept is that of the longest line a chunk may bring, and of as many lines as a
    // queue holds; one chunk of more gives its larger room back.
    if (m_text.capacity() > LineBufferLimit + 2)
        std::string().swap(m_text);
    if (m_ends.capacity() > SentenceLimit)
        std::vector<size_t>().swap(m_ends);
    m_text.clear();
    m_ends.clear();
}

void CRawDataHandle::CCutLines::add(std::string_view line)
{
    m_text.append(line);
    m_ends.push_back(m_text.size());
}

std::string_view CRawDataHandle::CCutLines::line(size_t index) const
{
    const size_t start = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_text).substr(start, m_ends[index] - start);
}

bool CRawDataHandle::queueNextLogMsg(QByteArray* out) { return PopFront(m_mutex, m_logMsgQ, out); }
bool CRawDataHandle::queueNextMessage(QByteArray* out) { return PopFront(m_mutex, m_messageQ, out); }
bool CRawDataHandle::queueNextSentence(std::string* out) { return PopFront(m_mutex, m_sentenceQ, out); }
bool CRawDataHandle::queueNextBinData(QByteArray* out) { return PopFront(m_mutex, m_binDataQ, out); }
bool CRawDataHandle::queueNextCmdData(QByteArray* out) { return PopFront(m_mutex, m_cmdDataQ, out); }

QString CRawDataHandle::takeLogText()
{
    QString text;
    QByteArray chunk;
    while (queueNextLogMsg(&chunk))
        text += QString::fromLatin1(chunk.constData(), chunk.size()); // the QByteArray overload stops at a zero
    return text;
}

void CRawDataHandle::setResponsePass(const SResponseInform& reply, int64_t sentTime)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_response = reply;
    m_response.sentTime = sentTime;
    m_response.terminateExpected();
}

void CRawDataHandle::resetResponsePass()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_response = SResponseInform();
}

bool CRawDataHandle::checkResponseWaiting(int64_t now)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_response.isAwaited())
        return false;
    if (now - m_response.sentTime > m_response.timeout) {
        m_response = SResponseInform();
        return false;
    }
    return true;
}

SResponseInform CRawDataHandle::getResponsePass() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_response;
}

} // namespace COMM
