#include "LogCapture.h"
#include "StartUpFont.h"
#include "StyleSheetHarness.h"
#include "resources/ResourceCollections.h"
#include "style/ObjPalette.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

// "background-image: url(P);" and the three declarations that centre it.
QString centred(const QString& path)
{
    return "background-image: url(" + path
        + ");background-position: center center;background-origin: content;background-repeat: none;";
}

} // namespace

class TstPageStyles : public QObject
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

    void labelStyles()
    {
        QLabel label;
        ObjPalette::setLabelColor(&label, 0x123456);
        QCOMPARE(label.styleSheet(), "color:#123456;");
        ObjPalette::setHomeMoreLabelStyle(&label);
        QCOMPARE(label.styleSheet(), "color:#1e90ff;font-size:14px;font-weight:700;font-family:\"Tahoma\";");
        ObjPalette::setAdvencedCfgMoreLabelStyle(&label);
        QCOMPARE(label.styleSheet(), "color:#00ffff;font-size:14px;font-weight:700;font-family:\"Tahoma\";");
    }

    void borderTitle()
    {
        QToolButton logo;
        QLabel title;
        ObjPalette::setBorderTitleStyle(&logo, &title);
        QCOMPARE(logo.styleSheet(), "border: none;");
        QCOMPARE(title.styleSheet(), "color:#282828;font-size:14px;font-weight:700;font-family:\"Tahoma\";");
        QLabel aboutTitle;
        ObjPalette::setBorderTitleStyle(nullptr, &aboutTitle);
        QCOMPARE(aboutTitle.styleSheet(), title.styleSheet());

        LogCapture::take();
        ObjPalette::setBorderTitleStyle(&logo, nullptr);
        QCOMPARE(LogCapture::take(), QStringList{"setLabelStyle [W]No widget given: nothing styled"});
    }

    void windowControls()
    {
        QToolButton close;
        ObjPalette::setWinCtrlIconStyle(&close, WG_COLOR_NOT_SET, ResourceImage::WG_WINCTRL_CLOSE);
        QCOMPARE(close.styleSheet(), "QWidget {" + centred(":/WinCtrl/Widget/WinCtrl/A20/0.Close.png")
                                         + "border: none;}QWidget:hover {"
                                         + centred(":/WinCtrl/Widget/WinCtrl/A20/0.Close_Hover.png") + "}");
        ObjPalette::setWinCtrlIconStyle(&close, 0x123456, ResourceImage::WG_WINCTRL_MINI);
        QCOMPARE(close.styleSheet(), "QWidget {background-color:#123456;" + centred(":/WinCtrl/Widget/WinCtrl/A20/1.Mini.png")
                                         + "border: none;}QWidget:hover {background-color:#123456;"
                                         + centred(":/WinCtrl/Widget/WinCtrl/A20/1.Mini_Hover.png") + "}");
    }

    void functionIcons()
    {
        QToolButton button;
        ObjPalette::setAboutIconStyle(&button);
        const QString about = centred(":/ThemeFun/Images/ThemeFun/1.About.png");
        QCOMPARE(button.styleSheet(), "QToolButton {border-top-left-radius:0px;border-top-right-radius:0px;"
                                      "border-bottom-right-radius:0px;border-bottom-left-radius:0px;"
                                          + about + "}QToolButton::hover {" + about
                                          + "}QToolButton:pressed {padding-top:1px;}");
        ObjPalette::setHelpIconStyle(&button);
        QVERIFY(button.styleSheet().contains("url(:/ThemeFun/Images/ThemeFun/2.Book.png)"));
        ObjPalette::setWidgetIconStyle(&button, ":/ThemeFun/Images/ThemeFun/0.Help.png");
        QCOMPARE(button.styleSheet(), "QWidget {" + centred(":/ThemeFun/Images/ThemeFun/0.Help.png") + "border: none;}");
        ObjPalette::setConfigVslDimStyle(&button);
        QCOMPARE(button.styleSheet(), centred(":/Vessel/Images/Vessel/Dimension.png"));
    }

    // The gradient's stops stand at 0.5, 1.0 and 0.5, in this order.
    void mainMenu()
    {
        const QString menu = " QToolButton {color:#a9a9a9;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, "
                             "stop:0.5 #505050, stop:1.0 #000000, stop:0.5 #505050);font-size:15px;font-weight:900;"
                             "font-family:\"Tahoma\";border:1px solid #ffffff;border-left:1px solid #808080;"
                             "border-top:5px solid #808080;border-right:1px solid #808080;}"
                             " QToolButton::checked {color:#483d8b;background-color:#ffffff;"
                             "border-top:5px solid #483d8b;}";
        QCOMPARE(ObjPalette::compMenuStyle("", ""), menu);
        QCOMPARE(ObjPalette::compMenuStyle("", ":/MainMenu/Images/MainMenu/0.Home.png"),
                 menu + " QToolButton {" + centred(":/MainMenu/Images/MainMenu/0.Home.png") + "}");
        QVERIFY(ObjPalette::compMenuStyle("wgMainMenu", "").startsWith("#wgMainMenu QToolButton {"));
        QToolButton button;
        ObjPalette::setMainMenuStyle(&button, "");
        QCOMPARE(button.styleSheet(), menu);
    }

    void homeTitle()
    {
        QPushButton button;
        ObjPalette::setHomeTitleStyle(&button);
        QCOMPARE(button.styleSheet(),
                 "QPushButton {color:#ffffff;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, "
                 "stop:0.0 #696969, stop:0.5 #000000, stop:1.0 #696969);border:1px solid #c0c0c0;"
                 "border-top-left-radius:0px;border-top-right-radius:0px;border-bottom-right-radius:20px;"
                 "border-bottom-left-radius:0px;border-right:0px;font-size:16px;font-weight:700;"
                 "font-family:\"Tahoma\";outline-width:0px;}"
                 "QPushButton::checked {color:#000000;background-color:#fffbf0;border:0px solid #c0c0c0;}");
    }

    void gpsPanels()
    {
        QWidget group;
        group.setObjectName("wgHomeGps");
        ObjPalette::setHomeSatelliteGroupStyle(&group);
        QCOMPARE(group.styleSheet(), "#wgHomeGps {background-color:#282828;border:2px solid #a6caf0;border-radius:5px;}"
                                     "#wgHomeGps:hover {background-color:#505050;}");

        QWidget status;
        status.setObjectName("wgGpsStatus");
        ObjPalette::setSatelliteStatusStyle(&status);
        QCOMPARE(status.styleSheet(), "#wgGpsStatus {background-color:#282828;border:2px solid #a6caf0;border-radius:5px;}"
                                      " QLabel {color:#ffffff;font-size:16px;font-weight:400;font-family:\"Tahoma\";}");
        useDefaultFont();
        ObjPalette::setSatelliteStatusStyle(&status);
        useStartUpFont();
        QVERIFY(status.styleSheet().contains("font-size:14px;"));
    }

    // A "#name" block for a nameless widget would make Qt drop the whole sheet.
    void namelessPanelsKeepTheirSheet()
    {
        const QList<QPair<QString, std::function<void(QWidget*)>>> setters{
            {"setHomeSatelliteGroupStyle", ObjPalette::setHomeSatelliteGroupStyle},
            {"setSatelliteStatusStyle", ObjPalette::setSatelliteStatusStyle},
        };
        for (const auto& [name, set] : setters) {
            QWidget nameless;
            nameless.setStyleSheet("color:#123456;");
            LogCapture::take();
            set(&nameless);
            QCOMPARE(nameless.styleSheet(), "color:#123456;");
            set(nullptr);
            QCOMPARE(LogCapture::take(), QStringList({name + " [W]QWidget without an object name: its sheet is left as it was",
                                                      name + " [W]No widget given: nothing styled"}));
        }
    }

    void nullWidgetsAreRefused()
    {
        LogCapture::take();
        ObjPalette::setWinCtrlIconStyle(nullptr, WG_COLOR_NOT_SET, ResourceImage::WG_WINCTRL_CLOSE);
        ObjPalette::setAboutIconStyle(nullptr);
        ObjPalette::setHelpIconStyle(nullptr);
        ObjPalette::setWidgetIconStyle(nullptr, "");
        ObjPalette::setMainMenuStyle(nullptr, "");
        ObjPalette::setHomeTitleStyle(nullptr);
        ObjPalette::setConfigVslDimStyle(nullptr);
        ObjPalette::setLabelColor(nullptr, 0);
        const QStringList lines = LogCapture::take();
        QCOMPARE(lines.size(), 8);
        for (const QString& line : lines)
            QVERIFY2(line.endsWith(" [W]No widget given: nothing styled"), qPrintable(line));
    }

    void sameSheetTwice()
    {
        QPushButton button;
        ObjPalette::setHomeTitleStyle(&button);
        const QString first = button.styleSheet();
        ObjPalette::setHomeTitleStyle(&button);
        QCOMPARE(button.styleSheet(), first);
    }

    // Each operation on a named widget of each class: Qt reads the sheet and loads its images.
    void harnessRaisesNoWarning()
    {
        const QList<std::function<void(QWidget*)>> setters{
            [](QWidget* w) { ObjPalette::setLabelColor(w, 0x123456); },
            [](QWidget* w) { ObjPalette::setBorderTitleStyle(w, w); },
            [](QWidget* w) { ObjPalette::setWinCtrlIconStyle(w, WG_COLOR_NOT_SET, ResourceImage::WG_WINCTRL_CLOSE); },
            [](QWidget* w) { ObjPalette::setWinCtrlIconStyle(w, 0x123456, ResourceImage::WG_WINCTRL_MINI); },
            ObjPalette::setAboutIconStyle,
            ObjPalette::setHelpIconStyle,
            [](QWidget* w) { ObjPalette::setWidgetIconStyle(w, ":/ThemeFun/Images/ThemeFun/0.Help.png"); },
            [](QWidget* w) { ObjPalette::setMainMenuStyle(w, ":/MainMenu/Images/MainMenu/0.Home.png"); },
            [](QWidget* w) { ObjPalette::setMainMenuStyle(w, ""); },
            ObjPalette::setHomeTitleStyle,
            ObjPalette::setHomeMoreLabelStyle,
            ObjPalette::setHomeSatelliteGroupStyle,
            ObjPalette::setConfigVslDimStyle,
            ObjPalette::setAdvencedCfgMoreLabelStyle,
            ObjPalette::setSatelliteStatusStyle,
        };
        for (QWidget* widget : m_harness->widgets()) {
            for (const auto& set : setters) {
                const QStringList failures = m_harness->check([&] { set(widget); });
                QVERIFY2(failures.isEmpty(), qPrintable(widget->styleSheet() + '\n' + failures.join('\n')));
            }
        }
    }
};

QTEST_MAIN(TstPageStyles)
#include "tst_pagestyles.moc"
