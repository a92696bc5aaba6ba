#pragma once

#include "style/LibraryWidgetRecords.h"
#include "style/PaletteFont.h"
#include "style/SelectorSwitchRecord.h"
#include "style/StyleRecords.h"
#include "style/WidgetKindRecords.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <string>

class QAbstractButton;
class QLabel;
class QSettings;
class QTabWidget;
class QWidget;

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

    // Appliers: each replaces the widget's whole sheet. A block cover needs a widget with an
    // object name; without one, as without a widget, the sheet is left as it was and a warning is
    // logged.
    static void setWidgetBaseStyle(QWidget* widget, WIDGET_STYLE& style, STYLE_SHEET_COVER cover);
    static void setWidgetColorStyle(QWidget* widget, SWidgetColor& color, STYLE_SHEET_COVER cover);
    static void setWidgetFontStyle(QWidget* widget, WIDGET_FONT& font, STYLE_SHEET_COVER cover);
    static void setWidgetBorderStyle(QWidget* widget, WIDGET_BORDER& border, STYLE_SHEET_COVER cover);
    static void setWidgetGradientColorStyle(QWidget* widget, SWidgetGradientColor& gradient,
                                            STYLE_SHEET_COVER cover);
    static void setWidgetTransparentStyle(QWidget* widget, STYLE_SHEET_COVER cover);
    static void setLabelStyle(QWidget* widget, WIDGET_LABEL& label);
    static void setCheckBoxStyle(QWidget* widget, WIDGET_CHECK_BOX& checkBox);
    static void setTabWidgetNoFrameStyle(QTabWidget* tabWidget);
    static QString compTabWidgetNoFrameStyleSheet();

    // Direct widget operations, without a sheet.
    static void setWidgetBackground(QWidget* widget, QColor color, bool keepAutoFill);
    static void setWidgetTransparent(QWidget* widget);
    static void setWidgetBtnIcon(QAbstractButton* button, QString path);
    static void setWidgetLblIcon(QLabel* label, QString path);

    // Whole sheets per widget kind.
    static QString compLabelStyleSheet(QString objName, WIDGET_LABEL& style, bool descendant);
    static QString compPushButtonStyleSheet(QString objName, WIDGET_PUSH_BTN& style, bool descendant);
    static QString compToolButtonStyleSheet(QString objName, WIDGET_TOOL_BTN& style, bool descendant);
    static QString compSpinBoxStyleSheet(QString objName, WIDGET_SPIN_BOX& style, bool descendant,
                                         bool hideButtons);
    static QString compComboBoxStyleSheet(QString objName, WIDGET_COMBO_BOX& style, bool descendant);
    static QString compCheckBoxStyleSheet(QString objName, WIDGET_CHECK_BOX& style, bool descendant);
    // The arrow blocks are added only for the class "QDateEdit".
    static QString compEditStyleSheet(QString objName, WIDGET_EDIT& style, bool descendant,
                                      const char* className);
    static QString compLineEditStyleSheet(QString objName, WIDGET_EDIT& style, bool descendant);
    static QString compTextEditStyleSheet(QString objName, WIDGET_EDIT& style, bool descendant);
    static QString compRadioBtnStyleSheet(QString objName, WIDGET_RADIO_BUTTON& style, bool descendant);
    static QString compTableViewStyleSheet(QString objName, WIDGET_TABLE_VIEW& style, bool descendant);
    static QString compHeaderViewStyleSheet(QString objName, WIDGET_HEADER_VIEW& style, bool descendant);
    static QString compTabWidgetStyleSheet(QString objName, WIDGET_TAB_WIDGET& style, bool descendant);

    // The on/off switch: "QFrame", "QFrame::disabled", "QLabel" and "QPushButton" blocks.
    static QString getSelectorSwitchStyleSheet(WIDGET_SELECTOR_SWITCH& style);
    static QString compSelectorSwitchStyleSheet(WIDGET_SELECTOR_SWITCH& style);
    static QString compSliderStyleSheet(QString objName, WIDGET_SLIDER& style, bool descendant);
    // Direction 0 selects horizontal lines, 1 vertical lines, any other value every QFrame.
    static QString compLineStyleSheet(QString objName, SWidgetColor& color, bool descendant,
                                      WG_LINE_DIRECTION_S direction);
    static QString compGroupBoxStyleSheet(QString objName, WIDGET_GROUP_BOX& style, bool descendant);
    // Every QAbstractButton of the widget that receives it.
    static QString compGroupButtonStyleSheet(WIDGET_GROUP_BTN& style);

    // Sheets of the widget library's compound widgets, with fixed class selectors. Each getter
    // gives exactly what its composer gives.
    static QString getComboGuideStyleSheet(WIDGET_COMBO_SUIT& style);
    static QString compComboGuideStyleSheet(WIDGET_COMBO_SUIT& style);
    // Bare declarations, for the button's own sheet.
    static QString getDropMenuBtnStyleSheet(WIDGET_DROP_MENU_BTN& style);
    static QString compDropMenuBtnStyleSheet(WIDGET_DROP_MENU_BTN& style);
    static QString getDropMenuItemStyleSheet(WIDGET_DROP_MENU_ITEM& style);
    static QString compDropMenuItemStyleSheet(WIDGET_DROP_MENU_ITEM& style);
    static QString getGlowLabelStyleSheet(WIDGET_GLOW_LABEL& style);
    static QString compGlowLabelStyleSheet(WIDGET_GLOW_LABEL& style);
    static QString getAffixesLabelStyleSheet(WIDGET_AFFIXES_LABEL& style);
    static QString compAffixesLabelStyleSheet(WIDGET_AFFIXES_LABEL& style);
    static QString getTaskBarStyleSheet(WIDGET_TASK_BAR& style);
    static QString compTaskBarStyleSheet(WIDGET_TASK_BAR& style);
};
