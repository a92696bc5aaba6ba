#pragma once

#include "device/WiFiTypes.h"

#include <cstdint>
#include <functional>

class CWiFiConfig;
class CWiFiJobHost;

// The Wi-Fi jobs and the engine that runs them, one step per refresh tick: it brings the device
// into Wi-Fi configuration mode, hands the tick to the current job, limits each run to 70 s and
// takes the device back to NMEA mode at the end. Its state lives in the Wi-Fi state record; it
// reads snapshots of it and writes through the record's locked update, while the communication
// thread fills in the module's replies. GUI thread only.
class CWiFiJobEngine
{
public:
    static constexpr int64_t RunLimitSeconds = 70;
    static constexpr int64_t QueryResendSeconds = 4;
    static constexpr int64_t LinkSettleSeconds = 9;
    static constexpr int EnterTriesMax = 3;
    static constexpr int LinkQueriesMax = 12;
    // The SSID by which the window asks the module's client to leave its access point.
    static constexpr const char* LeaveSSID = "#72904%+*K318D?";

    // The sub-states of the jobs, by kind of job.
    // The query.
    enum QUERY_STEP : int
    {
        QUERY_CLEAR = 0,
        QUERY_SEND = 1,
        QUERY_WAIT = 2, // for the replies; sent again after a while
        QUERY_SHOW = 3,
        QUERY_END = 4,
    };
    // Access point setup, mode control and factory reset: sent once, then the module applies.
    enum APPLY_STEP : int
    {
        APPLY_SEND = 0,
        APPLY_WAIT = 1,
        APPLY_END = 2,
    };
    // Client scan and client connect.
    enum LINK_JOB_STEP : int
    {
        LINK_SEND = 0,
        LINK_WAIT_READY = 1, // the scan's results, the join's apply
        LINK_SETTLE = 2,     // the module is given time on its access point
        LINK_QUERY = 3,      // the link status
        LINK_QUERY_WAIT = 4,
        LINK_REPORT = 5,
        LINK_SHOW = 6,
        LINK_END = 7,
    };

    CWiFiJobEngine(CWiFiConfig& wifi, CWiFiJobHost& host);
    CWiFiJobEngine(const CWiFiJobEngine&) = delete;
    CWiFiJobEngine& operator=(const CWiFiJobEngine&) = delete;

    // One refresh tick: a step in the record's main state.
    void tick();
    // The page's actions start a job; the next tick begins it.
    void startJob(WiFiScope::WIFI_CFG_TYPE type);
    void setMainState(WiFiScope::WIFI_MAIN_PROC_S state);

    void wifiMainProc(WiFiScope::WIFI_MAIN_PROC_S state);
    [[nodiscard]] bool wifiProcTimeOut();
    void wifiCfgType(int type, int subState);
    void restWiFiCfgSubProc();
    // Whether the module's DHCP switches agree with the operation mode; logs when not.
    [[nodiscard]] bool checkOPMode(const WiFiScope::SWiFiData& module, int opMode) const;

    // The access point that the client connect job joins or leaves.
    WiFiScope::SJoinRequest& clientAPCntData() { return m_clientAPCntData; }

    void wifiQueryProc(int subState);
    void wifiSetupProc(int subState);
    void wifiClientScanProc(int subState);
    void wifiClientAPCntProc(int subState);
    void wifiFunModeCtrlProc(int subState);
    void wifiFactoryResetProc(int subState);

private:
    // How a job goes on after a step that the scan and the connect job share.
    enum STEP_GO : int
    {
        GO_WAIT = 0,      // return, nothing stored
        GO_ON = 1,        // go on with the sub-state in the same call
        GO_NEXT_TICK = 2, // store the sub-state, go on next tick
    };
    [[nodiscard]] STEP_GO linkSettleStep(const char* operation, int* subState);
    [[nodiscard]] STEP_GO linkQueryStep(const char* operation, int* subState);

    // One engine step, from the main state given.
    void runStep(WiFiScope::WIFI_MAIN_PROC_S next);
    void handleTimeOut();
    void endJob(const char* operation, const char* finishLine, WiFiScope::WIFI_MAIN_PROC_S next,
                WiFiScope::WIFI_CFG_TYPE nextType);
    // The last step of every job but the query: its Reset line, then a run of the next job.
    void closeJob(const char* operation, const char* finishLine, WiFiScope::WIFI_CFG_TYPE nextType);
    void closeLinkJob(const char* operation, const char* finishLine);
    void setSubState(int subState);
    void clearSettings();
    void write(const std::function<void(WiFiScope::SCmdProcData&)>& change);
    WiFiScope::SCmdProcData state() const;
    int64_t now() const;

    CWiFiConfig& m_wifi;
    CWiFiJobHost& m_host;
    WiFiScope::SJoinRequest m_clientAPCntData;
    // The query repairs the module's mode switches once per connection, not for ever.
    bool m_modeRepaired = false;
    bool m_stepping = false;
};
