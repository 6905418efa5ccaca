#include "dialogs/generic/TListViewPanel.h"

#include "binding/QxListFilter.h"
#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/TCtrlBtnPanel.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kCaptionCharWidth = 8;

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

TListViewPanel::TListViewPanel(QWidget *parent, QxSNMPRequest2Edits *controller)
    : QFrame(parent), m_messages(TDialogMessages::standard())
{
    setObjectName(QStringLiteral("ListViewPanel"));
    m_listView = new QxListView(this);
    m_listView->setObjectName(QStringLiteral("ListView"));
    m_filterField = new QLineEdit(this);
    m_filterField->setObjectName(QStringLiteral("edFilter"));
    m_filterField->setPlaceholderText(QStringLiteral("Filter"));
    m_filterField->setToolTip(QStringLiteral("Shows the rows that contain this text"));
    m_filter = new QxListFilter(m_filterField, m_listView);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_filterField);
    layout->addWidget(m_listView, 1);
    // The edits panel keeps its rows' states itself; selecting a row must not
    // enable the controls that a row state disabled.
    if (controller)
        controller->bindListView(m_listView, false);

    int width = 0;
    for (int c = 0; c < m_listView->columnCount(); ++c)
        width += kCaptionCharWidth * int(m_listView->headerItem()->text(c).size());
    width += 2 * m_listView->frameWidth();
    m_needed = QSize(std::min(width, MaxWidth), PanelHeight);
    resize(m_needed);

    m_listView->viewport()->installEventFilter(this);
    m_listView->viewport()->setMouseTracking(true);
    m_listView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_listView, &QWidget::customContextMenuRequested, this, &TListViewPanel::showContextMenu);
    connect(m_listView, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (m_copyButton)
            m_copyButton->setEnabled(!m_listView->selectedItems().isEmpty());
    });
    connect(m_filter, &QxListFilter::shownChanged, this, [this] {
        emit rowsChanged(m_listView->topLevelItemCount());
        emit countChanged(m_filter->countText());
    });
}

TListViewPanel::~TListViewPanel()
{
    // The view empties its model while it is destroyed: nobody is to hear of it.
    m_listView->model()->disconnect(this);
    m_listView->model()->disconnect(m_filter);
    disconnect(this, nullptr, nullptr, nullptr);
}

void TListViewPanel::setMessages(const TDialogMessages &messages)
{
    m_messages = messages.completed();
}

void TListViewPanel::setFileAsker(FileAsker asker)
{
    m_fileAsker = std::move(asker);
}

void TListViewPanel::setAddStatus(int column, const QString &text)
{
    m_addStatusColumn = column;
    m_addStatusText = text;
}

void TListViewPanel::setDeleteStatus(int column, const QString &text)
{
    m_deleteStatusColumn = column;
    m_deleteStatusText = text;
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel *bar)
{
    if (!bar)
        return;
    for (QWidget *w : {static_cast<QWidget *>(bar->countBox()), static_cast<QWidget *>(bar->countLabel()),
                       static_cast<QWidget *>(bar->refreshButton()), static_cast<QWidget *>(bar->editButton()),
                       static_cast<QWidget *>(bar->closeButton())})
        w->show();
    bar->editButton()->setEnabled(false);
    bar->deleteButton()->setEnabled(false);
    bar->setCheckedButton()->hide();
    bar->checkAllButton()->hide();
    bar->clearChecksButton()->hide();
    bar->addButton()->setVisible(m_addStatusColumn >= 0);
    bar->deleteButton()->setVisible(m_deleteStatusColumn >= 0);
    // Copy and export in sight, not only in the list's context menu.
    QPushButton *copy = bar->copyButton();
    QPushButton *exportCsv = bar->exportCsvButton();
    copy->show();
    exportCsv->show();
    copy->setToolTip(QStringLiteral("Copies the selected rows"));
    exportCsv->setToolTip(QStringLiteral("Saves the rows shown as a CSV file"));
    copy->setEnabled(!m_listView->selectedItems().isEmpty());
    connect(copy, &QPushButton::clicked, this, &TListViewPanel::copySelection, Qt::UniqueConnection);
    connect(exportCsv, &QPushButton::clicked, this, &TListViewPanel::exportCsvAsked, Qt::UniqueConnection);
    m_copyButton = copy;
    bar->relayout();
}

QString TListViewPanel::hintText(const QTreeWidgetItem *item) const
{
    if (!item)
        return QString();
    const QTreeWidgetItem *header = m_listView->headerItem();
    qsizetype longest = 0;
    for (int c = 0; c < m_listView->columnCount(); ++c)
        longest = std::max(longest, header->text(c).size());
    QString hint;
    for (int c = 0; c < m_listView->columnCount(); ++c) {
        const QString caption = header->text(c);
        // A port list shows as ranges; the hint adds its value as the switch holds it.
        const QVariant value = item->data(c, QxSNMPRequest2Edits::CellValueRole);
        hint += caption + QString(longest - caption.size(), QLatin1Char('\t')) + QLatin1String("  ") + item->text(c)
                + (value.isValid() ? QStringLiteral(" (%1)").arg(value.toString()) : QString()) + QLatin1Char('\n');
    }
    return hint;
}

QList<int> TListViewPanel::visibleColumns() const
{
    QList<int> columns;
    for (int c = 0; c < m_listView->columnCount(); ++c)
        if (!m_listView->header()->isSectionHidden(c) && m_listView->columnWidth(c) > 0)
            columns << c;
    return columns;
}

QString TListViewPanel::selectedRowsText() const
{
    const QList<int> columns = visibleColumns();
    QString text;
    for (int r = 0; r < m_listView->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *item = m_listView->topLevelItem(r);
        if (!item->isSelected() || item->isHidden())
            continue;
        QStringList cells;
        for (int c : columns)
            cells << item->text(c);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString TListViewPanel::csvText() const
{
    const QList<int> columns = visibleColumns();
    const auto line = [&columns](const std::function<QString(int)> &cell) {
        QStringList cells;
        for (int c : columns)
            cells << csvField(cell(c));
        return cells.join(QLatin1Char(',')) + QLatin1String("\r\n");
    };
    const QTreeWidgetItem *header = m_listView->headerItem();
    QString csv = line([header](int c) { return header->text(c); });
    for (int r = 0; r < m_listView->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *item = m_listView->topLevelItem(r);
        if (!item->isHidden())
            csv += line([item](int c) { return item->text(c); });
    }
    return csv;
}

bool TListViewPanel::exportCsv(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray data = csvText().toUtf8();
    return file.write(data) == data.size() && file.flush();
}

void TListViewPanel::copySelection() const
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(selectedRowsText());
}

void TListViewPanel::exportCsvAsked()
{
    const QString path = m_fileAsker ? m_fileAsker(this)
                                     : QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"), QString(),
                                                                    QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!exportCsv(path))
        m_messages.inform(this, QStringLiteral("Can not write %1").arg(path));
}

void TListViewPanel::showContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    QAction *copy = menu.addAction(QStringLiteral("Copy"));
    copy->setEnabled(!m_listView->selectedItems().isEmpty());
    connect(copy, &QAction::triggered, this, &TListViewPanel::copySelection);
    QAction *exportAction = menu.addAction(QStringLiteral("Export CSV\u2026"));
    connect(exportAction, &QAction::triggered, this, &TListViewPanel::exportCsvAsked);
    menu.exec(m_listView->viewport()->mapToGlobal(pos));
}

bool TListViewPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_listView->viewport()) {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            // After the view has handled the press, so the selection is current.
            emit clicked();
        } else if (event->type() == QEvent::ToolTip) {
            auto *help = static_cast<QHelpEvent *>(event);
            const QTreeWidgetItem *item = m_listView->itemAt(help->pos());
            if (item)
                QToolTip::showText(help->globalPos(), hintText(item), m_listView->viewport());
            else
                QToolTip::hideText();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
