#include "LogCapture.h"
#include "StartUpFont.h"
#include "StyleSheetHarness.h"
#include "resources/ResourceCollections.h"
#include "style/ObjPalette.h"
#include "style/CStyledItemDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

namespace {

// A form with combo boxes at two depths.
struct Form
{
    Form()
    {
        top.setObjectName("wgCentral");
        auto* layout = new QVBoxLayout(&top);
        layout->addWidget(new QComboBox);
        auto* group = new QGroupBox;
        auto* inner = new QVBoxLayout(group);
        inner->addWidget(new QComboBox);
        layout->addWidget(group);
    }
    QList<QComboBox*> comboBoxes() const { return top.findChildren<QComboBox*>(); }

    QWidget top;
};

QString elevenKinds()
{
    const QString any;
    QString sheet;
    sheet += ObjPalette::compLabelColorToneStyle(any, WG_COLOR_TONE_0, false);
    sheet += ObjPalette::compPushButtonColorToneStyle(any, WG_COLOR_TONE_0, false, 5);
    sheet += ObjPalette::compSpinBoxColorToneStyle(any, WG_COLOR_TONE_0, false, false);
    sheet += ObjPalette::compComboBoxColorToneStyle(any, WG_COLOR_TONE_0, false, 1);
    sheet += ObjPalette::compCheckBoxColorToneStyle(any, WG_COLOR_TONE_0, false);
    sheet += ObjPalette::compLineColorToneStyle(any, WG_COLOR_TONE_6, false, WG_LINE_DIRECTION_VERTICAL);
    for (const char* className : {"QLineEdit", "QTextEdit", "QDateEdit", "QTimeEdit"})
        sheet += ObjPalette::compEditColorToneStyle(any, WG_COLOR_TONE_0, false, className);
    sheet += ObjPalette::compRadioBtnColorToneStyle(any, WG_COLOR_TONE_0, false);
    return sheet;
}

} // namespace

class TstWhiteTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LogCapture::start();
        Resources::registerCollections();
        useStartUpFont();
    }

    void topBlockThenElevenKinds()
    {
        QCOMPARE(ObjPalette::compWhiteThemeWgsStyle(), elevenKinds());
        Form form;
        CStyledItemDelegate delegate;
        ObjPalette::setWhiteThemeWgsStyle(&form.top, delegate);
        QCOMPARE(form.top.styleSheet(),
                 "#wgCentral {background-color:#ffffff;border:2px solid #808080;}" + elevenKinds());
        // Whatever the form holds.
        QWidget empty;
        empty.setObjectName("wgAbout");
        ObjPalette::setWhiteThemeWgsStyle(&empty, delegate);
        QCOMPARE(empty.styleSheet(), "#wgAbout {background-color:#ffffff;border:2px solid #808080;}" + elevenKinds());
    }

    // Qt 5 deletes the delegate a combo box replaces: a second call must not delete ours.
    void delegateSetOnceAndKept()
    {
        Form form;
        CStyledItemDelegate delegate;
        ObjPalette::setWhiteThemeWgsStyle(&form.top, delegate);
        const QString sheet = form.top.styleSheet();
        QCOMPARE(form.comboBoxes().size(), 2);
        for (QComboBox* comboBox : form.comboBoxes())
            QCOMPARE(comboBox->itemDelegate(), &delegate);

        ObjPalette::setWhiteThemeWgsStyle(&form.top, delegate);
        QCOMPARE(form.top.styleSheet(), sheet);
        for (QComboBox* comboBox : form.comboBoxes()) {
            QCOMPARE(comboBox->itemDelegate(), &delegate);
            comboBox->showPopup();  // the delegate paints the items
            comboBox->hidePopup();
        }

        auto* later = new QComboBox(&form.top);
        QAbstractItemDelegate* own = later->itemDelegate();
        QVERIFY(own != &delegate);
        QCOMPARE(later->itemDelegate(), own);
    }

    // The caller's delegate goes first; the combo boxes only refer to it.
    void delegateDestroyedBeforeTheCombos()
    {
        Form form;
        {
            CStyledItemDelegate delegate;
            ObjPalette::setComboBoxDelegate(&form.top, &delegate);
            QCOMPARE(form.comboBoxes().first()->itemDelegate(), &delegate);
        }
        QCOMPARE(form.comboBoxes().first()->itemDelegate(), nullptr);
    }

    void namelessTopWidget()
    {
        Form form;
        form.top.setObjectName(QString());
        form.top.setStyleSheet("color:#123456;");
        CStyledItemDelegate delegate;
        LogCapture::take();
        ObjPalette::setWhiteThemeWgsStyle(&form.top, delegate);
        QCOMPARE(form.top.styleSheet(), "color:#123456;");
        QCOMPARE(LogCapture::take(),
                 QStringList{"setWhiteThemeWgsStyle [W]QWidget without an object name: its sheet is left as it was"});
        // The combo boxes still take the delegate.
        QCOMPARE(form.comboBoxes().first()->itemDelegate(), &delegate);
    }

    void refusals()
    {
        Form form;
        QAbstractItemDelegate* own = form.comboBoxes().first()->itemDelegate();
        LogCapture::take();
        ObjPalette::setComboBoxDelegate(&form.top, nullptr);
        ObjPalette::setComboBoxDelegate(nullptr, nullptr);
        CStyledItemDelegate delegate;
        ObjPalette::setWhiteThemeWgsStyle(nullptr, delegate);
        ObjPalette::setMainWidgetWhiteStyle(nullptr);
        ObjPalette::setTextEditWhiteStyle(nullptr);
        QCOMPARE(form.comboBoxes().first()->itemDelegate(), own);
        QCOMPARE(LogCapture::take(), QStringList({"setComboBoxDelegate [W]No delegate given: the combo boxes keep theirs",
                                                  "setComboBoxDelegate [W]No widget given: nothing styled",
                                                  "setComboBoxDelegate [W]No widget given: nothing styled",
                                                  "setWhiteThemeWgsStyle [W]No widget given: nothing styled",
                                                  "setMainWidgetWhiteStyle [W]No widget given: nothing styled",
                                                  "setTextEditWhiteStyle [W]No widget given: nothing styled"}));
    }

    void mainWidgetAndTextEdit()
    {
        QWidget main;
        ObjPalette::setMainWidgetWhiteStyle(&main);
        QCOMPARE(main.styleSheet(),
                 ObjPalette::compTabWidgetColorToneStyle("", WG_COLOR_TONE_0, false, WIDGET_SIZE{150, 30})
                     + ObjPalette::compPushButtonColorToneStyle("", WG_COLOR_TONE_6, true, 5));
        QVERIFY(main.styleSheet().contains("QTabBar::tab {width:150px;height:30px;"));
        QVERIFY(main.styleSheet().contains(" QPushButton {color:#ffffff;background-color:#191970;"));
        QTextEdit text;
        ObjPalette::setTextEditWhiteStyle(&text);
        QCOMPARE(text.styleSheet(), ObjPalette::compEditColorToneStyle("", WG_COLOR_TONE_0, false, "QTextEdit"));
    }

    void harnessRaisesNoWarning()
    {
        StyleSheetHarness harness;
        CStyledItemDelegate delegate;
        const QList<std::function<void()>> appliers{
            [&] { ObjPalette::setWhiteThemeWgsStyle(harness.host(), delegate); },
            [&] { ObjPalette::setMainWidgetWhiteStyle(harness.host()); },
            [&] { ObjPalette::setTextEditWhiteStyle(harness.child<QTextEdit>()); },
        };
        for (const auto& apply : appliers) {
            const QStringList failures = harness.check(apply);
            QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
        }
    }
};

QTEST_MAIN(TstWhiteTheme)
#include "tst_whitetheme.moc"
