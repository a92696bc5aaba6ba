#include "device/CCommSpacesManage.h"
#include "mainwindow/AisConfigurationStart.h"
#include "resources/ResourceCollections.h"

#include "LogCapture.h"

#include <QMessageBox>
#include <QtTest>
#include <algorithm>
#include <stdexcept>

// The program's start when the window cannot be built.
class TestMainWindowStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        LogCapture::start();
    }

    // Nothing half-built is shown or used: the user is told, the log keeps the reason and the
    // start reports a failure.
    void facadeThrows()
    {
        QString boxTitle;
        QString boxText;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxTitle = box->windowTitle();
                boxText = box->text();
                QVERIFY(box->icon() == QMessageBox::Critical);
                box->accept();
            }
        });
        answer.start(10);
        LogCapture::take();
        const int result = RunMainWindow([](QObject*) -> CCommSpacesManage* {
            throw std::runtime_error("serial layer missing");
        });
        answer.stop();
        QVERIFY(result != 0);
        QCOMPARE(boxTitle, QStringLiteral("AIS Configuration Tool"));
        QVERIFY2(boxText.contains("serial layer missing"), qPrintable(boxText));
        const QStringList logged = LogCapture::take();
        QVERIFY2(logged.contains(QStringLiteral("AisConfiguration [X]serial layer missing")),
                 qPrintable(logged.join('\n')));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(windows.cbegin(), windows.cend(),
                             [](const QWidget* widget) { return widget->inherits("AisConfiguration"); }));
    }
};

QTEST_MAIN(TestMainWindowStart)
#include "tst_mainwindowstart.moc"
