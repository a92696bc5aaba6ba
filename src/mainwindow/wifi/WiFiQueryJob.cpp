#include "mainwindow/wifi/CWiFiJobEngine.h"

#include "device/CWiFiConfig.h"
#include "mainwindow/wifi/CWiFiJobHost.h"
#include "mainwindow/wifi/WiFiJobLog.h"

using namespace WiFiScope;
using WiFiJobLog::Log;
using WiFiJobLog::Step;

void CWiFiJobEngine::wifiQueryProc(int subState)
{
    const char* const op = "wifiQueryProc";
    for (;;) {
        setSubState(subState);
        switch (QUERY_STEP(subState)) {
        case QUERY_CLEAR:
            Step(op, "[wifiQueryProc] Reset");
            clearSettings();
            subState = QUERY_SEND;
            continue;
        case QUERY_SEND: {
            Step(op, "[wifiQueryProc] Send query command");
            m_host.sendWiFiBasicInfoQueryCmd();
            const int64_t sent = now();
            write([sent](SCmdProcData& s) { s.stepTime = sent; });
            subState = QUERY_WAIT;
            continue;
        }
        case QUERY_WAIT: {
            if (m_wifi.isQueryDataReady()) {
                subState = QUERY_SHOW;
                continue;
            }
            const int64_t sent = state().stepTime;
            if (sent == 0 || now() - sent > QueryResendSeconds) {
                Step(op, "[wifiQueryProc] Resend query command");
                setSubState(QUERY_SEND);
                return;
            }
            Step(op, "[wifiQueryProc] Wait for query data");
            return;
        }
        case QUERY_SHOW:
            Step(op, "[wifiQueryProc] Update wifi home page");
            if (m_wifi.infoReadOnce)
                m_host.updateWiFiPagesDisp();
            subState = QUERY_END;
            continue;
        case QUERY_END: {
            Step(op, "[wifiQueryProc] Reset");
            // The first query of a connection fills the pages before anything else runs: the
            // mode control below reads the switch and the radios from them.
            if (!m_wifi.infoReadOnce) {
                m_wifi.infoReadOnce = true;
                m_modeRepaired = false;
                m_host.updateWiFiPagesDisp();
            }
            const SCmdProcData module = state();
            if (module.wlanEnabled && !checkOPMode(module, module.opMode)) {
                if (!m_modeRepaired) {
                    m_modeRepaired = true;
                    endJob(op, "WiFi Query Proc Finish", WIFI_MAIN_START, WIFI_CFG_MODE_CTRL);
                    return;
                }
                // A module that never takes the switches would loop query and mode control.
                Step(op, "[wifiQueryProc] Operation mode still invalid after its repair: left as it is");
            }
            endJob(op, "WiFi Query Proc Finish", WIFI_MAIN_RESET, WIFI_CFG_NONE);
            return;
        }
        }
        return;
    }
}

bool CWiFiJobEngine::checkOPMode(const SWiFiData& module, int opMode) const
{
    bool consistent = true;
    if (opMode == WIFI_OP_MODE_CLIENT)
        consistent = !(module.dhcpServer != 0 && module.dhcpClient != 1);
    else if (opMode == WIFI_OP_MODE_ACCESS_POINT)
        consistent = !(module.dhcpServer != 1 && module.dhcpClient != 0);
    if (!consistent)
        Log()->dbgPrintf(DBG_INFO, "checkOPMode", 0, "Operation Mode setting invalid\nOP Mode = %d, DHCPDEN = %d, DHCPCEN = %d",
                         opMode, module.dhcpServer, module.dhcpClient);
    return consistent;
}
