#pragma once

#include <QString>

// Numbers typed as text. Integers follow the leading-digits rule: leading blanks
// are skipped, an optional sign and the leading digits are read, and a text
// without digits gives 0. A number that does not fit its type raises -518
// instead of wrapping.
class QxNumberText
{
public:
    static qint32 toInt32(const QString &text);
    static quint32 toUInt32(const QString &text);
    static quint64 toUInt64(const QString &text);
    // The leading real number of the text (leading blanks skipped); none gives 0.
    static double toReal(const QString &text);
    // Shortest general text with up to 15 significant digits.
    static QString realText(double value);

    // The leading-digits rule on a wide range: the magnitude and its sign.
    // Returns false when the magnitude does not fit 64 bits.
    static bool leading(const QString &text, bool &negative, quint64 &magnitude);
};
