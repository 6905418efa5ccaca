#pragma once

#include <QString>
#include <QStringList>
#include <array>

// A one-octet bit map shown as the names of its set bits: one blank, then the
// names joined by commas without blanks (" Port Description,System Name"); no
// bit set gives the single blank. The first name is the most significant bit.
//
// Decoding reads the first octet of the value's hexadecimal text and nothing
// beyond it, so a two-octet map names the bits of its first octet and a long
// text cannot overflow. Encoding sets the bit of each name the text holds and
// writes hexadecimal digits without leading zeros ("50"; no name: "0").
class QxBitMapNames final
{
public:
    // Names in bit order; null for a bit without one.
    using Names = std::array<const char *, 8>;

    static QString decode(const QString &hexText, const Names &names);
    static QString encode(const QString &text, const Names &names);
    // The names of the set bits, as decode shows them, for an octet value.
    static QString text(unsigned octet, const Names &names);
    // The words of a typed text (comma separated, blanks around them ignored)
    // that are none of the names: encoding would drop them without a word.
    static QStringList unknown(const QString &text, const Names &names);
    // The names there are, in bit order.
    static QStringList all(const Names &names);
};
