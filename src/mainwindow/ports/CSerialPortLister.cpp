#include "mainwindow/ports/CSerialPortLister.h"

#include "mainwindow/ports/ExtraPorts.h"

#include <QSerialPortInfo>

QVector<SSerialPortEntry> CSerialPortLister::availablePorts() const
{
    QVector<SSerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append({info.portName(), info.systemLocation(), info.description(), info.isBusy()});
    AppendExtraPorts(ports, qEnvironmentVariable(ExtraPortsVariable));
    return ports;
}
