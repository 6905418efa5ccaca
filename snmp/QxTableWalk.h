#pragma once

#include "snmp/QxSNMPBinding.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

// Where a table walk stands, column by column. Each column goes on from the
// last instance its agent gave (a GET-NEXT, or a GETBULK's successors of it),
// and keeps what it was given until a row uses it. A row is the smallest
// instance the columns hold, compared arc by arc; a column whose next instance
// lies beyond it has no value in that row and keeps that instance for the row
// it belongs to, so a table that lacks some cells (the SMI allows it) reads
// row by row as the agent holds it, and only the columns a row used are asked
// again.
class QxTableWalk final
{
public:
    // What a column holds in the row a step makes.
    enum class Cell { Value, NoValue, Ended };

    // A new walk of the columns (their base OIDs): nothing held, each asked
    // from its start.
    void start(const QStringList &columns);
    // What is held no longer tells what the agent holds (a write came
    // between): each column is asked again from the last instance a row used.
    void discard();

    int columnCount() const { return int(m_columns.size()); }
    const QString &base(int column) const { return m_columns[size_t(column)].base; }

    // The columns the agent must be asked about before the next row can be
    // made: those that hold nothing and have not ended.
    QList<int> wanting() const;
    // The GET-NEXT bindings that ask the columns for their next instances.
    QList<QxSNMPBinding> asking(const QList<int> &columns) const;
    // Takes the agent's answer to asking(columns): `repetitions` successors of
    // each, column by column within each repetition (one for GET-NEXT). A
    // column whose answer ends it takes nothing after that: isEnd(base,
    // previous, returned) tells whether `returned`, the agent's successor of
    // `previous` (empty: the column's start) in the column `base`, has left
    // the column or did not go forward.
    template <typename EndTest>
    void take(const QList<int> &columns, const QList<QxSNMPBinding> &bindings, int repetitions, EndTest &&isEnd)
    {
        const qsizetype width = columns.size();
        for (qsizetype k = 0; k < width; ++k) {
            Column &column = m_columns[size_t(columns.at(k))];
            for (qsizetype at = k; at < qsizetype(repetitions) * width && at < bindings.size(); at += width) {
                const QxSNMPBinding &b = bindings.at(at);
                if (isEnd(column.base, column.from, b.oid)) {
                    column.ended = true;
                    break;
                }
                column.from = b.oid;
                column.ahead.push_back(b);
            }
        }
    }
    // The column has no instance after where it stands (an SNMPv1 agent
    // answered noSuchName for it alone).
    void end(int column);

    // The next row from what the columns hold, once nothing is wanting; false
    // when every column has ended.
    bool nextRow();
    // That row: its instance, and per column its cell and (for a Value) the
    // binding the column gave up for it.
    const QString &rowInstance() const { return m_instance; }
    Cell cell(int column) const { return m_cells[column]; }
    const QxSNMPBinding &value(int column) const { return m_values[column]; }

private:
    struct Column
    {
        QString base;
        // The last instance the agent gave (empty: none yet, ask from base).
        QString from;
        // The last instance a row used.
        QString used;
        std::deque<QxSNMPBinding> ahead;
        // The agent said the column ends after `from`.
        bool ended = false;
    };

    static QStringView instanceOf(const Column &c, const QxSNMPBinding &b);

    std::vector<Column> m_columns;
    QString m_instance;
    QList<Cell> m_cells;
    QList<QxSNMPBinding> m_values;
};
