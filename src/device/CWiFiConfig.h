#pragma once

#include "device/CKTRWiFiPaser.h"
#include "device/SATCommandSet.h"
#include "device/WiFiTypes.h"

#include <atomic>
#include <functional>
#include <mutex>

// What the program knows of the transponder's Wi-Fi module and of the Wi-Fi job that runs.
// The communication thread hands it the module's replies; the GUI thread reads snapshots and
// writes the job fields through update. The system mode is atomic; one mutex guards the rest
// of the record and the parser. Nothing sends while it is held, and it is never held while
// taking a lock that comes before it.
class CWiFiConfig
{
public:
    CWiFiConfig();
    CWiFiConfig(const CWiFiConfig&) = delete;
    CWiFiConfig& operator=(const CWiFiConfig&) = delete;

    // Communication thread: one received line of the module, ending in CR LF.
    void cmdProc(const char* line);
    // Whether the parser is collecting a reply, whose lines are data.
    bool isReplyOpen() const;
    // Forgets the reply being collected: the device has left Wi-Fi configuration mode.
    void dropReply();
    // True when every wanted query has its reply; each missing one is logged, every call.
    bool isQueryDataReady() const;
    // Stores any value given.
    void setSystemMode(WiFiScope::WIFI_SYS_MODE mode) { m_sysMode = mode; }
    WiFiScope::WIFI_SYS_MODE getSystemMode() const { return WiFiScope::WIFI_SYS_MODE(m_sysMode.load()); }
    // Back to the start values; the station's link and address texts stay until the module
    // reports new ones.
    void reset();

    // A copy of the record, with the system mode.
    WiFiScope::SCmdProcData snapshot() const;
    // Changes the record under its lock: the change must neither send nor take another lock.
    // The record's system mode is a copy: what the change leaves there is not kept
    // (setSystemMode sets it).
    void update(const std::function<void(WiFiScope::SCmdProcData&)>& change);
    const SATCommandSet& commandSet() const { return m_commandSet; }

    // The main window's flags, GUI thread only; reset clears them.
    bool infoReadOnce = false;     // the query job has read the module's data once
    bool autoScanStarted = false;  // the automatic client scan ran for this connection
    bool runGivenUp = false;       // a run ended in the setting-fail warning
    bool powerNoticeShown = false;
    bool powerConfirmed = false;

private:
    static WiFiScope::SCmdProcData initialState();

    mutable std::mutex m_mutex;
    WiFiScope::SCmdProcData m_state; // guarded; its sysMode is not used
    const SATCommandSet m_commandSet;
    CKTRWiFiPaser m_parser; // guarded
    std::atomic<int> m_sysMode{WiFiScope::WIFI_SYS_MODE_UNKNOWN};
};
