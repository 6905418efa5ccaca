#pragma once

#include <QTreeWidget>

// The report-style list view of every dialog: a flat list of rows with columns
// from captions, read-only, whole-row selection that stays visible while the view
// has no focus, and grid lines between cells. Rows show in the order they came
// until a click on a header sorts them by that column (in the cell order of
// QxCellOrder for rows that are QxSortKeyItems); they stay sorted as rows come.
class QxListView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit QxListView(QWidget *parent = nullptr);

    bool gridLines() const { return m_gridLines; }

    // Whether a header click sorts the rows (a view whose rows stand for
    // positions elsewhere keeps them where they are).
    bool userSortable() const { return m_userSortable; }
    void setUserSortable(bool on);
    // Sorts as a click on the column's header does (twice for descending).
    void sortAsClicked(int column, Qt::SortOrder order);
    void setGridLines(bool on);

    // The height that shows the header and `rows` rows (and a scroll bar for
    // columns wider than the view).
    int heightForRows(int rows) const;

    // Puts any tree widget into report style (used for views that are not ours).
    static void makeReportStyle(QTreeWidget *view);

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    bool m_gridLines = true;
    bool m_userSortable = false;
};
