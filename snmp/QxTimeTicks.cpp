#include "snmp/QxTimeTicks.h"

#include "snmp/QxNumberText.h"

namespace {
quint64 fieldValue(const QString &field)
{
    bool negative = false;
    quint64 magnitude = 0;
    QxNumberText::leading(field, negative, magnitude);
    return negative ? 0 : magnitude;
}
} // namespace

QString QxTimeTicks::toText(quint64 t)
{
    const quint64 d = t / 8640000;
    const quint64 h = (t % 8640000) / 360000;
    const quint64 m = (t % 360000) / 6000;
    const quint64 s = (t % 6000) / 100;
    const quint64 c = t % 100;
    const QString clock = QStringLiteral("%1:%2:%3.%4")
                              .arg(h)
                              .arg(m, 2, 10, QLatin1Char('0'))
                              .arg(s, 2, 10, QLatin1Char('0'))
                              .arg(c, 2, 10, QLatin1Char('0'));
    if (d == 0)
        return clock;
    if (d == 1)
        return QStringLiteral("1 day ") + clock;
    return QStringLiteral("%1 days, ").arg(d) + clock;
}

quint64 QxTimeTicks::fromText(const QString &text)
{
    quint64 total = 0;
    qsizetype pos = 0;
    const qsizetype dayAt = text.indexOf(QLatin1String("day"));
    if (dayAt >= 0) {
        total += fieldValue(text.left(dayAt)) * 8640000;
        pos = dayAt + 3;
        if (pos < text.size() && text[pos] == QLatin1Char('s'))
            ++pos;
    }
    const qsizetype comma = text.indexOf(QLatin1Char(','), pos);
    if (comma >= 0)
        pos = comma + 1;
    qsizetype end = text.indexOf(QLatin1Char(':'), pos);
    if (end >= 0) {
        total += fieldValue(text.mid(pos, end - pos)) * 360000;
        pos = end + 1;
    }
    end = text.indexOf(QLatin1Char(':'), pos);
    if (end >= 0) {
        total += fieldValue(text.mid(pos, end - pos)) * 6000;
        pos = end + 1;
    }
    end = text.indexOf(QLatin1Char('.'), pos);
    if (end >= 0) {
        total += fieldValue(text.mid(pos, end - pos)) * 100;
        total += fieldValue(text.mid(end + 1));
    }
    return total;
}
