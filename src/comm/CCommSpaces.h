#pragma once

#include "comm/CCommData.h"
#include "comm/CLogListener.h"
#include "comm/CommProfile.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class CThread;
class QThread;
class QTimer;

namespace COMM {
class CServiceComm;
}

// Owns every connection of the process and runs them in the "CommSpaces Thread". The object
// itself lives in the GUI thread; its maintenance timer, the connection items and their
// transports live in the communication thread. The application learns what happens through
// the hooks, which a subclass implements; all but commInitThreadReady run in that thread.
//
// Requests from other threads pass through two single-slot mailboxes. Releases and
// re-creations that the communication thread decides on itself go on internal lists handled
// in the same tick, so it never waits for a mailbox that only it empties.
//
// Locks: the mailbox mutex and the list mutex are never held together, nor while a hook runs,
// a signal is emitted or an item is deleted. Only the communication thread changes the list.
class CCommSpaces : public QObject
{
    Q_OBJECT

public:
    static constexpr int TimerInterval = 1000;
    static constexpr unsigned long MailboxWaitMs = 100;
    // How long end() waits for the shutdown tick, and then for the thread to finish.
    static constexpr unsigned long EndWaitMs = 5000;

    explicit CCommSpaces(bool buildLog, QObject* parent = nullptr);
    ~CCommSpaces() override;

    // Makes and starts the communication thread; false when it exists already.
    bool initCommSpaceTh();
    // Asks for a new connection; waits while an earlier request is still pending.
    void saveComm(COMM::SCommConntProfile& profile);
    // Asks for a connection to be released and deleted. A pointer that is no longer in the
    // list when the request is carried out is ignored.
    void deleteComm(COMM::CCommData* item);
    // Releases every connection and stops the thread, in bounded time.
    void end();

    void setNewCommProfileCmd(COMM::SCommConntProfile& profile);
    // With keep, the item is made again from its profile right after its release.
    void setCommReleaseCmd(COMM::CCommData* item, bool keep);
    void clearNewCommProfileCmd();
    void clearCommReleaseCmd();
    bool isConnecting();
    bool isDisconnecting();

    // The first item whose transport is the given one, or none. Safe from any thread; the
    // item may be deleted by the communication thread once this returns, so use the result
    // for comparison and for deleteComm.
    COMM::CCommData* getCommData(COMM::CServiceComm* service) const;
    // True when the item is in the list, exempt from checks, and its transport is not the given one.
    bool matchCommExceptConnt(COMM::CCommData* item, COMM::CServiceComm* service) const;
    int getCommCount() const { return m_commCount; }
    void setEnvPath(const QString& path) { m_envPath = path; }

signals:
    void signalCommConntReady();
    // The log link was made; its item owns it.
    void signalCommLogReady(COMM::CLogListener* log);
    void signalCommDataSave();
    void signalCommDataSaved();
    void signalCommDataDelete(COMM::CCommData* item);
    // A serial link given up because its port would not open: the port and the system's reason.
    void signalCommOpenFailed(QString port, QString reason);
    void signalCommDataDeleted();
    void signalCommConnted(COMM::CCommData* item);

public slots:
    void onTimerOne();
    void onCommThStarted();

protected:
    virtual void commInitCommConnt() = 0;
    virtual void commInitThreadReady(QThread* thread) = 0;
    virtual void commReadCommConnect() = 0;
    virtual void commWriteCommConnect() = 0;
    virtual void commConnectSetup(COMM::CCommData* item) = 0;
    virtual void commReleaseTh() = 0;
    virtual void commCommDataSaved(COMM::CCommData* item) = 0;
    virtual void commDeleteCommData(COMM::CCommData* item) = 0;
    virtual void commCommDataDeleted() = 0;
    virtual void commCycleChecking() = 0;

    // Tests stretch the maintenance interval and tick by hand. Set before initCommSpaceTh.
    void setTimerInterval(int ms) { m_timerInterval = ms; }

private:
    struct SReleaseRequest
    {
        COMM::CCommData* item;
        bool keep;
    };

    bool isCommThread() const;
    // Waits in steps while a mailbox is occupied. tryPost fills it under the mailbox lock and
    // returns false while it is occupied. Gives up, with a log line, when nothing would empty it.
    void postToMailbox(const char* operation, const std::function<bool()>& tryPost);

    void initCommConnt();
    void buildCommLog();
    void readCommConnect();
    COMM::CServiceComm* connectSensorComm(const COMM::SCommConntProfile& profile);
    COMM::CCommData* addCommItem(const COMM::SCommConntProfile& profile, COMM::RAWDATA_TYPE type);
    // Enables a new transport and reports it when it is connected already.
    void enableService(COMM::CServiceComm* service);
    void connectSetup(COMM::CCommData* item);
    void saveCommData(const COMM::SCommConntProfile* profile);
    void deleteCommData(COMM::CCommData* item);
    void deleteCommItem(COMM::CCommData* item);
    void forgetLogLink(const COMM::CCommData* item);
    void clearCommItems();
    void releaseTh();
    // Stops the thread in bounded time and takes over what it did.
    void stopThread();

    void repairComm();
    void inspectCommData();
    void releaseCommData(const SReleaseRequest& request);
    void updateFailedConnt();
    bool reconntComm(COMM::CCommData* item);
    void queueOwnRelease(COMM::CCommData* item);

    // Communication thread only, no lock: only that thread changes the list.
    COMM::CCommData* findItem(const COMM::CServiceComm* service) const;
    bool contains(const COMM::CCommData* item) const;

    QTimer* m_timer = nullptr;
    CThread* m_thread = nullptr;
    QString m_envPath;
    bool m_buildLog;
    int m_timerInterval = TimerInterval;

    std::mutex m_mailboxMutex;
    std::unique_ptr<COMM::SCommConntProfile> m_newProfileCmd;
    std::unique_ptr<SReleaseRequest> m_releaseCmd;

    // The communication thread's own requests, handled in its next inspection.
    std::vector<SReleaseRequest> m_ownReleases;
    std::deque<COMM::SCommConntProfile> m_ownProfiles;

    mutable std::mutex m_listMutex;
    std::vector<std::unique_ptr<COMM::CCommData>> m_commList;
    std::atomic<int> m_commCount{0};
    int m_examinedPos = 0;  // 1-based position of the reconnection check; 0: start over
    // The one log link; communication thread only. Forgotten when its item is deleted.
    COMM::CLogListener* m_logListener = nullptr;

    std::atomic<bool> m_endFlag{false};
    std::mutex m_endMutex;
    std::condition_variable m_endCondition;
    bool m_released = false;     // the shutdown tick has run
    bool m_threadEnded = false;  // the thread has finished its event loop
};
