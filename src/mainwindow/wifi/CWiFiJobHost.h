#pragma once

#include "device/WiFiTypes.h"
#include "mainwindow/MsgBoxKind.h"

#include <QString>
#include <cstdint>

struct SMsgTextResource;

// What the Wi-Fi jobs need of the main window and the device link. The window implements it
// over its facade, view and message boxes; tests implement it with a fake.
class CWiFiJobHost
{
public:
    virtual ~CWiFiJobHost() = default;

    // The device, as the window has taken it over.
    [[nodiscard]] virtual int devDetectState() const = 0;
    [[nodiscard]] virtual bool hasWiFiModule() const = 0;

    // Senders.
    virtual void sendCmdToSwitchWiFiMode(WiFiScope::WIFI_SYS_MODE mode) = 0;
    virtual void leaveWiFiCfgMode() = 0;
    virtual void sendWiFiBasicInfoQueryCmd() = 0;
    virtual void sendWiFiCfgCmd(const WiFiScope::SAPData* settings) = 0;
    virtual void sendWiFiModeCtrlCmd(bool enable, WiFiScope::WIFI_OPERATION_MODE mode) = 0;
    virtual void sendWiFiClientScanCmd() = 0;
    virtual void sendWiFiClientAPCntCmd(const WiFiScope::SJoinRequest* target) = 0;
    virtual void sendWiFiClientAPCntStatusCmd() = 0;
    virtual void sendWiFiFactoryRstCmd() = 0;
    // Drops what the device link still has to send and the reply it awaits.
    virtual void resetLinkTx() = 0;
    // Puts the device link back to reading sentences.
    virtual void switchSysMode(WiFiScope::WIFI_SYS_MODE mode) = 0;

    // The page.
    virtual void enableWiFiWaitingDisp(bool on) = 0;
    virtual void updateWiFiPGBWaitingMsg(int timeoutCount) = 0;
    // The Home page and the Wi-Fi page from the Wi-Fi state.
    virtual void updateWiFiPagesDisp() = 0;
    virtual void updateAPListDisp() = 0;
    virtual void getWiFiAPData(WiFiScope::SAPData* out) = 0;
    [[nodiscard]] virtual bool isWiFiSwitchOn() const = 0;
    // The checked mode radio: access point, client, or -1 for neither.
    [[nodiscard]] virtual int chosenOpMode() const = 0;

    // With the Ok button.
    virtual void showMsgBox(MSG_BOX_S kind, const QString& title, const QString& text) = 0;
    // The translated texts of the boxes.
    [[nodiscard]] virtual const SMsgTextResource& msgText() const = 0;

    // Seconds for the run limit and the job steps; settable in tests.
    [[nodiscard]] virtual int64_t seconds() const = 0;
};
