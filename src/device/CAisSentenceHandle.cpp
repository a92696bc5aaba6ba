#include "device/CAisSentenceHandle.h"

#include "codec/records/CodecSnapshot.h"
#include "codec/records/ShipTable.h"
#include "comm/CRawDataHandle.h"
#include "device/CKTRWiFiPaser.h"
#include "device/DeviceFields.h"
#include "device/DeviceSettings.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <cmath>
#include <cstring>

namespace {

// Enough different unknown model texts to remember; past it the memory starts again.
constexpr size_t UnknownModelsRemembered = 16;

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

bool IsFixed(const Unit::SPointG2dD& position)
{
    return std::fabs(position.lon) < 180.1 && std::fabs(position.lat) < 90.1;
}

} // namespace

CAisSentenceHandle::CAisSentenceHandle(QObject* parent)
    : CSensorSentenceHandle(parent)
{
}

// Receiving ----------------------------------------------------------------------------------

bool CAisSentenceHandle::sensorSentenceProc(SENSOR_SENTENCE_PACKAGE& package)
{
    char* text = package.text;
    // A read may end between CR and LF; the end markers of the text values need the whole
    // line end. The codec completes it the same way, so the change is no change for it.
    COMM::CRawDataHandle::completeLineEnd(text, strnlen(text, sizeof package.text), sizeof package.text);
    if (StartsWith(text, "$PQLX") || StartsWith(text, "$AIEPV"))
        return takeConfigReply(text);
    if (StartsWith(text, "$AIVER"))
        return takeVersion(text);
    takeOtherLine(text);
    return false;
}

bool CAisSentenceHandle::takeConfigReply(const char* sentence)
{
    // A wrong checksum goes on to the codec, which refuses it there.
    if (!DeviceField::HasRightChecksum(sentence))
        return false;
    const MACHINE_TYPE model = m_machineType;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_currentConfig.updateConfigDataForStd(sentence, model);
    return true;
}

bool CAisSentenceHandle::takeVersion(const char* sentence)
{
    m_versionReplied = true;
    if (!DeviceField::HasRightChecksum(sentence))
        return false;
    const AIVER_S version = parseAIVER(sentence);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_version = version;
    }
    adoptModel(version.modelText);
    COMM_VELK_DEV_STATE linkSaved = DEV_STATE_LINK_SAVED;
    if (m_machineType != MACHINE_UNKNOWN)
        m_devDetectState.compare_exchange_strong(linkSaved, DEV_STATE_MODEL_KNOWN);
    return true;
}

void CAisSentenceHandle::adoptModel(const char* modelText)
{
    if (std::strcmp(modelText, MODEL_TEXT_UNIT_K_42) == 0) {
        m_machineType = MACHINE_UNIT_K_42;
        m_modelNumber = CFG_ITEM_UNIT_K_42;
        return;
    }
    if (std::strcmp(modelText, MODEL_TEXT_Q_375) == 0) {
        m_machineType = MACHINE_Q_375;
        m_modelNumber = CFG_ITEM_Q_375;
        return;
    }
    // The probe repeats every two seconds: each text is logged once.
    if (m_unknownModels.count(modelText))
        return;
    if (m_unknownModels.size() >= UnknownModelsRemembered)
        m_unknownModels.clear();
    m_unknownModels.insert(modelText);
    Log()->dbgPrintf(DBG_WARNING, "sensorSentenceProc", 0, "unknown device model \"%s\": the model stays %d",
                     modelText, static_cast<int>(m_machineType.load()));
}

void CAisSentenceHandle::takeDumpLine(const char* line)
{
    bool dumpEnded = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        dumpEnded = m_currentConfig.updateConfigData(line);
    }
    if (!dumpEnded)
        return;
    ++m_dumpEnds;
    COMM_VELK_DEV_STATE modelKnown = DEV_STATE_MODEL_KNOWN;
    m_devDetectState.compare_exchange_strong(modelKnown, DEV_STATE_SYSTEM_DATA_END);
}

void CAisSentenceHandle::sensorLongLine(const std::string& line)
{
    // The end markers of the text values need the whole line end, as for any other line.
    std::string whole = line.substr(0, line.find_last_not_of("\r\n") + 1);
    whole += "\r\n";
    takeDumpLine(whole.c_str());
}

void CAisSentenceHandle::takeOtherLine(const char* line)
{
    takeDumpLine(line);
    const bool on = CKTRWiFiPaser::checkCfgModeEnable(line);
    if (on)
        Log()->dbgPrintf(DBG_INFO, "sensorSentenceProc", 0, "Check WiFi Mode Sentence: %s", line);
    emit signalWiFiCfgModeEnable(on ? 1 : 0);
}

void CAisSentenceHandle::sensorAisListener(char* text, int listener, char channel)
{
    const bool own = listener == VudaviRirev::I62_LISTENER_VDO;
    GENERIC_SHIP_DATA ownShip;
    const bool ownRead = own && CopyShipData(0, &ownShip);
    // Only the own position reports say where the vessel is: its static reports neither set the
    // host position nor clear it.
    const bool ownPosition = ownRead && ShipReportKinematics(ownShip.lastMessageId) != SHIP_REPORT_NO_POSITION;

    std::lock_guard<std::mutex> lock(m_mutex);
    if (text && text[0] == '!')
        m_diagnostics.updateRxTxStatistics(own, channel);
    if (ownPosition) {
        m_hostPos.lat = ownShip.latitude;
        m_hostPos.lon = ownShip.longitude;
    }
}

// GUI side -----------------------------------------------------------------------------------

CSensorConfig CAisSentenceHandle::getCurrentConfig() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_currentConfig;
}

AIVER_S CAisSentenceHandle::getVersionInfo() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_version;
}

CDiagnostics CAisSentenceHandle::getDiagnostics() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_diagnostics;
}

Unit::SPointG2dD CAisSentenceHandle::getHostPosition() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_hostPos;
}

void CAisSentenceHandle::initConfigInfo()
{
    m_devDetectState = DEV_STATE_INITIAL;
    m_versionReplied = false;
    m_shownConfig.initial();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_currentConfig.initial();
        m_version = AIVER_S{};
        m_diagnostics.clearTxRxDiagnostics();
        m_diagnostics.setGpsFix(false);
        // A position from the last device would show a fix for the next one.
        m_hostPos = Unit::SPointG2dD();
    }
    m_machineType = MACHINE_UNKNOWN;
    m_modelNumber = 0;
    ShipInitial();
}

void CAisSentenceHandle::initDiagnoseInfo()
{
    m_shownConfig.initDiagnoseInfo();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_diagnostics.clearTxRxDiagnostics();
    m_diagnostics.setGpsFix(false);
    m_currentConfig.initDiagnoseInfo();
}

bool CAisSentenceHandle::isChangedConfigDisp() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_currentConfig.differsOnPage(m_shownConfig);
}

void CAisSentenceHandle::refreshConfigInfo()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_currentConfig != m_shownConfig)
        m_shownConfig = m_currentConfig;
}

bool CAisSentenceHandle::isHostPosFixed() const
{
    return IsFixed(getHostPosition());
}

void CAisSentenceHandle::updateDiagnosticsData()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_diagnostics.setGpsFix(IsFixed(m_hostPos));
}
