#pragma once

#include "comm/CommTypes.h"
#include "comm/TxPackage.h"
#include "device/CAisSentenceHandle.h"
#include "device/CWiFiConfig.h"
#include "device/WiFiTypes.h"
#include "model/targets/CGpsInfo.h"
#include "model/targets/CSensorInfo.h"
#include "model/targets/CSensorService.h"

#include <QObject>
#include <QString>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace COMM {
class CCommData;
class CServiceComm;
}

// The program's link to the one transponder. It adopts the device's serial transport, owns what
// is known of the device (sentence handler, GPS record, target registry, Wi-Fi state), routes
// each received line by the device's mode (sentences to the codec, the Wi-Fi module's lines to
// its parser) and queues the Wi-Fi dialogue.
//
// The object lives in the GUI thread; its receive slots run in the communication thread, inside
// the transport's lock, through direct connections. The link pointer is guarded by a mutex that
// ranks before the transport's: the GUI holds it from its check of the link to its append, the
// communication thread takes it to adopt and forget the link. The receive slots therefore never
// take it: they use the transport that signalled.
class CDeviceComm : public QObject
{
    Q_OBJECT

public:
    static constexpr int CommandSpacingMs = 200;
    static constexpr int ReplyTimeoutMs = 20000;
    static constexpr unsigned char ReconnectLimit = 3;

    CDeviceComm();
    ~CDeviceComm() override;

    // Adoption, in the communication thread. A serial entry gets the reconnect limit and its
    // transport becomes the link; any other kind is ignored.
    void setComm(COMM::CCommData* item);
    // The transport becomes the link, whatever its kind.
    void adoptLink(COMM::CServiceComm* link);
    // Connects the link's receive signals and the sentence handler's fill signals, each once.
    void connectSetup();
    // Forgets the link when it is the entry's transport; returns the entry's serial transport.
    COMM::CServiceComm* pareComm(COMM::CCommData* item);
    void end();
    // The link, for comparison only: the transport may be deleted once this returns.
    COMM::CServiceComm* getLink() const;
    // The kind the link had when it was adopted, when the transport is the link; none for any
    // other. The transport is only compared, never read: it may be gone by now.
    COMM::COMM_TYPE getLinkType(const void* transport) const;
    // Appends at the back of the link's transmit queue under the link lock; false when there is
    // no link or, when asked, the link is not connected.
    bool appendToLink(const COMM::STxPackage& package, bool needConnected);
    // Drops what the link still has to send and the reply it awaits. Under the link lock, so
    // the communication thread cannot forget and delete the transport meanwhile; from another
    // thread than the link's it asks the link's timer and waits 100 ms.
    void resetLinkTx();

    // One text line to the device: cut at its first NUL, closed with CR LF in NMEA mode and LF
    // otherwise, 200 ms after the package before it. Dropped without a word when there is no
    // link; refused with a log line when it does not fit a package.
    bool sendCommand(const std::string& text, const COMM::SResponseInform* awaited);

    // The Wi-Fi dialogue, in the GUI thread. Every AT line awaits "+ok" for 20 s. A sender whose
    // parameters hold a CR or LF, which would make two lines of one, queues nothing.
    static std::string composeWiFiCfgCmd(const std::string& command, const std::string& parameter);
    bool sendCmdRespPass(int timeoutMs, const std::string& expected, const std::string& command,
                         const std::string& parameter);
    void sendCmdToSwitchWiFiMode(WiFiScope::WIFI_SYS_MODE mode);
    void sendWiFiBasicInfoQueryCmd();
    void sendWiFiCfgCmd(const WiFiScope::SAPData* settings);
    void sendWiFiModeCtrlCmd(bool enable, WiFiScope::WIFI_OPERATION_MODE mode);
    void sendWiFiFactoryRstCmd();
    void sendWiFiClientScanCmd();
    void sendWiFiClientAPCntCmd(const WiFiScope::SClintAPCntData* target);
    void sendWiFiClientAPCntStatusCmd();

    // The main window's Wi-Fi job switches the link's mode.
    void switchSysMode(WiFiScope::WIFI_SYS_MODE mode);

    // Resets and upkeep, in the GUI thread.
    void initDevConfigInfo();
    void initDevDiagnoseInfo();
    void updateSensorInfoPerSec();

    CAisSentenceHandle& getSentenceHandle() { return m_sentenceHandle; }
    CWiFiConfig& getWiFiConfig() { return m_wifiConfig; }
    VudaviRirev::Gps::CGpsInfo& getGpsInfo() { return m_gpsInfo; }
    // None when it could not be made.
    VudaviRirev::Target::CSensorInfo* getSensorInfo() { return m_sensorInfo.get(); }

signals:
    void signalRxLogMsg(void* transport, QString text);

public slots:
    void onRxSentence(void* transport, char type);
    void onRxMsg(void* transport, char type);
    void onFillGpsData(int listener, int kind, bool notZda, bool fromLogReplay);
    void onFillAisOwnData(int listener);
    void onFillAisTargetData(unsigned int mmsi);
    // Reached queued, in the GUI thread, from the sentence handler's check of each line.
    void onWiFiCfgModeEnable(int mode);

private:
    struct SATLine
    {
        SATCommandSet::INDEX command;
        std::string parameter;
    };

    // Decides the mode from a line of the message queue and applies it to the transport.
    bool checkWiFiMode(const char* line, COMM::CServiceComm* transport);
    void applySysMode(bool on, COMM::CServiceComm* transport);
    // Queues the lines when no parameter holds a line end, else none of them.
    bool sendATSeries(const char* operation, const std::vector<SATLine>& lines);

    CAisSentenceHandle m_sentenceHandle;
    mutable std::mutex m_linkMutex;
    COMM::CServiceComm* m_link = nullptr; // guarded; not owned
    COMM::COMM_TYPE m_linkType = COMM::COMM_TYPE_NONE; // guarded; read at adoption
    CWiFiConfig m_wifiConfig;
    VudaviRirev::Gps::CGpsInfo m_gpsInfo;
    VudaviRirev::CSensorService m_sensorService;
    std::unique_ptr<VudaviRirev::Target::CSensorInfo> m_sensorInfo;
};
