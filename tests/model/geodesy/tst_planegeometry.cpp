#include "model/geodesy/AlgorithmExtent.h"
#include "model/geodesy/AlgorithmPlane.h"
#include "model/geodesy/AlgorithmPolygon.h"
#include "model/geodesy/AlgorithmScreen.h"
#include "model/geodesy/AlgorithmSearch.h"
#include "model/geodesy/AlgorithmSegment.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace Algorithm;

Q_DECLARE_METATYPE(POINT_DOUBLE)
Q_DECLARE_METATYPE(Unit::LINE_C2D_I)

class TestPlaneGeometry : public QObject
{
    Q_OBJECT

private slots:
    void sortSearchAndInsert()
    {
        std::vector<int> values = {9, -3, 7, 7, 0, 12, -3, 5, 1, 7, 100, -50};
        std::vector<int> expected = values;
        std::sort(expected.begin(), expected.end());
        QuickSort(values.data(), 0, static_cast<int>(values.size()) - 1);
        QCOMPARE(values, expected);

        const int count = static_cast<int>(values.size());
        QCOMPARE(values[BinarySearch(values.data(), 12, count)], 12);
        QCOMPARE(BinarySearch(values.data(), 2, count), -1);
        QCOMPARE(BinarySearch(values.data(), 12, 0), -1);

        const unsigned long ids[] = {10, 20, 30};
        bool found = false;
        QCOMPARE(BinarySearch(&found, ids, 20, 3), 1);
        QVERIFY(found);
        QCOMPARE(BinarySearch(&found, ids, 25, 3), 2);
        QVERIFY(!found);
        QCOMPARE(BinarySearch(&found, ids, 99, 3), 3);
        QVERIFY(!found);
        QCOMPARE(BinarySearch(&found, ids, 5, 0), 0);
        QVERIFY(!found);

        unsigned long row[] = {1, 2, 3, 4};
        QVERIFY(Insert(row, 9ul, 1, 4));
        QCOMPARE(std::vector<unsigned long>(row, row + 4), (std::vector<unsigned long>{1, 9, 2, 3}));
        QVERIFY(!Insert(row, 9ul, 4, 4));
        QVERIFY(!Insert(row, 9ul, -1, 4));
        QCOMPARE(std::vector<unsigned long>(row, row + 4), (std::vector<unsigned long>{1, 9, 2, 3}));
    }

    void segmentMeeting_data()
    {
        QTest::addColumn<POINT_DOUBLE>("a");
        QTest::addColumn<POINT_DOUBLE>("b");
        QTest::addColumn<POINT_DOUBLE>("c");
        QTest::addColumn<POINT_DOUBLE>("d");
        QTest::addColumn<int>("kind");
        QTest::addColumn<POINT_DOUBLE>("meeting");
        QTest::newRow("proper crossing") << POINT_DOUBLE{0, 0} << POINT_DOUBLE{4, 4} << POINT_DOUBLE{0, 4}
                                         << POINT_DOUBLE{4, 0} << 1 << POINT_DOUBLE{2, 2};
        QTest::newRow("end on the other segment") << POINT_DOUBLE{0, 0} << POINT_DOUBLE{4, 0} << POINT_DOUBLE{1, 3}
                                                  << POINT_DOUBLE{2, 0} << 2 << POINT_DOUBLE{2, 0};
        QTest::newRow("collinear overlap") << POINT_DOUBLE{0, 0} << POINT_DOUBLE{4, 0} << POINT_DOUBLE{3, 0}
                                           << POINT_DOUBLE{6, 0} << 2 << POINT_DOUBLE{3, 0};
        QTest::newRow("apart") << POINT_DOUBLE{0, 0} << POINT_DOUBLE{1, 1} << POINT_DOUBLE{3, 0} << POINT_DOUBLE{4, 1}
                               << 0 << POINT_DOUBLE{};
        QTest::newRow("single point") << POINT_DOUBLE{2, 2} << POINT_DOUBLE{2, 2} << POINT_DOUBLE{0, 4}
                                      << POINT_DOUBLE{4, 0} << 0 << POINT_DOUBLE{};
    }
    void segmentMeeting()
    {
        QFETCH(POINT_DOUBLE, a);
        QFETCH(POINT_DOUBLE, b);
        QFETCH(POINT_DOUBLE, c);
        QFETCH(POINT_DOUBLE, d);
        QFETCH(int, kind);
        QFETCH(POINT_DOUBLE, meeting);
        POINT_DOUBLE at{};
        QCOMPARE(segcross(&at, a, b, c, d), kind);
        QCOMPARE(at.x, meeting.x);
        QCOMPARE(at.y, meeting.y);
    }

    void pointInPolygon_data()
    {
        QTest::addColumn<POINT_DOUBLE>("point");
        QTest::addColumn<bool>("onEdge");
        QTest::addColumn<bool>("crossingTest");
        QTest::addColumn<bool>("halfOpenDouble");
        QTest::addColumn<bool>("halfOpenInt");
        // A diamond (2,0) (4,2) (2,4) (0,2): rays at y = 2 pass through two vertices.
        QTest::newRow("inside, ray through a vertex") << POINT_DOUBLE{1, 2} << false << true << true << true;
        QTest::newRow("outside, ray through two vertices") << POINT_DOUBLE{-1, 2} << false << false << false << false;
        QTest::newRow("outside beyond") << POINT_DOUBLE{5, 2} << true << false << false << false;
        QTest::newRow("on an edge") << POINT_DOUBLE{3, 1} << true << true << true << true;
        // Without the on-edge result the integer form counts on past the vertex.
        QTest::newRow("on the left vertex") << POINT_DOUBLE{0, 2} << false << false << false << true;
    }
    void pointInPolygon()
    {
        const POINT_DOUBLE diamond[] = {{2, 0}, {4, 2}, {2, 4}, {0, 2}};
        const POINT_INT diamondInt[] = {{2, 0}, {4, 2}, {2, 4}, {0, 2}};
        QFETCH(POINT_DOUBLE, point);
        QFETCH(bool, onEdge);
        QFETCH(bool, crossingTest);
        QFETCH(bool, halfOpenDouble);
        QFETCH(bool, halfOpenInt);
        const POINT_INT pointInt{static_cast<int32_t>(point.x), static_cast<int32_t>(point.y)};
        QCOMPARE(PointInPolygon(point, diamond, 4, onEdge), crossingTest);
        QCOMPARE(PointInPolygon(pointInt, diamondInt, 4, onEdge), crossingTest);
        QCOMPARE(PtInPolygon(point, diamond, 4, onEdge), halfOpenDouble);
        QCOMPARE(PtInPolygon(pointInt, diamondInt, 4, onEdge), halfOpenInt);
        QVERIFY(!PointInPolygon(point, diamond, 2, true));
        QVERIFY(!PtInPolygon(point, diamond, 0, true));
    }

    void pointOnHorizontalEdge()
    {
        const POINT_DOUBLE square[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
        QVERIFY(!PointInPolygon(POINT_DOUBLE{2, 0}, square, 4, false));
        QVERIFY(PointInPolygon(POINT_DOUBLE{2, 4}, square, 4, true));
    }

    void lineInView_data()
    {
        QTest::addColumn<Unit::LINE_C2D_I>("line");
        QTest::addColumn<int>("result");
        QTest::newRow("inside") << Unit::LINE_C2D_I{{10, 10}, {90, 50}} << 0;
        QTest::newRow("first inside") << Unit::LINE_C2D_I{{10, 10}, {150, 50}} << 1;
        QTest::newRow("second inside") << Unit::LINE_C2D_I{{-5, 120}, {50, 50}} << 2;
        QTest::newRow("both above") << Unit::LINE_C2D_I{{-5, -5}, {150, -1}} << -1;
        QTest::newRow("both left") << Unit::LINE_C2D_I{{-5, -5}, {-1, 150}} << -1;
        QTest::newRow("across") << Unit::LINE_C2D_I{{-5, -5}, {150, 150}} << 3;
    }
    void lineInView()
    {
        QFETCH(Unit::LINE_C2D_I, line);
        QFETCH(int, result);
        QCOMPARE(CheckLineIn9SquareViewXY(line, 100, 100), result);
    }

    void nearestPointOfSegment()
    {
        double x = -1.0;
        double y = -1.0;
        QCOMPARE(Poit2LineNearCrossDistLL(&x, &y, 0, 0, 10, 0, 3, 4), 4.0);
        QCOMPARE(x, 3.0);
        QCOMPARE(y, 0.0);
        QCOMPARE(Poit2LineNearCrossDistLL(&x, &y, 0, 0, 10, 0, 13, 4), 5.0);
        QCOMPARE(x, 10.0);
        x = y = -1.0;
        QCOMPARE(Poit2LineNearCrossDistLL(&x, &y, 2, 2, 2, 2, 5, 6), 0.0);
        QCOMPARE(x, -1.0);
    }

    void planeAngle()
    {
        QCOMPARE(Cal2PointsAngleTri(0, 0, 1, 0), 0.0f);
        QCOMPARE(Cal2PointsAngleTri(0, 0, 0, 1), 90.0f);
        QCOMPARE(Cal2PointsAngleTri(0, 0, 0, -1), 270.0f);
        QCOMPARE(Cal2PointsAngleTri(3, 3, 3, 3), 0.0f);
    }

    void longitudeCrossings()
    {
        QCOMPARE(GetLonLineThMode(10, 20, 1), 0);
        QCOMPARE(GetLonLineThMode(10, -10, 0), -1);
        QCOMPARE(GetLonLineThMode(10, -10, 1), -3);
        QCOMPARE(GetLonLineThMode(-10, 10, 1), -2);
        QCOMPARE(GetLonLineThMode(170, -170, 0), 1);
        QCOMPARE(GetLonLineThMode(170, -170, 1), 2);
        QCOMPARE(GetLonLineThMode(-170, 170, 1), 3);
    }

    void viewRectangles()
    {
        const double view[4] = {0, 10, 0, 10};
        QCOMPARE(CheckViewRectInteractionRollMap({2, 8, 2, 8}, view), 0);
        QCOMPARE(CheckViewRectInteractionRollMap(view, {2, 8, 2, 8}), 1);
        QCOMPARE(CheckViewRectInteractionRollMap({11, 20, 0, 10}, view), -1);
        QCOMPARE(CheckViewRectInteractionRollMap({5, 20, 5, 20}, view), 2);
        QCOMPARE(CheckViewRectInteractionRollMap(view, view), 2);
    }
};

QTEST_APPLESS_MAIN(TestPlaneGeometry)
#include "tst_planegeometry.moc"
