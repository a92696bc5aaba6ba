#include "DeviceFixture.h"
#include "FactoryRecord.h"
#include "HandlerRoad.h"

#include <QtTest>
#include <atomic>
#include <thread>

using namespace DeviceFixture;

// The communication thread fills the records through the real receive road while the GUI thread
// compares and copies, reads the snapshots and resets, as the refresh loop does. Meant for the
// ThreadSanitizer build; elsewhere it still shows that nothing breaks.
class TestHandlerThreads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ReceiveRig::EnsureApplication(); }

    void fillWhileComparingAndCopying()
    {
        const QByteArray traffic = "!AIVDM,1,1,,B,177KQJ5000G?tO`K>RA1wUbN0TKH,0*5C\r\n"
                                   "!AIVDO,1,1,,A,B52K>;h00Fc>jpUlNV@ikwpUoP06,0*4E\r\n";
        const QByteArray rounds[] = {transcriptBytes(MACHINE_UNIT_K_42) + traffic,
                                     transcriptBytes(MACHINE_Q_375) + traffic};
        constexpr int ROUNDS = 400;

        Road road;
        std::atomic<bool> done{false};
        std::thread communication([&] {
            for (int i = 0; i < ROUNDS; ++i) {
                road.handle.setDevDetectState(DEV_STATE_LINK_SAVED);
                road.receive(rounds[i % 2]);
            }
            done = true;
        });
        int ticks = 0;
        while (!done) {
            if (road.handle.isChangedConfigDisp())
                road.handle.refreshConfigInfo();
            road.handle.updateDiagnosticsData();
            const CDiagnostics diagnostics = road.handle.getDiagnostics();
            const AIVER_S version = road.handle.getVersionInfo();
            QVERIFY(road.handle.getCurrentConfig().callSign[sizeof CSensorConfig::callSign - 1] == '\0');
            QVERIFY(diagnostics.rxCount[0] == 0 && qstrnlen(version.modelText, sizeof version.modelText) < 20);
            QVERIFY(road.handle.getModelNumber() >= 0 && road.handle.getDevDetectState() >= DEV_STATE_INITIAL);
            if (++ticks % 50 == 0)
                road.handle.initDiagnoseInfo();
            if (ticks % 170 == 0)
                road.handle.initConfigInfo();
        }
        communication.join();

        road.handle.setDevDetectState(DEV_STATE_LINK_SAVED);
        road.receive(rounds[1]);
        QCOMPARE(road.handle.getDevDetectState(), DEV_STATE_SYSTEM_DATA_END);
        road.handle.refreshConfigInfo();
        QVERIFY(road.handle.getShownConfig() == road.handle.getCurrentConfig());
        QCOMPARE(field(road.handle.getShownConfig(), "callSign"), factoryRecord(MACHINE_Q_375)["callSign"]);
        QVERIFY(road.handle.getDiagnostics().txCount[0] > 0);
    }
};

QTEST_MAIN(TestHandlerThreads)
#include "tst_handlerthreads.moc"
