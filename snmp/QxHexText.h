#pragma once

#include <QByteArray>
#include <QString>

// Octets as hex text: two upper-case digits per octet, no separators.
class QxHexText
{
public:
    static QString fromOctets(const QByteArray &octets);
    // Spaces are ignored, both cases are accepted, any other character counts as
    // the digit 0, and with an odd number of digits the first digit alone makes
    // the first octet.
    static QByteArray toOctets(const QString &text);
    // Whether every character is a hexadecimal digit (no blanks, no sign).
    static bool isDigits(const QString &text);
    // A MAC address as the dialogs take it: twelve digits, no separators.
    static constexpr int MacDigits = 12;
    // Exactly `count` hexadecimal digits.
    static bool isDigits(const QString &text, int count) { return text.size() == count && isDigits(text); }
};
