#pragma once

#include "mainwindow/wifi/CWiFiJobHost.h"

class AisConfiguration;
class CDeviceComm;
class CWiFiAPExchangeSet;

// The main window as the Wi-Fi jobs' host: the device link's senders, the window's view and
// boxes, and its seconds. GUI thread only.
class CWindowWiFiHost : public CWiFiJobHost
{
public:
    // The window's access point table must outlive the host.
    CWindowWiFiHost(AisConfiguration& window, CWiFiAPExchangeSet& apTable);

    int devDetectState() const override;
    bool hasWiFiModule() const override;

    void sendCmdToSwitchWiFiMode(WiFiScope::WIFI_SYS_MODE mode) override;
    void leaveWiFiCfgMode() override;
    void sendWiFiBasicInfoQueryCmd() override;
    void sendWiFiCfgCmd(const WiFiScope::SAPData* settings) override;
    void sendWiFiModeCtrlCmd(bool enable, WiFiScope::WIFI_OPERATION_MODE mode) override;
    void sendWiFiClientScanCmd() override;
    void sendWiFiClientAPCntCmd(const WiFiScope::SJoinRequest* target) override;
    void sendWiFiClientAPCntStatusCmd() override;
    void sendWiFiFactoryRstCmd() override;
    void resetLinkTx() override;
    void switchSysMode(WiFiScope::WIFI_SYS_MODE mode) override;

    void enableWiFiWaitingDisp(bool on) override;
    void updateWiFiPGBWaitingMsg(int timeoutCount) override;
    void updateWiFiPagesDisp() override;
    void updateAPListDisp() override;
    void getWiFiAPData(WiFiScope::SAPData* out) override;
    bool isWiFiSwitchOn() const override;
    int chosenOpMode() const override;

    void showMsgBox(MSG_BOX_S kind, const QString& title, const QString& text) override;
    const SMsgTextResource& msgText() const override;

    int64_t seconds() const override;

private:
    CDeviceComm& device() const;

    AisConfiguration& m_window;
    CWiFiAPExchangeSet& m_apTable;
};
