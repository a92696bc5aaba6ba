#include "widgets/WgComboBox.h"
#include "widgets/WgLabel.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QtTest>

class TstLabelComboBox : public QObject
{
    Q_OBJECT

private slots:
    void labelClicks()
    {
        WgLabel label(nullptr);
        label.setText("MMSI");
        label.resize(60, 20);
        QSignalSpy clicked(&label, &WgLabel::signalClicked);
        QSignalSpy doubleClicked(&label, &WgLabel::signalDoubleClicked);

        // A double click: the first press is a click, the second arrives as the double click alone.
        QTest::mouseClick(&label, Qt::LeftButton);
        QTest::mouseDClick(&label, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(doubleClicked.count(), 1);
    }

    // The port selector is refilled by a directly connected slot each time it opens.
    void popupShowsItemsRefilledFirst()
    {
        WgComboBox combo(nullptr);
        combo.addItem("stale");
        combo.show();
        int openings = 0;
        QList<bool> popupVisibleAtSignal;
        QStringList refill;
        connect(
            &combo, &WgComboBox::signalShowPopup, &combo,
            [&] {
                popupVisibleAtSignal << combo.view()->isVisible();
                ++openings;
                refill = QStringList{QString("/dev/ttyUSB%1").arg(openings), QString("/dev/pts/%1").arg(openings)};
                combo.clear();
                combo.addItems(refill);
            },
            Qt::DirectConnection);

        for (int opening = 1; opening <= 2; ++opening) {
            combo.showPopup();
            QCOMPARE(openings, opening);
            QVERIFY(combo.view()->isVisible());
            QStringList shown;
            for (int row = 0; row < combo.view()->model()->rowCount(); ++row)
                shown << combo.view()->model()->index(row, 0).data().toString();
            QCOMPARE(shown, refill);
            combo.hidePopup();
        }
        QCOMPARE(popupVisibleAtSignal, (QList<bool>{false, false}));
    }
};

QTEST_MAIN(TstLabelComboBox)
#include "tst_labelcombobox.moc"
