#include "mainwindow/environment/CEnvironmentSetup.h"
#include "mainwindow/environment/ConvtQStringToChar.h"
#include "mainwindow/environment/EnvDataReaders.h"

#include "TestEnv.h"

#include <QFile>
#include <QSettings>
#include <QtTest>
#include <climits>
#include <cstring>
#include <vector>

namespace {

constexpr char Untouched = '#';

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// The text in a heap block of its exact size, so the sanitizer sees any read past its end.
std::vector<char> exactText(const QByteArray& text)
{
    return std::vector<char>(text.constData(), text.constData() + text.size() + 1);
}

} // namespace

class TstEnvironmentSetup : public QObject
{
    Q_OBJECT

private slots:
    void readProfileIni_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("debugMode");
        QTest::addColumn<int>("baudIndex");
        const QByteArray group = "[Env_Setting]\n";
        QTest::newRow("debug on, 9600") << group + "DebugMode=true\nDefaultBaudRate=4\n" << true << 4;
        QTest::newRow("1200 is the last index") << group + "DefaultBaudRate=7\n" << false << 7;
        QTest::newRow("index 8") << group + "DefaultBaudRate=8\n" << false << 0;
        QTest::newRow("negative index") << group + "DefaultBaudRate=-1\n" << false << 0;
        QTest::newRow("no number") << group + "DefaultBaudRate=abc\n" << false << 0;
        QTest::newRow("debug off") << group + "DebugMode=false\nDefaultBaudRate=2\n" << false << 2;
        QTest::newRow("other groups only") << QByteArray("[Sys_Debug]\nDefaultBaudRate=3\n") << false << 0;
        QTest::newRow("empty file") << QByteArray() << false << 0;
    }

    // Reading replaces the whole record, so the defaults show against a record set before.
    void readProfileIni()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, debugMode);
        QFETCH(int, baudIndex);
        TestEnv::ScopedWorkDir dir;
        const QString path = dir.path() + "/profile.ini";
        writeFile(path, ini);
        CEnvironmentSetup environment;
        environment.setNewProfileSetting({true, 6});
        const QSettings settings(path, QSettings::IniFormat);
        environment.readProfileIni(&settings);
        QCOMPARE(environment.setting().debugMode, debugMode);
        QCOMPARE(environment.setting().defaultBaudRate, baudIndex);
    }

    void startsWithDefaults()
    {
        const CEnvironmentSetup environment;
        QCOMPARE(environment.setting().debugMode, false);
        QCOMPARE(environment.setting().defaultBaudRate, 0);
    }

    void writeProfileIniAddsOnlyMissingKeys()
    {
        TestEnv::ScopedWorkDir dir;
        const QString path = dir.path() + "/profile.ini";
        writeFile(path, "[Env_Setting]\nDefaultBaudRate=3\n");
        CEnvironmentSetup environment;
        environment.setNewProfileSetting({true, 5});
        {
            QSettings settings(path, QSettings::IniFormat);
            environment.writeProfileIni(&settings);
        }
        const QSettings written(path, QSettings::IniFormat);
        QCOMPARE(written.value("Env_Setting/DebugMode").toBool(), true);
        QCOMPARE(written.value("Env_Setting/DefaultBaudRate").toInt(), 3);
    }

    void boolDataRead_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("found");
        QTest::addColumn<bool>("after");
        QTest::newRow("OFF") << QByteArray("A=1 MODE=OFF") << true << true << false;
        QTest::newRow("ON") << QByteArray("MODE=ON") << false << true << true;
        QTest::newRow("1") << QByteArray("MODE=1") << false << true << true;
        QTest::newRow("0") << QByteArray("MODE=0") << true << true << false;
        QTest::newRow("NONE holds ON") << QByteArray("MODE=NONE") << false << true << true;
        QTest::newRow("question mark") << QByteArray("MODE=?") << true << true << true;
        QTest::newRow("key missing") << QByteArray("DEBUG=ON") << false << false << false;
        // Only the first 9 characters are looked at.
        QTest::newRow("ON past the copy") << QByteArray("MODE=.........ON") << false << true << false;
        QTest::newRow("OFF cut to OF") << QByteArray("MODE=.......OFF") << true << true << true;
    }

    void boolDataRead()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, before);
        QFETCH(bool, found);
        QFETCH(bool, after);
        std::vector<char> exact = exactText(text);
        bool value = before;
        QCOMPARE(::boolDataRead(&value, "MODE=", exact.data()), found);
        QCOMPARE(value, after);
    }

    void charDataRead_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QByteArray>("copied");  // with the NUL when one is copied
        QTest::newRow("count 0") << 0 << true << QByteArray();
        QTest::newRow("negative count") << -1 << false << QByteArray();
        QTest::newRow("part of the value") << 2 << true << QByteArray("AB");
        QTest::newRow("the value exactly") << 3 << true << QByteArray("ABC");
        QTest::newRow("past the text") << 8 << true << QByteArray("ABC\0", 4);
    }

    // The text ends right after the value: a copy past it would read outside its block.
    void charDataRead()
    {
        QFETCH(int, count);
        QFETCH(bool, found);
        QFETCH(QByteArray, copied);
        std::vector<char> text = exactText("NAME=ABC");
        char out[16];
        std::memset(out, Untouched, sizeof out);
        QCOMPARE(::charDataRead(out, "NAME=", count, text.data()), found);
        QCOMPARE(QByteArray(out, copied.size()), copied);
        for (size_t i = copied.size(); i < sizeof out; ++i)
            QCOMPARE(out[i], Untouched);
    }

    void charDataReadMissingKey()
    {
        char out[4] = {Untouched, Untouched, Untouched, Untouched};
        QVERIFY(!::charDataRead(out, "SHIP=", 4, "NAME=ABC"));
        QCOMPARE(out[0], Untouched);
    }

    void numberReaders_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("integer");
        QTest::addColumn<float>("real");
        QTest::newRow("integer") << QByteArray("RATE=12 X") << true << 12 << 12.0f;
        QTest::newRow("blanks skipped, point kept") << QByteArray("RATE=  -2.75") << true << -2 << -2.75f;
        QTest::newRow("no digits") << QByteArray("RATE=abc") << true << 0 << 0.0f;
        QTest::newRow("beyond int") << QByteArray("RATE=99999999999") << true << INT_MAX << 99999999999.0f;
        QTest::newRow("below int") << QByteArray("RATE=-99999999999") << true << INT_MIN << -99999999999.0f;
        QTest::newRow("key missing") << QByteArray("SPEED=3") << false << 7 << 7.0f;
    }

    void numberReaders()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, found);
        QFETCH(int, integer);
        QFETCH(float, real);
        std::vector<char> exact = exactText(text);
        int intValue = 7;
        float floatValue = 7.0f;
        QCOMPARE(::intDataRead(&intValue, "RATE=", exact.data()), found);
        QCOMPARE(::floatDataRead(&floatValue, "RATE=", exact.data()), found);
        QCOMPARE(intValue, integer);
        QCOMPARE(floatValue, real);
    }

    void floatDataReadIgnoresDecimalComma()
    {
        TestEnv::ScopedDecimalComma comma;
        if (!comma.isActive())
            QSKIP("no German locale to switch to");
        float value = 0;
        QVERIFY(::floatDataRead(&value, "ZOOM=", "ZOOM=1.5"));
        QCOMPARE(value, 1.5f);
    }

    void convtQStringToChar_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("fits") << QString("SEA") << QByteArray("SEA");
        QTest::newRow("fills it") << QString("MARINER") << QByteArray("MARINER");
        QTest::newRow("cut") << QString("MARINERS STAR") << QByteArray("MARINER");
        QTest::newRow("empty") << QString() << QByteArray();
    }

    // A buffer of 8 inside a larger array: nothing is written past the 8.
    void convtQStringToChar()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        char buffer[12];
        std::memset(buffer, Untouched, sizeof buffer);
        ConvtQStringToChar(buffer, 8, text);
        QCOMPARE(QByteArray(buffer), stored);
        for (size_t i = 8; i < sizeof buffer; ++i)
            QCOMPARE(buffer[i], Untouched);
    }

    void convtQStringToCharTakesArraySize()
    {
        char callSign[8];
        ConvtQStringToChar(callSign, QStringLiteral("CALLSIGN1"));
        QCOMPARE(QByteArray(callSign), QByteArray("CALLSIG"));
    }
};

QTEST_GUILESS_MAIN(TstEnvironmentSetup)
#include "tst_environmentsetup.moc"
