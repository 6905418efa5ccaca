#pragma once

#include "binding/QxBitMapNames.h"
#include "binding/QxSNMPRequest2Edits.h"

#include <QList>
#include <QPointer>
#include <functional>

class QLineEdit;

// A binding whose list view shows some columns in a form of their own (the
// names of a bit map's set bits, a number as hexadecimal digits) and, where
// an edit is named for a column, writes that edit's text back in the column's
// own form. A selected row comes into the controls as the list shows it.
class QxShownTextRequest2Edits final : public QxSNMPRequest2Edits
{
    Q_OBJECT

public:
    struct Column
    {
        int position;
        // The value text as the list shows it.
        std::function<QString(const QString &value)> shown;
        // The shown form back into a value text.
        std::function<QString(const QString &text)> written;
    };

    // A one-octet bit map as the names of its set bits (QxBitMapNames).
    static Column bitNames(int position, const QxBitMapNames::Names &names);
    // A number as `digits` upper-case hexadecimal digits ("31" shown as "1F").
    static Column hexNumber(int position, int digits);

    QxShownTextRequest2Edits(QWidget *owner, const QList<Column> &columns);

    // Each row of a read: the columns in their shown form, then the row added.
    void rowRead() override;
    // A write takes the column from the edit's text in its shown form (the
    // edit is bound to the column as well, so that a selected row shows there).
    void writeFrom(int position, QLineEdit *edit);
    // The controls' values, then the written columns in their own form.
    void collectValues() override;

private:
    QList<Column> m_columns;
    struct Written
    {
        int column; // index into m_columns
        QPointer<QLineEdit> edit;
    };
    QList<Written> m_written;
};
