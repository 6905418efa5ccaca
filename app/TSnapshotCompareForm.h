#pragma once

#include "app/core/ConfigSnapshot.h"
#include "app/core/RestorePlan.h"
#include "app/core/SnapshotDiff.h"
#include "app/core/SnapshotScope.h"
#include "app/core/SnmpAgent.h"
#include "dialogs/generic/TDialogMessages.h"

#include <QDialog>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class RestoreRunner;
class SnapshotReader;

// "Compare with Snapshot": what differs between a snapshot file and the
// switch now, by command and row; the rows the user ticks are put back as the
// snapshot has them, through the same plan (and order) the command-line
// restore follows. Reading and writing never block the window.
class TSnapshotCompareForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSnapshotCompareForm)

public:
    static constexpr const char *Caption = "Compare with Snapshot";
    static constexpr const char *MenuText = "Compare with Snapshot\u2026";

    TSnapshotCompareForm(QWidget *parent, ConfigSnapshot wanted, QList<SnapshotScope::Source> sources, SnmpAgent agent);
    ~TSnapshotCompareForm() override;

    // Reads the switch again and lists the differences.
    void refresh();
    // Restores the ticked rows; asks first when rows are to be deleted.
    void restoreChecked();
    bool busy() const { return m_reader || m_runner; }
    // The question before rows are deleted (a test answers it).
    void setMessages(const TDialogMessages &messages) { m_messages = messages.completed(); }

    QTreeWidget *list() const { return lvDifferences; }

private:
    void liveRead();
    void fill();
    // The plan's steps that belong to ticked rows, in the plan's order.
    QList<int> checkedSteps() const;
    void restored();
    void setBusy(bool busy);
    void updateButtons();

    TDialogMessages m_messages = TDialogMessages::standard();
    ConfigSnapshot m_wanted;
    QList<SnapshotScope::Source> m_sources;
    SnmpAgent m_agent;
    ConfigSnapshot m_live;
    QList<SnapshotDiff::RowDifference> m_differences;
    std::unique_ptr<RestorePlan> m_plan;
    std::unique_ptr<SnapshotReader> m_reader;
    std::unique_ptr<RestoreRunner> m_runner;
    QString m_restoreText; // the last restore's outcome, shown with the next reading
    bool m_restoreFailed = false;
    QTreeWidget *lvDifferences = nullptr;
    QProgressBar *pbProgress = nullptr;
    QLabel *ST_Status = nullptr;
    QPushButton *btnRestore = nullptr;
    QPushButton *btnRefresh = nullptr;
};
