#include "../SensorRoad.h"

#include "model/tables/CTargetExchangeSet.h"

#include <QtTest>
#include <atomic>
#include <thread>

using namespace SensorRoad;

// The communication thread fills the registry through the real receive road while the GUI
// thread refreshes, rebuilds the Other Vessels rows and resets, as the program does. Meant for
// the ThreadSanitizer build; elsewhere it still shows that nothing breaks.
class TestRegistryThreads : public QObject
{
    Q_OBJECT

private slots:
    void fillWhileMeasuringAndRebuilding()
    {
        constexpr uint32_t FIRST = 211000000;
        constexpr int STATIONS = 150;
        constexpr int LINES = 3000;
        QList<QByteArray> lines;
        for (int i = 0; i < LINES; ++i) {
            const double north = (i % 60) / 600.0;
            lines << positionReport(FIRST + uint32_t(i * 7 % STATIONS), 45.0 + north, 10.0, 8.0f, 180.0f);
            if (i % 25 == 0)
                lines << positionReport(FIRST - 1, 45.0, 10.0 + north, 3.0f, 90.0f, true)
                      << SentenceFixture::closed("$HEHDT,12.5,T");
        }

        Road road;
        CTargetExchangeSet table;
        std::atomic<bool> done{false};
        std::thread communication([&] {
            for (const QByteArray& line : lines)
                road.receive(line);
            done = true;
        });
        int ticks = 0;
        while (!done) {
            road.tick();
            table.updateExchangeSet(&road.registry);
            if (++ticks % 8 == 0)
                road.registry.reset();
        }
        communication.join();

        road.receive(lines.first()); // a reset may have come after the last line
        road.tick();
        table.updateExchangeSet(&road.registry);
        const auto targets = road.registry.copyTargets();
        QVERIFY(!targets.empty());
        QCOMPARE(size_t(table.gridModel()->rowCount()), targets.size());
        for (const auto& entry : targets)
            QVERIFY(table.gridModel()->itemMap().count(entry.first) == 1);
    }
};

QTEST_MAIN(TestRegistryThreads)
#include "tst_registrythreads.moc"
