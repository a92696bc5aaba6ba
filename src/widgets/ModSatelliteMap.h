#pragma once

#include "resources/CSatelliteMapColor.h"

#include <QGraphicsScene>
#include <array>
#include <string>

class QGraphicsEllipseItem;
class QGraphicsLineItem;
class QGraphicsPixmapItem;
class QGraphicsRectItem;
class QGraphicsTextItem;
class QGraphicsView;

// The sky view: a compass over the map image and up to 24 satellites placed by azimuth and
// elevation, each a small disc with its number, coloured by whether it is used in the fix.
// Every item is made once, at construction, and owned by the scene.
class ModSatelliteMap : public QGraphicsScene
{
    Q_OBJECT

public:
    static constexpr int SlotCount = 24;
    // The least side, margins included, that the sky view is laid out anew for.
    static constexpr int MinFitSize = 101;

    ModSatelliteMap(QWidget* parent, int margin, std::string imagePath);

    // Sizes the scene to a view of the given width (less the margin on each side), then redraws
    // the map and the compass.
    void initSizeInfo(int size);
    // Sizes the scene to the smaller side of the view's room, so that the whole sky shows in a
    // tile of any shape without scroll bars. Below MinFitSize nothing changes.
    void fitView(const QGraphicsView& view);
    void updateUiObjPalette();
    void drawSatelliteMapCompass();
    // Scene coordinates of a satellite's symbol, from whole degrees.
    void convertSatellitePositionToScreenXY(int azimuth, int elevation, int* x, int* y);
    // A slot outside 0 to 23 is ignored; an SNR below 1 hides the slot.
    void updateSatelliteSymbol(int slot, int prn, int elevation, int azimuth, int snr, bool inUse);
    void updateSatelliteSymbolDisp(bool inUse, int slot);
    void clearSatelliteIdItems();
    // Drawn items keep their colours until the next palette update or symbol update.
    void switchColorBrill(COLOR_BRILL_M mode);

private:
    enum COMPASS_LETTER { LETTER_N, LETTER_S, LETTER_E, LETTER_W, LETTER_COUNT };

    void initSatelliteSymbols();
    bool isSlot(const char* operation, int slot) const;
    // Width of the scene rectangle, cut to whole pixels.
    int sceneSize() const;

    QGraphicsPixmapItem* m_background;
    std::string m_fontFamily;
    int m_margin;
    std::string m_imagePath;
    CSatelliteMapColor m_colors;
    std::array<QGraphicsEllipseItem*, SlotCount> m_symbols;
    std::array<QGraphicsTextItem*, SlotCount> m_labels;
    QGraphicsEllipseItem* m_outerRing;
    QGraphicsEllipseItem* m_innerRing;
    QGraphicsLineItem* m_verticalLine;
    QGraphicsLineItem* m_horizontalLine;
    std::array<QGraphicsRectItem*, LETTER_COUNT> m_letterSquares;
    std::array<QGraphicsTextItem*, LETTER_COUNT> m_letters;
};
