#include "snmp/QxPortList.h"

#include "snmp/QxSNMPException.h"

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
