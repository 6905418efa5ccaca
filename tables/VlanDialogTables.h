#pragma once

#include "snmp/QxDescriptorTable.h"
#include "snmp/QxOptionList.h"

// Descriptor tables of the 802.1Q VLAN dialogs (Q-BRIDGE-MIB, 1.3.6.1.2.1.17.7.1).
namespace VlanDialogTables {

// Scalars and the GVRP switch: version, max VLAN ID, max supported, number of
// VLANs, GVRP status.
extern const QxDescriptorTable scalars; // " 802.1Q Basic Configure"
namespace ScalarColumn {
enum : int { Version, MaxVlanId, MaxSupported, NumVlans, GvrpStatus, Count };
}

// Per-port VLAN settings (one key: the port number).
extern const QxDescriptorTable portVlans; // " VLAN Port Information Form"
namespace PortColumn {
enum : int { Port, Pvid, AcceptableFrameTypes, IngressFiltering, GvrpStatus, GvrpFailed, GvrpLastOrigin, Count };
}

// Static VLANs (one key: the VLAN ID): name, egress, forbidden egress and
// untagged port lists, row status (active, createAndGo, destroy).
extern const QxDescriptorTable staticVlans; // " VLAN Static"
namespace StaticColumn {
enum : int { VlanId, Name, Egress, ForbiddenEgress, Untagged, RowStatus, Count };
}
// Item positions in the static table's row-status options.
inline constexpr int rowStatusCreateAndGo = 1;
inline constexpr int rowStatusDestroy = 2;

// The next free local VLAN index.
extern const QxDescriptorTable nextFreeIndex; // " Next Free Local VLAN Index"

// Deletion counter, next free index and the constraint defaults.
extern const QxDescriptorTable deletionScalars; // " VLAN Deletes"

// Current VLANs (two keys: time mark and VLAN ID), read only.
extern const QxDescriptorTable currentVlans; // " VLAN Current"
namespace CurrentColumn {
enum : int { TimeMark, VlanIndex, FdbId, Egress, Untagged, Status, CreationTime, Count };
}

extern const QxOptionList acceptableFrameTypes; // 1 admitAll, 2 admitOnlyVlanTagged
extern const QxOptionList staticRowStatus;      // 1 active, 4 createAndGo, 6 destroy
extern const QxOptionList currentVlanStatus;    // 1 other, 2 permanent, 3 dynamicGvrp
extern const QxOptionList constraintType;       // 1 independent, 2 shared

} // namespace VlanDialogTables
