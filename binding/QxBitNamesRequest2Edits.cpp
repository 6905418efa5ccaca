#include "binding/QxBitNamesRequest2Edits.h"

#include <QLineEdit>

QxBitNamesRequest2Edits::QxBitNamesRequest2Edits(QWidget *owner, const QList<Column> &columns)
    : QxSNMPRequest2Edits(owner), m_columns(columns)
{
}

void QxBitNamesRequest2Edits::rowRead()
{
    if (listView()) {
        for (const Column &c : m_columns)
            if (c.position < varList().count()) {
                QString &value = varList().item(c.position).valueText;
                value = QxBitMapNames::decode(value, *c.names);
            }
    }
    QxSNMPRequest2Edits::rowRead();
}

void QxBitNamesRequest2Edits::writeNamesFrom(int position, QLineEdit *edit)
{
    for (const Column &c : m_columns)
        if (c.position == position)
            m_written << Written{position, c.names, edit};
}

void QxBitNamesRequest2Edits::collectValues()
{
    QxSNMPRequest2Edits::collectValues();
    // The base takes an edit on a bit map for hexadecimal digits; the names
    // it holds replace what that made of them.
    for (const Written &w : m_written)
        if (w.edit && w.position < varList().count())
            varList().item(w.position).valueText = QxBitMapNames::encode(w.edit->text(), *w.names);
}
