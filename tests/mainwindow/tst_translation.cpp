#include "resources/ResourceCollections.h"

#include <QResource>
#include <QTranslator>
#include <QtTest>

namespace {

const QString MainFile = QStringLiteral(":/Translations/Languages/AisConfiguration_en.qm");
const QString CopyRightFile = QStringLiteral(":/Translations/Languages/CopyRight_en.qm");

} // namespace

// The compiled-in English translation, read as Qt reads it.
class TestTranslation : public QObject
{
    Q_OBJECT

private:
    QTranslator m_main;
    QTranslator m_copyRight;

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        QVERIFY(m_main.load(MainFile));
        QVERIFY(m_copyRight.load(CopyRightFile));
    }

    void storage()
    {
        QCOMPARE(QResource(MainFile).compressionAlgorithm(), QResource::NoCompression);
        QCOMPARE(QResource(CopyRightFile).compressionAlgorithm(), QResource::ZlibCompression);
    }

    void entries_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        QTest::newRow("key in QObject") << "QObject" << "DeviceConfirm" << "Save settings to device?";
        // Entries are per context: the form's context has none for the key.
        QTest::newRow("key in the form") << "AisConfiguration" << "DeviceConfirm" << "";
        QTest::newRow("not translated") << "QObject" << "Wi-Fi Configuration" << "";
        QTest::newRow("connect check") << "QObject" << "ConnectCheckTip" << "Determining the AIS Device Type...";
        QTest::newRow("disconnect tip") << "QObject" << "DisconnectTip" << "Click to connect the device!";
        QTest::newRow("ship name tip") << "QObject" << "InvalidShipNameTip"
                                       << QString::fromUtf8("The field \u201cShip's Name\u201d cannot be left blank");
        QTest::newRow("call sign tip") << "QObject" << "InvalidCallSignTip"
                                       << QString::fromUtf8("The field \u201cCall Sign\u201d cannot be left blank");
        QTest::newRow("ampersand") << "QObject" << "51 = Search & rescue vessel" << "51 = Search & rescue vessel";
        QTest::newRow("greater than") << "QObject" << "32 = Vessel-Tow>200m,breadth>25m"
                                      << "32 = Vessel-Tow>200m,breadth>25m";
        QTest::newRow("leading blank") << "QObject" << " - IN USE" << " - IN USE";
        QTest::newRow("form text") << "AisConfiguration" << "More..." << "More...";
        QTest::newRow("about form") << "CAboutForm" << "AIS Class B Configuration" << "AIS Class B Configuration";
        QTest::newRow("mmsi help") << "QObject"
                                   << "MMSI - A unique nine digit number that identifies a particular ship or shore "
                                      "station.\n\nThe MMSI can be programmed only once. Please contact your dealer if "
                                      "you are unsure of your MMSI number."
                                   << "MMSI (Maritime Mobile Service Identity) - A unique nine digit number that "
                                      "identifies a particular ship or shore station.\n\nThe MMSI can be programmed "
                                      "only once. Please contact your dealer if you are unsure of your MMSI number.";
    }

    // An empty expectation: the file has no entry, so Qt shows the source text.
    void entries()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, expected);
        QCOMPARE(m_main.translate(context.toLatin1().constData(), source.toLatin1().constData()), expected);
    }

    void notices()
    {
        for (const char* key : {"CopyrightBase", "CopyrightVELK", "CopyrightQt"}) {
            const QString notice = m_copyRight.translate("QObject", key);
            QVERIFY2(!notice.isEmpty() && notice != QLatin1String(key), key);
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "tst_translation.moc"
