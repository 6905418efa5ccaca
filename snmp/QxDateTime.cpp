#include "snmp/QxDateTime.h"

#include <QDateTime>
#include <array>

namespace {

// Reads a signed decimal at pos (like %d: blanks, sign, digits); false when none.
bool readNumber(const QString &text, qsizetype &pos, int &value)
{
    qsizetype i = pos;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype digitsStart = i;
    qint64 v = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        if (v < 100000000)
            v = v * 10 + (text[i].unicode() - '0');
        ++i;
    }
    if (i == digitsStart)
        return false;
    value = int(negative ? -v : v);
    pos = i;
    return true;
}

bool readLiteral(const QString &text, qsizetype &pos, QChar c)
{
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

QxDateTime::QxDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    year = quint16(now.date().year());
    month = quint8(now.date().month());
    day = quint8(now.date().day());
    hour = quint8(now.time().hour());
    minutes = quint8(now.time().minute());
    seconds = quint8(now.time().second());
}

QxDateTime QxDateTime::fromText(const QString &text)
{
    // Seven fields with their separators, then an optional ",+h:m" or ",-h:m";
    // fields the text does not supply are 0.
    std::array<int, 7> fields{};
    static const char separators[] = {'-', '-', ',', ':', ':', '.'};
    qsizetype pos = 0;
    int read = 0;
    for (int f = 0; f < 7; ++f) {
        if (f > 0 && !readLiteral(text, pos, QLatin1Char(separators[f - 1])))
            break;
        if (!readNumber(text, pos, fields[size_t(f)]))
            break;
        ++read;
    }
    QxDateTime dt;
    dt.year = quint16(fields[0]);
    dt.month = quint8(fields[1]);
    dt.day = quint8(fields[2]);
    dt.hour = quint8(fields[3]);
    dt.minutes = quint8(fields[4]);
    dt.seconds = quint8(fields[5]);
    dt.deciSeconds = quint8(fields[6]);
    dt.direction = '+';
    dt.utcHours = 0;
    dt.utcMinutes = 0;
    if (read == 7 && readLiteral(text, pos, QLatin1Char(','))) {
        char direction = 0;
        if (readLiteral(text, pos, QLatin1Char('+')))
            direction = '+';
        else if (readLiteral(text, pos, QLatin1Char('-')))
            direction = '-';
        int h = 0;
        int m = 0;
        if (direction && readNumber(text, pos, h)) {
            if (readLiteral(text, pos, QLatin1Char(':')))
                readNumber(text, pos, m);
            dt.direction = direction;
            dt.utcHours = quint8(h);
            dt.utcMinutes = quint8(m);
        }
    }
    return dt;
}

bool QxDateTime::setOctets(const QByteArray &o)
{
    // DateAndTime is 8 octets without the offset from UTC, 11 with it; agents
    // send both. Nine or ten octets are neither.
    if (o.size() != LocalSize && o.size() < WireSize)
        return false;
    auto u = [&](int i) { return quint8(o[i]); };
    year = quint16(u(0) << 8 | u(1));
    month = u(2);
    day = u(3);
    hour = u(4);
    minutes = u(5);
    seconds = u(6);
    deciSeconds = u(7);
    const bool offset = o.size() >= WireSize;
    direction = offset ? char(u(8)) : '+';
    utcHours = offset ? u(9) : 0;
    utcMinutes = offset ? u(10) : 0;
    return true;
}

QByteArray QxDateTime::toOctets() const
{
    QByteArray o(WireSize, '\0');
    o[0] = char(year >> 8);
    o[1] = char(year & 0xFF);
    o[2] = char(month);
    o[3] = char(day);
    o[4] = char(hour);
    o[5] = char(minutes);
    o[6] = char(seconds);
    o[7] = char(deciSeconds);
    o[8] = direction;
    o[9] = char(utcHours);
    o[10] = char(utcMinutes);
    return o;
}

QString QxDateTime::toText() const
{
    QString text = QString::asprintf("%d-%d-%d,%d:%d:%d.%d", year, month, day, hour, minutes, seconds, deciSeconds);
    if (utcHours != 0 || utcMinutes != 0)
        text += QString::asprintf(",%c%d:%d", direction, utcHours, utcMinutes);
    return text;
}
