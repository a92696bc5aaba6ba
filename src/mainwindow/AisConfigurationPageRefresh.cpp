#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/LibraryColor.h"
#include "support/Singleton.h"

#include <algorithm>

namespace {

constexpr int InUseBarColor = 16;
constexpr int InViewBarColor = 22;

} // namespace

void AisConfiguration::updateSatelliteStatusTexts()
{
    const VudaviRirev::SGpsStatus gps = m_commSpaces->getDeviceComm().getGpsInfo().snapshot();
    m_view->updateSatelliteStatusDisp(gps.positionValid, gps.fixMode, gps.utcTimeValid, gps.utcFixTime,
                                      Unit::SPointG2dD{gps.latitude, gps.longitude}, Unit::WORLD_POS_DEGREE_MIN,
                                      gps.cog, gps.sog, gps.hdop, m_seconds.now());
}

void AisConfiguration::drawSNRBarChart()
{
    const VudaviRirev::SGpsSatelliteBlock view = m_commSpaces->getDeviceComm().getGpsInfo().snapshot().view;
    const LibraryColor* colors = Pattern::Singleton<LibraryColor>::Instance();
    WgHistogram& chart = m_view->snrHistogram();
    chart.clear();
    // No more than the record's slots, none for a count below 0.
    const int count = std::min<int>(view.count, VudaviRirev::GpsSatelliteRoom);
    for (int slot = 0; slot < count; ++slot) {
        if (view.snr[slot] == 0)
            continue;
        const QColor color = colors->currentColor(view.inUse[slot] != 0 ? InUseBarColor : InViewBarColor);
        chart.addItem(QString::number(view.prn[slot]), double(view.snr[slot]), color, slot);
    }
    chart.update();
}

void AisConfiguration::updateDiagnosticsDisp()
{
    CAisSentenceHandle& handle = m_commSpaces->getDeviceComm().getSentenceHandle();
    m_view->updateDiagStatusDisp(handle.checkSystemStatus());
    const CDiagnostics diagnostics = handle.getDiagnostics();
    m_view->updateDiagSysCheckDisp(diagnostics.gpsFix, diagnostics.rxCount, diagnostics.txCount);
}

void AisConfiguration::updateOtherVesselsDisp(bool keepStyle)
{
    m_view->updateOtherVslListDisp(keepStyle);
}
