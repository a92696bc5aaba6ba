#include "FactorySettings.h"

#include <QFile>

namespace Sim {

bool CFactorySettings::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    m_sections.clear();
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            m_sections.append({line.mid(1, line.size() - 2), {}});
            continue;
        }
        const int equals = line.indexOf('=');
        if (equals < 1 || m_sections.isEmpty()) {
            *error = QStringLiteral("%1, line %2: neither a section nor a key").arg(path).arg(lineNumber);
            return false;
        }
        m_sections.last().second.append({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
    }
    return true;
}

bool CFactorySettings::hasSection(const QByteArray& section) const
{
    for (const auto& each : m_sections) {
        if (each.first == section)
            return true;
    }
    return false;
}

QList<CFactorySettings::ENTRY> CFactorySettings::entries(const QByteArray& section) const
{
    QList<ENTRY> all;
    for (const auto& each : m_sections) {
        if (each.first == section)
            all += each.second;
    }
    return all;
}

QByteArray CFactorySettings::value(const QByteArray& section, const QByteArray& key) const
{
    const QByteArrayList all = values(section, key);
    return all.isEmpty() ? QByteArray() : all.first();
}

QByteArrayList CFactorySettings::values(const QByteArray& section, const QByteArray& key) const
{
    QByteArrayList all;
    for (const ENTRY& entry : entries(section)) {
        if (entry.first == key)
            all += entry.second;
    }
    return all;
}

QByteArray ModelSection(int model)
{
    return "model " + QByteArray::number(model);
}

} // namespace Sim
