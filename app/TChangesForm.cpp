#include "app/TChangesForm.h"

#include "app/core/ChangeUndo.h"
#include "binding/QxStatusLine.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { Time, Command, Values, Outcome, Program, User, ColumnCount };
constexpr const char *kHeaders[] = {"Time", "Command", "Changes", "Outcome", "Program", "User"};
static_assert(std::size(kHeaders) == ColumnCount);

QString changesText(const ChangeJournal::Entry &entry)
{
    QStringList parts;
    for (const ChangeJournal::Change &c : entry.changes)
        parts << c.text(QStringLiteral(" \u2192 "));
    return parts.join(QStringLiteral("; "));
}

} // namespace

TChangesForm::TChangesForm(QWidget *parent, ChangeJournal journal) : QDialog(parent), m_journal(std::move(journal))
{
    setObjectName(QStringLiteral("TChangesForm"));
    setWindowTitle(QString::fromLatin1(Caption));
    lvChanges = new QTreeWidget(this);
    lvChanges->setObjectName(QStringLiteral("lvChanges"));
    lvChanges->setRootIsDecorated(false);
    lvChanges->setColumnCount(ColumnCount);
    QStringList headers;
    for (const char *h : kHeaders)
        headers << QString::fromLatin1(h);
    lvChanges->setHeaderLabels(headers);
    ST_Skipped = new QLabel(this);
    ST_Skipped->setObjectName(QStringLiteral("ST_Skipped"));

    auto *refresh = new QPushButton(QStringLiteral("Refresh"), this);
    refresh->setObjectName(QStringLiteral("btnRefresh"));
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    btnUndo = new QPushButton(QStringLiteral("Undo"), this);
    btnUndo->setObjectName(QStringLiteral("btnUndo"));
    btnUndo->setEnabled(false);
    connect(btnUndo, &QPushButton::clicked, this, [this] { undoSelected(); });
    connect(lvChanges, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> selected = lvChanges->selectedItems();
        const qsizetype row = selected.isEmpty() ? -1 : lvChanges->indexOfTopLevelItem(selected.first());
        btnUndo->setEnabled(row >= 0 && row < m_entries.size() && m_entries[row].wentThrough());
    });
    connect(refresh, &QPushButton::clicked, this, [this] { this->refresh(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ST_Skipped, 1);
    buttons->addWidget(btnUndo);
    buttons->addWidget(refresh);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lvChanges, 1);
    layout->addLayout(buttons);
    resize(900, 420);
    this->refresh();
}

void TChangesForm::refresh()
{
    const ChangeJournal::Reading reading = m_journal.read();
    lvChanges->clear();
    m_entries.clear();
    btnUndo->setEnabled(false);
    const QIcon failed = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    for (auto it = reading.entries.crbegin(); it != reading.entries.crend(); ++it) {
        m_entries.append(*it);
        auto *row = new QTreeWidgetItem(lvChanges);
        row->setText(Time, it->time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        row->setText(Command, it->command);
        row->setText(Values, changesText(*it));
        row->setToolTip(Values, changesText(*it).replace(QStringLiteral("; "), QStringLiteral("\n")));
        row->setText(Outcome, it->wentThrough() ? QStringLiteral("Ok") : it->text);
        row->setText(Program, it->program);
        row->setText(User, it->user);
        row->setData(Time, Qt::UserRole, it->id);
        if (!it->wentThrough()) {
            row->setIcon(Outcome, failed);
            for (int c = 0; c < ColumnCount; ++c)
                row->setForeground(c, QxStatusLine::failureColour());
        }
    }
    for (int c = 0; c < ColumnCount; ++c)
        if (c != Values)
            lvChanges->resizeColumnToContents(c);
    ST_Skipped->setText(reading.warnings.isEmpty()
                            ? QString()
                            : QStringLiteral("%1 damaged line(s) of the journal skipped").arg(reading.warnings.size()));
}

void TChangesForm::undoSelected()
{
    const QList<QTreeWidgetItem *> selected = lvChanges->selectedItems();
    const qsizetype row = selected.isEmpty() ? -1 : lvChanges->indexOfTopLevelItem(selected.first());
    if (row < 0 || row >= m_entries.size())
        return;
    const ChangeJournal::Entry entry = m_entries[row];
    ChangeUndo::Outcome outcome = ChangeUndo::undo(entry, false);
    if (outcome.kind == ChangeUndo::Outcome::Kind::Conflicts) {
        const QString question = outcome.text + QStringLiteral("\n\n") + ChangeUndo::conflictText(outcome.conflicts)
                                 + QStringLiteral("\n\nWrite the old values over them?");
        if (QMessageBox::question(this, QStringLiteral("Undo"), question, QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No)
            != QMessageBox::Yes)
            return;
        outcome = ChangeUndo::undo(entry, true);
    }
    if (outcome.kind == ChangeUndo::Outcome::Kind::Undone)
        QMessageBox::information(this, QStringLiteral("Undo"), outcome.text);
    else
        QMessageBox::warning(this, QStringLiteral("Undo"), outcome.text);
    refresh();
}
