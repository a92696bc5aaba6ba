#include "style/CStyledItemDelegate.h"

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QStandardItemModel>
#include <QtTest>

class TestQtBases : public QObject
{
    Q_OBJECT

    static QImage paintItem(const QStyledItemDelegate& delegate, QStyle::State state)
    {
        QStandardItemModel model;
        model.appendRow(new QStandardItem(QStringLiteral("Item")));
        QListView view;
        view.setModel(&model);

        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.widget = &view;
        option.rect = QRect(0, 0, 120, 24);
        option.state = QStyle::State_Enabled | QStyle::State_Active | state;
        option.showDecorationSelected = true;

        QImage image(120, 24, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        delegate.paint(&painter, option, model.index(0, 0));
        return image;
    }

private slots:
    void delegatePaintsWithoutFocusFrame_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("plain") << int(QStyle::State_None);
        QTest::newRow("selected") << int(QStyle::State_Selected);
        QTest::newRow("hovered") << int(QStyle::State_MouseOver);
    }
    void delegatePaintsWithoutFocusFrame()
    {
        QFETCH(int, state);
        const QStyle::State flags(state);
        QStyledItemDelegate plain;
        // The style must draw a focus frame at all, or this test proves nothing.
        QVERIFY(paintItem(plain, flags | QStyle::State_HasFocus) != paintItem(plain, flags));

        CStyledItemDelegate delegate;
        QCOMPARE(paintItem(delegate, flags | QStyle::State_HasFocus), paintItem(plain, flags));
    }
};

QTEST_MAIN(TestQtBases)
#include "tst_qtbases.moc"
