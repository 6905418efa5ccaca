#pragma once

#include "snmp/QxSNMPVarItem.h"

// The two objects the main window keeps an eye on: the switch's RMON state,
// which decides whether the RMON viewers can be chosen, and its spanning-tree
// version, which the spanning-tree dialog compares against.
namespace MainWindowObjects {
extern const QxSNMPVarItem rmonState[];
extern const QxSNMPVarItem stpVersion[];
} // namespace MainWindowObjects
