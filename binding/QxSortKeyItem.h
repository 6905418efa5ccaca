#pragma once

#include <QTreeWidgetItem>

// A list row, ordered by a click on a column's header: by the number a cell
// carries as its sort key (a rate: "1.25 Mbit/s" after "417 kbit/s"), and by
// its text in the cell order of every list (numbers, addresses, port lists)
// where it carries none; a cell without a key comes before one with a key.
class QxSortKeyItem final : public QTreeWidgetItem
{
public:
    static constexpr int SortKeyRole = Qt::UserRole + 64;

    using QTreeWidgetItem::QTreeWidgetItem;

    void setSortKey(int column, double key) { setData(column, SortKeyRole, key); }
    void clearSortKey(int column) { setData(column, SortKeyRole, QVariant()); }

    bool operator<(const QTreeWidgetItem &other) const override;
};
