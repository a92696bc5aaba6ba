#include "LogCapture.h"
#include "WiFiFixture.h"
#include "device/CWiFiAPExchangeSet.h"
#include "resources/ResourceCollections.h"

#include <QImage>
#include <QtTest>

using namespace WiFiScope;
using Table = CWiFiAPExchangeSet;

namespace {

// The drawn image of the Wi-Fi status group by its name, as the resource tree holds it.
QImage statusImage(const QString& name)
{
    return QImage(":/WiFiStatus/Images/WiFiStatus/" + name + ".png").convertToFormat(QImage::Format_ARGB32);
}

// An icon shows the named image pixel for pixel; no name means no icon.
void compareIcon(const QIcon& icon, const QString& name)
{
    if (name.isEmpty()) {
        QVERIFY(icon.isNull());
        return;
    }
    const QImage expected = statusImage(name);
    QVERIFY2(!expected.isNull(), qPrintable(name));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(expected.size()).toImage().convertToFormat(QImage::Format_ARGB32), expected);
}

QStringList rowTexts(const QAbstractItemModel& model, int row)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.index(row, column).data().toString();
    return texts;
}

QStringList headers(const QAbstractItemModel& model)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.headerData(column, Qt::Horizontal).toString();
    return texts;
}

SClientAPInfoStruct group(const std::string& ssid, int rssi, const std::string& security)
{
    SClientAPInfoStruct one;
    one.ssid = ssid;
    one.members.push_back({ssid, "0C:80:63:1A:2B:01", 6, rssi, security});
    return one;
}

void setList(CWiFiConfig& config, const std::vector<SClientAPInfoStruct>& list)
{
    config.update([&list](SCmdProcData& s) { s.apList = list; });
}

const QStringList Headers{"RSSI", "Security", "SSID", "Connection", "Connect Status"};
const QStringList UsedImages{"0.RSSI1", "1.RSSI2", "2.RSSI3", "3.RSSI4", "4.RSSI5", "5.Security", "6.Connected", "9.Empty"};

} // namespace

class TestWiFiAPTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LogCapture::start();
        Resources::registerCollections();
        // A pixel comparison shows the right image only when the images differ.
        for (int i = 0; i < UsedImages.size(); ++i)
            for (int j = i + 1; j < UsedImages.size(); ++j)
                QVERIFY2(statusImage(UsedImages[i]) != statusImage(UsedImages[j]),
                         qPrintable(UsedImages[i] + " looks like " + UsedImages[j]));
    }
    void init() { LogCapture::take(); }

    void emptyListGivesTheHeadersOnly()
    {
        Table table;
        table.updateExchangeSet(CWiFiConfig());
        QCOMPARE(table.rowCount(), 0);
        QCOMPARE(headers(table), Headers);
        QCOMPARE(table.proxyModel()->rowCount(), 0);
        QCOMPARE(headers(*table.proxyModel()), Headers);
    }

    void signalBars_data()
    {
        QTest::addColumn<int>("rssi");
        QTest::addColumn<QString>("image");
        const QList<QPair<int, QString>> cases{{-1, "4.RSSI5"},     {-50, "4.RSSI5"},   {-51, "3.RSSI4"}, {-60, "3.RSSI4"},
                                               {-61, "2.RSSI3"},    {-70, "2.RSSI3"},   {-71, "1.RSSI2"}, {-80, "1.RSSI2"},
                                               {-81, "0.RSSI1"},    {-99998, "0.RSSI1"}, {-99999, ""},     {0, ""}};
        for (const auto& [rssi, image] : cases)
            QTest::addRow("%d", rssi) << rssi << image;
    }

    void signalBars()
    {
        QFETCH(int, rssi);
        QFETCH(QString, image);
        CWiFiConfig config;
        setList(config, {group("Dock", rssi, "WPA2-PSK")});
        Table table;
        table.updateExchangeSet(config);
        const int column = table.getCellSeqIndex(Table::AP_ITEM_RSSI);
        QCOMPARE(table.item(0, column)->text(), QString::number(rssi));
        compareIcon(table.item(0, column)->icon(), image);
    }

    void security_data()
    {
        QTest::addColumn<QString>("security");
        QTest::addColumn<QString>("image");
        QTest::newRow("open") << "NONE" << "9.Empty";
        QTest::newRow("WPA2-PSK") << "WPA2-PSK" << "5.Security";
    }

    void security()
    {
        QFETCH(QString, security);
        QFETCH(QString, image);
        CWiFiConfig config;
        setList(config, {group("Dock", -55, security.toStdString())});
        Table table;
        table.updateExchangeSet(config);
        const int column = table.getCellSeqIndex(Table::AP_ITEM_SECURITY);
        QCOMPARE(table.item(0, column)->text(), security);
        compareIcon(table.item(0, column)->icon(), image);
    }

    // From a scan and a link status read by the parser: the linked group comes first, shown from
    // its strongest access point, with the connected image and the linked member's index.
    void linkedGroup()
    {
        CWiFiConfig config;
        WiFiFixture::feed(config, {">AT+SCAN", "+ok=", "Ferry Dock,0C:80:63:1A:2B:01,6,-60,WPA2-PSK",
                                   "Berry Bay,0C:80:63:1A:2B:02,1,-70,NONE", "Berry Bay,0C:80:63:1A:2B:03,11,-50,NONE",
                                   ">WiFiScanEnd", ">AT+STALINK", "+ok=0c:80:63:1a:2b:02,Berry Bay"});
        Table table;
        table.updateExchangeSet(config);
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(rowTexts(table, 0), (QStringList{"-50", "NONE", "Berry Bay", "", "1"}));
        QCOMPARE(rowTexts(table, 1), (QStringList{"-60", "WPA2-PSK", "Ferry Dock", "", "-1"}));
        const QStringList linkedIcons{"4.RSSI5", "9.Empty", "", "", "6.Connected"};
        const QStringList otherIcons{"3.RSSI4", "5.Security", "", "", "9.Empty"};
        for (int column = 0; column < Table::ItemCount; ++column) {
            compareIcon(table.item(0, column)->icon(), linkedIcons[column]);
            compareIcon(table.item(1, column)->icon(), otherIcons[column]);
        }
        QCOMPARE(rowTexts(*table.proxyModel(), 0), rowTexts(table, 0));
    }

    // Each rebuild starts from an empty table; a row can be updated in place.
    void rebuildAndUpdate()
    {
        CWiFiConfig config;
        setList(config, {group("Ferry Dock", -60, "WPA2-PSK"), group("Berry Bay", -70, "NONE")});
        Table table;
        table.updateExchangeSet(config);
        const QStringList first = rowTexts(table, 0) + rowTexts(table, 1);
        table.updateExchangeSet(config);
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(rowTexts(table, 0) + rowTexts(table, 1), first);

        QList<QStandardItem*> row;
        for (int column = 0; column < table.columnCount(); ++column)
            row << table.item(1, column);
        table.updateModelItem(&row, group("Quay", -45, "WPA-PSK"));
        QCOMPARE(rowTexts(table, 1), (QStringList{"-45", "WPA-PSK", "Quay", "", "-1"}));
        compareIcon(table.item(1, 0)->icon(), "4.RSSI5");
    }

    // A group without access points is not read: no row for it.
    void groupWithoutMembersIsSkipped()
    {
        CWiFiConfig config;
        SClientAPInfoStruct ghost;
        ghost.ssid = "Ghost";
        setList(config, {ghost, group("Dock", -55, "NONE")});
        Table table;
        table.updateExchangeSet(config);
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.item(0, 2)->text(), QString("Dock"));
        QCOMPARE(LogCapture::take().filter("updateExchangeSet [W]A scan group without access points is skipped:Ghost").size(),
                 1);
    }

    void columns()
    {
        Table table;
        QCOMPARE(table.getCellSeqIndex(Table::AP_ITEM_CONNECT_STATUS), 4);
        QCOMPARE(table.getCellSeqIndex(Table::AP_ITEM_SSID), 2);
        QCOMPARE(LogCapture::take().size(), 0);
        QCOMPARE(table.getCellSeqIndex(Table::AP_ITEM_CELL(7)), -1);
        QCOMPARE(LogCapture::take(), QStringList{"GetCellSeqIndex [E]Item's case is undefined!"});

        // Each header names its own column's kind.
        const Table::AP_ITEM_CELL sequence[] = {Table::AP_ITEM_SSID, Table::AP_ITEM_RSSI};
        table.setItemSequence(2, sequence);
        QCOMPARE(headers(table), (QStringList{"SSID", "RSSI"}));
        QCOMPARE(table.getCellSeqIndex(Table::AP_ITEM_RSSI), 1);
        QCOMPARE(table.getCellSeqIndex(Table::AP_ITEM_CONNECT_STATUS), -1);
        CWiFiConfig config;
        setList(config, {group("Dock", -55, "NONE")});
        table.updateExchangeSet(config);
        QCOMPARE(rowTexts(table, 0), (QStringList{"Dock", "-55"}));
    }
};

QTEST_MAIN(TestWiFiAPTable)
#include "tst_wifiaptable.moc"
