#include "StyleSheetHarness.h"
#include "style/QtObjPalette.h"

#include <QtTest>

namespace {

constexpr uint32_t NotSet = WG_COLOR_NOT_SET;

const char* const KnobMargin = "margin-left:2px;margin-top:1px;margin-right:2px;margin-bottom:1px;";

struct Records
{
    SWidgetColor frame{0x000000, 0xa9a9a9, NotSet, NotSet, NotSet};
    SWidgetColor disabled{0x808080, NotSet, NotSet, NotSet, NotSet};
    SWidgetColor knob{NotSet, 0x1e90ff, NotSet, NotSet, NotSet};
    WIDGET_FONT font{12, 7, "arial"};
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, 0x000000};
    WIDGET_BORDER_RADIUS radius{3, -1, -1, -1, 4};
    WIDGET_BORDER border{&line, &radius};
    WIDGET_BORDER lineOnly{&line, nullptr};
};

} // namespace

class TstSelectorSwitchSheet : public QObject
{
    Q_OBJECT

private slots:
    void sheet_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("expected");

        QTest::newRow("all null keeps the four blocks")
            << "none" << QString("QFrame {}QFrame::disabled {}QLabel {border: none;}QPushButton {%1}").arg(KnobMargin);
        QTest::newRow("knob takes the frame's radii")
            << "full"
            << QString("QFrame {color:#000000;background-color:#a9a9a9;border:1px solid #000000;border-radius:3px;"
                       "border-bottom-left-radius:4px;}"
                       "QFrame::disabled {color:#808080;}"
                       "QLabel {font-size:12px;font-weight:700;font-family:\"arial\";border: none;}"
                       "QPushButton {font-size:12px;font-weight:700;font-family:\"arial\";background-color:#1e90ff;"
                       "border-radius:3px;border-bottom-left-radius:4px;%1}")
                   .arg(KnobMargin);
        QTest::newRow("border without radii")
            << "line only" << QString("QFrame {border:1px solid #000000;}QFrame::disabled {}QLabel {border: none;}"
                                      "QPushButton {%1}")
                                  .arg(KnobMargin);
    }

    void sheet()
    {
        QFETCH(QString, which);
        QFETCH(QString, expected);
        Records r;
        WIDGET_SELECTOR_SWITCH style;
        if (which == "full")
            style = {&r.frame, &r.disabled, &r.border, &r.font, &r.knob};
        else if (which == "line only")
            style.border = &r.lineOnly;

        const QString sheet = QtObjPalette::getSelectorSwitchStyleSheet(style);
        QCOMPARE(sheet, expected);
        QCOMPARE(QtObjPalette::compSelectorSwitchStyleSheet(style), sheet);

        StyleSheetHarness harness;
        const QStringList failures = harness.check(sheet);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }
};

QTEST_MAIN(TstSelectorSwitchSheet)
#include "tst_selectorswitchsheet.moc"
