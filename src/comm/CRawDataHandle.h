#pragma once

#include "comm/TxPackage.h"

#include <QByteArray>
#include <mutex>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace COMM {

// The receive queues of one transport, its line cutter and the record of the reply that
// the transmit side awaits. Every operation takes the handle's mutex itself, so none may be
// called with it held. A full queue never refuses data: it is emptied with a warning first.
class CRawDataHandle
{
public:
    static constexpr size_t LogMsgLimit = 1000;
    static constexpr size_t MessageLimit = 1000;
    static constexpr size_t SentenceLimit = 1000;
    static constexpr size_t BinDataLimit = 1000;
    static constexpr size_t CmdDataLimit = 100;
    // Bytes a line may hold besides its line end; a longer line is dropped up to its end.
    static constexpr size_t LineBufferLimit = 64 * 1024;

    CRawDataHandle() = default;
    ~CRawDataHandle();
    CRawDataHandle(const CRawDataHandle&) = delete;
    CRawDataHandle& operator=(const CRawDataHandle&) = delete;

    void clearAllData();
    void clearQueueLogMsg();
    void clearQueueMessage();
    void clearQueueSentence();
    void clearQueueBinData();
    void clearQueueCmdData();

    void appendToLogMsgQ(const QByteArray& chunk);
    // With split, the chunk is cut into lines, each ending in CR LF; empty lines are dropped.
    void appendToMsgQ(const QByteArray& chunk, bool split);
    // Lines are queued as cut, line ends and empty lines included.
    void appendToSentQ(const QByteArray& chunk);
    void appendToBinQ(const QByteArray& chunk);
    void appendToCmdQ(const QByteArray& chunk);

    // Adds the chunk to the carried line and returns the whole lines, in order of arrival.
    std::deque<std::string> retrieveString(const std::string& chunk);
    static void completeLineEnd(std::string& line);

    // Each pops the oldest element; false, leaving the argument as it was, when empty.
    bool queueNextLogMsg(QByteArray* out);
    bool queueNextMessage(QByteArray* out);
    bool queueNextSentence(std::string* out);
    bool queueNextBinData(QByteArray* out);
    bool queueNextCmdData(QByteArray* out);

    // The awaited reply. A received line that contains the expected text clears it.
    void setResponsePass(const SResponseInform& reply, int64_t sentTime);
    void resetResponsePass();
    // True while a reply is awaited; a reply older than its time-out is given up here.
    bool checkResponseWaiting(int64_t now);
    SResponseInform getResponsePass() const;

private:
    std::deque<std::string> cutLines(const std::string& chunk);
    // Appends the whole lines of the text; returns the bytes they took. The flag tells whether
    // the last one ended in a lone CR at the end of the text.
    size_t cutText(std::string_view text, std::deque<std::string>& lines, bool* loneCrAtEnd);
    size_t skipDiscardedLine(const std::string& chunk, size_t start);
    // Drops the lines holding a NUL from the buffer, cutting the lines before each into `lines`.
    // Returns true when the last dropped line ended in a lone CR at the end of the buffer.
    bool dropLinesBrokenByNul(std::deque<std::string>& lines);
    void matchAwaitedReply(std::string_view line);

    mutable std::mutex m_mutex;
    std::string m_lineBuffer;
    bool m_dropLeadingLf = false;      // the last line ended in a CR that ended its chunk
    bool m_discardToLineEnd = false;   // the carried line overran its room or held a NUL
    std::deque<QByteArray> m_logMsgQ;
    std::deque<QByteArray> m_messageQ;
    std::deque<std::string> m_sentenceQ;
    std::deque<QByteArray> m_binDataQ;
    std::deque<QByteArray> m_cmdDataQ;
    SResponseInform m_response;
};

} // namespace COMM
