#include "mainwindow/AisConfiguration.h"
#include "mainwindow/about/CAboutForm.h"
#include "resources/ResourceCollections.h"
#include "ui_AisConfiguration.h"
#include "ui_CAboutForm.h"

#include <QtTest>

namespace {

CAboutForm* aboutOf(const AisConfiguration& window)
{
    const QList<CAboutForm*> forms = window.findChildren<CAboutForm*>();
    return forms.size() == 1 ? forms.first() : nullptr;
}

void sendMove(QWidget* widget, QPoint globalPos)
{
    QMouseEvent move(QEvent::MouseMove, widget->mapFromGlobal(globalPos), globalPos, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

// The About dialog, alone and as the main window makes it. The window installs its
// translations for its lifetime only, so each test makes its own.
class TestAboutForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Resources::registerCollections(); }

    // No notice translation installed: the content shows the keys, the base notice not at all.
    void noticesWithoutAndWithTranslation()
    {
        QWidget parent;
        CAboutForm about(&parent);
        about.updateUiDisp();
        about.updateUiText(QStringLiteral("Name"));
        QTextEdit* content = about.form()->edtAboutContent;
        QVERIFY(content->isReadOnly());
        QCOMPARE(content->toPlainText(), QStringLiteral("CopyrightVELK\nCopyrightQt"));
        QCOMPARE(about.form()->lblSoftwareName->text(), QStringLiteral("Name"));
        QCOMPARE(about.form()->lblSoftwareVersion->text(), QStringLiteral("v2.1.1"));
        QCOMPARE(about.form()->lblAboutBorderTitle->text(), QStringLiteral("About"));
        QCOMPARE(about.form()->btnClose->text(), QStringLiteral("Close"));

        QTranslator notices;
        QVERIFY(notices.load(QStringLiteral(":/Translations/Languages/CopyRight_en.qm")));
        QCoreApplication::installTranslator(&notices);
        about.updateUiText(QStringLiteral("Name"));
        QCoreApplication::removeTranslator(&notices);
        const QStringList paragraphs = content->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(paragraphs.size(), 2);
        QVERIFY(paragraphs.at(0).contains(QLatin1String("logo")));
        QVERIFY(paragraphs.at(1).contains(QLatin1String("Qt toolkit")));
        QVERIFY(!content->toPlainText().contains(QLatin1String("Copyright")));
        QVERIFY(!content->toPlainText().contains(QLatin1String("All rights reserved")));
    }

    // The title bar reads close button first, then the title.
    void closeButtonLeads()
    {
        QWidget parent;
        CAboutForm about(&parent);
        QLayout* bar = about.form()->wgFormBorder->layout();
        QCOMPARE(bar->itemAt(0)->widget(), about.form()->btnWinCtrlClose);
        QCOMPARE(bar->itemAt(2)->widget(), about.form()->lblAboutBorderTitle);
        QCOMPARE(bar->itemAt(bar->count() - 1)->widget(), about.form()->wgFormBorderEmpty);
        QCOMPARE(about.windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
    }

    void windowHandsItsTitle()
    {
        AisConfiguration window;
        CAboutForm* about = aboutOf(window);
        QVERIFY(about);
        QVERIFY(about->isHidden());
        QCOMPARE(about->form()->lblSoftwareName->text(), QStringLiteral("AIS Configuration Tool"));
        QCOMPARE(about->form()->lblSoftwareVersion->text(), QStringLiteral("v2.1.1"));
        QVERIFY(!about->form()->edtAboutContent->toPlainText().contains(QLatin1String("CopyrightQt")));
        QVERIFY(!about->form()->wgAbout->styleSheet().isEmpty());
    }

    void closeHidesSameInstance_data()
    {
        QTest::addColumn<bool>("titleBar");
        QTest::newRow("title bar close") << true;
        QTest::newRow("Close") << false;
    }

    void closeHidesSameInstance()
    {
        QFETCH(bool, titleBar);
        AisConfiguration window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CAboutForm* about = aboutOf(window);
        QVERIFY(about);
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(window.form()->btnThemeFunAbout, Qt::LeftButton);
            QVERIFY(about->isVisible());
            QVERIFY(about->isModal());
            QCOMPARE(aboutOf(window), about);
            QTest::mouseClick(titleBar ? static_cast<QWidget*>(about->form()->btnWinCtrlClose)
                                       : static_cast<QWidget*>(about->form()->btnClose),
                              Qt::LeftButton);
            QVERIFY(!about->isVisible());
        }
    }

    // A left press on the title bar and a move carry the dialog by the same distance.
    void leftDragMoves()
    {
        AisConfiguration window;
        window.show();
        CAboutForm* about = aboutOf(window);
        QVERIFY(about);
        window.form()->btnThemeFunAbout->click();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QWidget* bar = about->form()->wgFormBorder;
        const QPoint start = about->pos();
        const QPoint grip(bar->width() / 2, bar->height() / 2);
        const QPoint grabbed = bar->mapToGlobal(grip);
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grip);
        sendMove(bar, grabbed + QPoint(20, 10));
        sendMove(bar, grabbed + QPoint(40, 30));
        QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, grip);
        QCOMPARE(about->pos(), start + QPoint(40, 30));
        about->close();
    }
};

QTEST_MAIN(TestAboutForm)
#include "tst_aboutform.moc"
