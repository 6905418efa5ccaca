#pragma once

#include <QList>
#include <QString>

class QLineEdit;

// One variable shown in several edits, one field per edit: octets of hex values,
// arcs of an object identifier, parts of an address, of time ticks or of a date.
// Too few edits for the syntax raise -522.
class QxMultiEditCodec
{
public:
    // How many edits the syntax needs at least to show or collect the given
    // value (octets and arcs count from the value; 1 for the single-text syntaxes).
    static int needed(quint32 syntax, int valueParts);

    // Puts the value into the edits. value is the raw value text (option words
    // already turned into values), display the text a single edit would show.
    // For the address, time and date syntaxes "(NULL)" leaves the edits as they are;
    // edits beyond the value's parts are cleared.
    static void show(const QList<QLineEdit *> &edits, quint32 syntax, const QString &value, const QString &display);

    // The value text the edits make together.
    static QString collect(const QList<QLineEdit *> &edits, quint32 syntax);
};
