#include "FormatFixture.h"
#include "model/targets/AIS_STATION_KIND_DATA.h"
#include "model/units/NaviStrConvt.h"

#include <QtTest>
#include <cstring>
#include <limits>

using namespace FormatFixture;
using NaviScope::NaviStrConvt;
using namespace VudaviRirev;

namespace {

const float NaN = std::numeric_limits<float>::quiet_NaN();

AIS_CLASS_A_DATA classA(float rot, float draught = 0.0f, uint32_t imo = 0, int64_t eta = 0,
                        const char* destination = "")
{
    AIS_CLASS_A_DATA data{};
    data.rateOfTurn = rot;
    data.draught = draught;
    data.imo = imo;
    data.eta = eta;
    std::strncpy(data.destination, destination, sizeof data.destination - 1);
    return data;
}

AIS_ATON_DATA aton(uint8_t type, uint8_t virtualAton, uint8_t offPosition, uint8_t status)
{
    AIS_ATON_DATA data{};
    data.atonType = type;
    data.virtualAton = virtualAton;
    data.offPosition = offPosition;
    data.status = status;
    return data;
}

AIS_REF_POINT_DIMENSION dimension(float a, float b, float c, float d)
{
    AIS_REF_POINT_DIMENSION data;
    data.a = a;
    data.b = b;
    data.c = c;
    data.d = d;
    return data;
}

QString kindText(AIS_TYPE kind, int form)
{
    return textOf([=](CTextBuffer b) { NaviStrConvt::formatStrAisType(b, kind, Unit::FORMAT_S(form)); });
}

// Formatters whose text holds a number.
Rows numberRows()
{
    using N = NaviStrConvt;
    return {
        {"COG rounded by the print", textOf([](CTextBuffer b) { N::formatStrCOG(b, AIS_TYPE_CLASS_A, 359.96f, false); }),
         "360"},
        {"COG 360", textOf([](CTextBuffer b) { N::formatStrCOG(b, AIS_TYPE_CLASS_A, 360.0f, false); }), "--"},
        {"COG no number", textOf([](CTextBuffer b) { N::formatStrCOG(b, AIS_TYPE_CLASS_B, NaN, false); }), "--"},
        {"COG own position", textOf([](CTextBuffer b) { N::formatStrCOG(b, AIS_TYPE_NONE, 123.4f, true); }),
         "123.4°"},
        {"COG base station", textOf([](CTextBuffer b) { N::formatStrCOG(b, AIS_TYPE_BASE_STATION, 10.0f, true); }),
         "N/A"},
        {"COG AtoN", textOf([](CTextBuffer b) { N::formatStrCOG(b, AIS_TYPE_ATON, 10.0f, true); }), "N/A"},
        {"SOG 102.2",
         textOf([](CTextBuffer b) { N::formatStrSOG(b, AIS_TYPE_CLASS_A, 102.2f, Unit::SPEED_UNIT_KN, true); }),
         "102.2 Kn"},
        {"SOG 102.3",
         textOf([](CTextBuffer b) { N::formatStrSOG(b, AIS_TYPE_CLASS_A, 102.3f, Unit::SPEED_UNIT_KN, true); }), "--"},
        // Aircraft report whole knots, 1023 being "not available".
        {"SOG aircraft 150",
         textOf([](CTextBuffer b) { N::formatStrSOG(b, AIS_TYPE_SAR_AIRCRAFT, 150.0f, Unit::SPEED_UNIT_KN, true); }),
         "150 Kn"},
        {"SOG aircraft 1022",
         textOf([](CTextBuffer b) { N::formatStrSOG(b, AIS_TYPE_SAR_AIRCRAFT, 1022.0f, Unit::SPEED_UNIT_KN, true); }),
         "1022 Kn"},
        {"SOG aircraft 1023",
         textOf([](CTextBuffer b) { N::formatStrSOG(b, AIS_TYPE_SAR_AIRCRAFT, 1023.0f, Unit::SPEED_UNIT_KN, true); }),
         "--"},
        {"SOG Class B in Km/h",
         textOf([](CTextBuffer b) { N::formatStrSOG(b, AIS_TYPE_CLASS_B, 12.0f, Unit::SPEED_UNIT_KMH, false); }),
         "22.2"},
        {"SOG own position",
         textOf([](CTextBuffer b) { N::formatStrSOG(b, AIS_TYPE_NONE, 12.3f, Unit::SPEED_UNIT_KN, true); }),
         "12.3 Kn"},
        {"SOG AtoN", textOf([](CTextBuffer b) { N::formatStrSOG(b, AIS_TYPE_ATON, 1.0f, Unit::SPEED_UNIT_KN, true); }),
         "N/A"},
        {"HDOP not trimmed", textOf([](CTextBuffer b) { N::formatStrHDOP(b, 1.0f); }), " 1.0"},
        {"HDOP two digits", textOf([](CTextBuffer b) { N::formatStrHDOP(b, 12.34f); }), "12.3"},
        {"HDOP 99.9", textOf([](CTextBuffer b) { N::formatStrHDOP(b, 99.9f); }), "--"},
        {"HDOP no number", textOf([](CTextBuffer b) { N::formatStrHDOP(b, NaN); }), "--"},
        {"HDOP codec empty value", textOf([](CTextBuffer b) { N::formatStrHDOP(b, -100000.0f); }), "-100000.0"},
        {"heading 511", textOf([](CTextBuffer b) { N::formatStrHeading(b, 511.0f, true); }), "--"},
        {"heading below 0", textOf([](CTextBuffer b) { N::formatStrHeading(b, -10.0f, false); }), "350"},
        {"heading 370", textOf([](CTextBuffer b) { N::formatStrHeading(b, 370.0f, false); }), "10"},
        {"heading sign", textOf([](CTextBuffer b) { N::formatStrHeading(b, 45.5f, true); }), "45.5°"},
        {"ROT Class B", textOf([](CTextBuffer b) { N::formatStrROT(b, AIS_TYPE_CLASS_B, classA(5.0f)); }), "N/A"},
        {"ROT 9990", textOf([](CTextBuffer b) { N::formatStrROT(b, AIS_TYPE_CLASS_A, classA(9990.0f)); }), "--"},
        {"ROT no number", textOf([](CTextBuffer b) { N::formatStrROT(b, AIS_TYPE_CLASS_A, classA(NaN)); }), "--"},
        {"ROT fast right", textOf([](CTextBuffer b) { N::formatStrROT(b, AIS_TYPE_CLASS_A, classA(1000.0f)); }),
         ">5(R)°/30s"},
        {"ROT fast left", textOf([](CTextBuffer b) { N::formatStrROT(b, AIS_TYPE_CLASS_A, classA(-1001.0f)); }),
         ">5(L)°/30s"},
        {"ROT whole", textOf([](CTextBuffer b) { N::formatStrROT(b, AIS_TYPE_CLASS_A, classA(12.0f)); }),
         "12°/min"},
        {"ROT whole to the left", textOf([](CTextBuffer b) { N::formatStrROT(b, AIS_TYPE_CLASS_A, classA(-3.0f)); }),
         "-3°/min"},
        {"ROT tenths", textOf([](CTextBuffer b) { N::formatStrROT(b, AIS_TYPE_CLASS_A, classA(12.5f)); }),
         "12.5°/min"},
        {"draught", textOf([](CTextBuffer b) { N::formatStrDraught(b, AIS_TYPE_CLASS_A, classA(0, 7.5f)); }),
         "7.5 m"},
        {"draught 0", textOf([](CTextBuffer b) { N::formatStrDraught(b, AIS_TYPE_CLASS_A, classA(0, 0.0f)); }), "--"},
        {"draught negative", textOf([](CTextBuffer b) { N::formatStrDraught(b, AIS_TYPE_CLASS_A, classA(0, -1.0f)); }),
         "--"},
        {"draught Class B", textOf([](CTextBuffer b) { N::formatStrDraught(b, AIS_TYPE_CLASS_B, classA(0, 7.5f)); }),
         "N/A"},
        {"CPA", textOf([](CTextBuffer b) { N::formatStrCPA(b, 1.254f, 12.0f); }), "1.25"},
        {"TCPA", textOf([](CTextBuffer b) { N::formatStrTCPA(b, 1.254f, 12.0f); }), "12"},
        {"CPA without TCPA", textOf([](CTextBuffer b) { N::formatStrCPA(b, 1.0f, -1.0f); }), "N/A"},
        {"TCPA without CPA", textOf([](CTextBuffer b) { N::formatStrTCPA(b, -1.0f, 3.0f); }), "N/A"},
        {"XTE in metres", textOf([](CTextBuffer b) { N::formatStrXTE(b, 0.5f, Unit::DIST_UNIT_M, true); }), "926 m"},
    };
}

// Voyage, identity and dimension fields.
Rows fieldRows()
{
    using N = NaviStrConvt;
    return {
        {"IMO", textOf([](CTextBuffer b) { N::formatStrIMO(b, AIS_TYPE_CLASS_A, classA(0, 0, 9074729)); }),
         "9074729"},
        {"IMO 0", textOf([](CTextBuffer b) { N::formatStrIMO(b, AIS_TYPE_CLASS_A, classA(0)); }), "--"},
        {"IMO Class B", textOf([](CTextBuffer b) { N::formatStrIMO(b, AIS_TYPE_CLASS_B, classA(0, 0, 1)); }), "N/A"},
        {"call sign Class B", textOf([](CTextBuffer b) { N::formatStrCallSign(b, AIS_TYPE_CLASS_B, "DL1234"); }),
         "DL1234"},
        {"call sign empty", textOf([](CTextBuffer b) { N::formatStrCallSign(b, AIS_TYPE_CLASS_A, ""); }), "--"},
        {"call sign base station",
         textOf([](CTextBuffer b) { N::formatStrCallSign(b, AIS_TYPE_BASE_STATION, "DL1234"); }), "N/A"},
        {"destination",
         textOf([](CTextBuffer b) { N::formatStrDestination(b, AIS_TYPE_CLASS_A, classA(0, 0, 0, 0, "HAMBURG")); }),
         "HAMBURG"},
        {"destination empty", textOf([](CTextBuffer b) { N::formatStrDestination(b, AIS_TYPE_CLASS_A, classA(0)); }),
         "--"},
        {"destination SART", textOf([](CTextBuffer b) { N::formatStrDestination(b, AIS_TYPE_SART, classA(0)); }),
         "N/A"},
        {"ETA", textOf([](CTextBuffer b) {
             N::formatStrETA(b, AIS_TYPE_CLASS_A, classA(0, 0, 0, 1700000000), Portal::QDt::TIME_ZONE_UTC);
         }),
         "11/14 22:13"},
        {"ETA 0", textOf([](CTextBuffer b) {
             N::formatStrETA(b, AIS_TYPE_CLASS_A, classA(0), Portal::QDt::TIME_ZONE_UTC);
         }),
         "--"},
        {"ETA Class B", textOf([](CTextBuffer b) {
             N::formatStrETA(b, AIS_TYPE_CLASS_B, classA(0, 0, 0, 1700000000), Portal::QDt::TIME_ZONE_UTC);
         }),
         "N/A"},
        {"last report",
         textOf([](CTextBuffer b) { N::formatStrLastReport(b, 1700000000, Portal::QDt::TIME_ZONE_UTC); }),
         "11/14/23 22:13:20"},
        {"dimension truncated", textOf([](CTextBuffer b) {
             N::formatStrDimension(b, AIS_TYPE_CLASS_A, dimension(100.0f, 20.0f, 5.0f, 7.9f));
         }),
         "A:100m,B:20m,C:5m,D:7m"},
        {"dimension none", textOf([](CTextBuffer b) { N::formatStrDimension(b, AIS_TYPE_CLASS_A, dimension(0, 0, 0, 0)); }),
         "--"},
        {"dimension SAR aircraft",
         textOf([](CTextBuffer b) { N::formatStrDimension(b, AIS_TYPE_SAR_AIRCRAFT, dimension(1, 1, 1, 1)); }),
         "N/A"},
        {"dimension AtoN", textOf([](CTextBuffer b) { N::formatStrDimension(b, AIS_TYPE_ATON, dimension(1, 2, 3, 4)); }),
         "A:1m,B:2m,C:3m,D:4m"},
        {"length", textOf([](CTextBuffer b) {
             N::formatStrLength(b, AIS_TYPE_CLASS_B, dimension(100.5f, 20.6f, 5.0f, 7.9f));
         }),
         "121m"},
        {"beam", textOf([](CTextBuffer b) { N::formatStrBeam(b, AIS_TYPE_CLASS_B, dimension(100.5f, 20.6f, 5.0f, 7.9f)); }),
         "12m"},
        {"length 0", textOf([](CTextBuffer b) { N::formatStrLength(b, AIS_TYPE_CLASS_A, dimension(0, 0, 3, 3)); }),
         "--"},
        {"length huge", textOf([](CTextBuffer b) { N::formatStrLength(b, AIS_TYPE_CLASS_A, dimension(3e38f, 3e38f, 0, 0)); }),
         "1000000000m"},
        {"beam base station",
         textOf([](CTextBuffer b) { N::formatStrBeam(b, AIS_TYPE_BASE_STATION, dimension(1, 1, 1, 1)); }), "N/A"},
    };
}

// Code tables.
Rows codeRows()
{
    using N = NaviStrConvt;
    const auto vessel = [](int type) {
        return textOf([=](CTextBuffer b) { N::formatStrVslType(b, uint8_t(type), AIS_TYPE_CLASS_A); });
    };
    const auto cargo = [](int type) {
        return textOf([=](CTextBuffer b) { N::formatStrCargo(b, uint8_t(type), AIS_TYPE_CLASS_B); });
    };
    const auto atonText = [](auto format, AIS_ATON_DATA data) { return textOf([&](CTextBuffer b) { format(b, data); }); };
    return {
        {"ship type 0", vessel(0), "Undefined ship type!"},
        {"ship type 5", vessel(5), "Undefined ship type!"},
        {"ship type 100", vessel(100), "Undefined ship type!"},
        {"ship type 39", vessel(39), "Vessel-Future type"},
        {"ship type 57", vessel(57), "Local assigned vessel"},
        {"ship type 69", vessel(69), "Passenger ship"},
        {"ship type 32", vessel(32), "Vessel-Tow>200m,breadth>25m"},
        {"ship type 51", vessel(51), "Search & rescue vessel"},
        {"ship type 99", vessel(99), "Unknown ship type!"},
        {"ship type AtoN",
         textOf([](CTextBuffer b) { N::formatStrVslType(b, 70, AIS_TYPE_ATON); }), "N/A"},
        {"cargo harmless", cargo(70), "N/A; Harmless"},
        {"cargo A", cargo(71), "DG,HS or MP(Pollutant A)"},
        {"cargo D", cargo(84), "DG,HS or MP(Pollutant D)"},
        {"cargo digit 5", cargo(75), "Unknown Cargo!"},
        {"cargo of a 30s type", cargo(31), "Unknown Cargo!"},
        {"cargo above 99", cargo(101), "Unknown Cargo!"},
        {"cargo base station", textOf([](CTextBuffer b) { N::formatStrCargo(b, 71, AIS_TYPE_BASE_STATION); }), "N/A"},
        {"status 0", textOf([](CTextBuffer b) { N::formatStrNavSta(b, AIS_TYPE_CLASS_A, 0); }),
         "Under way using engine"},
        {"status 8", textOf([](CTextBuffer b) { N::formatStrNavSta(b, AIS_TYPE_CLASS_A, 8); }), "Under way sailing"},
        {"status 9", textOf([](CTextBuffer b) { N::formatStrNavSta(b, AIS_TYPE_CLASS_A, 9); }), "Undefined!"},
        {"status Class B", textOf([](CTextBuffer b) { N::formatStrNavSta(b, AIS_TYPE_CLASS_B, 1); }), "N/A"},
        {"EPFS 3", textOf([](CTextBuffer b) { N::formatStrEPFS(b, 3); }), "GPS+GLONASS"},
        {"EPFS 7", textOf([](CTextBuffer b) { N::formatStrEPFS(b, 7); }), "Surveyed"},
        {"EPFS 8", textOf([](CTextBuffer b) { N::formatStrEPFS(b, 8); }), "Undefined"},
        {"accuracy high", textOf([](CTextBuffer b) { N::formatStrPosAccu(b, 1); }), "High"},
        {"accuracy 2", textOf([](CTextBuffer b) { N::formatStrPosAccu(b, 2); }), "Low"},
        {"SART active", textOf([](CTextBuffer b) { N::formatStrSartMode(b, AIS_SART_DATA{1}); }), "Active Mode"},
        {"SART test", textOf([](CTextBuffer b) { N::formatStrSartMode(b, AIS_SART_DATA{2}); }), "Test Mode"},
        {"SART other", textOf([](CTextBuffer b) { N::formatStrSartMode(b, AIS_SART_DATA{3}); }), ""},
        {"ARPA lost", textOf([](CTextBuffer b) { N::formatStrArpaStatus(b, 'L'); }), "Lost"},
        {"ARPA other keeps the text", textOf([](CTextBuffer b) {
             b.assign("kept");
             N::formatStrArpaStatus(b, 'X');
         }),
         "kept"},
        {"AtoN type 31", atonText(N::formatStrAtonType, aton(31, 0, 0, 0)), "Light Vessel/LANBY/Rigs"},
        {"AtoN type 32", atonText(N::formatStrAtonType, aton(32, 0, 0, 0)), ""},
        {"AtoN type 255", atonText(N::formatStrAtonType, aton(255, 0, 0, 0)), ""},
        {"AtoN synthetic", atonText(N::formatStrAtonRealVirtual, aton(0, 2, 0, 0)), "Synthetic"},
        {"AtoN kind 3", atonText(N::formatStrAtonRealVirtual, aton(0, 3, 0, 0)), ""},
        {"AtoN good", atonText(N::formatStrAtonStatus, aton(0, 0, 0, 0)), "Good health, On position"},
        {"AtoN alarm off position", atonText(N::formatStrAtonStatus, aton(0, 0, 1, 1)), "Alarm, Off position"},
        {"AtoN position flag 2", atonText(N::formatStrAtonStatus, aton(0, 0, 2, 0)), "Good health"},
        {"AtoN light on", atonText(N::formatStrAtonLightStatus, aton(0, 0, 0, 0x02)), "ON"},
        {"AtoN light error", atonText(N::formatStrAtonLightStatus, aton(0, 0, 0, 0x07)), "Error"},
        {"AtoN RACON operational", atonText(N::formatStrAtonRACONStatus, aton(0, 0, 0, 0x10)), "Operational"},
        {"AtoN name fill dropped",
         textOf([](CTextBuffer b) { N::formatStrAtonName(b, "BUOY@@@@@", "NORTH@@"); }), "BUOYNORTH"},
        {"AtoN name without extension", textOf([](CTextBuffer b) { N::formatStrAtonName(b, "SANDBANK EAST", ""); }),
         "SANDBANK EAST"},
    };
}

} // namespace

class TestAisFieldText : public QObject
{
    Q_OBJECT

private slots:
    void stationKind_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const char* const expected[][3] = {{"Base", "Base Station", "(Base)"}, {"SAR", "SAR", "(SAR)"},
                                           {"AtoN", "AtoN", "(AtoN)"},         {"A", "Class A", "(A)"},
                                           {"B", "Class B", "(B)"},           {"SART", "SART", "(SART)"}};
        for (int kind = 0; kind <= 5; ++kind) {
            for (int form = 0; form <= 2; ++form)
                QTest::addRow("kind %d form %d", kind, form) << kindText(AIS_TYPE(kind), form) << expected[kind][form];
        }
        QTest::newRow("form above 2") << kindText(AIS_TYPE_CLASS_A, 7) << "(A)";
        QTest::newRow("negative form") << kindText(AIS_TYPE_CLASS_A, -1) << "";
        QTest::newRow("kind none") << kindText(AIS_TYPE_NONE, 1) << "";
        QTest::newRow("kind 9") << kindText(AIS_TYPE(9), 1) << "";
    }
    void stationKind() { compareRow(); }

    void numberTexts_data() { addRows(numberRows()); }
    void numberTexts() { compareRow(); }

    void fieldTexts_data() { addRows(fieldRows()); }
    void fieldTexts() { compareRow(); }

    void codeTexts_data() { addRows(codeRows()); }
    void codeTexts() { compareRow(); }

    void paddedCodeTexts()
    {
        char text[64];
        QCOMPARE(NaviStrConvt::getShipTypeContent(text, 69), 19);
        QCOMPARE(QByteArray(text), QByteArray("Passenger ship").leftJustified(28, ' '));
        QCOMPARE(NaviStrConvt::getShipTypeContent(text, 5), 0);
        QCOMPARE(NaviStrConvt::getShipTypeContent(text, 39), 24);
        QCOMPARE(NaviStrConvt::getShipTypeContent(text, 57), 25);
        QCOMPARE(NaviStrConvt::getCargoTypeContent(text, 73), 3);
        QCOMPARE(QByteArray(text), QByteArray("DG,HS or MP(Pollutant C)    "));
        QCOMPARE(NaviStrConvt::getCargoTypeContent(text, 35), 0);
    }

    void textsOfRecordsStopAtTheirEnd()
    {
        AIS_CLASS_A_DATA data = classA(0);
        std::memset(data.destination, 'D', sizeof data.destination); // no NUL
        QCOMPARE(textOf([&](CTextBuffer b) { NaviStrConvt::formatStrDestination(b, AIS_TYPE_CLASS_A, data); }),
                 QString(21, 'D'));

        char name[20];
        std::memset(name, 'N', sizeof name);
        char extension[14];
        std::memset(extension, 'E', sizeof extension);
        QCOMPARE(textOf([&](CTextBuffer b) { NaviStrConvt::formatStrAtonName(b, name, extension); }),
                 QString(20, 'N') + QString(14, 'E'));

        char longName[200];
        std::memset(longName, 'L', sizeof longName);
        QCOMPARE(textOf([&](CTextBuffer b) { NaviStrConvt::formatStrAtonName(b, longName, "X"); }), QString(119, 'L'));
    }

    void textsKeepThePointUnderADecimalComma() { verifyUnderDecimalComma(numberRows); }

    void writersStayInTheirRoom()
    {
        CGuardedBuffer hdop(16); // a parsed HDOP of -1e30 is 34 characters long
        NaviStrConvt::formatStrHDOP(hdop.buffer(), -1e30f);
        QCOMPARE(hdop.text(), QString("--"));
        QVERIFY(hdop.guardIntact());

        CGuardedBuffer shipType(8); // words are cut, not refused
        NaviStrConvt::formatStrVslType(shipType.buffer(), 0, AIS_TYPE_CLASS_A);
        QCOMPARE(shipType.text(), QString("Undefin"));
        QVERIFY(shipType.guardIntact());

        CGuardedBuffer atonType(16);
        NaviStrConvt::formatStrAtonType(atonType.buffer(), aton(16, 0, 0, 0));
        QCOMPARE(atonType.text(), QString("Beacon, Preferr"));
        QVERIFY(atonType.guardIntact());

        CGuardedBuffer eta(6);
        NaviStrConvt::formatStrETA(eta.buffer(), AIS_TYPE_CLASS_A, classA(0, 0, 0, 1700000000),
                                   Portal::QDt::TIME_ZONE_UTC);
        QCOMPARE(eta.text(), QString("--"));
        QVERIFY(eta.guardIntact());

        CGuardedBuffer rot(4);
        NaviStrConvt::formatStrROT(rot.buffer(), AIS_TYPE_CLASS_A, classA(1000.0f));
        QCOMPARE(rot.text(), QString("--"));
        QVERIFY(rot.guardIntact());
    }
};

int main(int argc, char* argv[])
{
    // Date texts follow the system locale, which Qt reads once: fix it before first use.
    qputenv("LC_ALL", "en_US.UTF-8");
    TestEnv::setTimeZone("UTC0");
    TestAisFieldText test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_aisfieldtext.moc"
