#pragma once

#include "mainwindow/ports/CPortLister.h"

#include <utility>

// Lists the entries a test gives it, as the system would.
class CStandInPortLister : public CPortLister
{
public:
    explicit CStandInPortLister(QVector<SSerialPortEntry> ports = {}) : m_ports(std::move(ports)) {}
    void setPorts(QVector<SSerialPortEntry> ports) { m_ports = std::move(ports); }
    QVector<SSerialPortEntry> availablePorts() const override { return m_ports; }

private:
    QVector<SSerialPortEntry> m_ports;
};
