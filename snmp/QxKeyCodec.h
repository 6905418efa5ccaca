#pragma once

#include <QString>

// Index keys: how a key column's value text is encoded in a table row's instance
// OID and decoded from it. A key that is the list's last key column with the
// implied flag carries no length prefix and takes the rest of the instance.
class QxKeyCodec
{
public:
    // The dotted sub-identifiers for the value text (option lists already applied).
    // Raises -514 for a macaddress or ipv6address text too short to form the key,
    // -518 for a number that does not fit, -511 for an unknown syntax.
    static QString encode(const QString &valueText, quint32 syntax, bool lastImplied);
    // Decodes the key from the leading sub-identifiers of the instance text into
    // valueText and returns the instance after them. Raises -514 when the
    // instance has fewer sub-identifiers than the key needs.
    static QString decode(const QString &instance, quint32 syntax, bool lastImplied, QString &valueText);

    // Whether two key texts name the same row: numbers compare as numbers
    // ("03" is 3), dotted addresses as addresses, MAC addresses by their
    // hexadecimal digits whatever their case and separators; any other text
    // as it is.
    static bool sameKey(const QString &a, const QString &b);
};
