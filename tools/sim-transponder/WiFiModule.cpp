#include "WiFiModule.h"

#include "FactorySettings.h"

#include <QFile>

namespace Sim {

namespace {

const QByteArray Ok = "+ok";
const QByteArray Error = "+err";
const QByteArray ScanEnd = "WiFiScanEnd";
// The station's SSID that makes it leave the access point it is linked to.
const QByteArray LeaveSsid = "#72904%+*K318D?";
// The module keeps no longer values (an SSID has at most 32 bytes, a password at most 63).
constexpr int MaxValueLength = 64;

const QByteArrayList ReadOnly = {"AT+VER", "AT+SYSIP"};

// "ssid,bssid,channel,rssi,security,password"; false for a text of another form.
bool parseAccessPoint(const QByteArray& text, SAccessPoint* point)
{
    const QByteArrayList fields = text.split(',');
    if (fields.size() != 6)
        return false;
    *point = {fields[0], fields[1], fields[2].toInt(), fields[3].toInt(), fields[4], fields[5]};
    return true;
}

} // namespace

bool CWiFiModule::load(const CFactorySettings& settings)
{
    m_factory = settings.entries("wifi");
    m_settings = m_factory;
    m_accessPoints.clear();
    m_linked = -1;
    for (const QByteArray& text : settings.values("access points", "ap")) {
        SAccessPoint point;
        if (!parseAccessPoint(text, &point))
            return false;
        m_accessPoints.append(point);
    }
    return !m_factory.isEmpty() && !m_accessPoints.isEmpty();
}

bool CWiFiModule::loadAccessPoints(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QList<SAccessPoint> points;
    for (QByteArray text : file.readAll().split('\n')) {
        if (text.endsWith('\r'))
            text.chop(1);
        if (text.isEmpty())
            continue;
        SAccessPoint point;
        if (!parseAccessPoint(text, &point)) {
            *error = path + QStringLiteral(": not an access point: ") + QString::fromLatin1(text.left(80));
            return false;
        }
        points.append(point);
    }
    m_accessPoints = points;
    m_linked = -1;
    return true;
}

bool CWiFiModule::overrideValue(const QByteArray& command, const QByteArray& value)
{
    QByteArray* stored = setting(command);
    if (!stored)
        return false;
    *stored = value;
    for (SETTING& each : m_factory) {
        if (each.first == command)
            each.second = value;
    }
    return true;
}

QByteArrayList CWiFiModule::answer(const QByteArray& line)
{
    QByteArrayList lines = {'>' + line};
    if (line == ScanEnd)
        return lines;
    const int equals = line.indexOf('=');
    const QByteArray command = equals < 0 ? line : line.left(equals);
    if (equals < 0)
        lines += query(command);
    else
        lines += set(command, line.mid(equals + 1));
    return lines;
}

QByteArray* CWiFiModule::setting(const QByteArray& command)
{
    for (SETTING& each : m_settings) {
        if (each.first == command)
            return &each.second;
    }
    return nullptr;
}

QByteArrayList CWiFiModule::query(const QByteArray& command)
{
    if (command == "AT+SCAN")
        return scan();
    if (command == "AT+STALINK")
        return {Ok + '=' + stationLink()};
    if (command == "AT+STA")
        return set(command, QByteArray());
    if (command == "AT+WAPPLY") {
        join();
        return {Ok};
    }
    if (command == "AT+SYSAPPLY")
        return {Ok};
    if (command == "AT+FACTDEF") {
        m_factoryPending = true;
        return {Ok};
    }
    if (command == "AT+APPLY") {
        if (m_factoryPending) {
            m_settings = m_factory;
            m_linked = -1;
            m_factoryPending = false;
        }
        return {Ok, "br0: port 2(ath0) entering learning state"};
    }
    if (const QByteArray* value = setting(command))
        return {Ok + '=' + *value};
    return {Error};
}

QByteArrayList CWiFiModule::set(const QByteArray& command, const QByteArray& value)
{
    if (value.size() > MaxValueLength)
        return {Error};
    if (command == "AT+STA") {
        m_joining = true;
        m_joinSsid = value;
        m_joinSecurity.clear();
        m_joinPassword.clear();
        return {Ok};
    }
    if (m_joining && command == "AT+SECMODE") {
        m_joinSecurity = value;
        return {Ok};
    }
    if (m_joining && command == "AT+PSK") {
        m_joinPassword = value;
        return {Ok};
    }
    QByteArray* stored = setting(command);
    if (!stored || ReadOnly.contains(command))
        return {Error};
    *stored = value;
    return {Ok};
}

QByteArrayList CWiFiModule::scan() const
{
    QByteArrayList lines = {Ok + '='};
    for (const SAccessPoint& point : m_accessPoints) {
        lines += point.ssid + ',' + point.bssid + ',' + QByteArray::number(point.channel) + ','
                 + QByteArray::number(point.rssi) + ',' + point.security;
    }
    return lines;
}

QByteArray CWiFiModule::stationLink() const
{
    if (m_linked < 0)
        return "Not-Associated";
    const SAccessPoint& point = m_accessPoints.at(m_linked);
    return point.bssid.toLower() + ',' + point.ssid;
}

void CWiFiModule::join()
{
    if (!m_joining)
        return;
    m_joining = false;
    m_linked = -1;
    if (m_joinSsid == LeaveSsid)
        return;
    // "2," in front of the password names its key type.
    const QByteArray password = m_joinPassword.startsWith("2,") ? m_joinPassword.mid(2) : m_joinPassword;
    // The strongest access point of the SSID.
    for (int i = 0; i < m_accessPoints.size(); ++i) {
        const SAccessPoint& point = m_accessPoints.at(i);
        const bool open = point.security == "NONE";
        if (point.ssid == m_joinSsid && (open || point.password == password)
            && (m_linked < 0 || point.rssi > m_accessPoints.at(m_linked).rssi))
            m_linked = i;
    }
}

} // namespace Sim
