#include "style/ObjPalette.h"

#include "style/QtObjPalette.h"
#include "style/StyleTarget.h"
#include "style/ThemeSources.h"
#include "style/CStyledItemDelegate.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QWidget>

void ObjPalette::setWhiteThemeWgsStyle(QWidget* widget, CStyledItemDelegate& delegate)
{
    setComboBoxDelegate(widget, &delegate);
    if (!StyleTarget::named(widget, "setWhiteThemeWgsStyle"))
        return;
    // A fixed grey frame, not a theme colour.
    const WIDGET_BORDER_LINE frame{2, WG_BORDER_EDGE_SOLID, 0x808080};
    widget->setStyleSheet(
        Theme::ownBlock(*widget, nullptr,
                        Theme::background(Theme::color(29)) + QtObjPalette::getWgBorderLineStyleStr(&frame))
        + compWhiteThemeWgsStyle());
}

// QComboBox::setItemDelegate deletes the delegate it replaces: setting ours a second time would
// delete the caller's own.
void ObjPalette::setComboBoxDelegate(QWidget* widget, CStyledItemDelegate* delegate)
{
    if (!StyleTarget::present(widget, "setComboBoxDelegate"))
        return;
    if (!delegate) {
        Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, "setComboBoxDelegate", 0, "%s",
                                                            "No delegate given: the combo boxes keep theirs");
        return;
    }
    for (QComboBox* comboBox : widget->findChildren<QComboBox*>()) {
        if (comboBox->itemDelegate() != delegate)
            comboBox->setItemDelegate(delegate);
    }
}

QString ObjPalette::compWhiteThemeWgsStyle()
{
    const QString any;
    return compLabelColorToneStyle(any, WG_COLOR_TONE_0, false)
        + compPushButtonColorToneStyle(any, WG_COLOR_TONE_0, false, 5)
        + compSpinBoxColorToneStyle(any, WG_COLOR_TONE_0, false, false)
        + compComboBoxColorToneStyle(any, WG_COLOR_TONE_0, false, 1)
        + compCheckBoxColorToneStyle(any, WG_COLOR_TONE_0, false)
        + compLineColorToneStyle(any, WG_COLOR_TONE_6, false, WG_LINE_DIRECTION_VERTICAL)
        + compEditColorToneStyle(any, WG_COLOR_TONE_0, false, "QLineEdit")
        + compEditColorToneStyle(any, WG_COLOR_TONE_0, false, "QTextEdit")
        + compEditColorToneStyle(any, WG_COLOR_TONE_0, false, "QDateEdit")
        + compEditColorToneStyle(any, WG_COLOR_TONE_0, false, "QTimeEdit")
        + compRadioBtnColorToneStyle(any, WG_COLOR_TONE_0, false);
}

void ObjPalette::setMainWidgetWhiteStyle(QWidget* widget)
{
    StyleTarget::install(widget,
                         compTabWidgetColorToneStyle(QString(), WG_COLOR_TONE_0, false, WIDGET_SIZE{150, 30})
                             + compPushButtonColorToneStyle(QString(), WG_COLOR_TONE_6, true, 5),
                         "setMainWidgetWhiteStyle");
}

void ObjPalette::setTextEditWhiteStyle(QWidget* widget)
{
    StyleTarget::install(widget, compEditColorToneStyle(QString(), WG_COLOR_TONE_0, false, "QTextEdit"),
                         "setTextEditWhiteStyle");
}
