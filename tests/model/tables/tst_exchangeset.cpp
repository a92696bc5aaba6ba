#include "../SensorRoad.h"
#include "LogCapture.h"

#include "model/tables/CTargetExchangeSet.h"

#include <QtTest>

#if defined(__SANITIZE_ADDRESS__)
// Freed memory is scribbled over, so that stepping from a row's freed map node crashes.
extern "C" const char* __asan_default_options()
{
    return "max_free_fill_size=4096";
}
#endif

using namespace SensorRoad;
using Cell = CTargetExchangeSet::TG_ITEM_CELL;

namespace {

constexpr uint32_t OWN = 211000001;
constexpr double LAT = 45.0;
constexpr double LON = 10.0;
constexpr double ONE_MINUTE = 1.0 / 60.0;

QStringList columnTexts(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

QStringList rowTexts(const QAbstractItemModel& model, int row)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.index(row, column).data().toString();
    return texts;
}

// Grid row of each MMSI cell.
QMap<QString, int> gridRows(CTargetExchangeSet& set)
{
    QMap<QString, int> rows;
    const QStringList mmsis = columnTexts(*set.gridModel(), Cell::TG_ITEM_MMSI);
    for (int row = 0; row < mmsis.size(); ++row)
        rows[mmsis[row]] = row;
    return rows;
}

struct Table
{
    Road road;
    CTargetExchangeSet set;

    Table() { road.receive(positionReport(OWN, LAT, LON, 0.0f, 0.0f, true)); }

    // Minutes of latitude north of the own vessel.
    void report(uint32_t mmsi, double minutesNorth, float sog = 10.0f)
    {
        road.receive(positionReport(mmsi, LAT + minutesNorth * ONE_MINUTE, LON, sog, 180.0f));
    }

    void refresh()
    {
        road.tick();
        set.updateExchangeSet(&road.registry);
    }

    QStringList sorted(Cell column, Qt::SortOrder order)
    {
        set.proxyModel()->sort(column, order);
        return columnTexts(*set.proxyModel(), column);
    }
};

} // namespace

class TestExchangeSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }

    void headersCarryTheirUnits()
    {
        CTargetExchangeSet set;
        QStringList headers;
        for (int column = 0; column < set.proxyModel()->columnCount(); ++column)
            headers << set.proxyModel()->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{"MMSI", "Ship's Name", "Call Sign", "Class", "Speed (Kn)", "Course", "Latitude",
                                       "Longitude", "Range (NM)", "Bearing (" + QString::fromUtf8("\xC2\xB0") + ")",
                                       "Report Age (s)"}));
    }

    void cellsShowTheVessel()
    {
        Table table;
        table.report(2711234, 1.21);
        table.road.receive(staticReport(2711234, "FAIR WIND", "DA1234"));
        table.refresh();
        QCOMPARE(table.set.gridModel()->rowCount(), 1);
        QStringList cells = rowTexts(*table.set.gridModel(), 0);
        const int age = cells.takeLast().toInt();
        QVERIFY(age == 0 || age == 1);
        QCOMPARE(cells, (QStringList{"002711234", "FAIR WIND", "DA1234", "A", "10", "180",
                                     QString::fromUtf8("45\xC2\xB0" "1'12\"N"), QString::fromUtf8("10\xC2\xB0" "0'0\"E"),
                                     "1.21", "0"}));
    }

    void rowsUpdateInPlace()
    {
        Table table;
        table.report(211000300, 3.0);
        table.report(211000100, 1.0);
        table.report(211000200, 2.0);
        table.refresh();
        const QMap<QString, int> before = gridRows(table.set);
        QCOMPARE(before.size(), 3);

        table.report(211000100, 4.0);
        table.report(211000300, 5.0);
        table.refresh();
        QCOMPARE(table.set.gridModel()->rowCount(), 3);
        QCOMPARE(gridRows(table.set), before);
        QCOMPARE(table.set.gridModel()->index(before["211000100"], Cell::TG_ITEM_RANGE).data().toString(),
                 QStringLiteral("4"));
        QCOMPARE(table.set.gridModel()->index(before["211000200"], Cell::TG_ITEM_RANGE).data().toString(),
                 QStringLiteral("2"));
        QCOMPARE(table.set.gridModel()->index(before["211000300"], Cell::TG_ITEM_RANGE).data().toString(),
                 QStringLiteral("5"));
    }

    void newMmsiAppearsSorted()
    {
        Table table;
        table.report(211000100, 1.0);
        table.report(211000300, 3.0);
        table.report(211000500, 5.0);
        table.refresh();
        table.set.proxyModel()->sort(Cell::TG_ITEM_MMSI, Qt::AscendingOrder);

        table.report(211000200, 2.0);
        table.refresh();
        QCOMPARE(table.set.gridModel()->rowCount(), 4);
        QCOMPARE(gridRows(table.set)["211000200"], 3); // a new last row
        QCOMPARE(columnTexts(*table.set.proxyModel(), Cell::TG_ITEM_MMSI),
                 (QStringList{"211000100", "211000200", "211000300", "211000500"}));
    }

    void notAvailableSortsLast_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("range, ascending") << int(Cell::TG_ITEM_RANGE) << true << QStringList{"0.51", "2.21", "10.21", "--"};
        QTest::newRow("range, descending") << int(Cell::TG_ITEM_RANGE) << false << QStringList{"--", "10.21", "2.21", "0.51"};
        QTest::newRow("speed, ascending") << int(Cell::TG_ITEM_SPEED) << true << QStringList{"3", "5", "12.5", "N/A"};
        QTest::newRow("speed, descending") << int(Cell::TG_ITEM_SPEED) << false
                                           << QStringList{"N/A", "12.5", "5", "3"};
        QTest::newRow("latitude, ascending")
            << int(Cell::TG_ITEM_LATITUDE) << true
            << QStringList{QString::fromUtf8("45\xC2\xB0" "0'30\"N"), QString::fromUtf8("45\xC2\xB0" "10'12\"N"),
                           QString::fromUtf8("45\xC2\xB0" "2'12\"N"), "--"};
    }
    void notAvailableSortsLast()
    {
        QFETCH(int, column);
        QFETCH(bool, ascending);
        QFETCH(QStringList, order);
        Table table;
        table.report(211000001, 2.21, 5.0f);
        table.report(211000002, 0.51, 12.5f);
        table.road.receive(positionReport(211000003, NoLatitude, NoLongitude, 3.0f, 90.0f));
        table.road.receive(baseStationReport(211000004, LAT + 10.21 * ONE_MINUTE, LON));
        table.refresh();
        QCOMPARE(table.sorted(Cell(column), ascending ? Qt::AscendingOrder : Qt::DescendingOrder), order);
    }

    void resetEmptiesTheTable()
    {
        Table table;
        table.report(211000100, 1.0);
        table.report(211000300, 3.0);
        table.refresh();
        table.road.registry.reset();
        table.refresh();
        QCOMPARE(table.set.gridModel()->rowCount(), 0);
        QVERIFY(table.set.gridModel()->itemMap().empty());
    }

    // Rows on both sides of the one kept go, without the whole table being rebuilt.
    void rowsOfForgottenVesselsGo()
    {
        Table table;
        table.report(211000100, 1.0);
        table.report(211000200, 2.0);
        table.report(211000300, 3.0);
        table.refresh();
        table.road.registry.reset();
        table.report(211000200, 4.0);
        table.report(211000150, 1.5);
        LogCapture::take();
        table.refresh();
        QCOMPARE(columnTexts(*table.set.gridModel(), Cell::TG_ITEM_MMSI), (QStringList{"211000200", "211000150"}));
        QCOMPARE(table.set.gridModel()->index(0, Cell::TG_ITEM_RANGE).data().toString(), QStringLiteral("4"));
        QVERIFY(LogCapture::take().filter("Target's count is not match").isEmpty());
    }

    void countMismatchRebuildsOnce()
    {
        Table table;
        table.report(211000100, 1.0);
        table.report(211000200, 2.0);
        table.refresh();
        QStringList stray{"stray"};
        QList<QIcon> noIcons;
        table.set.gridModel()->addItem(211000100, stray, noIcons); // a second row under a shown id
        LogCapture::take();
        table.refresh();
        QCOMPARE(columnTexts(*table.set.gridModel(), Cell::TG_ITEM_MMSI), (QStringList{"211000100", "211000200"}));
        QCOMPARE(LogCapture::take().filter("Target's count is not match").size(), 1);
        table.refresh();
        QVERIFY(LogCapture::take().filter("Target's count is not match").isEmpty());
    }
};

QTEST_MAIN(TestExchangeSet)
#include "tst_exchangeset.moc"
