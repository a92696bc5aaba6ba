#include "LogCapture.h"
#include "StartUpFont.h"
#include "StyleSheetHarness.h"
#include "resources/ResourceCollections.h"
#include "style/ObjPalette.h"

#include <QLabel>
#include <QTableView>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

const QString OtherVesselsBase =
    " QTableView {color:#000000;background-color:#ffffff;alternate-background-color:#ececec;"
    "border:1px solid #000000;border-radius:0px;}"
    " QHeaderView::section {width:0px;height:24px;color:#000000;background-color:#fffbf0;}"
    " QHeaderView::up-arrow {image: url(:/HeaderView/Widget/HeaderView/A16Gray/Up.png);}"
    " QHeaderView::down-arrow {image: url(:/HeaderView/Widget/HeaderView/A16Gray/Down.png);}";

QString tile(const QString& body, const char* image)
{
    return "#wgWiFiMode {" + body + "background-image: url(:/WiFiMode/Images/WiFiMode/" + image
        + ".png);background-position: center center;background-origin: content;background-repeat: none;}";
}

// Every setter of single widgets, over one widget.
QList<QPair<QString, std::function<void(QWidget*)>>> setters()
{
    return {
        {"setOtherVesselStyle", [](QWidget* w) { ObjPalette::setOtherVesselStyle(w, "", WG_COLOR_TONE_0); }},
        {"setOtherVesselStyle, tone 1", [](QWidget* w) { ObjPalette::setOtherVesselStyle(w, "obj", WG_COLOR_TONE_1); }},
        {"setSatelliteMapStyle", ObjPalette::setSatelliteMapStyle},
        {"setWiFiModeWgsStyle, access point",
         [](QWidget* w) { ObjPalette::setWiFiModeWgsStyle(w, LibraryImage::WIFI_MODE_AP, true, true); }},
        {"setWiFiModeWgsStyle, client",
         [](QWidget* w) { ObjPalette::setWiFiModeWgsStyle(w, LibraryImage::WIFI_MODE_CLIENT, false, false); }},
        {"setGroupStyle", [](QWidget* w) { ObjPalette::setGroupStyle(w, true); }},
        {"setInfoGroupStyle", ObjPalette::setInfoGroupStyle},
        {"setNormalTitleStyle", ObjPalette::setNormalTitleStyle},
        {"setBoldTextStyle", [](QWidget* w) { ObjPalette::setBoldTextStyle(w, false); }},
        {"setCornerTitleColorToneStyle",
         [](QWidget* w) { ObjPalette::setCornerTitleColorToneStyle(w, "", WG_COLOR_TONE_3); }},
        {"setPushBtnColorToneStyle", [](QWidget* w) { ObjPalette::setPushBtnColorToneStyle(w, "", WG_COLOR_TONE_5); }},
        {"setSelectorSwitchColorToneStyle",
         [](QWidget* w) { ObjPalette::setSelectorSwitchColorToneStyle(w, "obj", WG_COLOR_TONE_2, true); }},
        {"setAboutSoftwareNameLabelStyle", ObjPalette::setAboutSoftwareNameLabelStyle},
        {"setAboutSoftwareVersionLabelStyle", ObjPalette::setAboutSoftwareVersionLabelStyle},
        {"setConntStatusLabelStyle", [](QWidget* w) { ObjPalette::setConntStatusLabelStyle(w, true); }},
    };
}

} // namespace

class TstWidgetStyles : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StyleSheetHarness> m_harness;

private slots:
    void initTestCase()
    {
        LogCapture::start();
        m_harness = std::make_unique<StyleSheetHarness>();
        Resources::registerCollections();
        useStartUpFont();
    }

    void cleanupTestCase() { m_harness.reset(); }

    void otherVessels()
    {
        QTableView table;
        for (int tone : {0, 2, 3, 4, 5, 6, 99}) {
            ObjPalette::setOtherVesselStyle(&table, "", WG_COLOR_TONE_S(tone));
            QCOMPARE(table.styleSheet(), OtherVesselsBase);
        }
        ObjPalette::setOtherVesselStyle(&table, "tbvwOtherVessels", WG_COLOR_TONE_1);
        QCOMPARE(table.styleSheet(),
                 "#tbvwOtherVessels QTableView {color:#ffffff;background-color:#404040;"
                 "alternate-background-color:#505050;border:0px solid #000000;border-radius:0px;}"
                 "#tbvwOtherVessels QHeaderView::section {width:0px;height:24px;color:#ffffff;background-color:#000000;}"
                 "#tbvwOtherVessels QHeaderView::up-arrow {image: url(:/HeaderView/Widget/HeaderView/A16Gray/Up.png);}"
                 "#tbvwOtherVessels QHeaderView::down-arrow {image: url(:/HeaderView/Widget/HeaderView/A16Gray/Down.png);}");
    }

    void groupsAndPanels()
    {
        QWidget group;
        group.setObjectName("wgX");
        ObjPalette::setGroupStyle(&group, true);
        QCOMPARE(group.styleSheet(), "#wgX {background-color:#ececec;border:2px solid #a6caf0;border-radius:5px;}"
                                     "#wgX:hover {background-color:#fffbf0;}");
        ObjPalette::setGroupStyle(&group, false);
        QCOMPARE(group.styleSheet(), "#wgX {background-color:#fffbf0;border:2px solid #a6caf0;border-radius:5px;}");
        ObjPalette::setInfoGroupStyle(&group);
        QCOMPARE(group.styleSheet(), "#wgX {background-color:#c0c0c0;border:0px solid #808080;border-radius:10px;}"
                                     " QLabel {color:#000000;font-size:14px;font-weight:400;font-family:\"Tahoma\";}");
        ObjPalette::setSatelliteMapStyle(&group);
        QCOMPARE(group.styleSheet(), "border: none;background-color:#282828;");
    }

    // The enabled flag shows only on the selected tile.
    void wiFiModeTiles()
    {
        QWidget wgWiFiMode;
        wgWiFiMode.setObjectName("wgWiFiMode");
        const QString unselected = tile("border: none;background-color:#ffffff;", "0.AP Mode");
        for (bool enabled : {true, false}) {
            ObjPalette::setWiFiModeWgsStyle(&wgWiFiMode, LibraryImage::WIFI_MODE_AP, false, enabled);
            QCOMPARE(wgWiFiMode.styleSheet(), unselected);
        }
        ObjPalette::setWiFiModeWgsStyle(&wgWiFiMode, LibraryImage::WIFI_MODE_CLIENT, true, true);
        QCOMPARE(wgWiFiMode.styleSheet(),
                 tile("border:2px dashed #808080;border-radius:5px;background-color:#a6caf0;", "1.Client Mode"));
        ObjPalette::setWiFiModeWgsStyle(&wgWiFiMode, LibraryImage::WIFI_MODE_CLIENT, true, false);
        QCOMPARE(wgWiFiMode.styleSheet(),
                 tile("border:2px dashed #808080;border-radius:5px;background-color:#c0c0c0;", "1.Client Mode"));
    }

    void textStyles_data()
    {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("normal title") << "setNormalTitleStyle"
                                      << "color:#000000;font-size:14px;font-weight:700;font-family:\"Tahoma\";";
        QTest::newRow("bold text") << "setBoldTextStyle" << "color:#ffffff;font-size:20px;font-weight:700;font-family:\"Tahoma\";";
        QTest::newRow("about name") << "setAboutSoftwareNameLabelStyle"
                                    << "color:#000000;font-size:16px;font-weight:700;font-family:\"Tahoma\";";
        QTest::newRow("about version") << "setAboutSoftwareVersionLabelStyle"
                                       << "color:#000000;font-size:12px;font-weight:400;font-family:\"Tahoma\";";
        QTest::newRow("connection alert") << "setConntStatusLabelStyle"
                                          << "color:#ff0000;font-size:14px;font-weight:400;font-family:\"Tahoma\";";
    }
    void textStyles()
    {
        QFETCH(QString, setter);
        QFETCH(QString, sheet);
        QLabel label;
        for (const auto& [name, set] : setters()) {
            if (name == setter)
                set(&label);
        }
        QCOMPARE(label.styleSheet(), sheet);
    }

    void flagsPickTheColour()
    {
        QLabel label;
        ObjPalette::setBoldTextStyle(&label, true);
        QVERIFY(label.styleSheet().startsWith("color:#000000;"));
        ObjPalette::setConntStatusLabelStyle(&label, false);
        QVERIFY(label.styleSheet().startsWith("color:#000000;"));
    }

    void toneSetters()
    {
        QWidget widget;
        ObjPalette::setPushBtnColorToneStyle(&widget, "", WG_COLOR_TONE_5);
        QCOMPARE(widget.styleSheet(), ObjPalette::compPushButtonColorToneStyle("", WG_COLOR_TONE_5, true, 5));
        ObjPalette::setCornerTitleColorToneStyle(&widget, "", WG_COLOR_TONE_3);
        QCOMPARE(widget.styleSheet(), ObjPalette::compCornerShapeColorToneStyle("", WG_COLOR_TONE_3, false, true));
        ObjPalette::setSelectorSwitchColorToneStyle(&widget, "wgX", WG_COLOR_TONE_2, true);
        QCOMPARE(widget.styleSheet(), ObjPalette::compSelectorSwitchColorToneStyle("wgX", WG_COLOR_TONE_2, true));
        ObjPalette::setReportStatusStyle(&widget);
        QCOMPARE(widget.styleSheet(), ObjPalette::compSelectorSwitchColorToneStyle("wgX", WG_COLOR_TONE_2, true));
    }

    // A "#name" block for a nameless widget would make Qt drop the whole sheet.
    void namelessWidgetsKeepTheirSheet()
    {
        const QList<QPair<QString, std::function<void(QWidget*)>>> named{
            {"setWiFiModeWgsStyle",
             [](QWidget* w) { ObjPalette::setWiFiModeWgsStyle(w, LibraryImage::WIFI_MODE_AP, true, true); }},
            {"setGroupStyle", [](QWidget* w) { ObjPalette::setGroupStyle(w, false); }},
            {"setInfoGroupStyle", ObjPalette::setInfoGroupStyle},
        };
        for (const auto& [name, set] : named) {
            QLabel nameless;
            nameless.setStyleSheet("color:#123456;");
            LogCapture::take();
            const QStringList failures = m_harness->check([&] { set(&nameless); });
            QCOMPARE(failures, QStringList());
            QCOMPARE(nameless.styleSheet(), "color:#123456;");
            QCOMPARE(LogCapture::take(), QStringList{name + " [W]QLabel without an object name: its sheet is left as it was"});
        }
    }

    void nullWidgetsAreRefused()
    {
        LogCapture::take();
        for (const auto& [name, set] : setters())
            set(nullptr);
        ObjPalette::setReportStatusStyle(nullptr);
        const QStringList lines = LogCapture::take();
        QCOMPARE(lines.size(), setters().size());
        for (const QString& line : lines)
            QVERIFY2(line.endsWith(" [W]No widget given: nothing styled"), qPrintable(line));
    }

    // Each setter on each named widget of the harness: Qt reads the sheet and loads its images.
    void harnessRaisesNoWarning()
    {
        for (QWidget* widget : m_harness->widgets()) {
            for (const auto& [name, set] : setters()) {
                const QStringList failures = m_harness->check([&] { set(widget); });
                QVERIFY2(failures.isEmpty(), qPrintable(name + ": " + widget->styleSheet() + '\n' + failures.join('\n')));
            }
        }
    }
};

QTEST_MAIN(TstWidgetStyles)
#include "tst_widgetstyles.moc"
