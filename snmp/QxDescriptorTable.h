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
