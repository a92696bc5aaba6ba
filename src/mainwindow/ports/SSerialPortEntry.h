#pragma once

#include <QString>

// One serial port as a lister offers it.
struct SSerialPortEntry
{
    QString name;            // what the port is opened by, e.g. "COM3", "ttyUSB0" or a full path
    QString systemLocation;  // e.g. "/dev/ttyUSB0"
    QString description;
    bool busy = false;
};
