#include "widgets/WgPanel.h"

#include <QGuiApplication>
#include <QScreen>

WgPanel::WgPanel(QWidget* parent, Qt::WindowFlags flags, double alpha, bool layout)
    : QDialog(parent, flags)
    , WgBase(this, 0, layout)
{
    setBackgroundAlpha(float(alpha));
}

void WgPanel::movePanel(int x, int y, int newHeight)
{
    // The lift uses the current height, and the screen's own top offset is not added.
    int top = y;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int screenHeight = screen->geometry().height();
        if (screenHeight < height() + y)
            top = screenHeight - height();
    }
    if (newHeight != 0) {
        setGeometry(x, top, width(), newHeight);
    } else {
        adjustSize();
        move(x, top);
    }
}

void WgPanel::mouseReleaseEvent(QMouseEvent* event)
{
    emit signalMouseRelease();
    QWidget::mouseReleaseEvent(event);
}

void WgPanel::focusInEvent(QFocusEvent* event)
{
    emit signalFocusIn();
    QWidget::focusInEvent(event);
}

void WgPanel::focusOutEvent(QFocusEvent* event)
{
    emit signalFocusOut();
    QWidget::focusOutEvent(event);
}

void WgPanel::paintEvent(QPaintEvent*)
{
    if (m_radius >= 1)
        paintBorder();
}

void WgPanel::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    emit signalClosed();
}
