#include "mainwindow/wifi/CWiFiJobEngine.h"

#include "device/CWiFiConfig.h"
#include "mainwindow/SMsgTextResource.h"
#include "mainwindow/wifi/CWiFiJobHost.h"
#include "mainwindow/wifi/WiFiJobLog.h"

using namespace WiFiScope;
using WiFiJobLog::Log;
using WiFiJobLog::Step;

// The module is given time to settle on its access point.
CWiFiJobEngine::STEP_GO CWiFiJobEngine::linkSettleStep(const char* op, int* subState)
{
    const int64_t passed = now() - state().stepTime;
    Log()->dbgPrintf(DBG_INFO, op, 0, "[%s] Delay %d", op, int(passed));
    if (passed <= LinkSettleSeconds)
        return GO_WAIT;
    *subState = LINK_QUERY;
    return GO_ON;
}

// The link status is asked until the module says it has no link, or twelve times while it
// keeps one.
CWiFiJobEngine::STEP_GO CWiFiJobEngine::linkQueryStep(const char* op, int* subState)
{
    if (*subState == LINK_QUERY) {
        Log()->dbgPrintf(DBG_INFO, op, 0, "[%s] Send query wifi link status command", op);
        m_host.sendWiFiClientAPCntStatusCmd();
        write([](SCmdProcData& s) { ++s.pollCount; });
        *subState = LINK_QUERY_WAIT;
        return GO_ON;
    }
    const SCmdProcData s = state();
    if (s.linkStatus == WIFI_LINK_NO_REPLY)
        return GO_WAIT;
    if (!s.linkCheck) {
        *subState = LINK_REPORT;
        return GO_NEXT_TICK;
    }
    if (s.pollCount >= LinkQueriesMax) {
        *subState = LINK_REPORT;
        return GO_ON;
    }
    Log()->dbgPrintf(DBG_INFO, op, 0, "[%s] Retry query link status command:%d", op, s.pollCount);
    write([](SCmdProcData& d) { d.linkStatus = WIFI_LINK_NO_REPLY; });
    *subState = LINK_QUERY;
    return GO_NEXT_TICK;
}

// The access point list from the scan results, then the job's end.
void CWiFiJobEngine::closeLinkJob(const char* op, const char* finishLine)
{
    if (state().subState == LINK_SHOW) {
        Log()->dbgPrintf(DBG_INFO, op, 0, "[%s] Update display", op);
        m_host.updateAPListDisp();
        setSubState(LINK_END);
    }
    closeJob(op, finishLine, WIFI_CFG_QUERY);
}

void CWiFiJobEngine::wifiClientScanProc(int subState)
{
    const char* const op = "wifiClientScanProc";
    for (;;) {
        setSubState(subState);
        STEP_GO go = GO_ON;
        switch (LINK_JOB_STEP(subState)) {
        case LINK_SEND:
            Step(op, "[wifiClientScanProc] Send Scan command");
            m_host.sendWiFiClientScanCmd();
            subState = LINK_WAIT_READY;
            break;
        case LINK_WAIT_READY: {
            Step(op, "[wifiClientScanProc] Wait for scan data ready");
            if (!state().scanDone)
                return;
            const int64_t ready = now();
            write([ready](SCmdProcData& s) { s.stepTime = ready; });
            subState = LINK_SETTLE;
            break;
        }
        case LINK_SETTLE:
            go = linkSettleStep(op, &subState);
            break;
        case LINK_QUERY:
        case LINK_QUERY_WAIT:
            go = linkQueryStep(op, &subState);
            break;
        case LINK_REPORT:
            Step(op, state().linkCheck ? "[wifiClientScanProc] WiFi connect Success"
                                       : "[wifiClientScanProc] WiFi connect Fail");
            subState = LINK_SHOW;
            break;
        case LINK_SHOW:
        case LINK_END:
            closeLinkJob(op, "WiFi Client Scan Proc Finish");
            return;
        default:
            return;
        }
        if (go == GO_WAIT)
            return;
        if (go == GO_NEXT_TICK) {
            setSubState(subState);
            return;
        }
    }
}

void CWiFiJobEngine::wifiClientAPCntProc(int subState)
{
    const char* const op = "wifiClientAPCntProc";
    for (;;) {
        setSubState(subState);
        STEP_GO go = GO_ON;
        switch (LINK_JOB_STEP(subState)) {
        case LINK_SEND:
            Step(op, "[wifiClientAPCntProc] Send connect command");
            m_host.sendWiFiClientAPCntCmd(&m_clientAPCntData);
            subState = LINK_WAIT_READY;
            break;
        case LINK_WAIT_READY: {
            Step(op, "[wifiClientAPCntProc] Wait for system apply");
            if (!state().settingAcked[SATCommandSet::AT_WAPPLY])
                return;
            const int64_t applied = now();
            write([applied](SCmdProcData& s) { s.stepTime = applied; });
            subState = LINK_SETTLE;
            break;
        }
        case LINK_SETTLE:
            go = linkSettleStep(op, &subState);
            break;
        case LINK_QUERY:
        case LINK_QUERY_WAIT:
            go = linkQueryStep(op, &subState);
            break;
        case LINK_REPORT:
            if (state().linkCheck) {
                Step(op, "[wifiClientAPCntProc] WiFi connect Success");
            } else {
                Step(op, "[wifiClientAPCntProc] WiFi connect Fail");
                // Leaving is asked for by joining the leave SSID, which is bound to fail.
                if (m_clientAPCntData.ssid != LeaveSSID) {
                    const SMsgTextResource& text = m_host.msgText();
                    m_host.showMsgBox(MSG_BOX_INFORMATION, text.information, text.connectFail);
                }
            }
            subState = LINK_SHOW;
            break;
        case LINK_SHOW:
        case LINK_END:
            closeLinkJob(op, "WiFi Client AP Connect Proc Finish");
            return;
        default:
            return;
        }
        if (go == GO_WAIT)
            return;
        if (go == GO_NEXT_TICK) {
            setSubState(subState);
            return;
        }
    }
}
