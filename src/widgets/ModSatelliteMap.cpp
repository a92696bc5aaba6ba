#include "widgets/ModSatelliteMap.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QBrush>
#include <QFont>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QPen>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

constexpr int SymbolSize = 16;
constexpr int LetterSquare = 15;
constexpr int OuterRingRadius = 60;
constexpr int InnerRingRadius = 25;
constexpr double DegreeToRadian = 0.0174533;

// Offset that centres an item of the given extent in a box.
int centring(int box, qreal extent)
{
    return qRound((box - extent) / 2);
}

} // namespace

ModSatelliteMap::ModSatelliteMap(QWidget* parent, int margin, std::string imagePath)
    : QGraphicsScene(parent)
    , m_background(new QGraphicsPixmapItem)
    , m_fontFamily("Tahoma")
    , m_margin(margin)
    , m_imagePath(std::move(imagePath))
    , m_outerRing(new QGraphicsEllipseItem)
    , m_innerRing(new QGraphicsEllipseItem)
    , m_verticalLine(new QGraphicsLineItem)
    , m_horizontalLine(new QGraphicsLineItem)
{
    m_colors.updateColor();
    for (int slot = 0; slot < SlotCount; ++slot) {
        m_symbols[slot] = new QGraphicsEllipseItem;
        m_labels[slot] = new QGraphicsTextItem;
    }
    for (int letter = 0; letter < LETTER_COUNT; ++letter) {
        m_letterSquares[letter] = new QGraphicsRectItem;
        m_letters[letter] = new QGraphicsTextItem;
    }
    addItem(m_background);
    clearSatelliteIdItems();
    initSatelliteSymbols();
}

void ModSatelliteMap::initSatelliteSymbols()
{
    m_outerRing->setParentItem(m_background);
    m_innerRing->setParentItem(m_background);
    m_verticalLine->setParentItem(m_background);
    m_horizontalLine->setParentItem(m_background);
    // Each letter after its square, so that it lies above it.
    for (int letter = 0; letter < LETTER_COUNT; ++letter) {
        m_letterSquares[letter]->setParentItem(m_background);
        m_letters[letter]->setParentItem(m_background);
    }
    for (int slot = 0; slot < SlotCount; ++slot) {
        m_symbols[slot]->setStartAngle(0);
        m_symbols[slot]->setSpanAngle(360 * 16);
        m_symbols[slot]->setRect(0, 0, SymbolSize, SymbolSize);
        addItem(m_symbols[slot]);
        m_labels[slot]->setFont(QFont(QString::fromStdString(m_fontFamily), 9));
        addItem(m_labels[slot]);
    }
}

void ModSatelliteMap::initSizeInfo(int size)
{
    setSceneRect(m_margin, m_margin, size - 2 * m_margin, size - 2 * m_margin);
    m_background->setPos(m_margin, m_margin);
    updateUiObjPalette();
}

void ModSatelliteMap::fitView(const QGraphicsView& view)
{
    // The room inside the frame when no scroll bar takes any of it.
    const QSize room = view.maximumViewportSize();
    const int side = std::min(room.width(), room.height());
    if (side >= MinFitSize)
        initSizeInfo(side);
}

int ModSatelliteMap::sceneSize() const
{
    return int(sceneRect().width());
}

void ModSatelliteMap::updateUiObjPalette()
{
    // A map that cannot be loaded is no error: the background stays as it was.
    QPixmap map;
    if (!m_imagePath.empty() && map.load(QString::fromStdString(m_imagePath))) {
        const int size = sceneSize();
        m_background->setPixmap(map.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    drawSatelliteMapCompass();
    for (int slot = 0; slot < SlotCount; ++slot) {
        m_symbols[slot]->setPen(QPen(m_colors.symbolOutlineColor()));
        m_labels[slot]->setDefaultTextColor(m_colors.numberTextColor());
    }
    for (QGraphicsRectItem* square : m_letterSquares)
        square->setBrush(QBrush(m_colors.compassSquareColor(), Qt::SolidPattern));
}

void ModSatelliteMap::drawSatelliteMapCompass()
{
    static const char* const Letters[LETTER_COUNT] = {"N", "S", "E", "W"};
    const QFont letterFont(QString::fromStdString(m_fontFamily), 8);
    const int size = sceneSize();
    const double half = size / 2.0;
    const int middle = int(half);

    m_outerRing->setRect(middle - OuterRingRadius, middle - OuterRingRadius, 2 * OuterRingRadius, 2 * OuterRingRadius);
    m_innerRing->setRect(middle - InnerRingRadius, middle - InnerRingRadius, 2 * InnerRingRadius, 2 * InnerRingRadius);
    m_verticalLine->setLine(half, 0, half, size);
    m_horizontalLine->setLine(0, half, size, half);

    const double along = half - 8;
    const int far = size - LetterSquare;
    // E is placed by the integer halving, the other letters by the exact one.
    const int eastTop = size / 2 - 8;
    const QPointF squares[LETTER_COUNT] = {{along, 0}, {along, double(far)}, {double(far), along}, {0, along}};
    const QPointF letterCorners[LETTER_COUNT] = {squares[LETTER_N], squares[LETTER_S], {double(far), double(eastTop)},
                                                 squares[LETTER_W]};
    for (int letter = 0; letter < LETTER_COUNT; ++letter) {
        QGraphicsTextItem* text = m_letters[letter];
        text->setFont(letterFont);
        text->setPlainText(QLatin1String(Letters[letter]));
        const QRectF bounds = text->boundingRect();
        text->setPos(letterCorners[letter]
                     + QPointF(centring(LetterSquare, bounds.width()), centring(LetterSquare, bounds.height())));
        m_letterSquares[letter]->setRect(QRectF(squares[letter], QSizeF(LetterSquare, LetterSquare)));
        m_letterSquares[letter]->setBrush(QBrush(m_colors.compassSquareColor(), Qt::SolidPattern));
    }
}

void ModSatelliteMap::convertSatellitePositionToScreenXY(int azimuth, int elevation, int* x, int* y)
{
    // The number types are part of the result: the table of positions depends on them.
    const int centre = sceneSize() / 2;
    const float radius = float(centre) + float(float(elevation) / -90.0 * centre);
    float angle = 450.0f - float(azimuth);
    if (360 - azimuth < -90)
        angle += 360;
    if (angle > 360)
        angle -= 360;
    const float radian = float(angle * DegreeToRadian);
    // The sine and cosine in double: in float, east and south would land one pixel further out.
    const double radianWide = radian;
    *x = int(std::cos(radianWide) * radius + centre);
    *y = int(centre - std::sin(radianWide) * radius);
}

bool ModSatelliteMap::isSlot(const char* operation, int slot) const
{
    if (slot >= 0 && slot < SlotCount)
        return true;
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, operation, 0, "Satellite slot %d is outside 0 to %d",
                                                        slot, SlotCount - 1);
    return false;
}

void ModSatelliteMap::updateSatelliteSymbol(int slot, int prn, int elevation, int azimuth, int snr, bool inUse)
{
    if (!isSlot("ModSatelliteMap::updateSatelliteSymbol", slot))
        return;
    QGraphicsEllipseItem* symbol = m_symbols[slot];
    QGraphicsTextItem* label = m_labels[slot];
    if (snr < 1) {
        symbol->hide();
        label->hide();
        return;
    }
    symbol->show();
    label->show();
    int x = 0;
    int y = 0;
    convertSatellitePositionToScreenXY(azimuth, elevation, &x, &y);
    symbol->setPos(x, y);
    updateSatelliteSymbolDisp(inUse, slot);
    label->setPlainText(QString::number(prn, 10));
    const QRectF bounds = label->boundingRect();
    label->setPos(x + centring(SymbolSize, bounds.width()), y + centring(SymbolSize, bounds.height()));
}

void ModSatelliteMap::updateSatelliteSymbolDisp(bool inUse, int slot)
{
    if (!isSlot("ModSatelliteMap::updateSatelliteSymbolDisp", slot))
        return;
    m_symbols[slot]->setBrush(QBrush(inUse ? m_colors.inUseColor() : m_colors.inViewColor(), Qt::SolidPattern));
}

void ModSatelliteMap::clearSatelliteIdItems()
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        m_symbols[slot]->hide();
        m_labels[slot]->hide();
    }
}

void ModSatelliteMap::switchColorBrill(COLOR_BRILL_M mode)
{
    m_colors.switchColorBrill(mode);
}
