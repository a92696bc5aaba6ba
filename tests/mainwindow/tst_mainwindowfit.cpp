#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"
#include "widgets/ModSatelliteMap.h"
#include "widgets/WgHistogram.h"

#include "StandInPortLister.h"
#include "StartUpFont.h"
#include "WindowDeviceFeed.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QTextDocument>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>
#include <iterator>
#include <memory>

namespace {

constexpr int OtherVesselsPage = 4;
// A valid MMSI has nine digits.
const QString NineDigits = QStringLiteral("227006123");

// Where the widget's own text needs more room than it has, its name and both widths.
QString cutText(const QLabel* label)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
    return needed > room ? QStringLiteral("%1: %2 > %3").arg(label->objectName()).arg(needed).arg(room) : QString();
}

// Where the widget runs into the left, right or bottom edge of its framed group, its name.
QString atTheEdge(const QWidget* widget, const QWidget* group)
{
    const QRect inGroup(widget->mapTo(group, QPoint()), widget->size());
    const bool clear = inGroup.left() >= 3 && inGroup.right() < group->width() - 3
                       && inGroup.bottom() < group->height() - 3;
    return clear ? QString() : widget->objectName() + QStringLiteral(" at the edge");
}

} // namespace

// The window at its fixed size as the program shows it, with the program's fonts and look: the
// pages' widgets get room for what they show.
class TestMainWindowFit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AisConfiguration> m_window;
    std::unique_ptr<CWindowDeviceFeed> m_feed;
    Ui::AisConfiguration* m_ui = nullptr;

    void showPage(int page)
    {
        m_window->updateCurPageDisp(page);
        QApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        useStartUpFont();
        m_window = std::make_unique<AisConfiguration>(nullptr, std::make_shared<CStandInPortLister>());
        m_window->refreshTimer()->stop();
        m_window->secondsSource().set(1000);
        m_ui = m_window->form();
        m_feed = std::make_unique<CWindowDeviceFeed>(m_window->commSpaces()->getDeviceComm());
        m_window->commSpaces()->getDeviceComm().getSentenceHandle().setDevDetectState(DEV_STATE_CONFIG_SHOWN);
        // Real position reports (libais's examples): rows with nine-digit MMSIs in both tables.
        QFile examples(QStringLiteral(AIS_REFDATA_DIR "/ais-libais/typeexamples.nmea"));
        QVERIFY(examples.open(QIODevice::ReadOnly));
        for (const QByteArray& line : examples.readAll().split('\n')) {
            const int sum = line.indexOf('*');
            if (line.startsWith("!AIVDM,1,1,") && sum > 0)
                m_feed->receive(line.left(sum + 3) + "\r\n");
        }
        m_window->onTimerRefresh();
        m_window->enableConfigDisp();
        // The fullest Home page: a device with the Wi-Fi module shows its tile too.
        m_ui->wgHomeWiFi->show();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->size(), QSize(1000, 720));
    }

    void cleanup() { m_window->view()->updateAisAdvConfigDisp(false, MACHINE_Q_375); }

    void cleanupTestCase()
    {
        m_feed.reset();
        m_window.reset();
    }

    // The signal chart shares the GPS Status page with the sky view instead of being squeezed out.
    void snrChartHasRoom()
    {
        showPage(2);
        const WgHistogram& chart = m_window->view()->snrHistogram();
        QVERIFY(chart.isVisible());
        // The chart's axis stands 32 pixels above its bottom and its scale needs 48 more.
        QVERIFY2(chart.height() >= 150, qPrintable(QString::number(chart.height())));
        QVERIFY(chart.width() >= 400);
        // The sky view keeps its fixed size beside it.
        QCOMPARE(m_ui->gpvwSatelliteMap->size(), QSize(280, 280));
        const QRect map(m_ui->gpvwSatelliteMap->mapTo(m_window.get(), QPoint()), m_ui->gpvwSatelliteMap->size());
        QVERIFY(!map.intersects(QRect(chart.mapTo(m_window.get(), QPoint()), chart.size())));
    }

    void vesselTablesFitTheirTexts_data()
    {
        QTest::addColumn<bool>("home");
        QTest::newRow("Home") << true;
        QTest::newRow("Other Vessels") << false;
    }

    // A nine-digit MMSI shows whole, and so does every column title.
    void vesselTablesFitTheirTexts()
    {
        QFETCH(bool, home);
        showPage(home ? 0 : OtherVesselsPage);
        QTableView* table = home ? m_ui->tbvwHomeOtherVessels : m_ui->tbvwOtherVessels;
        QVERIFY(table->isVisible());
        QVERIFY(table->model()->rowCount() >= 3);

        // What the delegate asks for the column's nine-digit cells, padding included; the examples
        // also hold a few invalid ten-digit numbers, left out here.
        QList<int> longer;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            if (table->model()->index(row, 0).data().toString().size() > NineDigits.size())
                longer << row;
        }
        for (int row : longer)
            table->setRowHidden(row, true);
        const int needed = static_cast<const QAbstractItemView*>(table)->sizeHintForColumn(0);
        for (int row : longer)
            table->setRowHidden(row, false);
        QVERIFY2(needed <= table->columnWidth(0),
                 qPrintable(QStringLiteral("%1 > %2").arg(needed).arg(table->columnWidth(0))));
        QVERIFY(table->fontMetrics().horizontalAdvance(NineDigits) < table->columnWidth(0));

        const QHeaderView* header = table->horizontalHeader();
        QStringList cut;
        for (int column = 0; column < header->count(); ++column) {
            const QString title = table->model()->headerData(column, Qt::Horizontal).toString();
            const int titleWidth = header->fontMetrics().horizontalAdvance(title);
            if (!header->isSectionHidden(column) && titleWidth >= header->sectionSize(column))
                cut << QStringLiteral("%1: %2 >= %3").arg(title).arg(titleWidth).arg(header->sectionSize(column));
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    void valuesShowWhole_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("groups");
        QTest::newRow("Home") << 0 << QStringList{"wgHomeConfiguration", "wgHomeDiagnostics", "wgHomeWiFi"};
        QTest::newRow("Configuration") << 1 << QStringList{"wgConfiguration"};
        QTest::newRow("Diagnostics") << 3 << QStringList{"wgDiagDevice", "wgDiagDiagnosisCheck"};
    }

    // Texts and their placeholders show whole, and keep clear of their groups' framed edges.
    void valuesShowWhole()
    {
        QFETCH(int, page);
        QFETCH(QStringList, groups);
        // The status lamps show for the first model.
        m_ui->wgDiagStatus->show();
        showPage(page);
        QStringList cut;
        for (const QString& name : groups) {
            auto* group = m_window->findChild<QWidget*>(name);
            QVERIFY2(group && group->isVisible(), qPrintable(name));
            for (QLabel* label : group->findChildren<QLabel*>()) {
                if (!label->isVisible() || !label->pixmap(Qt::ReturnByValue).isNull())
                    continue;
                const QString fault = cutText(label);
                if (!fault.isEmpty())
                    cut << fault;
                const QString edge = atTheEdge(label, group);
                if (!edge.isEmpty())
                    cut << edge;
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    void pageFitsTheWindow_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("advanced");
        QTest::newRow("Home") << 0 << "wgMainHome" << false;
        QTest::newRow("Configuration") << 1 << "wgConfiguration" << false;
        QTest::newRow("Configuration, advanced settings") << 1 << "wgConfiguration" << true;
    }

    // The page's content gets at least the room its layout needs, inside the window, so nothing
    // is squeezed or cut at its edges.
    void pageFitsTheWindow()
    {
        QFETCH(int, page);
        QFETCH(QString, content);
        QFETCH(bool, advanced);
        // The model with the most advanced settings.
        m_window->view()->updateAisAdvConfigDisp(advanced, MACHINE_Q_375);
        showPage(page);
        auto* shown = m_window->findChild<QWidget*>(content);
        QVERIFY(shown && shown->isVisible());
        const QSize needed = shown->layout()->minimumSize();
        QVERIFY2(needed.width() <= shown->width() && needed.height() <= shown->height(),
                 qPrintable(QStringLiteral("%1 x %2 > %3 x %4")
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(shown->width())
                                .arg(shown->height())));
        QVERIFY(m_window->rect().contains(QRect(shown->mapTo(m_window.get(), QPoint()), shown->size())));
    }

    void homeViewsClearOfTheirFrames_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("tile");
        QTest::newRow("sky view") << "gpvwHomeSatelliteMap" << "wgHomeGPSStatus";
        QTest::newRow("vessel table") << "tbvwHomeOtherVessels" << "wgHomeOtherVessels";
    }

    // The Home tiles' views stand inside their tiles' frames.
    void homeViewsClearOfTheirFrames()
    {
        QFETCH(QString, view);
        QFETCH(QString, tile);
        showPage(0);
        auto* shown = m_window->findChild<QWidget*>(view);
        auto* group = m_window->findChild<QWidget*>(tile);
        QVERIFY(shown && shown->isVisible() && group);
        const QString edge = atTheEdge(shown, group);
        QVERIFY2(edge.isEmpty(), qPrintable(edge));
    }

    void skyViewShowsWhole_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("view");
        QTest::addColumn<bool>("wifiTile");
        QTest::newRow("Home, a tile wider than tall") << 0 << "gpvwHomeSatelliteMap" << true;
        QTest::newRow("Home without the Wi-Fi tile") << 0 << "gpvwHomeSatelliteMap" << false;
        QTest::newRow("GPS Status, a square") << 2 << "gpvwSatelliteMap" << true;
    }

    // The whole sky shows in its view: satellites on the horizon at the four compass points and
    // in the zenith lie inside it, no scroll bar shows, and the map takes most of the smaller side.
    void skyViewShowsWhole()
    {
        QFETCH(int, page);
        QFETCH(QString, view);
        QFETCH(bool, wifiTile);
        // A device without the Wi-Fi module gives the Home tiles more height.
        m_ui->wgHomeWiFi->setVisible(wifiTile);
        showPage(page);
        auto* shown = m_window->findChild<QGraphicsView*>(view);
        QVERIFY(shown && shown->isVisible());
        auto* map = qobject_cast<ModSatelliteMap*>(shown->scene());
        QVERIFY(map);
        const QPoint sky[] = {{0, 0}, {90, 0}, {180, 0}, {270, 0}, {0, 90}}; // azimuth, elevation
        for (int slot = 0; slot < int(std::size(sky)); ++slot)
            map->updateSatelliteSymbol(slot, 10 + slot, sky[slot].y(), sky[slot].x(), 40, true);
        QApplication::processEvents();

        QVERIFY(!shown->verticalScrollBar()->isVisible());
        QVERIFY(!shown->horizontalScrollBar()->isVisible());
        // The view has laid out its room for its present size.
        QCOMPARE(shown->viewport()->size(), shown->maximumViewportSize());
        const QRect room = shown->viewport()->rect();
        QStringList outside;
        QRect background;
        for (QGraphicsItem* item : map->items()) {
            if (!item->isVisible())
                continue;
            // A text's glyphs stand inside its document's margin.
            const auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
            const qreal inset = text ? text->document()->documentMargin() : 0;
            const QRectF drawn = item->sceneBoundingRect().adjusted(inset, inset, -inset, -inset);
            const QRect placed = shown->mapFromScene(drawn).boundingRect();
            if (!room.contains(placed))
                outside << QStringLiteral("%1,%2 %3x%4")
                               .arg(placed.x())
                               .arg(placed.y())
                               .arg(placed.width())
                               .arg(placed.height());
            if (item->type() == QGraphicsPixmapItem::Type)
                background = placed;
        }
        map->clearSatelliteIdItems();
        m_ui->wgHomeWiFi->show();
        QVERIFY2(outside.isEmpty(), qPrintable(QStringLiteral("room %1x%2: ").arg(room.width()).arg(room.height())
                                               + outside.join(QStringLiteral("; "))));
        const int side = std::min(room.width(), room.height());
        QVERIFY2(std::min(background.width(), background.height()) >= side * 3 / 4,
                 qPrintable(QStringLiteral("%1x%2 in %3").arg(background.width()).arg(background.height()).arg(side)));
    }

    // The ship dimension drawing is a centred, unscaled background: the label shows all of it only
    // when the image is no larger than the label.
    void dimensionDrawingShowsWhole()
    {
        showPage(1);
        const QLabel* label = m_ui->imgCfgVslDim;
        QVERIFY(label->isVisible());
        QCOMPARE(label->size(), QSize(270, 150));
        const QRegularExpressionMatch url =
            QRegularExpression(QStringLiteral("image:\\s*url\\(([^)]+)\\)")).match(label->styleSheet());
        QVERIFY2(url.hasMatch(), qPrintable(label->styleSheet()));
        const QPixmap drawing(url.captured(1));
        QVERIFY2(!drawing.isNull(), qPrintable(url.captured(1)));
        QVERIFY2(label->contentsRect().width() >= drawing.width() && label->contentsRect().height() >= drawing.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(drawing.width()).arg(drawing.height())));
    }
};

QTEST_MAIN(TestMainWindowFit)
#include "tst_mainwindowfit.moc"
