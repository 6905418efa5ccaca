#include "snmp/QxDateTimeDouble.h"

#include "snmp/QxSNMPException.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr qint64 kMsPerDay = 86400000;
} // namespace

double QxDateTimeDouble::fromDateTime(const QDateTime &dt)
{
    const qint64 days = kEpoch.daysTo(dt.date());
    const double fraction = double(dt.time().msecsSinceStartOfDay()) / double(kMsPerDay);
    // The fraction is the time of day also for dates before the epoch.
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

QDateTime QxDateTimeDouble::toDateTime(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return QDateTime();
    const double whole = std::trunc(days);
    qint64 ms = qint64(std::llround(std::fabs(days - whole) * double(kMsPerDay)));
    qint64 dayCount = qint64(whole);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        dayCount += days >= 0 ? 1 : -1;
    }
    return QDateTime(kEpoch.addDays(dayCount), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

double QxDateTimeDouble::now()
{
    return fromDateTime(QDateTime::currentDateTime());
}

QString QxDateTimeDouble::toText(double days)
{
    const QDateTime dt = toDateTime(days);
    if (!dt.isValid())
        return QStringLiteral("(NULL)");
    const QTime t = dt.time();
    int hour12 = t.hour() % 12;
    if (hour12 == 0)
        hour12 = 12;
    return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d %s", dt.date().year(), dt.date().month(), dt.date().day(),
                             hour12, t.minute(), t.second(), t.hour() < 12 ? "am" : "pm");
}

double QxDateTimeDouble::fromText(const QString &text)
{
    const QString t = text.trimmed();
    static const char *const forms[] = {
        "yyyy/MM/dd hh:mm:ss ap", "yyyy/MM/dd h:mm:ss ap", "yyyy/M/d h:m:s ap", "yyyy/MM/dd HH:mm:ss",
        "yyyy/M/d H:m:s",         "yyyy/MM/dd HH:mm",      "yyyy/M/d",          "yyyy-MM-dd HH:mm:ss",
        "yyyy-MM-ddTHH:mm:ss",    "yyyy-MM-dd",
    };
    for (const char *form : forms) {
        QDateTime dt = QDateTime::fromString(t, QString::fromLatin1(form));
        if (!dt.isValid()) {
            // Qt's "ap" wants the locale's designator; accept both cases.
            dt = QDateTime::fromString(t.toUpper(), QString::fromLatin1(form));
        }
        if (dt.isValid())
            return fromDateTime(dt);
    }
    QxSNMPException::raiseFramework(-518);
}

QByteArray QxDateTimeDouble::toOctets(double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray o(8, '\0');
    qToLittleEndian<quint64>(bits, o.data());
    return o;
}

bool QxDateTimeDouble::fromOctets(const QByteArray &octets, double &value)
{
    if (octets.size() < 8)
        return false;
    const quint64 bits = qFromLittleEndian<quint64>(octets.constData());
    std::memcpy(&value, &bits, sizeof value);
    return true;
}
