#pragma once

#include "app/core/ChangeJournal.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

// "Changes": the switch's change journal, newest first: when, which command,
// each changed caption with its value before and after, and whether the
// switch took it (a refused write is marked). Refresh reads the journal again.
class TChangesForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TChangesForm)

public:
    static constexpr const char *Caption = "Changes";

    TChangesForm(QWidget *parent, ChangeJournal journal);

    void refresh();
    // Undoes the selected entry; a conflict is shown and asked about first.
    void undoSelected();
    QTreeWidget *list() const { return lvChanges; }

private:
    ChangeJournal m_journal;
    QList<ChangeJournal::Entry> m_entries; // newest first, as listed
    QTreeWidget *lvChanges = nullptr;
    QLabel *ST_Skipped = nullptr;
    QPushButton *btnUndo = nullptr;
};
