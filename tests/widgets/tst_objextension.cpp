#include "widgets/QtObjExtension.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QSpacerItem>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

// A spacer that counts its deletions.
class CountedSpacer : public QSpacerItem
{
public:
    explicit CountedSpacer(int* deletions)
        : QSpacerItem(10, 10)
        , m_deletions(deletions)
    {
    }
    ~CountedSpacer() override { ++*m_deletions; }

private:
    int* m_deletions;
};

// Counts the events that reach the widgets it filters.
class EventCounter : public QObject
{
public:
    QSet<QObject*> seen;

protected:
    bool eventFilter(QObject* watched, QEvent*) override
    {
        seen.insert(watched);
        return false;
    }
};

// host > (direct, group > nested)
struct WidgetTree
{
    QWidget host;
    QLineEdit* direct = new QLineEdit(&host);
    QWidget* group = new QWidget(&host);
    QLineEdit* nested = new QLineEdit(group);
};

} // namespace

class TstObjExtension : public QObject
{
    Q_OBJECT

private slots:
    void newToolBtnsNamedAndSized()
    {
        QToolButton* out[3] = {};
        QtObjExtension::NewToolBtns(out, "btn", 3, 24);
        for (int i = 0; i < 3; ++i) {
            std::unique_ptr<QToolButton> button(out[i]);
            QVERIFY(button);
            QCOMPARE(button->objectName(), QString("btn%1").arg(i));
            QCOMPARE(button->minimumSize(), QSize(24, 24));
            QCOMPARE(button->maximumSize(), QSize(24, 24));
            QCOMPARE(button->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
            QCOMPARE(button->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
            QVERIFY(!button->parent());
        }
        QToolButton* none[1] = {};
        QtObjExtension::NewToolBtns(none, "btn", 0, 24);
        QVERIFY(!none[0]);
    }

    // Each button lives on its own: one given to a parent dies with it, the others stay.
    void newToolBtnArrayGivesSeparateButtons()
    {
        std::vector<QToolButton*> buttons = QtObjExtension::NewToolBtnArray("tool", 3, 32, 20);
        QCOMPARE(buttons.size(), size_t(3));
        QCOMPARE(buttons[2]->objectName(), "tool2");
        QCOMPARE(buttons[2]->maximumSize(), QSize(32, 20));
        QPointer<QToolButton> adopted = buttons[1];
        {
            QWidget parent;
            buttons[1]->setParent(&parent);
        }
        QVERIFY(!adopted);
        delete buttons[0];
        delete buttons[2];
        QVERIFY(QtObjExtension::NewToolBtnArray("tool", 0, 32, 20).empty());
    }

    void blockSignalsReachesEveryDescendant()
    {
        WidgetTree tree;
        QSignalSpy nestedChanged(tree.nested, &QLineEdit::textChanged);
        QtObjExtension::SetWgBlockSignals(&tree.host, true);
        QVERIFY(tree.host.signalsBlocked() && tree.direct->signalsBlocked() && tree.group->signalsBlocked());
        tree.nested->setText("x");
        QCOMPARE(nestedChanged.count(), 0);
        QtObjExtension::SetWgBlockSignals(&tree.host, false);
        tree.nested->setText("y");
        QCOMPARE(nestedChanged.count(), 1);
    }

    void hideAndFilterFollowTheSearchOption_data()
    {
        QTest::addColumn<bool>("recursive");
        QTest::newRow("direct children") << false;
        QTest::newRow("all descendants") << true;
    }

    void hideAndFilterFollowTheSearchOption()
    {
        QFETCH(bool, recursive);
        const Qt::FindChildOption option = recursive ? Qt::FindChildrenRecursively : Qt::FindDirectChildrenOnly;
        WidgetTree tree;
        tree.host.show();
        QtObjExtension::HideWgs(&tree.host, option);
        QVERIFY(tree.direct->isHidden() && tree.group->isHidden());
        QCOMPARE(tree.nested->isHidden(), recursive);

        EventCounter counter;
        QtObjExtension::SetWgsEventFilter(&tree.host, &counter, option);
        for (QWidget* widget : {&tree.host, static_cast<QWidget*>(tree.direct), static_cast<QWidget*>(tree.nested)}) {
            QEvent event(QEvent::User);
            QCoreApplication::sendEvent(widget, &event);
        }
        QCOMPARE(counter.seen.contains(&tree.host), false);
        QCOMPARE(counter.seen.contains(tree.direct), true);
        QCOMPARE(counter.seen.contains(tree.nested), recursive);
    }

    void tableColumnWidths()
    {
        QTableView view;
        QStandardItemModel model(1, 3);
        view.setModel(&model);
        int widths[] = {40, 70, 110};
        QtObjExtension::SetTableViewColumnWidth(&view, widths, 3);
        QCOMPARE(view.columnWidth(0), 40);
        QCOMPARE(view.columnWidth(1), 70);
        QCOMPARE(view.columnWidth(2), 110);
    }

    // The items go with the layout; the widgets stay with their parent.
    void clearLayoutDeletesItemsNotWidgets()
    {
        QWidget host;
        auto* layout = new QHBoxLayout(&host);
        QPointer<QLabel> label = new QLabel("MMSI");
        layout->addWidget(label);
        int spacerDeletions = 0;
        layout->addItem(new CountedSpacer(&spacerDeletions));
        auto* inner = new QHBoxLayout;
        layout->addLayout(inner);
        int innerSpacerDeletions = 0;
        inner->addItem(new CountedSpacer(&innerSpacerDeletions));

        QLayout* cleared = layout;
        QtObjExtension::ClearLayout(&cleared);
        QVERIFY(!cleared);
        QVERIFY(!host.layout());
        QCOMPARE(spacerDeletions, 1);
        QCOMPARE(innerSpacerDeletions, 1);
        QVERIFY(label);
        QCOMPARE(label->parentWidget(), &host);

        QtObjExtension::ClearLayout(&cleared);
        QtObjExtension::ClearLayout(nullptr);
    }
};

QTEST_MAIN(TstObjExtension)
#include "tst_objextension.moc"
