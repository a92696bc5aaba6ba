#pragma once

#include "comm/CRawDataHandle.h"
#include "comm/CommProfile.h"
#include "comm/TxPackage.h"

#include <QByteArray>
#include <mutex>
#include <QObject>
#include <atomic>
#include <cstdint>
#include <ctime>
#include <deque>
#include <memory>
#include <string>

class QTimer;

namespace COMM {

// The base of every transport. It files received chunks into its receive handle and signals
// them, sends queued packages paced by their spacing, holding the queue while a sent package
// awaits its reply, and traces the traffic. It lives in the communication thread; appends
// may come from any thread, receive slots included.
//
// Lock order of the program, outermost first: transport, receive handle, codec records, target
// registry, GPS record, Wi-Fi state, transmit queue, log queue. No lock is taken while one
// further down is held. The transmit queue has a lock of its own, taken only around the
// queue itself, so that anyone may queue a package whatever they hold: a receive slot, which
// runs inside the transport's lock, may answer the device at once.
class CServiceComm : public QObject
{
    Q_OBJECT

public:
    static constexpr int TxTimerInterval = 100;
    static constexpr unsigned long ReleaseWaitMs = 100;

    CServiceComm(const COMM_CONNT_SETTING& setting, RAWDATA_TYPE rawDataType);
    ~CServiceComm() override;

    // Connects the transport's device notifications to its own receive slots.
    virtual void connectSetup() {}
    virtual bool isConnected() { return true; }
    // The profile from which the communication space can build this transport again.
    virtual SCommConntProfile getProfile() = 0;
    // Writes len bytes of data to the link; true when written. Called with the mutex held.
    virtual bool commTxPackageSender(STxPackage package);

    void timerSetup(bool start);
    // Copies the package to the back (true) or the front of the queue; ignored while disabled.
    void appendToTxPackageQ(const STxPackage& package, bool atBack);
    void txPackageSender();
    void setResponsePass(const SResponseInform& reply);
    void clearTxPackage();
    // In the transport's own thread: drop the awaited reply and the queue at once. From any
    // other thread: ask the next timer tick to do it, and give it 100 ms.
    void reset();
    void release();

    // Receive entry: more is true when further chunks of the same read follow.
    void rxPackageProc(const QByteArray& data, bool more);
    // Nothing queued, nothing being written and no reply awaited. Under the transport's lock,
    // so that a package between the queue and the wire counts as not sent.
    bool isTxIdle();
    // Bytes written to the link: the tests wait on it for what was sent to have reached the device.
    uint64_t txByteCount() const { return m_txBytes; }
    void rawDataHandle(const QByteArray& chunk, RAWDATA_TYPE type);
    void rawDataDistribution(RAWDATA_TYPE type);
    // Trace line: the header and the bytes as text (to the first NUL) or as "%02X " each.
    void printMsg(const char* bytes, int count, const std::string& header);

    void setEnable(bool enable) { m_enable = enable; }
    void setContent(const std::string& content) { m_content = content; }
    void setRawDataType(RAWDATA_TYPE type) { m_rawDataType = type; }
    void setCommType(COMM_TYPE type) { m_commType = type; }
    // Both may be set from any thread while the communication thread reads them.
    void setConntPrimaryPosDev(PRIMARY_POS_DEV role) { m_primaryPosDev = role; }
    void setDebugConfig(const SDebugConfig& config);

    bool isEnable() const { return m_enable; }
    const std::string& getContent() const { return m_content; }
    RAWDATA_TYPE getRawDataType() const { return m_rawDataType; }
    COMM_TYPE getCommType() const { return m_commType; }
    COMM_CONNT_SETTING getConntSetting() const;
    SDebugConfig getDebugConfig() const;
    CRawDataHandle* getRawDataHandle() const { return m_rawHandle.get(); }
    int64_t getLastRxClock() const { return m_lastRxClock; }

    void updateConnected();
    void updateDisconnected() { m_connected = false; }
    void updateLostTime() { m_connectTime = std::time(nullptr); }
    void updateRxTime();

    // Kept for completeness; the rest of the system does not call these.
    void initial();
    // True while the queue must hold: a reply is awaited or the package's spacing has not passed.
    bool checkTxWaiting(const STxPackage& package);
    void copyToTxPackageQ(const std::deque<STxPackage>& packages, bool atBack);
    void swapTxPackages(std::deque<STxPackage>* packages);
    bool queueNextTxPackage(STxPackage* out, bool remove);
    bool isTxRequest();
    bool checkTxPkg(const STxPackage& package, const STxPackage* next, bool skipOnlyLast);
    bool queueSerialPackageLast(STxPackage* out);
    bool checkTimeOut(long long seconds) const;
    void updateRxDataSize(int count);

signals:
    void signalRxMessage(void* poSender, char iCommType);
    void signalRxSentence(void* poSender, char iCommType);
    void signalRxBinData(void* poSender);
    void signalRxCmdData(void* poSender);

public slots:
    void onTxDataTimer();

protected:
    // The connection setting, the comm type and the trace setting; the transport adds its own
    // configuration.
    SCommConntProfile makeProfile(COMM_TYPE commType) const;
    // Names the object after the connection's device.
    void nameAfterDevice();
    // The Leave line a transport's destructor writes at its start and end: "Name:%s <step>".
    void logLeave(const char* operation, const char* step) const;

private:
    bool isOwnThread() const;
    bool isAwaitingReply(int64_t now);
    bool isPacing(const STxPackage& package, int64_t now) const;
    // Takes the head package when its spacing has passed; false when the queue is empty or holds.
    bool takeDuePackage(STxPackage* package, int64_t now);
    void releaseTxSide();
    // A checkSame package that is empty or equals the last package sent is dropped.
    bool failsCheckSame(const STxPackage& package) const;
    // Keeps len and the expected text within their fields.
    static void boundPackage(STxPackage& package);

    std::mutex m_mutex;        // the transport: receiving, and sending a package
    std::mutex m_txQueueMutex; // the transmit queue alone
    QTimer* m_txTimer = nullptr;
    std::deque<STxPackage> m_txQueue;
    STxPackage m_lastTxPackage;
    std::atomic<bool> m_releaseRequest{false};
    std::atomic<bool> m_connected{false};
    std::unique_ptr<CRawDataHandle> m_rawHandle;
    std::atomic<RAWDATA_TYPE> m_rawDataType;
    std::atomic<COMM_TYPE> m_commType{COMM_TYPE_NONE};
    COMM_CONNT_SETTING m_conntSetting;  // its position role is m_primaryPosDev
    std::atomic<PRIMARY_POS_DEV> m_primaryPosDev;
    std::atomic<bool> m_enable{true};
    std::string m_content;
    std::time_t m_connectTime;
    std::time_t m_lastRxTime;
    int64_t m_lastRxClock = 0;
    uint32_t m_rxDataSize = 0;
    int64_t m_lastSendClock = 0;
    std::atomic<uint64_t> m_txBytes{0};
    // The trace setting (SDebugConfig), a field each.
    std::atomic<bool> m_traceAsText{false};
    std::atomic<int> m_traceBits{0};
};

} // namespace COMM
