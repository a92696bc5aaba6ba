#pragma once

#include "SimProcess.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDateTime>
#include <QList>
#include <cstdint>

// The simulated transponder's own traffic held still, so that a journey knows exactly what the
// program last received: the lines of the simulator's last second as its log shows them.
namespace SimTrafficFreeze {

constexpr int WaitMs = 10000;

// Lets two more seconds go out, then stops the traffic and gives the lines of the last second
// sent, from its GGA on, each as it went out (CR LF included); empty when none came. The second
// before the last is whole on the program's side too: it shows a second's satellites from the
// fix of the next.
QList<QByteArray> freeze(TestEnv::SimProcess& sim);
// Lets the traffic go on.
bool resume(TestEnv::SimProcess& sim);
// Runs the simulator's clock the given real milliseconds at its fastest pace, sending nothing,
// then back at its own pace, still silent.
bool fastForward(TestEnv::SimProcess& sim, int realMs);

// The first line of the second that begins with the given address ("$GPRMC"); empty when none.
QByteArray lineOf(const QList<QByteArray>& second, const QByteArray& address);
// The sentence's fields, the address first, without its checksum and line end.
QByteArrayList fields(const QByteArray& line);
// The UTC of an RMC sentence.
QDateTime utcOf(const QByteArray& rmc);
// Seconds of the simulator's clock at the given second: its time less that of the first second
// it sent.
int64_t clockOf(TestEnv::SimProcess& sim, const QList<QByteArray>& second);

} // namespace SimTrafficFreeze
