#include "widgets/WgForm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A dialog of the application switches dragging on in its constructor.
class DraggableForm : public WgForm
{
public:
    explicit DraggableForm(bool drag)
        : WgForm(nullptr, Qt::FramelessWindowHint)
    {
        m_dragEnable = drag;
    }
};

// A dialog whose reject() keeps it open, so that the base close handler ignores the close.
class StubbornPanel : public WgPanel
{
public:
    StubbornPanel()
        : WgPanel(nullptr, Qt::FramelessWindowHint, 1.0, false)
    {
    }
    void reject() override {}
};

void sendMouse(QWidget* widget, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, widget->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class TstPanelForm : public QObject
{
    Q_OBJECT

private slots:
    void drag_data()
    {
        QTest::addColumn<bool>("dragEnabled");
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("follows");

        QTest::newRow("left alone drags") << true << int(Qt::LeftButton) << true;
        QTest::newRow("left and right do not") << true << int(Qt::LeftButton | Qt::RightButton) << false;
        QTest::newRow("right alone does not") << true << int(Qt::RightButton) << false;
        QTest::newRow("dragging not switched on") << false << int(Qt::LeftButton) << false;
    }

    void drag()
    {
        QFETCH(bool, dragEnabled);
        QFETCH(int, held);
        QFETCH(bool, follows);
        DraggableForm form(dragEnabled);
        form.setGeometry(100, 80, 200, 120);
        const QPoint start = form.pos();
        const QPoint grip(150, 100);
        const QPoint travel(37, -21);

        sendMouse(&form, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::MouseButtons(held));
        sendMouse(&form, QEvent::MouseMove, grip + travel, Qt::NoButton, Qt::MouseButtons(held));
        QCOMPARE(form.pos(), follows ? start + travel : start);

        // After the release a move, even with a button held, leaves the form where it is.
        sendMouse(&form, QEvent::MouseButtonRelease, grip + travel, Qt::LeftButton, Qt::NoButton);
        sendMouse(&form, QEvent::MouseMove, grip + 2 * travel, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(form.pos(), follows ? start + travel : start);
    }

    void releaseSignalFromPanelOnly()
    {
        WgPanel panel(nullptr, Qt::FramelessWindowHint, 1.0, false);
        DraggableForm form(true);
        for (WgPanel* widget : {&panel, static_cast<WgPanel*>(&form)}) {
            widget->resize(100, 60);
            QSignalSpy released(widget, &WgPanel::signalMouseRelease);
            QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, QPoint(50, 30));
            QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(50, 30));
            QCOMPARE(released.count(), widget == &panel ? 1 : 0);
        }
    }

    void maskFollowsRoundedOutline()
    {
        WgPanel panel(nullptr, Qt::FramelessWindowHint, 1.0, false);
        panel.resize(100, 60);
        panel.grab();
        QVERIFY2(panel.mask().isEmpty(), "a panel without a corner radius has no mask");

        panel.setBorderCornerRadius(4);
        QVERIFY(panel.mask().isEmpty());  // only the next paint masks
        panel.grab();
        const QRegion mask = panel.mask();
        QVERIFY(mask.contains(QPoint(50, 30)));
        QVERIFY(mask.contains(QPoint(1, 30)));
        QVERIFY(mask.contains(QPoint(50, 1)));
        for (int y = 0; y < 60; ++y) {
            QVERIFY2(!mask.contains(QPoint(0, y)) && !mask.contains(QPoint(99, y)), qPrintable(QString::number(y)));
        }
        for (int x = 0; x < 100; ++x) {
            QVERIFY2(!mask.contains(QPoint(x, 0)) && !mask.contains(QPoint(x, 59)), qPrintable(QString::number(x)));
        }
        QVERIFY2(!mask.contains(QPoint(1, 1)), "the corner is rounded off");
    }

    void movePanel_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("newHeight");
        QTest::addColumn<int>("expectedTop");  // -1: the screen's height less the panel's
        QTest::addColumn<int>("expectedHeight");

        QTest::newRow("fits") << 100 << 0 << 100 << 150;
        QTest::newRow("would reach below") << 500 << 0 << -1 << 150;
        // The lift uses the height before the change.
        QTest::newRow("new height") << 500 << 80 << -1 << 80;
    }

    void movePanel()
    {
        QFETCH(int, y);
        QFETCH(int, newHeight);
        QFETCH(int, expectedTop);
        QFETCH(int, expectedHeight);
        const int screenHeight = QGuiApplication::primaryScreen()->geometry().height();
        QVERIFY2(y + 150 > screenHeight || expectedTop != -1, "the offscreen screen is taller than the test expects");

        WgPanel panel(nullptr, Qt::FramelessWindowHint, 1.0, false);
        panel.resize(200, 150);
        panel.movePanel(30, y, newHeight);
        QCOMPARE(panel.geometry(),
                 QRect(30, expectedTop == -1 ? screenHeight - 150 : expectedTop, 200, expectedHeight));
    }

    void closedEvenWhenIgnored()
    {
        WgPanel plain(nullptr, Qt::FramelessWindowHint, 1.0, false);
        StubbornPanel stubborn;
        for (WgPanel* panel : {&plain, static_cast<WgPanel*>(&stubborn)}) {
            panel->show();
            QSignalSpy closed(panel, &WgPanel::signalClosed);
            const bool accepted = panel->close();
            QCOMPARE(accepted, panel == &plain);
            QCOMPARE(panel->isVisible(), panel != &plain);
            QCOMPARE(closed.count(), 1);
        }
    }
};

QTEST_MAIN(TstPanelForm)
#include "tst_panelform.moc"
