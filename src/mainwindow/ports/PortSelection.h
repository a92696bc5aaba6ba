#pragma once

#include "mainwindow/ports/SSerialPortEntry.h"

#include <QVector>

// The port selector's contents, worked out apart from the widget.
struct SPortRow
{
    QString text;
    QString systemLocation;  // the row's data: what the connection is built from
};

struct SPortSelection
{
    QVector<SPortRow> rows;
    int current = -1;  // -1 only when there is no row
};

// "description (name)", or the name alone without a description, then the in-use suffix for a
// busy port.
QString PortDisplayText(const SSerialPortEntry& port, const QString& inUseSuffix);

// Sorts the ports (the start-up order when init is true) and keeps the row whose text equals
// currentText; when none does, the first row is current. A selected port that turned busy has
// a new text and so loses the selection.
SPortSelection BuildPortSelection(QVector<SSerialPortEntry> ports, bool init, const QString& currentText,
                                  const QString& inUseSuffix);
