#pragma once

#include <QString>

// The checks of the Wi-Fi page's access point form, free of the window so that they can be
// tried on plain texts. The window shows the text that belongs to the first fault.
namespace WiFiForm {

enum WIFI_FORM_FAULT : int
{
    WIFI_FORM_OK = 0,
    WIFI_FORM_NO_SSID = 1,
    WIFI_FORM_NO_PASSWORD = 2,
    WIFI_FORM_PASSWORD_LENGTH = 3,
    WIFI_FORM_CHANNEL = 4,
    WIFI_FORM_IP_ADDRESS = 5,
    WIFI_FORM_SUBNET_MASK = 6,
    WIFI_FORM_PORT = 7,
};

// The form's texts as the user left them.
struct SWiFiFormInput
{
    QString ssid;
    QString password;
    bool noPassword = false;
    QString channel; // the channel box's current text, "Auto Select" or a number
    QString ip;
    QString mask;
    QString port;
};

constexpr int PasswordMinLength = 8;
constexpr int PasswordMaxLength = 63;
constexpr int ChannelMax = 11;
constexpr int PortMax = 65535;

[[nodiscard]] bool checkWiFiPassword(bool noPassword, const QString& password);
[[nodiscard]] bool checkWiFiChannel(const QString& channel);
[[nodiscard]] bool checkWiFiPort(const QString& port);
// Four dot-separated parts, each non-empty and, read as atoi reads it, 0 to 255; text after
// a fourth dot is ignored.
[[nodiscard]] bool checkWiFiIPSets(const QString& text);
// The checks in the order the user is told of them; the first fault, or WIFI_FORM_OK.
[[nodiscard]] WIFI_FORM_FAULT checkInputRule(const SWiFiFormInput& form);

} // namespace WiFiForm
