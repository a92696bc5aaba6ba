#pragma once

#include "mainwindow/ports/SSerialPortEntry.h"

// COM ports by number, then the other names by their stem and a trailing number compared as a
// number (ttyACM0, ttyUSB2, ttyUSB10). A strict weak ordering.
bool comNameLessThan(const SSerialPortEntry& a, const SSerialPortEntry& b);
// As comNameLessThan, but the ports described "AIS Virtual Com" or "USB Serial Port" lead.
bool comNameLessThanInit(const SSerialPortEntry& a, const SSerialPortEntry& b);
