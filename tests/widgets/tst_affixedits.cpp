#include "widgets/WgComboBoxEditAffixes.h"
#include "widgets/WgLineEditAffixes.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {

constexpr int CustomItem = 3;

// Three baud rates, then the custom item; rates of up to six digits may be typed.
std::unique_ptr<WgComboBoxEditAffixes> makeBaudCombo(int customIndex, const char* prefix, const char* postfix)
{
    auto combo = std::make_unique<WgComboBoxEditAffixes>(nullptr);
    for (const char* rate : {"4800", "9600", "38400"})
        combo->addItem(rate, QString(rate));
    combo->addItem("Custom", QString());
    combo->resize(200, 30);
    QRegExp digits("[0-9]{0,6}");
    combo->setEditRule(digits);
    combo->setPlaceholder("baud");
    combo->setPrefixValue(prefix);
    combo->setPostfixValue(postfix);
    combo->setCustomIndex(customIndex);
    combo->setCustomText("115200", false);
    return combo;
}

QList<QLabel*> affixLabelsOf(QWidget* edit)
{
    return edit ? edit->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly) : QList<QLabel*>();
}

// Left to right.
QStringList affixTexts(QWidget* edit)
{
    QList<QLabel*> labels = affixLabelsOf(edit);
    std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    QStringList texts;
    for (QLabel* label : labels)
        texts << label->text();
    return texts;
}

QLabel* labelWithText(QWidget* edit, const QString& text)
{
    for (QLabel* label : affixLabelsOf(edit)) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

// Picks the item in the open list with the keyboard, as a user choosing it again does.
void activateFromList(QComboBox& combo, int index)
{
    combo.showPopup();
    QAbstractItemView* list = combo.view();
    list->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

void freeDeletedEdits()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A line edit that is always born at the same address, as a freed edit's memory is often handed
// to the next one.
class SameAddressLineEdit : public QLineEdit
{
public:
    SameAddressLineEdit() = default;

    static void* operator new(size_t size)
    {
        Q_ASSERT(size <= sizeof(slot) && !slotTaken);
        slotTaken = true;
        return slot;
    }
    static void operator delete(void*) { slotTaken = false; }
    static void* address() { return slot; }

private:
    alignas(std::max_align_t) static inline unsigned char slot[sizeof(QLineEdit) + 64] = {};
    static inline bool slotTaken = false;
};

} // namespace

class TstAffixEdits : public QObject
{
    Q_OBJECT

private slots:
    void comboEdgeCases_data()
    {
        QTest::addColumn<int>("customIndex");
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("expectedIndex");
        QTest::addColumn<bool>("expectedEditable");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<int>("expectedIndexSignals");
        QTest::addColumn<QStringList>("expectedAffixes");

        QTest::newRow("no custom index: the custom item stays a choice")
            << -1 << QByteArray("N") << "select custom" << CustomItem << false << "Custom" << 1 << QStringList();
        QTest::newRow("custom item chosen again restores the stored text")
            << CustomItem << QByteArray("N") << "type, then choose custom again" << CustomItem << true << "115200"
            << 1 << QStringList{"N", "kn"};
        QTest::newRow("text of item 2's data selects it silently")
            << CustomItem << QByteArray("N") << "set text 38400" << 2 << false << "38400" << 0 << QStringList();
        QTest::newRow("empty prefix: postfix alone")
            << CustomItem << QByteArray() << "select custom" << CustomItem << true << "115200" << 1
            << QStringList{"kn"};
    }

    void comboEdgeCases()
    {
        QFETCH(int, customIndex);
        QFETCH(QByteArray, prefix);
        QFETCH(QString, action);
        auto combo = makeBaudCombo(customIndex, prefix.constData(), "kn");
        combo->show();
        QSignalSpy indexChanged(combo.get(), QOverload<int>::of(&QComboBox::currentIndexChanged));

        if (action == "select custom") {
            combo->setCurrentIndex(CustomItem);
        } else if (action == "type, then choose custom again") {
            combo->setCurrentIndex(CustomItem);
            QVERIFY(combo->lineEdit());
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), "12x");
            QCOMPARE(combo->currentText(), "12");  // the rule refused the letter
            activateFromList(*combo, CustomItem);
        } else {
            combo->setText("38400");
        }

        QFETCH(int, expectedIndex);
        QFETCH(bool, expectedEditable);
        QFETCH(QString, expectedText);
        QFETCH(int, expectedIndexSignals);
        QFETCH(QStringList, expectedAffixes);
        QCOMPARE(combo->currentIndex(), expectedIndex);
        QCOMPARE(combo->isEditable(), expectedEditable);
        QCOMPARE(combo->currentText(), expectedText);
        QCOMPARE(indexChanged.count(), expectedIndexSignals);
        QCOMPARE(affixTexts(combo->lineEdit()), expectedAffixes);
        if (QLineEdit* edit = combo->lineEdit()) {
            QCOMPARE(edit->placeholderText(), "baud");
            QLabel* prefixLabel = labelWithText(edit, "N");
            QCOMPARE(edit->textMargins().left(), prefixLabel ? prefixLabel->width() : 0);
        }
    }

    // Leaving the custom item frees the edit and its labels; the next edit is often born at the
    // same address and must still get labels of its own.
    void comboKeepsOneLabelPairOverManySwitches()
    {
        auto combo = makeBaudCombo(CustomItem, "N", "kn");
        combo->show();
        for (int round = 0; round < 200; ++round) {
            combo->setCurrentIndex(round % CustomItem);
            QVERIFY(!combo->lineEdit());
            freeDeletedEdits();
            combo->setCurrentIndex(CustomItem);
            QVERIFY2(affixTexts(combo->lineEdit()) == (QStringList{"N", "kn"}),
                     qPrintable(QString("round %1: %2").arg(round).arg(affixTexts(combo->lineEdit()).join(','))));
            QCOMPARE(combo->currentText(), "115200");
        }
    }

    // A user's own edit, installed after the last one was freed, at the same address.
    void comboLabelsFollowEditBornAtFreedAddress()
    {
        auto combo = makeBaudCombo(CustomItem, "N", "kn");
        combo->show();
        for (int round = 0; round < 3; ++round) {
            combo->setLineEdit(new SameAddressLineEdit);
            combo->setCurrentIndex(CustomItem);
            QCOMPARE(static_cast<void*>(combo->lineEdit()), SameAddressLineEdit::address());
            QVERIFY2(affixTexts(combo->lineEdit()) == (QStringList{"N", "kn"}),
                     qPrintable(QString("round %1: %2").arg(round).arg(affixTexts(combo->lineEdit()).join(','))));
            combo->setCurrentIndex(0);
            freeDeletedEdits();
        }
    }

    // Items past the custom index are typed entries: their text becomes the custom text.
    void comboTypingPastCustomIndexStoresText()
    {
        auto combo = makeBaudCombo(CustomItem, "N", "kn");
        combo->addItem("57600", QString("57600"));
        combo->setCurrentIndex(CustomItem + 1);
        QCOMPARE(combo->currentText(), "57600");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "4");
        combo->setCurrentIndex(CustomItem);
        QCOMPARE(combo->currentText(), "4");
    }

    void comboSetTextWithoutMatchBecomesCustomText()
    {
        auto combo = makeBaudCombo(CustomItem, "N", "kn");
        QSignalSpy indexChanged(combo.get(), QOverload<int>::of(&QComboBox::currentIndexChanged));
        combo->setText("19200");
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->currentText(), "19200");
        QCOMPARE(affixTexts(combo->lineEdit()), (QStringList{"N", "kn"}));
        QCOMPARE(indexChanged.count(), 0);

        WgComboBoxEditAffixes empty(nullptr);
        empty.setText("7");
        QVERIFY(empty.isEditable());
        QCOMPARE(empty.currentText(), "7");
    }

    // A combo box 200 by 30: the prefix sits at the left edge, centred, and the typed text
    // keeps clear of it; the postfix ends 31 px before the right edge, clear of the arrow.
    void comboAffixPlacement()
    {
        auto combo = makeBaudCombo(CustomItem, "N", "kn");
        combo->show();
        combo->setCurrentIndex(CustomItem);
        QLineEdit* edit = combo->lineEdit();
        QLabel* prefix = labelWithText(edit, "N");
        QLabel* postfix = labelWithText(edit, "kn");
        QVERIFY(prefix && postfix);
        QVERIFY(prefix->width() > 0);
        QCOMPARE(prefix->pos(), QPoint(0, 14 - prefix->height() / 2));
        QCOMPARE(edit->textMargins().left(), prefix->width());
        QCOMPARE(postfix->pos(), QPoint(200 - postfix->width() - 31, 14 - postfix->height() / 2));
    }

    void lineEditAffixPlacement()
    {
        WgLineEditAffixes edit(nullptr);
        edit.resize(160, 24);
        edit.show();
        edit.updatePrefixDisp("SOG");
        edit.updatePostfixDisp("kn");
        QLabel* prefix = labelWithText(&edit, "SOG");
        QLabel* postfix = labelWithText(&edit, "kn");
        QVERIFY(prefix && postfix);
        QCOMPARE(prefix->pos(), QPoint(8, 11 - prefix->height() / 2));
        QCOMPARE(edit.textMargins().left(), prefix->width());
        QCOMPARE(postfix->pos(), QPoint(160 - postfix->width() - 6, 11 - postfix->height() / 2));
        QCOMPARE(affixLabelsOf(&edit).size(), 2);
    }

    void sizePolicyStretchIsClamped_data()
    {
        QTest::addColumn<int>("stretch");
        QTest::addColumn<int>("expected");
        QTest::newRow("negative") << -5 << 0;
        QTest::newRow("inside") << 7 << 7;
        QTest::newRow("past 255") << 300 << 255;
    }

    void sizePolicyStretchIsClamped()
    {
        QFETCH(int, stretch);
        QFETCH(int, expected);
        QWidget parent;
        WgComboBoxEditAffixes combo(nullptr);
        combo.setSizePolicyAndParent(&parent, QSizePolicy::Expanding, QSizePolicy::Fixed, stretch, stretch);
        auto* edit = new WgLineEditAffixes(nullptr);
        edit->setSizePolicyAndParent(&parent, QSizePolicy::Expanding, QSizePolicy::Fixed, stretch, stretch);
        for (QWidget* widget : {static_cast<QWidget*>(&combo), static_cast<QWidget*>(edit)}) {
            QCOMPARE(widget->parentWidget(), &parent);
            QCOMPARE(widget->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
            QCOMPARE(widget->sizePolicy().horizontalStretch(), expected);
            QCOMPARE(widget->sizePolicy().verticalStretch(), expected);
        }
        combo.setParent(nullptr);
    }
};

QTEST_MAIN(TstAffixEdits)
#include "tst_affixedits.moc"
