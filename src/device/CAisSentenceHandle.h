#pragma once

#include "codec/CSensorSentenceHandle.h"
#include "device/CDiagnostics.h"
#include "device/CSensorConfig.h"
#include "device/DeviceTypes.h"
#include "device/DeviceVersion.h"
#include "model/units/SPointG2dD.h"

#include <atomic>
#include <mutex>
#include <set>
#include <string>

// The device link's sentence handler: takes the device's own answers (configuration and
// equipment property replies, the version sentence, the system-data text) before the codec,
// detects the model, steers the detection state, counts the AIS sentences per channel and
// notices the Wi-Fi module's answers.
//
// The receive operations run in the communication thread. The detection state, the model and
// the model number are atomic; one mutex guards the current record, the version record, the
// diagnostics and the host position, and no other lock is taken while it is held. The GUI
// thread reads copies through the getters; the shown record is the GUI thread's alone.
class CAisSentenceHandle : public CSensorSentenceHandle
{
    Q_OBJECT

public:
    explicit CAisSentenceHandle(QObject* parent = nullptr);

    bool sensorSentenceProc(SENSOR_SENTENCE_PACKAGE& package) override;
    // Runs after the codec lock is released: entry 0 is read through its copy function.
    void sensorAisListener(char* text, int listener, char channel) override;
    // A line of the system data may be too long for a sentence: its values are judged all the
    // same, so that one the device sent too long is refused rather than lost unremarked.
    void sensorLongLine(const std::string& line) override;

    // Fields that the sentence lacks stay 0; numbers outside their width are logged and read as 0.
    static AIVER_S parseAIVER(const char* sentence);

    void setDevDetectState(COMM_VELK_DEV_STATE state) { m_devDetectState = state; }
    COMM_VELK_DEV_STATE getDevDetectState() const { return m_devDetectState; }
    MACHINE_TYPE getMachineType() const { return m_machineType; }
    // Whether a version sentence came since the last reset, readable or not.
    bool hasVersionReply() const { return m_versionReplied; }
    // How many system-data texts have ended since the start: a read-back that adds none was
    // not answered.
    uint32_t dumpEnds() const { return m_dumpEnds; }
    // The configuration item to query for the model: 108, 600, or 0 while it is unknown.
    int getModelNumber() const { return m_modelNumber; }

    CSensorConfig getCurrentConfig() const;
    // The record that the main window shows and edits: GUI thread only.
    CSensorConfig& getShownConfig() { return m_shownConfig; }
    AIVER_S getVersionInfo() const;
    CDiagnostics getDiagnostics() const;
    Unit::SPointG2dD getHostPosition() const;

    // Detection state 0; both records, the version record and its reply flag, the model and the
    // diagnostics cleared, the host position not available; then the codec's ship table.
    void initConfigInfo();
    void initDiagnoseInfo();
    bool isChangedConfigDisp() const;
    // The current record into the shown one, when they differ in anything.
    void refreshConfigInfo();
    bool isHostPosFixed() const;
    // The GPS fix from the host position, which only the own position reports set.
    void updateDiagnosticsData();
    // The device reports no system fault that the program reads.
    bool checkSystemStatus() const { return false; }

signals:
    // For every line that is neither a configuration reply nor a version sentence: 1 when it
    // leaves the device in Wi-Fi configuration mode, else 0.
    void signalWiFiCfgModeEnable(int mode);

private:
    bool takeConfigReply(const char* sentence);
    bool takeVersion(const char* sentence);
    void takeOtherLine(const char* line);
    // The line as system data; the detection state moves on at its end.
    void takeDumpLine(const char* line);
    void adoptModel(const char* modelText);

    mutable std::mutex m_mutex;
    Unit::SPointG2dD m_hostPos;     // guarded
    CSensorConfig m_currentConfig;  // guarded
    CSensorConfig m_shownConfig;    // GUI thread
    AIVER_S m_version{};            // guarded
    std::atomic<MACHINE_TYPE> m_machineType{MACHINE_UNKNOWN};
    std::atomic<int> m_modelNumber{0};
    CDiagnostics m_diagnostics;     // guarded
    std::atomic<COMM_VELK_DEV_STATE> m_devDetectState{DEV_STATE_INITIAL};
    std::atomic<bool> m_versionReplied{false};
    std::atomic<uint32_t> m_dumpEnds{0};
    // Unknown model texts already logged; communication thread only.
    std::set<std::string> m_unknownModels;
};
