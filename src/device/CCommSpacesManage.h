#pragma once

#include "comm/CCommSpaces.h"
#include "device/CDeviceComm.h"
#include "device/WiFiTypes.h"

// The application's communication space: it adopts the device's serial connection into the
// device link, drops it again, and sends the main window's sentences. It lives in the GUI
// thread; the hooks run in the communication thread.
class CCommSpacesManage : public CCommSpaces
{
public:
    static constexpr int SentenceSpacingMs = 100;

    explicit CCommSpacesManage(QObject* parent = nullptr);

    // Posts the profile; the connection is made and adopted later, in the communication thread.
    void connectDeviceComm(COMM::SCommConntProfile& profile);
    // Posts the device link's connection for deletion; nothing when there is no link.
    void disconnectDeviceComm();
    // Queues the bytes unchanged, 100 ms after the package before them, awaiting nothing.
    // False, with a log line, when the link is missing or not connected, or the count does not
    // fit a package.
    bool sendCommand(const char* data, int count);
    void sendCmdToSwitchWiFiMode(WiFiScope::WIFI_SYS_MODE mode) { m_deviceComm.sendCmdToSwitchWiFiMode(mode); }
    void sendWiFiBasicInfoQueryCmd() { m_deviceComm.sendWiFiBasicInfoQueryCmd(); }

    CDeviceComm& getDeviceComm() { return m_deviceComm; }

protected:
    void commInitCommConnt() override {}
    void commInitThreadReady(QThread*) override {}
    void commReadCommConnect() override {}
    void commWriteCommConnect() override {}
    void commConnectSetup(COMM::CCommData*) override {}
    void commReleaseTh() override { m_deviceComm.end(); }
    void commCommDataSaved(COMM::CCommData* item) override;
    void commDeleteCommData(COMM::CCommData* item) override { m_deviceComm.pareComm(item); }
    void commCommDataDeleted() override {}
    void commCycleChecking() override {}

private:
    CDeviceComm m_deviceComm;
};
