#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace Sim {

struct SDeviceState;

// The device's answers to the program's queries: the version sentence, configuration items,
// equipment properties and the plain-text system-data dump. `sentence` is a checked sentence
// without its checksum; the answer's lines come without checksums and line ends, and are
// empty for a sentence that asks nothing known.
QByteArrayList AnswerQuery(const SDeviceState& state, const QByteArray& sentence, bool dumpEnd);

} // namespace Sim
