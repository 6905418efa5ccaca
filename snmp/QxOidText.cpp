#include "snmp/QxOidText.h"

bool QxOidText::parse(const QString &text, QList<quint32> &arcs)
{
    arcs.clear();
    QStringView view(text);
    if (view.startsWith(QLatin1Char('.')))
        view = view.mid(1);
    if (view.isEmpty())
        return false;
    for (QStringView part : view.split(QLatin1Char('.'))) {
        if (part.isEmpty())
            return false;
        quint64 v = 0;
        for (QChar c : part) {
            if (c.unicode() < '0' || c.unicode() > '9')
                return false;
            v = v * 10 + (c.unicode() - '0');
            if (v > 0xFFFFFFFFull)
                return false;
        }
        arcs.append(quint32(v));
    }
    return true;
}

QString QxOidText::toText(const QList<quint32> &arcs)
{
    QString text;
    text.reserve(arcs.size() * 4);
    for (qsizetype i = 0; i < arcs.size(); ++i) {
        if (i)
            text += QLatin1Char('.');
        text += QString::number(arcs[i]);
    }
    return text;
}

int QxOidText::compare(const QString &a, const QString &b)
{
    QList<quint32> x;
    QList<quint32> y;
    parse(a, x);
    parse(b, y);
    const qsizetype n = qMin(x.size(), y.size());
    for (qsizetype i = 0; i < n; ++i)
        if (x[i] != y[i])
            return x[i] < y[i] ? -1 : 1;
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}
