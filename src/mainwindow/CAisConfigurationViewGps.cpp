#include "mainwindow/CAisConfigurationView.h"

#include "model/targets/AIS_TYPE.h"
#include "model/units/NaviStrConvt.h"
#include "model/units/StringConvt.h"
#include "support/PortalQDt.h"
#include "ui_AisConfiguration.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int64_t UtcHoldSeconds = 5;
// The own GPS is no AIS station: its course and speed are always applicable.
constexpr VudaviRirev::AIS_TYPE OwnGpsKind = VudaviRirev::AIS_TYPE_NONE;

template <size_t N>
QString utf8Text(const char (&text)[N])
{
    return QString::fromUtf8(text, int(strnlen(text, N)));
}

} // namespace

void CAisConfigurationView::updateSatelliteStatusDisp(bool, int fixMode, bool timeValid, int64_t fixTime,
                                                      Unit::SPointG2dD position, Unit::WORLD_POS_FORMAT format,
                                                      float cog, float sog, float hdop, int64_t now)
{
    m_ui->lblSatelliteFixText->setText(fixMode == 2 || fixMode == 3 ? QStringLiteral("%1D").arg(fixMode)
                                                                     : QStringLiteral("Lost"));

    // Once shown, the time stays while the calls follow within the hold, whatever the flag says.
    const bool held = m_lastUtcShownTime != 0 && std::llabs(now - m_lastUtcShownTime) < UtcHoldSeconds;
    QString time = QStringLiteral("--");
    if (fixTime >= 1 && (timeValid || held)) {
        time = Portal::QDt::ConvtFmtDateTimeToStr(fixTime, Portal::QDt::TIME_ZONE_LOCAL,
                                                  Portal::QDt::DATE_FORMAT_SHORT, Portal::QDt::TIME_FORMAT_HMS, ' ');
        m_lastUtcShownTime = now;
    }
    m_ui->lblSatelliteUtcText->setText(time);

    char latitude[32];
    char longitude[32];
    StringConvt::formatStrLatLon(latitude, longitude, position.lat, position.lon, format, false);
    m_ui->lblSatelliteLatText->setText(utf8Text(latitude));
    m_ui->lblSatelliteLonText->setText(utf8Text(longitude));

    char course[16];
    char speed[16];
    char dilution[16];
    NaviScope::NaviStrConvt::formatStrCOG(course, OwnGpsKind, cog, true);
    NaviScope::NaviStrConvt::formatStrSOG(speed, OwnGpsKind, sog, Unit::SPEED_UNIT_KN, true);
    NaviScope::NaviStrConvt::formatStrHDOP(dilution, hdop);
    m_ui->lblSatelliteCogText->setText(utf8Text(course));
    m_ui->lblSatelliteSogText->setText(utf8Text(speed));
    m_ui->lblSatelliteHdopText->setText(utf8Text(dilution));
}
