#pragma once

#include "snmp/QxDescriptorTable.h"

#include <QList>
#include <QString>

class QxSNMPVarList;
struct CommandRecord;

// What a configuration snapshot reads and what a restore may write: the
// descriptor tables of the menu's generic pages and of the tables dedicated
// dialogs edit, each under its command's menu path, and in each the variables
// that are configuration (writable, and neither an action nor a value that
// moves by itself).
class SnapshotScope final
{
public:
    struct MenuCommand
    {
        QString path;
        const CommandRecord *record = nullptr;
    };
    struct Source
    {
        QString path;
        QxDescriptorTable table;
        int rowStatusColumn = -1; // rows are created and destroyed there; -1: none
        bool needsV2c = false;    // the table cannot be read with SNMPv1
    };

    // The sources of the menu's commands, in menu order; hidden commands and
    // commands without a configuration variable are left out.
    static QList<Source> sources(const QList<MenuCommand> &commands);
    // The source read under a command path, or null.
    static const Source *find(const QList<Source> &sources, const QString &path);

    // The list a snapshot reads: the source's descriptors, with every
    // variable that is neither a key nor configuration kept out of reads and
    // writes.
    static QxSNMPVarList readList(const Source &source);
    // Whether a variable of a descriptor array is configuration.
    static bool isConfiguration(const QxSNMPVarList &list, int position);
    // The restore rank of a table, by one of its variables' expanded OID.
    static int rank(const QString &oid);
};
