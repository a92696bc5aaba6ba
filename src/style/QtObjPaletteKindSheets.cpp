#include "style/QtObjPalette.h"
#include "style/SheetBlocks.h"

#include <cstring>

using namespace SheetParts;

// "::pressed", "::checked", "::enabled", "::disabled" and "::read-only" below are states, not
// sub-controls: Qt reads a known state name after "::" as after ":".

namespace {

// Colours, border and padding: the body of the boxes that hold text.
QString boxBody(const SWidgetColor* color, const WIDGET_BORDER* border, const WIDGET_PADDING* padding)
{
    return colors(color) + QtObjPalette::getWgBorderBoxStyleStr(border) + QtObjPalette::getWgPaddingStyleStr(padding);
}

// The down arrow of a combo box or date edit: 3 px in from the right, 1 px lower while open.
void addDownArrowBlocks(SheetBlocks& sheet, const char* className, const QString& image)
{
    WIDGET_OFFSET enabled;
    enabled.right = 3;
    WIDGET_OFFSET open;
    open.top = 1;
    sheet.add(className, "::down-arrow", ":enabled",
              QtObjPalette::getWgOffsetStyleStr(&enabled) + QtObjPalette::getWgImageStyleStr(image));
    sheet.add(className, "::down-arrow", ":on", QtObjPalette::getWgOffsetStyleStr(&open));
    sheet.add(className, "::drop-down", nullptr, QStringLiteral("border: none;"));
}

QString fixedEditSheet(const QString& objName, const WIDGET_EDIT& style, bool descendant, const char* className)
{
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add(className, nullptr, nullptr, boxBody(style.color, style.border, style.padding));
    sheet.add(className, "::read-only", nullptr, colors(style.readOnly));
    return sheet.text;
}

} // namespace

QString QtObjPalette::compLabelStyleSheet(QString objName, WIDGET_LABEL& style, bool descendant)
{
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add("QLabel", nullptr, nullptr, colors(style.color) + getWgFontStyleStr(style.font));
    return sheet.text;
}

QString QtObjPalette::compPushButtonStyleSheet(QString objName, WIDGET_PUSH_BTN& style, bool descendant)
{
    // A zero outline instead of the record's focus: no dotted focus frame on buttons.
    const WIDGET_BORDER_LINE outline{0, WG_BORDER_EDGE_NONE, WG_COLOR_NOT_SET};
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add("QPushButton", nullptr, nullptr,
              colors(style.normal) + getWgGradientStyleStr(style.gradient) + getWgFontStyleStr(style.font)
                  + getWgBorderBoxStyleStr(style.border) + getWgOutlineStyleStr(&outline));
    sheet.add("QPushButton", "::pressed", nullptr, colors(style.pressed));
    sheet.add("QPushButton", "::checked", nullptr, colors(style.checked));
    return sheet.text;
}

QString QtObjPalette::compToolButtonStyleSheet(QString objName, WIDGET_TOOL_BTN& style, bool descendant)
{
    WIDGET_PADDING pressedPadding;
    pressedPadding.top = 1;
    WIDGET_BORDER_LINE checkedLine{1, WG_BORDER_EDGE_SOLID,
                                   style.stateColors ? (*style.stateColors)[0] : WG_COLOR_NOT_SET};
    WIDGET_BORDER_RADIUS checkedRadius;
    checkedRadius.all = 0;
    const WIDGET_BORDER checkedBorder{&checkedLine, &checkedRadius};
    SWidgetColor disabled;
    disabled.background = style.stateColors ? (*style.stateColors)[1] : WG_COLOR_NOT_SET;

    SheetBlocks sheet{objName, descendant, {}};
    sheet.add("QToolButton", nullptr, nullptr,
              colors(style.color) + getWgGradientStyleStr(style.gradient) + getWgBorderBoxStyleStr(style.border)
                  + getWgBackgroundImageStyleStr(style.backgroundImage, WG_ALIGNMENT_CENTER, WG_ALIGNMENT_CENTER));
    sheet.add("QToolButton", "::pressed", nullptr, getWgPaddingStyleStr(&pressedPadding));
    sheet.add("QToolButton", "::checked", nullptr, getWgBorderBoxStyleStr(&checkedBorder));
    sheet.add("QToolButton", "::disabled", nullptr, colors(&disabled));
    return sheet.text;
}

QString QtObjPalette::compSpinBoxStyleSheet(QString objName, WIDGET_SPIN_BOX& style, bool descendant,
                                            bool hideButtons)
{
    const char* const spinBox = "QAbstractSpinBox";
    WIDGET_PADDING padding;
    padding.left = 5;
    padding.right = 5;
    const QString border = getWgBorderBoxStyleStr(style.border);
    // The up button sits at the right edge, the down button at the left.
    const auto button = [&](const QString& image, const char* position) {
        if (hideButtons)
            return QStringLiteral("width:0");
        return border + sizeOf(style.buttonSize) + getWgImageStyleStr(image)
            + QLatin1String("subcontrol-position: ") + QLatin1String(position) + QLatin1Char(';');
    };

    SheetBlocks sheet{objName, descendant, {}};
    sheet.add(spinBox, nullptr, nullptr,
              colors(style.normal) + border + getWgPaddingStyleStr(&padding) + getWgFontStyleStr(style.font));
    sheet.add(spinBox, "::enabled", nullptr, colors(style.normal));
    sheet.add(spinBox, "::disabled", nullptr, colors(style.disabled));
    sheet.add(spinBox, "::up-button", ":hover", colors(style.hover));
    sheet.add(spinBox, "::down-button", ":hover", colors(style.hover));
    sheet.add(spinBox, "::up-button", ":pressed", colors(style.pressed));
    sheet.add(spinBox, "::down-button", ":pressed", colors(style.pressed));
    sheet.add(spinBox, "::up-button", nullptr, button(style.upImage, "right"));
    sheet.add(spinBox, "::down-button", nullptr, button(style.downImage, "left"));
    return sheet.text;
}

QString QtObjPalette::compComboBoxStyleSheet(QString objName, WIDGET_COMBO_BOX& style, bool descendant)
{
    const char* const comboBox = "QComboBox";
    const char* const popupView = "QComboBox QAbstractItemView";
    SWidgetColor itemColor;
    itemColor.text = style.itemTextColor;
    // The items take the corners of the box's own border.
    const WIDGET_BORDER_RADIUS* itemRadius = style.border ? style.border->radius : nullptr;

    SheetBlocks sheet{objName, descendant, {}};
    sheet.add(comboBox, nullptr, nullptr,
              boxBody(style.normal, style.border, style.padding) + getWgFontStyleStr(style.font));
    sheet.add(comboBox, "::enabled", nullptr, colors(style.normal));
    sheet.add(comboBox, "::disabled", nullptr, colors(style.disabled));
    addDownArrowBlocks(sheet, comboBox, style.downArrowImage);
    sheet.add(popupView, nullptr, nullptr,
              getWgGradientStyleStr(style.viewGradient) + getWgBorderBoxStyleStr(style.border));
    sheet.add(popupView, "::item", nullptr,
              colors(&itemColor) + getWgBorderRadiusStyleStr(itemRadius) + getWgPaddingStyleStr(style.padding)
                  + getWgMinHeightStyleStr(style.itemMinHeight));
    sheet.add(popupView, "::item", ":selected", colors(style.selected));
    return sheet.text;
}

QString QtObjPalette::compCheckBoxStyleSheet(QString objName, WIDGET_CHECK_BOX& style, bool descendant)
{
    const char* const checkBox = "QCheckBox";
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add(checkBox, nullptr, nullptr,
              colors(style.color) + getWgFontStyleStr(style.font) + getWgFocusStyleStr(style.focus));
    sheet.add(checkBox, "::indicator", ":checked", colors(style.checked) + getWgImageStyleStr(style.checkedImage));
    sheet.add(checkBox, "::indicator", ":unchecked",
              colors(style.unchecked) + getWgImageStyleStr(style.uncheckedImage));
    sheet.add(checkBox, "::indicator", ":disabled", colors(style.disabled));
    return sheet.text;
}

QString QtObjPalette::compEditStyleSheet(QString objName, WIDGET_EDIT& style, bool descendant, const char* className)
{
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add(className, nullptr, nullptr,
              boxBody(style.color, style.border, style.padding) + getWgFontStyleStr(style.font));
    sheet.add(className, "::read-only", nullptr, colors(style.readOnly));
    sheet.add(className, "::disabled", nullptr, colors(style.readOnly));
    // By text: the caller's class name may be built at run time.
    if (className && std::strcmp(className, "QDateEdit") == 0)
        addDownArrowBlocks(sheet, className, style.downArrowImage);
    return sheet.text;
}

QString QtObjPalette::compLineEditStyleSheet(QString objName, WIDGET_EDIT& style, bool descendant)
{
    return fixedEditSheet(objName, style, descendant, "QLineEdit");
}

QString QtObjPalette::compTextEditStyleSheet(QString objName, WIDGET_EDIT& style, bool descendant)
{
    return fixedEditSheet(objName, style, descendant, "QTextEdit");
}

QString QtObjPalette::compRadioBtnStyleSheet(QString objName, WIDGET_RADIO_BUTTON& style, bool descendant)
{
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add("QRadioButton", nullptr, nullptr, colors(style.color) + getWgFontStyleStr(style.font));
    return sheet.text;
}

QString QtObjPalette::compTableViewStyleSheet(QString objName, WIDGET_TABLE_VIEW& style, bool descendant)
{
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add("QTableView", nullptr, nullptr,
              colors(style.color) + getWgFontStyleStr(style.font) + getWgBorderBoxStyleStr(style.border));
    return sheet.text;
}

QString QtObjPalette::compHeaderViewStyleSheet(QString objName, WIDGET_HEADER_VIEW& style, bool descendant)
{
    const char* const header = "QHeaderView";
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add(header, "::section", nullptr, sizeOf(style.sectionSize) + colors(style.sectionColor));
    sheet.add(header, "::up-arrow", nullptr, getWgImageStyleStr(style.upArrowImage));
    sheet.add(header, "::down-arrow", nullptr, getWgImageStyleStr(style.downArrowImage));
    return sheet.text;
}

QString QtObjPalette::compTabWidgetStyleSheet(QString objName, WIDGET_TAB_WIDGET& style, bool descendant)
{
    static const WIDGET_TAB_ITEM noTab;
    const WIDGET_TAB_ITEM& tab = style.tab ? *style.tab : noTab;
    SheetBlocks sheet{objName, descendant, {}};
    sheet.add("QTabWidget", "::pane", nullptr, getWgBorderSidesStyleStr(style.paneSides));
    sheet.add("QTabBar", "::tab", nullptr,
              sizeOf(tab.tabSize) + getWgFontStyleStr(tab.font) + colors(tab.color)
                  + getWgBorderSidesStyleStr(tab.sides));
    sheet.add("QTabBar", "::tab", ":selected", colors(tab.selectedColor) + getWgBorderSidesStyleStr(tab.selectedSides));
    return sheet.text;
}
