#include "mainwindow/wifi/WiFiFormChecks.h"

#include <QByteArray>
#include <QStringList>
#include <cstdlib>

namespace WiFiForm {

namespace {

constexpr int AddressParts = 4;
constexpr long AddressPartLimit = 256;

// A decimal text; a text that is no number reads as 0, as the form always treated it. Read
// wide, so a long run of digits fails the range check rather than reading as 0.
long long DecimalOrZero(const QString& text)
{
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    return ok ? value : 0;
}

// The leading digits, as the C library's atoi takes them; strtol saturates where atoi would
// overflow, and a saturated value fails the range check all the same.
long LeadingNumber(const QString& part)
{
    const QByteArray bytes = part.toLocal8Bit();
    return std::strtol(bytes.constData(), nullptr, 10);
}

} // namespace

bool checkWiFiPassword(bool noPassword, const QString& password)
{
    return noPassword || !password.isEmpty();
}

bool checkWiFiChannel(const QString& channel)
{
    const long long value = DecimalOrZero(channel);
    return value >= 0 && value <= ChannelMax;
}

bool checkWiFiPort(const QString& port)
{
    if (port.isEmpty())
        return false;
    const long long value = DecimalOrZero(port);
    return value >= 0 && value <= PortMax;
}

bool checkWiFiIPSets(const QString& text)
{
    const QStringList parts = text.split('.');
    if (parts.size() < AddressParts)
        return false;
    for (int index = 0; index < AddressParts; ++index) {
        const QString& part = parts[index];
        if (part.isEmpty())
            return false;
        const long value = LeadingNumber(part);
        if (value < 0 || value >= AddressPartLimit)
            return false;
    }
    return true;
}

WIFI_FORM_FAULT checkInputRule(const SWiFiFormInput& form)
{
    if (form.ssid.isEmpty())
        return WIFI_FORM_NO_SSID;
    if (!checkWiFiPassword(form.noPassword, form.password))
        return WIFI_FORM_NO_PASSWORD;
    if (!form.noPassword
        && (form.password.length() < PasswordMinLength || form.password.length() > PasswordMaxLength))
        return WIFI_FORM_PASSWORD_LENGTH;
    if (!checkWiFiChannel(form.channel))
        return WIFI_FORM_CHANNEL;
    if (!checkWiFiIPSets(form.ip))
        return WIFI_FORM_IP_ADDRESS;
    if (!checkWiFiIPSets(form.mask))
        return WIFI_FORM_SUBNET_MASK;
    if (!checkWiFiPort(form.port))
        return WIFI_FORM_PORT;
    return WIFI_FORM_OK;
}

} // namespace WiFiForm
