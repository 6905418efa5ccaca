#pragma once

#include "app/core/ConfigSnapshot.h"
#include "app/core/SnapshotScope.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The writes that make a switch's configuration (as read now) equal to a
// snapshot's: one SET per row, in an order that is data (the tables' ranks):
// rows are created (with createAndGo and all their values in one SET) and
// changed in rising rank, then rows the snapshot lacks are destroyed in
// falling rank, so that what others refer to is there before them and goes
// after them. A value is written once, under the first command that has it.
class RestorePlan final
{
public:
    static constexpr const char *CreateText = "createAndGo";
    static constexpr const char *DestroyText = "destroy";

    struct Cell
    {
        int position = -1; // in the source's variable list
        QString caption;
        QString oid;
        std::optional<QString> before; // the value the switch holds now, if any
        QString value;
    };
    struct Step
    {
        enum class Kind { Create, Change, Delete };
        Kind kind = Kind::Change;
        QString path;
        const SnapshotScope::Source *source = nullptr;
        QString key; // empty: scalars
        QString keyText;
        int rank = 0;
        QList<Cell> cells; // Delete: the row status cell alone
        // Delete: the row's values as the switch holds them, so that the
        // journal can make the row again.
        QList<Cell> rowBefore;

        // "Create Basic Configuration > ... [VLAN ID=5]: Name: (none) -> v5, ..."
        QString text() const;
    };

    QList<Step> steps;
    // What the plan leaves as it is, and why (values the switch does not read
    // back, rows that cannot be made or removed, commands not read).
    QStringList notes;

    // `sources` must outlive the plan: steps point into it.
    static RestorePlan make(const ConfigSnapshot &wanted, const ConfigSnapshot &live,
                            const QList<SnapshotScope::Source> &sources);

    int deletions() const;
    // The steps numbered, one a line, and the notes.
    QString text() const;
};
