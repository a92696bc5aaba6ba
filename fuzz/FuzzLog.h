#pragma once

// Starts the process's log thread, so that what the code under test logs is consumed (and
// kept to the log's bounded ring) instead of piling up for a thread that never runs.
namespace FuzzLog {

void start();

} // namespace FuzzLog
