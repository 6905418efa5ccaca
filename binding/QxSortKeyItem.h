#pragma once

#include <QTreeWidgetItem>

// A list row that a click on a column's header orders by the number a cell
// carries as its sort key (a port, a rate, a count: "1.25 Mbit/s" after
// "417 kbit/s", port 10 after port 9), and by its text where it carries none;
// a cell without a key comes before one with a key.
class QxSortKeyItem final : public QTreeWidgetItem
{
public:
    static constexpr int SortKeyRole = Qt::UserRole + 64;

    using QTreeWidgetItem::QTreeWidgetItem;

    void setSortKey(int column, double key) { setData(column, SortKeyRole, key); }
    void clearSortKey(int column) { setData(column, SortKeyRole, QVariant()); }

    bool operator<(const QTreeWidgetItem &other) const override;
};
