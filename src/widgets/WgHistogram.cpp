#include "widgets/WgHistogram.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

// Layout of the chart in pixels from the device's edges.
constexpr int AxisX = 40;
constexpr int BaselineGap = 32;  // the x axis stands this far above the bottom
constexpr int ScaleTop = 16;
constexpr int ScaleRoomGap = 48; // height minus this is the scale's full height
constexpr int BarAreaGap = 50;
constexpr int BarAreaLeft = 45;
constexpr int MaxBarWidth = 64;
constexpr int TextBox = 16;
constexpr int MinValueWithText = 10;

int baseline(const QPaintDevice* device)
{
    return device->height() - BaselineGap;
}

// Halving that rounds down, also for negative numbers (a device narrower than the bar area).
int halfRoundedDown(int value)
{
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

// Column where the text boxes of a bar start, one pixel to the right of it.
int textColumn(const QRect& bar)
{
    return qRound((bar.left() + bar.right() - TextBox) / 2.0);
}

QString numberText(double number)
{
    return QString("%1").arg(number, 0, 'g', -1);
}

// Cut toward zero; the bar stays between the axis and the device's top whatever the value,
// so the conversion never leaves int's range.
int barHeight(double value, double scale, int room)
{
    const double height = value * scale;
    if (!(height > 0))
        return 0;
    return height >= room ? room : int(height);
}

} // namespace

WgHistogram::WgHistogram(QWidget* parent)
    : QWidget(parent)
{
    m_colors.updateColor();
}

void WgHistogram::clear()
{
    m_items.clear();
}

void WgHistogram::addItem(QString label, double value, QColor color, int index)
{
    const SHistogramItem item{label, value, color, QRect()};
    if (index < m_items.size())
        m_items.insert(qMax(index, 0), item);
    else
        m_items.append(item);
}

void WgHistogram::setMaxValue(unsigned int value)
{
    m_maxValue = value;
}

void WgHistogram::switchColorBrill(COLOR_BRILL_M mode)
{
    m_colors.switchColorBrill(mode);
}

void WgHistogram::paintEvent(QPaintEvent*)
{
    paint(this);
}

void WgHistogram::paint(QPaintDevice* device)
{
    QPainter painter(device);
    drawPillars(device, painter);
    drawText(device, painter);
    drawAxis(device, painter);
    drawXScale(device, painter);
    drawYScale(device, painter);
    painter.end();
}

void WgHistogram::drawPillars(QPaintDevice* device, QPainter& painter)
{
    const int count = m_items.size();
    if (count == 0)
        return;
    const int area = device->width() - BarAreaGap;
    const int places = 2 * count - 1;
    const int fitted = area / places;
    const int barWidth = fitted >= 0 && fitted < MaxBarWidth ? fitted : MaxBarWidth;
    // Without a maximum the bars keep their places for the numbers under them but stay undrawn.
    const bool drawn = m_maxValue > 0;
    const double scale = drawn ? (device->height() - ScaleRoomGap) / m_maxValue : 0;
    const int bottom = baseline(device);

    int left = halfRoundedDown(area - places * barWidth) + BarAreaLeft;
    for (SHistogramItem& item : m_items) {
        const int height = barHeight(item.value, scale, bottom);
        item.barRect = QRect(left, bottom - height, barWidth, height);
        if (drawn) {
            painter.setPen(QPen(item.color));
            painter.setBrush(QBrush(item.color, Qt::SolidPattern));
            painter.drawRects(&item.barRect, 1);
        }
        left += 2 * barWidth;
    }
}

void WgHistogram::drawText(QPaintDevice* device, QPainter& painter)
{
    if (!(m_maxValue > 0))
        return;
    painter.setPen(m_colors.valueTextColor());
    const int lowest = device->height() - ScaleRoomGap;
    for (const SHistogramItem& item : m_items) {
        if (item.value < MinValueWithText)
            continue;
        const int top = qMin(item.barRect.top(), lowest);
        painter.drawText(QRect(textColumn(item.barRect) + 1, top, TextBox, TextBox), Qt::AlignCenter,
                         numberText(item.value));
    }
}

void WgHistogram::drawAxis(QPaintDevice* device, QPainter& painter)
{
    painter.setPen(m_colors.axisColor());
    painter.drawLine(AxisX, 0, AxisX, baseline(device));
    painter.drawLine(AxisX, baseline(device), device->width(), baseline(device));
}

void WgHistogram::drawXScale(QPaintDevice* device, QPainter& painter)
{
    painter.setPen(m_colors.axisColor());
    for (const SHistogramItem& item : m_items) {
        painter.drawText(QRect(textColumn(item.barRect) + 1, baseline(device), TextBox, TextBox), Qt::AlignCenter,
                         item.label);
    }
    painter.drawText(QPointF(device->width() / 2, device->height() - 2), QStringLiteral("Satellite ID"));
}

void WgHistogram::drawYScale(QPaintDevice* device, QPainter& painter)
{
    painter.setPen(m_colors.axisColor());
    const float step = (device->height() - ScaleRoomGap) / 5.0f;
    for (int i = 0; i < 5; ++i) {
        const float y = i * step;
        const int tick = int(y + ScaleTop);
        painter.drawLine(AxisX - 2, tick, AxisX + 2, tick);
        painter.drawText(QRect(20, int(y + 8), 40, 16), Qt::AlignLeft | Qt::AlignVCenter,
                         numberText((5 - i) * m_maxValue / 5));
    }
    painter.drawText(QRect(20, device->height() - 40, 40, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0"));

    painter.translate(10, device->height() / 2);
    painter.rotate(270);
    painter.drawText(QPointF(0, 0), QStringLiteral("SNR"));
    painter.resetTransform();
}
