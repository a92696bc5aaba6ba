#pragma once

#include "DeviceFixture.h"
#include "device/CWiFiConfig.h"

#include <QByteArrayList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace WiFiFixture {

using DeviceFixture::text;

template <size_t N>
QString flags(const bool (&entries)[N])
{
    QString bits;
    for (bool entry : entries)
        bits += entry ? '1' : '0';
    return bits;
}

// The scanned access points as text: one "ssid: bssid rssi security, ..." per group, with
// "[linked n]" for a group whose member n is the linked one.
inline QStringList groups(const WiFiScope::SWiFiData& s)
{
    QStringList texts;
    for (const WiFiScope::SClientAPInfoStruct& group : s.apList) {
        QStringList members;
        for (const WiFiScope::SClientAPData& member : group.members)
            members << QString("%1 %2 %3")
                           .arg(QString::fromStdString(member.bssid))
                           .arg(member.rssi)
                           .arg(QString::fromStdString(member.security));
        QString line = QString::fromStdString(group.ssid) + ": " + members.join(", ");
        if (group.connectedIndex >= 0)
            line += QString(" [linked %1]").arg(group.connectedIndex);
        texts << line;
    }
    return texts;
}

// Every field of the state record, by name, so two records compare field by field.
inline QMap<QString, QString> fields(const WiFiScope::SCmdProcData& s)
{
    QStringList ssids;
    for (const WiFiScope::SClientAPInfoStruct& group : s.apList)
        ssids << QString::fromStdString(group.ssid);
    const WiFiScope::SAPData& ap = s.apSettings;
    return {
        {"version", text(s.version)},
        {"wlanEnabled", QString::number(s.wlanEnabled)},
        {"opMode", QString::number(s.opMode)},
        {"dhcp", QString("%1 %2").arg(s.dhcpServer).arg(s.dhcpClient)},
        {"apSettings", QStringList{text(ap.ssid), text(ap.ip), text(ap.mask), QString::number(ap.port),
                                   QString::number(ap.channel), text(ap.security), text(ap.password)}
                           .join('|')},
        {"linkedBssid", QString::fromStdString(s.linkedBssid)},
        {"sysIp", QString::fromStdString(s.sysIp)},
        {"sysIpMore", QString::fromStdString(s.sysIpMore)},
        {"apList", ssids.join('|')},
        {"apListCut", QString::number(s.apListCut)},
        {"queryReplied", flags(s.queryReplied)},
        {"settingAcked", flags(s.settingAcked)},
        {"scanDone", QString::number(s.scanDone)},
        {"link", QString("%1 %2").arg(s.linkStatus).arg(s.linkCheck)},
        {"queryWanted", flags(s.queryWanted)},
        {"job", QString("%1 %2 %3").arg(s.mainState).arg(s.cfgType).arg(s.subState)},
        {"times", QString("%1 %2").arg(s.jobStartTime).arg(s.stepTime)},
        {"counts", QString("%1 %2 %3").arg(s.enterTries).arg(s.pollCount).arg(s.timeoutCount)},
        {"sysMode", QString::number(s.sysMode)},
    };
}

// The flags of the given command indexes set, as fields() writes them.
inline QString flagsOf(const QList<int>& set)
{
    QString bits(SATCommandSet::COMMAND_COUNT, '0');
    for (int index : set)
        bits[index] = '1';
    return bits;
}

// A transcript of the module, each line closed with CR LF as the device link delivers it.
inline void feed(CWiFiConfig& config, const QByteArrayList& lines)
{
    for (const QByteArray& line : lines)
        config.cmdProc((line + "\r\n").constData());
}

} // namespace WiFiFixture
