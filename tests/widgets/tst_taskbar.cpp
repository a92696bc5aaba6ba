#include "widgets/LoSelectorSwitch.h"
#include "widgets/WgSelectorSwitch.h"
#include "widgets/WgTaskBar.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A parent that counts the presses reaching it, as a draggable form would act on them.
class PressCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

} // namespace

class TstTaskBar : public QObject
{
    Q_OBJECT

private slots:
    // 200 px wide, range 0 to 100: steps of 1 within 32 px of either end, 10 in between.
    void clickSteps_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("down");

        QTest::newRow("left edge") << 50 << 10 << 49 << true;
        QTest::newRow("left inner") << 50 << 60 << 40 << true;
        QTest::newRow("middle counts as left") << 50 << 100 << 40 << true;
        QTest::newRow("right inner") << 50 << 150 << 60 << false;
        QTest::newRow("right edge") << 50 << 190 << 51 << false;
        QTest::newRow("edge width reaches x 32") << 50 << 32 << 49 << true;
        QTest::newRow("right edge starts at x 168") << 50 << 168 << 51 << false;
        QTest::newRow("stops at the minimum") << 5 << 60 << 0 << true;
        QTest::newRow("stays at the minimum") << 0 << 10 << 0 << true;
        QTest::newRow("stops at the maximum") << 95 << 150 << 100 << false;
        QTest::newRow("stays at the maximum") << 100 << 190 << 100 << false;
    }

    void clickSteps()
    {
        QFETCH(int, start);
        QFETCH(int, x);
        QFETCH(bool, down);
        WgTaskBar bar(nullptr);
        bar.resize(200, 24);
        bar.show();
        bar.setValue(start);
        QSignalSpy sub(&bar, &WgTaskBar::subClicked);
        QSignalSpy add(&bar, &WgTaskBar::addClicked);
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(x, 12));
        QFETCH(int, expected);
        QCOMPARE(bar.value(), expected);
        QCOMPARE(sub.count(), down ? 1 : 0);
        QCOMPARE(add.count(), down ? 0 : 1);
    }

    void startsAtZeroAndTakesOtherSteps()
    {
        WgTaskBar bar(nullptr);
        QCOMPARE(bar.value(), 0);
        bar.resize(200, 24);
        bar.setSpaceValue(2, 25, 50);
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(120, 12));
        QCOMPARE(bar.value(), 25);
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(160, 12));
        QCOMPARE(bar.value(), 27);
    }

    void pressStaysWithTheBar()
    {
        PressCounter parent;
        auto* bar = new WgTaskBar(&parent);
        bar->setGeometry(0, 0, 200, 24);
        parent.show();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(10, 12));
        QCOMPARE(parent.presses, 0);
    }

    void selectorSwitchLayoutHoldsOneSwitch()
    {
        QWidget host;
        auto* layout = new LoSelectorSwitch(&host);
        QCOMPARE(host.layout(), layout);
        QCOMPARE(layout->count(), 1);
        auto* selector = qobject_cast<WgSelectorSwitch*>(layout->itemAt(0)->widget());
        QVERIFY(selector);
        QCOMPARE(selector->parentWidget(), &host);
        QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
    }
};

QTEST_MAIN(TstTaskBar)
#include "tst_taskbar.moc"
