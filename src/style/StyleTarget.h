#pragma once

class QString;
class QWidget;

// Checks of the widget a style operation is given; internal to the style library. Each logs a
// warning under the operation's name and gives false when the widget cannot take the sheet.
namespace StyleTarget {

bool present(const QWidget* widget, const char* operation);
// A "#name" block for a nameless widget would begin with " {": Qt drops such a sheet whole, so
// the widget keeps the sheet it has.
bool named(const QWidget* widget, const char* operation);
// Replaces the sheet of a present widget.
void install(QWidget* widget, const QString& sheet, const char* operation);

} // namespace StyleTarget
