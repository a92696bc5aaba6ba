#include "AisReports.h"

#include <algorithm>
#include <cmath>

namespace Sim {

namespace {

SPosition position(const SFix& fix, int second)
{
    SPosition position;
    position.speed = std::min(static_cast<int>(std::lround(fix.speed * 10.0)), 1022);
    position.longitude = static_cast<int32_t>(std::lround(fix.longitude * 600000.0));
    position.latitude = static_cast<int32_t>(std::lround(fix.latitude * 600000.0));
    position.course = static_cast<int>(std::lround(fix.course * 10.0)) % 3600;
    position.second = second;
    return position;
}

QByteArray sentence(const char* address, char channel, const QByteArray& payload)
{
    return QByteArray(address) + ",1,1,," + channel + ',' + payload + ",0";
}

} // namespace

QByteArray OwnVesselReport(const SFix& fix, uint32_t mmsi, int second, char channel)
{
    SPositionReportB report;
    report.mmsi = mmsi;
    report.position = position(fix, second);
    report.position.accurate = true;
    report.dsc = true;
    report.message22 = true;
    report.radio = 917510;
    return sentence("!AIVDO", channel, PackPositionReportB(report));
}

QByteArrayList OwnStaticReports(const SStaticReport& report, char channel)
{
    return {sentence("!AIVDO", channel, PackStaticReportA(report)), sentence("!AIVDO", channel, PackStaticReportB(report))};
}

QByteArray TargetReport(const SFix& fix, uint32_t mmsi, int second, char channel)
{
    SPositionReportA report;
    report.mmsi = mmsi;
    report.navStatus = 0;
    report.rateOfTurn = 0;
    report.position = position(fix, second);
    report.position.heading = (report.position.course + 5) / 10 % 360;
    report.radio = 34017;
    return sentence("!AIVDM", channel, PackPositionReportA(report));
}

} // namespace Sim
