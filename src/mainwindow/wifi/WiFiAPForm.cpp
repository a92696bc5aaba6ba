#include "mainwindow/wifi/WiFiAPForm.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace WiFiForm {

namespace {

template <size_t N>
void CopyBounded(char (&field)[N], const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::memset(field, 0, N);
    std::memcpy(field, bytes.constData(), std::min(size_t(bytes.size()), N));
}

} // namespace

void fillWiFiAPData(const SWiFiFormInput& form, WiFiScope::SAPData* out)
{
    if (!out)
        return;
    *out = WiFiScope::SAPData();
    CopyBounded(out->ssid, form.ssid);
    CopyBounded(out->ip, form.ip);
    CopyBounded(out->mask, form.mask);
    out->port = form.port.toInt();
    out->channel = form.channel.toInt(); // "Auto Select" reads as 0
    CopyBounded(out->security, form.noPassword ? QString("NONE") : QString("WPA2-PSK"));
    CopyBounded(out->password, form.noPassword ? QString() : form.password);
}

} // namespace WiFiForm
