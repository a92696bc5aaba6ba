#include "style/QtObjPalette.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QFileInfo>
#include <QSettings>
#include <cmath>

namespace {

constexpr int MaxSize = 255;  // sizes are held in one byte

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

QString fontKey(const char* name)
{
    return QStringLiteral("/Palette_Font/%1").arg(QLatin1String(name));
}

void recomputeScaledSizes(PALETTE_FONT& font)
{
    for (int i = 0; i < PALETTE_FONT::ScaledCount; ++i) {
        const double scaled = (font.baseSize * PALETTE_FONT::ScaleFactors[i]) * font.zoom + 0.5;
        font.scaledSizes[i] = scaled >= MaxSize ? MaxSize : static_cast<uint8_t>(scaled);
    }
}

void setBaseSize(PALETTE_FONT& font, int size, const char* operation)
{
    if (size < 0 || size > MaxSize) {
        Log()->dbgPrintf(DBG_WARNING, operation, 0, "Font base size %d refused: outside 0..%d; %d stays", size,
                         MaxSize, font.baseSize);
        return;
    }
    font.baseSize = static_cast<uint8_t>(size);
    recomputeScaledSizes(font);
}

void setZoom(PALETTE_FONT& font, double zoom, const char* operation)
{
    if (!std::isfinite(zoom) || zoom < 0) {
        // dbgPrintf's own %f would follow the user's decimal comma.
        Log()->dbgPrintf(DBG_WARNING, operation, 0, "Font zoom %s refused: not a number of 0 or more; %s stays",
                         qPrintable(QString::number(zoom)), qPrintable(QString::number(font.zoom)));
        return;
    }
    font.zoom = zoom;
    recomputeScaledSizes(font);
}

} // namespace

PALETTE_FONT& QtObjPalette::font()
{
    static PALETTE_FONT s_Font;
    return s_Font;
}

void QtObjPalette::initialize(QString iniPath, std::string family, unsigned char baseSize, double zoom)
{
    PALETTE_FONT& setting = font();
    setting.family = std::move(family);
    setBaseSize(setting, baseSize, "initialize");
    setZoom(setting, zoom, "initialize");
    // Checked first: the settings object must not leave a file behind where there was none.
    if (!QFileInfo::exists(iniPath))
        return;
    const QSettings settings(iniPath, QSettings::IniFormat);
    readProfileIni(&settings);
}

void QtObjPalette::readProfileIni(const QSettings* settings)
{
    if (!settings) {
        Log()->dbgPrintf(DBG_WARNING, "readProfileIni", 0, "%s", "No settings to read the font from");
        return;
    }
    if (!settings->value(fontKey("Enable"), false).toBool())
        return;
    PALETTE_FONT& setting = font();
    setBaseSize(setting, settings->value(fontKey("SizeNormal"), int(setting.baseSize)).toInt(), "readProfileIni");
    const float zoom = settings->value(fontKey("SizeZoom"), float(setting.zoom)).toFloat();
    setZoom(setting, zoom, "readProfileIni");
}

void QtObjPalette::writeProfileIni(QSettings* settings)
{
    if (!settings) {
        Log()->dbgPrintf(DBG_WARNING, "writeProfileIni", 0, "%s", "No settings to complete with the font");
        return;
    }
    const PALETTE_FONT& setting = font();
    const std::pair<const char*, QVariant> values[] = {
        {"Enable", false}, {"SizeNormal", int(setting.baseSize)}, {"SizeZoom", setting.zoom}};
    for (const auto& [name, value] : values) {
        if (!settings->contains(fontKey(name)))
            settings->setValue(fontKey(name), value);
    }
}
