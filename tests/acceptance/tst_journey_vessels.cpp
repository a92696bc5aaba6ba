#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "model/targets/CSensorInfo.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include "FactorySettings.h"
#include "LogCapture.h"
#include "Motion.h"
#include "SimTrafficFreeze.h"
#include "WindowSimRig.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {

constexpr int WaitMs = WindowSimRig::WaitMs;
constexpr double DegreeToRadian = 3.14159265358979 / 180;
constexpr double EarthRadiusNm = 6371.0088 / 1.852;
// The program measures on the ellipsoid, the test on a sphere: they part by up to 0.3 %.
constexpr double RangeShare = 0.004;
constexpr double RangeTextStep = 0.005;
constexpr double BearingToleranceDeg = 0.3;
// By then the simulator's targets have changed places by range.
constexpr int64_t ReorderedFrom = 700;
constexpr int64_t ReorderedTo = 6500;

struct SPlace
{
    QString mmsi;
    Sim::SFix fix;
};

// What the user should see of a target, computed here from where the simulator puts it.
struct SVessel
{
    QString mmsi;
    Sim::SFix fix;
    double range = 0;
    double bearing = 0;
    double cpa = 0;
    double tcpaMinutes = 0;
};

Sim::SFix fixOf(const QByteArrayList& numbers)
{
    return {numbers.value(0).toDouble(), numbers.value(1).toDouble(), numbers.value(2).toDouble(),
            numbers.value(3).toDouble()};
}

// The own vessel first, then the targets, as the simulator's factory settings start them.
QList<SPlace> startingPlaces()
{
    Sim::CFactorySettings settings;
    QString error;
    if (!settings.load(TestEnv::SimProcess::factorySettingsPath(), &error))
        qFatal("%s", qPrintable(error));
    QList<SPlace> places{{QString(), fixOf(settings.value("traffic", "own").split(','))}};
    for (const QByteArray& target : settings.values("traffic", "target")) {
        const QByteArrayList numbers = target.split(',');
        places.append({QString::fromLatin1(numbers[0]), fixOf(numbers.mid(1))});
    }
    return places;
}

double greatCircleNm(const Sim::SFix& from, const Sim::SFix& to)
{
    const double lat1 = from.latitude * DegreeToRadian;
    const double lat2 = to.latitude * DegreeToRadian;
    const double dLat = lat2 - lat1;
    const double dLon = (to.longitude - from.longitude) * DegreeToRadian;
    const double h =
        std::pow(std::sin(dLat / 2), 2) + std::cos(lat1) * std::cos(lat2) * std::pow(std::sin(dLon / 2), 2);
    return 2 * EarthRadiusNm * std::asin(std::sqrt(h));
}

double initialBearingDeg(const Sim::SFix& from, const Sim::SFix& to)
{
    const double lat1 = from.latitude * DegreeToRadian;
    const double lat2 = to.latitude * DegreeToRadian;
    const double dLon = (to.longitude - from.longitude) * DegreeToRadian;
    const double north = std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon);
    const double bearing = std::atan2(std::sin(dLon) * std::cos(lat2), north);
    return std::fmod(bearing / DegreeToRadian + 360, 360);
}

// Closest approach on the plane around the own vessel, both running straight on.
void closestApproach(const Sim::SFix& own, const Sim::SFix& target, double* cpa, double* tcpaMinutes)
{
    const double x = (target.longitude - own.longitude) * 60 * std::cos(own.latitude * DegreeToRadian);
    const double y = (target.latitude - own.latitude) * 60;
    const auto velocity = [](const Sim::SFix& fix) {
        const double course = fix.course * DegreeToRadian;
        return QPointF(fix.speed * std::sin(course), fix.speed * std::cos(course));
    };
    const QPointF relative = velocity(target) - velocity(own);
    const double hours = -(x * relative.x() + y * relative.y()) / QPointF::dotProduct(relative, relative);
    *cpa = std::hypot(x + relative.x() * hours, y + relative.y() * hours);
    *tcpaMinutes = hours * 60;
}

// The targets at the simulator's clock, nearest first.
QList<SVessel> expectedVessels(int64_t clock)
{
    const QList<SPlace> places = startingPlaces();
    const Sim::SFix own = Sim::FixAt(places[0].fix, clock);
    QList<SVessel> vessels;
    for (const SPlace& place : places.mid(1)) {
        SVessel vessel{place.mmsi, Sim::FixAt(place.fix, clock)};
        vessel.range = greatCircleNm(own, vessel.fix);
        vessel.bearing = initialBearingDeg(own, vessel.fix);
        closestApproach(own, vessel.fix, &vessel.cpa, &vessel.tcpaMinutes);
        vessels.append(vessel);
    }
    std::sort(vessels.begin(), vessels.end(), [](const SVessel& a, const SVessel& b) { return a.range < b.range; });
    return vessels;
}

QStringList mmsisOf(const QList<SVessel>& vessels)
{
    QStringList mmsis;
    for (const SVessel& vessel : vessels)
        mmsis.append(vessel.mmsi);
    return mmsis;
}

double angleApart(double a, double b)
{
    const double apart = std::fmod(std::abs(a - b), 360);
    return std::min(apart, 360 - apart);
}

} // namespace

// Other Vessels on the simulated transponder: the user opens the page, sorts by range and sees
// the simulator's targets at their range and bearing, nearest first, and in a new order once
// they have moved.
class TestJourneyVessels : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    // Model 2 asks once about the power supply for its Wi-Fi set-up; not setting up Wi-Fi, the
    // user answers No.
    BoxAnswerer m_boxes;
    int64_t m_now = WindowSimRig::Start;

    QTableView* table() { return m_rig.ui()->tbvwOtherVessels; }

    int columnOf(const QString& header)
    {
        QAbstractItemModel* model = table()->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            if (model->headerData(column, Qt::Horizontal).toString().startsWith(header))
                return column;
        }
        return -1;
    }

    QString cell(int row, const QString& header)
    {
        return table()->model()->index(row, columnOf(header)).data().toString();
    }

    void clickHeader(int column)
    {
        QHeaderView* header = table()->horizontalHeader();
        table()->horizontalScrollBar()->setValue(header->sectionPosition(column));
        const int middle = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        const QPoint at(middle, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // What the rows show against the vessels, after a tick; empty when they agree.
    QString tickedMismatch(const QList<SVessel>& vessels)
    {
        m_rig.tickAt(++m_now);
        if (table()->model()->rowCount() != vessels.size())
            return QStringLiteral("%1 rows").arg(table()->model()->rowCount());
        for (int row = 0; row < vessels.size(); ++row) {
            const SVessel& vessel = vessels[row];
            const QStringList shown{cell(row, "MMSI"), cell(row, "Range"), cell(row, "Bearing"), cell(row, "Speed"),
                                    cell(row, "Course")};
            const QString seen = QStringLiteral("row %1 shows %2 for %3 at %4 NM %5° %6 kn %7°")
                                     .arg(row)
                                     .arg(shown.join(' '), vessel.mmsi)
                                     .arg(vessel.range, 0, 'f', 3)
                                     .arg(vessel.bearing, 0, 'f', 1)
                                     .arg(vessel.fix.speed)
                                     .arg(vessel.fix.course);
            const double rangeTolerance = RangeTextStep + vessel.range * RangeShare;
            if (shown[0] != vessel.mmsi || std::abs(shown[1].toDouble() - vessel.range) > rangeTolerance
                || angleApart(shown[2].toDouble(), vessel.bearing) > BearingToleranceDeg
                || std::abs(shown[3].toDouble() - vessel.fix.speed) > 0.05
                || angleApart(shown[4].toDouble(), vessel.fix.course) > 0.05)
                return seen;
        }
        return QString();
    }

    // CPA and TCPA are measured for every target, though no column shows them.
    void checkClosestApproach(const QList<SVessel>& vessels)
    {
        const auto measured = m_rig.device().getSensorInfo()->copyTargets();
        QCOMPARE(int(measured.size()), vessels.size());
        for (const SVessel& vessel : vessels) {
            const auto target = measured.find(vessel.mmsi.toUInt());
            QVERIFY2(target != measured.end() && target->second->aisData(), qPrintable(vessel.mmsi));
            const auto* record = target->second->aisData();
            QVERIFY2(std::abs(record->cpa - vessel.cpa) <= 0.01,
                     qPrintable(
                         QStringLiteral("%1: CPA %2, not %3").arg(vessel.mmsi).arg(record->cpa).arg(vessel.cpa)));
            QVERIFY2(std::abs(record->tcpa - vessel.tcpaMinutes) <= 0.2,
                     qPrintable(QStringLiteral("%1: TCPA %2, not %3").arg(vessel.mmsi).arg(record->tcpa).arg(
                         vessel.tcpaMinutes)));
        }
    }

    // The simulator's traffic held still; the vessels where its clock puts them.
    QList<SVessel> frozenVessels(int64_t* clock)
    {
        const QList<QByteArray> second = SimTrafficFreeze::freeze(m_rig.sim());
        *clock = second.isEmpty() ? -1 : SimTrafficFreeze::clockOf(m_rig.sim(), second);
        return *clock < 0 ? QList<SVessel>() : expectedVessels(*clock);
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
    }

    void init() { m_boxes.reset(QMessageBox::No); }

    void cleanup() { QVERIFY(m_rig.stop()); }

    void vesselsListedAndResorted_data()
    {
        QTest::addColumn<int>("model");
        QTest::newRow("UNIT-K-42") << 1;
        QTest::newRow("Q-375") << 2;
    }

    void vesselsListedAndResorted()
    {
        QFETCH(int, model);
        QVERIFY(m_rig.connectSim(model));
        m_now = WindowSimRig::Start;
        QVERIFY(m_rig.detect(&m_now));
        Ui::AisConfiguration* ui = m_rig.ui();
        QTest::mouseClick(ui->btnMMOtherVessels, Qt::LeftButton);
        QCOMPARE(ui->tbwgMain->currentWidget(), ui->tabMainOtherVessels);

        const int rangeColumn = columnOf("Range");
        QVERIFY(rangeColumn >= 0);
        QHeaderView* header = table()->horizontalHeader();
        clickHeader(rangeColumn);
        if (header->sortIndicatorOrder() != Qt::AscendingOrder)
            clickHeader(rangeColumn);
        QCOMPARE(header->sortIndicatorSection(), rangeColumn);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);

        int64_t clock = 0;
        const QList<SVessel> first = frozenVessels(&clock);
        QVERIFY(!first.isEmpty());
        QVERIFY2(clock < ReorderedFrom - 200, qPrintable(QString::number(clock)));
        QTRY_COMPARE_WITH_TIMEOUT(tickedMismatch(first), QString(), WaitMs);
        checkClosestApproach(first);

        // The simulator's clock run on until the targets have changed places.
        QList<SVessel> moved;
        for (int tries = 0; tries < 5 && clock < ReorderedFrom; ++tries) {
            QVERIFY(SimTrafficFreeze::fastForward(m_rig.sim(), 2000));
            QVERIFY(SimTrafficFreeze::resume(m_rig.sim()));
            moved = frozenVessels(&clock);
        }
        QVERIFY2(clock >= ReorderedFrom && clock < ReorderedTo, qPrintable(QString::number(clock)));
        QVERIFY(mmsisOf(moved) != mmsisOf(first));
        QTRY_COMPARE_WITH_TIMEOUT(tickedMismatch(moved), QString(), WaitMs);
        checkClosestApproach(moved);
        QCOMPARE(header->sortIndicatorSection(), rangeColumn);
    }
};

QTEST_MAIN(TestJourneyVessels)
#include "tst_journey_vessels.moc"
