#include "style/QtObjPalette.h"

#include <cmath>
#include <initializer_list>
#include <iterator>

namespace {

// Numbers go through QString only: printf would write a decimal comma under a German locale,
// which Qt parses without a word and draws wrongly.
QString colorText(uint32_t color, bool alpha = false)
{
    return QStringLiteral("#%1").arg(color, alpha ? 8 : 6, 16, QLatin1Char('0'));
}

QString pixels(int32_t length)
{
    return QString::number(length) + QLatin1String("px");
}

// Rounds a tie to even and keeps the sign of a negative zero, as "%.1f" does; a float times ten
// is exact in double.
QString oneDecimal(float value)
{
    const double rounded = std::nearbyint(double(value) * 10) / 10;
    const QString text = QString::number(rounded, 'f', 1);
    return rounded == 0 && std::signbit(rounded) ? QLatin1Char('-') + text : text;
}

template <size_t N>
QString wordOf(const char* const (&words)[N], int value)
{
    return value >= 0 && value < int(N) ? QString::fromLatin1(words[value]) : QString();
}

struct Length
{
    const char* name;
    int32_t value;
};

// "name:Npx;" (with the suffix before the ";") for each length that is set.
QString lengthRun(std::initializer_list<Length> lengths, const QString& suffix = QString())
{
    QString run;
    for (const Length& length : lengths) {
        if (length.value != WG_LENGTH_NOT_SET)
            run += QLatin1String(length.name) + pixels(length.value) + suffix + QLatin1Char(';');
    }
    return run;
}

// " style #colour", the tail of a line declaration.
QString lineSuffix(int32_t style, uint32_t color)
{
    return QLatin1Char(' ') + QString::fromLatin1(QtObjPalette::getWgBorderStyleStr(style)) + QLatin1Char(' ')
        + colorText(color);
}

// The width is always written; style and colour only when both are set.
QString lineDeclaration(const char* name, const WIDGET_BORDER_LINE* line)
{
    if (!line)
        return QString();
    QString run = QLatin1String(name) + pixels(line->width);
    if (line->style != WG_BORDER_EDGE_NOT_SET && line->color != WG_COLOR_NOT_SET)
        run += lineSuffix(line->style, line->color);
    return run + QLatin1Char(';');
}

QLatin1String orEmpty(const char* text)
{
    return text ? QLatin1String(text) : QLatin1String("");
}

} // namespace

QString QtObjPalette::getWgColorStyleStr(const SWidgetColor* color, bool alpha)
{
    if (!color)
        return QString();
    const struct
    {
        const char* name;
        uint32_t value;
    } fields[] = {{"color:", color->text},
                  {"background-color:", color->background},
                  {"selection-color:", color->selectionText},
                  {"selection-background-color:", color->selectionBackground},
                  {"alternate-background-color:", color->alternateBackground}};
    QString run;
    for (const auto& field : fields) {
        if (field.value != WG_COLOR_NOT_SET)
            run += QLatin1String(field.name) + colorText(field.value, alpha) + QLatin1Char(';');
    }
    return run;
}

QString QtObjPalette::getWgFontStyleStr(const WIDGET_FONT* font)
{
    if (!font)
        return QString();
    static const int weights[] = {0, 100, 200, 300, 400, 500, 600, 700, 800, 900};
    QString run;
    if (font->size > 0)
        run += QLatin1String("font-size:") + pixels(font->size) + QLatin1Char(';');
    // A weight past the table counts as not set.
    if (font->weight != 0 && font->weight < std::size(weights))
        run += QLatin1String("font-weight:") + QString::number(weights[font->weight]) + QLatin1Char(';');
    if (!font->family.empty())
        run += QLatin1String("font-family:\"") + QString::fromStdString(font->family) + QLatin1String("\";");
    return run;
}

QString QtObjPalette::getWgBorderLineStyleStr(const WIDGET_BORDER_LINE* line)
{
    return lineDeclaration("border:", line);
}

QString QtObjPalette::getWgOutlineStyleStr(const WIDGET_BORDER_LINE* line)
{
    return lineDeclaration("outline-width:", line);
}

QString QtObjPalette::getWgFocusStyleStr(const WIDGET_FOCUS* focus)
{
    return focus ? getWgOutlineStyleStr(focus->outline) : QString();
}

QString QtObjPalette::getWgBorderRadiusStyleStr(const WIDGET_BORDER_RADIUS* radius)
{
    if (!radius)
        return QString();
    return lengthRun({{"border-radius:", radius->all},
                      {"border-top-left-radius:", radius->topLeft},
                      {"border-top-right-radius:", radius->topRight},
                      {"border-bottom-right-radius:", radius->bottomRight},
                      {"border-bottom-left-radius:", radius->bottomLeft}});
}

QString QtObjPalette::getWgBorderBoxStyleStr(const WIDGET_BORDER* border)
{
    if (!border)
        return QString();
    return getWgBorderLineStyleStr(border->line) + getWgBorderRadiusStyleStr(border->radius);
}

QString QtObjPalette::getWgBorderSidesStyleStr(const WIDGET_BORDER_SIDES* sides)
{
    if (!sides)
        return QString();
    // The colour is written even when it is not set, as long as the style is.
    const QString suffix =
        sides->style != WG_BORDER_EDGE_NOT_SET ? lineSuffix(sides->style, sides->color) : QString();
    return lengthRun({{"border-left:", sides->left},
                      {"border-top:", sides->top},
                      {"border-right:", sides->right},
                      {"border-bottom:", sides->bottom}},
                     suffix);
}

QString QtObjPalette::getWgGradientStyleStr(const SWidgetGradientColor* gradient)
{
    if (!gradient)
        return QString();
    QString run = QLatin1String("background: qlineargradient(x1:") + oneDecimal(gradient->x1)
        + QLatin1String(", y1:") + oneDecimal(gradient->y1) + QLatin1String(", x2:") + oneDecimal(gradient->x2)
        + QLatin1String(", y2:") + oneDecimal(gradient->y2);
    for (int i = 0; i < gradient->stopCount && i < SWidgetGradientColor::MaxStops; ++i)
        run += QLatin1String(", stop:") + oneDecimal(gradient->stopPositions[i]) + QLatin1Char(' ')
            + colorText(gradient->stopColors[i]);
    return run + QLatin1String(");");
}

QString QtObjPalette::getWgImageStyleStr(QString path)
{
    return QLatin1String("image: url(") + path + QLatin1String(");");
}

QString QtObjPalette::getWgBackgroundImageStyleStr(QString path, int horizontal, int vertical)
{
    if (path.isEmpty())
        return QString();
    return QLatin1String("background-image: url(") + path + QLatin1String(");") + QLatin1String("background-position: ")
        + getWgAligStyleStr(horizontal) + QLatin1Char(' ') + getWgAligStyleStr(vertical) + QLatin1Char(';')
        + QLatin1String("background-origin: content;") + QLatin1String("background-repeat: none;");
}

QString QtObjPalette::getWgSizeStyleStr(const WIDGET_SIZE& size)
{
    return lengthRun({{"width:", size.width}, {"height:", size.height}});
}

QString QtObjPalette::getWgPaddingStyleStr(const WIDGET_PADDING* padding)
{
    if (!padding)
        return QString();
    return lengthRun({{"padding-left:", padding->left},
                      {"padding-top:", padding->top},
                      {"padding-right:", padding->right},
                      {"padding-bottom:", padding->bottom}});
}

QString QtObjPalette::getWgMarginStyleStr(const WIDGET_MARGIN* margin)
{
    if (!margin)
        return QString();
    return lengthRun({{"margin-left:", margin->left},
                      {"margin-top:", margin->top},
                      {"margin-right:", margin->right},
                      {"margin-bottom:", margin->bottom}});
}

QString QtObjPalette::getWgOffsetStyleStr(const WIDGET_OFFSET* offset)
{
    if (!offset)
        return QString();
    return lengthRun(
        {{"left:", offset->left}, {"top:", offset->top}, {"right:", offset->right}, {"bottom:", offset->bottom}});
}

QString QtObjPalette::getWgMinHeightStyleStr(int height)
{
    return QLatin1String("min-height:") + pixels(height);
}

QString QtObjPalette::getWgTextAlignStyleStr(int alignment)
{
    return QLatin1String("text-align:") + getWgAligStyleStr(alignment) + QLatin1Char(';');
}

QByteArray QtObjPalette::getWgBorderStyleStr(int edge)
{
    static const char* const words[] = {"",       "solid",  "dashed", "dot-dash", "dot-dot-dash", "dotted",
                                        "double", "groove", "inset",  "outset",   "ridge"};
    return wordOf(words, edge).toLatin1();
}

QString QtObjPalette::getWgAligStyleStr(int alignment)
{
    static const char* const words[] = {"left", "top", "right", "bottom", "center"};
    return wordOf(words, alignment);
}

QString QtObjPalette::getWgPositionStyleStr(int position)
{
    static const char* const words[] = {"relative", "absolute"};
    return wordOf(words, position);
}

QString QtObjPalette::getWgBoxModelStyleStr(int side)
{
    static const char* const words[] = {"margin", "border", "padding", "content"};
    return wordOf(words, side);
}

QString QtObjPalette::compStyleSheetBlock(QString objName, const char* className, const char* subControl,
                                          const char* state, bool descendant, QString declarations)
{
    const QString id = objName.isEmpty() ? QString() : QLatin1Char('#') + objName;
    const QString tail = orEmpty(subControl) + orEmpty(state);
    const QString selector =
        descendant ? id + QLatin1Char(' ') + orEmpty(className) + tail : orEmpty(className) + id + tail;
    return selector + QLatin1String(" {") + declarations + QLatin1Char('}');
}
