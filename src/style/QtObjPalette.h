#pragma once

#include "style/PaletteFont.h"
#include "style/StyleRecords.h"

#include <QByteArray>
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

    // Declaration runs; every one taking a pointer gives "" for null.
    static QString getWgColorStyleStr(const SWidgetColor* color, bool alpha);
    static QString getWgFontStyleStr(const WIDGET_FONT* font);
    static QString getWgBorderLineStyleStr(const WIDGET_BORDER_LINE* line);
    static QString getWgBorderRadiusStyleStr(const WIDGET_BORDER_RADIUS* radius);
    static QString getWgBorderBoxStyleStr(const WIDGET_BORDER* border);
    static QString getWgBorderSidesStyleStr(const WIDGET_BORDER_SIDES* sides);
    static QString getWgOutlineStyleStr(const WIDGET_BORDER_LINE* line);
    static QString getWgFocusStyleStr(const WIDGET_FOCUS* focus);
    static QString getWgGradientStyleStr(const SWidgetGradientColor* gradient);
    static QString getWgImageStyleStr(QString path);
    static QString getWgBackgroundImageStyleStr(QString path, int horizontal, int vertical);
    static QString getWgSizeStyleStr(const WIDGET_SIZE& size);
    static QString getWgPaddingStyleStr(const WIDGET_PADDING* padding);
    static QString getWgMarginStyleStr(const WIDGET_MARGIN* margin);
    static QString getWgOffsetStyleStr(const WIDGET_OFFSET* offset);
    // Without a closing semicolon: it stands last in its block.
    static QString getWgMinHeightStyleStr(int height);
    static QString getWgTextAlignStyleStr(int alignment);

    // Style sheet words of the enumerations; "" for a value outside the table.
    static QByteArray getWgBorderStyleStr(int edge);
    static QString getWgAligStyleStr(int alignment);
    static QString getWgPositionStyleStr(int position);
    static QString getWgBoxModelStyleStr(int side);

    // One rule block. The C strings may be null or empty; sub-control and state carry their own
    // colons. Plain: class, "#name", sub-control, state. Descendant: "#name", a blank, class,
    // sub-control, state.
    static QString compStyleSheetBlock(QString objName, const char* className, const char* subControl,
                                       const char* state, bool descendant, QString declarations);
};
