#pragma once

#include <QByteArray>
#include <QString>

class QxOptionList;

// The raw octet form of value texts, used where a control is bound to a variable
// or to a part of one (a byte offset into an octet string). Multi-octet numbers
// are little-endian except the 16-bit partial codes, which are network order.
class QxOctetCodec
{
public:
    // "(NULL)" gives no octets. Raises -511 for an unknown syntax and -518 for a
    // number that does not fit its size.
    static QByteArray textToOctets(const QString &text, quint32 syntax);
    // No octets give "" for displaystr and "(NULL)" otherwise; fewer octets than
    // the syntax needs raise -518.
    static QString octetsToText(const QByteArray &octets, quint32 syntax);
    // The part of a value that a control bound at a byte offset sees; raises -519
    // when the value is shorter than offset + the part's size.
    static QByteArray extractPart(const QByteArray &octets, int offset, quint32 syntax);

    // The same with a variable's option list: the text is turned into its value
    // first, and the text read back into its word.
    static QByteArray textToOctets(const QString &text, quint32 syntax, const QxOptionList *options);
    static QString octetsToText(const QByteArray &octets, quint32 syntax, const QxOptionList *options);

    // The fixed size of a syntax's raw form; -1 for the variable-length ones
    // (everything from the offset on) and 0 for null.
    static int partSize(quint32 syntax);
};
