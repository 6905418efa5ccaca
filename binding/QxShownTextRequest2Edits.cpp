#include "binding/QxShownTextRequest2Edits.h"

#include "snmp/QxHexText.h"

#include <QLineEdit>

QxShownTextRequest2Edits::Column QxShownTextRequest2Edits::bitNames(int position, const QxBitMapNames::Names &names)
{
    return {position, [&names](const QString &value) { return QxBitMapNames::decode(value, names); },
            [&names](const QString &text) { return QxBitMapNames::encode(text, names); }};
}

QxShownTextRequest2Edits::Column QxShownTextRequest2Edits::hexNumber(int position, int digits)
{
    // A text that is no number (or no hexadecimal) stays as it is: the
    // dialog's checks and the value conversion judge it.
    return {position,
            [digits](const QString &value) {
                bool ok = false;
                const uint number = value.toUInt(&ok);
                return ok ? QStringLiteral("%1").arg(number, digits, 16, QLatin1Char('0')).toUpper() : value;
            },
            [](const QString &text) {
                bool ok = false;
                const uint number = QxHexText::isDigits(text) ? text.toUInt(&ok, 16) : 0;
                return ok ? QString::number(number) : text;
            }};
}

QxShownTextRequest2Edits::QxShownTextRequest2Edits(QWidget *owner, const QList<Column> &columns)
    : QxSNMPRequest2Edits(owner), m_columns(columns)
{
}

void QxShownTextRequest2Edits::rowRead()
{
    if (listView()) {
        for (const Column &c : m_columns)
            if (c.position < varList().count()) {
                QString &value = varList().item(c.position).valueText;
                value = c.shown(value);
            }
    }
    QxSNMPRequest2Edits::rowRead();
}

void QxShownTextRequest2Edits::writeFrom(int position, QLineEdit *edit)
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].position == position)
            m_written << Written{i, edit};
}

void QxShownTextRequest2Edits::collectValues()
{
    QxSNMPRequest2Edits::collectValues();
    // The base takes the edit's text in the column's syntax; the shown form
    // the edit holds replaces what that made of it.
    for (const Written &w : m_written) {
        const Column &c = m_columns[w.column];
        if (w.edit && c.position < varList().count())
            varList().item(c.position).valueText = c.written(w.edit->text());
    }
}
