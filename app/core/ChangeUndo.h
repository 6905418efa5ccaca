#pragma once

#include "app/core/ChangeJournal.h"
#include "snmp/QxSNMPWrite.h"

#include <QList>
#include <QString>

// Undoing a journal entry that went through. The entry's variables are read
// again first. A changed value goes back to the value read before the write,
// in one SET, when the switch still holds what the entry wrote; a created row
// is destroyed; a deleted row is made again from its cells as read before the
// delete. What the switch holds now that differs from what the entry left is
// a conflict: without force the undo stops there and lists it. The undo is a
// write like any other (journalled, "Undo" and the entry's id as its
// command), and what it wrote is read back to confirm.
class ChangeUndo final
{
public:
    struct Conflict
    {
        QString caption;
        QString current; // what the switch holds now
        QString entry;   // what the entry wrote
        QString old;     // what the undo would write
    };
    struct Outcome
    {
        enum class Kind { Undone, Refused, Conflicts, Failed };
        Kind kind = Kind::Refused;
        QString text;
        QList<Conflict> conflicts;
    };

    static Outcome undo(const ChangeJournal::Entry &entry, bool force);
    // "Caption: current -> entry -> old", a line each.
    static QString conflictText(const QList<Conflict> &conflicts);
};
