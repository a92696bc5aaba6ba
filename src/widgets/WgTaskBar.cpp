#include "widgets/WgTaskBar.h"

#include "style/QtObjPalette.h"

#include <QMouseEvent>

WgTaskBar::WgTaskBar(QWidget* parent)
    : QProgressBar(parent)
{
    setValue(0);
    setCursor(Qt::PointingHandCursor);
    setStyleSheetDefault();
}

void WgTaskBar::setSpaceValue(short edgeStep, short innerStep, short edgeWidth)
{
    m_edgeStep = edgeStep;
    m_innerStep = innerStep;
    m_edgeWidth = edgeWidth;
}

void WgTaskBar::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const int x = event->pos().x();
    const int w = width();
    if (x <= w / 2) {
        const int step = x <= m_edgeWidth ? m_edgeStep : m_innerStep;
        setValue(qBound(minimum(), value() - step, maximum()));
        emit subClicked();
    } else {
        const int step = x < w - m_edgeWidth ? m_innerStep : m_edgeStep;
        setValue(qBound(minimum(), value() + step, maximum()));
        emit addClicked();
    }
}

void WgTaskBar::setStyleSheetDefault()
{
    constexpr uint32_t NotSet = WG_COLOR_NOT_SET;
    SWidgetColor color{0xFFFFFF, 0x483D8B, NotSet, NotSet, NotSet};
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, 0xA9A9A9};
    WIDGET_BORDER_RADIUS radius{5, WG_LENGTH_NOT_SET, WG_LENGTH_NOT_SET, WG_LENGTH_NOT_SET, WG_LENGTH_NOT_SET};
    WIDGET_BORDER border{&line, &radius};
    SWidgetGradientColor chunk{0, 0, 0, 1, 2, {0.0f, 0.5f}, {0x4169E1, 0x191970}};
    WIDGET_TASK_BAR style{&color, &border, WG_ALIGNMENT_CENTER, &chunk};
    setStyleSheet(QtObjPalette::getTaskBarStyleSheet(style));
}
