#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace Sim {

struct SDeviceState;
struct SSimKnobs;

// The device's answers to the program's queries: the version sentence, configuration items,
// equipment properties and the plain-text system-data dump, as the knobs shape them (a cut
// version, the dump's end line, raw values). `sentence` is a checked sentence without its checksum; the answer's lines
// come without checksums and line ends, and are empty for a sentence that asks nothing known.
QByteArrayList AnswerQuery(const SDeviceState& state, const QByteArray& sentence, const SSimKnobs& knobs);

// Whether the system data prints a value under the key ("MMSI", "Ship Name", "GPS_RI", ...).
bool IsDumpKey(const QByteArray& key);

} // namespace Sim
