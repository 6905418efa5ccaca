#include "binding/QxListFilter.h"

#include "binding/QxEnterKey.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

QxListFilter::QxListFilter(QLineEdit *field, QTreeWidget *list) : QObject(field), m_field(field), m_list(list)
{
    field->setClearButtonEnabled(true);
    // Enter in the filter writes nothing: it goes on to the rows it kept.
    QxEnterKey::keepEnter(field);
    connect(field, &QLineEdit::returnPressed, list, [list] { list->setFocus(Qt::OtherFocusReason); });
    connect(field, &QLineEdit::textChanged, this, &QxListFilter::apply);
    QAbstractItemModel *model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &parent, int first, int last) {
        if (!m_list || parent.isValid())
            return;
        if (!text().isEmpty())
            for (int r = first; r <= last; ++r)
                if (QTreeWidgetItem *row = m_list->topLevelItem(r))
                    applyTo(*row);
        emit shownChanged();
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this, &QxListFilter::shownChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &QxListFilter::shownChanged);
}

QString QxListFilter::text() const
{
    return m_field ? m_field->text().trimmed() : QString();
}

bool QxListFilter::keeps(const QTreeWidgetItem &row) const
{
    const QString wanted = text();
    if (wanted.isEmpty() || !m_list)
        return true;
    for (int c = 0; c < m_list->columnCount(); ++c)
        if (!m_list->header()->isSectionHidden(c) && m_list->columnWidth(c) > 0
            && row.text(c).contains(wanted, Qt::CaseInsensitive))
            return true;
    return false;
}

void QxListFilter::applyTo(QTreeWidgetItem &row) const
{
    const bool hide = !keeps(row);
    row.setHidden(hide);
    if (hide && row.isSelected())
        row.setSelected(false);
}

void QxListFilter::apply()
{
    if (!m_list)
        return;
    for (int r = 0; r < m_list->topLevelItemCount(); ++r)
        applyTo(*m_list->topLevelItem(r));
    emit shownChanged();
}

int QxListFilter::totalRows() const
{
    return m_list ? m_list->topLevelItemCount() : 0;
}

int QxListFilter::shownRows() const
{
    int shown = 0;
    for (int r = 0; r < totalRows(); ++r)
        shown += !m_list->topLevelItem(r)->isHidden();
    return shown;
}

QString QxListFilter::countText() const
{
    const int total = totalRows();
    if (text().isEmpty())
        return QString::number(total);
    return QStringLiteral("%1 of %2").arg(shownRows()).arg(total);
}
