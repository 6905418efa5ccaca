#pragma once

#include "snmp/QxDescriptorTable.h"

// What a configuration snapshot reads besides the generic pages' descriptor
// arrays, what it leaves out, and the order a restore writes tables in. The
// generic editor and table pages are read from their command records; these
// arrays add what only the dedicated dialogs edit.
namespace SnapshotTables {

// The switch a snapshot is of: sysName and sysObjectID.
extern const QxDescriptorTable switchIdentity;
namespace IdentityColumn {
enum : int { SysName, SysObjectId, Count };
}

// A table or scalar group a dedicated dialog edits, read under the dialog's
// command. A list ends with a source whose dialog is null.
struct Source
{
    const char *dialog = nullptr;              // the command's target: the dialog class
    const QxDescriptorTable *table = nullptr;  // SVT_SV scalars, or a table walked row by row
    int rowStatusColumn = -1;                  // rows are made with createAndGo and destroyed there; -1: fixed rows
};
extern const Source dedicatedSources[];

// Writable objects that are no configuration: actions that make the switch do
// something when written (save, reboot, clear, start a transfer or a test) and
// values that move on their own (the clock). Numeric OIDs of the objects as the
// descriptor arrays spell them ("EnterpriseBase.…" or "1.3.6.…"); a snapshot
// never records them and a restore never writes them. Ends with null.
extern const char *const notConfiguration[];

// The order a restore writes in: rows of a table whose column OIDs start with
// `prefix` (as the descriptor arrays spell them) are created and changed in
// rising rank, and deleted in falling rank, so that what others refer to
// (VLANs, access masks, server groups, time ranges) exists before they are
// written and is deleted after them. Ends with a null prefix.
struct Rank
{
    const char *prefix = nullptr;
    int rank = 0;
};
extern const Rank restoreRanks[];
// The rank of every table restoreRanks does not name.
inline constexpr int DefaultRank = 50;

} // namespace SnapshotTables
