#include "snmp/QxHexText.h"

#include <QList>

namespace {
int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 0;
}
} // namespace

QString QxHexText::fromOctets(const QByteArray &octets)
{
    return QString::fromLatin1(octets.toHex().toUpper());
}

QByteArray QxHexText::toOctets(const QString &text)
{
    QList<int> digits;
    digits.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            digits.append(digitValue(c));
    QByteArray octets;
    octets.reserve(digits.size() / 2 + 1);
    qsizetype i = 0;
    if (digits.size() % 2 == 1)
        octets.append(char(digits[i++]));
    for (; i + 1 < digits.size(); i += 2)
        octets.append(char(digits[i] * 16 + digits[i + 1]));
    return octets;
}

bool QxHexText::isDigits(const QString &text)
{
    for (QChar c : text)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
              || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return false;
    return true;
}
