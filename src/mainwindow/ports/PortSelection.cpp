#include "mainwindow/ports/PortSelection.h"

#include "mainwindow/ports/PortOrder.h"

#include <algorithm>

QString PortDisplayText(const SSerialPortEntry& port, const QString& inUseSuffix)
{
    QString text = port.description.isEmpty() ? port.name
                                               : QStringLiteral("%1 (%2)").arg(port.description, port.name);
    if (port.busy)
        text += inUseSuffix;
    return text;
}

SPortSelection BuildPortSelection(QVector<SSerialPortEntry> ports, bool init, const QString& currentText,
                                  const QString& inUseSuffix)
{
    std::sort(ports.begin(), ports.end(), init ? comNameLessThanInit : comNameLessThan);
    SPortSelection selection;
    for (const SSerialPortEntry& port : ports) {
        const QString text = PortDisplayText(port, inUseSuffix);
        if (selection.current < 0 && text == currentText)
            selection.current = selection.rows.size();
        selection.rows.append({text, port.systemLocation});
    }
    if (selection.current < 0 && !selection.rows.isEmpty())
        selection.current = 0;
    return selection;
}
