#include "mainwindow/AisConfiguration.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

namespace {

// The texts of the labels the dialog shows.
QStringList shownLabels(const QWidget* dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty())
            texts << label->text();
    }
    return texts;
}

QPushButton* buttonNamed(const QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->isVisible() && button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

// The user opens About from the window's title bar, reads the program's name and version, and
// closes it with its Close button, more than once.
class TestJourneyAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Resources::registerCollections(); }

    void openReadClose()
    {
        AisConfiguration window;
        window.refreshTimer()->stop();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (int opening = 0; opening < 2; ++opening) {
            QTest::mouseClick(window.form()->btnThemeFunAbout, Qt::LeftButton);
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(about);
            QVERIFY(QTest::qWaitForWindowExposed(about));
            const QStringList labels = shownLabels(about);
            QVERIFY2(labels.contains("AIS Configuration Tool"), qPrintable(labels.join(" | ")));
            QVERIFY2(labels.contains("v2.1.1"), qPrintable(labels.join(" | ")));
            QVERIFY2(labels.contains("About"), qPrintable(labels.join(" | ")));
            // The notices read as text, not as the keys they are looked up by.
            const QList<QTextEdit*> notices = about->findChildren<QTextEdit*>();
            QCOMPARE(notices.size(), 1);
            QVERIFY(notices.first()->isVisible());
            const QString notice = notices.first()->toPlainText();
            QVERIFY2(notice.contains("Qt toolkit") && !notice.contains("CopyrightVELK"), qPrintable(notice));

            QPushButton* close = buttonNamed(about, "Close");
            QVERIFY(close);
            QTest::mouseClick(close, Qt::LeftButton);
            QVERIFY(!about->isVisible());
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(window.isVisible());
        }
    }
};

QTEST_MAIN(TestJourneyAbout)
#include "tst_journeyabout.moc"
