#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"
#include "model/tables/CTargetExchangeSet.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"
#include "ui_AisConfiguration.h"
#include "widgets/ModSatelliteMap.h"

#include <QButtonGroup>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int64_t ProbeIntervalSeconds = 2;
constexpr int64_t QueryIntervalSeconds = 5;
constexpr int64_t TakeOverDelaySeconds = 3;
constexpr int64_t StatusQueryIntervalSeconds = 5;

} // namespace

bool AisConfiguration::secondsSince(int64_t stamp, int64_t seconds) const
{
    return std::llabs(m_seconds.now() - stamp) >= seconds;
}

void AisConfiguration::onTimerRefresh()
{
    CDeviceComm& device = m_commSpaces->getDeviceComm();
    const COMM_VELK_DEV_STATE state = device.getSentenceHandle().getDevDetectState();
    if (m_detectionWatch.expired(m_seconds.now(), state, device.getSentenceHandle().hasVersionReply()))
        giveUpDetection(state);
    else if (state == DEV_STATE_SYSTEM_DATA_END || state == DEV_STATE_CONFIG_SHOWN)
        refreshDevicePages();
    else if (state == DEV_STATE_INITIAL || state == DEV_STATE_LINK_SAVED || state == DEV_STATE_MODEL_KNOWN)
        autoDetermineVELKDev();
    wifiMainProc(WiFiScope::WIFI_MAIN_PROC_S(device.getWiFiConfig().snapshot().mainState));

    if (m_envSetup.setting().debugMode) {
        updateHomePageDisp(true);
        m_otherVessels->updateExchangeSet(device.getSensorInfo());
        device.updateSensorInfoPerSec();
        updateGPSStatusDisp(false);
        updateOtherVesselsDisp(true);
    }
}

void AisConfiguration::refreshDevicePages()
{
    CDeviceComm& device = m_commSpaces->getDeviceComm();
    updateConfigInfoAndDisp();
    if (device.getWiFiConfig().infoReadOnce || device.getWiFiConfig().runGivenUp)
        enableConfigDisp();
    updateHomePageDisp(true);
    updateGPSStatusDisp(false);
    if (m_ui->tbwgMain->currentWidget() == m_ui->tabMainDiagnostics)
        autoCheckSystemStatus();
    device.getSentenceHandle().updateDiagnosticsData();
    device.updateSensorInfoPerSec();
    m_otherVessels->updateExchangeSet(device.getSensorInfo());
    updateOtherVesselsDisp(true);
    updateDiagnosticsDisp();
}

void AisConfiguration::autoCheckSystemStatus()
{
    if (!secondsSince(m_diagQueryTime, StatusQueryIntervalSeconds))
        return;
    m_diagQueryTime = m_seconds.now();
    (void)enableDebugPortView(QUERY_CLOSING_NUMBER, true);
}

void AisConfiguration::autoDetermineVELKDev()
{
    CAisSentenceHandle& handle = m_commSpaces->getDeviceComm().getSentenceHandle();
    if (handle.getDevDetectState() == DEV_STATE_LINK_SAVED && secondsSince(m_lastQueryTime, ProbeIntervalSeconds)) {
        leaveWiFiCfgMode();
        // A probe that could not be queued still waits its interval.
        (void)sendAIVER();
    }
    if (handle.getDevDetectState() != DEV_STATE_MODEL_KNOWN)
        return;
    m_view->updateMachineDisp(handle.getMachineType());
    if (handle.getDevDetectState() == DEV_STATE_MODEL_KNOWN && secondsSince(m_lastQueryTime, QueryIntervalSeconds))
        (void)enableDebugPortView(QUERY_CLOSING_NUMBER, false);
}

void AisConfiguration::giveUpDetection(COMM_VELK_DEV_STATE state)
{
    const SMsgTextResource& text = m_view->msgText();
    const bool modelKnown = state == DEV_STATE_MODEL_KNOWN;
    const char* const what = modelKnown ? "no end of the system data" : "no readable version";
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, "onTimerRefresh", 0,
                                                        "Device detection given up after %lld s: %s",
                                                        static_cast<long long>(CDetectionWatch::LimitSeconds), what);
    // No more probes or queries on a link that is being closed.
    m_commSpaces->getDeviceComm().getSentenceHandle().setDevDetectState(DEV_STATE_INITIAL);
    m_linkEndNote = text.deviceNoAnswer.arg(modelKnown ? text.dumpNoEnd : text.versionUnread);
    m_ui->btnCommConnt->setChecked(false);
    onCommConntStatusChange();
}

void AisConfiguration::updateConfigInfoAndDisp()
{
    if (m_lastQueryTime == 0 || !secondsSince(m_lastQueryTime, TakeOverDelaySeconds))
        return;
    m_lastQueryTime = 0;
    CAisSentenceHandle& handle = m_commSpaces->getDeviceComm().getSentenceHandle();
    const bool changed = handle.isChangedConfigDisp();
    handle.refreshConfigInfo();
    handle.setDevDetectState(DEV_STATE_CONFIG_SHOWN);
    m_ui->lblConntStatus->setText(QString());
    m_view->updateHomePageDisp();
    if (changed)
        m_view->updateConfigurationInfo(handle.getMachineType());
    else
        m_view->updateConfigurationMMSIInfo();
    checkDevPower();
    enableConfigDisp();
    reportProgramReadBack();
}

void AisConfiguration::drawSkyView(ModSatelliteMap* map)
{
    const VudaviRirev::SGpsSatelliteBlock view = m_commSpaces->getDeviceComm().getGpsInfo().snapshot().view;
    map->clearSatelliteIdItems();
    // The record has room for so many; a count past it, or below 0, draws no more.
    const int count = std::min<int>(view.count, VudaviRirev::GpsSatelliteRoom);
    for (int slot = 0; slot < count; ++slot)
        map->updateSatelliteSymbol(slot, view.prn[slot], view.elevation[slot], view.azimuth[slot], view.snr[slot],
                                   view.inUse[slot] != 0);
}

void AisConfiguration::updateHomePageDisp(bool skyOnly)
{
    drawSkyView(m_view->homeSatelliteMap());
    if (!skyOnly)
        m_view->updateHomePageDisp();
}

void AisConfiguration::updateGPSStatusDisp(bool)
{
    updateSatelliteStatusTexts();
    drawSkyView(m_view->satelliteMap());
    drawSNRBarChart();
}

void AisConfiguration::updateCurPageDisp(int page)
{
    if (!m_ui->wgMainMenu->isEnabled() || page < 0 || page >= PageCount)
        return;
    // The Wi-Fi page alone may wait for its module while the others are open.
    if (page == PAGE_WIFI && !m_ui->btnMMWiFi->isEnabledTo(m_ui->wgMainMenu))
        return;
    switch (MAIN_PAGE(page)) {
    case PAGE_HOME:
        updateHomePageDisp(false);
        break;
    case PAGE_CONFIGURATION:
        m_view->updateConfigurationInfo(m_commSpaces->getDeviceComm().getSentenceHandle().getMachineType());
        break;
    case PAGE_GPS_STATUS:
        updateGPSStatusDisp(false);
        break;
    case PAGE_DIAGNOSTICS:
        break;
    case PAGE_OTHER_VESSELS:
        updateOtherVesselsDisp(false);
        break;
    case PAGE_SERIAL_DATA:
        m_view->updateSerialDataDisp();
        break;
    case PAGE_WIFI:
        startWiFiAutoScan();
        break;
    }
    m_view->switchHomeMenuDisp(page == PAGE_HOME);
    m_mainMenuGroup->button(page)->setChecked(true);
    m_ui->tbwgMain->setCurrentIndex(page);
}
