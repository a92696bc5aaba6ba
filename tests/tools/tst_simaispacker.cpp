#include "AisPacker.h"
#include "SixBitReader.h"

#include <QtTest>

using namespace Sim;

namespace {

// Two published example messages and their published decodes (positions in degrees).
const QByteArray ClassAPayload = "177KQJ5000G?tO`K>RA1wUbN0TKH";
const QByteArray ClassBPayload = "B52K>;h00Fc>jpUlNV@ikwpUoP06";

double degrees(int32_t units)
{
    return units / 600000.0;
}

// The fields the position reports share, from the bit where their speed begins.
SPosition readPosition(const SixBitReader& bits, int start)
{
    SPosition position;
    position.speed = static_cast<int>(bits.unsignedField(start, 10));
    position.accurate = bits.unsignedField(start + 10, 1) != 0;
    position.longitude = bits.signedField(start + 11, 28);
    position.latitude = bits.signedField(start + 39, 27);
    position.course = static_cast<int>(bits.unsignedField(start + 66, 12));
    position.heading = static_cast<int>(bits.unsignedField(start + 78, 9));
    position.second = static_cast<int>(bits.unsignedField(start + 87, 6));
    return position;
}

void comparePosition(const SPosition& position, int speed, double longitude, double latitude, int course, int heading,
                     int second)
{
    QCOMPARE(position.speed, speed);
    QCOMPARE(position.accurate, false);
    QVERIFY(qAbs(degrees(position.longitude) - longitude) < 1e-5);
    QVERIFY(qAbs(degrees(position.latitude) - latitude) < 1e-5);
    QCOMPARE(position.course, course);
    QCOMPARE(position.heading, heading);
    QCOMPARE(position.second, second);
}

} // namespace

class TestSimAisPacker : public QObject
{
    Q_OBJECT

private slots:
    // The fields read at their published positions equal the published decode, and packed again
    // they give the payload back, character for character.
    void rebuildsTheClassAExample()
    {
        const SixBitReader bits(ClassAPayload);
        QCOMPARE(bits.size(), 168);
        QCOMPARE(bits.unsignedField(0, 6), 1u);
        SPositionReportA report;
        report.repeat = static_cast<int>(bits.unsignedField(6, 2));
        report.mmsi = bits.unsignedField(8, 30);
        report.navStatus = static_cast<int>(bits.unsignedField(38, 4));
        report.rateOfTurn = bits.signedField(42, 8);
        report.position = readPosition(bits, 50);
        report.manoeuvre = static_cast<int>(bits.unsignedField(143, 2));
        report.raim = bits.unsignedField(148, 1) != 0;
        report.radio = bits.unsignedField(149, 19);

        QCOMPARE(report.repeat, 0);
        QCOMPARE(report.mmsi, 477553000u);
        QCOMPARE(report.navStatus, 5);
        QCOMPARE(report.rateOfTurn, 0);
        comparePosition(report.position, 0, -122.345832, 47.582833, 510, 181, 15);
        QCOMPARE(report.manoeuvre, 0);
        QCOMPARE(report.raim, false);
        QCOMPARE(report.radio, 149208u);

        QCOMPARE(PackPositionReportA(report), ClassAPayload);
    }

    void rebuildsTheClassBExample()
    {
        const SixBitReader bits(ClassBPayload);
        QCOMPARE(bits.size(), 168);
        QCOMPARE(bits.unsignedField(0, 6), 18u);
        QCOMPARE(bits.unsignedField(38, 8), 0u);
        QCOMPARE(bits.unsignedField(139, 2), 0u);
        SPositionReportB report;
        report.repeat = static_cast<int>(bits.unsignedField(6, 2));
        report.mmsi = bits.unsignedField(8, 30);
        report.position = readPosition(bits, 46);
        report.carrierSense = bits.unsignedField(141, 1) != 0;
        report.display = bits.unsignedField(142, 1) != 0;
        report.dsc = bits.unsignedField(143, 1) != 0;
        report.wholeBand = bits.unsignedField(144, 1) != 0;
        report.message22 = bits.unsignedField(145, 1) != 0;
        report.assigned = bits.unsignedField(146, 1) != 0;
        report.raim = bits.unsignedField(147, 1) != 0;
        report.radio = bits.unsignedField(148, 20);

        QCOMPARE(report.repeat, 0);
        QCOMPARE(report.mmsi, 338087471u);
        comparePosition(report.position, 1, -74.072132, 40.684540, 796, 511, 49);
        QCOMPARE(report.carrierSense, true);
        QCOMPARE(report.display, false);
        QCOMPARE(report.dsc, true);
        QCOMPARE(report.wholeBand, true);
        QCOMPARE(report.message22, true);
        QCOMPARE(report.assigned, false);
        QCOMPARE(report.raim, true);
        QCOMPARE(report.radio, 917510u);

        QCOMPARE(PackPositionReportB(report), ClassBPayload);
    }

    // A message that does not end on a character boundary is filled up with zero bits.
    void fillsTheLastCharacter()
    {
        CSixBitPacker packer;
        packer.add(-1, 8);
        QCOMPARE(packer.payload(), QByteArray("wh"));
        QCOMPARE(packer.fillBits(), 4);
    }
};

QTEST_GUILESS_MAIN(TestSimAisPacker)
#include "tst_simaispacker.moc"
