#include "model/tables/CSortFilterProxyModel.h"
#include "model/tables/CStringGridModel.h"

#include <QPixmap>
#include <QtTest>

namespace {

QIcon colourIcon(Qt::GlobalColor colour)
{
    QPixmap pixmap(4, 4);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

QStringList columnTexts(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

} // namespace

class TestTableModels : public QObject
{
    Q_OBJECT

private slots:
    void sortKeepsNotAvailableLast_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("order");
        // "abc" is no number and sorts as 0.
        QTest::newRow("floating point, ascending") << 0 << true << QStringList{"abc", "3", "12.5", "--", "N/A"};
        QTest::newRow("floating point, descending") << 0 << false << QStringList{"--", "N/A", "12.5", "3", "abc"};
        QTest::newRow("integer, ascending") << 1 << true << QStringList{"9", "10", "100", "N/A", "--"};
        QTest::newRow("integer, descending") << 1 << false << QStringList{"N/A", "--", "100", "10", "9"};
        QTest::newRow("text, ascending") << 2 << true << QStringList{"Bravo", "Charlie", "alpha", "--", "N/A"};
        // A column past the sort-type table sorts as text.
        QTest::newRow("past the table, ascending") << 3 << true << QStringList{"10", "100", "9", "--", "N/A"};
    }
    void sortKeepsNotAvailableLast()
    {
        const QStringList rows[] = {
            {"12.5", "100", "Bravo", "9"},
            {"--", "N/A", "--", "--"},
            {"3", "9", "alpha", "100"},
            {"N/A", "--", "Charlie", "N/A"},
            {"abc", "10", "N/A", "10"},
        };
        CStringGridModel grid;
        QList<QIcon> noIcons;
        unsigned id = 0;
        for (QStringList texts : rows)
            grid.addItem(++id, texts, noIcons);

        const CSortFilterProxyModel::SORT_T sortTypes[] = {CSortFilterProxyModel::SORT_DOUBLE,
                                                          CSortFilterProxyModel::SORT_INT,
                                                          CSortFilterProxyModel::SORT_STRING};
        CSortFilterProxyModel proxy;
        proxy.setColumnSortType(sortTypes, 3);
        proxy.setSourceModel(&grid);

        QFETCH(int, column);
        QFETCH(bool, ascending);
        QFETCH(QStringList, order);
        proxy.sort(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        QCOMPARE(columnTexts(proxy, column), order);
    }

    void shortListsAreBounded()
    {
        CStringGridModel grid;
        QStringList texts{"a", "b", "c"};
        QList<QIcon> oneIcon{colourIcon(Qt::red)};
        grid.addItem(7, texts, oneIcon);
        QCOMPARE(grid.columnCount(), 3);
        QVERIFY(!grid.item(0, 0)->icon().isNull());
        QVERIFY(grid.item(0, 1)->icon().isNull());
        QVERIFY(grid.item(0, 2)->icon().isNull());

        QList<QStandardItem*>* row = &grid.itemMap().at(7);
        QStringList oneText{"x"};
        QList<QIcon> twoIcons{colourIcon(Qt::blue), colourIcon(Qt::blue)};
        grid.updateItem(row, oneText, twoIcons);
        QCOMPARE(columnTexts(grid, 0) + columnTexts(grid, 1) + columnTexts(grid, 2), (QStringList{"x", "b", "c"}));
        QVERIFY(grid.item(0, 1)->icon().isNull()); // icons only when there is one per item

        QStringList newTexts{"p", "q", "r"};
        QList<QIcon> threeIcons{colourIcon(Qt::green), colourIcon(Qt::green), colourIcon(Qt::green)};
        grid.updateItem(row, newTexts, threeIcons);
        QCOMPARE(columnTexts(grid, 2), QStringList{"r"});
        QVERIFY(!grid.item(0, 1)->icon().isNull());

        QList<QIcon> noIcons;
        grid.updateItem(row, oneText, noIcons);
        QCOMPARE(grid.item(0, 0)->text(), QStringLiteral("x"));
        QVERIFY(!grid.item(0, 0)->icon().isNull());
    }

    void rowsFollowTheirIds()
    {
        CStringGridModel grid;
        QList<QIcon> noIcons;
        QStringList first{"first"}, second{"second"}, again{"again"}, other{"other"};
        grid.addItem(500, first, noIcons);
        grid.addItem(200, second, noIcons);
        grid.addItem(500, again, noIcons); // a second row; the id keeps its first
        grid.addItem(300, other, noIcons);
        QCOMPARE(grid.rowCount(), 4);
        QList<unsigned> ids;
        for (const auto& entry : grid.itemMap())
            ids << entry.first;
        QCOMPARE(ids, (QList<unsigned>{200, 300, 500}));

        grid.deleteItem(999);
        QCOMPARE(grid.rowCount(), 4);
        grid.deleteItem(500);
        QCOMPARE(columnTexts(grid, 0), (QStringList{"second", "again", "other"}));
        QCOMPARE(grid.itemMap().count(500), size_t(0));
        QCOMPARE(grid.itemMap().at(300).first()->row(), 2);

        grid.deleteAll();
        QCOMPARE(grid.rowCount(), 0);
        QVERIFY(grid.itemMap().empty());
    }
};

QTEST_MAIN(TestTableModels)
#include "tst_tablemodels.moc"
