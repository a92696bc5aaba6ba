#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program as a user starts it, run as a process of its own.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void withoutDisplay_data()
    {
        QTest::addColumn<QStringList>("variables");
        // As from a service or a remote login without X forwarding.
        QTest::newRow("no display variables") << QStringList{"LANG=C"};
        QTest::newRow("empty DISPLAY") << QStringList{"LANG=C", "DISPLAY=", "WAYLAND_DISPLAY="};
    }

    // Qt would abort on the window system it cannot open: the program says so in one line
    // first and ends with a failure, having started nothing (no log in its folder).
    void withoutDisplay()
    {
        QFETCH(QStringList, variables);
        QProcessEnvironment environment;
        for (const QString& variable : variables)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QTemporaryDir dir;
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(AIS_PROGRAM_PATH), QStringList());
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QByteArray error = program.readAllStandardError();
        QCOMPARE(error.count('\n'), 1);
        QVERIFY2(error.endsWith('\n') && error.contains("no display"), error.constData());
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
