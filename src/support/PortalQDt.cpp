#include "support/PortalQDt.h"

#include <QLocale>
#include <QTimeZone>
#include <array>

namespace Portal::QDt {

namespace {

constexpr std::array<float, 34> kZoneHours = {
    -12.0f, -11.0f, -10.0f, -9.0f, -8.0f, -7.0f, -6.0f, -5.0f, -4.5f, -4.0f, -3.5f, -3.0f,
    -2.0f,  -1.0f,  0.0f,   1.0f,  2.0f,  3.0f,  3.5f,  4.0f,  4.5f,  5.0f,  5.5f,  5.75f,
    6.0f,   6.5f,   7.0f,   8.0f,  9.0f,  9.5f,  10.0f, 11.0f, 12.0f, 13.0f,
};

bool inTable(int zone)
{
    return zone >= 0 && zone < static_cast<int>(kZoneHours.size());
}

QString removeYear(QString pattern)
{
    const int firstYear = pattern.indexOf('y');
    if (firstYear < 0)
        return pattern;
    pattern.remove('y');
    if (pattern.isEmpty())
        return pattern;
    if (firstYear > 0)
        pattern.chop(1); // the separator before a trailing year
    else
        pattern.remove(0, 1); // the separator after a leading year
    return pattern;
}

} // namespace

QString ComposeDateTimePattern(const QString& localeShortDate, DATE_FORMAT dateFmt, TIME_FORMAT timeFmt, char sep)
{
    QString datePattern;
    if (dateFmt != DATE_FORMAT_NONE) {
        datePattern = localeShortDate;
        if (sep != 0)
            datePattern.replace('/', QChar::fromLatin1(sep));
        if (dateFmt == DATE_FORMAT_SHORT_NO_YEAR)
            datePattern = removeYear(datePattern);
    }

    QString timePattern;
    if (timeFmt == TIME_FORMAT_HM)
        timePattern = QStringLiteral("hh:mm");
    else if (timeFmt == TIME_FORMAT_HMS)
        timePattern = QStringLiteral("hh:mm:ss");

    QString pattern = datePattern;
    if (dateFmt != DATE_FORMAT_NONE && timeFmt != TIME_FORMAT_NONE)
        pattern += ' ';
    return pattern + timePattern;
}

QString ConvtFmtDateTimeToStr(long long time, TIME_ZONE zone, DATE_FORMAT dateFmt, TIME_FORMAT timeFmt, char sep)
{
    const QString pattern = ComposeDateTimePattern(QLocale::system().dateFormat(QLocale::ShortFormat),
                                                   dateFmt, timeFmt, sep);
    return TimeStreamToQDataTime(time, zone).toString(pattern);
}

QDateTime TimeStreamToQDataTime(long long time, TIME_ZONE zone)
{
    const qint64 seconds = static_cast<quint32>(time);
    if (zone == TIME_ZONE_LOCAL)
        return QDateTime::fromSecsSinceEpoch(seconds, Qt::LocalTime);
    if (zone == TIME_ZONE_UTC)
        return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    const int offset = static_cast<int>(MapTimeZoneOffset(zone) * 3600.0f);
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::OffsetFromUTC, offset);
}

long long QDataTimeToTimeStream(const QDateTime& dateTime, TIME_ZONE zone)
{
    const QDateTime asUtc(dateTime.date(), dateTime.time(), Qt::UTC);
    const qint64 offset = static_cast<qint64>(MapTimeZoneOffset(zone) * 3600.0f);
    return static_cast<quint32>(asUtc.toSecsSinceEpoch() - offset);
}

float MapTimeZoneOffset(TIME_ZONE zone)
{
    return inTable(zone) ? kZoneHours[static_cast<size_t>(zone)] : 0.0f;
}

float SysTimeZoneOffset()
{
    // One reading of the clock, so the offset cannot straddle a second.
    return static_cast<float>(QDateTime::currentDateTime().offsetFromUtc()) / 3600.0f;
}

TIME_ZONE SysTimeZoneType()
{
    return MapTimeZoneType(SysTimeZoneOffset());
}

TIME_ZONE MapTimeZoneType(float hours)
{
    const int hundredths = static_cast<int>(hours * 100.0f);
    for (size_t i = 0; i < kZoneHours.size(); ++i) {
        if (static_cast<int>(kZoneHours[i] * 100.0f) == hundredths)
            return static_cast<TIME_ZONE>(i);
    }
    return TIME_ZONE_UTC;
}

} // namespace Portal::QDt
