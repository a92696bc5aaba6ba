#pragma once

#include "style/QtObjPalette.h"

// Pieces the composers share; internal to the style library.
namespace SheetParts {

// A sheet of rule blocks that share the styled widget's object name and the selector form.
struct SheetBlocks
{
    QString objName;
    bool descendant;
    QString text;

    void add(const char* className, const char* subControl, const char* state, const QString& body)
    {
        text += QtObjPalette::compStyleSheetBlock(objName, className, subControl, state, descendant, body);
    }
};

// A block whose opener is written out, such as "QLabel {".
inline QString literalBlock(const char* opener, const QString& body)
{
    return QLatin1String(opener) + body + QLatin1Char('}');
}

// Colour declarations with six-digit colours.
inline QString colors(const SWidgetColor* color)
{
    return QtObjPalette::getWgColorStyleStr(color, false);
}

// A null size counts as not set.
inline QString sizeOf(const WIDGET_SIZE* size)
{
    return size ? QtObjPalette::getWgSizeStyleStr(*size) : QString();
}

} // namespace SheetParts
