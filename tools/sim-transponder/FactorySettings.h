#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QPair>
#include <QString>

namespace Sim {

// The simulated device's factory settings, read from a text file of "[section]" headers and
// "key = value" lines ("#" starts a comment line). A key may repeat; its values keep their order.
class CFactorySettings
{
public:
    using ENTRY = QPair<QByteArray, QByteArray>;

    // False, with the reason, when the file cannot be read or holds a line of neither form.
    bool load(const QString& path, QString* error);

    bool hasSection(const QByteArray& section) const;
    QList<ENTRY> entries(const QByteArray& section) const;
    // The first value of the key; empty when there is none.
    QByteArray value(const QByteArray& section, const QByteArray& key) const;
    QByteArrayList values(const QByteArray& section, const QByteArray& key) const;

private:
    QList<QPair<QByteArray, QList<ENTRY>>> m_sections;
};

// The section of a device model: "model 0", "model 1" or "model 2".
QByteArray ModelSection(int model);

} // namespace Sim
