#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "resources/LibraryImage.h"
#include "resources/ResourceCollections.h"
#include "support/Singleton.h"
#include "ui_AisConfiguration.h"

#include "StandInPortLister.h"
#include "WindowDeviceFeed.h"

#include <QHeaderView>
#include <QImage>
#include <QtTest>
#include <memory>

namespace {

// A real position report (message 1, from the libais examples) on the given channel.
QByteArray positionReport(const QByteArray& talker, char channel)
{
    return CWindowDeviceFeed::closed(talker + ",1,1,," + channel + ",15N1u<PP1FJuvSRHOE6QIwwh0HQ6,0");
}

// The image of a group entry whose file is named so, as the resources hold it.
QImage resourceImage(bool led, const QString& name)
{
    const LibraryImage* images = Pattern::Singleton<LibraryImage>::Instance();
    for (int index = 0; index < 5; ++index) {
        const QString path = QString::fromStdString(led ? images->getLedIconPath(0, index)
                                                        : images->getReportStatusIconPath(index));
        if (path.contains('/' + name + '.'))
            return QImage(path).convertToFormat(QImage::Format_ARGB32);
    }
    return QImage();
}

QImage shownImage(const QLabel* label)
{
    return label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// The Diagnostics and Other Vessels pages as the refresh tick fills them from records that the
// device's own receive road set: status lamps, system checks and message counts (the images
// compared with the resources'), and the vessel table's order.
class TestMainWindowDiagnostics : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AisConfiguration> m_window;
    std::unique_ptr<CWindowDeviceFeed> m_feed;
    Ui::AisConfiguration* m_ui = nullptr;

    CAisSentenceHandle& handle() { return m_window->commSpaces()->getDeviceComm().getSentenceHandle(); }

    // The device's replies taken over for display, then one tick.
    void receiveAndTick(const QByteArray& bytes)
    {
        m_feed->receive(bytes);
        handle().refreshConfigInfo();
        m_window->onTimerRefresh();
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        for (const char* name : {"Red", "Green", "Orange", "Gray"})
            QVERIFY2(!resourceImage(true, name).isNull(), name);
        QVERIFY(resourceImage(false, "0.Good") != resourceImage(false, "1.Failed"));
        QVERIFY(resourceImage(true, "Green") != resourceImage(true, "Gray"));
    }

    void init()
    {
        m_window = std::make_unique<AisConfiguration>(nullptr, std::make_shared<CStandInPortLister>());
        m_window->refreshTimer()->stop();
        m_window->secondsSource().set(1000);
        m_ui = m_window->form();
        m_feed = std::make_unique<CWindowDeviceFeed>(m_window->commSpaces()->getDeviceComm());
        handle().setDevDetectState(DEV_STATE_CONFIG_SHOWN);
    }

    void cleanup()
    {
        m_feed.reset();
        m_window.reset();
    }

    void statusLamps_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("lamps"); // power OK, Tx time-out, error, silent mode
        QTest::addColumn<QString>("externalPower");
        QTest::newRow("not reported") << QByteArray() << QStringList{"Gray", "Gray", "Gray", "Gray"} << "1.Failed";
        QTest::newRow("all present") << QByteArray("$PQLX,R,CFG,8117,1234,1111,4")
                                     << QStringList{"Green", "Orange", "Red", "Orange"} << "0.Good";
        QTest::newRow("value 2") << QByteArray("$PQLX,R,CFG,8117,1234,2222,4")
                                 << QStringList{"Gray", "Gray", "Gray", "Gray"} << "1.Failed";
        QTest::newRow("power only") << QByteArray("$PQLX,R,CFG,8117,1234,1000,4")
                                    << QStringList{"Green", "Gray", "Gray", "Gray"} << "0.Good";
        QTest::newRow("silent, no power") << QByteArray("$PQLX,R,CFG,8117,1234,0001,4")
                                          << QStringList{"Gray", "Gray", "Gray", "Orange"} << "1.Failed";
    }

    void statusLamps()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, lamps);
        QFETCH(QString, externalPower);
        receiveAndTick((reply.isEmpty() ? QByteArray() : CWindowDeviceFeed::closed(reply))
                       + "S/N:(223456789)\r\nFirmware:2.00\r\n");
        const QList<QLabel*> lampLabels{m_ui->imgDiagStatusPowerOk, m_ui->imgDiagStatusTxTimeout,
                                        m_ui->imgDiagStatusError, m_ui->imgDiagStatusSilentMode};
        for (int i = 0; i < lampLabels.size(); ++i) {
            QVERIFY2(shownImage(lampLabels[i]) == resourceImage(true, lamps[i]),
                     qPrintable(lampLabels[i]->objectName()));
        }
        QVERIFY(shownImage(m_ui->imgDiagCheckExtPwr) == resourceImage(false, externalPower));
        QCOMPARE(m_ui->lblDiagProductSNValue->text(), QStringLiteral("223456789"));
        QCOMPARE(m_ui->lblDiagProductFVValue->text(), QStringLiteral("2.00"));
    }

    void systemChecks_data()
    {
        QTest::addColumn<QByteArray>("traffic");
        QTest::addColumn<QStringList>("checks"); // MMSI, GPS fix, received, transmitted
        QTest::addColumn<QStringList>("counts"); // Rx A, Rx B, Tx A, Tx B
        const QString good = "0.Good";
        const QString failed = "1.Failed";
        QTest::newRow("nothing") << QByteArray() << QStringList{failed, failed, failed, failed}
                                 << QStringList{"0", "0", "0", "0"};
        QTest::newRow("received 0 and 3")
            << positionReport("!AIVDM", 'B') + positionReport("!AIVDM", 'B') + positionReport("!AIVDM", 'B')
            << QStringList{failed, failed, good, failed} << QStringList{"0", "3", "0", "0"};
        QTest::newRow("MMSI 0") << QByteArray("MMSI:(0)\r\n") << QStringList{failed, failed, failed, failed}
                                << QStringList{"0", "0", "0", "0"};
        QTest::newRow("MMSI and own report")
            << QByteArray("MMSI:(235000001)\r\n") + positionReport("!AIVDO", 'A') + positionReport("!AIVDM", 'A')
            << QStringList{good, good, good, good} << QStringList{"1", "0", "1", "0"};
    }

    void systemChecks()
    {
        QFETCH(QByteArray, traffic);
        QFETCH(QStringList, checks);
        QFETCH(QStringList, counts);
        receiveAndTick(traffic);
        const QList<QLabel*> icons{m_ui->imgDiagCheckMmsi, m_ui->imgDiagCheckGpsFix, m_ui->imgDiagCheckAisRxPos,
                                   m_ui->imgDiagCheckAisTxPos};
        for (int i = 0; i < icons.size(); ++i)
            QVERIFY2(shownImage(icons[i]) == resourceImage(false, checks[i]), qPrintable(icons[i]->objectName()));
        const QStringList shown{m_ui->lblDiagRxChAValue->text(), m_ui->lblDiagRxChBValue->text(),
                                m_ui->lblDiagTxChAValue->text(), m_ui->lblDiagTxChBValue->text()};
        QCOMPARE(shown, counts);
    }

    // The page's Refresh forgets what the device reported and shows it so at once.
    void refreshButtonResetsTheShownDiagnostics()
    {
        receiveAndTick(CWindowDeviceFeed::closed("$PQLX,R,CFG,8117,1234,1111,4") + positionReport("!AIVDM", 'B'));
        QVERIFY(shownImage(m_ui->imgDiagStatusPowerOk) == resourceImage(true, "Green"));
        QCOMPARE(m_ui->lblDiagRxChBValue->text(), QStringLiteral("1"));

        m_ui->btnDiagRefresh->click();
        for (QLabel* lamp : {m_ui->imgDiagStatusPowerOk, m_ui->imgDiagStatusTxTimeout, m_ui->imgDiagStatusError,
                             m_ui->imgDiagStatusSilentMode})
            QVERIFY2(shownImage(lamp) == resourceImage(true, "Gray"), qPrintable(lamp->objectName()));
        QVERIFY(shownImage(m_ui->imgDiagCheckAisRxPos) == resourceImage(false, "1.Failed"));
        QCOMPARE(m_ui->lblDiagRxChBValue->text(), QStringLiteral("0"));
    }

    // Vessels rebuilt by the tick stay in the order the user chose.
    void otherVesselsKeepSortOrder()
    {
        QFile examples(QStringLiteral(AIS_REFDATA_DIR "/ais-libais/typeexamples.nmea"));
        QVERIFY(examples.open(QIODevice::ReadOnly));
        QByteArray traffic;
        for (const QByteArray& line : examples.readAll().split('\n')) {
            const int sum = line.indexOf('*');
            if (line.startsWith("!AIVDM,1,1,") && sum > 0)
                traffic += line.left(sum + 3) + "\r\n";
        }
        receiveAndTick(traffic);
        m_window->enableConfigDisp();
        m_window->updateCurPageDisp(4);
        QCOMPARE(m_ui->tbwgMain->currentWidget(), m_ui->tabMainOtherVessels);
        QTableView* table = m_ui->tbvwOtherVessels;
        QVERIFY(table->model()->rowCount() >= 3);
        table->sortByColumn(0, Qt::DescendingOrder);

        receiveAndTick(traffic);
        // The MMSI column sorts as text.
        const auto mmsiAt = [table](int row) { return table->model()->index(row, 0).data().toString(); };
        QCOMPARE(table->horizontalHeader()->sortIndicatorSection(), 0);
        QCOMPARE(table->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        for (int row = 1; row < table->model()->rowCount(); ++row)
            QVERIFY2(mmsiAt(row - 1) > mmsiAt(row), qPrintable(mmsiAt(row)));
    }
};

QTEST_MAIN(TestMainWindowDiagnostics)
#include "tst_mainwindowdiagnostics.moc"
