#include "LogCapture.h"
#include "style/QtObjPalette.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Sizes = QList<int>;

const Sizes StartUpSizes{7, 10, 11, 14, 16, 20, 24};

Sizes scaledSizes()
{
    const PALETTE_FONT& font = QtObjPalette::font();
    return Sizes(std::begin(font.scaledSizes), std::end(font.scaledSizes));
}

void writeIni(const QString& path, const QVariantMap& keys)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QStringLiteral("Env_Setting/DebugMode"), false);  // the file exists even without the group
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        settings.setValue(QStringLiteral("Palette_Font/") + it.key(), it.value());
}

} // namespace

class TstFontSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LogCapture::start(); }

    // Runs first: nothing has set the font yet.
    void defaultsBeforeStartUp()
    {
        const PALETTE_FONT& font = QtObjPalette::font();
        QCOMPARE(font.family, std::string("Tahoma"));
        QCOMPARE(int(font.baseSize), 12);
        QCOMPARE(font.zoom, 1.0);
        QCOMPARE(scaledSizes(), (Sizes{6, 8, 10, 12, 14, 17, 20}));
        QCOMPARE(Sizes(std::begin(font.standardSizes), std::end(font.standardSizes)),
                 (Sizes{4, 5, 6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 30}));
    }

    void startUp_data()
    {
        QTest::addColumn<bool>("haveFile");
        QTest::addColumn<QVariantMap>("keys");
        QTest::addColumn<int>("baseSize");
        QTest::addColumn<Sizes>("sizes");

        QTest::newRow("no file") << false << QVariantMap() << 14 << StartUpSizes;
        QTest::newRow("no group") << true << QVariantMap() << 14 << StartUpSizes;
        QTest::newRow("SizeNormal 16") << true << QVariantMap{{"Enable", true}, {"SizeNormal", 16}} << 16
                                       << Sizes{8, 11, 13, 16, 18, 22, 27};
        QTest::newRow("disabled") << true << QVariantMap{{"Enable", false}, {"SizeNormal", 20}, {"SizeZoom", 2}}
                                  << 14 << StartUpSizes;
        QTest::newRow("Enable absent") << true << QVariantMap{{"SizeNormal", 20}} << 14 << StartUpSizes;
        // Single precision: 1.15f is a little below 1.15, so 10 x 1.15 + 0.5 stays under 12.
        QTest::newRow("zoom read as float") << true
                                            << QVariantMap{{"Enable", true}, {"SizeNormal", 10}, {"SizeZoom", "1.15"}}
                                            << 10 << Sizes{6, 8, 9, 11, 13, 16, 20};
        QTest::newRow("SizeNormal 0") << true << QVariantMap{{"Enable", true}, {"SizeNormal", 0}} << 0
                                      << Sizes{0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("SizeNormal not a number") << true << QVariantMap{{"Enable", true}, {"SizeNormal", "big"}}
                                                 << 0 << Sizes{0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("SizeZoom 0") << true << QVariantMap{{"Enable", true}, {"SizeZoom", 0}} << 14
                                    << Sizes{0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("SizeNormal 255 clamped") << true << QVariantMap{{"Enable", true}, {"SizeNormal", 255}} << 255
                                                << Sizes{128, 179, 204, 255, 255, 255, 255};
        QTest::newRow("zoom clamped") << true
                                      << QVariantMap{{"Enable", true}, {"SizeNormal", 200}, {"SizeZoom", 2}}
                                      << 200 << Sizes{200, 255, 255, 255, 255, 255, 255};
        QTest::newRow("SizeNormal 300 refused") << true << QVariantMap{{"Enable", true}, {"SizeNormal", 300}}
                                                << 14 << StartUpSizes;
        QTest::newRow("SizeNormal -5 refused") << true << QVariantMap{{"Enable", true}, {"SizeNormal", -5}} << 14
                                               << StartUpSizes;
        QTest::newRow("negative zoom refused") << true << QVariantMap{{"Enable", true}, {"SizeZoom", -1.5}} << 14
                                               << StartUpSizes;
        QTest::newRow("infinite zoom refused") << true << QVariantMap{{"Enable", true}, {"SizeZoom", "inf"}} << 14
                                               << StartUpSizes;
        QTest::newRow("zoom beyond float refused") << true << QVariantMap{{"Enable", true}, {"SizeZoom", "1e39"}}
                                                   << 14 << StartUpSizes;
        QTest::newRow("refused size, zoom taken")
            << true << QVariantMap{{"Enable", true}, {"SizeNormal", 300}, {"SizeZoom", 2}} << 14
            << Sizes{14, 20, 22, 28, 32, 39, 48};
    }

    void startUp()
    {
        QFETCH(bool, haveFile);
        QFETCH(QVariantMap, keys);
        QFETCH(int, baseSize);
        QFETCH(Sizes, sizes);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("profile.ini"));
        if (haveFile)
            writeIni(path, keys);
        QtObjPalette::initialize(path, "Tahoma", 14, 1.0);

        QCOMPARE(int(QtObjPalette::font().baseSize), baseSize);
        QCOMPARE(scaledSizes(), sizes);
        QCOMPARE(QFileInfo::exists(path), haveFile);
        LogCapture::take();
    }

    void refusalsAreLogged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("profile.ini"));
        writeIni(path, {{"Enable", true}, {"SizeNormal", 300}, {"SizeZoom", -2}});
        LogCapture::take();

        QtObjPalette::initialize(path, "Tahoma", 14, 1.0);
        QtObjPalette::initialize(QString(), "Tahoma", 14, qQNaN());

        const QStringList lines = LogCapture::take();
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.at(0).startsWith("readProfileIni [W]Font base size 300 refused"), qPrintable(lines.at(0)));
        QVERIFY2(lines.at(1).startsWith("readProfileIni [W]Font zoom -2 refused"), qPrintable(lines.at(1)));
        QVERIFY2(lines.at(2).startsWith("initialize [W]Font zoom nan refused"), qPrintable(lines.at(2)));
        QCOMPARE(QtObjPalette::font().zoom, 1.0);
        QCOMPARE(scaledSizes(), StartUpSizes);
    }

    void familyAndZoomFromStartUp()
    {
        QtObjPalette::initialize(QString(), "Arial", 20, 0.5);
        const PALETTE_FONT& font = QtObjPalette::font();
        QCOMPARE(font.family, std::string("Arial"));
        QCOMPARE(font.zoom, 0.5);
        QCOMPARE(scaledSizes(), (Sizes{5, 7, 8, 10, 12, 14, 17}));
    }

    void writeCompletesTheGroupOnly()
    {
        QtObjPalette::initialize(QString(), "Tahoma", 14, 1.0);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("profile.ini"));
        writeIni(path, {{"SizeNormal", 20}});
        {
            QSettings settings(path, QSettings::IniFormat);
            QtObjPalette::writeProfileIni(&settings);
        }
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(settings.value("Palette_Font/Enable").toBool(), false);
        QCOMPARE(settings.value("Palette_Font/SizeNormal").toInt(), 20);
        QCOMPARE(settings.value("Palette_Font/SizeZoom").toDouble(), 1.0);
        QCOMPARE(int(QtObjPalette::font().baseSize), 14);
    }
};

QTEST_MAIN(TstFontSettings)
#include "tst_fontsettings.moc"
