#include "style/ObjPalette.h"

#include "style/QtObjPalette.h"
#include "style/ToneTable.h"

using ToneTable::Value;

namespace {

Value E(int entry)
{
    return Value::entry(entry);
}

const Value None;

struct TextValues
{
    Value text;
};

struct PushButtonValues
{
    Value normalText, normalBack, pressedText, pressedBack, checkedText, checkedBack, gradientTop, gradientBottom,
        line;
};

struct SpinBoxValues
{
    Value text, back, selectionText, selectionBack, disabledText, disabledBack, hoverBack, pressedBack;
};

struct ComboBoxValues
{
    Value itemText, normalText, normalBack, selectedText, selectedBack, disabledText, disabledBack, gradientTop,
        gradientBottom, line;
};

struct CheckBoxValues
{
    Value text, checkedBack, uncheckedBack, disabledBack;
};

struct EditValues
{
    Value text, back, readOnlyText, readOnlyBack;
};

struct LineValues
{
    Value text, back;
};

struct SelectorSwitchValues
{
    Value text, back, disabledText, disabledBack, knobText, knobBack;
};

struct CornerShapeValues
{
    Value text, back, gradientTop, gradientBottom;
};

const ToneTable::Table<TextValues> LabelTones{
    {E(32)},
    {{{1}, {{&TextValues::text, E(29)}}}, {{3}, {{&TextValues::text, E(35)}}}},
};

const ToneTable::Table<TextValues> RadioButtonTones{
    {E(32)},
    {{{1}, {{&TextValues::text, E(29)}}}},
};

using PB = PushButtonValues;
const ToneTable::Table<PushButtonValues> PushButtonTones{
    {E(32), E(29), E(29), E(34), E(29), E(34), E(29), E(31), E(38)},
    {
        {{1, 3},
         {{&PB::normalText, E(29)}, {&PB::normalBack, E(32)}, {&PB::gradientTop, E(32)}, {&PB::gradientBottom, E(32)}}},
        // Flat: no gradient, and the pressed and checked states keep the normal look.
        {{4, 5},
         {{&PB::gradientTop, None},
          {&PB::gradientBottom, None},
          {&PB::pressedText, None},
          {&PB::pressedBack, None},
          {&PB::checkedText, None},
          {&PB::checkedBack, None}}},
        {{4}, {{&PB::normalBack, E(30)}}},
        {{5}, {{&PB::normalText, E(29)}, {&PB::normalBack, E(24)}, {&PB::line, E(21)}}},
        {{6},
         {{&PB::normalText, E(29)},
          {&PB::normalBack, E(26)},
          {&PB::pressedText, E(29)},
          {&PB::pressedBack, E(22)},
          {&PB::checkedText, E(29)},
          {&PB::checkedBack, E(18)},
          {&PB::gradientTop, E(22)},
          {&PB::gradientBottom, E(26)}}},
    },
};

using SB = SpinBoxValues;
const ToneTable::Table<SpinBoxValues> SpinBoxTones{
    {E(34), E(29), E(34), E(29), E(36), E(34), E(34), E(32)},
    {{{3},
      {{&SB::text, E(32)}, {&SB::selectionText, E(32)}, {&SB::hoverBack, E(29)}, {&SB::pressedBack, E(31)}}}},
};

using CB = ComboBoxValues;
const ToneTable::Table<ComboBoxValues> ComboBoxTones{
    {E(32), E(32), E(29), E(29), E(23), E(36), E(30), E(39), E(29), E(34)},
    {
        {{1, 3},
         {{&CB::itemText, E(29)},
          {&CB::normalText, E(29)},
          {&CB::normalBack, E(34)},
          {&CB::gradientTop, E(37)},
          {&CB::gradientBottom, E(35)},
          {&CB::line, E(38)}}},
        {{4}, {{&CB::normalBack, E(30)}}},
    },
};

const ToneTable::Table<CheckBoxValues> CheckBoxTones{
    {E(32), E(29), E(29), E(30)},
    {{{1, 3}, {{&CheckBoxValues::text, E(29)}, {&CheckBoxValues::disabledBack, E(36)}}}},
};

const ToneTable::Table<EditValues> EditTones{
    {E(32), E(29), E(36), E(30)},
    {{{4}, {{&EditValues::back, E(30)}}}},
};

const ToneTable::Table<LineValues> LineTones{
    {None, None},
    {{{3}, {{&LineValues::text, E(31)}}}, {{6}, {{&LineValues::back, E(26)}}}},
};

// Without the highlight the switch keeps one look in every tone.
const SelectorSwitchValues PlainSelectorSwitch{E(32), E(38), E(31), E(30), E(29), E(35)};

const ToneTable::Table<SelectorSwitchValues> HighlightedSelectorSwitchTones{
    {E(18), E(29), E(31), E(30), E(29), E(22)},
    {{{2}, {{&SelectorSwitchValues::knobBack, E(37)}}}},
};

using CS = CornerShapeValues;
const ToneTable::Table<CornerShapeValues> CornerShapeTones{
    {E(29), None, E(37), E(31)},
    {
        {{1}, {{&CS::back, E(32)}, {&CS::gradientTop, E(34)}, {&CS::gradientBottom, E(32)}}},
        {{2}, {{&CS::text, E(32)}, {&CS::back, E(39)}, {&CS::gradientTop, E(38)}, {&CS::gradientBottom, E(39)}}},
        {{3}, {{&CS::back, E(31)}, {&CS::gradientTop, E(31)}, {&CS::gradientBottom, E(36)}}},
        {{6}, {{&CS::back, E(25)}, {&CS::gradientTop, E(26)}, {&CS::gradientBottom, E(25)}}},
    },
};

SWidgetColor textOnly(const Value& text)
{
    return ToneTable::textOn(text, None);
}

SWidgetColor backgroundOnly(const Value& background)
{
    return ToneTable::textOn(None, background);
}

} // namespace

QString ObjPalette::compLabelColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant)
{
    SWidgetColor color = textOnly(LabelTones.of(tone).text);
    WIDGET_FONT font = Theme::settingsFont(3, 4);
    WIDGET_LABEL record{&color, &font};
    return QtObjPalette::compLabelStyleSheet(objName, record, descendant);
}

QString ObjPalette::compPushButtonColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                                 int cornerRadius)
{
    const PushButtonValues v = PushButtonTones.of(tone);
    SWidgetColor normal = ToneTable::textOn(v.normalText, v.normalBack);
    SWidgetColor pressed = ToneTable::textOn(v.pressedText, v.pressedBack);
    SWidgetColor checked = ToneTable::textOn(v.checkedText, v.checkedBack);
    WIDGET_FONT font = Theme::settingsFont(3, 4);
    ToneTable::Gradient gradient(v.gradientTop, v.gradientBottom);
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, v.line.color()};
    WIDGET_BORDER_RADIUS corners = Theme::allCorners(cornerRadius);
    WIDGET_BORDER border{&line, &corners};
    WIDGET_BORDER_LINE outline{0, WG_BORDER_EDGE_NONE, WG_COLOR_NOT_SET};
    WIDGET_FOCUS focus{&outline};
    WIDGET_PUSH_BTN record{&normal, &pressed, &checked, &font, gradient.get(), &border, &focus};
    return QtObjPalette::compPushButtonStyleSheet(objName, record, descendant);
}

QString ObjPalette::compSpinBoxColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                              bool hideButtons)
{
    const SpinBoxValues v = SpinBoxTones.of(tone);
    SWidgetColor normal = ToneTable::textOn(v.text, v.back);
    normal.selectionText = v.selectionText.color();
    normal.selectionBackground = v.selectionBack.color();
    SWidgetColor disabled = ToneTable::textOn(v.disabledText, v.disabledBack);
    SWidgetColor hover = backgroundOnly(v.hoverBack);
    SWidgetColor pressed = backgroundOnly(v.pressedBack);
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, Theme::color(38)};
    WIDGET_BORDER_RADIUS corners = Theme::allCorners(5);
    WIDGET_BORDER border{&line, &corners};
    WIDGET_FONT font = Theme::tahoma(14, 7);
    WIDGET_SIZE buttonSize{26, 26};
    const LibraryImage& images = Theme::images();
    WIDGET_SPIN_BOX record{&normal,
                           &disabled,
                           &hover,
                           &pressed,
                           &border,
                           &font,
                           &buttonSize,
                           Theme::path(images.getSpinBoxIconPath(0, 0)),
                           Theme::path(images.getSpinBoxIconPath(0, 1))};
    return QtObjPalette::compSpinBoxStyleSheet(objName, record, descendant, hideButtons);
}

QString ObjPalette::compComboBoxColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                               int borderWidth)
{
    const ComboBoxValues v = ComboBoxTones.of(tone);
    SWidgetColor normal = ToneTable::textOn(v.normalText, v.normalBack);
    SWidgetColor selected = ToneTable::textOn(v.selectedText, v.selectedBack);
    SWidgetColor disabled = ToneTable::textOn(v.disabledText, v.disabledBack);
    ToneTable::Gradient gradient(v.gradientTop, v.gradientBottom);
    WIDGET_FONT font = Theme::settingsFont(3, 7);
    WIDGET_BORDER_LINE line{borderWidth, WG_BORDER_EDGE_SOLID, v.line.color()};
    WIDGET_BORDER_RADIUS corners = Theme::allCorners(5);
    WIDGET_BORDER border{&line, &corners};
    WIDGET_PADDING padding;
    WIDGET_COMBO_BOX record{40,       v.itemText.color(), &normal, &selected, &disabled, gradient.get(),
                            &font,    &border,            &padding,
                            Theme::path(Theme::images().getComboBoxIconPath(0, 0))};
    return QtObjPalette::compComboBoxStyleSheet(objName, record, descendant);
}

QString ObjPalette::compCheckBoxColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant)
{
    const CheckBoxValues v = CheckBoxTones.of(tone);
    SWidgetColor color = textOnly(v.text);
    SWidgetColor checked = backgroundOnly(v.checkedBack);
    SWidgetColor unchecked = backgroundOnly(v.uncheckedBack);
    SWidgetColor disabled = backgroundOnly(v.disabledBack);
    WIDGET_FONT font = Theme::settingsFont(3, 4);
    WIDGET_BORDER_LINE outline{0, WG_BORDER_EDGE_NONE, WG_COLOR_NOT_SET};
    WIDGET_FOCUS focus{&outline};
    const LibraryImage& images = Theme::images();
    WIDGET_CHECK_BOX record{&color,
                            &checked,
                            &unchecked,
                            &disabled,
                            &font,
                            &focus,
                            Theme::path(images.getCheckBoxIconPath(0, 0)),
                            Theme::path(images.getCheckBoxIconPath(0, 1))};
    return QtObjPalette::compCheckBoxStyleSheet(objName, record, descendant);
}

QString ObjPalette::compLineColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                           WG_LINE_DIRECTION_S direction)
{
    const LineValues v = LineTones.of(tone);
    SWidgetColor color = ToneTable::textOn(v.text, v.back);
    return QtObjPalette::compLineStyleSheet(objName, color, descendant, direction);
}

QString ObjPalette::compEditColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                           const char* className)
{
    const EditValues v = EditTones.of(tone);
    SWidgetColor color = ToneTable::textOn(v.text, v.back);
    SWidgetColor readOnly = ToneTable::textOn(v.readOnlyText, v.readOnlyBack);
    WIDGET_FONT font = Theme::settingsFont(3, 7);
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, Theme::color(34)};
    WIDGET_BORDER_RADIUS corners = Theme::allCorners(5);
    WIDGET_BORDER border{&line, &corners};
    WIDGET_PADDING padding;
    padding.left = 8;
    WIDGET_EDIT record{&color, &readOnly, &font, &border, &padding, Theme::path(Theme::images().getEditIconPath(0, 0))};
    return QtObjPalette::compEditStyleSheet(objName, record, descendant, className);
}

QString ObjPalette::compRadioBtnColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant)
{
    SWidgetColor color = textOnly(RadioButtonTones.of(tone).text);
    WIDGET_FONT font = Theme::settingsFont(4, 4);
    WIDGET_RADIO_BUTTON record{&color, &font};
    return QtObjPalette::compRadioBtnStyleSheet(objName, record, descendant);
}

QString ObjPalette::compTabWidgetColorToneStyle(QString objName, WG_COLOR_TONE_S, bool descendant,
                                                WIDGET_SIZE tabSize)
{
    WIDGET_BORDER_SIDES pane{1, WG_LENGTH_NOT_SET, 1, 1, WG_BORDER_EDGE_SOLID, Theme::color(31)};
    WIDGET_FONT font = Theme::tahoma(15, 9);
    SWidgetColor color = Theme::textOn(Theme::color(32), Theme::color(39));
    SWidgetColor selected = Theme::textOn(Theme::color(13), Theme::color(30));
    WIDGET_BORDER_SIDES sides{1, 5, 1, WG_LENGTH_NOT_SET, WG_BORDER_EDGE_SOLID, Theme::color(31)};
    WIDGET_BORDER_SIDES selectedSides;
    selectedSides.top = 5;
    selectedSides.style = WG_BORDER_EDGE_SOLID;
    selectedSides.color = Theme::color(13);
    WIDGET_TAB_ITEM tab{&tabSize, &font, &color, &selected, &sides, &selectedSides};
    WIDGET_TAB_WIDGET record{&pane, &tab};
    return QtObjPalette::compTabWidgetStyleSheet(objName, record, descendant);
}

// The switch's sheet has fixed selectors, so the object name is not used.
QString ObjPalette::compSelectorSwitchColorToneStyle(QString, WG_COLOR_TONE_S tone, bool highlight)
{
    const SelectorSwitchValues v = highlight ? HighlightedSelectorSwitchTones.of(tone) : PlainSelectorSwitch;
    SWidgetColor frame = ToneTable::textOn(v.text, v.back);
    SWidgetColor disabled = ToneTable::textOn(v.disabledText, v.disabledBack);
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, 0x000000};
    WIDGET_BORDER_RADIUS corners = Theme::allCorners(3);
    WIDGET_BORDER border{&line, &corners};
    WIDGET_FONT font{WG_LENGTH_NOT_SET, 7, "arial"};
    SWidgetColor knob = ToneTable::textOn(v.knobText, v.knobBack);
    WIDGET_SELECTOR_SWITCH record{&frame, &disabled, &border, &font, &knob};
    return QtObjPalette::compSelectorSwitchStyleSheet(record);
}

QString ObjPalette::compCornerShapeColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool framed, bool bold)
{
    const CornerShapeValues v = CornerShapeTones.of(tone);
    const SWidgetColor color = ToneTable::textOn(v.text, v.back);
    ToneTable::Gradient gradient(v.gradientTop, v.gradientBottom);
    const WIDGET_BORDER_LINE frame{1, WG_BORDER_EDGE_SOLID, Theme::color(39)};
    const WIDGET_BORDER_RADIUS corners = Theme::allCorners(5);
    const WIDGET_FONT font = bold ? Theme::tahoma(14, 7) : Theme::tahoma(13, 4);
    const QString border = framed ? QtObjPalette::getWgBorderLineStyleStr(&frame) : QStringLiteral("border: none;");
    const QString panel = QtObjPalette::getWgColorStyleStr(&color, false)
        + QtObjPalette::getWgGradientStyleStr(gradient.get()) + border
        + QtObjPalette::getWgBorderRadiusStyleStr(&corners) + QtObjPalette::getWgFontStyleStr(&font);
    const WIDGET_MARGIN indent{10, 0, 0, 0};
    const QString caption = QStringLiteral("background-color:transparent;border: none;")
        + QtObjPalette::getWgMarginStyleStr(&indent);
    return QtObjPalette::compStyleSheetBlock(objName, "QWidget", nullptr, nullptr, true, panel)
        + QtObjPalette::compStyleSheetBlock(objName, "QLabel", nullptr, nullptr, true, caption);
}
