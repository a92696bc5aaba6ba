#pragma once

#include "style/PaletteFont.h"
#include "style/StyleRecords.h"

#include <QString>
#include <string>

class QSettings;

// Composes the program's style sheets from plain records and holds the font setting. Static
// operations only; GUI thread. A declaration is "name:value;" with nothing between declarations,
// a block is the selector, " {", the declarations and "}", and blocks follow each other directly.
// Numbers are written with a decimal point whatever the locale.
class QtObjPalette
{
public:
    QtObjPalette() = delete;

    // Font setting.
    static PALETTE_FONT& font();
    // Start-up: family, base size and zoom, then the group "Palette_Font" of the INI file at
    // iniPath when one exists. Nothing is written.
    static void initialize(QString iniPath, std::string family, unsigned char baseSize, double zoom);
    static void readProfileIni(const QSettings* settings);
    // Completes the group with the values in force; keys already present stay as they are.
    static void writeProfileIni(QSettings* settings);
};
