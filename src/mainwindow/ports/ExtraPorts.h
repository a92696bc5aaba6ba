#pragma once

#include "mainwindow/ports/SSerialPortEntry.h"

#include <QVector>

// Colon-separated full paths of ports the system does not list.
constexpr const char* ExtraPortsVariable = "AIS_EXTRA_PORTS";

// Appends each path as a port of its own (the path as name and location, no description, not
// busy). A path already listed is skipped; one that is not absolute is refused with a warning,
// as a serial port would look for it under /dev.
void AppendExtraPorts(QVector<SSerialPortEntry>& ports, const QString& paths);
