#pragma once

#include "AisFixture.h"
#include "TestEnv.h"

#include <QByteArrayList>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>

// The AIS messages of the reference data as the independent decoders read them, and the lines
// of its traffic files.
namespace ReferenceMessages {

// The lines of a file without their line ends and surrounding blanks, empty ones left out.
inline QByteArrayList FileLines(const QString& path)
{
    TestEnv::requireFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArrayList lines = file.readAll().split('\n');
    for (QByteArray& line : lines)
        line = line.trimmed();
    lines.removeAll(QByteArray());
    return lines;
}

// One AIS message: its sentences, without what the receiving station appended after the
// checksum, and one decoder's fields.
struct SMessage
{
    QString name; // "libais case 4 type 5", "gpsd line 3 type 5"
    QByteArrayList lines;
    QJsonObject decoded;
    bool gpsd; // gpsd's field names and conventions, else libais's

    int type() const { return decoded.value(gpsd ? "type" : "id").toInt(); }
    unsigned mmsi() const { return unsigned(decoded.value("mmsi").toDouble()); }
};

// libais's cases, then gpsd's messages line by line.
inline QList<SMessage> All(const QString& dir)
{
    QList<SMessage> all;
    TestEnv::requireFile(dir + "/ais-libais/test_data.top_level.json");
    QFile cases(dir + "/ais-libais/test_data.top_level.json");
    if (cases.open(QIODevice::ReadOnly)) {
        const QJsonArray array = QJsonDocument::fromJson(cases.readAll()).array();
        for (int i = 0; i < array.size(); ++i) {
            const QJsonObject one = array[i].toObject();
            SMessage message{{}, {}, one.value("result").toObject(), false};
            message.name = QString("libais case %1 type %2").arg(i).arg(message.type());
            for (const QJsonValue& line : one.value("nmea").toArray())
                message.lines << AisFixture::sentenceOf(line.toString().toLatin1());
            all << message;
        }
    }
    const QByteArrayList nmea = FileLines(dir + "/ais-libais/typeexamples.nmea");
    const QByteArrayList json = FileLines(dir + "/ais-libais/typeexamples.json");
    for (int i = 0; i < nmea.size() && i < json.size(); ++i) {
        SMessage message{{}, {AisFixture::sentenceOf(nmea[i])}, QJsonDocument::fromJson(json[i]).object(), true};
        message.name = QString("gpsd line %1 type %2").arg(i + 1).arg(message.type());
        all << message;
    }
    return all;
}

} // namespace ReferenceMessages
