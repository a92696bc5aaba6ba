#pragma once

#include "comm/CRawDataHandleQueue.h"
#include "comm/TxPackage.h"

#include <QByteArray>
#include <QString>
#include <mutex>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace COMM {

// The receive queues of one transport, its line cutter and the record of the reply that
// the transmit side awaits. Every operation takes the handle's mutex itself, so none may be
// called with it held. A full queue never refuses data: it is emptied with a warning first.
// Once the queues and buffers have grown to what the traffic needs, receiving sentences and
// taking them out allocates nothing.
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
    // Makes the line end in CR LF, unless it holds CR LF already.
    static void completeLineEnd(std::string& line);
    // The same on a NUL-terminated line of the given length in a buffer of the given size:
    // the new length, or 0 (the line unchanged) when the completed line and its NUL do not fit.
    static size_t completeLineEnd(char* line, size_t length, size_t size);

    // Each pops the oldest element; false, leaving the argument as it was, when empty.
    bool queueNextLogMsg(QByteArray* out);
    bool queueNextMessage(QByteArray* out);
    bool queueNextSentence(std::string* out);
    bool queueNextBinData(QByteArray* out);
    bool queueNextCmdData(QByteArray* out);
    // Empties the data-log queue into one text of one character per byte (Latin-1): zero bytes
    // and those above 0x7F reach the serial page as they came, and toLatin1 gives them back.
    QString takeLogText();

    // The awaited reply. A received line that contains the expected text clears it.
    void setResponsePass(const SResponseInform& reply, int64_t sentTime);
    void resetResponsePass();
    // True while a reply is awaited; a reply older than its time-out is given up here.
    bool checkResponseWaiting(int64_t now);
    SResponseInform getResponsePass() const;

private:
    // The lines cut from one chunk, back to back in one text that keeps its room.
    class CCutLines
    {
    public:
        void clear();
        void add(std::string_view line);
        size_t count() const { return m_ends.size(); }
        std::string_view line(size_t index) const;

    private:
        std::string m_text;
        std::vector<size_t> m_ends;
    };

    // Cuts the whole lines of the carried line and the chunk into m_cut.
    void cutLines(std::string_view chunk);
    // Appends the whole lines of the text to m_cut; returns the bytes they took. The flag tells
    // whether the last one ended in a lone CR at the end of the text.
    size_t cutText(std::string_view text, bool* loneCrAtEnd);
    size_t skipDiscardedLine(std::string_view chunk, size_t start);
    // Drops the lines holding a NUL from the buffer, cutting the lines before each into m_cut.
    // Returns true when the last dropped line ended in a lone CR at the end of the buffer.
    bool dropLinesBrokenByNul();
    void matchAwaitedReply(std::string_view line);
    void makeRoomForMessage();

    mutable std::mutex m_mutex;
    std::string m_lineBuffer;
    CCutLines m_cut;
    bool m_dropLeadingLf = false;      // the last line ended in a CR that ended its chunk
    bool m_discardToLineEnd = false;   // the carried line overran its room or held a NUL
    CRingQueue<QByteArray> m_logMsgQ;
    CRingQueue<QByteArray> m_messageQ;
    CRingQueue<std::string> m_sentenceQ;
    CRingQueue<QByteArray> m_binDataQ;
    CRingQueue<QByteArray> m_cmdDataQ;
    SResponseInform m_response;
};

} // namespace COMM
