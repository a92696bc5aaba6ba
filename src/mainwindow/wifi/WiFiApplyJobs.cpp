#include "mainwindow/wifi/CWiFiJobEngine.h"

#include "device/CWiFiConfig.h"
#include "mainwindow/wifi/CWiFiJobHost.h"
#include "mainwindow/wifi/WiFiJobLog.h"

#include <cstring>

using namespace WiFiScope;
using WiFiJobLog::Step;

namespace {

// The step's waiting line is logged on the tick the acknowledgement arrives too.
bool Acknowledged(const CWiFiConfig& wifi, SATCommandSet::INDEX command, const char* op, const char* waitLine)
{
    Step(op, waitLine);
    return wifi.snapshot().settingAcked[command];
}

} // namespace

void CWiFiJobEngine::wifiSetupProc(int subState)
{
    const char* const op = "wifiSetupProc";
    for (;;) {
        setSubState(subState);
        switch (APPLY_STEP(subState)) {
        case APPLY_SEND: {
            if (m_wifi.getSystemMode() != WIFI_SYS_MODE_CONFIG)
                return;
            Step(op, "[wifiSetupProc] Send AP mode set up data");
            write([](SCmdProcData& s) {
                SAPData& ap = s.apSettings;
                std::memset(ap.ssid, 0, sizeof ap.ssid);
                std::memset(ap.ip, 0, sizeof ap.ip);
                std::memset(ap.mask, 0, sizeof ap.mask);
                std::memset(ap.security, 0, sizeof ap.security);
                std::memset(ap.password, 0, sizeof ap.password);
            });
            SAPData settings;
            m_host.getWiFiAPData(&settings);
            m_host.sendWiFiCfgCmd(&settings);
            subState = APPLY_WAIT;
            continue;
        }
        case APPLY_WAIT:
            if (!Acknowledged(m_wifi, SATCommandSet::AT_WAPPLY, op, "[wifiSetupProc] Wait system apply"))
                return;
            subState = APPLY_END;
            continue;
        case APPLY_END:
            closeJob(op, "WiFi Setup Proc Finish", WIFI_CFG_QUERY);
            return;
        }
        return;
    }
}

void CWiFiJobEngine::wifiFunModeCtrlProc(int subState)
{
    const char* const op = "wifiFunModeCtrlProc";
    for (;;) {
        setSubState(subState);
        switch (APPLY_STEP(subState)) {
        case APPLY_SEND:
            if (m_wifi.getSystemMode() != WIFI_SYS_MODE_CONFIG)
                return;
            Step(op, "[wifiFunModeCtrlProc] send wifi mode control command");
            m_host.sendWiFiModeCtrlCmd(m_host.isWiFiSwitchOn(), WIFI_OPERATION_MODE(m_host.chosenOpMode()));
            subState = APPLY_WAIT;
            continue;
        case APPLY_WAIT:
            if (!Acknowledged(m_wifi, SATCommandSet::AT_WAPPLY, op, "[wifiFunModeCtrlProc] Wait system apply"))
                return;
            subState = APPLY_END;
            continue;
        case APPLY_END: {
            const bool scan = m_host.chosenOpMode() == WIFI_OP_MODE_CLIENT && m_host.isWiFiSwitchOn();
            closeJob(op, "WiFi Mode Ctrl Proc Finish", scan ? WIFI_CFG_CLIENT_SCAN : WIFI_CFG_QUERY);
            return;
        }
        }
        return;
    }
}

void CWiFiJobEngine::wifiFactoryResetProc(int subState)
{
    const char* const op = "wifiFactoryResetProc";
    for (;;) {
        setSubState(subState);
        switch (APPLY_STEP(subState)) {
        case APPLY_SEND:
            if (m_wifi.getSystemMode() != WIFI_SYS_MODE_CONFIG)
                return;
            Step(op, "[wifiFactoryResetProc] Send factory reset command");
            m_host.sendWiFiFactoryRstCmd();
            subState = APPLY_WAIT;
            continue;
        case APPLY_WAIT:
            if (!Acknowledged(m_wifi, SATCommandSet::AT_APPLY, op, "[wifiFactoryResetProc] Wait for reboot apply"))
                return;
            // The module restarts: the next run has to switch the device into its mode again.
            m_host.leaveWiFiCfgMode();
            m_wifi.setSystemMode(WIFI_SYS_MODE_NMEA);
            subState = APPLY_END;
            continue;
        case APPLY_END:
            closeJob(op, "WiFi Factory Reset Proc Finish", WIFI_CFG_QUERY);
            return;
        }
        return;
    }
}
