#pragma once

#include "snmp/QxSNMPSyntax.h"
#include "snmp/QxSNMPVarItem.h"

// A static descriptor array with what its variable list needs besides the
// descriptors: how it is read (its list kind and key count) and the name the
// status lines give it. Commands and dedicated dialogs keep their arrays as
// such tables, and every variable list is made from one the same way.
struct QxDescriptorTable
{
    const QxSNMPVarItem *items = nullptr;
    quint8 kind = SVT_SV;
    int keyCount = 0;
    // Put in the status lines after "Request:"; a name that should stand apart
    // starts with a blank. Null: none (the status line leaves "Request:" out).
    const char *listName = nullptr;
};

// Compile-time checks of a column enum against its descriptor array, so that a
// column moved in the array cannot leave a dialog writing the wrong variable:
//
//   static_assert(QxColumns::count(kTrunk) == Column::Count);
//   static_assert(QxColumns::captionIs(kTrunk, Column::State, "State"));
namespace QxColumns {

constexpr int count(const QxSNMPVarItem *items)
{
    int n = 0;
    while (items[n].oid)
        ++n;
    return n;
}

constexpr bool captionIs(const QxSNMPVarItem *items, int column, const char *caption)
{
    if (column < 0 || column >= count(items))
        return false;
    const char *a = items[column].caption;
    while (*a && *a == *caption) {
        ++a;
        ++caption;
    }
    return *a == *caption;
}

} // namespace QxColumns
