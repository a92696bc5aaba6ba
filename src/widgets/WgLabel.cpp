#include "widgets/WgLabel.h"

WgLabel::WgLabel(QWidget* parent)
    : QLabel(parent)
{
}

void WgLabel::mousePressEvent(QMouseEvent*)
{
    emit signalClicked();
}

void WgLabel::mouseDoubleClickEvent(QMouseEvent*)
{
    emit signalDoubleClicked();
}
