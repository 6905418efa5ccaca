#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A date-time as a real number of days since 1899-12-30 (time of day as the
// fraction), stored on the wire as an IEEE double of 8 octets, little-endian.
class QxDateTimeDouble
{
public:
    static double fromDateTime(const QDateTime &dt);
    static QDateTime toDateTime(double days);
    static double now();

    // "yyyy/mm/dd hh:nn:ss am/pm" (12-hour clock).
    static QString toText(double days);
    // Parses the text form and the common date-time forms; raises -518 when the
    // text is not a date-time.
    static double fromText(const QString &text);

    static QByteArray toOctets(double value);
    // The double in the first 8 octets; false when there are fewer.
    static bool fromOctets(const QByteArray &octets, double &value);
};
