#include "snmp/QxTableWalk.h"

#include "snmp/QxOidText.h"

void QxTableWalk::start(const QStringList &columns)
{
    m_columns.clear();
    m_columns.resize(size_t(columns.size()));
    for (qsizetype c = 0; c < columns.size(); ++c)
        m_columns[size_t(c)].base = columns.at(c);
}

void QxTableWalk::discard()
{
    for (Column &c : m_columns) {
        c.ahead.clear();
        c.ended = false;
        c.from = c.used;
    }
}

QList<int> QxTableWalk::wanting() const
{
    QList<int> columns;
    for (size_t c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].ahead.empty() && !m_columns[c].ended)
            columns << int(c);
    return columns;
}

QList<QxSNMPBinding> QxTableWalk::asking(const QList<int> &columns) const
{
    QList<QxSNMPBinding> bindings;
    bindings.reserve(columns.size());
    for (int c : columns) {
        const Column &column = m_columns[size_t(c)];
        bindings.append({column.from.isEmpty() ? column.base : column.from, {}});
    }
    return bindings;
}

void QxTableWalk::end(int column)
{
    m_columns[size_t(column)].ended = true;
}

QStringView QxTableWalk::instanceOf(const Column &c, const QxSNMPBinding &b)
{
    return QStringView(b.oid).mid(c.base.size() + 1);
}

bool QxTableWalk::nextRow()
{
    const Column *lowest = nullptr;
    QStringView row;
    for (const Column &c : m_columns) {
        if (c.ahead.empty())
            continue;
        const QStringView candidate = instanceOf(c, c.ahead.front());
        if (!lowest || QxOidText::compare(candidate, row) < 0) {
            lowest = &c;
            row = candidate;
        }
    }
    if (!lowest)
        return false;
    m_instance = row.toString();
    m_cells.resize(qsizetype(m_columns.size()));
    m_values.resize(qsizetype(m_columns.size()));
    for (size_t k = 0; k < m_columns.size(); ++k) {
        Column &c = m_columns[k];
        Cell &cell = m_cells[qsizetype(k)];
        if (c.ahead.empty()) {
            cell = c.ended ? Cell::Ended : Cell::NoValue;
            continue;
        }
        if (QxOidText::compare(instanceOf(c, c.ahead.front()), m_instance) != 0) {
            cell = Cell::NoValue;
            continue;
        }
        cell = Cell::Value;
        c.used = c.ahead.front().oid;
        m_values[qsizetype(k)] = std::move(c.ahead.front());
        c.ahead.pop_front();
    }
    return true;
}
