#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QPair>
#include <QString>

namespace Sim {

class CFactorySettings;

// One access point that a scan finds.
struct SAccessPoint
{
    QByteArray ssid;
    QByteArray bssid;
    int channel = 0;
    int rssi = 0;
    QByteArray security;
    QByteArray password;
};

// The Wi-Fi module behind the device in pass-through: it echoes each line after ">" and
// answers "+ok" to a setter, "+ok=" and the value to a query and "+err" to anything else. Its
// station joins an access point of the scan list on "AT+WAPPLY" when the password fits.
class CWiFiModule
{
public:
    // False when the settings lack the module's sections.
    bool load(const CFactorySettings& settings);
    // The scan list from a file in place of the factory one, one access point a line as the
    // settings give it ("ssid,bssid,channel,rssi,security,password"); false, with the reason,
    // when the file cannot be read or a line is of another form.
    bool loadAccessPoints(const QString& path, QString* error);
    // The module reports the value for a query (AT+VER, AT+PSK, ...) in place of its factory
    // one, before and after a factory reset; false for a query the module does not know.
    bool overrideValue(const QByteArray& command, const QByteArray& value);
    QByteArrayList answer(const QByteArray& line);

private:
    using SETTING = QPair<QByteArray, QByteArray>;

    QByteArray* setting(const QByteArray& command);
    QByteArrayList query(const QByteArray& command);
    QByteArrayList set(const QByteArray& command, const QByteArray& value);
    QByteArrayList scan() const;
    QByteArray stationLink() const;
    void join();

    QList<SETTING> m_factory;
    QList<SETTING> m_settings;
    QList<SAccessPoint> m_accessPoints;
    bool m_factoryPending = false;
    // A join runs from "AT+STA" to "AT+WAPPLY"; the security and password in between are its.
    bool m_joining = false;
    QByteArray m_joinSsid;
    QByteArray m_joinSecurity;
    QByteArray m_joinPassword;
    int m_linked = -1;
};

} // namespace Sim
