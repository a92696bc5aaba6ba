#include "device/DeviceSentences.h"

#include "Sentence.h"

#include <QtTest>
#include <functional>
#include <string>

namespace {

using Builder = std::function<std::string()>;

DBG_CMD_PARAM pairs(std::initializer_list<int32_t> values)
{
    DBG_CMD_PARAM params;
    int i = 0;
    for (int32_t value : values)
        params.param[i++] = value;
    return params;
}

QByteArray bytes(const std::string& line)
{
    return QByteArray::fromStdString(line);
}

} // namespace

Q_DECLARE_METATYPE(Builder)

// The device's sentences as the builders make them, against the text they must carry and the
// simulated transponder's own checksum and escapes (it shares no code with the program).
class TestDeviceSentences : public QObject
{
    Q_OBJECT

private slots:
    void builtLine_data()
    {
        QTest::addColumn<Builder>("build");
        QTest::addColumn<QByteArray>("text");
        using namespace DeviceSentence;
        QTest::newRow("version query") << Builder(versionQuery) << QByteArray("$AIAIQ,VER");
        QTest::newRow("property query") << Builder(propertyQuery) << QByteArray("!AIAIQ,EPV");
        QTest::newRow("system data") << Builder([] { return systemDataQuery(16); }) << QByteArray("$PTST,,,,,16");
        QTest::newRow("system data, largest number")
            << Builder([] { return systemDataQuery(65535); }) << QByteArray("$PTST,,,,,65535");
        QTest::newRow("CFG query, no sub-item")
            << Builder([] { return cfgSentence(false, CFG_ITEM_STATUS, CFG_SUB_NONE, 99); })
            << QByteArray("$PQLX,Q,CFG,8117,,,");
        QTest::newRow("CFG command with sub-item")
            << Builder([] { return cfgSentence(true, CFG_ITEM_PORTS, CFG_SUB_NMEA2000_INSTANCE, 300); })
            << QByteArray("$PQLX,C,CFG,183,2000,300,");
        QTest::newRow("CFG command, negative value")
            << Builder([] { return cfgSentence(true, CFG_ITEM_UNIT_K_42, CFG_SUB_ALR_UNIT_K_42, -1); })
            << QByteArray("$PQLX,C,CFG,108,6,-1,");
        QTest::newRow("DBG two pairs") << Builder([] { return dbgSentence(true, pairs({40, 5, 41, 2}), 2); })
                                       << QByteArray("$PQLX,C,DBG,40,5,41,2,,,,,");
        QTest::newRow("DBG query, no pairs") << Builder([] { return dbgSentence(false, pairs({40, 5}), 0); })
                                             << QByteArray("$PQLX,Q,DBG,,,,,,,,,");
        QTest::newRow("DBG count past four")
            << Builder([] { return dbgSentence(true, pairs({1, 2, 3, 4, 5, 6, 7, 8}), 9); })
            << QByteArray("$PQLX,C,DBG,1,2,3,4,5,6,7,8,");
        QTest::newRow("settings") << Builder([] { return settingsSentence(pairs({101, 1, 50, 0, 51, 3, 703, 5})); })
                                  << QByteArray("$PDBG,101,1,50,0,51,3,703,5,");
        QTest::newRow("settings, all zero")
            << Builder([] { return settingsSentence(DBG_CMD_PARAM()); }) << QByteArray("$PDBG,0,0,0,0,0,0,0,0,");
        QTest::newRow("Wi-Fi mode on") << Builder([] { return wifiCfgModeSentence(true); })
                                       << QByteArray("$PDBG,163,1,,,,,,");
        QTest::newRow("Wi-Fi mode off") << Builder([] { return wifiCfgModeSentence(false); })
                                        << QByteArray("$PDBG,163,0,,,,,,");
        QTest::newRow("MID") << Builder([] { return mmsiSentence(235000001); }) << QByteArray("$PQLX,C,MID,235000001");
        QTest::newRow("PMID") << Builder([] { return pmidSentence(235000001); }) << QByteArray("$PMID,235000001,");
        QTest::newRow("SSD escapes call sign and name")
            << Builder([] { return staticDataSentence("AB*1", "TEST,SHIP", 10, 20, 3, 4); })
            << QByteArray("$ECSSD,AB^2A1,TEST^2CSHIP,10,20,3,4,,");
        QTest::newRow("SSD, empty texts") << Builder([] { return staticDataSentence("", "", 0, 0, 0, 0); })
                                          << QByteArray("$ECSSD,,,0,0,0,0,,");
        QTest::newRow("VSD") << Builder([] { return shipTypeSentence(99); }) << QByteArray("$ECVSD,99,,,,,,,,");
        QTest::newRow("EPV, MMSI as nine digits")
            << Builder([] { return propertySentence(12345, EPV_MSG27_CHANNEL_A, MSG27_CHANNEL_A); })
            << QByteArray("$AIEPV,C,AI,000012345,109,75");
    }

    void builtLine()
    {
        QFETCH(Builder, build);
        QFETCH(QByteArray, text);
        QCOMPARE(bytes(build()), Sim::Sentence::finish(text));
    }

    // What went on the wire before the builders, with its checksum worked out by hand.
    void knownLines()
    {
        QCOMPARE(bytes(DeviceSentence::versionQuery()), QByteArray("$AIAIQ,VER*3C\r\n"));
        QCOMPARE(bytes(DeviceSentence::wifiCfgModeSentence(true)), QByteArray("$PDBG,163,1,,,,,,*14\r\n"));
        QCOMPARE(bytes(DeviceSentence::wifiCfgModeSentence(false)), QByteArray("$PDBG,163,0,,,,,,*15\r\n"));
    }

    // Every byte but NUL, escaped into the ship's name, comes back whole through the simulated
    // device's unescape, and no reserved character but the caret of an escape is left.
    void everyByteSurvivesTheEscape()
    {
        std::string all;
        for (int code = 1; code < 256; ++code)
            all += char(code);
        const std::string escaped = DeviceSentence::escapeReserved(all);
        for (const char reserved : std::string("!$*,\\~"))
            QVERIFY2(escaped.find(reserved) == std::string::npos, std::string(1, reserved).c_str());
        QCOMPARE(Sim::Sentence::unescape(bytes(escaped)), bytes(all));
        QCOMPARE(escaped.size(), all.size() + 2 * 7);
    }

    // A sentence that would not fit its buffer is not built, rather than cut.
    void tooLongIsNotBuilt()
    {
        const std::string name(100, ',');
        QCOMPARE(bytes(DeviceSentence::staticDataSentence("", name, 0, 0, 0, 0)), QByteArray());
        // The longest a record's texts can be, every character escaped, still fits.
        const std::string line = DeviceSentence::staticDataSentence(std::string(8, '*'), std::string(22, '!'), -1, -1,
                                                                    -1, -1);
        QByteArray text;
        QCOMPARE(Sim::Sentence::check(bytes(line).chopped(2), &text),
                 Sim::Sentence::CHECK_RESULT::VALID);
    }
};

QTEST_APPLESS_MAIN(TestDeviceSentences)
#include "tst_devicesentences.moc"
