#pragma once

#include "style/StyleRecords.h"

#include <QString>

// Records of the widget library's own compound widgets. Members are pointers to component
// records, except where marked; a null pointer leaves that part of the sheet out.

// The popup list of a combo box.
struct WIDGET_COMBO_SUIT
{
    SWidgetColor* hoveredItem = nullptr;
    SWidgetColor* selectedItem = nullptr;
};

struct WIDGET_DROP_MENU_BTN
{
    SWidgetColor* color = nullptr;
    SWidgetGradientColor* gradient = nullptr;
    WIDGET_BORDER* border = nullptr;
    WIDGET_FOCUS* focus = nullptr;
    QString backgroundImage;  // empty: no image
};

// The item buttons of a drop menu.
struct WIDGET_DROP_MENU_ITEM
{
    SWidgetColor* color = nullptr;
    SWidgetColor* checked = nullptr;
    SWidgetColor* hovered = nullptr;
    SWidgetColor* hoveredChecked = nullptr;
    WIDGET_FONT* font = nullptr;
    WIDGET_BORDER_LINE* line = nullptr;
};

struct WIDGET_GLOW_LABEL
{
    SWidgetColor* color = nullptr;
    WIDGET_FONT* font = nullptr;
    WIDGET_PADDING* padding = nullptr;
};

// The prefix and postfix labels of the edits with affixes.
struct WIDGET_AFFIXES_LABEL
{
    SWidgetColor* color = nullptr;
    WIDGET_FONT* font = nullptr;
};

// A progress bar used as a stepper.
struct WIDGET_TASK_BAR
{
    SWidgetColor* color = nullptr;
    WIDGET_BORDER* border = nullptr;
    WG_ALIGNMENT_S textAlignment = WG_ALIGNMENT_CENTER;
    SWidgetGradientColor* chunkGradient = nullptr;
};
