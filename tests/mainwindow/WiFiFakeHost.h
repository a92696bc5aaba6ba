#pragma once

#include "device/CWiFiConfig.h"
#include "mainwindow/SMsgTextResource.h"
#include "mainwindow/wifi/CWiFiJobHost.h"

#include <QStringList>
#include <cstring>

// The window and the device link as the Wi-Fi jobs see them: what is sent is listed as short
// words, the page is a few fields that filling copies from the Wi-Fi state as the page does,
// boxes are listed with the English texts, and the seconds are set by the test.
class WiFiFakeHost : public CWiFiJobHost
{
public:
    explicit WiFiFakeHost(CWiFiConfig& wifi)
        : m_wifi(wifi)
    {
        texts.information = "Information";
        texts.warning = "Warning";
        texts.connectFail = "Connect fail.\nPlease try again!";
        texts.settingFail = "WiFi setting fail!\nPlease try again.";
    }

    int devDetectState() const override { return detectState; }
    bool hasWiFiModule() const override { return wifiModule; }

    void sendCmdToSwitchWiFiMode(WiFiScope::WIFI_SYS_MODE mode) override { sent << QString("switch %1").arg(mode); }
    void leaveWiFiCfgMode() override { sent << "leave"; }
    void sendWiFiBasicInfoQueryCmd() override { sent << "query"; }
    void sendWiFiCfgCmd(const WiFiScope::SAPData* settings) override
    {
        sent << "setup " + QString::fromLatin1(settings->ssid, int(strnlen(settings->ssid, sizeof settings->ssid)));
    }
    void sendWiFiModeCtrlCmd(bool enable, WiFiScope::WIFI_OPERATION_MODE mode) override
    {
        sent << QString("mode %1 %2").arg(int(enable)).arg(mode);
    }
    void sendWiFiClientScanCmd() override { sent << "scan"; }
    void sendWiFiClientAPCntCmd(const WiFiScope::SJoinRequest* target) override
    {
        sent << "join " + QString::fromStdString(target->ssid);
    }
    void sendWiFiClientAPCntStatusCmd() override { sent << "link"; }
    void sendWiFiFactoryRstCmd() override { sent << "factory"; }
    void resetLinkTx() override { sent << "resetTx"; }
    // As the device link does, the mode is the state record's.
    void switchSysMode(WiFiScope::WIFI_SYS_MODE mode) override { m_wifi.setSystemMode(mode); }

    void enableWiFiWaitingDisp(bool on) override
    {
        waiting = on;
        if (on)
            ++waitingShown;
    }
    void updateWiFiPGBWaitingMsg(int timeoutCount) override { waitingText = timeoutCount; }
    void updateWiFiPagesDisp() override
    {
        const WiFiScope::SCmdProcData s = m_wifi.snapshot();
        switchOn = s.wlanEnabled;
        modeRadio = s.opMode;
        ++pagesFilled;
    }
    void updateAPListDisp() override { ++apListShown; }
    void getWiFiAPData(WiFiScope::SAPData* out) override { *out = form; }
    bool isWiFiSwitchOn() const override { return switchOn; }
    int chosenOpMode() const override { return modeRadio; }

    void showMsgBox(MSG_BOX_S kind, const QString& title, const QString& text) override
    {
        boxes << QString("%1 %2: %3").arg(kind).arg(title, text);
    }
    const SMsgTextResource& msgText() const override { return texts; }

    int64_t seconds() const override { return now; }

    int detectState = 5;
    bool wifiModule = true;
    QStringList sent;
    bool waiting = false;
    int waitingShown = 0;
    int waitingText = -1;
    int pagesFilled = 0;
    int apListShown = 0;
    bool switchOn = false; // the page starts with the switch off and no radio checked
    int modeRadio = -1;
    WiFiScope::SAPData form;
    QStringList boxes;
    SMsgTextResource texts;
    int64_t now = 1700000000;

private:
    CWiFiConfig& m_wifi;
};
