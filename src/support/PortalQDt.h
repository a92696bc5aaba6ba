#pragma once

#include <QDateTime>
#include <QString>

namespace Portal::QDt {

// 0 to 33 index the fixed offset table; 14 is UTC; 35 is the computer's local time.
enum TIME_ZONE : int {
    TIME_ZONE_UTC = 14,
    TIME_ZONE_LOCAL = 35,
};

enum DATE_FORMAT : int {
    DATE_FORMAT_NONE = -1,
    DATE_FORMAT_SHORT = 0,
    DATE_FORMAT_SHORT_NO_YEAR = 1,
};

enum TIME_FORMAT : int {
    TIME_FORMAT_NONE = -1,
    TIME_FORMAT_HMS = 0,
    TIME_FORMAT_HM = 1,
};

QString ConvtFmtDateTimeToStr(long long time, TIME_ZONE zone, DATE_FORMAT dateFmt, TIME_FORMAT timeFmt, char sep);
// The pattern ConvtFmtDateTimeToStr formats with, built from a locale's short date format.
QString ComposeDateTimePattern(const QString& localeShortDate, DATE_FORMAT dateFmt, TIME_FORMAT timeFmt, char sep);

QDateTime TimeStreamToQDataTime(long long time, TIME_ZONE zone);
long long QDataTimeToTimeStream(const QDateTime& dateTime, TIME_ZONE zone);

float MapTimeZoneOffset(TIME_ZONE zone);
float SysTimeZoneOffset();
TIME_ZONE SysTimeZoneType();
TIME_ZONE MapTimeZoneType(float hours);

} // namespace Portal::QDt
