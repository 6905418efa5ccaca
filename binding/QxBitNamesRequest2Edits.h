#pragma once

#include "binding/QxBitMapNames.h"
#include "binding/QxSNMPRequest2Edits.h"

#include <QList>
#include <QPointer>

class QLineEdit;

// A binding whose list view shows some bit-map columns as the names of their
// set bits, and (where asked) writes the names an edit holds back as the bit
// map. Every bit-map column of a list is one entry.
class QxBitNamesRequest2Edits final : public QxSNMPRequest2Edits
{
    Q_OBJECT

public:
    struct Column
    {
        int position;
        const QxBitMapNames::Names *names;
    };

    QxBitNamesRequest2Edits(QWidget *owner, const QList<Column> &columns);

    // Each row of a read: the columns decoded to names, then the row added.
    void rowRead() override;
    // A write takes the column from the names the edit holds (the edit is
    // bound to the column as well, so that a selected row shows there).
    void writeNamesFrom(int position, QLineEdit *edit);
    // The controls' values, then the written columns encoded.
    void collectValues() override;

private:
    QList<Column> m_columns;
    struct Written
    {
        int position;
        const QxBitMapNames::Names *names;
        QPointer<QLineEdit> edit;
    };
    QList<Written> m_written;
};
