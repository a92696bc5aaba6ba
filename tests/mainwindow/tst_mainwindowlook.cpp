#include "mainwindow/AisConfiguration.h"
#include "mainwindow/CAisConfigurationView.h"
#include "mainwindow/about/CAboutForm.h"
#include "resources/ResourceCollections.h"
#include "style/ObjPalette.h"
#include "style/QtObjPalette.h"
#include "ui_AisConfiguration.h"

#include "StartUpFont.h"
#include "StyleSheetHarness.h"
#include "TestEnv.h"

#include <QtTest>
#include <memory>
#include <optional>

namespace {

const char* const PageNames[AisConfiguration::PageCount] = {"home",          "configuration", "gps-status",
                                                            "diagnostics",   "other-vessels", "serial-data",
                                                            "wifi"};

// Set AIS_LOOK_GRAB_DIR to keep the grabs for a look by eye.
void keepGrab(const QPixmap& grab, const QString& name)
{
    const QString dir = qEnvironmentVariable("AIS_LOOK_GRAB_DIR");
    if (!dir.isEmpty())
        grab.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The sheet the given setter composes for a stand-in with the same object name.
template <class Setter>
QString sheetFor(const QWidget* widget, Setter setter)
{
    QWidget standIn;
    standIn.setObjectName(widget->objectName());
    setter(&standIn);
    return standIn.styleSheet();
}

QImage asImage(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// The whole window as the program builds it, with its look applied.
class TestMainWindowLook : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AisConfiguration> m_window;
    Ui::AisConfiguration* m_ui = nullptr;

    // Every page and the About dialog drawn; the grabs are kept when asked for.
    void drawEverything(AisConfiguration& window, const QString& suffix)
    {
        window.form()->wgMainMenu->setEnabled(true);
        for (int page = 0; page < AisConfiguration::PageCount; ++page) {
            window.updateCurPageDisp(page);
            keepGrab(window.grab(), QString::fromLatin1(PageNames[page]) + suffix);
        }
        auto* about = window.findChild<CAboutForm*>();
        QVERIFY(about);
        window.form()->btnThemeFunAbout->click();
        keepGrab(about->grab(), QStringLiteral("about") + suffix);
        about->close();
    }

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        useStartUpFont();
        m_window = std::make_unique<AisConfiguration>();
        m_ui = m_window->form();
    }

    void cleanupTestCase() { m_window.reset(); }

    void noSheetWarning_data()
    {
        QTest::addColumn<bool>("decimalComma");
        QTest::newRow("C locale") << false;
        QTest::newRow("decimal comma") << true;
    }

    // Every sheet the window and the dialog compose, built and drawn, parses and finds its images.
    void noSheetWarning()
    {
        QFETCH(bool, decimalComma);
        std::optional<TestEnv::ScopedDecimalComma> comma;
        const QLocale previous;
        if (decimalComma) {
            comma.emplace();
            if (!comma->isActive())
                QSKIP("no locale with a decimal comma could be built");
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        }
        StyleSheetHarness harness;
        const QStringList failures = harness.check([&] {
            AisConfiguration window;
            window.show();
            drawEverything(window, decimalComma ? QStringLiteral("-comma") : QString());
        });
        QLocale::setDefault(previous);
        QCOMPARE(failures, QStringList());
    }

    // The map style is applied and then replaced by the transparent sheet.
    void satelliteMapTransparent()
    {
        QWidget* map = m_ui->gpvwSatelliteMap;
        const QString transparent = sheetFor(map, [](QWidget* widget) {
            QtObjPalette::setWidgetTransparentStyle(widget, STYLE_SHEET_COVER_OBJECT);
        });
        const QString mapStyle = sheetFor(map, [](QWidget* widget) { ObjPalette::setSatelliteMapStyle(widget); });
        QVERIFY(transparent != mapStyle);
        QCOMPARE(map->styleSheet(), transparent);
        QCOMPARE(m_ui->gpvwHomeSatelliteMap->styleSheet(),
                 sheetFor(m_ui->gpvwHomeSatelliteMap, [](QWidget* widget) {
                     QtObjPalette::setWidgetTransparentStyle(widget, STYLE_SHEET_COVER_OBJECT);
                 }));
    }

    void onlyHomeMenuHasImage()
    {
        QVERIFY(m_ui->btnMMHome->styleSheet().contains(QLatin1String("url(:/MainMenu/Images/MainMenu/0.Home.png)")));
        for (QWidget* button : {m_ui->btnMMConfiguration, m_ui->btnMMGPSStatus, m_ui->btnMMDiagnostics,
                                m_ui->btnMMSerialData, m_ui->btnMMOtherVessels, m_ui->btnMMWiFi}) {
            QVERIFY2(!button->styleSheet().isEmpty(), qPrintable(button->objectName()));
            QVERIFY2(!button->styleSheet().contains(QLatin1String("url(")), qPrintable(button->objectName()));
        }
    }

    void startImages_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("image");
        const QString grey = QStringLiteral(":/Led/Symbol/Led/A30/Gray.png");
        const QString failed = QStringLiteral(":/ReportStatus/Images/ReportStatus/1.Failed.png");
        for (const char* lamp :
             {"imgDiagStatusPowerOk", "imgDiagStatusTxTimeout", "imgDiagStatusError", "imgDiagStatusSilentMode"})
            QTest::newRow(lamp) << lamp << grey;
        for (const char* check : {"imgDiagCheckMmsi", "imgDiagCheckExtPwr", "imgDiagCheckAisAnte",
                                  "imgDiagCheckGpsFix", "imgDiagCheckAisRxPos", "imgDiagCheckAisTxPos"})
            QTest::newRow(check) << check << failed;
        QTest::newRow("in view") << "imgSatelliteInView" << ":/Satellite/Graphic/Satellite/InView.png";
        QTest::newRow("in use") << "imgSatelliteInUse" << ":/Satellite/Graphic/Satellite/InUse.png";
    }

    // Until the device reports, the lamps are grey and every check failed.
    void startImages()
    {
        QFETCH(QString, label);
        QFETCH(QString, image);
        auto* shown = m_window->findChild<QLabel*>(label);
        QVERIFY(shown);
        const QImage expected(image);
        QVERIFY(!expected.isNull());
        QCOMPARE(asImage(shown->pixmap(Qt::ReturnByValue)), expected.convertToFormat(QImage::Format_ARGB32));
    }

    // Unchecked, the label tells in red that the device waits to be connected.
    void connectionStatusFollowsConnect()
    {
        CAisConfigurationView* view = m_window->view();
        m_ui->btnCommConnt->setChecked(true);
        view->updateCommConntDisp();
        const QString checked = m_ui->lblConntStatus->styleSheet();
        m_ui->btnCommConnt->setChecked(false);
        view->updateCommConntDisp();
        const QString unchecked = m_ui->lblConntStatus->styleSheet();
        QVERIFY(checked != unchecked);
        QVERIFY(unchecked.contains(QLatin1String("#ff0000")));
        QVERIFY(!checked.contains(QLatin1String("#ff0000")));
    }
};

QTEST_MAIN(TestMainWindowLook)
#include "tst_mainwindowlook.moc"
