#pragma once

#include "device/CSensorConfig.h"

#include <QLatin1Char>
#include <QString>
#include <cstring>

// How the pages show the device's values, the same on every page: its texts as Latin-1 up to
// the field's end, with any control character shown as U+FFFD so that none reaches a label; a
// value the device layer refused as not available.
namespace DeviceValueText {

inline QString notAvailable()
{
    return QStringLiteral("N/A");
}

inline QString fromDevice(const char* field, size_t size)
{
    QString text = QString::fromLatin1(field, int(strnlen(field, size)));
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            c = QChar::ReplacementCharacter;
    }
    return text;
}

template <size_t N>
QString fromDevice(const char (&field)[N])
{
    return fromDevice(field, N);
}

// The field's text, or not available when the device's value was refused.
template <size_t N>
QString shown(const CSensorConfig& config, CSensorConfig::VALUE value, const char (&field)[N])
{
    return config.isRefused(value) ? notAvailable() : fromDevice(field);
}

// Nine digits; empty while the device has none; not available when refused.
inline QString mmsi(const CSensorConfig& config)
{
    if (config.isRefused(CSensorConfig::VALUE_MMSI))
        return notAvailable();
    return config.mmsi != 0 ? QStringLiteral("%1").arg(config.mmsi, 9, 10, QLatin1Char('0')) : QString();
}

} // namespace DeviceValueText
