#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace Sim {

struct SDeviceState;

// Takes one "Program Device" sentence into the device's state: vessel data (SSD, VSD), the
// MMSI (only while the device has none), the settings pairs of "$PDBG" and "$PQLX,C,DBG",
// configuration items and equipment properties. A value the device does not have is reported
// and ignored. `sentence` is a checked sentence without its checksum; false when it is no
// programming sentence.
bool ApplyProgramming(SDeviceState& state, const QByteArray& sentence);

} // namespace Sim
