#include "widgets/WgBox.h"

#include "style/QtObjPalette.h"

WgBox::WgBox(QWidget* parent, int radius, double alpha, bool layout)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint)
    , WgBase(this, radius, layout)
{
    setBackgroundAlpha(float(alpha));
    if (alpha < 1.0) {
        const QColor shade(0, 0, 0, qBound(0, int(alpha * 255), 255));
        QtObjPalette::setWidgetBackground(this, shade, true);
    }
}

WgBox::~WgBox()
{
    disconnect();
}

void WgBox::showRaise()
{
    if (isVisible())
        return;
    show();
    raise();
}

void WgBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit signalMouseRelease();
    QWidget::mouseReleaseEvent(event);
}

void WgBox::focusOutEvent(QFocusEvent* event)
{
    emit signalFocusOut();
    QWidget::focusOutEvent(event);
}

void WgBox::resizeEvent(QResizeEvent* event)
{
    emit signalResize();
    QWidget::resizeEvent(event);
}
