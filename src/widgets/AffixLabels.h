#pragma once

#include <QSize>
#include <QSizePolicy>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// What the two edits with a prefix and a postfix label share.
namespace AffixLabels {

// Dark bold affix texts: a "QLabel" block for the edit's sheet.
QString defaultStyleSheet();

// Sets the parent, then the two policies with stretch factors clamped to 0..255.
void setSizePolicyAndParent(QWidget* widget, QWidget* parent, QSizePolicy::Policy horizontal,
                            QSizePolicy::Policy vertical, int horizontalStretch, int verticalStretch);

// The label takes the text and its natural size, centred in the host's height. The prefix
// stands at the left x and moves the edit's text past itself; the postfix ends rightGap pixels
// before the host's right edge.
void showPrefix(QLabel* label, QLineEdit* edit, const QString& text, int left, QSize host);
void showPostfix(QLabel* label, const QString& text, int rightGap, QSize host);

} // namespace AffixLabels
