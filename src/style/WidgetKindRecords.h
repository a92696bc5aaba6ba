#pragma once

#include "style/StyleRecords.h"

#include <QString>

// One record per standard widget kind, over the component records. Image members are resource
// paths held by value. Members that the sheets cannot do without (state colours, button, section,
// tab and slider sizes, the combo and group box borders, the tab record) are still read as
// "not set" when null.

struct WIDGET_PUSH_BTN
{
    SWidgetColor* normal = nullptr;
    SWidgetColor* pressed = nullptr;
    SWidgetColor* checked = nullptr;
    WIDGET_FONT* font = nullptr;
    SWidgetGradientColor* gradient = nullptr;
    WIDGET_BORDER* border = nullptr;
    WIDGET_FOCUS* focus = nullptr;  // the push-button sheet writes a fixed zero outline instead
};

struct WIDGET_TOOL_BTN
{
    SWidgetColor* color = nullptr;
    SWidgetGradientColor* gradient = nullptr;
    // The border colour of the checked state, then the background colour of the disabled state.
    uint32_t (*stateColors)[2] = nullptr;
    WIDGET_BORDER* border = nullptr;
    QString backgroundImage;
};

struct WIDGET_SPIN_BOX
{
    SWidgetColor* normal = nullptr;
    SWidgetColor* disabled = nullptr;
    SWidgetColor* hover = nullptr;
    SWidgetColor* pressed = nullptr;
    WIDGET_BORDER* border = nullptr;
    WIDGET_FONT* font = nullptr;
    WIDGET_SIZE* buttonSize = nullptr;
    QString upImage;
    QString downImage;
};

struct WIDGET_COMBO_BOX
{
    int16_t itemMinHeight = 0;
    uint32_t itemTextColor = WG_COLOR_NOT_SET;
    SWidgetColor* normal = nullptr;
    SWidgetColor* selected = nullptr;
    SWidgetColor* disabled = nullptr;
    SWidgetGradientColor* viewGradient = nullptr;
    WIDGET_FONT* font = nullptr;
    WIDGET_BORDER* border = nullptr;  // its corner radii shape the popup's items too
    WIDGET_PADDING* padding = nullptr;
    QString downArrowImage;
};

struct WIDGET_CHECK_BOX
{
    SWidgetColor* color = nullptr;
    SWidgetColor* checked = nullptr;
    SWidgetColor* unchecked = nullptr;
    SWidgetColor* disabled = nullptr;
    WIDGET_FONT* font = nullptr;
    WIDGET_FOCUS* focus = nullptr;
    QString checkedImage;
    QString uncheckedImage;
};

struct WIDGET_EDIT
{
    SWidgetColor* color = nullptr;
    SWidgetColor* readOnly = nullptr;  // also the disabled look
    WIDGET_FONT* font = nullptr;
    WIDGET_BORDER* border = nullptr;
    WIDGET_PADDING* padding = nullptr;
    QString downArrowImage;  // date edits only
};

struct WIDGET_RADIO_BUTTON
{
    SWidgetColor* color = nullptr;
    WIDGET_FONT* font = nullptr;
};

struct WIDGET_TABLE_VIEW
{
    SWidgetColor* color = nullptr;
    WIDGET_FONT* font = nullptr;
    WIDGET_BORDER* border = nullptr;
};

struct WIDGET_HEADER_VIEW
{
    WIDGET_SIZE* sectionSize = nullptr;
    SWidgetColor* sectionColor = nullptr;
    QString upArrowImage;
    QString downArrowImage;
};

struct WIDGET_TAB_ITEM
{
    WIDGET_SIZE* tabSize = nullptr;
    WIDGET_FONT* font = nullptr;
    SWidgetColor* color = nullptr;
    SWidgetColor* selectedColor = nullptr;
    WIDGET_BORDER_SIDES* sides = nullptr;
    WIDGET_BORDER_SIDES* selectedSides = nullptr;
};

struct WIDGET_TAB_WIDGET
{
    WIDGET_BORDER_SIDES* paneSides = nullptr;
    WIDGET_TAB_ITEM* tab = nullptr;
};

// Only the horizontal slider is styled. The radii serve the groove, both pages and the handle;
// the page size and line serve both pages.
struct WIDGET_SLIDER
{
    WIDGET_SIZE* size = nullptr;
    WIDGET_BORDER_RADIUS* radius = nullptr;
    WIDGET_SIZE* grooveSize = nullptr;
    WIDGET_BORDER_LINE* grooveLine = nullptr;
    WIDGET_MARGIN* grooveMargin = nullptr;
    WIDGET_SIZE* pageSize = nullptr;
    WIDGET_BORDER_LINE* pageLine = nullptr;
    SWidgetGradientColor* subPageGradient = nullptr;
    SWidgetColor* addPageColor = nullptr;
    WIDGET_SIZE* handleSize = nullptr;
    WIDGET_BORDER_LINE* handleLine = nullptr;
    SWidgetGradientColor* handleGradient = nullptr;
    WIDGET_MARGIN* handleMargin = nullptr;
};

// The title of a group box gets the box's own look.
struct WIDGET_GROUP_BOX
{
    SWidgetColor* color = nullptr;
    WIDGET_BORDER* border = nullptr;
    WIDGET_MARGIN* margin = nullptr;
};

// A group of checkable buttons.
struct WIDGET_GROUP_BTN
{
    SWidgetColor* color = nullptr;
    SWidgetColor* checkedColor = nullptr;
    SWidgetGradientColor* gradient = nullptr;  // normal state only
    WIDGET_BORDER* border = nullptr;
    WIDGET_BORDER* checkedBorder = nullptr;
    WIDGET_FONT* font = nullptr;
    WIDGET_FONT* checkedFont = nullptr;
    WG_ALIGNMENT_S textAlignment = WG_ALIGNMENT_CENTER;  // checked state only
};
