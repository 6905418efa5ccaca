#include "binding/QxBitMapNames.h"

#include <QStringList>

namespace {

int hexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    return -1;
}

} // namespace

QString QxBitMapNames::text(unsigned octet, const Names &names)
{
    QStringList set;
    for (int bit = 0; bit < 8; ++bit)
        if ((octet & (0x80u >> bit)) && names[size_t(bit)])
            set << QString::fromLatin1(names[size_t(bit)]);
    return QLatin1Char(' ') + set.join(QLatin1Char(','));
}

QString QxBitMapNames::decode(const QString &hexText, const Names &names)
{
    // The first octet: its two digits, or the one digit a short text has.
    unsigned octet = 0;
    int digits = 0;
    for (qsizetype i = 0; i < hexText.size() && digits < 2; ++i, ++digits) {
        const int d = hexDigit(hexText.at(i));
        if (d < 0)
            break;
        octet = octet * 16 + unsigned(d);
    }
    return text(octet, names);
}

QString QxBitMapNames::encode(const QString &text, const Names &names)
{
    unsigned octet = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (names[size_t(bit)] && text.contains(QString::fromLatin1(names[size_t(bit)])))
            octet |= 0x80u >> bit;
    return QString::number(octet, 16).toUpper();
}

QStringList QxBitMapNames::all(const Names &names)
{
    QStringList known;
    for (const char *name : names)
        if (name)
            known << QString::fromLatin1(name);
    return known;
}

QStringList QxBitMapNames::unknown(const QString &text, const Names &names)
{
    const QStringList known = all(names);
    QStringList strangers;
    for (const QString &word : text.split(QLatin1Char(','))) {
        const QString name = word.trimmed();
        if (!name.isEmpty() && !known.contains(name))
            strangers << name;
    }
    return strangers;
}
