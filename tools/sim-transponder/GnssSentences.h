#pragma once

#include "Motion.h"

#include <QByteArrayList>
#include <QDateTime>

namespace Sim {

// One second of the GNSS receiver's output: GGA, RMC, GSA and the GSV series of a fixed sky.
QByteArrayList GnssSentences(const SFix& fix, const QDateTime& utc);

} // namespace Sim
