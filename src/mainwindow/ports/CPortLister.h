#pragma once

#include "mainwindow/ports/SSerialPortEntry.h"

#include <QVector>

// Where the port selector gets its ports: the system's list in the program, given entries in
// tests (the system does not list pseudo-terminals).
class CPortLister
{
public:
    virtual ~CPortLister() = default;
    virtual QVector<SSerialPortEntry> availablePorts() const = 0;
};
