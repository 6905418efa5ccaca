#include "snmp/QxPortList.h"

#include "snmp/QxHexText.h"
#include "snmp/QxSNMPException.h"

#include <QStringList>
#include <algorithm>

bool QxPortList::bit(const QByteArray &octets, int n)
{
    if (n < 0 || n / 8 >= octets.size())
        QxSNMPException::raiseFramework(-519);
    return (quint8(octets[n / 8]) & (0x80 >> (n % 8))) != 0;
}

void QxPortList::setBit(QByteArray &octets, int n, bool on)
{
    if (n < 0)
        QxSNMPException::raiseFramework(-519);
    if (octets.size() <= n / 8)
        octets.append(QByteArray(n / 8 + 1 - octets.size(), '\0'));
    const quint8 mask = quint8(0x80 >> (n % 8));
    quint8 value = quint8(octets[n / 8]);
    value = on ? quint8(value | mask) : quint8(value & ~mask);
    octets[n / 8] = char(value);
}

QByteArray QxPortList::overlay(const QByteArray &written, const QByteArray &current)
{
    if (current.size() <= written.size())
        return written;
    return written + current.mid(written.size());
}

bool QxPortList::has(const QByteArray &octets, int n)
{
    return n >= 0 && n / 8 < octets.size() && bit(octets, n);
}

QString QxPortList::rangesText(QList<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    QStringList runs;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype last = i;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1)
            ++last;
        runs << (last == i ? QString::number(numbers[i])
                           : QStringLiteral("%1-%2").arg(numbers[i]).arg(numbers[last]));
        i = last + 1;
    }
    return runs.join(QLatin1Char(','));
}

QString QxPortList::rangesOfHex(const QString &hex)
{
    const QByteArray octets = QxHexText::toOctets(hex);
    QList<int> ports;
    for (int n = 0; n < int(octets.size()) * 8; ++n)
        if (bit(octets, n))
            ports << n + 1;
    return rangesText(ports);
}
