#pragma once

#include <cstdint>
#include <string>

// Plain records from which every style sheet is composed. The caller owns them (as a rule on its
// stack for one call); composers only read them. A colour is 0xRRGGBB, a length is in pixels, and
// WG_COLOR_NOT_SET / WG_LENGTH_NOT_SET leave the declaration out. A null pointer to a component
// leaves that whole part out. The defaults below are all "not set".

constexpr uint32_t WG_COLOR_NOT_SET = 0xFFFFFFFF;
constexpr int32_t WG_LENGTH_NOT_SET = -1;

// Border and outline line styles; 0 and values past 10 have no word.
enum WG_BORDER_EDGE_S : int32_t {
    WG_BORDER_EDGE_NOT_SET = -1,
    WG_BORDER_EDGE_NONE = 0,
    WG_BORDER_EDGE_SOLID = 1,
    WG_BORDER_EDGE_DASHED = 2,
    WG_BORDER_EDGE_DOT_DASH = 3,
    WG_BORDER_EDGE_DOT_DOT_DASH = 4,
    WG_BORDER_EDGE_DOTTED = 5,
    WG_BORDER_EDGE_DOUBLE = 6,
    WG_BORDER_EDGE_GROOVE = 7,
    WG_BORDER_EDGE_INSET = 8,
    WG_BORDER_EDGE_OUTSET = 9,
    WG_BORDER_EDGE_RIDGE = 10,
};

enum WG_ALIGNMENT_S : int32_t {
    WG_ALIGNMENT_LEFT = 0,
    WG_ALIGNMENT_TOP = 1,
    WG_ALIGNMENT_RIGHT = 2,
    WG_ALIGNMENT_BOTTOM = 3,
    WG_ALIGNMENT_CENTER = 4,
};

enum WG_ALIGN_POSITION_S : int32_t {
    WG_ALIGN_POSITION_RELATIVE = 0,
    WG_ALIGN_POSITION_ABSOLUTE = 1,
};

enum WG_BOX_MODEL_SIDE : int32_t {
    WG_BOX_MODEL_MARGIN = 0,
    WG_BOX_MODEL_BORDER = 1,
    WG_BOX_MODEL_PADDING = 2,
    WG_BOX_MODEL_CONTENT = 3,
};

enum WG_LINE_DIRECTION_S : int32_t {
    WG_LINE_DIRECTION_HORIZONTAL = 0,
    WG_LINE_DIRECTION_VERTICAL = 1,
};

// How an applier wraps its declarations: bare, in a block for "#name", or in the descendant form
// of that block (every other value).
enum STYLE_SHEET_COVER : int32_t {
    STYLE_SHEET_COVER_BARE = -1,
    STYLE_SHEET_COVER_OBJECT = 0,
    STYLE_SHEET_COVER_DESCENDANT = 1,
};

struct SWidgetColor
{
    uint32_t text = WG_COLOR_NOT_SET;
    uint32_t background = WG_COLOR_NOT_SET;
    uint32_t selectionText = WG_COLOR_NOT_SET;
    uint32_t selectionBackground = WG_COLOR_NOT_SET;
    uint32_t alternateBackground = WG_COLOR_NOT_SET;
};

struct WIDGET_FONT
{
    int16_t size = 0;     // pixels; written only above 0
    uint32_t weight = 0;  // 1 to 9 stand for 100 to 900; 0 and values past 9 are not set
    std::string family;   // UTF-8; empty is not set
};

struct WIDGET_BORDER_LINE
{
    int32_t width = 0;                         // always written
    int32_t style = WG_BORDER_EDGE_NOT_SET;    // a WG_BORDER_EDGE_S
    uint32_t color = WG_COLOR_NOT_SET;
};

struct WIDGET_BORDER_RADIUS
{
    int32_t all = WG_LENGTH_NOT_SET;
    int32_t topLeft = WG_LENGTH_NOT_SET;
    int32_t topRight = WG_LENGTH_NOT_SET;
    int32_t bottomRight = WG_LENGTH_NOT_SET;
    int32_t bottomLeft = WG_LENGTH_NOT_SET;
};

struct WIDGET_BORDER
{
    WIDGET_BORDER_LINE* line = nullptr;
    WIDGET_BORDER_RADIUS* radius = nullptr;
};

// Borders on single sides; style and colour are shared by the four sides.
struct WIDGET_BORDER_SIDES
{
    int32_t left = WG_LENGTH_NOT_SET;
    int32_t top = WG_LENGTH_NOT_SET;
    int32_t right = WG_LENGTH_NOT_SET;
    int32_t bottom = WG_LENGTH_NOT_SET;
    int32_t style = WG_BORDER_EDGE_NOT_SET;
    uint32_t color = WG_COLOR_NOT_SET;
};

struct WIDGET_FOCUS
{
    WIDGET_BORDER_LINE* outline = nullptr;
};

// A linear gradient in the widget's 0 to 1 coordinates; stops have no "not set" colour.
struct SWidgetGradientColor
{
    static constexpr int MaxStops = 4;

    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    int32_t stopCount = 0;
    float stopPositions[MaxStops] = {};
    uint32_t stopColors[MaxStops] = {};
};

struct WIDGET_PADDING
{
    int32_t left = WG_LENGTH_NOT_SET;
    int32_t top = WG_LENGTH_NOT_SET;
    int32_t right = WG_LENGTH_NOT_SET;
    int32_t bottom = WG_LENGTH_NOT_SET;
};

struct WIDGET_MARGIN
{
    int32_t left = WG_LENGTH_NOT_SET;
    int32_t top = WG_LENGTH_NOT_SET;
    int32_t right = WG_LENGTH_NOT_SET;
    int32_t bottom = WG_LENGTH_NOT_SET;
};

struct WIDGET_OFFSET
{
    int32_t left = WG_LENGTH_NOT_SET;
    int32_t top = WG_LENGTH_NOT_SET;
    int32_t right = WG_LENGTH_NOT_SET;
    int32_t bottom = WG_LENGTH_NOT_SET;
};

struct WIDGET_SIZE
{
    int32_t width = WG_LENGTH_NOT_SET;
    int32_t height = WG_LENGTH_NOT_SET;
};

struct WIDGET_STYLE
{
    SWidgetColor* color = nullptr;
    WIDGET_FONT* font = nullptr;
    WIDGET_BORDER* border = nullptr;
};

struct WIDGET_LABEL
{
    SWidgetColor* color = nullptr;
    WIDGET_FONT* font = nullptr;
};
