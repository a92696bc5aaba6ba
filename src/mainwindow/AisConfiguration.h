#pragma once

#include "device/CSensorConfig.h"
#include "device/CWiFiAPExchangeSet.h"
#include "device/DeviceSentences.h"
#include "device/WiFiTypes.h"
#include "mainwindow/CDetectionWatch.h"
#include "mainwindow/CLogLineCutter.h"
#include "mainwindow/CLogViewFeeder.h"
#include "mainwindow/CMsgBoxShower.h"
#include "mainwindow/CSecondsSource.h"
#include "mainwindow/CWindowWiFiHost.h"
#include "mainwindow/MsgBoxKind.h"
#include "mainwindow/environment/CEnvironmentSetup.h"
#include "mainwindow/files/CSaveDialogAsker.h"
#include "mainwindow/wifi/CWiFiJobEngine.h"

#include <QByteArray>
#include <QMainWindow>
#include <QPoint>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace Ui {
class AisConfiguration;
}
class CAboutForm;
class CAisConfigurationView;
class CCommSpacesManage;
class CPortLister;
class CTargetExchangeSet;
class ModSatelliteMap;
class QButtonGroup;
class QMouseEvent;
class QModelIndex;
class QTableView;
class QTextBrowser;
class QTimer;
class QTranslator;

// The program's one window: the form, its view, the communication space and the page set-up.
class AisConfiguration : public QMainWindow
{
    Q_OBJECT

public:
    // The pages by their menu id, which is also their tab's index.
    enum MAIN_PAGE : int
    {
        PAGE_HOME = 0,
        PAGE_CONFIGURATION = 1,
        PAGE_GPS_STATUS = 2,
        PAGE_DIAGNOSTICS = 3,
        PAGE_OTHER_VESSELS = 4,
        PAGE_SERIAL_DATA = 5,
        PAGE_WIFI = 6,
    };
    static constexpr int PageCount = PAGE_WIFI + 1;

    // Makes the communication facade with the window as its Qt parent.
    using CommSpacesFactory = std::function<CCommSpacesManage*(QObject* parent)>;

    // Without a lister the system's ports are listed, without a factory the real facade is
    // made. Throws what the facade, view or model threw, after logging it: a window without
    // them cannot run.
    explicit AisConfiguration(QWidget* parent = nullptr, std::shared_ptr<const CPortLister> portLister = nullptr,
                              const CommSpacesFactory& makeCommSpaces = nullptr);
    ~AisConfiguration() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // English is the one language: every type loads it. True when both translations loaded.
    bool switchLanguageType(int type);
    // Holds the pages back while the device is not ready or its Wi-Fi module not yet read.
    void enableConfigDisp();
    // Shows a page (a MAIN_PAGE) and refreshes it first.
    void updateCurPageDisp(int page);
    // The Home sky view; with false the Home texts too.
    void updateHomePageDisp(bool skyOnly);
    void updateGPSStatusDisp(bool unused);

    // The configuration query set of the device's model; automatic asks for the status item
    // only. True when every sentence was queued, which starts the wait before the replies are
    // taken over.
    bool enableDebugPortView(unsigned short closing, bool automatic);
    // The single sentences of the device layer's builders; true when queued on the device link.
    [[nodiscard]] bool sendPQLXCfgSentToCommPort(bool command, int item, CFG_DEVICE_MODEL sub, int value);
    [[nodiscard]] bool sendPQLXDbgSentToCommPort(bool command, const DBG_CMD_PARAM* params, int count);
    [[nodiscard]] bool sendPDBGSentToCommPort(const DBG_CMD_PARAM* params);
    [[nodiscard]] bool sendPQLXMidSentToCommPort(int mmsi);
    [[nodiscard]] bool sendPMIDSentToCommPort(int mmsi);
    [[nodiscard]] bool sendECSSDSentToCommPort(const char* shipName, const char* callSign, int a, int b, int c, int d);
    [[nodiscard]] bool sendECVSDSentToCommPort(int shipType);
    [[nodiscard]] bool sendAIEPVSentToCommPort(int mmsi, int property, int value);
    // Also stamps the query time, sent or not.
    [[nodiscard]] bool sendAIVER();
    [[nodiscard]] bool sendAIAIQSentToCommPort();
    [[nodiscard]] bool sendPTSTSentToCommPort(unsigned short id);
    void leaveWiFiCfgMode();
    // Escapes the sentence-reserved characters as ^ and two hex digits. Stops before a
    // character that would not fit with the terminating zero; false then.
    [[nodiscard]] static bool recomposeSentForReservedChar(char* out, size_t outSize, const char* in);
    // Once per connection, for a device with a Wi-Fi module: is it on a DC supply?
    void checkDevPower();

    // GPS status, diagnostics and other vessels pages.
    // The signal-to-noise bars of the tracked satellites, at most the GPS record's slots.
    void drawSNRBarChart();
    void updateDiagnosticsDisp();
    // The device's status query, at most every 5 s.
    void autoCheckSystemStatus();
    void updateOtherVesselsDisp(bool keepStyle);

    static void setOtherVesselsColumnWidth(QTableView* table);
    static void setWiFiCfgClientColumnWidth(QTableView* table);

    Ui::AisConfiguration* form() const { return m_ui; }
    CAisConfigurationView* view() const { return m_view; }
    CCommSpacesManage* commSpaces() const { return m_commSpaces; }
    QButtonGroup* mainMenuGroup() const { return m_mainMenuGroup; }
    QButtonGroup* homeMenuGroup() const { return m_homeMenuGroup; }
    const CEnvironmentSetup& environmentSetup() const { return m_envSetup; }
    QTimer* refreshTimer() const { return m_refreshTimer; }
    // Every pacing and hold time of the window reads these seconds.
    CSecondsSource& secondsSource() { return m_seconds; }
    int64_t lastQueryTime() const { return m_lastQueryTime; }

    // Serial data page, connection and window actions, drag and quick menus
    static constexpr int SerialLogCap = 10000000;
    // Cuts the text for the serial view at its last CR LF, holding the tail for the next piece.
    void recomposeLogMsgForNewLine(QString* text);
    static void msgAutoScroll(QTextBrowser* view);
    // Nothing is shown for a kind past the four, or before the view exists.
    void showMsgBox(MSG_BOX_S kind, const QString& title, const QString& text, int buttons, int defaultButton);
    // The release's global point: a Home panel opens its page, a Wi-Fi tile chooses its mode.
    void wgHomeQuickMenuClick(const QPoint& globalPos);
    void wgWiFiModeClick(const QPoint& globalPos);
    [[nodiscard]] static bool isPanelUnder(const QWidget* panel, const QPoint& globalPos);
    // Everything received while logging was on, as it came, since the last clear.
    const QByteArray& serialLogBuffer() const { return m_serialLogBuffer; }
    // Received text that waits for its turn in the serial view.
    int serialViewPending() const { return m_logViewFeeder.pending(); }
    // Save to File asks it for the file's name; the save dialog unless set.
    void setFileNameAsker(std::shared_ptr<CFileNameAsker> asker) { m_fileNameAsker = std::move(asker); }
    // showMsgBox shows its boxes through it; modal boxes unless set.
    void setMsgBoxShower(std::shared_ptr<CMsgBoxShower> shower) { m_msgBoxShower = std::move(shower); }
    // Wi-Fi jobs: one engine step per tick; the page's actions post the jobs.
    void wifiMainProc(WiFiScope::WIFI_MAIN_PROC_S state);
    // Names the form's first fault in a box.
    [[nodiscard]] bool checkInputRule();
    // Refills the join request from a clicked row of the access point table; a row without
    // data is named in a box.
    bool getClientAPListData(const QModelIndex& index, WiFiScope::SJoinRequest* out);
    CWiFiJobEngine& wifiJobEngine() { return *m_wifiEngine; }

public slots:
    void onStartupReady();
    void onRefreshSerialPortDisp();
    void onCommConntStatusChange();
    void onConntSaved();
    void onMainMenuSwitch(int page);
    // One tick of the refresh timer: detection of the device and the pages' refresh.
    void onTimerRefresh();
    // About dialog
    void onAboutClick();
    // Serial data page, connection and window actions
    void onConntDeleted();
    void onConntOpenFailed(const QString& port, const QString& reason);
    // The transport is an id only: it may be deleted by the time the text arrives.
    void onCommRxLogMsg(void* transport, QString text);
    void onClose();
    void onMinimized();
    void onHelpClick();
    void onShipNameToUpper(const QString& text);
    void onCallSignToUpper(const QString& text);
    void onMmsiHelpClick();
    void onCfgAdvConfigChanged();
    void onRefreshDiagnostics();
    void onEnableLogSwitch();
    void onClearLog();
    void onSaveLog();
    void onSendCommand();

    // Program Device: the Configuration page written to the device and read back.
    void onCfgProgramDev();

    // Wi-Fi page actions
    void onWiFiEnable();
    void onWiFiOPModeChange();
    void onWiFiCfgApply();
    void onWiFiCfgPassWordChange(int state);
    void onFactoryReset();
    void onClientRefresh();
    void onClientAPCntDoubleClick();
    void onGetClintAPListData(const QModelIndex& index);
    void onWiFiAdvConfigChanged();

protected:
    // Window drag and quick menus
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void configureWgConnections();
    void readAllProfileIni();
    void initUiObj();
    void initForm();
    void updateUiText();
    void autoDetermineVELKDev();
    // Closes the link of a device that did not answer as expected; said once it is closed.
    void giveUpDetection(COMM_VELK_DEV_STATE state);
    void updateConfigInfoAndDisp();
    void refreshDevicePages();
    void drawSkyView(ModSatelliteMap* map);
    // At least the given seconds since a stamp; a stamp of 0 is always long ago.
    [[nodiscard]] bool secondsSince(int64_t stamp, int64_t seconds) const;
    // A finished line of the device layer to the device link; an empty one is not queued.
    [[nodiscard]] bool queueSentence(const std::string& line);
    // GPS status page: the texts from a snapshot of the GPS record.
    void updateSatelliteStatusTexts();
    // Program Device's outcome: at the take-over of its read-back, or when the link is lost
    // before it.
    void reportProgramReadBack();
    void reportProgramLinkLost();

    Ui::AisConfiguration* m_ui;
    CAisConfigurationView* m_view = nullptr;
    QTranslator* m_translator = nullptr;
    QTranslator* m_copyRightTranslator = nullptr;
    CEnvironmentSetup m_envSetup;
    CCommSpacesManage* m_commSpaces = nullptr;
    CTargetExchangeSet* m_otherVessels = nullptr;
    std::shared_ptr<const CPortLister> m_portLister;
    QButtonGroup* m_mainMenuGroup = nullptr;
    QButtonGroup* m_homeMenuGroup = nullptr;
    QTimer* m_refreshTimer = nullptr;
    CSecondsSource m_seconds;
    // When the last query went out; 0 while no replies await take-over.
    int64_t m_lastQueryTime = 0;
    int64_t m_diagQueryTime = 0;
    CDetectionWatch m_detectionWatch;
    // Why the link ended, said once the window has gone back.
    QString m_linkEndNote;
    // A Program Device series whose read-back is awaited: the records before and as written,
    // and the count of system-data texts when it was sent.
    struct SProgramReadBack
    {
        MACHINE_TYPE model;
        CSensorConfig shown;
        CSensorConfig written;
        uint32_t dumpEnds;
    };
    std::optional<SProgramReadBack> m_programReadBack;
    CWiFiAPExchangeSet m_apExchangeSet;
    // About dialog: made once by initForm, a Qt child of the window.
    CAboutForm* m_aboutForm = nullptr;
    // Serial data page, connection and window actions, drag and quick menus
    void configureActionConnections();
    QByteArray m_serialLogBuffer;
    CLogLineCutter m_logLineCutter;
    // Shows the cut text in the serial view a step at a time.
    CLogViewFeeder m_logViewFeeder{[this](const QString& text) { showSerialText(text); }};
    void showSerialText(const QString& text);
    std::shared_ptr<CFileNameAsker> m_fileNameAsker = std::make_shared<CSaveDialogAsker>();
    std::shared_ptr<CMsgBoxShower> m_msgBoxShower = std::make_shared<CModalMsgBoxShower>();
    // Says, in a box and in the log, why the serial log did not reach the file.
    void reportLogNotSaved(const QString& name, const QString& reason);
    bool m_dragEnabled = false;
    bool m_dragging = false;
    QPoint m_dragOffset;

    // Wi-Fi jobs and page actions
    void initWiFiJobs();
    void connectWiFiActions();
    void postWiFiJob(WiFiScope::WIFI_CFG_TYPE type);
    // The Wi-Fi page's first opening scans once per connection, in client mode.
    void startWiFiAutoScan();
    // The No/Yes question of a switch or mode change: false when declined.
    [[nodiscard]] bool confirmWiFiChange(const QString& text);
    // The join prompt: false when cancelled or of the wrong length, which is named in a box.
    [[nodiscard]] bool askWiFiPassword(const std::string& ssid, std::string* password);
    std::unique_ptr<CWindowWiFiHost> m_wifiHost;
    std::unique_ptr<CWiFiJobEngine> m_wifiEngine;
    // What the password field held when the no-password box was last checked.
    QString m_keptWiFiPassword;
};
