#include "style/QtObjPalette.h"
#include "style/SheetBlocks.h"

using namespace SheetParts;

QString QtObjPalette::getComboGuideStyleSheet(WIDGET_COMBO_SUIT& style)
{
    return compComboGuideStyleSheet(style);
}

QString QtObjPalette::compComboGuideStyleSheet(WIDGET_COMBO_SUIT& style)
{
    const char* const view = "QAbstractItemView";
    SheetBlocks sheet{QString(), false, {}};
    sheet.add(view, nullptr, nullptr,
              QStringLiteral("background-color: transparent;border: none;outline: none;show-decoration-selected: 1;"));
    sheet.add(view, "::item", ":hover", colors(style.hoveredItem));
    sheet.add(view, "::item", ":selected", colors(style.selectedItem));
    sheet.add(view, "::branch", nullptr, QStringLiteral("border-image: none;image: none;"));
    return sheet.text;
}

QString QtObjPalette::getDropMenuBtnStyleSheet(WIDGET_DROP_MENU_BTN& style)
{
    return compDropMenuBtnStyleSheet(style);
}

QString QtObjPalette::compDropMenuBtnStyleSheet(WIDGET_DROP_MENU_BTN& style)
{
    WIDGET_PADDING padding;
    padding.left = 3;
    return colors(style.color) + getWgGradientStyleStr(style.gradient) + getWgBorderBoxStyleStr(style.border)
        + getWgFocusStyleStr(style.focus)
        + getWgBackgroundImageStyleStr(style.backgroundImage, WG_ALIGNMENT_CENTER, WG_ALIGNMENT_CENTER)
        + getWgPaddingStyleStr(&padding);
}

QString QtObjPalette::getDropMenuItemStyleSheet(WIDGET_DROP_MENU_ITEM& style)
{
    return compDropMenuItemStyleSheet(style);
}

QString QtObjPalette::compDropMenuItemStyleSheet(WIDGET_DROP_MENU_ITEM& style)
{
    return literalBlock("QPushButton {",
                        colors(style.color) + getWgFontStyleStr(style.font) + getWgBorderLineStyleStr(style.line))
        + literalBlock("QPushButton:checked {", colors(style.checked))
        + literalBlock("QPushButton:hover {", colors(style.hovered))
        + literalBlock("QPushButton:hover:checked {", colors(style.hoveredChecked));
}

QString QtObjPalette::getGlowLabelStyleSheet(WIDGET_GLOW_LABEL& style)
{
    return compGlowLabelStyleSheet(style);
}

QString QtObjPalette::compGlowLabelStyleSheet(WIDGET_GLOW_LABEL& style)
{
    return literalBlock("QLabel {",
                        colors(style.color) + getWgFontStyleStr(style.font) + getWgPaddingStyleStr(style.padding));
}

QString QtObjPalette::getAffixesLabelStyleSheet(WIDGET_AFFIXES_LABEL& style)
{
    return compAffixesLabelStyleSheet(style);
}

QString QtObjPalette::compAffixesLabelStyleSheet(WIDGET_AFFIXES_LABEL& style)
{
    return literalBlock("QLabel {", colors(style.color) + getWgFontStyleStr(style.font));
}

QString QtObjPalette::getTaskBarStyleSheet(WIDGET_TASK_BAR& style)
{
    return compTaskBarStyleSheet(style);
}

QString QtObjPalette::compTaskBarStyleSheet(WIDGET_TASK_BAR& style)
{
    return literalBlock("QProgressBar {", colors(style.color) + getWgBorderBoxStyleStr(style.border)
                                              + getWgTextAlignStyleStr(style.textAlignment))
        + literalBlock("QProgressBar::chunk {", getWgGradientStyleStr(style.chunkGradient));
}
