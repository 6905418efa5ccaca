#pragma once

#include <QTreeWidget>

// The report-style list view of every dialog: a flat list of rows with columns
// from captions, read-only, whole-row selection that stays visible while the view
// has no focus, and grid lines between cells.
class QxListView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit QxListView(QWidget *parent = nullptr);

    bool gridLines() const { return m_gridLines; }
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
};
