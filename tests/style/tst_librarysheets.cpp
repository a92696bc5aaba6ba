#include "SampleStyleRecords.h"
#include "StyleSheetHarness.h"
#include "style/QtObjPalette.h"

#include <QFrame>
#include <QPushButton>
#include <QtTest>
#include <functional>

namespace {

struct SmallRecords : SmallStyleRecords
{
    SWidgetGradientColor gradient{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0x000000}};
    WIDGET_SIZE size{-1, 20};
    WIDGET_MARGIN margin{2, -1, -1, -1};
};

// Sheets that name no object: each composer over full and over empty records.
QStringList fixedSelectorSheets(SampleStyleRecords& r)
{
    WIDGET_COMBO_SUIT comboSuit = r.comboSuit(), noComboSuit;
    WIDGET_DROP_MENU_ITEM item = r.dropMenuItem(), noItem;
    WIDGET_GLOW_LABEL glow = r.glowLabel(), noGlow;
    WIDGET_AFFIXES_LABEL affixes = r.affixesLabel(), noAffixes;
    WIDGET_TASK_BAR taskBar = r.taskBar(), noTaskBar;
    WIDGET_GROUP_BTN group = r.groupButton(), noGroup;
    return {QtObjPalette::compComboGuideStyleSheet(comboSuit),  QtObjPalette::compComboGuideStyleSheet(noComboSuit),
            QtObjPalette::compDropMenuItemStyleSheet(item),     QtObjPalette::compDropMenuItemStyleSheet(noItem),
            QtObjPalette::compGlowLabelStyleSheet(glow),        QtObjPalette::compGlowLabelStyleSheet(noGlow),
            QtObjPalette::compAffixesLabelStyleSheet(affixes),  QtObjPalette::compAffixesLabelStyleSheet(noAffixes),
            QtObjPalette::compTaskBarStyleSheet(taskBar),       QtObjPalette::compTaskBarStyleSheet(noTaskBar),
            QtObjPalette::compGroupButtonStyleSheet(group),     QtObjPalette::compGroupButtonStyleSheet(noGroup)};
}

QStringList namedSheets(SampleStyleRecords& r, const QString& name, bool descendant)
{
    WIDGET_SLIDER slider = r.slider(), noSlider;
    WIDGET_GROUP_BOX box = r.groupBox(), noBox;
    SWidgetColor noColor;
    QStringList sheets{QtObjPalette::compSliderStyleSheet(name, slider, descendant),
                       QtObjPalette::compSliderStyleSheet(name, noSlider, descendant),
                       QtObjPalette::compGroupBoxStyleSheet(name, box, descendant),
                       QtObjPalette::compGroupBoxStyleSheet(name, noBox, descendant)};
    for (int direction : {0, 1, 2}) {
        sheets << QtObjPalette::compLineStyleSheet(name, r.color, descendant, WG_LINE_DIRECTION_S(direction))
               << QtObjPalette::compLineStyleSheet(name, noColor, descendant, WG_LINE_DIRECTION_S(direction));
    }
    return sheets;
}

} // namespace

class TstLibrarySheets : public QObject
{
    Q_OBJECT

private slots:
    void sheets_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("expected");
        SmallRecords r;

        WIDGET_COMBO_SUIT noColours;
        QTest::newRow("combo popup, no colours")
            << QtObjPalette::compComboGuideStyleSheet(noColours)
            << "QAbstractItemView {background-color: transparent;border: none;outline: none;"
               "show-decoration-selected: 1;}QAbstractItemView::item:hover {}QAbstractItemView::item:selected {}"
               "QAbstractItemView::branch {border-image: none;image: none;}";
        WIDGET_COMBO_SUIT comboSuit{&r.white, &r.dark};
        QTest::newRow("combo popup")
            << QtObjPalette::compComboGuideStyleSheet(comboSuit)
            << "QAbstractItemView {background-color: transparent;border: none;outline: none;"
               "show-decoration-selected: 1;}QAbstractItemView::item:hover {color:#ffffff;}"
               "QAbstractItemView::item:selected {background-color:#202020;}"
               "QAbstractItemView::branch {border-image: none;image: none;}";

        WIDGET_DROP_MENU_BTN button{&r.white, nullptr, &r.border, nullptr, ""};
        QTest::newRow("drop-menu button, no image")
            << QtObjPalette::compDropMenuBtnStyleSheet(button)
            << "color:#ffffff;border:1px solid #808080;border-radius:5px;padding-left:3px;";
        WIDGET_DROP_MENU_BTN imageButton{nullptr, nullptr, nullptr, nullptr, ":/menu.png"};
        QTest::newRow("drop-menu button, image")
            << QtObjPalette::compDropMenuBtnStyleSheet(imageButton)
            << "background-image: url(:/menu.png);background-position: center center;background-origin: content;"
               "background-repeat: none;padding-left:3px;";

        WIDGET_DROP_MENU_ITEM item{&r.white, &r.dark, nullptr, &r.white, &r.font, &r.line};
        QTest::newRow("drop-menu items")
            << QtObjPalette::compDropMenuItemStyleSheet(item)
            << "QPushButton {color:#ffffff;font-size:14px;font-weight:700;font-family:\"Tahoma\";"
               "border:1px solid #808080;}QPushButton:checked {background-color:#202020;}QPushButton:hover {}"
               "QPushButton:hover:checked {color:#ffffff;}";

        WIDGET_PADDING padding{4, -1, 4, -1};
        WIDGET_GLOW_LABEL glow{&r.white, nullptr, &padding};
        QTest::newRow("glow label") << QtObjPalette::compGlowLabelStyleSheet(glow)
                                    << "QLabel {color:#ffffff;padding-left:4px;padding-right:4px;}";
        WIDGET_AFFIXES_LABEL affixes{nullptr, &r.font};
        QTest::newRow("affix labels") << QtObjPalette::compAffixesLabelStyleSheet(affixes)
                                      << "QLabel {font-size:14px;font-weight:700;font-family:\"Tahoma\";}";

        WIDGET_TASK_BAR taskBar{&r.dark, &r.border, WG_ALIGNMENT_CENTER, &r.gradient};
        QTest::newRow("task bar")
            << QtObjPalette::compTaskBarStyleSheet(taskBar)
            << "QProgressBar {background-color:#202020;border:1px solid #808080;border-radius:5px;text-align:center;}"
               "QProgressBar::chunk {background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, "
               "stop:0.0 #ffffff, stop:1.0 #000000);}";

        WIDGET_SLIDER slider{&r.size, &r.radius, &r.size, &r.line, &r.margin, &r.size, nullptr,
                             &r.gradient, &r.dark, &r.size, &r.line, nullptr, &r.margin};
        QTest::newRow("slider")
            << QtObjPalette::compSliderStyleSheet("sld", slider, false)
            << "QSlider#sld {height:20px;}"
               "QSlider#sld::groove:horizontal {height:20px;border:1px solid #808080;border-radius:5px;margin-left:2px;}"
               "QSlider#sld::sub-page:horizontal {height:20px;border-radius:5px;background: qlineargradient(x1:0.0, "
               "y1:0.0, x2:0.0, y2:1.0, stop:0.0 #ffffff, stop:1.0 #000000);}"
               "QSlider#sld::add-page:horizontal {height:20px;background-color:#202020;border-radius:5px;}"
               "QSlider#sld::handle:horizontal {height:20px;border:1px solid #808080;border-radius:5px;"
               "margin-left:2px;}";
        // The four sizes count as not set when null.
        WIDGET_SLIDER noSlider;
        QTest::newRow("slider, all null")
            << QtObjPalette::compSliderStyleSheet("", noSlider, false)
            << "QSlider {}QSlider::groove:horizontal {}QSlider::sub-page:horizontal {}"
               "QSlider::add-page:horizontal {}QSlider::handle:horizontal {}";

        QTest::newRow("line, horizontal") << QtObjPalette::compLineStyleSheet("", r.dark, false, WG_LINE_DIRECTION_HORIZONTAL)
                                          << "QFrame[frameShape=\"4\"]  {background-color:#202020;}";
        QTest::newRow("line, vertical, named")
            << QtObjPalette::compLineStyleSheet("lnSep", r.white, true, WG_LINE_DIRECTION_VERTICAL)
            << "#lnSep QFrame[frameShape=\"5\"]  {color:#ffffff;}";
        SWidgetColor unset;
        QTest::newRow("line, any frame, no colours")
            << QtObjPalette::compLineStyleSheet("lnSep", unset, false, WG_LINE_DIRECTION_S(2)) << "QFrame#lnSep {}";

        WIDGET_GROUP_BOX box{&r.dark, &r.border, &r.margin};
        QTest::newRow("group box") << QtObjPalette::compGroupBoxStyleSheet("", box, true)
                                   << " QGroupBox {background-color:#202020;border:1px solid #808080;border-radius:5px;"
                                      "margin-left:2px;} QGroupBox::title {background-color:#202020;"
                                      "border:1px solid #808080;border-radius:5px;margin-left:2px;}";
        // A null border counts as not set.
        WIDGET_GROUP_BOX noBorder{&r.dark, nullptr, nullptr};
        QTest::newRow("group box, no border") << QtObjPalette::compGroupBoxStyleSheet("gpbx", noBorder, false)
                                              << "QGroupBox#gpbx {background-color:#202020;}"
                                                 "QGroupBox#gpbx::title {background-color:#202020;}";

        WIDGET_GROUP_BTN group{&r.white, &r.dark, &r.gradient, &r.border, nullptr, &r.font, nullptr, WG_ALIGNMENT_LEFT};
        QTest::newRow("group buttons")
            << QtObjPalette::compGroupButtonStyleSheet(group)
            << "QAbstractButton {color:#ffffff;background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, "
               "stop:0.0 #ffffff, stop:1.0 #000000);border:1px solid #808080;border-radius:5px;font-size:14px;"
               "font-weight:700;font-family:\"Tahoma\";}QAbstractButton::checked {background-color:#202020;"
               "text-align:left;}";
        WIDGET_GROUP_BTN noGroup;
        noGroup.textAlignment = WG_ALIGNMENT_RIGHT;
        QTest::newRow("group buttons, nothing set")
            << QtObjPalette::compGroupButtonStyleSheet(noGroup)
            << "QAbstractButton {}QAbstractButton::checked {text-align:right;}";
    }

    void sheets()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, expected);
        QCOMPARE(sheet, expected);
    }

    void gettersGiveTheComposersSheets()
    {
        SampleStyleRecords r(":/image.png");
        WIDGET_COMBO_SUIT comboSuit = r.comboSuit();
        WIDGET_DROP_MENU_BTN button = r.dropMenuButton();
        WIDGET_DROP_MENU_ITEM item = r.dropMenuItem();
        WIDGET_GLOW_LABEL glow = r.glowLabel();
        WIDGET_AFFIXES_LABEL affixes = r.affixesLabel();
        WIDGET_TASK_BAR taskBar = r.taskBar();
        QCOMPARE(QtObjPalette::getComboGuideStyleSheet(comboSuit), QtObjPalette::compComboGuideStyleSheet(comboSuit));
        QCOMPARE(QtObjPalette::getDropMenuBtnStyleSheet(button), QtObjPalette::compDropMenuBtnStyleSheet(button));
        QCOMPARE(QtObjPalette::getDropMenuItemStyleSheet(item), QtObjPalette::compDropMenuItemStyleSheet(item));
        QCOMPARE(QtObjPalette::getGlowLabelStyleSheet(glow), QtObjPalette::compGlowLabelStyleSheet(glow));
        QCOMPARE(QtObjPalette::getAffixesLabelStyleSheet(affixes), QtObjPalette::compAffixesLabelStyleSheet(affixes));
        QCOMPARE(QtObjPalette::getTaskBarStyleSheet(taskBar), QtObjPalette::compTaskBarStyleSheet(taskBar));
    }

    // Qt's own reading of the attribute selector: only the line of the chosen direction changes.
    void lineSelectsOneDirection_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("horizontalStyled");
        QTest::addColumn<bool>("verticalStyled");
        QTest::newRow("horizontal") << 0 << true << false;
        QTest::newRow("vertical") << 1 << false << true;
        QTest::newRow("every frame") << 2 << true << true;
    }
    void lineSelectsOneDirection()
    {
        QFETCH(int, direction);
        QFETCH(bool, horizontalStyled);
        QFETCH(bool, verticalStyled);
        QWidget host;
        auto* horizontal = new QFrame(&host);
        horizontal->setFrameShape(QFrame::HLine);
        horizontal->resize(20, 3);
        auto* vertical = new QFrame(&host);
        vertical->setFrameShape(QFrame::VLine);
        vertical->resize(3, 20);
        SWidgetColor red;
        red.background = 0xff0000;
        host.setStyleSheet(QtObjPalette::compLineStyleSheet("", red, false, WG_LINE_DIRECTION_S(direction)));
        // The corner lies beside the drawn line, on the frame's background.
        for (auto [frame, styled] : {std::pair{horizontal, horizontalStyled}, std::pair{vertical, verticalStyled}})
            QCOMPARE(frame->grab().toImage().pixelColor(0, 0) == QColor(Qt::red), styled);
    }

    void harnessRaisesNoWarning()
    {
        StyleSheetHarness harness;
        for (const QString& image : {QString(), harness.imagePath()}) {
            SampleStyleRecords records(image);
            QStringList sheets = fixedSelectorSheets(records);
            WIDGET_DROP_MENU_BTN button = records.dropMenuButton(), noButton;
            // Bare declarations: applied to a button itself.
            for (WIDGET_DROP_MENU_BTN* style : {&button, &noButton}) {
                const QString declarations = QtObjPalette::compDropMenuBtnStyleSheet(*style);
                const QStringList failures =
                    harness.check([&] { harness.child<QPushButton>()->setStyleSheet(declarations); });
                QVERIFY2(failures.isEmpty(), qPrintable(declarations + '\n' + failures.join('\n')));
            }
            for (const QString& name : {QString(), QStringLiteral("obj")}) {
                for (bool descendant : {false, true})
                    sheets += namedSheets(records, name, descendant);
            }
            for (const QString& sheet : sheets) {
                const QStringList failures = harness.check(sheet);
                QVERIFY2(failures.isEmpty(), qPrintable(sheet + '\n' + failures.join('\n')));
            }
        }
    }
};

QTEST_MAIN(TstLibrarySheets)
#include "tst_librarysheets.moc"
