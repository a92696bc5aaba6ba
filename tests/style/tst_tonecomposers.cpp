#include "StartUpFont.h"
#include "StyleSheetHarness.h"
#include "resources/LibraryColor.h"
#include "resources/ResourceCollections.h"
#include "style/ObjPalette.h"
#include "support/Singleton.h"
#include "widgets/WgSelectorSwitch.h"

#include <QtTest>
#include <functional>

namespace {

// A tone composer with its further arguments fixed; the flag is the descendant flag, for the
// corner shape the framed flag, for the selector switch the highlight.
using ToneComposer = std::function<QString(const QString& name, WG_COLOR_TONE_S tone, bool flag)>;

const QList<QPair<QString, ToneComposer>>& toneComposers()
{
    static const QList<QPair<QString, ToneComposer>> composers{
        {"label", [](const QString& n, WG_COLOR_TONE_S t, bool f) { return ObjPalette::compLabelColorToneStyle(n, t, f); }},
        {"push button",
         [](const QString& n, WG_COLOR_TONE_S t, bool f) { return ObjPalette::compPushButtonColorToneStyle(n, t, f, 5); }},
        {"spin box",
         [](const QString& n, WG_COLOR_TONE_S t, bool f) { return ObjPalette::compSpinBoxColorToneStyle(n, t, f, false); }},
        {"spin box, hidden buttons",
         [](const QString& n, WG_COLOR_TONE_S t, bool f) { return ObjPalette::compSpinBoxColorToneStyle(n, t, f, true); }},
        {"combo box",
         [](const QString& n, WG_COLOR_TONE_S t, bool f) { return ObjPalette::compComboBoxColorToneStyle(n, t, f, 1); }},
        {"check box",
         [](const QString& n, WG_COLOR_TONE_S t, bool f) { return ObjPalette::compCheckBoxColorToneStyle(n, t, f); }},
        {"line", [](const QString& n, WG_COLOR_TONE_S t, bool f) {
             return ObjPalette::compLineColorToneStyle(n, t, f, WG_LINE_DIRECTION_VERTICAL);
         }},
        {"line edit", [](const QString& n, WG_COLOR_TONE_S t, bool f) {
             return ObjPalette::compEditColorToneStyle(n, t, f, "QLineEdit");
         }},
        {"date edit", [](const QString& n, WG_COLOR_TONE_S t, bool f) {
             return ObjPalette::compEditColorToneStyle(n, t, f, "QDateEdit");
         }},
        {"radio button",
         [](const QString& n, WG_COLOR_TONE_S t, bool f) { return ObjPalette::compRadioBtnColorToneStyle(n, t, f); }},
        {"tab widget", [](const QString& n, WG_COLOR_TONE_S t, bool f) {
             return ObjPalette::compTabWidgetColorToneStyle(n, t, f, WIDGET_SIZE{150, 30});
         }},
        {"selector switch", [](const QString& n, WG_COLOR_TONE_S t, bool f) {
             return ObjPalette::compSelectorSwitchColorToneStyle(n, t, f);
         }},
        {"corner shape", [](const QString& n, WG_COLOR_TONE_S t, bool f) {
             return ObjPalette::compCornerShapeColorToneStyle(n, t, f, true);
         }},
        {"corner shape, plain font", [](const QString& n, WG_COLOR_TONE_S t, bool f) {
             return ObjPalette::compCornerShapeColorToneStyle(n, t, f, false);
         }},
    };
    return composers;
}

ToneComposer composerNamed(const QString& name)
{
    for (const auto& [composerName, composer] : toneComposers()) {
        if (composerName == name)
            return composer;
    }
    return nullptr;
}

const QList<int> Tones{0, 1, 2, 3, 4, 5, 6, 99};

QString gradient(const char* top, const char* bottom)
{
    return QStringLiteral("background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 %1, stop:1.0 %2);")
        .arg(QLatin1String(top), QLatin1String(bottom));
}

// Rows of one composer over every tone: the tones listed change the base sheet and give the
// texts; the others give the base sheet.
void addTones(const char* composer, const QMap<int, QStringList>& changes)
{
    for (int tone : Tones)
        QTest::addRow("%s, tone %d", composer, tone) << QString(composer) << tone << changes.value(tone);
}

} // namespace

class TstToneComposers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        useStartUpFont();
    }

    // Composed by hand from the colour table and the start-up font.
    void pushButtonInTheBaseTone()
    {
        QCOMPARE(ObjPalette::compPushButtonColorToneStyle("", WG_COLOR_TONE_0, false, 5),
                 "QPushButton {color:#000000;background-color:#ffffff;" + gradient("#ffffff", "#808080")
                     + "font-size:14px;font-weight:400;font-family:\"Tahoma\";border:1px solid #a9a9a9;"
                       "border-radius:5px;outline-width:0px;}"
                       "QPushButton::pressed {color:#ffffff;background-color:#282828;}"
                       "QPushButton::checked {color:#ffffff;background-color:#282828;}");
    }

    void verticalLineInMidnightBlue()
    {
        QCOMPARE(ObjPalette::compLineColorToneStyle("", WG_COLOR_TONE_6, false, WG_LINE_DIRECTION_VERTICAL),
                 "QFrame[frameShape=\"5\"]  {background-color:#191970;}");
        QCOMPARE(ObjPalette::compLineColorToneStyle("", WG_COLOR_TONE_0, false, WG_LINE_DIRECTION_VERTICAL),
                 "QFrame[frameShape=\"5\"]  {}");
    }

    void cornerTitleInGrey()
    {
        QCOMPARE(ObjPalette::compCornerShapeColorToneStyle("", WG_COLOR_TONE_3, false, true),
                 " QWidget {color:#ffffff;background-color:#808080;" + gradient("#808080", "#505050")
                     + "border: none;border-radius:5px;font-size:14px;font-weight:700;font-family:\"Tahoma\";}"
                       " QLabel {background-color:transparent;border: none;margin-left:10px;margin-top:0px;"
                       "margin-right:0px;margin-bottom:0px;}");
        QVERIFY(ObjPalette::compCornerShapeColorToneStyle("wgTitle", WG_COLOR_TONE_0, true, false)
                    .contains("border:1px solid #c0c0c0;border-radius:5px;font-size:13px;font-weight:400;"));
    }

    void tones_data()
    {
        QTest::addColumn<QString>("composer");
        QTest::addColumn<int>("tone");
        QTest::addColumn<QStringList>("changes");

        addTones("label", {{1, {"QLabel {color:#ffffff;"}}, {3, {"QLabel {color:#333333;"}}});
        const QString flat = "QPushButton::pressed {}QPushButton::checked {}";
        const QString inverted = "QPushButton {color:#ffffff;background-color:#000000;" + gradient("#000000", "#000000");
        addTones("push button",
                 {{1, {inverted}},
                  {3, {inverted}},
                  {4, {"QPushButton {color:#000000;background-color:#fffbf0;font-size:14px;", flat}},
                  {5, {"QPushButton {color:#ffffff;background-color:#4169e1;font-size:14px;", "border:1px solid #a6caf0;", flat}},
                  {6,
                   {"QPushButton {color:#ffffff;background-color:#191970;" + gradient("#1e90ff", "#191970"),
                    "QPushButton::pressed {color:#ffffff;background-color:#1e90ff;}"
                    "QPushButton::checked {color:#ffffff;background-color:#0000ff;}"}}});
        addTones("spin box",
                 {{3,
                   {"QAbstractSpinBox {color:#000000;background-color:#ffffff;selection-color:#000000;"
                    "selection-background-color:#ffffff;",
                    "QAbstractSpinBox::up-button:hover {background-color:#ffffff;}",
                    "QAbstractSpinBox::down-button:pressed {background-color:#808080;}"}}});
        const QStringList darkCombo{"QComboBox {color:#ffffff;background-color:#282828;border:1px solid #a9a9a9;",
                                    gradient("#696969", "#333333"), "QAbstractItemView::item {color:#ffffff;"};
        addTones("combo box", {{1, darkCombo}, {3, darkCombo}, {4, {"QComboBox {color:#000000;background-color:#fffbf0;"}}});
        const QStringList lightCheckBox{"QCheckBox {color:#ffffff;", "QCheckBox::indicator:disabled {background-color:#505050;}"};
        addTones("check box", {{1, lightCheckBox}, {3, lightCheckBox}});
        addTones("line", {{3, {"QFrame[frameShape=\"5\"]  {color:#808080;}"}},
                          {6, {"QFrame[frameShape=\"5\"]  {background-color:#191970;}"}}});
        addTones("line edit", {{4, {"QLineEdit {color:#000000;background-color:#fffbf0;"}}});
        addTones("radio button", {{1, {"QRadioButton {color:#ffffff;"}}});
        addTones("tab widget", {});
        addTones("selector switch", {});
        addTones("corner shape",
                 {{1, {" QWidget {color:#ffffff;background-color:#000000;" + gradient("#282828", "#000000")}},
                  {2, {" QWidget {color:#000000;background-color:#c0c0c0;" + gradient("#a9a9a9", "#c0c0c0")}},
                  {3, {" QWidget {color:#ffffff;background-color:#808080;" + gradient("#808080", "#505050")}},
                  {6, {" QWidget {color:#ffffff;background-color:#000080;" + gradient("#191970", "#000080")}}});
    }

    void tones()
    {
        QFETCH(QString, composer);
        QFETCH(int, tone);
        QFETCH(QStringList, changes);
        const ToneComposer compose = composerNamed(composer);
        QVERIFY(compose);
        const QString base = compose("", WG_COLOR_TONE_0, false);
        const QString sheet = compose("", WG_COLOR_TONE_S(tone), false);
        if (changes.isEmpty()) {
            QCOMPARE(sheet, base);
            return;
        }
        QVERIFY(sheet != base);
        for (const QString& change : changes)
            QVERIFY2(sheet.contains(change), qPrintable(change + "\nnot in\n" + sheet));
    }

    // The switch widget's own default looks, from a table of their own: off is the plain switch
    // and on the highlighted one; tone 2 dims the highlighted knob.
    void selectorSwitchAsTheSwitchShowsIt()
    {
        WgSelectorSwitch sw(nullptr);
        const QString off = sw.styleSheet();
        sw.setActive(true);
        const QString on = sw.styleSheet();
        const QString knob = "color:#ffffff;background-color:#1e90ff;";
        QCOMPARE(on.count(knob), 1);
        const QString dimmedKnob = QString(on).replace(knob, "color:#ffffff;background-color:#696969;");
        for (int tone : Tones) {
            QCOMPARE(ObjPalette::compSelectorSwitchColorToneStyle("", WG_COLOR_TONE_S(tone), false), off);
            // The name is not used: the switch's selectors are fixed.
            QCOMPARE(ObjPalette::compSelectorSwitchColorToneStyle("obj", WG_COLOR_TONE_S(tone), true),
                     tone == 2 ? dimmedKnob : on);
        }
    }

    // The size is left to the widget's font; the family is written as given.
    void selectorSwitchFont()
    {
        for (bool highlight : {false, true}) {
            const QString sheet = ObjPalette::compSelectorSwitchColorToneStyle("", WG_COLOR_TONE_2, highlight);
            QVERIFY(!sheet.contains("font-size"));
            QCOMPARE(sheet.count("font-weight:700;font-family:\"arial\";"), 2);
        }
    }

    void flatPushButtonsHaveNoGradient()
    {
        for (WG_COLOR_TONE_S tone : {WG_COLOR_TONE_4, WG_COLOR_TONE_5}) {
            const QString sheet = ObjPalette::compPushButtonColorToneStyle("", tone, false, 5);
            QVERIFY(!sheet.contains("qlineargradient"));
            QVERIFY(sheet.endsWith("}QPushButton::pressed {}QPushButton::checked {}"));
        }
    }

    void arguments()
    {
        QVERIFY(ObjPalette::compComboBoxColorToneStyle("", WG_COLOR_TONE_0, false, 3)
                    .startsWith("QComboBox {color:#000000;background-color:#ffffff;border:3px solid #282828;"
                                "border-radius:5px;font-size:14px;font-weight:700;"));
        QVERIFY(ObjPalette::compPushButtonColorToneStyle("", WG_COLOR_TONE_0, false, 9).contains("border-radius:9px;"));
        QVERIFY(ObjPalette::compSpinBoxColorToneStyle("spbx", WG_COLOR_TONE_0, true, true)
                    .endsWith("#spbx QAbstractSpinBox::up-button {width:0}#spbx QAbstractSpinBox::down-button {width:0}"));
        QVERIFY(ObjPalette::compTabWidgetColorToneStyle("", WG_COLOR_TONE_0, false, WIDGET_SIZE{150, 30})
                    .contains("QTabBar::tab {width:150px;height:30px;font-size:15px;font-weight:900;"));
        // The class name is passed on, so only a date edit gets the arrow.
        QVERIFY(ObjPalette::compEditColorToneStyle("", WG_COLOR_TONE_0, false, "QDateEdit")
                    .contains("QDateEdit::down-arrow:enabled {right:3px;image: url(:/Edit/Widget/Edit/A16Gray/DownArrow.png);}"));
        // Both flat corner blocks say "border: none;".
        QCOMPARE(ObjPalette::compCornerShapeColorToneStyle("", WG_COLOR_TONE_0, false, true).count("border: none;"), 2);
    }

    void images()
    {
        const QString checkBox = ObjPalette::compCheckBoxColorToneStyle("", WG_COLOR_TONE_0, false);
        QVERIFY(checkBox.contains("QCheckBox::indicator:checked {background-color:#ffffff;"
                                  "image: url(:/CheckBox/Widget/CheckBox/A20Gray/Checked.png);}"));
        QVERIFY(checkBox.contains("image: url(:/CheckBox/Widget/CheckBox/A20Gray/Unchecked.png);"));
        const QString spinBox = ObjPalette::compSpinBoxColorToneStyle("", WG_COLOR_TONE_0, false, false);
        QVERIFY(spinBox.contains("image: url(:/SpinBox/Widget/SpinBox/A12Gray/Add.png);subcontrol-position: right;"));
        QVERIFY(spinBox.contains("image: url(:/SpinBox/Widget/SpinBox/A12Gray/Sub.png);subcontrol-position: left;"));
        QVERIFY(ObjPalette::compComboBoxColorToneStyle("", WG_COLOR_TONE_0, false, 1)
                    .contains("image: url(:/ComboBox/Widget/ComboBox/A16Gray/DownArrow.png);"));
    }

    // Nothing is cached: a colour entry's new mode shows in the next sheet.
    void colourModeReadAtEveryCall()
    {
        const QString before = ObjPalette::compLabelColorToneStyle("", WG_COLOR_TONE_1, false);
        auto* colors = Pattern::Singleton<LibraryColor>::Instance();
        colors->switchColorBrill(COLOR_BRILL_2);
        const QString darker = ObjPalette::compLabelColorToneStyle("", WG_COLOR_TONE_1, false);
        colors->switchColorBrill(COLOR_BRILL_0);
        QVERIFY(darker != before);
        QVERIFY(darker.startsWith("QLabel {color:#"));
        QCOMPARE(ObjPalette::compLabelColorToneStyle("", WG_COLOR_TONE_1, false), before);
    }

    void harnessRaisesNoWarning_data()
    {
        QTest::addColumn<QString>("composer");
        for (const auto& composer : toneComposers())
            QTest::newRow(qPrintable(composer.first)) << composer.first;
    }

    // Every tone, names "" and "obj", both flags: Qt reads every sheet and loads every image.
    void harnessRaisesNoWarning()
    {
        QFETCH(QString, composer);
        const ToneComposer compose = composerNamed(composer);
        StyleSheetHarness harness;
        for (int tone : Tones) {
            for (const QString& name : {QString(), QStringLiteral("obj")}) {
                for (bool flag : {false, true}) {
                    const QString sheet = compose(name, WG_COLOR_TONE_S(tone), flag);
                    const QStringList failures = harness.check(sheet);
                    QVERIFY2(failures.isEmpty(), qPrintable(sheet + '\n' + failures.join('\n')));
                }
            }
        }
    }
};

QTEST_MAIN(TstToneComposers)
#include "tst_tonecomposers.moc"
