#pragma once

#include "tables/CommandRecord.h"

#include <QHash>
#include <QList>

class QAction;
class QMenu;
class QMenuBar;

// Builds the menu tree from the command catalogue: one top-level menu per group,
// submenus and items by the records' depth, captions as written. Remembers which
// record each item runs.
class MenuBuilder
{
public:
    // Adds the group's items to its top-level menu (created when missing).
    void addGroup(QMenuBar *bar, const CommandGroup &group);

    const CommandRecord *recordOf(const QAction *action) const { return m_records.value(action, nullptr); }
    // Every action that carries a command, in menu order.
    const QList<QAction *> &commandActions() const { return m_commandActions; }
    // The action of a command by its menu path ("VLAN > QinQ > QinQ Port Table"), or null.
    QAction *actionByPath(const QString &path) const { return m_byPath.value(path, nullptr); }
    QString pathOf(const QAction *action) const { return m_paths.value(action); }

    static bool carriesCommand(const CommandRecord &record);

private:
    QHash<const QAction *, const CommandRecord *> m_records;
    QHash<const QAction *, QString> m_paths;
    QHash<QString, QAction *> m_byPath;
    QList<QAction *> m_commandActions;
};
