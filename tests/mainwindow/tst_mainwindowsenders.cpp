#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/ResourceCollections.h"

#include "LogCapture.h"
#include "WindowSimRig.h"

#include <QtTest>
#include <functional>

namespace {

constexpr int WaitMs = WindowSimRig::WaitMs;

using Sender = std::function<bool(AisConfiguration&)>;

} // namespace

Q_DECLARE_METATYPE(Sender)

// The window's single-sentence senders, read on the simulated transponder's side of the line,
// and the escape of reserved characters.
class TestMainWindowSenders : public QObject
{
    Q_OBJECT

private:
    WindowSimRig m_rig;
    AisConfiguration* m_window = nullptr;

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
        QVERIFY(m_rig.connectSim(1));
        m_window = &m_rig.window();
    }

    void cleanupTestCase() { QVERIFY(m_rig.stop()); }

    void sentenceOnTheWire_data()
    {
        QTest::addColumn<Sender>("send");
        QTest::addColumn<QByteArray>("wire");
        DBG_CMD_PARAM ports;
        ports.param[0] = 40;
        ports.param[1] = 5;
        ports.param[2] = 41;
        ports.param[3] = 2;
        DBG_CMD_PARAM settings;
        const int32_t values[] = {101, 1, 50, 0, 51, 3, 703, 5};
        std::copy(std::begin(values), std::end(values), settings.param);

        QTest::newRow("CFG query without sub-item")
            << Sender([](AisConfiguration& w) { return w.sendPQLXCfgSentToCommPort(false, 8117, CFG_SUB_NONE, 0); })
            << QByteArray("$PQLX,Q,CFG,8117,,,");
        QTest::newRow("CFG command with sub-item")
            << Sender([](AisConfiguration& w) {
                   return w.sendPQLXCfgSentToCommPort(true, 183, CFG_SUB_NMEA2000_INSTANCE, 300);
               })
            << QByteArray("$PQLX,C,CFG,183,2000,300,");
        QTest::newRow("DBG two pairs") << Sender([ports](AisConfiguration& w) {
            return w.sendPQLXDbgSentToCommPort(true, &ports, 2);
        }) << QByteArray("$PQLX,C,DBG,40,5,41,2,,,,,");
        QTest::newRow("DBG query, no pairs") << Sender([ports](AisConfiguration& w) {
            return w.sendPQLXDbgSentToCommPort(false, &ports, 0);
        }) << QByteArray("$PQLX,Q,DBG,,,,,,,,,");
        QTest::newRow("PDBG") << Sender([settings](AisConfiguration& w) { return w.sendPDBGSentToCommPort(&settings); })
                              << QByteArray("$PDBG,101,1,50,0,51,3,703,5,");
        QTest::newRow("MID") << Sender([](AisConfiguration& w) { return w.sendPQLXMidSentToCommPort(235000001); })
                             << QByteArray("$PQLX,C,MID,235000001");
        QTest::newRow("PMID") << Sender([](AisConfiguration& w) { return w.sendPMIDSentToCommPort(235000001); })
                              << QByteArray("$PMID,235000001,");
        QTest::newRow("SSD escapes name and call sign") << Sender([](AisConfiguration& w) {
            return w.sendECSSDSentToCommPort("TEST,SHIP", "AB*1", 10, 20, 3, 4);
        }) << QByteArray("$ECSSD,AB^2A1,TEST^2CSHIP,10,20,3,4,,");
        QTest::newRow("VSD") << Sender([](AisConfiguration& w) { return w.sendECVSDSentToCommPort(99); })
                             << QByteArray("$ECVSD,99,,,,,,,,");
        QTest::newRow("EPV nine digits") << Sender([](AisConfiguration& w) {
            return w.sendAIEPVSentToCommPort(12345, 109, 75);
        }) << QByteArray("$AIEPV,C,AI,000012345,109,75");
        QTest::newRow("EPV query") << Sender([](AisConfiguration& w) { return w.sendAIAIQSentToCommPort(); })
                                   << QByteArray("!AIAIQ,EPV");
        QTest::newRow("PTST") << Sender([](AisConfiguration& w) { return w.sendPTSTSentToCommPort(16); })
                              << QByteArray("$PTST,,,,,16");
    }

    void sentenceOnTheWire()
    {
        QFETCH(Sender, send);
        QFETCH(QByteArray, wire);
        QVERIFY(send(*m_window));
        // The simulator's checksum is its own.
        QVERIFY(m_rig.sim().waitForLog("in", wire + '*', WaitMs));
    }

    void versionProbeSetsTheStamp()
    {
        m_window->secondsSource().set(4242);
        QVERIFY(m_window->sendAIVER());
        QCOMPARE(m_window->lastQueryTime(), int64_t(4242));
        QVERIFY(m_rig.sim().waitForLog("in", "$AIAIQ,VER*3C", WaitMs));
    }

    void escape_data()
    {
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<int>("outSize");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<bool>("complete");
        QTest::newRow("all seven") << QByteArray("!$*,\\^~") << 64 << QByteArray("^21^24^2A^2C^5C^5E^7E") << true;
        QTest::newRow("plain copied") << QByteArray("AB12 CD") << 64 << QByteArray("AB12 CD") << true;
        QTest::newRow("empty") << QByteArray() << 1 << QByteArray() << true;
        QTest::newRow("mixed") << QByteArray("A,B*C") << 16 << QByteArray("A^2CB^2AC") << true;
        QTest::newRow("three times plus one fits") << QByteArray(",,") << 7 << QByteArray("^2C^2C") << true;
        QTest::newRow("no half escape") << QByteArray("A,B") << 4 << QByteArray("A") << false;
        QTest::newRow("no room at all") << QByteArray("A") << 1 << QByteArray() << false;
    }

    void escape()
    {
        QFETCH(QByteArray, in);
        QFETCH(int, outSize);
        QFETCH(QByteArray, out);
        QFETCH(bool, complete);
        QByteArray buffer(outSize + 8, '#');
        QCOMPARE(AisConfiguration::recomposeSentForReservedChar(buffer.data(), size_t(outSize), in.constData()),
                 complete);
        QCOMPARE(QByteArray(buffer.constData()), out);
        // Nothing written past the given size.
        QCOMPARE(buffer.mid(outSize), QByteArray(8, '#'));
    }
};

QTEST_MAIN(TestMainWindowSenders)
#include "tst_mainwindowsenders.moc"
