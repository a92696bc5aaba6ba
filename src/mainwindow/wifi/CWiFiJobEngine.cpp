#include "mainwindow/wifi/CWiFiJobEngine.h"

#include "device/CWiFiConfig.h"
#include "device/DeviceTypes.h"
#include "mainwindow/SMsgTextResource.h"
#include "mainwindow/wifi/CWiFiJobHost.h"
#include "mainwindow/wifi/WiFiJobLog.h"

#include <algorithm>
#include <iterator>

using namespace WiFiScope;
using WiFiJobLog::Log;
using WiFiJobLog::Step;

CWiFiJobEngine::CWiFiJobEngine(CWiFiConfig& wifi, CWiFiJobHost& host)
    : m_wifi(wifi)
    , m_host(host)
{
}

void CWiFiJobEngine::tick()
{
    wifiMainProc(WIFI_MAIN_PROC_S(state().mainState));
}

void CWiFiJobEngine::startJob(WIFI_CFG_TYPE type)
{
    write([type](SCmdProcData& s) {
        s.cfgType = type;
        s.mainState = WIFI_MAIN_START;
    });
}

void CWiFiJobEngine::setMainState(WIFI_MAIN_PROC_S mainState)
{
    write([mainState](SCmdProcData& s) { s.mainState = mainState; });
}

void CWiFiJobEngine::wifiMainProc(WIFI_MAIN_PROC_S state)
{
    // A box that a step shows runs its own event loop, in which the next ticks arrive: they
    // are skipped, or the step would show its box again from inside it, once a second.
    if (m_stepping)
        return;
    m_stepping = true;
    runStep(state);
    m_stepping = false;
}

void CWiFiJobEngine::runStep(WIFI_MAIN_PROC_S next)
{
    // Each state that goes on in the same call passes the checks again, so a run that reaches
    // its limit while handing over is caught at once.
    for (;;) {
        setMainState(next);
        const WIFI_SYS_MODE sysMode = m_wifi.getSystemMode();
        if (m_host.devDetectState() != DEV_STATE_CONFIG_SHOWN && sysMode == WIFI_SYS_MODE_CONFIG) {
            m_host.leaveWiFiCfgMode();
            return;
        }
        if (!m_host.hasWiFiModule())
            return;
        if (wifiProcTimeOut()) {
            handleTimeOut();
            return;
        }
        switch (next) {
        case WIFI_MAIN_START: {
            Step("wifiMainProc", "[wifiMainProc] Start");
            m_host.enableWiFiWaitingDisp(true);
            // A job starts on clean step data, whatever the run before it left.
            restWiFiCfgSubProc();
            const int64_t started = now();
            write([started](SCmdProcData& s) {
                s.jobStartTime = started;
                s.enterTries = 0; // counted per run
            });
            next = WIFI_MAIN_ENTER_CFG_MODE;
            continue;
        }
        case WIFI_MAIN_ENTER_CFG_MODE: {
            if (sysMode == WIFI_SYS_MODE_CONFIG) {
                next = WIFI_MAIN_RUN_JOB;
                continue;
            }
            if (state().enterTries >= EnterTriesMax) {
                m_host.leaveWiFiCfgMode();
                write([](SCmdProcData& s) { s.enterTries = 0; });
                return;
            }
            Step("wifiMainProc", "[wifiMainProc] Send cfg mode command");
            m_host.sendCmdToSwitchWiFiMode(WIFI_SYS_MODE_CONFIG);
            write([](SCmdProcData& s) { ++s.enterTries; });
            return;
        }
        case WIFI_MAIN_RUN_JOB: {
            if (sysMode != WIFI_SYS_MODE_CONFIG)
                return;
            const SCmdProcData current = state();
            wifiCfgType(current.cfgType, current.subState);
            return;
        }
        case WIFI_MAIN_RESET:
            Step("wifiMainProc", "[wifiMainProc] Reset");
            write([](SCmdProcData& s) {
                s.jobStartTime = 0;
                s.enterTries = 0;
                s.timeoutCount = 0;
            });
            next = WIFI_MAIN_PENDING;
            continue;
        case WIFI_MAIN_PENDING:
            if (sysMode != WIFI_SYS_MODE_NMEA) {
                Step("wifiMainProc", "[wifiMainProc] Pending(leaveWiFiCfgMode())");
                m_host.leaveWiFiCfgMode();
            }
            m_host.enableWiFiWaitingDisp(false);
            return;
        case WIFI_MAIN_POWER_FAIL:
            Step("wifiMainProc", "[wifiMainProc] Power Fail");
            m_host.enableWiFiWaitingDisp(false);
            return;
        }
        return;
    }
}

bool CWiFiJobEngine::wifiProcTimeOut()
{
    const SCmdProcData s = state();
    m_host.updateWiFiPGBWaitingMsg(s.timeoutCount);
    if (s.jobStartTime == 0)
        return false;
    const int64_t elapsed = now() - s.jobStartTime;
    Log()->dbgPrintf(DBG_INFO, "wifiProcTimeOut", 0, "Eclipse time:%lld", static_cast<long long>(elapsed));
    if (elapsed < RunLimitSeconds)
        return false;
    Log()->dbgPrintf(DBG_ERROR, "wifiProcTimeOut", 0, "Wi-Fi run timed out: main state %d, sub-state %d, job %d",
                     s.mainState, s.subState, s.cfgType);
    write([](SCmdProcData& d) {
        d.jobStartTime = 0;
        ++d.timeoutCount;
    });
    return true;
}

void CWiFiJobEngine::handleTimeOut()
{
    const bool givenUp = state().timeoutCount >= 2;
    const WIFI_MAIN_PROC_S nextState = givenUp ? WIFI_MAIN_RESET : WIFI_MAIN_START;
    const WIFI_CFG_TYPE nextType = givenUp ? WIFI_CFG_NONE : WIFI_CFG_QUERY;
    // The device leaves configuration mode before the warning: its box waits for the user, and
    // until then the device would pass nothing but the module's lines.
    m_host.resetLinkTx();
    restWiFiCfgSubProc();
    m_host.leaveWiFiCfgMode();
    m_host.switchSysMode(WIFI_SYS_MODE_NMEA);
    write([nextState, nextType, givenUp](SCmdProcData& s) {
        s.mainState = nextState;
        s.cfgType = nextType;
        if (givenUp)
            s.timeoutCount = 0;
    });
    if (givenUp) {
        m_wifi.runGivenUp = true;
        const SMsgTextResource& text = m_host.msgText();
        m_host.showMsgBox(MSG_BOX_WARNING, text.warning, text.settingFail);
    }
}

void CWiFiJobEngine::wifiCfgType(int type, int subState)
{
    if (m_wifi.getSystemMode() != WIFI_SYS_MODE_CONFIG)
        return;
    switch (type) {
    case WIFI_CFG_QUERY:
        wifiQueryProc(subState);
        break;
    case WIFI_CFG_AP_SETUP:
        wifiSetupProc(subState);
        break;
    case WIFI_CFG_CLIENT_SCAN:
        wifiClientScanProc(subState);
        break;
    case WIFI_CFG_CLIENT_CONNECT:
        wifiClientAPCntProc(subState);
        break;
    case WIFI_CFG_MODE_CTRL:
        wifiFunModeCtrlProc(subState);
        break;
    case WIFI_CFG_FACTORY_RESET:
        wifiFactoryResetProc(subState);
        break;
    default:
        break;
    }
}

void CWiFiJobEngine::restWiFiCfgSubProc()
{
    write([](SCmdProcData& s) {
        s.subState = 0;
        s.stepTime = 0;
        s.pollCount = 0;
        s.linkStatus = WIFI_LINK_NO_REPLY;
        std::fill(std::begin(s.queryReplied), std::end(s.queryReplied), false);
        std::fill(std::begin(s.settingAcked), std::end(s.settingAcked), false);
        s.scanDone = false;
        s.linkCheck = true;
    });
}

void CWiFiJobEngine::endJob(const char* operation, const char* finishLine, WIFI_MAIN_PROC_S next,
                            WIFI_CFG_TYPE nextType)
{
    write([next, nextType](SCmdProcData& s) {
        s.mainState = next;
        s.cfgType = nextType;
    });
    restWiFiCfgSubProc();
    Step(operation, finishLine);
}

void CWiFiJobEngine::closeJob(const char* operation, const char* finishLine, WIFI_CFG_TYPE nextType)
{
    Log()->dbgPrintf(DBG_INFO, operation, 0, "[%s] Reset", operation);
    endJob(operation, finishLine, WIFI_MAIN_START, nextType);
}

void CWiFiJobEngine::setSubState(int subState)
{
    write([subState](SCmdProcData& s) { s.subState = subState; });
}

void CWiFiJobEngine::clearSettings()
{
    write([](SCmdProcData& s) { s.apSettings = SAPData(); });
}

void CWiFiJobEngine::write(const std::function<void(SCmdProcData&)>& change)
{
    m_wifi.update(change);
}

SCmdProcData CWiFiJobEngine::state() const
{
    return m_wifi.snapshot();
}

int64_t CWiFiJobEngine::now() const
{
    return m_host.seconds();
}
