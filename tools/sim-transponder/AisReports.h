#pragma once

#include "AisPacker.h"
#include "Motion.h"

#include <QByteArray>
#include <QByteArrayList>
#include <cstdint>

namespace Sim {

// The device's report of its own vessel, a Class B position report as "!AIVDO".
QByteArray OwnVesselReport(const SFix& fix, uint32_t mmsi, int second, char channel);
// The device's static report of its own vessel, message 24 parts A and B as "!AIVDO".
QByteArrayList OwnStaticReports(const SStaticReport& report, char channel);
// A target's Class A position report as "!AIVDM", as the device receives it.
QByteArray TargetReport(const SFix& fix, uint32_t mmsi, int second, char channel);

} // namespace Sim
