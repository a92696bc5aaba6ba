#include "LogCapture.h"
#include "resources/LibraryImage.h"
#include "resources/ResourceCollections.h"
#include "support/Singleton.h"
#include "widgets/ModSatelliteMap.h"

#include <QBrush>
#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QtTest>

namespace {

constexpr int Margin = 10;

std::string skyMapPath()
{
    return Pattern::Singleton<LibraryImage>::Instance()->getSatelliteIconPath(0);
}

// Scene items of one kind; top level ones are the symbols and labels, children make the compass.
template <class Item>
QList<Item*> itemsOf(ModSatelliteMap& map, bool topLevel, bool visibleOnly = false)
{
    QList<Item*> found;
    for (QGraphicsItem* item : map.items(Qt::AscendingOrder)) {
        auto* typed = qgraphicsitem_cast<Item*>(item);
        if (typed && (item->parentItem() == nullptr) == topLevel && (!visibleOnly || item->isVisible()))
            found << typed;
    }
    return found;
}

QList<QGraphicsEllipseItem*> shownSymbols(ModSatelliteMap& map)
{
    return itemsOf<QGraphicsEllipseItem>(map, true, true);
}

QGraphicsPixmapItem* backgroundOf(ModSatelliteMap& map)
{
    const QList<QGraphicsPixmapItem*> backgrounds = itemsOf<QGraphicsPixmapItem>(map, true);
    return backgrounds.size() == 1 ? backgrounds.first() : nullptr;
}

} // namespace

class TstSatelliteMap : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LogCapture::start();
        Resources::registerCollections();
    }

    // Size 320, margin 10: the scene is 300 wide and its centre is at 150.
    void position_data()
    {
        QTest::addColumn<int>("azimuth");
        QTest::addColumn<int>("elevation");
        QTest::addColumn<QPoint>("expected");

        QTest::newRow("north on the horizon") << 0 << 0 << QPoint(149, 0);
        QTest::newRow("east on the horizon") << 90 << 0 << QPoint(299, 149);
        QTest::newRow("south on the horizon") << 180 << 0 << QPoint(150, 299);
        QTest::newRow("west on the horizon") << 270 << 0 << QPoint(0, 150);
        QTest::newRow("zenith") << 0 << 90 << QPoint(150, 150);
        QTest::newRow("zenith, any azimuth") << 237 << 90 << QPoint(150, 150);
        QTest::newRow("north-east, half way up") << 45 << 45 << QPoint(203, 96);
        QTest::newRow("azimuth 360 is north") << 360 << 0 << QPoint(149, 0);
        QTest::newRow("azimuth past 450") << 451 << 30 << QPoint(249, 151);
        QTest::newRow("below the horizon") << 0 << -10 << QPoint(149, -16);
    }

    void position()
    {
        QFETCH(int, azimuth);
        QFETCH(int, elevation);
        QFETCH(QPoint, expected);
        ModSatelliteMap map(nullptr, Margin, std::string());
        map.initSizeInfo(320);

        int x = -1;
        int y = -1;
        map.convertSatellitePositionToScreenXY(azimuth, elevation, &x, &y);
        QCOMPARE(QPoint(x, y), expected);

        map.updateSatelliteSymbol(3, 17, elevation, azimuth, 40, true);
        const QList<QGraphicsEllipseItem*> symbols = shownSymbols(map);
        QCOMPARE(symbols.size(), 1);
        QCOMPARE(symbols.first()->pos(), QPointF(expected));
        QCOMPARE(symbols.first()->rect(), QRectF(0, 0, 16, 16));
    }

    void slotsAndSignal()
    {
        ModSatelliteMap map(nullptr, Margin, std::string());
        map.initSizeInfo(320);
        LogCapture::take();
        QVERIFY(shownSymbols(map).isEmpty());

        map.updateSatelliteSymbol(24, 5, 45, 45, 40, true);
        map.updateSatelliteSymbol(-1, 5, 45, 45, 40, true);
        map.updateSatelliteSymbolDisp(true, 24);
        QVERIFY(shownSymbols(map).isEmpty());
        const QStringList logged = LogCapture::take();
        QCOMPARE(logged.size(), 3);
        QVERIFY2(logged.first().contains("Satellite slot 24 is outside 0 to 23"), qPrintable(logged.first()));

        map.updateSatelliteSymbol(0, 5, 45, 45, 1, false);
        QCOMPARE(shownSymbols(map).size(), 1);
        QCOMPARE(shownSymbols(map).first()->brush().color(), QColor(0x00ffff));  // in view
        map.updateSatelliteSymbol(23, 6, 10, 200, 35, true);
        QCOMPARE(shownSymbols(map).size(), 2);
        QCOMPARE(shownSymbols(map).last()->brush().color(), QColor(0x00ff00));  // in use

        const QList<QGraphicsTextItem*> labels = itemsOf<QGraphicsTextItem>(map, true, true);
        QCOMPARE(labels.size(), 2);
        QCOMPARE(labels.first()->toPlainText(), "5");

        map.updateSatelliteSymbol(0, 5, 45, 45, 0, false);
        QCOMPARE(shownSymbols(map).size(), 1);
        map.clearSatelliteIdItems();
        QVERIFY(shownSymbols(map).isEmpty());
        QVERIFY(itemsOf<QGraphicsTextItem>(map, true, true).isEmpty());
    }

    void size_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("withMap");

        QTest::newRow("320 with the map") << 320 << true;
        QTest::newRow("220 with the map") << 220 << true;
        QTest::newRow("320 without an image") << 320 << false;
    }

    void size()
    {
        QFETCH(int, size);
        QFETCH(bool, withMap);
        ModSatelliteMap map(nullptr, Margin, withMap ? skyMapPath() : std::string());
        map.initSizeInfo(size);
        const int side = size - 2 * Margin;
        const int middle = side / 2;
        QCOMPARE(map.sceneRect(), QRectF(Margin, Margin, side, side));

        QGraphicsPixmapItem* background = backgroundOf(map);
        QVERIFY(background);
        QCOMPARE(background->pos(), QPointF(Margin, Margin));
        if (withMap) {
            const QSize mapSize = background->pixmap().size();
            QVERIFY2(mapSize.width() <= side && mapSize.height() <= side, qPrintable(QString::number(mapSize.width())));
            QCOMPARE(qMax(mapSize.width(), mapSize.height()), side);
        } else {
            QVERIFY(background->pixmap().isNull());
        }

        // The compass, in the background's coordinates, is drawn either way.
        QList<QRectF> rings;
        for (QGraphicsEllipseItem* ring : itemsOf<QGraphicsEllipseItem>(map, false))
            rings << ring->rect();
        QCOMPARE(rings.size(), 2);
        QVERIFY(rings.contains(QRectF(middle - 60, middle - 60, 120, 120)));
        QVERIFY(rings.contains(QRectF(middle - 25, middle - 25, 50, 50)));

        QList<QRectF> squares;
        for (QGraphicsRectItem* square : itemsOf<QGraphicsRectItem>(map, false)) {
            squares << square->rect();
            QCOMPARE(square->brush().color(), QColor(0xa9a9a9));
        }
        const double along = side / 2.0 - 8;
        QCOMPARE(squares.size(), 4);
        for (const QPointF& corner : {QPointF(along, 0), QPointF(along, side - 15), QPointF(side - 15, along),
                                      QPointF(0, along)})
            QVERIFY(squares.contains(QRectF(corner, QSizeF(15, 15))));

        QStringList letters;
        for (QGraphicsTextItem* letter : itemsOf<QGraphicsTextItem>(map, false))
            letters << letter->toPlainText();
        letters.sort();
        QCOMPARE(letters, (QStringList{"E", "N", "S", "W"}));
    }
};

QTEST_MAIN(TstSatelliteMap)
#include "tst_satellitemap.moc"
