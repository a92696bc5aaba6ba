#include "widgets/AffixLabels.h"

#include "style/QtObjPalette.h"

#include <QLabel>
#include <QLineEdit>
#include <QtGlobal>

namespace AffixLabels {

QString defaultStyleSheet()
{
    constexpr uint32_t NotSet = WG_COLOR_NOT_SET;
    SWidgetColor color{0x333333, NotSet, NotSet, NotSet, NotSet};
    WIDGET_FONT font{WG_LENGTH_NOT_SET, 7, std::string()};
    WIDGET_AFFIXES_LABEL style{&color, &font};
    return QtObjPalette::getAffixesLabelStyleSheet(style);
}

void setSizePolicyAndParent(QWidget* widget, QWidget* parent, QSizePolicy::Policy horizontal,
                            QSizePolicy::Policy vertical, int horizontalStretch, int verticalStretch)
{
    widget->setParent(parent);
    QSizePolicy policy(horizontal, vertical);
    policy.setHorizontalStretch(qBound(0, horizontalStretch, 255));
    policy.setVerticalStretch(qBound(0, verticalStretch, 255));
    widget->setSizePolicy(policy);
}

namespace {

// Gives the label its text and natural size; returns its top, centred in the host.
int fitLabel(QLabel* label, const QString& text, QSize host)
{
    label->setText(text);
    label->adjustSize();
    return (host.height() - 1) / 2 - label->height() / 2;
}

} // namespace

void showPrefix(QLabel* label, QLineEdit* edit, const QString& text, int left, QSize host)
{
    label->move(left, fitLabel(label, text, host));
    QMargins margins = edit->textMargins();
    margins.setLeft(label->width());
    edit->setTextMargins(margins);
}

void showPostfix(QLabel* label, const QString& text, int rightGap, QSize host)
{
    const int top = fitLabel(label, text, host);
    label->move(host.width() - label->width() - rightGap, top);
}

} // namespace AffixLabels
