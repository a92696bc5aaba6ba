#include "style/QtObjPalette.h"
#include "style/SelectorSwitchRecord.h"

QString QtObjPalette::getSelectorSwitchStyleSheet(WIDGET_SELECTOR_SWITCH& style)
{
    return compSelectorSwitchStyleSheet(style);
}

QString QtObjPalette::compSelectorSwitchStyleSheet(WIDGET_SELECTOR_SWITCH& style)
{
    // The knob keeps a little of the frame showing around it.
    const WIDGET_MARGIN knobMargin{2, 1, 2, 1};
    const WIDGET_BORDER_RADIUS* radius = style.border ? style.border->radius : nullptr;
    const auto block = [](const char* className, const char* state, const QString& body) {
        return compStyleSheetBlock(QString(), className, nullptr, state, false, body);
    };
    return block("QFrame", nullptr, getWgColorStyleStr(style.frame, false) + getWgBorderBoxStyleStr(style.border))
        + block("QFrame", "::disabled", getWgColorStyleStr(style.frameDisabled, false))
        + block("QLabel", nullptr, getWgFontStyleStr(style.font) + QLatin1String("border: none;"))
        + block("QPushButton", nullptr,
                getWgFontStyleStr(style.font) + getWgColorStyleStr(style.knob, false)
                    + getWgBorderRadiusStyleStr(radius) + getWgMarginStyleStr(&knobMargin));
}
