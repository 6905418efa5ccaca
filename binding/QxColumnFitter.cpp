#include "binding/QxColumnFitter.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
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
    // Rows read before the window shows widen it once the list has its size.
    view->installEventFilter(this);
}

int QxColumnFitter::widestWindow(const QWidget *window)
{
    const QScreen *screen = window ? window->screen() : nullptr;
    return screen ? std::min(MaximumWindowWidth, screen->availableGeometry().width()) : MaximumWindowWidth;
}

bool QxColumnFitter::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: the view's last events come while it is being
    // destroyed, when it is a QTreeWidget no more and the pointer not to be read.
    if (event->type() == QEvent::Show && watched == m_view)
        widenWindow();
    return QObject::eventFilter(watched, event);
}

void QxColumnFitter::widenWindow()
{
    if (!m_view || !m_view->isVisible())
        return;
    QWidget *window = m_view->window();
    if (window == m_view || (m_windowWidth != 0 && window->width() != m_windowWidth))
        return;
    // Room for the rows' scroll bar too, should more rows come than show.
    const QScrollBar *rows = m_view->verticalScrollBar();
    const int scrollBar = rows->isVisible() ? 0 : rows->sizeHint().width();
    const int missing = m_view->header()->length() - m_view->viewport()->width() + scrollBar;
    const int width = std::min(window->width() + missing, widestWindow(window));
    if (missing <= 0 || width <= window->width())
        return;
    // The window grows to both sides, and stays on its screen.
    QRect frame = window->frameGeometry();
    frame.adjust(-(width - window->width()) / 2, 0, (width - window->width() + 1) / 2, 0);
    if (const QScreen *screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    }
    window->resize(width, window->height());
    window->move(frame.topLeft());
    m_windowWidth = window->width();
}

void QxColumnFitter::widenWindowToColumns()
{
    if (!m_view)
        return;
    QWidget *window = m_view->window();
    if (window == m_view || (m_windowWidth != 0 && window->width() != m_windowWidth))
        return;
    const QScrollBar *rows = m_view->verticalScrollBar();
    const int missing = m_view->header()->length() + 2 * m_view->frameWidth() - m_view->width()
                        + (rows->isVisible() ? rows->width() : 0);
    const int width = std::min(window->width() + missing, MaximumWindowWidth);
    if (missing > 0 && width > window->width())
        window->resize(width, window->height());
    m_windowWidth = window->width();
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
    widenWindow();
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
