#include "snmp/QxOidText.h"

#include <cstdio>

namespace {

// Reads the arc that starts at pos; false when it is empty, not a number or
// beyond 32 bits. pos ends on the dot after the arc or at the end.
bool readArc(QStringView t, qsizetype &pos, quint32 &arc)
{
    quint64 v = 0;
    const qsizetype start = pos;
    for (; pos < t.size() && t[pos] != QLatin1Char('.'); ++pos) {
        const char16_t c = t[pos].unicode();
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > 0xFFFFFFFFull)
            return false;
    }
    arc = quint32(v);
    return pos > start;
}

} // namespace

bool QxOidText::parse(const QString &text, QList<quint32> &arcs)
{
    arcs.clear();
    QStringView view(text);
    if (view.startsWith(QLatin1Char('.')))
        view = view.mid(1);
    if (view.isEmpty())
        return false;
    arcs.reserve(view.size() / 2 + 1);
    qsizetype pos = 0;
    while (true) {
        quint32 arc = 0;
        if (!readArc(view, pos, arc))
            return false;
        arcs.append(arc);
        if (pos == view.size())
            return true;
        ++pos; // the dot
        if (pos == view.size())
            return false;
    }
}

QString QxOidText::toText(const QList<quint32> &arcs)
{
    QByteArray text;
    text.reserve(arcs.size() * 4);
    char buffer[16];
    for (qsizetype i = 0; i < arcs.size(); ++i) {
        if (i)
            text.append('.');
        const int n = std::snprintf(buffer, sizeof buffer, "%u", arcs[i]);
        text.append(buffer, n);
    }
    return QString::fromLatin1(text);
}

int QxOidText::compare(QStringView a, QStringView b)
{
    // Arc by arc without building lists: walks are compared on every row.
    qsizetype i = 0;
    qsizetype j = 0;
    const qsizetype na = a.size();
    const qsizetype nb = b.size();
    while (i < na && j < nb) {
        quint64 x = 0;
        quint64 y = 0;
        for (; i < na && a[i] != QLatin1Char('.'); ++i)
            x = x * 10 + quint64(a[i].unicode() - '0');
        for (; j < nb && b[j] != QLatin1Char('.'); ++j)
            y = y * 10 + quint64(b[j].unicode() - '0');
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i >= na && j >= nb)
        return 0;
    return i >= na ? -1 : 1;
}
