#include "mainwindow/wifi/CWiFiJobEngine.h"

#include "device/CWiFiConfig.h"
#include "mainwindow/wifi/CWiFiJobHost.h"
#include "mainwindow/wifi/WiFiJobLog.h"

using namespace WiFiScope;
using WiFiJobLog::Log;
using WiFiJobLog::Step;

namespace {

constexpr int MsgBoxInformation = 0;

} // namespace

// Sub-state 2: the module is given time to settle on its access point.
CWiFiJobEngine::LINK_STEP CWiFiJobEngine::linkSettleStep(const char* op, int* subState)
{
    const int64_t passed = now() - state().stepTime;
    Log()->dbgPrintf(DBG_INFO, op, 0, "[%s] Delay %d", op, int(passed));
    if (passed <= LinkSettleSeconds)
        return LINK_WAIT;
    *subState = 3;
    return LINK_NEXT;
}

// Sub-states 3 and 4: the link status is asked until the module says it has no link, or
// twelve times while it keeps one.
CWiFiJobEngine::LINK_STEP CWiFiJobEngine::linkQueryStep(const char* op, int* subState)
{
    if (*subState == 3) {
        Log()->dbgPrintf(DBG_INFO, op, 0, "[%s] Send query wifi link status command", op);
        m_host.sendWiFiClientAPCntStatusCmd();
        write([](SCmdProcData& s) { ++s.pollCount; });
        *subState = 4;
        return LINK_NEXT;
    }
    const SCmdProcData s = state();
    if (s.linkStatus == 0)
        return LINK_WAIT;
    if (!s.linkCheck) {
        *subState = 5;
        return LINK_LATER;
    }
    if (s.pollCount >= LinkQueriesMax) {
        *subState = 5;
        return LINK_NEXT;
    }
    Log()->dbgPrintf(DBG_INFO, op, 0, "[%s] Retry query link status command:%d", op, s.pollCount);
    write([](SCmdProcData& d) { d.linkStatus = 0; });
    *subState = 3;
    return LINK_LATER;
}

// Sub-states 6 and 7: the access point list from the scan results, then the job's end.
void CWiFiJobEngine::closeLinkJob(const char* op, const char* finishLine)
{
    if (state().subState == 6) {
        Log()->dbgPrintf(DBG_INFO, op, 0, "[%s] Update display", op);
        m_host.updateAPListDisp();
        setSubState(7);
    }
    closeJob(op, finishLine, WIFI_CFG_QUERY);
}

void CWiFiJobEngine::wifiClientScanProc(int subState)
{
    const char* const op = "wifiClientScanProc";
    for (;;) {
        setSubState(subState);
        LINK_STEP step = LINK_NEXT;
        switch (subState) {
        case 0:
            Step(op, "[wifiClientScanProc] Send Scan command");
            m_host.sendWiFiClientScanCmd();
            subState = 1;
            break;
        case 1: {
            Step(op, "[wifiClientScanProc] Wait for scan data ready");
            if (!state().scanDone)
                return;
            const int64_t ready = now();
            write([ready](SCmdProcData& s) { s.stepTime = ready; });
            subState = 2;
            break;
        }
        case 2:
            step = linkSettleStep(op, &subState);
            break;
        case 3:
        case 4:
            step = linkQueryStep(op, &subState);
            break;
        case 5:
            Step(op, state().linkCheck ? "[wifiClientScanProc] WiFi connect Success"
                                       : "[wifiClientScanProc] WiFi connect Fail");
            subState = 6;
            break;
        case 6:
        case 7:
            closeLinkJob(op, "WiFi Client Scan Proc Finish");
            return;
        default:
            return;
        }
        if (step == LINK_WAIT)
            return;
        if (step == LINK_LATER) {
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
        LINK_STEP step = LINK_NEXT;
        switch (subState) {
        case 0:
            Step(op, "[wifiClientAPCntProc] Send connect command");
            m_host.sendWiFiClientAPCntCmd(&m_clientAPCntData);
            subState = 1;
            break;
        case 1: {
            Step(op, "[wifiClientAPCntProc] Wait for system apply");
            if (!state().settingAcked[SATCommandSet::AT_WAPPLY])
                return;
            const int64_t applied = now();
            write([applied](SCmdProcData& s) { s.stepTime = applied; });
            subState = 2;
            break;
        }
        case 2:
            step = linkSettleStep(op, &subState);
            break;
        case 3:
        case 4:
            step = linkQueryStep(op, &subState);
            break;
        case 5:
            if (state().linkCheck) {
                Step(op, "[wifiClientAPCntProc] WiFi connect Success");
            } else {
                Step(op, "[wifiClientAPCntProc] WiFi connect Fail");
                // Leaving is asked for by joining the leave SSID, which is bound to fail.
                if (m_clientAPCntData.ssid != LeaveSSID)
                    m_host.showMsgBox(MsgBoxInformation, "Information", "Connect fail.\nPlease try again!");
            }
            subState = 6;
            break;
        case 6:
        case 7:
            closeLinkJob(op, "WiFi Client AP Connect Proc Finish");
            return;
        default:
            return;
        }
        if (step == LINK_WAIT)
            return;
        if (step == LINK_LATER) {
            setSubState(subState);
            return;
        }
    }
}
