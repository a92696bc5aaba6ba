#include "ReceiveRig.h"
#include "ReferenceMessages.h"
#include "TestEnv.h"
#include "codec/records/CodecSnapshot.h"
#include "support/PortalTime.h"

#include <QtTest>
#include <cmath>

// The real traffic of the reference data replayed through the whole receive path: every AIS
// and GNSS file, and every AIS message that the independent decoders decoded, compared field by
// field with what the ship table holds once the message is through.
namespace {

using ReferenceMessages::SMessage;

// The station entry of the message's target signal; none when the message was refused.
struct SOutcome
{
    bool decoded = false;
    GENERIC_SHIP_DATA entry{};
};

// A difference with its reason; `what` is "refused" or the field that differs.
struct SKnownDifference
{
    const char* reference;
    const char* what;
    const char* reason;
};

// Every difference between this project and the reference decoders, with why ours is right.
// A difference not listed here, or listed and no longer there, fails the test.
const SKnownDifference KNOWN_DIFFERENCES[] = {
    {"libais case 36 type 27", "refused",
     "message 27 (long-range broadcast) has no layout in the field codec: not decoded, the codec keeps its state"},
    {"gpsd line 11 type 27", "refused",
     "message 27 (long-range broadcast) has no layout in the field codec: not decoded, the codec keeps its state"},
    {"libais case 41 type 8", "refused",
     "the case holds the first of two fragments only, so the message is not whole"},
};

// A receiver's sentence with an empty payload, as the live sample holds it a hundred times.
const QByteArray EMPTY_PAYLOAD_LINE = "!AIVDM,1,1,,B,,0*25";

// The decoder's field names for the common names type, mmsi, lon, lat, speed, course, heading,
// name and callsign: libais's, then gpsd's.
const char* const FIELD_NAMES[9][3] = {
    {"type", "id", "type"},       {"mmsi", "mmsi", "mmsi"},       {"lon", "x", "lon"},
    {"lat", "y", "lat"},          {"speed", "sog", "speed"},      {"course", "cog", "course"},
    {"heading", "true_heading", "heading"}, {"name", "name", "shipname"}, {"callsign", "callsign", "callsign"},
};

QJsonObject commonFields(const SMessage& message)
{
    QJsonObject fields;
    for (const auto& names : FIELD_NAMES) {
        const char* name = names[message.gpsd ? 2 : 1];
        if (message.decoded.contains(name))
            fields.insert(names[0], message.decoded.value(name));
    }
    return fields;
}

// The fields the ship table files for each message type.
bool carries(const QString& field, int type, int partNumber)
{
    static const QMap<QString, QSet<int>> filed = {
        {"lon", {1, 2, 3, 4, 9, 18, 19, 21}}, {"lat", {1, 2, 3, 4, 9, 18, 19, 21}},
        {"speed", {1, 2, 3, 9, 18, 19}},      {"course", {1, 2, 3, 9, 18, 19}},
        {"heading", {1, 2, 3, 18, 19}},       {"name", {5, 19, 21}},
        {"callsign", {5}},
    };
    if (type == 24)
        return field == (partNumber == 0 ? "name" : "callsign");
    return filed.value(field).contains(type);
}

// Text as both sides mean it: without the at-sign fill and the blanks that pad it.
QString trimmedText(QString text)
{
    while (text.endsWith('@') || text.endsWith(' '))
        text.chop(1);
    return text;
}

QString oursText(const char* text, bool gpsd)
{
    QString ours = trimmedText(QString::fromLatin1(text));
    if (gpsd) // gpsd's six-bit table has '-' for value 31 and '`' for value 39
        ours.replace('_', '-').replace('\'', '`');
    return ours;
}

double oursNumber(const QString& field, const GENERIC_SHIP_DATA& e)
{
    if (field == "type")
        return e.lastMessageId;
    if (field == "mmsi")
        return double(e.mmsi);
    if (field == "lon")
        return e.longitude;
    if (field == "lat")
        return e.latitude;
    if (field == "speed")
        return e.sog;
    if (field == "course")
        return e.cog;
    return e.heading;
}

// The reference's value in the units and conventions of the ship table.
double referenceNumber(const QString& field, const QJsonObject& fields, bool gpsd)
{
    double value = fields.value(field).toDouble();
    const int type = fields.value("type").toInt();
    // A heading of 360 or more is not available: 511 here, whatever was sent.
    if (field == "heading" && value >= 360)
        value = 511;
    // gpsd divides message 9's speed, sent in whole knots, by ten.
    if (field == "speed" && type == 9 && gpsd)
        value *= 10;
    return value;
}

// The fields of the outcome that differ from the reference, by name; "refused" when there is no
// outcome. The detail says how.
QMap<QString, QString> differences(const SMessage& message, const SOutcome& outcome)
{
    QMap<QString, QString> found;
    if (!outcome.decoded) {
        found.insert("refused", "no target signal");
        return found;
    }
    const GENERIC_SHIP_DATA& e = outcome.entry;
    const QJsonObject fields = commonFields(message);
    const int type = message.type();
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        const QString& field = it.key();
        if (field != "type" && field != "mmsi" && !carries(field, type, e.partNumber))
            continue;
        if (field == "name" || field == "callsign") {
            const QString ours = oursText(field == "name" ? e.name : e.callSign, message.gpsd);
            const QString theirs = trimmedText(it.value().toString());
            if (ours != theirs)
                found.insert(field, QString("ours \"%1\", reference \"%2\"").arg(ours, theirs));
            continue;
        }
        const double ours = oursNumber(field, e);
        const double theirs = referenceNumber(field, fields, message.gpsd);
        const double tolerance = field == "lon" || field == "lat" ? 1e-5 : 1e-4;
        if (std::fabs(ours - theirs) > tolerance)
            found.insert(field, QString("ours %1, reference %2").arg(ours, 0, 'f', 6).arg(theirs, 0, 'f', 6));
    }
    return found;
}

// The receive path with a slot that copies out the target's entry, as the data model does.
struct SRoad
{
    ReceiveRig::CLink link;
    CSensorSentenceHandle handle;
    QList<GENERIC_SHIP_DATA> targets;

    SRoad()
    {
        ReceiveRig::Wire(link, handle);
        QObject::connect(&handle, &CSensorSentenceHandle::signalFillAisTargetData, [this](unsigned int) {
            GENERIC_SHIP_DATA entry;
            CopyShipData(1, &entry);
            targets << entry;
        });
    }

    void receive(const QByteArray& bytes) { link.rxPackageProc(bytes, false); }
};

// The fields of a VDM or VDO line that join fragments: kind, total, number, sequential
// identifier and channel; empty for any other line.
QByteArrayList fragmentFields(const QByteArray& line)
{
    const QByteArrayList fields = AisFixture::sentenceOf(line).split(',');
    if (fields.size() < 7 || !fields[0].startsWith('!') || fields[0].size() != 6)
        return {};
    return {fields[0].right(3), fields[1], fields[2], fields[3], fields[4]};
}

// Whether the latest lines up to `last` of the same kind, sequential identifier and channel are
// the fragments 1 to n of one message: same total, consecutive numbers.
bool endsWholeMessage(const QByteArrayList& lines, int last)
{
    const QByteArrayList final = fragmentFields(lines[last]);
    if (final.isEmpty() || final[1] != final[2])
        return false;
    int expected = final[2].toInt();
    for (int i = last; i >= 0 && expected > 0; --i) {
        const QByteArrayList fields = fragmentFields(lines[i]);
        // Other sentences, and the fragments of other messages, may come between.
        if (fields.isEmpty() || fields[0] != final[0] || fields[3] != final[3] || fields[4] != final[4])
            continue;
        if (fields[1] != final[1] || fields[2].toInt() != expected)
            return false;
        --expected;
    }
    return expected == 0;
}

} // namespace

class TestReplayReference : public QObject
{
    Q_OBJECT

private:
    QString m_dir;

private slots:
    void initTestCase()
    {
        m_dir = TestEnv::refDataDir();
        Portal::Time::SetFakeClock(1000000);
    }

    void cleanupTestCase() { Portal::Time::ClearFakeClock(); }

    // Each file line by line, as a device delivers it, receiver additions and junk included:
    // nothing crashes or trips a sanitizer, and a station is only ever announced when the line
    // just received ends a whole message, so fragments of different messages are never joined.
    void everyTrafficFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("ais");
        QTest::addColumn<bool>("decodes");
        for (const char* file : {"ais-live-pyais/nmea_data_sample.txt", "ais-live-pyais/mixed.txt"})
            QTest::newRow(file) << QString(file) << true << true;
        // The receiving station appended its own fields after each checksum: a line of up to 160
        // characters is no sentence, and every one is refused (without them they decode, below).
        QTest::newRow("ais-libais/typeexamples.nmea") << QString("ais-libais/typeexamples.nmea") << true << false;
        for (const char* file : {"gnss-gpsd/bu353-glonass.log", "gnss-gpsd/bu353s4.log", "gnss-gpsd/mt3339.log",
                                 "gnss-gpsd/quectel-L70.log", "gnss-gpsd/nmea-fuzzy-cases.log"})
            QTest::newRow(file) << QString(file) << false << true;
    }

    void everyTrafficFile()
    {
        QFETCH(QString, file);
        QFETCH(bool, ais);
        QFETCH(bool, decodes);
        const QByteArrayList lines = ReferenceMessages::FileLines(m_dir + "/" + file);
        QVERIFY(!lines.isEmpty());
        CSensorSentenceHandle::resetI62Data();
        SRoad road;
        int gpsSignals = 0;
        QObject::connect(&road.handle, &CSensorSentenceHandle::signalFillGpsData,
                         [&gpsSignals](int, int, bool, bool) { ++gpsSignals; });
        int announced = 0;
        for (int i = 0; i < lines.size(); ++i) {
            road.receive(lines[i] + "\r\n");
            if (road.targets.isEmpty())
                continue;
            QVERIFY2(road.targets.size() == 1 && endsWholeMessage(lines, i),
                     qPrintable(QString("line %1 announced %2 stations: %3").arg(i + 1).arg(road.targets.size())
                                    .arg(QString::fromLatin1(lines[i]))));
            road.targets.clear();
            ++announced;
        }
        QCOMPARE((ais ? announced : gpsSignals) > 0, decodes);
    }

    // Every message of the reference decoders, one after another as one stream: the ship entry of
    // each target signal against the reference's fields, and every difference accounted for. A
    // receiver's empty payloads between the fragments of a message cost it nothing.
    void referenceDecodes_data()
    {
        QTest::addColumn<QByteArray>("between");
        QTest::newRow("as received") << QByteArray();
        QTest::newRow("an empty payload after each fragment") << EMPTY_PAYLOAD_LINE;
    }

    void referenceDecodes()
    {
        QFETCH(QByteArray, between);
        const QList<SMessage> messages = ReferenceMessages::All(m_dir);
        QVERIFY(messages.size() > 60);
        CSensorSentenceHandle::resetI62Data();
        SRoad road;
        QSet<QString> found;
        QStringList unexplained;
        int compared = 0;
        for (const SMessage& message : messages) {
            road.targets.clear();
            for (const QByteArray& line : message.lines) {
                road.receive(line + "\r\n");
                if (!between.isEmpty())
                    road.receive(between + "\r\n");
            }
            QVERIFY2(road.targets.size() <= 1, qPrintable(message.name));
            SOutcome outcome;
            if (!road.targets.isEmpty())
                outcome = SOutcome{true, road.targets.first()};
            const QMap<QString, QString> diffs = differences(message, outcome);
            compared += outcome.decoded;
            for (auto it = diffs.constBegin(); it != diffs.constEnd(); ++it) {
                const QString key = message.name + ": " + it.key();
                found << key;
                const bool known = std::any_of(std::begin(KNOWN_DIFFERENCES), std::end(KNOWN_DIFFERENCES),
                                               [&](const SKnownDifference& d) {
                                                   return message.name == d.reference && it.key() == d.what;
                                               });
                if (!known)
                    unexplained << key + " (" + it.value() + ")";
            }
        }
        QStringList gone;
        for (const SKnownDifference& d : KNOWN_DIFFERENCES) {
            if (!found.contains(QString(d.reference) + ": " + d.what))
                gone << QString(d.reference) + ": " + d.what;
        }
        QVERIFY2(unexplained.isEmpty(), qPrintable("differences without a reason:\n" + unexplained.join('\n')));
        QVERIFY2(gone.isEmpty(), qPrintable("listed differences that no longer occur:\n" + gone.join('\n')));
        QVERIFY(compared > 50);
    }

    // The live sample with its hundred empty payloads announces every station that it announces
    // without them, in the same order: an empty payload costs no other message.
    void liveSampleLosesNothingToEmptyPayloads()
    {
        const QByteArrayList lines = ReferenceMessages::FileLines(m_dir + "/ais-live-pyais/nmea_data_sample.txt");
        QByteArrayList withoutEmpty;
        for (const QByteArray& line : lines) {
            if (!AisFixture::sentenceOf(line).split(',').value(5).isEmpty())
                withoutEmpty << line;
        }
        QVERIFY(lines.count(EMPTY_PAYLOAD_LINE) > 50 && withoutEmpty.size() < lines.size());
        const auto announced = [](const QByteArrayList& traffic) {
            CSensorSentenceHandle::resetI62Data();
            SRoad road;
            for (const QByteArray& line : traffic)
                road.receive(line + "\r\n");
            QList<quint64> mmsis;
            for (const GENERIC_SHIP_DATA& entry : road.targets)
                mmsis << entry.mmsi;
            return mmsis;
        };
        const QList<quint64> expected = announced(withoutEmpty);
        QVERIFY(expected.size() > 700);
        QCOMPARE(announced(lines), expected);
    }
};

QTEST_GUILESS_MAIN(TestReplayReference)
#include "tst_replayreference.moc"
