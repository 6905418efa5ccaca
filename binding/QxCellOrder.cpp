#include "binding/QxCellOrder.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>

namespace {

std::optional<double> number(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[-+]?\\d+(\\.\\d+)?$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    return text.toDouble();
}

std::optional<quint32> ipv4(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    quint32 value = 0;
    for (int i = 1; i <= 4; ++i) {
        const uint octet = m.captured(i).toUInt();
        if (octet > 255)
            return std::nullopt;
        value = (value << 8) | octet;
    }
    return value;
}

// Octets written in hex, with or without separators: "00-1A-2B-3C-4D-5E",
// "00:1a:2b:3c:4d:5e", "001A2B3C4D5E".
std::optional<QString> hexOctets(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[0-9A-Fa-f]{2}([-: ]?[0-9A-Fa-f]{2})+$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    QString digits = text.toUpper();
    digits.remove(QRegularExpression(QStringLiteral("[-: ]")));
    return digits;
}

std::optional<int> firstPort(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)(-\\d+)?(,\\d+(-\\d+)?)+$|^(\\d+)-\\d+$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return (m.captured(1).isEmpty() ? m.captured(5) : m.captured(1)).toInt();
}

template <typename T>
int order(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Digit runs compared as numbers, the rest without regard to case.
int natural(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a.at(ei).isDigit())
                ++ei;
            while (ej < b.size() && b.at(ej).isDigit())
                ++ej;
            // Leading zeros aside, a longer run is a larger number.
            QStringView da = QStringView(a).mid(i, ei - i);
            QStringView db = QStringView(b).mid(j, ej - j);
            while (da.size() > 1 && da.front() == QLatin1Char('0'))
                da = da.mid(1);
            while (db.size() > 1 && db.front() == QLatin1Char('0'))
                db = db.mid(1);
            if (const int c = order(da.size(), db.size()))
                return c;
            if (const int c = da.compare(db))
                return c < 0 ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        if (const int c = order(a.at(i).toCaseFolded(), b.at(j).toCaseFolded()))
            return c;
        ++i;
        ++j;
    }
    if (const int c = order(a.size() - i, b.size() - j))
        return c;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

} // namespace

int QxCellOrder::compare(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return order(!a.isEmpty(), !b.isEmpty());
    if (const auto na = number(a), nb = number(b); na && nb)
        return order(*na, *nb);
    if (const auto ia = ipv4(a), ib = ipv4(b); ia && ib)
        return order(*ia, *ib);
    if (const auto ha = hexOctets(a), hb = hexOctets(b); ha && hb && ha->size() == hb->size())
        return order(*ha, *hb);
    if (const auto pa = firstPort(a), pb = firstPort(b); pa && pb)
        if (const int c = order(*pa, *pb))
            return c;
    return natural(a, b);
}

bool QxCellOrder::less(const QString &a, const QString &b)
{
    return compare(a, b) < 0;
}
