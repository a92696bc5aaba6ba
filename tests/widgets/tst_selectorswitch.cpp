#include "StyleSheetHarness.h"
#include "widgets/WgLabel.h"
#include "widgets/WgSelectorSwitch.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The switch's look while off, written out from its default colours, border and font.
const char* const DefaultOffSheet =
    "QFrame {color:#000000;background-color:#a9a9a9;border:1px solid #000000;border-radius:3px;}"
    "QFrame::disabled {color:#808080;background-color:#fffbf0;}"
    "QLabel {font-weight:700;font-family:\"arial\";border: none;}"
    "QPushButton {font-weight:700;font-family:\"arial\";color:#ffffff;background-color:#333333;border-radius:3px;"
    "margin-left:2px;margin-top:1px;margin-right:2px;margin-bottom:1px;}";

QPushButton* knobOf(WgSelectorSwitch& sw)
{
    return sw.findChild<QPushButton*>();
}

WgLabel* captionOf(WgSelectorSwitch& sw)
{
    return sw.findChild<WgLabel*>();
}

// "knob caption" or "caption knob", left to right.
QString order(WgSelectorSwitch& sw)
{
    QStringList names;
    for (int i = 0; i < sw.layout()->count(); ++i)
        names << (sw.layout()->itemAt(i)->widget() == knobOf(sw) ? "knob" : "caption");
    return names.join(' ');
}

} // namespace

class TstSelectorSwitch : public QObject
{
    Q_OBJECT

private slots:
    void layoutFollowsSideAndState_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("expectedOrder");
        QTest::addColumn<QString>("expectedCaption");

        QTest::newRow("side 0 off") << int(SELECTOR_SWITCH_KNOB_LEFT_WHEN_OFF) << false << "knob caption" << "OFF";
        QTest::newRow("side 0 on") << int(SELECTOR_SWITCH_KNOB_LEFT_WHEN_OFF) << true << "caption knob" << "ON";
        QTest::newRow("side 1 off") << int(SELECTOR_SWITCH_KNOB_RIGHT_WHEN_OFF) << false << "caption knob" << "OFF";
        QTest::newRow("side 1 on") << int(SELECTOR_SWITCH_KNOB_RIGHT_WHEN_OFF) << true << "knob caption" << "ON";
        // An unknown side leaves the order as built and only changes the caption.
        QTest::newRow("other side on") << 7 << true << "knob caption" << "ON";
    }

    void layoutFollowsSideAndState()
    {
        QFETCH(int, side);
        QFETCH(bool, on);
        QFETCH(QString, expectedOrder);
        QFETCH(QString, expectedCaption);
        WgSelectorSwitch sw(nullptr);
        sw.setCaption("OFF", "ON");
        sw.setSwitchBtnSide(SELECTOR_SWITCH_SIDE(side));
        sw.setActive(on);
        QCOMPARE(order(sw), expectedOrder);
        QCOMPARE(captionOf(sw)->text(), expectedCaption);
        QCOMPARE(sw.layout()->count(), 2);
    }

    void sideShowsAtNextSetSwitch()
    {
        WgSelectorSwitch sw(nullptr);
        sw.setSwitchBtnSide(SELECTOR_SWITCH_KNOB_RIGHT_WHEN_OFF);
        QCOMPARE(order(sw), "knob caption");
        sw.refresh();
        QCOMPARE(order(sw), "caption knob");
    }

    void clickToggles_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("knob") << "knob";
        QTest::newRow("caption") << "caption";
    }

    void clickToggles()
    {
        QFETCH(QString, target);
        WgSelectorSwitch sw(nullptr);
        sw.setCaption("OFF", "ON");
        sw.resize(80, 26);
        sw.show();
        const QString offSheet = sw.styleSheet();
        QWidget* clicked = target == "knob" ? static_cast<QWidget*>(knobOf(sw)) : captionOf(sw);
        QSignalSpy clicks(&sw, &WgSelectorSwitch::signalClick);

        QTest::mouseClick(clicked, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(sw.isActive());
        QCOMPARE(order(sw), "caption knob");
        QCOMPARE(captionOf(sw)->text(), "ON");
        QVERIFY(sw.styleSheet() != offSheet);

        QTest::mouseClick(clicked, Qt::LeftButton);
        QCOMPARE(clicks.count(), 2);
        QVERIFY(!sw.isActive());
        QCOMPARE(order(sw), "knob caption");
        QCOMPARE(sw.styleSheet(), offSheet);
    }

    void setActiveIsSilent()
    {
        WgSelectorSwitch sw(nullptr);
        QSignalSpy clicks(&sw, &WgSelectorSwitch::signalClick);
        sw.setActive(false);
        QVERIFY(!sw.isActive());
        sw.setActive(true);
        sw.setActive(true);
        QVERIFY(sw.isActive());
        sw.setActive(false);
        QVERIFY(!sw.isActive());
        QCOMPARE(clicks.count(), 0);
    }

    void defaultSheets()
    {
        WgSelectorSwitch sw(nullptr);
        QCOMPARE(sw.styleSheet(), QString(DefaultOffSheet));
        QCOMPARE(order(sw), "knob caption");
        QVERIFY(captionOf(sw)->text().isEmpty());
        sw.setActive(true);
        const QString onSheet = sw.styleSheet();
        QVERIFY(onSheet.contains("QFrame {color:#0000ff;background-color:#ffffff;"));
        QVERIFY(onSheet.contains("color:#ffffff;background-color:#1e90ff;"));

        StyleSheetHarness harness;
        for (const QString& sheet : {QString(DefaultOffSheet), onSheet}) {
            const QStringList failures = harness.check(sheet);
            QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
        }
    }

    void newSheetShowsAtNextSetSwitch()
    {
        WgSelectorSwitch sw(nullptr);
        sw.setActive(true);
        const QString before = sw.styleSheet();

        sw.setOnStyleScript("QFrame {color:#123456;}");
        QCOMPARE(sw.styleSheet(), before);
        sw.refresh();
        QCOMPARE(sw.styleSheet(), QString("QFrame {color:#123456;}"));

        WIDGET_SELECTOR_SWITCH bare;
        sw.setSwitchStyleScript(true, bare);
        QCOMPARE(sw.styleSheet(), QString("QFrame {color:#123456;}"));
        sw.setCaption("off", "on");
        QVERIFY(sw.styleSheet().startsWith("QFrame {}QFrame::disabled {}"));

        sw.clearStyleScript();
        sw.setActive(false);
        QVERIFY(sw.styleSheet().isEmpty());
    }
};

QTEST_MAIN(TstSelectorSwitch)
#include "tst_selectorswitch.moc"
