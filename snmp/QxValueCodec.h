#pragma once

#include "snmp/QxSNMPValue.h"

#include <QString>

// Value texts per syntax: a received value becomes the text the program shows,
// and a text becomes the value sent in a SET. Option lists are applied by the
// caller. Unknown syntax codes raise -511.
class QxValueCodec
{
public:
    static const QString &nullText();    // "(NULL)"
    static const QString &notDoneText(); // "(NOTDONE)"

    // Whatever the agent sent: a value of the wrong kind, an exception or one too
    // short for its form reads as "(NULL)" ("" for displaystr), never past the value.
    static QString toText(const QxSNMPValue &value, quint32 syntax);
    // "(NULL)" gives a NULL value for every syntax. Numbers that do not fit their
    // syntax raise -518.
    static QxSNMPValue fromText(const QString &text, quint32 syntax);

    // The syntax codes a value text can be converted for (not the partial codes).
    static bool isValueSyntax(quint32 syntax);
};
