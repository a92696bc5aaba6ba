#pragma once

#include "codec/SensorListener.h"
#include "codec/SensorSentencePackage.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>

namespace COMM {
class CRawDataHandle;
}

// Turns the received lines of one connection into codec results and signals. sentenceProc
// runs in the thread that delivers the transport's receive signal, inside the transport's
// mutex, and so must never append to that transport. The codec lock is held for the decoding
// of one sentence only: every signal comes after it is released, so that slots can copy out
// through the functions that lock themselves.
class CSensorSentenceHandle : public QObject
{
    Q_OBJECT

public:
    static constexpr int64_t CheckSumWindowSeconds = 30;
    static constexpr size_t CheckSumAlarmCount = 3;
    // The newest entries kept; older ones are dropped.
    static constexpr size_t CheckSumQueueLimit = 100;

    explicit CSensorSentenceHandle(QObject* parent = nullptr);
    ~CSensorSentenceHandle() override;

    // Offered every line that fits before the codec sees it; true takes the line.
    virtual bool sensorSentenceProc(SENSOR_SENTENCE_PACKAGE& package);
    // Told of every sentence that the codec decoded with result 0.
    virtual void sensorAisListener(char* sentence, int listener, char channel);
    // Told of every line too long to be offered; the codec skips it with a log line.
    virtual void sensorLongLine(const std::string& line);

    // Drains the transport's log and sentence queues.
    void sentenceProc(COMM::CServiceComm* service, COMM::COMM_TYPE type);
    void i62ParserProc(SENSOR_SENTENCE_PACKAGE& package);

    // The formatter as the dispatcher reads it: the inner formatter behind the maker's prefix,
    // "Q" for a query, else the three letters at positions 3 to 5; empty when the address field
    // holds none. The text is not changed.
    static void getI62DataFormatter(const char* sentence, char (&formatter)[4]);
    static VudaviRirev::SENSOR_I62_LISTENER obtainI62ListenerType(int subtype);
    // The codec initialisers, each taking the codec lock: never call with it held.
    static void resetI62Data();

    void appendToCheckSumErrorQ(const SENSOR_SENTENCE_PACKAGE& package);
    void clearQueueData();
    void swapCheckSumErrorQ(std::deque<SETENCE_CHECKSUM_ERROR_INFO>* queue);
    // Set once three or more checksum errors fell in one window; stays set.
    bool isCheckSumAlarm() const;

signals:
    void signalFillAisOwnData(int listener);
    void signalFillAisTargetData(unsigned int mmsi);
    void signalFillGpsData(int listener, int subtype, bool notZda, bool fromLogReplay);
    void signalRxLogMsg(void* service, QString text);

protected:
    // targetMmsi: ship-table entry 1 as the decoding left it.
    void i62DecoderProc(const SENSOR_SENTENCE_PACKAGE& package, int group, int subtype,
                        VudaviRirev::SENSOR_I62_LISTENER listener, unsigned int targetMmsi);

private:
    struct SDecoded
    {
        int result;
        int group;       // of a decoded sentence
        int subtype;     // of a decoded sentence
        uint8_t channel; // of a decoded VDM or VDO sentence, else 128
        unsigned int targetMmsi;
    };

    void emitLogText(COMM::CServiceComm* service, COMM::CRawDataHandle* handle);
    // Copies the line into the package and completes its line end; false (logged) when the
    // line is too long.
    static bool takeLine(const std::string& line, SENSOR_SENTENCE_PACKAGE& package);
    static bool completeLineEnd(SENSOR_SENTENCE_PACKAGE& package);
    // Under the codec lock: the sentence through the codec, and what its signals need.
    SDecoded decode(SENSOR_SENTENCE_PACKAGE& package, uint64_t clockMs);
    void closeCheckSumWindow(int64_t now);

    // The line taken out of the queue, kept so that its room serves the next line too.
    std::string m_line;
    mutable std::mutex m_mutex; // the checksum-error queue and the alarm flag
    std::deque<SETENCE_CHECKSUM_ERROR_INFO> m_checkSumErrorQ;
    bool m_alarm = false;
    // Seconds of the monotonic clock; only the receiving thread touches them.
    int64_t m_windowStart;
    int64_t m_lastSecond;
};
