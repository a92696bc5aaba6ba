#include "LogCapture.h"
#include "SampleStyleRecords.h"
#include "StyleSheetHarness.h"
#include "style/QtObjPalette.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

using Applier = std::function<void(QWidget*, STYLE_SHEET_COVER)>;

// One record of each kind with a little set, so that each applier's run is plain to read.
struct SmallRecords
{
    SWidgetColor color{0x000000, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET};
    WIDGET_FONT font{14, 0, ""};
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, 0xffffff};
    WIDGET_BORDER border{&line, nullptr};
    SWidgetGradientColor gradient{0, 0, 0, 1, 1, {0.5f}, {0x00ff00}};
    WIDGET_STYLE style{&color, &font, &border};
};

// Every covered applier over the given records.
QList<QPair<QString, Applier>> coveredAppliers(SWidgetColor& color, WIDGET_FONT& font, WIDGET_BORDER& border,
                                               SWidgetGradientColor& gradient, WIDGET_STYLE& style)
{
    return {
        {"setWidgetBaseStyle", [&](QWidget* w, STYLE_SHEET_COVER c) { QtObjPalette::setWidgetBaseStyle(w, style, c); }},
        {"setWidgetColorStyle", [&](QWidget* w, STYLE_SHEET_COVER c) { QtObjPalette::setWidgetColorStyle(w, color, c); }},
        {"setWidgetFontStyle", [&](QWidget* w, STYLE_SHEET_COVER c) { QtObjPalette::setWidgetFontStyle(w, font, c); }},
        {"setWidgetBorderStyle",
         [&](QWidget* w, STYLE_SHEET_COVER c) { QtObjPalette::setWidgetBorderStyle(w, border, c); }},
        {"setWidgetGradientColorStyle",
         [&](QWidget* w, STYLE_SHEET_COVER c) { QtObjPalette::setWidgetGradientColorStyle(w, gradient, c); }},
        {"setWidgetTransparentStyle",
         [](QWidget* w, STYLE_SHEET_COVER c) { QtObjPalette::setWidgetTransparentStyle(w, c); }},
    };
}

} // namespace

class TstStyleAppliers : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StyleSheetHarness> m_harness;

private slots:
    void initTestCase()
    {
        LogCapture::start();  // before the harness, which passes messages on to it
        m_harness = std::make_unique<StyleSheetHarness>();
    }

    void cleanupTestCase() { m_harness.reset(); }

    void transparentStyle_data()
    {
        QTest::addColumn<int>("cover");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bare") << -1 << "border: none;background-color: transparent;";
        QTest::newRow("object") << 0 << "#obj {border: none;background-color: transparent;}";
        QTest::newRow("descendant") << 1 << "#obj  {border: none;background-color: transparent;}";
        QTest::newRow("other value") << 7 << "#obj  {border: none;background-color: transparent;}";
    }

    void transparentStyle()
    {
        QFETCH(int, cover);
        QFETCH(QString, expected);
        QWidget widget;
        widget.setObjectName("obj");
        QtObjPalette::setWidgetTransparentStyle(&widget, STYLE_SHEET_COVER(cover));
        QCOMPARE(widget.styleSheet(), expected);
    }

    void runs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("run");
        QTest::newRow("base") << "setWidgetBaseStyle" << "color:#000000;font-size:14px;border:1px solid #ffffff;";
        QTest::newRow("colour") << "setWidgetColorStyle" << "color:#000000;";
        QTest::newRow("font") << "setWidgetFontStyle" << "font-size:14px;";
        QTest::newRow("border") << "setWidgetBorderStyle" << "border:1px solid #ffffff;";
        QTest::newRow("gradient") << "setWidgetGradientColorStyle"
                                  << "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.5 #00ff00);";
    }

    void runs()
    {
        QFETCH(QString, name);
        QFETCH(QString, run);
        SmallRecords r;
        Applier apply;
        for (const auto& [applierName, applier] : coveredAppliers(r.color, r.font, r.border, r.gradient, r.style)) {
            if (applierName == name)
                apply = applier;
        }
        QVERIFY(apply);
        QWidget widget;
        widget.setObjectName("wgPanel");
        apply(&widget, STYLE_SHEET_COVER_BARE);
        QCOMPARE(widget.styleSheet(), run);
        apply(&widget, STYLE_SHEET_COVER_OBJECT);
        QCOMPARE(widget.styleSheet(), "#wgPanel {" + run + "}");
        apply(&widget, STYLE_SHEET_COVER_DESCENDANT);
        QCOMPARE(widget.styleSheet(), "#wgPanel  {" + run + "}");
    }

    void emptyRunStillInstalls()
    {
        SWidgetColor unset;
        QWidget widget;
        widget.setObjectName("obj");
        widget.setStyleSheet("color:#123456;");
        QtObjPalette::setWidgetColorStyle(&widget, unset, STYLE_SHEET_COVER_BARE);
        QCOMPARE(widget.styleSheet(), QString());
        QtObjPalette::setWidgetColorStyle(&widget, unset, STYLE_SHEET_COVER_OBJECT);
        QCOMPARE(widget.styleSheet(), "#obj {}");
    }

    void secondStyleReplacesFirst()
    {
        SmallRecords r;
        QLabel label;
        label.setObjectName("lblTitle");
        QtObjPalette::setWidgetColorStyle(&label, r.color, STYLE_SHEET_COVER_OBJECT);
        QtObjPalette::setWidgetFontStyle(&label, r.font, STYLE_SHEET_COVER_OBJECT);
        QCOMPARE(label.styleSheet(), "#lblTitle {font-size:14px;}");
    }

    void labelStyleIsBare()
    {
        WIDGET_FONT font{14, 0, ""};
        WIDGET_LABEL style{nullptr, &font};
        QLabel label;
        label.setObjectName("lblName");
        QtObjPalette::setLabelStyle(&label, style);
        QCOMPARE(label.styleSheet(), "font-size:14px;");
        // Bare needs no name.
        QLabel nameless;
        QtObjPalette::setLabelStyle(&nameless, style);
        QCOMPARE(nameless.styleSheet(), "font-size:14px;");
    }

    void checkBoxStyle()
    {
        SmallRecords r;
        SWidgetColor checked;
        checked.background = 0xffffff;
        WIDGET_FONT ignored{20, 7, "Tahoma"};
        WIDGET_CHECK_BOX style;
        style.color = &r.color;
        style.checked = &checked;
        style.font = &ignored;
        style.checkedImage = ":/c.png";
        QWidget widget;
        QtObjPalette::setCheckBoxStyle(&widget, style);
        QCOMPARE(widget.styleSheet(),
                 "QCheckBox {color:#000000;}"
                 "QCheckBox::indicator:checked {background-color:#ffffff;image: url(:/c.png);}"
                 "QCheckBox::indicator:unchecked {image: url();}");
    }

    void tabWidgetWithoutFrame()
    {
        QTabWidget tabs;
        QtObjPalette::setTabWidgetNoFrameStyle(&tabs);
        QCOMPARE(tabs.styleSheet(), "QTabWidget::pane {border: none;}QTabBar::tab {height: 0px; top: 0px; border: 0px}");
        QCOMPARE(QtObjPalette::compTabWidgetNoFrameStyleSheet(), tabs.styleSheet());
    }

    // A block for a nameless widget would begin " {" and Qt would drop it whole.
    void namelessWidgetKeepsItsSheet()
    {
        SmallRecords r;
        for (const auto& [name, apply] : coveredAppliers(r.color, r.font, r.border, r.gradient, r.style)) {
            for (STYLE_SHEET_COVER cover : {STYLE_SHEET_COVER_OBJECT, STYLE_SHEET_COVER_DESCENDANT}) {
                QLabel label;
                label.setStyleSheet("color:#123456;");
                LogCapture::take();
                const QStringList failures = m_harness->check([&] { apply(&label, cover); });
                QCOMPARE(label.styleSheet(), "color:#123456;");
                QCOMPARE(failures, QStringList());
                QCOMPARE(LogCapture::take(), QStringList{name + " [W]QLabel without an object name: its sheet is left as it was"});
            }
        }
    }

    void nullWidgetsAreRefused()
    {
        SmallRecords r;
        WIDGET_LABEL label{&r.color, &r.font};
        WIDGET_CHECK_BOX checkBox;
        LogCapture::take();
        for (const auto& [name, apply] : coveredAppliers(r.color, r.font, r.border, r.gradient, r.style))
            apply(nullptr, STYLE_SHEET_COVER_BARE);
        QtObjPalette::setLabelStyle(nullptr, label);
        QtObjPalette::setCheckBoxStyle(nullptr, checkBox);
        QtObjPalette::setTabWidgetNoFrameStyle(nullptr);
        QtObjPalette::setWidgetBackground(nullptr, Qt::red, false);
        QtObjPalette::setWidgetTransparent(nullptr);
        QtObjPalette::setWidgetBtnIcon(nullptr, m_harness->imagePath());
        QtObjPalette::setWidgetLblIcon(nullptr, m_harness->imagePath());
        const QStringList lines = LogCapture::take();
        QCOMPARE(lines.size(), 13);
        for (const QString& line : lines)
            QVERIFY2(line.endsWith(" [W]No widget given: nothing styled"), qPrintable(line));
        QVERIFY(lines.first().startsWith("setWidgetBaseStyle "));
        QVERIFY(lines.last().startsWith("setWidgetLblIcon "));
    }

    void background_data()
    {
        QTest::addColumn<bool>("autoFillBefore");
        QTest::addColumn<bool>("keepAutoFill");
        QTest::addColumn<bool>("autoFillAfter");
        QTest::newRow("switched on") << false << false << true;
        QTest::newRow("kept off") << false << true << false;
        QTest::newRow("kept on") << true << true << true;
    }

    void background()
    {
        QFETCH(bool, autoFillBefore);
        QFETCH(bool, keepAutoFill);
        QFETCH(bool, autoFillAfter);
        QWidget widget;
        widget.setAutoFillBackground(autoFillBefore);
        const QColor color(0x12, 0x34, 0x56);
        QtObjPalette::setWidgetBackground(&widget, color, keepAutoFill);
        QCOMPARE(widget.autoFillBackground(), autoFillAfter);
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(widget.palette().brush(group, QPalette::Window), QBrush(color));
    }

    void transparentWidget()
    {
        QWidget widget;
        QtObjPalette::setWidgetTransparent(&widget);
        QVERIFY(widget.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(widget.testAttribute(Qt::WA_NoSystemBackground));
        QVERIFY(widget.autoFillBackground());
    }

    void icons()
    {
        QPushButton button;
        QtObjPalette::setWidgetBtnIcon(&button, m_harness->imagePath());
        QVERIFY(!button.icon().isNull());
        QCOMPARE(button.iconSize(), QSize(8, 8));
        QtObjPalette::setWidgetBtnIcon(&button, ":/missing.png");
        QVERIFY(button.icon().isNull());
        QCOMPARE(button.iconSize(), QSize(0, 0));

        QLabel label;
        QtObjPalette::setWidgetLblIcon(&label, m_harness->imagePath());
        QCOMPARE(label.pixmap(Qt::ReturnByValue).size(), QSize(8, 8));
        QCOMPARE(label.size(), label.sizeHint());
        QtObjPalette::setWidgetLblIcon(&label, ":/missing.png");
        QVERIFY(label.pixmap(Qt::ReturnByValue).isNull());
    }

    // Every applier, every cover, on the host and each child, with full and with empty records.
    void harnessRaisesNoWarning()
    {
        SampleStyleRecords full(m_harness->imagePath());
        WIDGET_STYLE fullStyle = full.style();
        WIDGET_LABEL fullLabel = full.label();
        WIDGET_CHECK_BOX fullCheckBox = full.checkBox();
        SWidgetColor noColor;
        WIDGET_FONT noFont;
        WIDGET_BORDER noBorder;
        SWidgetGradientColor noStops;
        WIDGET_STYLE noStyle;
        WIDGET_LABEL noLabel;
        WIDGET_CHECK_BOX noCheckBox;
        const auto appliers = coveredAppliers(full.color, full.font, full.border, full.gradient, fullStyle)
            + coveredAppliers(noColor, noFont, noBorder, noStops, noStyle);

        for (QWidget* widget : m_harness->widgets()) {
            for (const auto& [name, apply] : appliers) {
                for (STYLE_SHEET_COVER cover :
                     {STYLE_SHEET_COVER_BARE, STYLE_SHEET_COVER_OBJECT, STYLE_SHEET_COVER_DESCENDANT}) {
                    const QStringList failures = m_harness->check([&] { apply(widget, cover); });
                    QVERIFY2(failures.isEmpty(), qPrintable(name + ": " + widget->styleSheet()));
                }
            }
            const QList<std::function<void()>> fixed{
                [&] { QtObjPalette::setLabelStyle(widget, fullLabel); },
                [&] { QtObjPalette::setLabelStyle(widget, noLabel); },
                [&] { QtObjPalette::setCheckBoxStyle(widget, fullCheckBox); },
                [&] { QtObjPalette::setCheckBoxStyle(widget, noCheckBox); },
            };
            for (const auto& apply : fixed) {
                const QStringList failures = m_harness->check(apply);
                QVERIFY2(failures.isEmpty(), qPrintable(widget->styleSheet()));
            }
        }
        auto* tabs = m_harness->child<QTabWidget>();
        QCOMPARE(m_harness->check([&] { QtObjPalette::setTabWidgetNoFrameStyle(tabs); }), QStringList());
        LogCapture::take();
    }

    // The harness itself: a sheet Qt cannot parse is caught.
    void harnessCatchesBrokenSheets()
    {
        QCOMPARE(m_harness->check(QStringLiteral("QLabel {color:#ffffff;")).size(), 1);
        QCOMPARE(m_harness->check([&] { m_harness->child<QLabel>()->setStyleSheet(" {color:#ffffff;}"); }).size(), 1);
        QCOMPARE(m_harness->check(QStringLiteral("QLabel {color:#ffffff;}")), QStringList());
    }

    // A missing background image would otherwise be dropped without a word. (Qt says nothing of
    // a missing "image:" either; the render checks look for those.)
    void harnessCatchesMissingImages_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::newRow("label") << "QLabel {background-image: url(:/missing.png);}";
        QTest::newRow("hovered button") << "QPushButton {}QPushButton:hover {background-image: url(:/missing.png);}";
    }
    void harnessCatchesMissingImages()
    {
        QFETCH(QString, sheet);
        const QStringList failures = m_harness->check(sheet);
        QVERIFY2(!failures.isEmpty(), qPrintable(sheet));
        QVERIFY(failures.first().startsWith("Could not create pixmap from"));
        QCOMPARE(m_harness->check(QString(sheet).replace(":/missing.png", m_harness->imagePath())), QStringList());
    }
};

QTEST_MAIN(TstStyleAppliers)
#include "tst_styleappliers.moc"
