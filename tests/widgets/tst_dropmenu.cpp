#include "LogCapture.h"
#include "widgets/WgBox.h"
#include "widgets/WgDropMenu.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QList<WgBox*> boxWindows()
{
    QList<WgBox*> boxes;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<WgBox*>(window))
            boxes << box;
    }
    return boxes;
}

// The drop menu's list: the one box window while a single drop menu lives.
WgBox* listWindow()
{
    const QList<WgBox*> boxes = boxWindows();
    return boxes.size() == 1 ? boxes.first() : nullptr;
}

QPushButton* item(WgBox* list, int index)
{
    return list->findChild<QPushButton*>(QString("menu%1").arg(index));
}

// A drop menu of three baud rates on a window, with room above it for the list.
struct DropMenuRig
{
    QWidget window;
    WgDropMenu* menu = new WgDropMenu(3, 80, 20, &window);
    WgBox* list = nullptr;

    DropMenuRig()
    {
        window.resize(300, 300);
        menu->setGeometry(40, 200, 90, 24);
        window.show();
        list = listWindow();
        const char* rates[] = {"4800", "9600", "38400"};
        for (int i = 0; i < 3; ++i)
            item(list, i)->setText(rates[i]);
    }
};

} // namespace

class TstDropMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LogCapture::start();
    }

    void boxBackgroundFollowsAlpha_data()
    {
        QTest::addColumn<double>("alpha");
        QTest::addColumn<QColor>("background");
        QTest::newRow("opaque keeps the gray") << 1.0 << QColor(Qt::gray);
        QTest::newRow("half is black at alpha 127") << 0.5 << QColor(0, 0, 0, 127);
    }

    void boxBackgroundFollowsAlpha()
    {
        QFETCH(double, alpha);
        QFETCH(QColor, background);
        WgBox box(nullptr, 0, alpha, false);
        QCOMPARE(box.palette().color(QPalette::Window), background);
        QCOMPARE(box.palette().color(QPalette::Inactive, QPalette::Window), background);
        QVERIFY(box.autoFillBackground());
        QVERIFY(qAbs(box.windowOpacity() - alpha) < 0.01);  // kept in eight bits
        QVERIFY(box.isHidden());
        QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    void boxReportsReleaseAndResize()
    {
        WgBox box(nullptr, 4, 1.0, true);
        QSignalSpy released(&box, &WgBox::signalMouseRelease);
        QSignalSpy resized(&box, &WgBox::signalResize);
        box.resize(120, 60);
        box.show();
        QTest::mouseClick(&box, Qt::LeftButton);
        QCOMPARE(released.count(), 1);
        QVERIFY(resized.count() >= 1);
        QVERIFY(box.layout());
    }

    // A shown box stays where it is in the stack; a hidden one comes up on top.
    void boxShowRaiseOnlyRaisesHiddenBox()
    {
        QWidget parent;
        auto* box = new WgBox(&parent, 0, 1.0, false);
        auto* sibling = new QWidget(&parent);
        parent.show();
        box->show();
        sibling->raise();
        box->showRaise();
        QCOMPARE(parent.children().last(), sibling);

        box->hide();
        box->showRaise();
        QVERIFY(box->isVisible());
        QCOMPARE(parent.children().last(), box);
    }

    void listOpensAboveButtonAndClosesOnSecondClick()
    {
        DropMenuRig rig;
        QVERIFY(rig.list);
        QCOMPARE(rig.list->windowType(), Qt::ToolTip);
        QSignalSpy update(rig.menu, &WgDropMenu::signalMenuUpdate);

        QTest::mouseClick(rig.menu, Qt::LeftButton);
        QCOMPARE(update.count(), 1);
        QVERIFY(rig.menu->isMenuDrop());
        const QPoint corner = rig.menu->mapToGlobal(QPoint(0, 0));
        QCOMPARE(rig.list->geometry().bottom() + 1, corner.y());
        QCOMPARE(rig.list->x(), corner.x() - 1);
        QCOMPARE(item(rig.list, 2)->size(), QSize(80, 20));

        QTest::mouseClick(rig.menu, Qt::LeftButton);
        QVERIFY(!rig.menu->isMenuDrop());
        QCOMPARE(update.count(), 1);

        rig.menu->menuDrop();
        QVERIFY(rig.menu->isMenuDrop());
        QCOMPARE(update.count(), 1);
        rig.menu->menuCollect();
        QVERIFY(!rig.menu->isMenuDrop());
    }

    void itemClickSetsButtonText_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 0 << "4800";
        QTest::newRow("last") << 2 << "38400";
    }

    void itemClickSetsButtonText()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        DropMenuRig rig;
        QSignalSpy chosen(rig.menu, &WgDropMenu::signalMenuItemClick);
        item(rig.list, 1)->setChecked(true);
        QTest::mouseClick(rig.menu, Qt::LeftButton);
        QTest::mouseClick(item(rig.list, index), Qt::LeftButton);
        QCOMPARE(rig.menu->text(), text);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toInt(), index);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(item(rig.list, i)->isChecked(), i == index);
    }

    void listClosesWithButtonAndOnFocusLoss()
    {
        DropMenuRig rig;
        rig.menu->menuDrop();
        rig.menu->hide();
        QVERIFY(!rig.menu->isMenuDrop());

        rig.menu->show();
        rig.menu->menuDrop();
        QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(rig.list, &focusOut);
        QVERIFY(!rig.menu->isMenuDrop());
    }

    // The list never holds the focus, so the focus moving elsewhere closes it; moving to the
    // button (as its press does) leaves the click to decide.
    void listClosesWhenFocusMovesElsewhere()
    {
        DropMenuRig rig;
        auto* edit = new QLineEdit(&rig.window);
        edit->show();
        rig.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        edit->setFocus();

        rig.menu->menuDrop();
        rig.menu->setFocus();
        QVERIFY(rig.menu->isMenuDrop());
        edit->setFocus();
        QVERIFY(!rig.menu->isMenuDrop());
    }

    void emptyMenuWorks()
    {
        QWidget window;
        auto* menu = new WgDropMenu(0, 0, 0, &window);
        menu->setText("none");
        window.show();
        QSignalSpy update(menu, &WgDropMenu::signalMenuUpdate);
        QTest::mouseClick(menu, Qt::LeftButton);
        QCOMPARE(update.count(), 1);
        QVERIFY(menu->isMenuDrop());
        QVERIFY(listWindow()->findChildren<QPushButton*>().isEmpty());
        LogCapture::take();
        menu->setMenuItem(0);
        QCOMPARE(menu->text(), "none");
        const QStringList logged = LogCapture::take();
        QCOMPARE(logged.size(), 1);
        QVERIFY2(logged.first().contains("Menu item 0 is outside the 0 items"), qPrintable(logged.first()));
    }

    void destructionTakesTheListAlong()
    {
        QPointer<WgBox> list;
        QPointer<QPushButton> firstItem;
        {
            DropMenuRig rig;
            rig.menu->menuDrop();
            list = rig.list;
            firstItem = item(rig.list, 0);
            QVERIFY(firstItem);
        }
        QVERIFY(!list);
        QVERIFY(!firstItem);
        QVERIFY(boxWindows().isEmpty());
    }
};

QTEST_MAIN(TstDropMenu)
#include "tst_dropmenu.moc"
