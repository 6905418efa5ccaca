#pragma once

#include "snmp/QxSNMPVarItem.h"

// The objects the main window keeps an eye on: the switch's RMON state,
// which decides whether the RMON viewers can be chosen, and its spanning-tree
// version, which the spanning-tree dialog compares against.
namespace MainWindowObjects {
extern const QxSNMPVarItem rmonState[];
extern const QxSNMPVarItem stpVersion[];
// What the window's title names the switch by: sysName and sysDescr (whose
// first word is the model).
extern const QxSNMPVarItem switchName[];
namespace SwitchNameColumn {
enum : int { SysName, SysDescr, Count };
}
} // namespace MainWindowObjects
