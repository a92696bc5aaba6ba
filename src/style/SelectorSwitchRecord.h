#pragma once

#include "style/StyleRecords.h"

// The on/off switch's look: the frame (the switch itself), its disabled state, the caption's and
// the knob's font, and the knob's colours. The knob takes the border's corner radii too.
struct WIDGET_SELECTOR_SWITCH
{
    SWidgetColor* frame = nullptr;
    SWidgetColor* frameDisabled = nullptr;
    WIDGET_BORDER* border = nullptr;
    WIDGET_FONT* font = nullptr;
    SWidgetColor* knob = nullptr;
};
