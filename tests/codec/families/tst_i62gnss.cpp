#include "../SentenceFixture.h"
#include "TestEnv.h"
#include "codec/families/I62Gnss.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

using namespace SentenceFixture;

namespace {

Parser parserFor(const QByteArray& formatter)
{
    static const QHash<QByteArray, Parser> parsers = {
        {"GGA", I62_FMT_GGA}, {"GLL", I62_FMT_GLL}, {"GBS", I62_FMT_GBS}, {"GSA", I62_FMT_GSA},
        {"GRS", I62_FMT_GRS}, {"GST", I62_FMT_GST}, {"GSV", I62_FMT_GSV}, {"RMC", RMC_ParseProc},
        {"VTG", I62_FMT_VTG}, {"ZDA", I62_FMT_ZDA}, {"DTM", I62_FMT_DTM}, {"GNS", GNS_ParseProc},
    };
    return parsers.value(formatter);
}

bool parseBody(const QByteArray& body, I61162_Data_Structure* record)
{
    return parseLine(parserFor(body.mid(3, 3)), closed(body), record);
}

const float ABSENT = I62_ABSENT_FLOAT;

void verifyTime(const I62_UTC_TIME& time, int hour, int minute, int second, int hundredths)
{
    QCOMPARE(int(time.hour), hour);
    QCOMPARE(int(time.minute), minute);
    QCOMPARE(int(time.second), second);
    QCOMPARE(int(time.hundredths), hundredths);
}

void verifyNoTime(const I62_UTC_TIME& time)
{
    verifyTime(time, 24, 60, 60, 0);
}

void verifyNoPosition(const I62_DEGREE& position)
{
    QCOMPARE(position.latitude, 91.0);
    QCOMPARE(position.longitude, 181.0);
}

void verifyPosition(const I62_DEGREE& position, double latitude, double longitude)
{
    // Published decodes carry six decimals; the longitude passes through single precision,
    // which costs up to 1.7e-5 degree beyond 163 degrees.
    QVERIFY2(qAbs(position.latitude - latitude) < 5e-7, qPrintable(QString::number(position.latitude, 'f', 9)));
    QVERIFY2(qAbs(position.longitude - longitude) < 2e-5, qPrintable(QString::number(position.longitude, 'f', 9)));
}

// One line of a gpsd check file and the reports it printed after it.
struct Decoded
{
    QByteArray sentence;
    QList<QJsonObject> reports;
};

QList<Decoded> loadDecodes(const QString& path)
{
    QList<Decoded> entries;
    TestEnv::requireFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('$'))
            entries.append(Decoded{line, {}});
        else if (line.startsWith('{') && !entries.isEmpty())
            entries.last().reports.append(QJsonDocument::fromJson(line).object());
    }
    return entries;
}

// The first report of the class holding the key, from this line's reports on, over span lines.
QJsonObject findReport(const QList<Decoded>& entries, int from, int span, const char* type, const char* key)
{
    for (int i = from; i < qMin(from + span, entries.size()); ++i) {
        for (const QJsonObject& report : entries[i].reports) {
            if (report.value("class").toString() == type && report.contains(key))
                return report;
        }
    }
    return QJsonObject();
}

void verifyNear(double value, const QJsonValue& expected, double tolerance, const char* what)
{
    QVERIFY2(qAbs(value - expected.toDouble()) <= tolerance,
             qPrintable(QString("%1: %2, gpsd %3").arg(what).arg(value, 0, 'f', 6).arg(expected.toDouble(), 0, 'f', 6)));
}

void verifyUtc(const I62_UTC_TIME& time, const QJsonObject& tpv)
{
    const QDateTime utc = QDateTime::fromString(tpv.value("time").toString(), Qt::ISODateWithMs);
    QVERIFY(utc.isValid());
    verifyTime(time, utc.time().hour(), utc.time().minute(), utc.time().second(), utc.time().msec() / 10);
}

} // namespace

class TestI62Gnss : public QObject
{
    Q_OBJECT

private slots:
    void publishedSentences()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseLine(I62_FMT_GGA,
                          "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", &record));
        const I62_GGA_DATA& gga = record.data.gga;
        verifyTime(gga.utcTime, 12, 35, 19, 0);
        verifyPosition(gga.position, 48.1173, 11.516667);
        QCOMPARE(int(gga.quality), 1);
        QCOMPARE(int(gga.satellitesInUse), 8);
        QCOMPARE(gga.hdop, 0.9f);
        QCOMPARE(gga.altitude, 545.4f);
        QCOMPARE(gga.altitudeUnit, uint8_t('M'));
        QCOMPARE(gga.geoidalSeparation, 46.9f);
        QCOMPARE(gga.diffAge, ABSENT);
        QCOMPARE(gga.diffStation, -1);

        record = staleRecord();
        QVERIFY(parseLine(RMC_ParseProc,
                          "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A", &record));
        const I62_RMC_DATA& rmc = record.data.rmc;
        verifyTime(rmc.utcTime, 12, 35, 19, 0);
        QCOMPARE(rmc.status, uint8_t('A'));
        verifyPosition(rmc.position, 48.1173, 11.516667);
        QCOMPARE(rmc.sog, 22.4f);
        QCOMPARE(rmc.cog, 84.4f);
        QCOMPARE(int(rmc.date.day), 23);
        QCOMPARE(int(rmc.date.month), 3);
        QCOMPARE(int(rmc.date.year), 2094); // two-digit years are taken as 20yy
        QCOMPARE(rmc.magVariation, 3.1f);
        QCOMPARE(rmc.variationDirection, uint8_t('W'));
        // The old form has no mode and no navigational status: no stale bytes stand for them.
        QCOMPARE(rmc.modeIndicator, I62_ABSENT_U8);
        QCOMPARE(rmc.navStatus, I62_ABSENT_U8);

        record = staleRecord();
        QVERIFY(parseLine(I62_FMT_GSV,
                          "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75", &record));
        const I62_GSV_DATA& gsv = record.data.gsv;
        QCOMPARE(int(gsv.totalSentences), 2);
        QCOMPARE(int(gsv.sentenceNumber), 1);
        QCOMPARE(int(gsv.satellitesInView), 8);
        QCOMPARE(int(gsv.satellitesInSentence), 4);
        const int prn[] = {1, 2, 12, 14}, elevation[] = {40, 17, 7, 22}, azimuth[] = {83, 308, 344, 228},
                  snr[] = {46, 41, 39, 45};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(int(gsv.prn[i]), prn[i]);
            QCOMPARE(int(gsv.elevation[i]), elevation[i]);
            QCOMPARE(int(gsv.azimuth[i]), azimuth[i]);
            QCOMPARE(int(gsv.snr[i]), snr[i]);
        }

        record = staleRecord();
        QVERIFY(parseLine(I62_FMT_GLL, "$GPGLL,4916.45,N,12311.12,W,225444,A,*1D", &record));
        verifyPosition(record.data.gll.position, 49.274167, -123.185333);
        verifyTime(record.data.gll.utcTime, 22, 54, 44, 0);
        QCOMPARE(record.data.gll.status, uint8_t('A'));
        QCOMPARE(record.data.gll.modeIndicator, uint8_t(' '));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("accepted");
        const QByteArray gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,";
        QTest::newRow("GGA") << gga + "08,0.9,545.4,M,46.9,M,,0133" << true;
        QTest::newRow("GGA 13 commas") << gga + "08,0.9,545.4,M,46.9,M,0133" << false;
        QTest::newRow("GGA 15 commas") << gga + "08,0.9,545.4,M,46.9,M,,0133," << false;
        QTest::newRow("GGA 12 satellites") << gga + "12,0.9,545.4,M,46.9,M,,0133" << true;
        // Receivers of several systems use more than 12; the field has two digits.
        QTest::newRow("GGA 19 satellites") << gga + "19,0.9,545.4,M,46.9,M,,0133" << true;
        QTest::newRow("GGA 99 satellites") << gga + "99,0.9,545.4,M,46.9,M,,0133" << true;
        QTest::newRow("GGA 100 satellites") << gga + "100,0.9,545.4,M,46.9,M,,0133" << false;
        QTest::newRow("GGA 300 satellites, 44 in a byte") << gga + "300,0.9,545.4,M,46.9,M,,0133" << false;
        QTest::newRow("GGA HDOP 99.9") << gga + "08,99.9,545.4,M,46.9,M,," << true;
        QTest::newRow("GGA HDOP 100") << gga + "08,100,545.4,M,46.9,M,," << false;
        QTest::newRow("GGA HDOP negative") << gga + "08,-0.1,545.4,M,46.9,M,," << false;
        QTest::newRow("GGA station 1023") << gga + "08,0.9,545.4,M,46.9,M,1.2,1023" << true;
        QTest::newRow("GGA station 1024") << gga + "08,0.9,545.4,M,46.9,M,1.2,1024" << false;

        QTest::newRow("GLL 5 commas") << QByteArray("$GPGLL,4916.45,N,12311.12,W,225444") << false;
        QTest::newRow("GLL 6 commas") << QByteArray("$GPGLL,4916.45,N,12311.12,W,225444,A") << true;
        QTest::newRow("GLL 8 commas") << QByteArray("$GPGLL,4916.45,N,12311.12,W,225444,A,A,") << false;

        const QByteArray rmc = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W";
        QTest::newRow("RMC 10 commas") << QByteArray("$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1")
                                       << false;
        QTest::newRow("RMC 12 commas") << rmc + ",A" << true;
        QTest::newRow("RMC 13 commas") << rmc + ",A,S" << true;
        QTest::newRow("RMC 14 commas") << rmc + ",A,S," << false;

        const QByteArray gns = "$GNGNS,112257.00,3844.24011,N,00908.43828,W,AN,03,10.5,,,";
        QTest::newRow("GNS 11 commas") << gns + "" << false;
        QTest::newRow("GNS 12 commas") << gns + "," << true;
        QTest::newRow("GNS 13 commas") << gns + ",,V" << true;
        QTest::newRow("GNS HDOP 100") << QByteArray("$GNGNS,112257.00,3844.24011,N,00908.43828,W,AN,03,100,,,,")
                                      << false;

        QTest::newRow("GSA 17 commas") << QByteArray("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1") << true;
        QTest::newRow("GSA 18 commas, system identifier") << QByteArray("$GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1,1")
                                                          << true;
        QTest::newRow("GSA system identifier no number") << QByteArray("$GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1,X")
                                                         << false;
        QTest::newRow("GSA 19 commas") << QByteArray("$GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1,1,") << false;

        const QByteArray gsv = "$GPGSV,3,1,11,";
        QTest::newRow("GSV one satellite") << gsv + "03,03,111,00" << true;
        QTest::newRow("GSV signal identifier") << gsv + "03,03,111,00,1" << true;
        QTest::newRow("GSV signal identifier no number") << gsv + "03,03,111,00,Z" << false;
        QTest::newRow("GSV no satellite") << QByteArray("$GPGSV,1,1,00") << true;
        QTest::newRow("GSV no satellite, signal identifier") << QByteArray("$GPGSV,1,1,00,1") << true;
        QTest::newRow("GSV 5 commas") << QByteArray("$GPGSV,1,1,01,03,03") << false;
        QTest::newRow("GSV 21 commas") << gsv + "03,03,111,00,04,15,270,10,05,15,270,10,06,15,270,10,1," << false;
        QTest::newRow("GSV 10 sentences") << QByteArray("$GPGSV,10,1,11,03,03,111,00") << false;
        QTest::newRow("GSV sentence 10") << QByteArray("$GPGSV,9,10,11,03,03,111,00") << false;
        QTest::newRow("GSV elevation 90") << gsv + "03,90,111,00" << true;
        QTest::newRow("GSV elevation 91") << gsv + "03,91,111,00" << false;
        QTest::newRow("GSV azimuth 359") << gsv + "03,03,359,00" << true;
        QTest::newRow("GSV azimuth 360") << gsv + "03,03,360,00" << false;
        QTest::newRow("GSV SNR 99") << gsv + "03,03,111,99" << true;
        QTest::newRow("GSV SNR 100") << gsv + "03,03,111,100" << false;
        QTest::newRow("GSV second SNR 100") << gsv + "03,03,111,00,04,15,270,100" << false;

        const QByteArray vtg = "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,";
        QTest::newRow("VTG 9 commas") << vtg + "K,A" << true;
        QTest::newRow("VTG 8 commas") << vtg + "K" << true;
        QTest::newRow("VTG 7 commas") << QByteArray("$GPVTG,054.7,T,034.4,M,005.5,N,010.2") << false;
        QTest::newRow("VTG two-letter mark") << QByteArray("$GPVTG,054.7,TT,034.4,M,005.5,N,010.2,K,A") << false;
        QTest::newRow("VTG two-letter last mark") << vtg + "KM" << false;

        const QByteArray zda = "$GPZDA,201530.00,04,07,2002,";
        QTest::newRow("ZDA") << zda + "00,00" << true;
        QTest::newRow("ZDA zone -13") << zda + "-13,00" << true;
        QTest::newRow("ZDA zone 13") << zda + "13,00" << true;
        QTest::newRow("ZDA zone 14") << zda + "14,00" << false;
        QTest::newRow("ZDA zone -14") << zda + "-14,00" << false;
        QTest::newRow("ZDA zone minutes 60") << zda + "00,60" << false;
        QTest::newRow("ZDA zone left empty") << zda + "," << true;
        QTest::newRow("ZDA day 0") << QByteArray("$GPZDA,201530.00,00,07,2002,00,00") << false;
        QTest::newRow("ZDA day 32") << QByteArray("$GPZDA,201530.00,32,07,2002,00,00") << false;
        QTest::newRow("ZDA month 13") << QByteArray("$GPZDA,201530.00,04,13,2002,00,00") << false;
        QTest::newRow("ZDA 7 commas") << zda + "00,00," << false;

        QTest::newRow("DTM") << QByteArray("$GPDTM,W84,,0.0,N,0.0,E,0.0,W84") << true;
        QTest::newRow("DTM 7 commas") << QByteArray("$GPDTM,W84,,0.0,N,0.0,E,0.0") << false;
        QTest::newRow("GBS") << QByteArray("$GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354,6.972") << true;
        QTest::newRow("GBS system and signal identifiers")
            << QByteArray("$GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354,6.972,1,1") << true;
        QTest::newRow("GBS 9 commas") << QByteArray("$GPGBS,015509.00,-0.031,-0.186,0.219,19,0.000,-0.354,6.972,1")
                                      << false;
        QTest::newRow("GRS 13 commas") << QByteArray("$GPGRS,150119.000,1,-0.33,-2.59,3.03,-0.09,-2.98,7.12,-15.6,17.0,,,")
                                       << false;
        QTest::newRow("GST 9 commas") << QByteArray("$GPGST,150119.000,004.0,008.7,004.7,132.3,006.8,007.2,00014,")
                                      << false;
    }
    void refusals()
    {
        QFETCH(QByteArray, body);
        I61162_Data_Structure record = staleRecord();
        QTEST(parseBody(body, &record), "accepted");
    }

    void emptyFieldsGiveMarkers()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$GPGGA,,,,,,,,,,,,,,", &record));
        const I62_GGA_DATA& gga = record.data.gga;
        verifyNoTime(gga.utcTime);
        verifyNoPosition(gga.position);
        QCOMPARE(gga.quality, I62_ABSENT_U8);
        QCOMPARE(gga.satellitesInUse, I62_ABSENT_U8);
        for (float value : {gga.hdop, gga.altitude, gga.geoidalSeparation, gga.diffAge})
            QCOMPARE(value, ABSENT);
        QCOMPARE(gga.altitudeUnit, uint8_t(' '));
        QCOMPARE(gga.separationUnit, uint8_t(' '));
        QCOMPARE(gga.diffStation, -1);

        record = staleRecord();
        QVERIFY(parseBody("$GPGLL,,,,,,,", &record));
        verifyNoPosition(record.data.gll.position);
        verifyNoTime(record.data.gll.utcTime);
        QCOMPARE(record.data.gll.status, uint8_t(' '));
        QCOMPARE(record.data.gll.modeIndicator, uint8_t(' '));
        QVERIFY(parseBody("$GPGLL,,,,,,", &record));
        QCOMPARE(record.data.gll.modeIndicator, I62_ABSENT_U8);

        record = staleRecord();
        QVERIFY(parseBody("$GPRMC,,,,,,,,,,,,,", &record));
        const I62_RMC_DATA& rmc = record.data.rmc;
        verifyNoTime(rmc.utcTime);
        verifyNoPosition(rmc.position);
        QCOMPARE(rmc.status, uint8_t(' '));
        for (float value : {rmc.sog, rmc.cog, rmc.magVariation})
            QCOMPARE(value, ABSENT);
        QCOMPARE(rmc.date.year + rmc.date.month + rmc.date.day, 0);
        QCOMPARE(rmc.variationDirection, I62_ABSENT_U8);
        QCOMPARE(rmc.modeIndicator, uint8_t(' '));
        QCOMPARE(rmc.navStatus, uint8_t(' '));
        QVERIFY(parseBody("$GPRMC,,,,,,,,,,,,", &record));
        QCOMPARE(rmc.modeIndicator, uint8_t(' '));
        QCOMPARE(rmc.navStatus, I62_ABSENT_U8);

        record = staleRecord();
        QVERIFY(parseBody("$GNGNS,,,,,,,,,,,,,", &record));
        const I62_GNS_DATA& gns = record.data.gns;
        verifyNoTime(gns.utcTime);
        verifyNoPosition(gns.position);
        for (uint8_t c : {gns.modeIndicator[0], gns.modeIndicator[1], gns.satellitesInUse[0], gns.satellitesInUse[1]})
            QCOMPARE(c, uint8_t(' '));
        for (float value : {gns.hdop, gns.altitude, gns.geoidalSeparation, gns.diffAge, gns.diffStation})
            QCOMPARE(value, ABSENT);
        QCOMPARE(gns.navStatus, uint8_t(' '));
        QVERIFY(parseBody("$GNGNS,,,,,,,,,,,,", &record));
        QCOMPARE(gns.navStatus, I62_ABSENT_U8);

        record = staleRecord();
        QVERIFY(parseBody("$GPGSA,,,,,,,,,,,,,,,,,", &record));
        const I62_GSA_DATA& gsa = record.data.gsa;
        QCOMPARE(gsa.mode, uint8_t(' '));
        QCOMPARE(int(gsa.fixType), 0);
        for (uint8_t satellite : gsa.satellites)
            QCOMPARE(satellite, I62_ABSENT_U8);
        for (float value : {gsa.pdop, gsa.hdop, gsa.vdop})
            QCOMPARE(value, ABSENT);

        record = staleRecord();
        QVERIFY(parseBody("$GPGSV,,,,,,,", &record));
        const I62_GSV_DATA& gsv = record.data.gsv;
        QCOMPARE(gsv.totalSentences + gsv.sentenceNumber + gsv.satellitesInView, 0);
        QCOMPARE(int(gsv.satellitesInSentence), 1);
        for (int i = 0; i < I62_GSV_SATELLITES; ++i) {
            QCOMPARE(gsv.prn[i], I62_ABSENT_U8);
            QCOMPARE(gsv.elevation[i], I62_ABSENT_U8);
            QCOMPARE(gsv.azimuth[i], I62_ABSENT_ANGLE);
            QCOMPARE(gsv.snr[i], I62_ABSENT_U8);
        }

        record = staleRecord();
        QVERIFY(parseBody("$GPVTG,,,,,,,,,", &record));
        const I62_VTG_DATA& vtg = record.data.vtg;
        for (float value : {vtg.cogTrue, vtg.cogMagnetic, vtg.sogKnots, vtg.sogKmh})
            QCOMPARE(value, ABSENT);
        for (uint8_t mark : {vtg.trueMark, vtg.magneticMark, vtg.knotsMark, vtg.kmhMark})
            QCOMPARE(mark, I62_ABSENT_U8);
        QCOMPARE(vtg.modeIndicator, uint8_t(' '));
        QVERIFY(parseBody("$GPVTG,,,,,,,,", &record));
        QCOMPARE(vtg.modeIndicator, I62_ABSENT_U8);

        // A ZDA without its date is refused at the day; the time before it stays stored.
        record = staleRecord();
        QVERIFY(!parseBody("$GPZDA,,,,,,", &record));
        verifyNoTime(record.data.zda.utcTime);
        QCOMPARE(record.data.zda.day, I62_ABSENT_U8);
        QVERIFY(parseBody("$GPZDA,,01,02,,,", &record));
        QCOMPARE(int(record.data.zda.year), -1);
        QCOMPARE(record.data.zda.zoneHours, I62_ABSENT_U8);
        QCOMPARE(record.data.zda.zoneMinutes, I62_ABSENT_U8);

        record = staleRecord();
        QVERIFY(parseBody("$GPDTM,,,,,,,,", &record));
        const I62_DTM_DATA& dtm = record.data.dtm;
        QCOMPARE(QByteArray(dtm.localDatum), QByteArray(" "));
        QCOMPARE(int(dtm.subDivision), 0);
        QCOMPARE(dtm.latOffset, 0.0);
        QCOMPARE(dtm.lonOffset, 0.0);
        QCOMPARE(dtm.altOffset, 0.0f);
        QCOMPARE(QByteArray(dtm.referenceDatum), QByteArray(" "));

        record = staleRecord();
        QVERIFY(parseBody("$GPGBS,,,,,,,,", &record));
        const I62_GBS_DATA& gbs = record.data.gbs;
        verifyNoTime(gbs.utcTime);
        for (float value : {gbs.errLatitude, gbs.errLongitude, gbs.errAltitude, gbs.probability, gbs.bias, gbs.biasStdDev})
            QCOMPARE(value, ABSENT);
        QCOMPARE(int(gbs.failedSatellite), -1);

        record = staleRecord();
        QVERIFY(parseBody("$GPGRS,,,,,,,,,,,,,,", &record));
        verifyNoTime(record.data.grs.utcTime);
        QCOMPARE(record.data.grs.mode, uint8_t(' '));
        for (float residual : record.data.grs.residuals)
            QCOMPARE(residual, ABSENT);

        record = staleRecord();
        QVERIFY(parseBody("$GPGST,,,,,,,,", &record));
        const I62_GST_DATA& gst = record.data.gst;
        verifyNoTime(gst.utcTime);
        for (float value : {gst.rangeRms, gst.semiMajor, gst.semiMinor, gst.orientation, gst.latError, gst.lonError,
                            gst.altError})
            QCOMPARE(value, ABSENT);
    }

    // The longer forms of current receivers: the fields before the identifiers read as in the
    // shorter forms, the identifiers are kept; a sky with no satellites is a sentence too.
    void systemAndSignalIdentifiers()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$GNGSA,A,3,80,71,73,79,69,,,,,,,,1.83,1.09,1.47,2", &record));
        const I62_GSA_DATA& gsa = record.data.gsa;
        QCOMPARE(int(gsa.satellites[0]), 80);
        QCOMPARE(int(gsa.satellites[4]), 69);
        QCOMPARE(gsa.satellites[5], I62_ABSENT_U8);
        QCOMPARE(gsa.vdop, 1.47f);
        QCOMPARE(int(gsa.systemId), 2);
        QVERIFY(parseBody("$GNGSA,A,3,80,71,73,79,69,,,,,,,,1.83,1.09,1.47", &record));
        QCOMPARE(gsa.systemId, I62_ABSENT_U8);

        record = staleRecord();
        QVERIFY(parseBody("$GPGSV,3,1,09,09,,,17,10,,,40,12,,,49,13,,,35,1", &record));
        const I62_GSV_DATA& gsv = record.data.gsv;
        QCOMPARE(int(gsv.satellitesInView), 9);
        QCOMPARE(int(gsv.satellitesInSentence), 4);
        QCOMPARE(int(gsv.prn[3]), 13);
        QCOMPARE(int(gsv.snr[3]), 35);
        QCOMPARE(gsv.elevation[3], I62_ABSENT_U8);
        QCOMPARE(int(gsv.signalId), 1);

        for (const QByteArray& empty : {QByteArray("$GAGSV,1,1,00,7"), QByteArray("$GPGSV,1,1,00")}) {
            record = staleRecord();
            QVERIFY(parseBody(empty, &record));
            QCOMPARE(int(gsv.totalSentences), 1);
            QCOMPARE(int(gsv.sentenceNumber), 1);
            QCOMPARE(int(gsv.satellitesInView), 0);
            QCOMPARE(int(gsv.satellitesInSentence), 0);
            QCOMPARE(gsv.prn[0], I62_ABSENT_U8);
            QCOMPARE(int(gsv.signalId), empty.endsWith(",7") ? 7 : int(I62_ABSENT_U8));
        }

        record = staleRecord();
        QVERIFY(parseBody("$GNGBS,170556.00,3.0,2.9,8.3,,,,,3,B", &record));
        const I62_GBS_DATA& gbs = record.data.gbs;
        QCOMPARE(gbs.errAltitude, 8.3f);
        QCOMPARE(int(gbs.failedSatellite), -1);
        QCOMPARE(gbs.biasStdDev, ABSENT);
        QCOMPARE(int(gbs.systemId), 3);
        QCOMPARE(int(gbs.signalId), 11);
    }

    void fieldsOfTheRarerSentences()
    {
        I61162_Data_Structure record = staleRecord();
        QVERIFY(parseBody("$GPGSV,3,3,11,22,42,067,42,24,14,311,43", &record));
        const I62_GSV_DATA& gsv = record.data.gsv;
        QCOMPARE(int(gsv.satellitesInSentence), 2);
        QCOMPARE(int(gsv.prn[1]), 24);
        QCOMPARE(int(gsv.snr[1]), 43);
        QCOMPARE(gsv.prn[2], I62_ABSENT_U8);
        QCOMPARE(gsv.azimuth[3], I62_ABSENT_ANGLE);

        record = staleRecord();
        QVERIFY(parseBody("$GPDTM,999,A,0.08,S,1.25,W,-2.5,W84", &record));
        const I62_DTM_DATA& dtm = record.data.dtm;
        QCOMPARE(QByteArray(dtm.localDatum), QByteArray("999"));
        QCOMPARE(dtm.subDivision, uint8_t('A'));
        QCOMPARE(dtm.latOffset, -0.08);
        QCOMPARE(dtm.lonOffset, -1.25);
        QCOMPARE(dtm.altOffset, -2.5f);
        QCOMPARE(QByteArray(dtm.referenceDatum), QByteArray("W84"));
        QVERIFY(parseBody("$GPDTM,LONGNAME,,0.0,N,0.0,E,0.0,OTHERDATUM", &record));
        QCOMPARE(QByteArray(dtm.localDatum), QByteArray("LON"));
        QCOMPARE(QByteArray(dtm.referenceDatum), QByteArray("OTH"));

        record = staleRecord();
        QVERIFY(parseBody("$GNGNS,112257.00,3844.24011,N,00908.43828,W,AN,03,10.5,120.2,51.1,2.0,0023,S", &record));
        const I62_GNS_DATA& gns = record.data.gns;
        verifyPosition(gns.position, 38 + 44.24011 / 60, -(9 + 8.43828 / 60));
        QCOMPARE(gns.modeIndicator[0], uint8_t('A'));
        QCOMPARE(gns.modeIndicator[1], uint8_t('N'));
        QCOMPARE(gns.satellitesInUse[0], uint8_t('0'));
        QCOMPARE(gns.satellitesInUse[1], uint8_t('3'));
        QCOMPARE(gns.hdop, 10.5f);
        QCOMPARE(gns.diffStation, 23.0f);
        QCOMPARE(gns.navStatus, uint8_t('S'));

        record = staleRecord();
        QVERIFY(parseBody("$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,D", &record));
        const I62_VTG_DATA& vtg = record.data.vtg;
        QCOMPARE(vtg.cogTrue, 54.7f);
        QCOMPARE(vtg.magneticMark, uint8_t('M'));
        QCOMPARE(vtg.sogKmh, 10.2f);
        QCOMPARE(vtg.modeIndicator, uint8_t('D'));

        record = staleRecord();
        QVERIFY(parseBody("$GPZDA,201530.00,04,07,2002,-13,30", &record));
        QCOMPARE(int(record.data.zda.zoneHours), 243);
        QCOMPARE(int(record.data.zda.zoneMinutes), 30);
        QCOMPARE(int(record.data.zda.year), 2002);
    }

    void gpsdDecodesAgree_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* file : {"bu353s4.log.chk", "bu353-glonass.log.chk", "mt3339.log.chk", "nmea-fuzzy-cases.log.chk",
                                 "quectel-L70.log.chk"})
            QTest::newRow(file) << QString(file);
    }
    void gpsdDecodesAgree()
    {
        QFETCH(QString, file);
        const QList<Decoded> entries = loadDecodes(TestEnv::refDataDir() + "/gnss-gpsd/" + file);
        QVERIFY(!entries.isEmpty());
        int compared = 0;
        for (int i = 0; i < entries.size(); ++i) {
            const QByteArray formatter = entries[i].sentence.mid(3, 3);
            const Parser parser = parserFor(formatter);
            if (!parser)
                continue;
            I61162_Data_Structure record = staleRecord();
            const bool parsed = parseLine(parser, entries[i].sentence, &record);
            const QByteArray context = entries[i].sentence;
            const QJsonObject tpv = findReport(entries, i, 1, "TPV", "lat");
            const QJsonObject sky = findReport(entries, i, 1, "SKY", "hdop");
            if (formatter == "GGA") {
                QVERIFY2(parsed, context);
                const I62_GGA_DATA& gga = record.data.gga;
                if (!tpv.isEmpty()) {
                    verifyPosition(gga.position, tpv.value("lat").toDouble(), tpv.value("lon").toDouble());
                    verifyNear(gga.altitude, tpv.value("altMSL"), 1e-3, "altitude");
                    verifyNear(gga.geoidalSeparation, tpv.value("geoidSep"), 1e-3, "separation");
                    if (tpv.contains("dgpsSta")) {
                        verifyNear(gga.diffAge, tpv.value("dgpsAge"), 1e-3, "age");
                        QCOMPARE(gga.diffStation, tpv.value("dgpsSta").toInt());
                    }
                }
                if (!sky.isEmpty()) {
                    verifyNear(gga.hdop, sky.value("hdop"), 0.006, "hdop");
                    QCOMPARE(int(gga.satellitesInUse), sky.value("uSat").toInt());
                }
            } else if (formatter == "RMC") {
                QVERIFY2(parsed, context);
                const I62_RMC_DATA& rmc = record.data.rmc;
                if (tpv.contains("time")) {
                    verifyUtc(rmc.utcTime, tpv);
                    const QDate date = QDateTime::fromString(tpv.value("time").toString(), Qt::ISODateWithMs).date();
                    QCOMPARE(QDate(rmc.date.year, rmc.date.month, rmc.date.day), date);
                    verifyPosition(rmc.position, tpv.value("lat").toDouble(), tpv.value("lon").toDouble());
                    verifyNear(rmc.cog, tpv.value("track"), 1e-3, "course");
                    verifyNear(rmc.sog * 1852.0 / 3600.0, tpv.value("speed"), 6e-4, "speed");
                }
            } else if (formatter == "GSA") {
                QVERIFY2(parsed, context);
                if (sky.contains("pdop")) {
                    verifyNear(record.data.gsa.pdop, sky.value("pdop"), 0.006, "pdop");
                    verifyNear(record.data.gsa.hdop, sky.value("hdop"), 0.006, "hdop");
                    verifyNear(record.data.gsa.vdop, sky.value("vdop"), 0.006, "vdop");
                }
            } else if (formatter == "GSV") {
                QVERIFY2(parsed, context);
                const QJsonObject view = findReport(entries, i, 4, "SKY", "satellites");
                const I62_GSV_DATA& gsv = record.data.gsv;
                for (int s = 0; s < gsv.satellitesInSentence && !view.isEmpty(); ++s) {
                    QJsonObject satellite;
                    for (const QJsonValue& value : view.value("satellites").toArray()) {
                        if (value.toObject().value("PRN").toInt() == gsv.prn[s])
                            satellite = value.toObject();
                    }
                    QVERIFY2(!satellite.isEmpty(), context);
                    QCOMPARE(int(gsv.elevation[s]), satellite.value("el").toInt(I62_ABSENT_U8));
                    QCOMPARE(int(gsv.azimuth[s]), satellite.value("az").toInt(I62_ABSENT_ANGLE));
                    QCOMPARE(int(gsv.snr[s]), satellite.value("ss").toInt(I62_ABSENT_U8));
                }
            } else if (formatter == "ZDA") {
                QVERIFY2(parsed, context);
                QCOMPARE(record.data.zda.zoneHours, I62_ABSENT_U8);
                const QJsonObject timed = findReport(entries, i, 1, "TPV", "time");
                if (timed.isEmpty())
                    continue;
                verifyUtc(record.data.zda.utcTime, timed);
                const QDate date = QDateTime::fromString(timed.value("time").toString(), Qt::ISODateWithMs).date();
                QCOMPARE(QDate(record.data.zda.year, record.data.zda.month, record.data.zda.day), date);
            } else if (formatter == "GST") {
                QVERIFY2(parsed, context);
                const QJsonObject gst = findReport(entries, i, 3, "GST", "rms");
                const I62_GST_DATA& f = record.data.gst;
                verifyUtc(f.utcTime, gst);
                verifyNear(f.rangeRms, gst.value("rms"), 1e-3, "rms");
                verifyNear(f.semiMajor, gst.value("major"), 1e-3, "major");
                verifyNear(f.semiMinor, gst.value("minor"), 1e-3, "minor");
                verifyNear(f.orientation, gst.value("orient"), 1e-3, "orientation");
                verifyNear(f.latError, gst.value("lat"), 1e-3, "latitude error");
                verifyNear(f.lonError, gst.value("lon"), 1e-3, "longitude error");
                verifyNear(f.altError, gst.value("alt"), 1e-3, "altitude error");
            } else {
                QVERIFY2(parsed, context);
            }
            ++compared;
        }
        QVERIFY(compared > 20);
    }

    void cutAndMixedLinesStayInBounds()
    {
        // Every cut of a real line, closed with a valid checksum, goes to its own parser; every whole
        // line goes to every parser. The sanitizers watch the reads and writes.
        const QList<Decoded> entries = loadDecodes(TestEnv::refDataDir() + "/gnss-gpsd/quectel-L70.log.chk")
                                       + loadDecodes(TestEnv::refDataDir() + "/gnss-gpsd/bu353-glonass.log.chk");
        const QList<QByteArray> formatters = {"GGA", "GLL", "GBS", "GSA", "GRS", "GST", "GSV", "RMC", "VTG", "ZDA", "DTM", "GNS"};
        int refused = 0;
        for (const Decoded& entry : entries) {
            const QByteArray body = entry.sentence.left(entry.sentence.lastIndexOf('*'));
            const Parser own = parserFor(body.mid(3, 3));
            for (int cut = 1; own && cut < body.size(); ++cut) {
                I61162_Data_Structure record = staleRecord();
                refused += !parseLine(own, closed(body.left(cut)), &record);
            }
            for (const QByteArray& formatter : formatters) {
                I61162_Data_Structure record = staleRecord();
                parseLine(parserFor(formatter), entry.sentence, &record);
            }
        }
        QVERIFY(refused > 1000);
    }

    void composeThenParse()
    {
        I61162_Data_Structure rmc = composable("GP", "RMC");
        rmc.data.rmc = I62_RMC_DATA{{12, 35, 19, 45}, 'A', {48.1173, -11.516667}, 22.4f, 84.4f, {2094, 3, 23},
                                    3.1f, 'W', 'D', I62_ABSENT_U8};
        QCOMPARE(composeLine(I62_FMT_RMC_Compose, &rmc),
                 closed("$GPRMC,123519.45,A,4807.03800,N,01131.00002,W,22.400,84.40,230394,3.10,W,D"));
        I61162_Data_Structure parsed = staleRecord();
        QVERIFY(parseLine(RMC_ParseProc, composeLine(I62_FMT_RMC_Compose, &rmc), &parsed));
        verifyRmc(parsed.data.rmc, rmc.data.rmc);

        // Nothing available: a position of -91 (an empty latitude marked S) is no position either.
        rmc.data.rmc = I62_RMC_DATA{{24, 60, 60, 0}, 'V', {-91, 181}, ABSENT, ABSENT, {0, 0, 0}, ABSENT,
                                    I62_ABSENT_U8, 'N', I62_ABSENT_U8};
        QCOMPARE(composeLine(I62_FMT_RMC_Compose, &rmc), closed("$GPRMC,,V,,,,,,,,,,N"));
        QVERIFY(parseLine(RMC_ParseProc, composeLine(I62_FMT_RMC_Compose, &rmc), &parsed));
        rmc.data.rmc.position.latitude = 91;
        verifyRmc(parsed.data.rmc, rmc.data.rmc);

        I61162_Data_Structure gbs = composable("GP", "GBS");
        gbs.data.gbs = I62_GBS_DATA{{1, 55, 9, 0}, 1.25f, 2.5f, -3.75f, 17, 0.5f, -1.25f, 0.75f, I62_ABSENT_U8, I62_ABSENT_U8};
        QCOMPARE(composeLine(I62_FMT_GBS_Compose, &gbs), closed("$GPGBS,015509.00,1.25,2.50,-3.75,17,0.50,-1.25,0.75"));
        parsed = staleRecord();
        QVERIFY(parseLine(I62_FMT_GBS, composeLine(I62_FMT_GBS_Compose, &gbs), &parsed));
        verifyGbs(parsed.data.gbs, gbs.data.gbs);
        gbs.data.gbs = I62_GBS_DATA{{24, 60, 60, 0}, ABSENT, ABSENT, ABSENT, -1, ABSENT, ABSENT, ABSENT, I62_ABSENT_U8,
                                    I62_ABSENT_U8};
        QCOMPARE(composeLine(I62_FMT_GBS_Compose, &gbs), closed("$GPGBS,,,,,,,,"));
        QVERIFY(parseLine(I62_FMT_GBS, composeLine(I62_FMT_GBS_Compose, &gbs), &parsed));
        verifyGbs(parsed.data.gbs, gbs.data.gbs);

        I61162_Data_Structure gsa = composable("GN", "GSA");
        gsa.data.gsa = I62_GSA_DATA{'A', 3, {4, 5, 128, 9, 12, 131, 128, 24, 128, 128, 128, 128}, 2.5f, 1.3f, 2.1f, 0,
                                    I62_ABSENT_U8};
        QCOMPARE(composeLine(I62_FMT_GSA_Compose, &gsa), closed("$GNGSA,A,3,04,05,,09,12,131,,24,,,,,2.50,1.30,2.10"));
        parsed = staleRecord();
        QVERIFY(parseLine(I62_FMT_GSA, composeLine(I62_FMT_GSA_Compose, &gsa), &parsed));
        QCOMPARE(parsed.data.gsa.mode, gsa.data.gsa.mode);
        QCOMPARE(parsed.data.gsa.fixType, gsa.data.gsa.fixType);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(parsed.data.gsa.satellites), I62_GSA_SATELLITES),
                 QByteArray(reinterpret_cast<const char*>(gsa.data.gsa.satellites), I62_GSA_SATELLITES));
        QCOMPARE(parsed.data.gsa.pdop, gsa.data.gsa.pdop);
        QCOMPARE(parsed.data.gsa.hdop, gsa.data.gsa.hdop);
        QCOMPARE(parsed.data.gsa.vdop, gsa.data.gsa.vdop);
        QCOMPARE(parsed.data.gsa.systemId, gsa.data.gsa.systemId);

        I61162_Data_Structure zda = composable("GP", "ZDA");
        zda.data.zda = I62_ZDA_DATA{{15, 1, 19, 0}, 2022, 3, 9, 243, 30};
        QCOMPARE(composeLine(I62_FMT_ZDA_Compose, &zda), closed("$GPZDA,150119.00,09,03,2022,-13,30"));
        for (uint8_t zone : {uint8_t(243), I62_ABSENT_U8}) {
            zda.data.zda.zoneHours = zone;
            zda.data.zda.zoneMinutes = zone == I62_ABSENT_U8 ? I62_ABSENT_U8 : 30;
            parsed = staleRecord();
            QVERIFY(parseLine(I62_FMT_ZDA, composeLine(I62_FMT_ZDA_Compose, &zda), &parsed));
            const I62_ZDA_DATA& f = parsed.data.zda;
            verifyTime(f.utcTime, 15, 1, 19, 0);
            QCOMPARE(f.year, zda.data.zda.year);
            QCOMPARE(f.month, zda.data.zda.month);
            QCOMPARE(f.day, zda.data.zda.day);
            QCOMPARE(f.zoneHours, zda.data.zda.zoneHours);
            QCOMPARE(f.zoneMinutes, zda.data.zda.zoneMinutes);
        }
    }

    void composersStayInTheirBuffer()
    {
        I61162_Data_Structure rmc = composable("GP", "RMC");
        rmc.data.rmc = I62_RMC_DATA{{12, 35, 19, 45}, 'A', {48.1173, 11.516667}, 3e38f, 3e38f, {2094, 3, 23},
                                    3e38f, 'W', 'D', I62_ABSENT_U8};
        char buffer[256];
        std::memset(buffer, 'X', sizeof buffer);
        QVERIFY(!I62_FMT_RMC_Compose(buffer, 100, &rmc)); // three 39-digit numbers do not fit
        QCOMPARE(std::strlen(buffer), size_t(99));
        QCOMPARE(buffer[100], 'X');
        QVERIFY(I62_FMT_RMC_Compose(buffer, sizeof buffer, &rmc));
    }

    void numbersIgnoreTheUserLocale()
    {
        // A desktop session may run with a decimal comma: build such a locale for this test.
        QTemporaryDir dir;
        const QString path = dir.path() + "/de_DE.UTF-8";
        QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", path});
        if (!QFileInfo::exists(path + "/LC_NUMERIC"))
            QSKIP("localedef could not build a locale with a decimal comma");
        qputenv("LOCPATH", dir.path().toLocal8Bit());
        QVERIFY(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"));
        const double plainRead = std::atof("0.5");

        I61162_Data_Structure record = staleRecord();
        const bool parsed = parseBody("$GPGGA,123519.25,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", &record);
        const I62_GGA_DATA gga = record.data.gga;
        std::strcpy(record.talker, "GP");
        std::strcpy(record.formatter, "RMC");
        record.data.rmc = I62_RMC_DATA{{12, 35, 19, 0}, 'A', {48.5, 11.5}, 22.4f, 84.4f, {2024, 1, 2}, 3.1f, 'W', 'A', 0};
        const QByteArray composed = composeLine(I62_FMT_RMC_Compose, &record);

        std::setlocale(LC_NUMERIC, "C");
        qunsetenv("LOCPATH");
        QCOMPARE(plainRead, 0.0); // the hazard is real in this locale
        QVERIFY(parsed);
        QCOMPARE(int(gga.utcTime.hundredths), 25);
        verifyPosition(gga.position, 48.1173, 11.516667);
        QCOMPARE(gga.hdop, 0.9f);
        QCOMPARE(composed, closed("$GPRMC,123519.00,A,4830.00000,N,01130.00000,E,22.400,84.40,020124,3.10,W,A"));
    }

private:
    static void verifyRmc(const I62_RMC_DATA& parsed, const I62_RMC_DATA& expected)
    {
        verifyTime(parsed.utcTime, expected.utcTime.hour, expected.utcTime.minute, expected.utcTime.second,
                   expected.utcTime.hundredths);
        QCOMPARE(parsed.status, expected.status);
        verifyPosition(parsed.position, expected.position.latitude, expected.position.longitude);
        QCOMPARE(parsed.sog, expected.sog);
        QCOMPARE(parsed.cog, expected.cog);
        QCOMPARE(parsed.date.year, expected.date.year);
        QCOMPARE(parsed.date.month, expected.date.month);
        QCOMPARE(parsed.date.day, expected.date.day);
        QCOMPARE(parsed.magVariation, expected.magVariation);
        QCOMPARE(parsed.variationDirection, expected.variationDirection);
        QCOMPARE(parsed.modeIndicator, expected.modeIndicator);
        QCOMPARE(parsed.navStatus, expected.navStatus);
    }

    static void verifyGbs(const I62_GBS_DATA& parsed, const I62_GBS_DATA& expected)
    {
        verifyTime(parsed.utcTime, expected.utcTime.hour, expected.utcTime.minute, expected.utcTime.second,
                   expected.utcTime.hundredths);
        QCOMPARE(parsed.errLatitude, expected.errLatitude);
        QCOMPARE(parsed.errLongitude, expected.errLongitude);
        QCOMPARE(parsed.errAltitude, expected.errAltitude);
        QCOMPARE(parsed.failedSatellite, expected.failedSatellite);
        QCOMPARE(parsed.probability, expected.probability);
        QCOMPARE(parsed.bias, expected.bias);
        QCOMPARE(parsed.biasStdDev, expected.biasStdDev);
        QCOMPARE(parsed.systemId, expected.systemId);
        QCOMPARE(parsed.signalId, expected.signalId);
    }
};

QTEST_GUILESS_MAIN(TestI62Gnss)
#include "tst_i62gnss.moc"
