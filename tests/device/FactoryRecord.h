#pragma once

#include "DeviceFixture.h"
#include "FactorySettings.h"
#include "SimProcess.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace DeviceFixture {

// The bits per second of the device's baud codes 0 to 6.
constexpr int BaudOfCode[] = {115200, 57600, 38400, 19200, 14400, 9600, 4800};

// What the configuration record holds once the program has read the simulated transponder of
// the model in its factory state, by the names of fields(): the simulator's factory settings in
// the record's units.
inline QMap<QString, QString> factoryRecord(int model)
{
    Sim::CFactorySettings settings;
    QString error;
    if (!settings.load(TestEnv::SimProcess::factorySettingsPath(), &error))
        qFatal("%s", qPrintable(error));
    const QByteArray section = Sim::ModelSection(model);
    const auto value = [&](const char* key) { return QString::fromLatin1(settings.value(section, key)); };
    // Configuration items as "item,sub-item,value,text".
    QList<QStringList> items;
    for (const QByteArray& entry : settings.values(section, "cfg"))
        items += QString::fromLatin1(entry).split(',');
    const auto item = [&](int id, int sub) {
        for (const QStringList& each : items) {
            if (each[0].toInt() == id && each[1].toInt() == sub)
                return each[2];
        }
        return QString();
    };
    const auto baud = [&](int id, int sub) { return QString::number(BaudOfCode[item(id, sub).toInt()]); };
    QMap<QString, QString> properties{{"109", "0"}, {"110", "0"}};
    for (const QByteArray& entry : settings.values(section, "epv"))
        properties[QString::fromLatin1(entry.split(',')[0])] = QString::fromLatin1(entry.split(',')[1]);

    // The status item packs one slot a digit: the sub-item's digits name the slots, the value's
    // digits set them.
    QStringList status;
    for (int slot = 0; slot < CSensorConfig::StatusSlots; ++slot)
        status << QString::number(CSensorConfig::StatusNotReported);
    for (const QStringList& each : items) {
        if (each[0] != "8117")
            continue;
        const int digits = each[3].toInt();
        const QString named = each[1].rightJustified(digits, '0');
        const QString set = each[2].rightJustified(digits, '0');
        for (int k = 0; k < digits; ++k)
            status[named[k].digitValue()] = set[k];
    }

    const bool m1 = model == 1;
    const bool gpsOn = value("gps") == "1";
    const QString alr = m1 ? item(108, 6) : item(31, 7);
    const QStringList bauds = m1 ? QStringList{baud(183, 10), baud(183, 11), baud(183, 20), baud(183, 21)}
                                 : QStringList{baud(183, 1), baud(183, 1), baud(183, 2), baud(183, 2)};
    return {
        {"alrOutput", alr == "0" ? "1" : "0"},
        {"mmsi", value("mmsi")},
        {"mmsiValid", value("mmsi") == "0" ? "0" : "1"},
        {"shipName", value("name")},
        {"callSign", value("callsign")},
        {"shipType", value("shiptype")},
        {"dimensions", QStringList{value("a"), value("b"), value("c"), value("d")}.join(' ')},
        {"serialNumber", value("serial")},
        {"firmware", value("firmware")},
        {"gpsOn", gpsOn ? "1" : "0"},
        {"gpsOnCopy", gpsOn ? "1" : "0"},
        {"dscMonitor", value("dsc")},
        {"lrChannels", properties["109"] + ' ' + properties["110"]},
        {"bauds", bauds.join(' ')},
        {"nmea2000Instance", m1 ? "0" : item(183, 2000)},
        {"fwVersion", value("fwversion")},
        {"wifiModule", item(600, 11) == "1" ? "1" : "0"},
        {"multipleBaudRate", value("multiplebaudrate")},
        {"gpsUpdateRate", gpsOn ? value("gpsrate") : "0"},
        {"gpsDynModel", value("dynmodel")},
        {"statusFlags", status.join(' ')},
    };
}

// The fields whose text differs from the expected one, one "name: got, expected" line each;
// empty when all agree.
inline QString differences(const CSensorConfig& record, const QMap<QString, QString>& expected)
{
    const QMap<QString, QString> got = fields(record);
    QStringList lines;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (got.value(it.key()) != it.value())
            lines << QString("%1: \"%2\", not \"%3\"").arg(it.key(), got.value(it.key()), it.value());
    }
    return lines.join('\n');
}

} // namespace DeviceFixture
