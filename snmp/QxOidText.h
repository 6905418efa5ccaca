#pragma once

#include <QList>
#include <QString>

// Dotted object identifiers.
class QxOidText
{
public:
    // False when the text is empty, has an empty arc, a non-digit or an arc
    // beyond 32 bits. A leading dot is accepted.
    static bool parse(const QString &text, QList<quint32> &arcs);
    static QString toText(const QList<quint32> &arcs);
    // Orders two dotted OIDs arc by arc (a prefix comes first): <0, 0 or >0.
    static int compare(QStringView a, QStringView b);
    static int compare(const QString &a, const QString &b) { return compare(QStringView(a), QStringView(b)); }
};
