#include "SampleStyleRecords.h"
#include "StyleSheetHarness.h"
#include "style/QtObjPalette.h"

#include <QtTest>
#include <functional>

namespace {

constexpr uint32_t NotSet = WG_COLOR_NOT_SET;

// Bodies never hold a brace, so each "}" closes one block.
int blockCount(const QString& sheet)
{
    return sheet.count(QLatin1Char('}'));
}

struct SmallRecords : SmallStyleRecords
{
    WIDGET_PADDING padding{2, -1, 2, -1};
    WIDGET_SIZE size{26, 24};
    WIDGET_BORDER_SIDES sides{-1, -1, -1, 2, WG_BORDER_EDGE_SOLID, 0x0000ff};
};

using SheetsOf = std::function<QStringList(SampleStyleRecords& full, const QString& name, bool descendant)>;

// Every composer with its extra arguments both ways, once over full records and once over empty.
QList<QPair<QString, SheetsOf>> everyComposer()
{
    return {
        {"label", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_LABEL full = r.label(), none;
             return QStringList{QtObjPalette::compLabelStyleSheet(n, full, d), QtObjPalette::compLabelStyleSheet(n, none, d)};
         }},
        {"push button", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_PUSH_BTN full = r.pushButton(), none;
             return QStringList{QtObjPalette::compPushButtonStyleSheet(n, full, d),
                                QtObjPalette::compPushButtonStyleSheet(n, none, d)};
         }},
        {"tool button", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_TOOL_BTN full = r.toolButton(), none;
             return QStringList{QtObjPalette::compToolButtonStyleSheet(n, full, d),
                                QtObjPalette::compToolButtonStyleSheet(n, none, d)};
         }},
        {"spin box", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_SPIN_BOX full = r.spinBox(), none;
             QStringList sheets;
             for (bool hide : {false, true})
                 sheets << QtObjPalette::compSpinBoxStyleSheet(n, full, d, hide)
                        << QtObjPalette::compSpinBoxStyleSheet(n, none, d, hide);
             return sheets;
         }},
        {"combo box", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_COMBO_BOX full = r.comboBox(), none;
             return QStringList{QtObjPalette::compComboBoxStyleSheet(n, full, d),
                                QtObjPalette::compComboBoxStyleSheet(n, none, d)};
         }},
        {"check box", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_CHECK_BOX full = r.checkBox(), none;
             return QStringList{QtObjPalette::compCheckBoxStyleSheet(n, full, d),
                                QtObjPalette::compCheckBoxStyleSheet(n, none, d)};
         }},
        {"edits", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_EDIT full = r.edit(), none;
             QStringList sheets;
             for (const char* className : {"QLineEdit", "QTextEdit", "QDateEdit", "QTimeEdit"})
                 sheets << QtObjPalette::compEditStyleSheet(n, full, d, className)
                        << QtObjPalette::compEditStyleSheet(n, none, d, className);
             return sheets << QtObjPalette::compLineEditStyleSheet(n, full, d)
                           << QtObjPalette::compLineEditStyleSheet(n, none, d)
                           << QtObjPalette::compTextEditStyleSheet(n, full, d)
                           << QtObjPalette::compTextEditStyleSheet(n, none, d);
         }},
        {"radio button", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_RADIO_BUTTON full = r.radioButton(), none;
             return QStringList{QtObjPalette::compRadioBtnStyleSheet(n, full, d),
                                QtObjPalette::compRadioBtnStyleSheet(n, none, d)};
         }},
        {"table view", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_TABLE_VIEW full = r.tableView(), none;
             return QStringList{QtObjPalette::compTableViewStyleSheet(n, full, d),
                                QtObjPalette::compTableViewStyleSheet(n, none, d)};
         }},
        {"header view", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_HEADER_VIEW full = r.headerView(), none;
             return QStringList{QtObjPalette::compHeaderViewStyleSheet(n, full, d),
                                QtObjPalette::compHeaderViewStyleSheet(n, none, d)};
         }},
        {"tab widget", [](SampleStyleRecords& r, const QString& n, bool d) {
             WIDGET_TAB_WIDGET full = r.tabWidget(), none;
             WIDGET_TAB_ITEM emptyTab;
             WIDGET_TAB_WIDGET emptyTabRecord{nullptr, &emptyTab};
             return QStringList{QtObjPalette::compTabWidgetStyleSheet(n, full, d),
                                QtObjPalette::compTabWidgetStyleSheet(n, none, d),
                                QtObjPalette::compTabWidgetStyleSheet(n, emptyTabRecord, d)};
         }},
    };
}

} // namespace

class TstWidgetKindSheets : public QObject
{
    Q_OBJECT

private slots:
    void pushButtonWithNormalColoursOnly()
    {
        SWidgetColor normal{0xffffff, NotSet, NotSet, NotSet, NotSet};
        WIDGET_PUSH_BTN style;
        style.normal = &normal;
        QCOMPARE(QtObjPalette::compPushButtonStyleSheet("", style, false),
                 "QPushButton {color:#ffffff;outline-width:0px;}QPushButton::pressed {}QPushButton::checked {}");
    }

    void emptySpinBoxWithHiddenButtons()
    {
        WIDGET_SPIN_BOX style;
        QCOMPARE(QtObjPalette::compSpinBoxStyleSheet("", style, false, true),
                 "QAbstractSpinBox {padding-left:5px;padding-right:5px;}"
                 "QAbstractSpinBox::enabled {}QAbstractSpinBox::disabled {}"
                 "QAbstractSpinBox::up-button:hover {}QAbstractSpinBox::down-button:hover {}"
                 "QAbstractSpinBox::up-button:pressed {}QAbstractSpinBox::down-button:pressed {}"
                 "QAbstractSpinBox::up-button {width:0}QAbstractSpinBox::down-button {width:0}");
    }

    void spinBoxButtonsShown()
    {
        SmallRecords r;
        WIDGET_SPIN_BOX style;
        style.border = &r.border;
        style.buttonSize = &r.size;
        style.upImage = ":/add.png";
        const QString sheet = QtObjPalette::compSpinBoxStyleSheet("spbxRate", style, false, false);
        QCOMPARE(blockCount(sheet), 9);
        QVERIFY2(sheet.endsWith("QAbstractSpinBox#spbxRate::up-button {border:1px solid #808080;border-radius:5px;"
                                "width:26px;height:24px;image: url(:/add.png);subcontrol-position: right;}"
                                "QAbstractSpinBox#spbxRate::down-button {border:1px solid #808080;border-radius:5px;"
                                "width:26px;height:24px;image: url();subcontrol-position: left;}"),
                 qPrintable(sheet));
        // Without a button size the buttons just take none.
        style.buttonSize = nullptr;
        QVERIFY(QtObjPalette::compSpinBoxStyleSheet("", style, false, false)
                    .endsWith("QAbstractSpinBox::down-button {border:1px solid #808080;border-radius:5px;"
                              "image: url();subcontrol-position: left;}"));
    }

    void sheets_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("expected");
        SmallRecords r;

        WIDGET_LABEL label{&r.white, &r.font};
        QTest::newRow("label") << QtObjPalette::compLabelStyleSheet("lblTitle", label, false)
                               << "QLabel#lblTitle {color:#ffffff;font-size:14px;font-weight:700;font-family:\"Tahoma\";}";
        WIDGET_RADIO_BUTTON radio{&r.white, nullptr};
        QTest::newRow("radio button") << QtObjPalette::compRadioBtnStyleSheet("", radio, true)
                                      << " QRadioButton {color:#ffffff;}";
        WIDGET_TABLE_VIEW table{&r.dark, nullptr, &r.border};
        QTest::newRow("table view") << QtObjPalette::compTableViewStyleSheet("tbvwTargets", table, true)
                                    << "#tbvwTargets QTableView {background-color:#202020;border:1px solid #808080;"
                                       "border-radius:5px;}";

        WIDGET_CHECK_BOX checkBox;
        checkBox.checked = &r.white;
        checkBox.disabled = &r.dark;
        checkBox.checkedImage = ":/on.png";
        QTest::newRow("check box") << QtObjPalette::compCheckBoxStyleSheet("", checkBox, false)
                                   << "QCheckBox {}QCheckBox::indicator:checked {color:#ffffff;image: url(:/on.png);}"
                                      "QCheckBox::indicator:unchecked {image: url();}"
                                      "QCheckBox::indicator:disabled {background-color:#202020;}";

        WIDGET_EDIT edit{&r.white, &r.dark, &r.font, nullptr, &r.padding, ":/down.png"};
        QTest::newRow("line edit, no font") << QtObjPalette::compLineEditStyleSheet("", edit, false)
                                            << "QLineEdit {color:#ffffff;padding-left:2px;padding-right:2px;}"
                                               "QLineEdit::read-only {background-color:#202020;}";
        QTest::newRow("text edit, no font") << QtObjPalette::compTextEditStyleSheet("", edit, false)
                                            << "QTextEdit {color:#ffffff;padding-left:2px;padding-right:2px;}"
                                               "QTextEdit::read-only {background-color:#202020;}";
        QTest::newRow("date edit")
            << QtObjPalette::compEditStyleSheet("", edit, false, "QDateEdit")
            << "QDateEdit {color:#ffffff;padding-left:2px;padding-right:2px;font-size:14px;font-weight:700;"
               "font-family:\"Tahoma\";}QDateEdit::read-only {background-color:#202020;}"
               "QDateEdit::disabled {background-color:#202020;}"
               "QDateEdit::down-arrow:enabled {right:3px;image: url(:/down.png);}QDateEdit::down-arrow:on {top:1px;}"
               "QDateEdit::drop-down {border: none;}";

        uint32_t states[2] = {0xff0000, 0x00ff00};
        WIDGET_TOOL_BTN tool{nullptr, nullptr, &states, nullptr, ":/tool.png"};
        QTest::newRow("tool button")
            << QtObjPalette::compToolButtonStyleSheet("", tool, false)
            << "QToolButton {background-image: url(:/tool.png);background-position: center center;"
               "background-origin: content;background-repeat: none;}QToolButton::pressed {padding-top:1px;}"
               "QToolButton::checked {border:1px solid #ff0000;border-radius:0px;}"
               "QToolButton::disabled {background-color:#00ff00;}";

        WIDGET_HEADER_VIEW header{&r.size, &r.dark, ":/up.png", ""};
        QTest::newRow("header view") << QtObjPalette::compHeaderViewStyleSheet("tbvwTargets", header, true)
                                     << "#tbvwTargets QHeaderView::section {width:26px;height:24px;"
                                        "background-color:#202020;}#tbvwTargets QHeaderView::up-arrow {image: url(:/up.png);}"
                                        "#tbvwTargets QHeaderView::down-arrow {image: url();}";

        WIDGET_TAB_ITEM tab{&r.size, nullptr, &r.white, &r.dark, nullptr, &r.sides};
        WIDGET_TAB_WIDGET tabs{&r.sides, &tab};
        QTest::newRow("tab widget")
            << QtObjPalette::compTabWidgetStyleSheet("obj", tabs, false)
            << "QTabWidget#obj::pane {border-bottom:2px solid #0000ff;}"
               "QTabBar#obj::tab {width:26px;height:24px;color:#ffffff;}"
               "QTabBar#obj::tab:selected {background-color:#202020;border-bottom:2px solid #0000ff;}";
    }

    void sheets()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, expected);
        QCOMPARE(sheet, expected);
    }

    void comboBox()
    {
        SmallRecords r;
        WIDGET_COMBO_BOX style{40, 0x101010, &r.white, &r.dark, nullptr, nullptr, nullptr, &r.border, &r.padding, ":/a.png"};
        const QString sheet = QtObjPalette::compComboBoxStyleSheet("obj", style, false);
        QCOMPARE(blockCount(sheet), 9);
        QVERIFY2(sheet.startsWith("QComboBox#obj {color:#ffffff;border:1px solid #808080;border-radius:5px;"
                                  "padding-left:2px;padding-right:2px;}QComboBox#obj::enabled {color:#ffffff;}"
                                  "QComboBox#obj::disabled {}QComboBox#obj::down-arrow:enabled {right:3px;image: url(:/a.png);}"
                                  "QComboBox#obj::down-arrow:on {top:1px;}QComboBox#obj::drop-down {border: none;}"),
                 qPrintable(sheet));
        // The name follows the two classes, not the box's own class.
        QVERIFY2(sheet.endsWith("QComboBox QAbstractItemView#obj {border:1px solid #808080;border-radius:5px;}"
                                "QComboBox QAbstractItemView#obj::item {color:#101010;border-radius:5px;"
                                "padding-left:2px;padding-right:2px;min-height:40px}"
                                "QComboBox QAbstractItemView#obj::item:selected {background-color:#202020;}"),
                 qPrintable(sheet));

        WIDGET_BORDER lineOnly{&r.line, nullptr};
        style.border = &lineOnly;
        QVERIFY(QtObjPalette::compComboBoxStyleSheet("", style, false)
                    .contains("QComboBox QAbstractItemView::item {color:#101010;padding-left:2px;padding-right:2px;"
                              "min-height:40px}"));
        style.border = nullptr;
        QVERIFY(QtObjPalette::compComboBoxStyleSheet("", style, true)
                    .contains(" QComboBox QAbstractItemView {} QComboBox QAbstractItemView::item {color:#101010;"
                              "padding-left:2px;padding-right:2px;min-height:40px}"));
    }

    void editBlocksByClassName_data()
    {
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<int>("blocks");
        QTest::newRow("QLineEdit") << QByteArray("QLineEdit") << 3;
        QTest::newRow("QTextEdit") << QByteArray("QTextEdit") << 3;
        QTest::newRow("QTimeEdit") << QByteArray("QTimeEdit") << 3;
        QTest::newRow("QDateEdit") << QByteArray("QDateEdit") << 6;
        QTest::newRow("QDateEditor") << QByteArray("QDateEditor") << 3;
    }

    // The class name arrives in a buffer of the caller's: compared as text.
    void editBlocksByClassName()
    {
        QFETCH(QByteArray, className);
        QFETCH(int, blocks);
        WIDGET_EDIT style;
        const QByteArray copy(className.constData(), className.size());
        const QString sheet = QtObjPalette::compEditStyleSheet("", style, false, copy.constData());
        QCOMPARE(blockCount(sheet), blocks);
        QVERIFY(sheet.startsWith(className + " {}"));
    }

    void nullClassNameIsEmpty()
    {
        WIDGET_EDIT style;
        QCOMPARE(QtObjPalette::compEditStyleSheet("obj", style, false, nullptr),
                 "#obj {}#obj::read-only {}#obj::disabled {}");
    }

    // Members the sheets cannot do without count as not set when null.
    void missingRequiredMembers()
    {
        WIDGET_TOOL_BTN tool;
        QCOMPARE(QtObjPalette::compToolButtonStyleSheet("", tool, false),
                 "QToolButton {}QToolButton::pressed {padding-top:1px;}"
                 "QToolButton::checked {border:1px;border-radius:0px;}QToolButton::disabled {}");
        WIDGET_HEADER_VIEW header;
        QCOMPARE(QtObjPalette::compHeaderViewStyleSheet("", header, false),
                 "QHeaderView::section {}QHeaderView::up-arrow {image: url();}QHeaderView::down-arrow {image: url();}");
        WIDGET_TAB_WIDGET tabs;
        QCOMPARE(QtObjPalette::compTabWidgetStyleSheet("", tabs, false),
                 "QTabWidget::pane {}QTabBar::tab {}QTabBar::tab:selected {}");
        WIDGET_TAB_ITEM tab;
        tabs.tab = &tab;
        QCOMPARE(QtObjPalette::compTabWidgetStyleSheet("", tabs, false),
                 "QTabWidget::pane {}QTabBar::tab {}QTabBar::tab:selected {}");
        WIDGET_SPIN_BOX spin;
        QVERIFY(QtObjPalette::compSpinBoxStyleSheet("", spin, false, false)
                    .endsWith("QAbstractSpinBox::up-button {image: url();subcontrol-position: right;}"
                              "QAbstractSpinBox::down-button {image: url();subcontrol-position: left;}"));
    }

    void selectorForms()
    {
        WIDGET_PUSH_BTN button;
        QCOMPARE(QtObjPalette::compPushButtonStyleSheet("", button, true),
                 " QPushButton {outline-width:0px;} QPushButton::pressed {} QPushButton::checked {}");
        QCOMPARE(QtObjPalette::compPushButtonStyleSheet("btnConnect", button, false),
                 "QPushButton#btnConnect {outline-width:0px;}QPushButton#btnConnect::pressed {}"
                 "QPushButton#btnConnect::checked {}");
        QCOMPARE(QtObjPalette::compPushButtonStyleSheet("btnConnect", button, true),
                 "#btnConnect QPushButton {outline-width:0px;}#btnConnect QPushButton::pressed {}"
                 "#btnConnect QPushButton::checked {}");
    }

    void harnessRaisesNoWarning_data()
    {
        QTest::addColumn<int>("composer");
        const auto composers = everyComposer();
        for (int i = 0; i < composers.size(); ++i)
            QTest::newRow(qPrintable(composers.at(i).first)) << i;
    }

    // Every composer with names "" and "obj", both selector forms, with and without images.
    void harnessRaisesNoWarning()
    {
        QFETCH(int, composer);
        StyleSheetHarness harness;
        const SheetsOf sheetsOf = everyComposer().at(composer).second;
        for (const QString& image : {QString(), harness.imagePath()}) {
            SampleStyleRecords records(image);
            for (const QString& name : {QString(), QStringLiteral("obj")}) {
                for (bool descendant : {false, true}) {
                    for (const QString& sheet : sheetsOf(records, name, descendant)) {
                        const QStringList failures = harness.check(sheet);
                        QVERIFY2(failures.isEmpty(), qPrintable(sheet + QLatin1Char('\n') + failures.join('\n')));
                    }
                }
            }
        }
    }
};

QTEST_MAIN(TstWidgetKindSheets)
#include "tst_widgetkindsheets.moc"
