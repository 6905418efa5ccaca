#include "binding/QxColumnFitter.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

QxColumnFitter::QxColumnFitter(QTreeWidget *view) : m_view(view)
{
    // Every width this object does not set itself comes from the user dragging
    // (or double-clicking) a header divider.
    connect(view->header(), &QHeaderView::sectionResized, this, [this](int column, int, int) {
        if (!m_setting)
            m_userSized.insert(column);
    });
}

void QxColumnFitter::reset(int hidden)
{
    m_hidden = hidden;
    m_userSized.clear();
    if (!m_view)
        return;
    for (int c = 0; c < m_view->columnCount(); ++c)
        setWidth(c, c < hidden ? 0 : headerWidth(c));
}

void QxColumnFitter::fit()
{
    if (!m_view)
        return;
    QTreeWidget &view = *m_view;
    const int columns = view.columnCount();
    std::vector<int> widths(size_t(std::max(columns, 0)), 0);
    for (int c = m_hidden; c < columns; ++c)
        widths[size_t(c)] = headerWidth(c);
    const QFontMetrics metrics(view.font());
    const int rows = view.topLevelItemCount();
    const auto measure = [&](int first, int last) {
        for (int r = first; r < last; ++r) {
            const QTreeWidgetItem *item = view.topLevelItem(r);
            for (int c = m_hidden; c < columns; ++c)
                widths[size_t(c)] = std::max(widths[size_t(c)], metrics.horizontalAdvance(item->text(c)) + Padding);
        }
    };
    measure(0, std::min(rows, MeasuredRows));
    measure(std::max(MeasuredRows, rows - MeasuredRows), rows);
    for (int c = m_hidden; c < columns; ++c) {
        if (!m_userSized.contains(c))
            setWidth(c, std::min(widths[size_t(c)], std::max(MaximumWidth, headerWidth(c))));
    }
}

void QxColumnFitter::setWidth(int column, int width)
{
    m_setting = true;
    m_view->setColumnWidth(column, width);
    m_setting = false;
}

int QxColumnFitter::headerWidth(int column) const
{
    const QFontMetrics metrics(m_view->header()->font());
    return metrics.horizontalAdvance(m_view->headerItem()->text(column)) + Padding;
}
