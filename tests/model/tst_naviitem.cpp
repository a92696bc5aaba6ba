#include "model/items/CTrackItem.h"

#include <QtTest>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

using namespace NaviScope;

namespace {

// Layout of an item file, part by part.
constexpr long HeaderSize = 16;
constexpr long ItemBlockSize = 128;
constexpr long FeatureSize = 256;
constexpr long CountSize = 2;
constexpr long NodeFixedSize = 128 + 32 + 16 + 112;
constexpr long FirstNode = HeaderSize + ItemBlockSize + FeatureSize + CountSize;
constexpr long TypeAt = HeaderSize;
constexpr long TimeAt = HeaderSize + 8;
constexpr long CountAt = FirstNode - CountSize;
constexpr long NameAt = FirstNode + 1;
constexpr long LatAt = FirstNode + 128 + 32;
constexpr long LonAt = LatAt + 8;
constexpr long DescriptionLengthAt = FirstNode + NodeFixedSize;

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File fileWith(const QByteArray& bytes)
{
    File file(std::tmpfile());
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), file.get());
    std::rewind(file.get());
    return file;
}

QByteArray exported(const CNaviItem& item)
{
    File file(std::tmpfile());
    if (!item.exportItem(file.get()))
        return {};
    QByteArray bytes(static_cast<int>(std::ftell(file.get())), '\0');
    std::rewind(file.get());
    std::fread(bytes.data(), 1, static_cast<size_t>(bytes.size()), file.get());
    return bytes;
}

bool imported(CNaviItem& item, const QByteArray& bytes)
{
    return item.importItem(fileWith(bytes).get());
}

QByteArray littleEndian(double value)
{
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

SNaviNodeData nodeOf(const char* name, double lat, double lon, const char* description)
{
    SNaviNodeData node;
    node.setName(name);
    node.position = {lat, lon};
    node.feature.sog = 12.5f;
    node.feature.cog = 84.4f;
    node.feature.heading = 90.0f;
    node.description = description;
    return node;
}

// A track of three nodes; the second has no description.
void fillThreeNodes(CNaviItem& item)
{
    item.setNaviType(static_cast<NAVI_ITEM_T>(5));
    item.setVisible(false);
    item.addNodes(3, 0);
    item.setNodeData(nodeOf("Start", 48.1173, 11.516667, "Harbour entrance"), 0);
    item.setNodeData(nodeOf("Buoy", -37.95, 144.42, ""), 1);
    item.setNodeData(nodeOf("End", 0.0, -179.9, "Anchorage"), 2);
}

} // namespace

class TestNaviItem : public QObject
{
    Q_OBJECT

private slots:
    void everyIndexIsChecked()
    {
        CTrackItem item;
        QCOMPARE(item.nodeCount(), int16_t(0));
        QVERIFY(!item.node());
        QVERIFY(!item.nodeData(0));
        QVERIFY(!item.setNode({{1, 2}, {10.0, 20.0}}, 0));
        QVERIFY(!item.setNodeData(SNaviNodeData{}, 0));
        QVERIFY(!item.updateNode(SNaviNodeData{}, -1));
        QVERIFY(!item.setNodeMeasureValue({1.0, 2.0, 3.0}, 0));
        QVERIFY(!item.setNodeMoving(true, 0));
        item.deleteItem(0);

        // One node is one node: it can be addressed, and the one after it cannot.
        item.addNode();
        QCOMPARE(item.nodeCount(), int16_t(1));
        QVERIFY(item.nodeData(0));
        QCOMPARE(item.node(), item.nodeData(0));
        QVERIFY(!item.nodeData(1));
        QVERIFY(!item.setNodeMeasureValue({1.0, 2.0, 3.0}, 1));
        QVERIFY(item.updateNode(nodeOf("One", 1.0, 2.0, ""), 0));
        QCOMPARE(QString(item.nodeData(0)->name()), QStringLiteral("One"));
        QVERIFY(!item.updateNode(SNaviNodeData{}, 1));
        item.deleteItem(0);
        QCOMPARE(item.nodeCount(), int16_t(0));
    }

    void insertedNodesKeepTheirOwnFeatures()
    {
        CTrackItem item;
        item.addNodes(2, 0);
        item.nodeData(0)->setName("A");
        item.nodeData(1)->setName("C");
        item.addNodes(1, 1); // between A and C
        item.addNodes(1, 99); // at the end
        QCOMPARE(item.nodeCount(), int16_t(4));
        const char* names[] = {"A", "", "C", ""};
        for (int16_t i = 0; i < 4; ++i) {
            SNaviNodeData* node = item.nodeData(i);
            QCOMPARE(QString(node->name()), QString(names[i]));
            QCOMPARE(node->feature.data, &node->feature); // not another node's, after the shift
            QCOMPARE(node->feature.sog, 102.3f);
            QCOMPARE(node->feature.cog, 360.0f);
            QCOMPARE(node->feature.heading, 511.0f);
            QCOMPARE(node->position.lat, 91.0);
            QCOMPARE(node->screen[0].x, ScreenNone);
        }
    }

    void screenPointsNeedAWidgetIndex()
    {
        CTrackItem item;
        item.addNodes(2, 0);
        // No widget index yet: the position is set, no screen point is written.
        QVERIFY(item.setNode({{5, 6}, {10.0, 20.0}}, 0));
        QCOMPARE(item.nodeData(0)->position.lat, 10.0);
        for (const Unit::SPointC2dI& p : item.nodeData(0)->screen)
            QCOMPARE(p.x, ScreenNone);
        QVERIFY(!item.setNodeScreen({1, 1}, 0));

        QVERIFY(item.initial(4, -3)); // a negative index is no index
        QVERIFY(!item.setNodeScreen({1, 1}, 0));
        item.calNodeDelta(1);
        QCOMPARE(item.screenMoveDelta(PRIMARY_ASSIGN_PREV).x, 0);

        QVERIFY(!item.initial(5, 1));
        QVERIFY(item.initial(4, 2));
        QVERIFY(item.setNode({{100, 200}, {10.0, 20.0}}, 0));
        QVERIFY(item.setNodeScreen({130, 160}, 1));
        QCOMPARE(item.nodeData(0)->screen[2].x, 100);
        QCOMPARE(item.nodeData(0)->screen[1].x, ScreenNone);
        item.calNodeDelta(0);
        QCOMPARE(item.screenMoveDelta(PRIMARY_ASSIGN_NEXT).x, 30);
        QCOMPARE(item.screenMoveDelta(PRIMARY_ASSIGN_NEXT).y, -40);

        QVERIFY(item.setNodeMoving(true, 1));
        item.finished();
        QVERIFY(!item.isNodeMoving(1));
        QCOMPARE(item.screenWgIdx(), int8_t(-1));
        QCOMPARE(item.currentNodeIndex(), int16_t(-1));
    }

    void cloneOwnsItsDescriptions()
    {
        auto source = std::make_unique<CTrackItem>();
        fillThreeNodes(*source);
        CTrackItem copy;
        source->cloneData(copy);
        source->setNodeData(nodeOf("Start", 1.0, 1.0, "changed"), 0);
        source.reset();
        QCOMPARE(copy.nodeCount(), int16_t(3));
        QCOMPARE(QString::fromStdString(copy.nodeData(0)->description), QStringLiteral("Harbour entrance"));
        QCOMPARE(copy.nodeData(2)->feature.data, &copy.nodeData(2)->feature);
        QCOMPARE(copy.feature().data, &copy.feature());
        QCOMPARE(int(copy.naviType()), 5);
    }

    void threeNodeRoundTrip()
    {
        CTrackItem item;
        fillThreeNodes(item);
        const QByteArray bytes = exported(item);
        const long descriptions = long(std::strlen("Harbour entrance") + std::strlen("Anchorage"));
        QCOMPARE(long(bytes.size()), FirstNode + 3 * (NodeFixedSize + 4) + descriptions);
        QCOMPARE(bytes.at(0), '\1');
        QCOMPARE(bytes.at(TypeAt), '\5');
        QCOMPARE(bytes.at(CountAt), '\3');
        QCOMPARE(bytes.mid(NameAt, 6), QByteArray("Start", 6));
        QCOMPARE(bytes.mid(LatAt, 8), littleEndian(48.1173));
        QCOMPARE(bytes.mid(DescriptionLengthAt, 4), QByteArray("\x10\0\0\0", 4));

        CTrackItem back;
        QVERIFY(imported(back, bytes));
        QCOMPARE(back.nodeCount(), int16_t(3));
        QCOMPARE(int(back.naviType()), 5);
        QVERIFY(!back.isVisible());
        QCOMPARE(back.creationTime(), item.creationTime());
        for (int16_t i = 0; i < 3; ++i) {
            const SNaviNodeData* want = item.nodeData(i);
            const SNaviNodeData* got = back.nodeData(i);
            QCOMPARE(QString(got->name()), QString(want->name()));
            QCOMPARE(got->position.lat, want->position.lat);
            QCOMPARE(got->position.lon, want->position.lon);
            QCOMPARE(got->feature.cog, want->feature.cog);
            QCOMPARE(got->description, want->description);
        }
        QCOMPARE(exported(back), bytes);

        CTrackItem empty;
        CTrackItem emptyBack;
        QVERIFY(imported(emptyBack, exported(empty)));
        QCOMPARE(emptyBack.nodeCount(), int16_t(0));
    }

    void refusedFilesLeaveTheItemAlone_data()
    {
        QTest::addColumn<long>("at");
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<long>("cutTo");
        QTest::newRow("format word 2") << 0L << QByteArray("\2\0", 2) << -1L;
        QTest::newRow("item type 8") << TypeAt << QByteArray("\x08\0\0\0", 4) << -1L;
        QTest::newRow("negative creation time") << TimeAt << QByteArray(8, '\xff') << -1L;
        QTest::newRow("negative node count") << CountAt << QByteArray("\xff\xff", 2) << -1L;
        QTest::newRow("more nodes than stored") << CountAt << QByteArray("\4\0", 2) << -1L;
        QTest::newRow("name of 32 characters") << NameAt << QByteArray(32, 'N') << -1L;
        QTest::newRow("latitude 91") << LatAt << littleEndian(91.0) << -1L;
        QTest::newRow("longitude -181") << LonAt << littleEndian(-181.0) << -1L;
        QTest::newRow("negative description length") << DescriptionLengthAt << QByteArray(4, '\xff') << -1L;
        QTest::newRow("description length past the cap") << DescriptionLengthAt << QByteArray("\1\0\1\0", 4) << -1L;
        QTest::newRow("cut in the header") << 0L << QByteArray() << 10L;
        QTest::newRow("cut in the item block") << 0L << QByteArray() << 100L;
        QTest::newRow("cut in the feature") << 0L << QByteArray() << 300L;
        QTest::newRow("cut in the node count") << 0L << QByteArray() << CountAt + 1;
        QTest::newRow("cut in a node") << 0L << QByteArray() << LatAt + 3;
        QTest::newRow("cut in a description") << 0L << QByteArray() << DescriptionLengthAt + 6;
    }
    void refusedFilesLeaveTheItemAlone()
    {
        QFETCH(long, at);
        QFETCH(QByteArray, patch);
        QFETCH(long, cutTo);
        CTrackItem source;
        fillThreeNodes(source);
        QByteArray bytes = exported(source);
        bytes.replace(int(at), patch.size(), patch);
        if (cutTo >= 0)
            bytes.truncate(int(cutTo));

        CTrackItem item;
        item.setNaviType(static_cast<NAVI_ITEM_T>(2));
        item.addNode();
        item.nodeData(0)->setName("Kept");
        QVERIFY(!imported(item, bytes));
        QCOMPARE(item.nodeCount(), int16_t(1));
        QCOMPARE(QString(item.nodeData(0)->name()), QStringLiteral("Kept"));
        QCOMPARE(int(item.naviType()), 2);
    }

    void overlongDescriptionIsNotWritten()
    {
        CTrackItem item;
        item.addNode();
        item.nodeData(0)->description.assign(size_t(CNaviItem::MaxDescriptionLength) + 1, 'd');
        File file(std::tmpfile());
        QVERIFY(!item.exportItem(file.get()));
        item.nodeData(0)->description.pop_back();
        QVERIFY(!exported(item).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestNaviItem)
#include "tst_naviitem.moc"
