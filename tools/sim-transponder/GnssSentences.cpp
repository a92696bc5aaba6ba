#include "GnssSentences.h"

#include <cmath>

namespace Sim {

namespace {

struct SSatellite
{
    int prn;
    int elevation;
    int azimuth;
    int snr;
    bool used;
};

constexpr SSatellite Sky[] = {
    {2, 62, 291, 44, true},  {5, 45, 62, 41, true},  {7, 12, 320, 28, false}, {9, 38, 147, 39, true},
    {13, 71, 205, 46, true}, {15, 24, 88, 33, true}, {20, 55, 12, 43, true},  {26, 17, 240, 30, false},
    {29, 33, 178, 37, true}, {30, 6, 300, 22, false},
};
constexpr int SatellitesPerGsv = 4;

QByteArray twoDigits(int value)
{
    return QByteArray::number(value).rightJustified(2, '0');
}

// Degrees and minutes to four decimals, as "ddmm.mmmm" (or "dddmm.mmmm"), and the hemisphere.
QByteArray angle(double degrees, int degreeDigits, char positive, char negative)
{
    const int units = static_cast<int>(std::lround(std::fabs(degrees) * 600000.0));
    const QByteArray whole = QByteArray::number(units / 600000).rightJustified(degreeDigits, '0');
    const QByteArray minutes = twoDigits(units % 600000 / 10000);
    const QByteArray fraction = QByteArray::number(units % 10000).rightJustified(4, '0');
    return whole + minutes + '.' + fraction + ',' + (degrees < 0 ? negative : positive);
}

QByteArray position(const SFix& fix)
{
    return angle(fix.latitude, 2, 'N', 'S') + ',' + angle(fix.longitude, 3, 'E', 'W');
}

int usedCount()
{
    int count = 0;
    for (const SSatellite& satellite : Sky)
        count += satellite.used ? 1 : 0;
    return count;
}

QByteArray gsa()
{
    QByteArray text = "$GPGSA,A,3,";
    int fields = 0;
    for (const SSatellite& satellite : Sky) {
        if (satellite.used) {
            text += twoDigits(satellite.prn) + ',';
            ++fields;
        }
    }
    for (; fields < 12; ++fields)
        text += ',';
    return text + "1.6,0.9,1.3";
}

QByteArrayList gsv()
{
    constexpr int count = static_cast<int>(std::size(Sky));
    const int sentences = (count + SatellitesPerGsv - 1) / SatellitesPerGsv;
    QByteArrayList lines;
    for (int sentence = 0; sentence < sentences; ++sentence) {
        QByteArray text = "$GPGSV," + QByteArray::number(sentences) + ',' + QByteArray::number(sentence + 1) + ','
                          + twoDigits(count);
        for (int i = sentence * SatellitesPerGsv; i < count && i < (sentence + 1) * SatellitesPerGsv; ++i) {
            const SSatellite& satellite = Sky[i];
            text += ',' + twoDigits(satellite.prn) + ',' + twoDigits(satellite.elevation) + ','
                    + QByteArray::number(satellite.azimuth).rightJustified(3, '0') + ',' + twoDigits(satellite.snr);
        }
        lines += text;
    }
    return lines;
}

} // namespace

QByteArrayList GnssSentences(const SFix& fix, const QDateTime& utc)
{
    const QTime clock = utc.time();
    const QDate day = utc.date();
    const QByteArray time = twoDigits(clock.hour()) + twoDigits(clock.minute()) + twoDigits(clock.second()) + ".00";
    const QByteArray date = twoDigits(day.day()) + twoDigits(day.month()) + twoDigits(day.year() % 100);
    const QByteArray speed = QByteArray::number(fix.speed, 'f', 1);
    const QByteArray course = QByteArray::number(fix.course, 'f', 1);
    QByteArrayList lines = {
        "$GPGGA," + time + ',' + position(fix) + ",1," + twoDigits(usedCount()) + ",0.9,12.0,M,47.5,M,,",
        "$GPRMC," + time + ",A," + position(fix) + ',' + speed + ',' + course + ',' + date + ",,,A",
        gsa(),
    };
    return lines + gsv();
}

} // namespace Sim
