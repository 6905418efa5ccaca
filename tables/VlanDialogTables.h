#pragma once

#include "snmp/QxDescriptorTable.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPVarItem.h"

// Descriptor tables of the 802.1Q VLAN dialogs (Q-BRIDGE-MIB, 1.3.6.1.2.1.17.7.1).
namespace VlanDialogTables {

// Scalars and the GVRP switch (SVT_SV): version, max VLAN ID, max supported,
// number of VLANs, GVRP status.
extern const QxSNMPVarItem vlanScalars[];

// Per-port VLAN settings (MVT_FMV, one key: the port number).
extern const QxSNMPVarItem portVlanTable[];
inline constexpr int portVlanKeyCount = 1;

// Static VLANs (MVT_UMV, one key: the VLAN ID): name, egress, forbidden egress
// and untagged port lists, row status (active, createAndGo, destroy).
extern const QxSNMPVarItem vlanStaticTable[];
inline constexpr int vlanStaticKeyCount = 1;
namespace StaticColumn {
enum : int { VlanId = 0, Name = 1, Egress = 2, ForbiddenEgress = 3, Untagged = 4, RowStatus = 5 };
}
// Item positions in the static table's row-status options.
inline constexpr int rowStatusCreateAndGo = 1;
inline constexpr int rowStatusDestroy = 2;

// The next free local VLAN index (SVT_SV).
extern const QxSNMPVarItem nextFreeVlanIndex[];

// Deletion counter, next free index and the constraint defaults (SVT_SV).
extern const QxSNMPVarItem vlanDeletionScalars[];

// Current VLANs (MVT_UMV, two keys: time mark and VLAN ID), read only.
extern const QxSNMPVarItem vlanCurrentTable[];
inline constexpr int vlanCurrentKeyCount = 2;
namespace CurrentColumn {
enum : int { TimeMark = 0, VlanIndex = 1, FdbId = 2, Egress = 3, Untagged = 4, Status = 5, CreationTime = 6 };
}

// The arrays as the dialogs read them, with the names their status lines give.
extern const QxDescriptorTable vlanScalarsTable;        // " 802.1Q Basic Configure"
extern const QxDescriptorTable portVlanTableTable;      // " VLAN Port Information Form"
extern const QxDescriptorTable vlanStaticTableTable;    // " VLAN Static"
extern const QxDescriptorTable nextFreeVlanIndexTable;  // " Next Free Local VLAN Index"
extern const QxDescriptorTable vlanDeletionScalarsTable; // " VLAN Deletes"
extern const QxDescriptorTable vlanCurrentTableTable;   // " VLAN Current"

extern const QxOptionList acceptableFrameTypes; // 1 admitAll, 2 admitOnlyVlanTagged
extern const QxOptionList staticRowStatus;      // 1 active, 4 createAndGo, 6 destroy
extern const QxOptionList currentVlanStatus;    // 1 other, 2 permanent, 3 dynamicGvrp
extern const QxOptionList constraintType;       // 1 independent, 2 shared

} // namespace VlanDialogTables
