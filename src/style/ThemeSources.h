#pragma once

#include "style/StyleRecords.h"

#include <QString>
#include <string>

class LibraryImage;
class QWidget;

// Where the application's styles take their colours, images and fonts from; internal to the
// style library. Nothing is cached: every call reads the tables and the font setting afresh.
namespace Theme {

// Entry 0 to 40 of the colour table, in the entry's current brightness mode.
uint32_t color(int entry);
const LibraryImage& images();
// A resource path of the image table as text.
QString path(const std::string& resourcePath);
// The background-image declarations of the picture, centred both ways.
QString centredImage(const QString& path);

// Weight codes: 4 writes 400, 7 writes 700, 9 writes 900.
WIDGET_FONT tahoma(int16_t size, uint32_t weight);
// Scaled size index of the font setting, in the setting's family.
WIDGET_FONT settingsFont(int scaledSize, uint32_t weight);

// A colour record with text and background only.
SWidgetColor textOn(uint32_t text, uint32_t background);
WIDGET_BORDER_RADIUS allCorners(int32_t radius);
// A top-to-bottom gradient of two stops, at 0.0 and 1.0.
SWidgetGradientColor topToBottom(uint32_t top, uint32_t bottom);

// Declaration runs: a background colour alone; a border line with round corners of one radius.
QString background(uint32_t color);
QString frame(const WIDGET_BORDER_LINE& line, int32_t radius);

// The rule block that selects the widget itself by "#" and its object name, in the given
// pseudo-state (may be null).
QString ownBlock(const QWidget& widget, const char* state, const QString& body);

// Applies the text colour and the font (none for null) bare, as a label style.
void setTextStyle(QWidget* widget, uint32_t text, const WIDGET_FONT* font);

} // namespace Theme
