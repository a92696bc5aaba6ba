#include "AisReportComposer.h"

#include <QString>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int ReportBits = 168;

class CBitWriter
{
public:
    void put(int64_t value, int width)
    {
        for (int bit = width - 1; bit >= 0; --bit)
            m_bits.push_back(((uint64_t(value) >> bit) & 1u) != 0);
    }

    // Six bits a character, as the AIS payload armour maps them.
    QByteArray armoured() const
    {
        QByteArray payload;
        for (size_t at = 0; at < m_bits.size(); at += 6) {
            int value = 0;
            for (size_t bit = at; bit < at + 6; ++bit)
                value = (value << 1) | (bit < m_bits.size() && m_bits[bit] ? 1 : 0);
            payload += char(value < 40 ? value + 48 : value + 56);
        }
        return payload;
    }

private:
    std::vector<bool> m_bits;
};

// The body between the start character and the "*", closed with its checksum and CR LF.
QByteArray finished(char start, const QByteArray& body)
{
    unsigned char sum = 0;
    for (const char c : body)
        sum ^= static_cast<unsigned char>(c);
    return start + body + '*' + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

// Degrees as NMEA's ddmm.mmmm (or dddmm.mmmm) and its hemisphere letter.
QByteArray nmeaAngle(double degrees, int degreeDigits, char positive, char negative)
{
    const double magnitude = std::fabs(degrees);
    const int whole = int(magnitude);
    const double minutes = (magnitude - whole) * 60.0;
    return QString::asprintf("%0*d%07.4f,%c", degreeDigits, whole, minutes, degrees < 0 ? negative : positive).toLatin1();
}

} // namespace

QByteArray AisReportComposer::PositionReport(uint32_t mmsi, const SFix& fix, int utcSecond)
{
    CBitWriter bits;
    bits.put(1, 6);                                                 // message type
    bits.put(0, 2);                                                 // repeat indicator
    bits.put(mmsi, 30);
    bits.put(0, 4);                                                 // under way using engine
    bits.put(0, 8);                                                 // not turning
    bits.put(std::lround(fix.speedKnots * 10.0), 10);
    bits.put(1, 1);                                                 // high accuracy
    bits.put(std::lround(fix.longitude * 600000.0), 28);
    bits.put(std::lround(fix.latitude * 600000.0), 27);
    bits.put(std::lround(fix.courseDegrees * 10.0), 12);
    bits.put(std::lround(fix.courseDegrees) % 360, 9);             // heading
    bits.put(utcSecond, 6);
    bits.put(0, 2 + 3 + 1 + 19);                                    // manoeuvre, spare, RAIM, radio
    static_assert(6 + 2 + 30 + 4 + 8 + 10 + 1 + 28 + 27 + 12 + 9 + 6 + 25 == ReportBits, "a message 1 has 168 bits");
    return finished('!', "AIVDM,1,1,,A," + bits.armoured() + ",0");
}

QByteArray AisReportComposer::OwnFix(const SFix& fix, int hour, int minute, int second)
{
    const QByteArray time = QString::asprintf("%02d%02d%02d.00", hour, minute, second).toLatin1();
    const QByteArray latitude = nmeaAngle(fix.latitude, 2, 'N', 'S');
    const QByteArray longitude = nmeaAngle(fix.longitude, 3, 'E', 'W');
    const QByteArray rmc = "GPRMC," + time + ",A," + latitude + ',' + longitude + ','
                           + QString::asprintf("%.1f,%.1f", fix.speedKnots, fix.courseDegrees).toLatin1()
                           + ",111226,,,A";
    const QByteArray gga = "GPGGA," + time + ',' + latitude + ',' + longitude + ",1,09,0.9,12.0,M,47.0,M,,";
    return finished('$', rmc) + finished('$', gga);
}
