#pragma once

#include "Motion.h"

#include <QByteArray>
#include <cstdint>

namespace Sim {

// The device's report of its own vessel, a Class B position report as "!AIVDO".
QByteArray OwnVesselReport(const SFix& fix, uint32_t mmsi, int second, char channel);
// A target's Class A position report as "!AIVDM", as the device receives it.
QByteArray TargetReport(const SFix& fix, uint32_t mmsi, int second, char channel);

} // namespace Sim
