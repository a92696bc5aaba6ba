#pragma once

#include "widgets/WgPanel.h"

#include <QPoint>

// A panel that the user drags with the left button alone, once a derived dialog has switched
// dragging on. A release only ends the drag: a form emits no signalMouseRelease().
class WgForm : public WgPanel
{
    Q_OBJECT

public:
    WgForm(QWidget* parent, Qt::WindowFlags flags);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    bool m_dragEnable = false;

private:
    bool m_dragging = false;
    QPoint m_dragOffset;
};
