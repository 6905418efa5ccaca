#include "binding/QxSortKeyItem.h"

#include "binding/QxCellOrder.h"

bool QxSortKeyItem::operator<(const QTreeWidgetItem &other) const
{
    const QTreeWidget *view = treeWidget();
    const int column = view ? view->sortColumn() : 0;
    const QVariant mine = data(column, SortKeyRole);
    const QVariant theirs = other.data(column, SortKeyRole);
    if (mine.isValid() && theirs.isValid())
        return mine.toDouble() < theirs.toDouble();
    if (mine.isValid() != theirs.isValid())
        return theirs.isValid();
    return QxCellOrder::less(text(column), other.text(column));
}
