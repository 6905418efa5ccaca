#include "binding/QxListView.h"

#include <QHeaderView>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

namespace {

// Rows a little taller than their text: the grid line drawn along a row's
// bottom pixel must not cover underscores and descenders.
class GridRowDelegate final : public QStyledItemDelegate
{
public:
    static constexpr int GridClearance = 3;

    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, GridClearance);
    }
};

} // namespace

QxListView::QxListView(QWidget *parent) : QTreeWidget(parent)
{
    // No columns until a binding lays them out from the captions.
    setColumnCount(0);
    makeReportStyle(this);
    setItemDelegate(new GridRowDelegate(this));
    // No order but the agent's until the user asks for one.
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header(), &QHeaderView::sortIndicatorChanged, this, [this](int section, Qt::SortOrder) {
        if (m_userSortable && section >= 0 && !isSortingEnabled())
            setSortingEnabled(true);
    });
    setUserSortable(true);
}

void QxListView::setUserSortable(bool on)
{
    m_userSortable = on;
    header()->setSortIndicatorShown(on);
    if (on) {
        header()->setSectionsClickable(true);
        return;
    }
    setSortingEnabled(false);
    header()->setSortIndicator(-1, Qt::AscendingOrder);
}

void QxListView::sortAsClicked(int column, Qt::SortOrder order)
{
    if (!m_userSortable || column < 0 || column >= columnCount())
        return;
    header()->setSortIndicator(column, order);
}

int QxListView::heightForRows(int rows) const
{
    // A row of text as the delegate sizes it, before any row is in the list.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("0g_");
    const int row = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height()
                    + GridRowDelegate::GridClearance;
    // The header as it is once it has captions (a list gets its columns later).
    QStyleOptionHeader caption;
    caption.initFrom(header());
    caption.text = option.text;
    const QSize captionText(header()->fontMetrics().horizontalAdvance(caption.text), header()->fontMetrics().height());
    const int headerHeight =
        std::max(header()->sizeHint().height(),
                 style()->sizeFromContents(QStyle::CT_HeaderSection, &caption, captionText, header()).height());
    return headerHeight + rows * row + 2 * frameWidth() + horizontalScrollBar()->sizeHint().height();
}

void QxListView::setGridLines(bool on)
{
    m_gridLines = on;
    viewport()->update();
}

void QxListView::makeReportStyle(QTreeWidget *view)
{
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAllColumnsShowFocus(true);
    view->setSortingEnabled(false);
    // Hidden columns are 0 wide; columns keep the widths they are given.
    view->header()->setMinimumSectionSize(0);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionResizeMode(QHeaderView::Interactive);
    // The selected row stays marked while another control has the focus.
    QPalette p = view->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    view->setPalette(p);
}

void QxListView::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QTreeWidget::drawRow(painter, option, index);
    if (!m_gridLines)
        return;
    painter->save();
    painter->setPen(palette().color(QPalette::Mid));
    const QRect r = option.rect;
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    const QHeaderView *h = header();
    for (int c = 0; c < h->count(); ++c) {
        if (h->isSectionHidden(c) || h->sectionSize(c) == 0)
            continue;
        const int x = h->sectionViewportPosition(c) + h->sectionSize(c) - 1;
        painter->drawLine(x, r.top(), x, r.bottom());
    }
    painter->restore();
}
