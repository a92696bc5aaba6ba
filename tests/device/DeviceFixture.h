#pragma once

#include "SimProcess.h"
#include "device/CKTRWiFiPaser.h"
#include "device/CSensorConfig.h"

#include <QByteArrayList>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QtTest>

namespace DeviceFixture {

// The body ("$PQLX,R,CFG,...") closed with "*", its checksum and CR LF, summed here rather than
// by the codec under test.
inline QByteArray closed(const QByteArray& body)
{
    unsigned sum = 0;
    for (int i = 1; i < body.size(); ++i)
        sum ^= uint8_t(body[i]);
    return body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

// The same with a checksum that does not match.
inline QByteArray wrongSum(const QByteArray& body)
{
    const QByteArray good = closed(body);
    const int at = good.indexOf('*');
    const int sum = good.mid(at + 1, 2).toInt(nullptr, 16) ^ 0x11;
    return body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

// The simulated transponder's replies of one model to the probe and the query set, in their
// order: the version sentence, the configuration replies and the system-data text.
inline QByteArrayList transcriptLines(int model)
{
    QFile data(TestEnv::SimProcess::repliesPath(model));
    if (!data.open(QIODevice::ReadOnly))
        qFatal("missing transcript %s", qPrintable(data.fileName()));
    QByteArrayList lines = data.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// As the device sends them: every line closed with CR LF.
inline QByteArray transcriptBytes(int model)
{
    return transcriptLines(model).join("\r\n") + "\r\n";
}

// Both flags of the Wi-Fi mode check cleared: the answer to an exit is awaited, then comes.
inline void resetModeCheck()
{
    CKTRWiFiPaser::checkCfgModeEnable(">AT+EXIT\r\n");
    CKTRWiFiPaser::checkCfgModeEnable("+ok\r\n");
}

template <size_t N>
QString text(const char (&field)[N])
{
    return QString::fromLatin1(field, int(qstrnlen(field, N)));
}

// Every field of the record as text, by its name.
inline QMap<QString, QString> fields(const CSensorConfig& c)
{
    QStringList flags;
    for (int32_t slot : c.statusFlags)
        flags << QString::number(slot);
    return {
        {"alrOutput", QString::number(c.alrOutput)},
        {"mmsi", QString::number(c.mmsi)},
        {"shipName", text(c.shipName)},
        {"callSign", text(c.callSign)},
        {"shipType", QString::number(c.shipType)},
        {"dimensions", QString("%1 %2 %3 %4").arg(c.dimA).arg(c.dimB).arg(c.dimC).arg(c.dimD)},
        {"serialNumber", text(c.serialNumber)},
        {"firmware", text(c.firmware)},
        {"gpsOn", QString::number(c.gpsOn)},
        {"dscMonitor", text(c.dscMonitor)},
        {"lrChannels", QString("%1 %2").arg(c.lrChannel1).arg(c.lrChannel2)},
        {"bauds", QString("%1 %2 %3 %4").arg(c.nmea1OutBaud).arg(c.nmea1InBaud).arg(c.nmea2OutBaud).arg(c.nmea2InBaud)},
        {"nmea2000Instance", QString::number(c.nmea2000Instance)},
        {"fwVersion", text(c.fwVersion)},
        {"wifiModule", QString::number(c.wifiModule)},
        {"multipleBaudRate", QString::number(c.multipleBaudRate)},
        {"gpsUpdateRate", QString::number(c.gpsUpdateRate)},
        {"gpsDynModel", QString::number(c.gpsDynModel)},
        {"gpsOnCopy", QString::number(c.gpsOnCopy)},
        {"statusFlags", flags.join(' ')},
        {"mmsiValid", QString::number(c.mmsiValid)},
        {"refusedValues", QString::number(c.refusedValues, 16)},
    };
}

inline QString field(const CSensorConfig& config, const QString& name)
{
    const auto all = fields(config);
    if (!all.contains(name))
        qFatal("no field %s", qPrintable(name));
    return all.value(name);
}

} // namespace DeviceFixture
