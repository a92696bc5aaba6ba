#pragma once

#include "mainwindow/ports/CPortLister.h"

// The system's serial ports, then the paths named in AIS_EXTRA_PORTS (a simulator's
// pseudo-terminal, say).
class CSerialPortLister : public CPortLister
{
public:
    QVector<SSerialPortEntry> availablePorts() const override;
};
