#pragma once

#include "style/QtObjPalette.h"

// A few fields set, so that expected texts stay short. Keep it in place: the border points into it.
struct SmallStyleRecords
{
    SWidgetColor white{0xffffff, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET};
    SWidgetColor dark{WG_COLOR_NOT_SET, 0x202020, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET};
    WIDGET_FONT font{14, 7, "Tahoma"};
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, 0x808080};
    WIDGET_BORDER_RADIUS radius{5, -1, -1, -1, -1};
    WIDGET_BORDER border{&line, &radius};
};

// Component records with every field set, and kind records whose every member points to them.
// The kind records point into this object: keep it alive and in place while they are used.
struct SampleStyleRecords
{
    explicit SampleStyleRecords(QString imagePath)
        : image(std::move(imagePath))
    {
    }
    SampleStyleRecords(const SampleStyleRecords&) = delete;
    SampleStyleRecords& operator=(const SampleStyleRecords&) = delete;

    QString image;
    SWidgetColor color{0x101010, 0xf0f0f0, 0xffffff, 0x3060c0, 0xe0e0e0};
    WIDGET_FONT font{14, 7, "Tahoma"};
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, 0x808080};
    WIDGET_BORDER_RADIUS radius{5, 1, 2, 3, 4};
    WIDGET_BORDER border{&line, &radius};
    WIDGET_BORDER_SIDES sides{1, 2, 3, 4, WG_BORDER_EDGE_DASHED, 0x404040};
    WIDGET_FOCUS focus{&line};
    SWidgetGradientColor gradient{0, 0, 0, 1, 3, {0, 0.5f, 1}, {0xffffff, 0x808080, 0x000000}};
    WIDGET_PADDING padding{2, 3, 4, 5};
    WIDGET_SIZE size{26, 24};
    uint32_t stateColors[2] = {0xff0000, 0x00ff00};
    WIDGET_TAB_ITEM tab{&size, &font, &color, &color, &sides, &sides};
    WIDGET_MARGIN margin{1, 2, 3, 4};

    WIDGET_STYLE style() { return {&color, &font, &border}; }
    WIDGET_LABEL label() { return {&color, &font}; }
    WIDGET_PUSH_BTN pushButton() { return {&color, &color, &color, &font, &gradient, &border, &focus}; }
    WIDGET_TOOL_BTN toolButton() { return {&color, &gradient, &stateColors, &border, image}; }
    WIDGET_SPIN_BOX spinBox() { return {&color, &color, &color, &color, &border, &font, &size, image, image}; }
    WIDGET_COMBO_BOX comboBox() { return {40, 0x202020, &color, &color, &color, &gradient, &font, &border, &padding, image}; }
    WIDGET_CHECK_BOX checkBox() { return {&color, &color, &color, &color, &font, &focus, image, image}; }
    WIDGET_EDIT edit() { return {&color, &color, &font, &border, &padding, image}; }
    WIDGET_RADIO_BUTTON radioButton() { return {&color, &font}; }
    WIDGET_TABLE_VIEW tableView() { return {&color, &font, &border}; }
    WIDGET_HEADER_VIEW headerView() { return {&size, &color, image, image}; }
    WIDGET_TAB_WIDGET tabWidget() { return {&sides, &tab}; }
    WIDGET_SLIDER slider()
    {
        return {&size, &radius, &size, &line, &margin, &size, &line, &gradient, &color, &size, &line, &gradient, &margin};
    }
    WIDGET_GROUP_BOX groupBox() { return {&color, &border, &margin}; }
    WIDGET_GROUP_BTN groupButton()
    {
        return {&color, &color, &gradient, &border, &border, &font, &font, WG_ALIGNMENT_LEFT};
    }
    WIDGET_COMBO_SUIT comboSuit() { return {&color, &color}; }
    WIDGET_DROP_MENU_BTN dropMenuButton() { return {&color, &gradient, &border, &focus, image}; }
    WIDGET_DROP_MENU_ITEM dropMenuItem() { return {&color, &color, &color, &color, &font, &line}; }
    WIDGET_GLOW_LABEL glowLabel() { return {&color, &font, &padding}; }
    WIDGET_AFFIXES_LABEL affixesLabel() { return {&color, &font}; }
    WIDGET_TASK_BAR taskBar() { return {&color, &border, WG_ALIGNMENT_RIGHT, &gradient}; }
};
