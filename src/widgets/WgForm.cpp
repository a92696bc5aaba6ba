#include "widgets/WgForm.h"

#include <QMouseEvent>

WgForm::WgForm(QWidget* parent, Qt::WindowFlags flags)
    : WgPanel(parent, flags, 1.0, false)
{
}

void WgForm::mousePressEvent(QMouseEvent* event)
{
    if (m_dragEnable && event->buttons() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
        event->accept();
    }
    QWidget::mousePressEvent(event);
}

void WgForm::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void WgForm::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && event->buttons() != Qt::NoButton) {
        move(event->globalPos() - m_dragOffset);
        event->accept();
    }
    QWidget::mouseMoveEvent(event);
}
