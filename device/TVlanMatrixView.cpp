#include "device/TVlanMatrixView.h"

#include "device/QxVlanMatrix.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace {

// What a changed cell stands on: a pale amber, readable under both letters.
const QColor kChangedCell(255, 226, 140);

QString memberText(QxVlanMatrix::Member member)
{
    const QChar letter = QxVlanMatrix::letter(member);
    return letter == QLatin1Char(' ') ? QString() : QString(letter);
}

QString memberWords(QxVlanMatrix::Member member)
{
    switch (member) {
    case QxVlanMatrix::Member::Untagged:
        return QStringLiteral("untagged member");
    case QxVlanMatrix::Member::Tagged:
        return QStringLiteral("tagged member");
    case QxVlanMatrix::Member::None:
        break;
    }
    return QStringLiteral("no member");
}

} // namespace

TVlanMatrixView::TVlanMatrixView(QWidget *parent) : QxListView(parent)
{
    // Its rows are the matrix's VLANs by position.
    setUserSortable(false);
    QStringList headers{QStringLiteral("VID"), QStringLiteral("Name")};
    for (int port = 1; port <= QxVlanMatrix::Ports; ++port)
        headers << QString::number(port);
    setColumnCount(int(headers.size()));
    setHeaderLabels(headers);
    for (int c = FirstPort; c < columnCount(); ++c)
        headerItem()->setTextAlignment(c, Qt::AlignCenter);
    // Cells are what the user works on: no row selection hides their colours.
    setSelectionMode(QAbstractItemView::NoSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setAllColumnsShowFocus(false);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item, int column) {
        if (portOf(column) > 0)
            emit portCellClicked(indexOfTopLevelItem(item), portOf(column));
    });
}

TVlanMatrixView::~TVlanMatrixView() = default;

void TVlanMatrixView::fill(const QxVlanMatrix &matrix)
{
    const QList<QxVlanMatrix::Vlan> &vlans = matrix.vlans();
    while (topLevelItemCount() > vlans.size())
        delete takeTopLevelItem(topLevelItemCount() - 1);
    while (topLevelItemCount() < vlans.size())
        addTopLevelItem(new QTreeWidgetItem);
    QFont bold = font();
    bold.setBold(true);
    for (int row = 0; row < vlans.size(); ++row) {
        QTreeWidgetItem *item = topLevelItem(row);
        item->setText(VlanId, QString::number(vlans[row].id));
        item->setTextAlignment(VlanId, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(Name, vlans[row].name);
        for (int port = 1; port <= QxVlanMatrix::Ports; ++port) {
            const int column = columnOf(port);
            const bool changed = matrix.changed(row, port);
            item->setText(column, memberText(matrix.shown(row, port)));
            item->setTextAlignment(column, Qt::AlignCenter);
            item->setFont(column, changed ? bold : font());
            item->setBackground(column, changed ? QBrush(kChangedCell) : QBrush());
            item->setToolTip(column, QStringLiteral("Port %1 in VLAN %2: %3%4")
                                         .arg(port)
                                         .arg(vlans[row].id)
                                         .arg(memberWords(matrix.shown(row, port)),
                                              changed ? QStringLiteral(" (the switch has: %1)")
                                                            .arg(memberWords(matrix.read(row, port)))
                                                      : QString()));
        }
    }
}

void TVlanMatrixView::evenPortColumns()
{
    int widest = 0;
    for (int column = FirstPort; column < columnCount(); ++column)
        widest = std::max(widest, columnWidth(column));
    for (int column = FirstPort; column < columnCount(); ++column)
        setColumnWidth(column, widest);
}

QStringList TVlanMatrixView::printedRow(int row) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    if (!item)
        return {};
    QStringList cells{item->text(VlanId)};
    for (int column = FirstPort; column < columnCount(); ++column)
        cells << (item->text(column).isEmpty() ? QStringLiteral("-") : item->text(column));
    return cells;
}

void TVlanMatrixView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex at = currentIndex();
    if (event->key() == Qt::Key_Space && at.isValid() && portOf(at.column()) > 0) {
        emit portCellClicked(at.row(), portOf(at.column()));
        return;
    }
    QxListView::keyPressEvent(event);
}
