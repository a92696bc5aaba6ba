#pragma once

#include <QStringList>

// Turns the process's debug log on with console output and collects what it prints, as
// "name mark text" lines (for example "appendToSentQ [W]many sentence dosn't process in queue").
namespace LogCapture {

// Starts the log thread once per process; call before the first log line.
void start();
// Waits until everything logged so far is printed, then returns and forgets those lines.
QStringList take();

} // namespace LogCapture
