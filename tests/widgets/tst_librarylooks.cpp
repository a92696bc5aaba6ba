#include "StyleSheetHarness.h"
#include "widgets/WgBox.h"
#include "widgets/WgComboBoxEditAffixes.h"
#include "widgets/WgDropMenu.h"
#include "widgets/WgGlowLabel.h"
#include "widgets/WgLineEditAffixes.h"
#include "widgets/WgTaskBar.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <functional>

Q_DECLARE_METATYPE(std::function<void()>)

// Each widget's default look is a sheet that Qt takes whole.
class TstLibraryLooks : public QObject
{
    Q_OBJECT

private slots:
    void defaultSheetsParse_data()
    {
        QTest::addColumn<std::function<void()>>("draw");

        QTest::newRow("affix combo box") << std::function<void()>([] {
            WgComboBoxEditAffixes combo(nullptr);
            combo.addItem("Custom");
            combo.setCustomIndex(0);
            combo.setPrefixValue("N");
            combo.setPostfixValue("kn");
            combo.setCurrentIndex(-1);
            combo.setCurrentIndex(0);
            combo.grab();
        });
        QTest::newRow("affix line edit") << std::function<void()>([] {
            WgLineEditAffixes edit(nullptr);
            edit.updatePrefixDisp("SOG");
            edit.grab();
        });
        QTest::newRow("drop menu and its list") << std::function<void()>([] {
            QWidget window;
            auto* menu = new WgDropMenu(2, 60, 20, &window);
            window.show();
            menu->menuDrop();
            menu->grab();
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (qobject_cast<WgBox*>(top))
                    top->grab();
            }
        });
        QTest::newRow("glow label") << std::function<void()>([] {
            WgGlowLabel label(nullptr);
            label.setLabelText("AIS");
            label.grab();
        });
        QTest::newRow("task bar") << std::function<void()>([] {
            WgTaskBar bar(nullptr);
            bar.setValue(40);
            bar.grab();
        });
    }

    void defaultSheetsParse()
    {
        QFETCH(std::function<void()>, draw);
        StyleSheetHarness harness;
        const QStringList failures = harness.check(draw);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    // Written out from each widget's default colours, font, padding and border.
    void defaultSheetsCarryTheLook()
    {
        WgDropMenu menu(1, 0, 0, nullptr);
        QCOMPARE(menu.styleSheet(),
                 "color:#ffffff;background-color:#000000;"
                 "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #808080, stop:1.0 #505050);"
                 "border:1px solid #a9a9a9;border-radius:0px;outline-width:0px;padding-left:3px;");
        QWidget* list = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<WgBox*>(window))
                list = window;
        }
        QVERIFY(list);
        QCOMPARE(list->styleSheet(),
                 "QPushButton {color:#282828;background-color:#c0c0c0;font-weight:700;font-family:\"arial\";"
                 "border:0px solid #505050;}"
                 "QPushButton:checked {color:#ffffff;background-color:#808080;}"
                 "QPushButton:hover {color:#ffffff;background-color:#6495ed;}"
                 "QPushButton:hover:checked {color:#ffffff;background-color:#6495ed;}");

        QCOMPARE(WgGlowLabel(nullptr).styleSheet(),
                 "QLabel {color:#ffff00;font-size:20px;font-weight:900;font-family:\"arial\";"
                 "padding-left:10px;padding-right:10px;}");
        QCOMPARE(WgTaskBar(nullptr).styleSheet(),
                 "QProgressBar {color:#ffffff;background-color:#483d8b;border:1px solid #a9a9a9;border-radius:5px;"
                 "text-align:center;}"
                 "QProgressBar::chunk {background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, "
                 "stop:0.0 #4169e1, stop:0.5 #191970);}");
        const QString affixes = "QLabel {color:#333333;font-weight:700;}";
        QCOMPARE(WgComboBoxEditAffixes(nullptr).styleSheet(), affixes);
        QCOMPARE(WgLineEditAffixes(nullptr).styleSheet(), affixes);
    }
};

QTEST_MAIN(TstLibraryLooks)
#include "tst_librarylooks.moc"
