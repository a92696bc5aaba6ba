#include "support/NewMath.h"
#include "support/Singleton.h"

#include <QtTest>
#include <cmath>

using namespace Portal::Math;

class TestNewMath : public QObject
{
    Q_OBJECT

    NewMath* math() { return Pattern::Singleton<NewMath>::Instance(); }

private slots:
    void tableEntries()
    {
        float s = -9, c = -9;
        math()->getSinCosRadian(&s, &c, 90);
        QCOMPARE(s, 1.0f);
        QCOMPARE(c, 0.0f);
        math()->getSinCosRadian(&s, &c, 180);
        QCOMPARE(s, 0.0f);
        QCOMPARE(c, -1.0f);
        math()->getSinCosRadian(&s, &c, 45);
        QCOMPARE(s, static_cast<float>(std::sin(45 * 0.0174532925)));
        QCOMPARE(c, static_cast<float>(std::cos(45 * 0.0174532925)));
    }

    void anyDegreeIndexesTheTable_data()
    {
        QTest::addColumn<int>("degree");
        QTest::addColumn<int>("same");
        QTest::newRow("450") << 450 << 90;
        QTest::newRow("-90") << -90 << 270;
        QTest::newRow("360") << 360 << 0;
        QTest::newRow("-721") << -721 << 359;
    }
    void anyDegreeIndexesTheTable()
    {
        QFETCH(int, degree);
        QFETCH(int, same);
        float s1, c1, s2, c2;
        math()->getSinCosRadian(&s1, &c1, degree);
        math()->getSinCosRadian(&s2, &c2, same);
        QCOMPARE(s1, s2);
        QCOMPARE(c1, c2);
        int x1, y1, x2, y2;
        math()->originRotationXY(&x1, &y1, 0, 0, 100, degree);
        math()->originRotationXY(&x2, &y2, 0, 0, 100, same);
        QCOMPARE(x1, x2);
        QCOMPARE(y1, y2);
    }

    void rotatePoint_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("type");
        QTest::addColumn<QPoint>("result");
        QTest::newRow("90 by table") << 90 << int(ANGLE_TYPE_TABLE) << QPoint(0, 10);
        QTest::newRow("90 computed") << 90 << int(ANGLE_TYPE_COMPUTED) << QPoint(0, 10);
        QTest::newRow("0 by table unchanged") << 0 << int(ANGLE_TYPE_TABLE) << QPoint(10, 0);
        QTest::newRow("360 by table unchanged") << 360 << int(ANGLE_TYPE_TABLE) << QPoint(10, 0);
        QTest::newRow("450 by table") << 450 << int(ANGLE_TYPE_TABLE) << QPoint(0, 10);
        QTest::newRow("180 by table") << 180 << int(ANGLE_TYPE_TABLE) << QPoint(-10, 0);
    }
    void rotatePoint()
    {
        QFETCH(int, angle);
        QFETCH(int, type);
        QFETCH(QPoint, result);
        int x = 0, y = 0;
        math()->convterRotationPoint(&x, &y, 10, 0, 0, 0, angle, ANGLE_TYPE(type));
        QCOMPARE(QPoint(x, y), result);

        double dx = 0, dy = 0;
        math()->convterRotationPoint(&dx, &dy, 10.0, 0.0, 0.0, 0.0, float(angle), ANGLE_TYPE(type));
        QVERIFY(std::abs(dx - result.x()) < 1e-5);
        QVERIFY(std::abs(dy - result.y()) < 1e-5);
    }

    void rotateAboutCentre()
    {
        int x = 0, y = 0;
        math()->convterRotationPoint(&x, &y, 15, 5, 5, 5, 90, ANGLE_TYPE_TABLE);
        QCOMPARE(QPoint(x, y), QPoint(5, 15));
    }

    void originRotation()
    {
        int x = 0, y = 0;
        math()->originRotationXY(&x, &y, 100, 100, 10, 90);
        QCOMPARE(QPoint(x, y), QPoint(100, 90));
        int xy[2] = {};
        math()->originRotationXY(xy, 100, 100, 10, 0);
        QCOMPARE(QPoint(xy[0], xy[1]), QPoint(110, 100));
        math()->originRotationXY(&x, &y, 100, 100, 10, 180.0f);
        QCOMPARE(QPoint(x, y), QPoint(90, 100));
    }

    void rounding()
    {
        QCOMPARE(RoundToInt(-2.5), -2);
        QCOMPARE(RoundToInt(2.5), 3);
        QCOMPARE(RoundToInt(-2.6), -3);
    }

    void rotationRecord()
    {
        ROTATION_DATA data;
        math()->calRotationParameter(&data, 90.0f, 21, 11);
        QCOMPARE(data.cx, 10);
        QCOMPARE(data.cy, 5);
        math()->calRotationPos(&data, 4, 0);
        QCOMPARE(QPoint(data.x, data.y), QPoint(10, 1));

        double x = 0, y = 0;
        math()->calRotationPos(&x, &y, 4.0, 0.0, 90.0);
        QCOMPARE(x, 0.0);
        QCOMPARE(y, -4.0);
    }
};

QTEST_APPLESS_MAIN(TestNewMath)
#include "tst_newmath.moc"
