#include "mainwindow/ports/ExtraPorts.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <algorithm>

void AppendExtraPorts(QVector<SSerialPortEntry>& ports, const QString& paths)
{
    for (const QString& path : paths.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (!path.startsWith(QLatin1Char('/'))) {
            Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(
                DBG_WARNING, "AppendExtraPorts", 0, "%s \"%s\" refused: not a full path", ExtraPortsVariable,
                qPrintable(path));
            continue;
        }
        const bool listed = std::any_of(ports.cbegin(), ports.cend(), [&path](const SSerialPortEntry& port) {
            return port.systemLocation == path;
        });
        if (!listed)
            ports.append({path, path, QString(), false});
    }
}
