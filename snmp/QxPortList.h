#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Bits of an octet-string bitmap (port lists and other BITS-style values): bit n
// is the bit 2^(7 - n mod 8) of octet n div 8, so the first octet's most
// significant bit is bit 0 (port 1).
class QxPortList
{
public:
    // Raises -519 when the bit's octet lies beyond the value.
    static bool bit(const QByteArray &octets, int n);
    // Extends the value with zero octets as far as needed.
    static void setBit(QByteArray &octets, int n, bool on);
    // Lays the bits written by setBit over the current value: octets beyond the
    // written ones keep their current value.
    static QByteArray overlay(const QByteArray &written, const QByteArray &current);
    // Whether bit n is set; false for a bit beyond the value (a switch may
    // send fewer octets than it has ports).
    static bool has(const QByteArray &octets, int n);
    // Numbers as a switch's own pages write them, in rising order with runs
    // joined: "1,10-12".
    static QString rangesText(QList<int> numbers);
    // The ports a bitmap written in hex holds, as rangesText writes them
    // ("FFFFFFF000000000" is "1-28"); empty for a bitmap without ports.
    static QString rangesOfHex(const QString &hex);
};
