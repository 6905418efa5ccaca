#include "app/TSnapshotCompareForm.h"

#include "app/core/RestoreRunner.h"
#include "app/core/SnapshotReader.h"
#include "binding/QxStatusLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { Row, Difference, Values, ColumnCount };
constexpr const char *kHeaders[] = {"Command / Row", "Difference", "Values (switch \u2192 snapshot)"};
static_assert(std::size(kHeaders) == ColumnCount);

// Data roles of a row item: its index in the differences.
constexpr int DifferenceRole = Qt::UserRole;

QString kindText(SnapshotDiff::RowDifference::Kind kind)
{
    switch (kind) {
    // From the switch to the snapshot: an added row is one the switch lacks.
    case SnapshotDiff::RowDifference::Kind::Added:
        return QStringLiteral("Not on the switch");
    case SnapshotDiff::RowDifference::Kind::Removed:
        return QStringLiteral("Not in the snapshot");
    case SnapshotDiff::RowDifference::Kind::Changed:
        break;
    }
    return QStringLiteral("Changed");
}

QString valuesText(const SnapshotDiff::RowDifference &d)
{
    QStringList parts;
    for (const SnapshotDiff::Change &c : d.changes) {
        if (d.kind == SnapshotDiff::RowDifference::Kind::Changed)
            parts << c.caption + QStringLiteral(": ") + SnapshotDiff::valueText(c.from, c.fromMissing)
                         + QStringLiteral(" \u2192 ") + SnapshotDiff::valueText(c.to, c.toMissing);
        else
            parts << c.caption + QStringLiteral(": ")
                         + SnapshotDiff::valueText(d.kind == SnapshotDiff::RowDifference::Kind::Added ? c.to : c.from);
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

TSnapshotCompareForm::TSnapshotCompareForm(QWidget *parent, ConfigSnapshot wanted, QList<SnapshotScope::Source> sources,
                                           SnmpAgent agent)
    : QDialog(parent), m_wanted(std::move(wanted)), m_sources(std::move(sources)), m_agent(std::move(agent))
{
    setObjectName(QStringLiteral("TSnapshotCompareForm"));
    setWindowTitle(QString::fromLatin1(Caption));
    lvDifferences = new QTreeWidget(this);
    lvDifferences->setObjectName(QStringLiteral("lvDifferences"));
    lvDifferences->setColumnCount(ColumnCount);
    QStringList headers;
    for (const char *h : kHeaders)
        headers << QString::fromUtf8(h);
    lvDifferences->setHeaderLabels(headers);
    connect(lvDifferences, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item, int column) {
        if (column != Row)
            return;
        // A command's box ticks its rows; a row's box alone ticks the row.
        const QSignalBlocker block(lvDifferences);
        for (int i = 0; i < item->childCount(); ++i)
            item->child(i)->setCheckState(Row, item->checkState(Row));
        updateButtons();
    });

    pbProgress = new QProgressBar(this);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->setTextVisible(true);
    ST_Status = new QLabel(this);
    ST_Status->setObjectName(QStringLiteral("ST_Status"));
    ST_Status->setWordWrap(true);
    btnRestore = new QPushButton(QStringLiteral("Restore Checked"), this);
    btnRestore->setObjectName(QStringLiteral("btnRestore"));
    btnRefresh = new QPushButton(QStringLiteral("Refresh"), this);
    btnRefresh->setObjectName(QStringLiteral("btnRefresh"));
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(btnRestore, &QPushButton::clicked, this, [this] { restoreChecked(); });
    connect(btnRefresh, &QPushButton::clicked, this, [this] { refresh(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(pbProgress, 1);
    buttons->addStretch();
    buttons->addWidget(btnRestore);
    buttons->addWidget(btnRefresh);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lvDifferences, 1);
    layout->addWidget(ST_Status);
    layout->addLayout(buttons);
    resize(1000, 480);
    refresh();
}

TSnapshotCompareForm::~TSnapshotCompareForm() = default;

void TSnapshotCompareForm::setBusy(bool busy)
{
    btnRefresh->setEnabled(!busy);
    lvDifferences->setEnabled(!busy);
    pbProgress->setVisible(busy);
    updateButtons();
    if (!busy)
        return;
    pbProgress->setRange(0, 0);
}

void TSnapshotCompareForm::updateButtons()
{
    btnRestore->setEnabled(!busy() && !checkedSteps().isEmpty());
}

void TSnapshotCompareForm::refresh()
{
    if (busy())
        return;
    m_reader = std::make_unique<SnapshotReader>(m_sources, m_agent);
    setBusy(true);
    if (m_restoreText.isEmpty())
        QxStatusLine::show(ST_Status, QStringLiteral("Reading the switch's configuration\u2026"));
    m_reader->start(
        [this](int done, int total) {
            pbProgress->setRange(0, total);
            pbProgress->setValue(done);
        },
        // The reader is dropped from the event loop, not from inside its own call.
        [this] { QMetaObject::invokeMethod(this, [this] { liveRead(); }, Qt::QueuedConnection); });
}

void TSnapshotCompareForm::liveRead()
{
    const std::unique_ptr<SnapshotReader> reader = std::move(m_reader);
    setBusy(false);
    if (!reader->error().isEmpty()) {
        QxStatusLine::show(ST_Status, m_restoreText.isEmpty() ? reader->error() : m_restoreText + QLatin1Char('\n') + reader->error(),
                           QxStatusLine::Outcome::Failed);
        m_restoreText.clear();
        m_restoreFailed = false;
        return;
    }
    m_live = reader->snapshot();
    // From the switch to the snapshot, where the switch could be read: "Added"
    // is what the switch lacks.
    m_differences = SnapshotDiff::compareCommon(m_live, m_wanted);
    m_plan = std::make_unique<RestorePlan>(RestorePlan::make(m_wanted, m_live, m_sources));
    fill();
    QString text = m_differences.isEmpty() ? QStringLiteral("The switch holds the snapshot's configuration.")
                                           : QStringLiteral("%1 rows differ.").arg(m_differences.size());
    if (!reader->failures().isEmpty())
        text += QStringLiteral(" %1 commands could not be read: %2").arg(reader->failures().size())
                    .arg(QStringList(reader->failures().keys()).join(QStringLiteral(", ")));
    if (!m_restoreText.isEmpty())
        text = m_restoreText + QLatin1Char('\n') + text;
    QxStatusLine::show(ST_Status, text, m_restoreFailed ? QxStatusLine::Outcome::Failed : QxStatusLine::Outcome::Plain);
    m_restoreText.clear();
    m_restoreFailed = false;
}

void TSnapshotCompareForm::fill()
{
    const QSignalBlocker block(lvDifferences);
    lvDifferences->clear();
    QTreeWidgetItem *command = nullptr;
    for (qsizetype i = 0; i < m_differences.size(); ++i) {
        const SnapshotDiff::RowDifference &d = m_differences.at(i);
        if (!command || command->text(Row) != d.path) {
            command = new QTreeWidgetItem(lvDifferences, {d.path});
            command->setFlags(command->flags() | Qt::ItemIsUserCheckable);
            command->setCheckState(Row, Qt::Unchecked);
            command->setExpanded(true);
            // A menu path reads whole across the columns.
            command->setFirstColumnSpanned(true);
        }
        auto *row = new QTreeWidgetItem(command, {SnapshotDiff::rowName(d.key, d.keyText), kindText(d.kind), valuesText(d)});
        row->setData(Row, DifferenceRole, int(i));
        row->setToolTip(Values, row->text(Values));
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(Row, Qt::Unchecked);
    }
    for (const int column : {int(Row), int(Difference)}) {
        lvDifferences->resizeColumnToContents(column);
        lvDifferences->setColumnWidth(column, lvDifferences->columnWidth(column) + 16);
    }
    updateButtons();
}

QList<int> TSnapshotCompareForm::checkedSteps() const
{
    if (!m_plan)
        return {};
    QSet<QPair<QString, QString>> rows;
    for (int c = 0; c < lvDifferences->topLevelItemCount(); ++c) {
        const QTreeWidgetItem *command = lvDifferences->topLevelItem(c);
        for (int r = 0; r < command->childCount(); ++r) {
            if (command->child(r)->checkState(Row) != Qt::Checked)
                continue;
            const SnapshotDiff::RowDifference &d = m_differences.at(command->child(r)->data(Row, DifferenceRole).toInt());
            rows.insert({d.path, d.key});
        }
    }
    QList<int> steps;
    for (qsizetype i = 0; i < m_plan->steps.size(); ++i)
        if (rows.contains({m_plan->steps.at(i).path, m_plan->steps.at(i).key}))
            steps.append(int(i));
    return steps;
}

void TSnapshotCompareForm::restoreChecked()
{
    const QList<int> steps = checkedSteps();
    if (busy() || steps.isEmpty())
        return;
    const auto deletions = std::count_if(steps.begin(), steps.end(), [this](int i) {
        return m_plan->steps.at(i).kind == RestorePlan::Step::Kind::Delete;
    });
    if (deletions > 0
        && !m_messages.confirm(this, QString::fromLatin1(Caption),
                               QStringLiteral("The restore deletes %1 rows from the switch. Go on?").arg(deletions)))
        return;
    m_runner = std::make_unique<RestoreRunner>(*m_plan, m_agent);
    setBusy(true);
    pbProgress->setRange(0, int(steps.size()));
    pbProgress->setValue(0);
    m_runner->start([this](int, bool wentThrough) {
        if (wentThrough)
            pbProgress->setValue(pbProgress->value() + 1);
    }, [this] { QMetaObject::invokeMethod(this, [this] { restored(); }, Qt::QueuedConnection); }, steps);
}

void TSnapshotCompareForm::restored()
{
    const std::unique_ptr<RestoreRunner> runner = std::move(m_runner);
    setBusy(false);
    const RestoreRunner::Outcome &outcome = runner->outcome();
    // What the restore came to stays above what the switch holds now.
    m_restoreFailed = outcome.failedStep >= 0;
    m_restoreText = m_restoreFailed ? QStringLiteral("Restored %1 rows; then the switch refused %2: %3")
                                          .arg(outcome.applied)
                                          .arg(m_plan->steps.at(outcome.failedStep).text(), outcome.failure)
                                    : QStringLiteral("Restored %1 rows.").arg(outcome.applied);
    refresh();
}
