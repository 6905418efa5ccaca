#pragma once

#include "snmp/QxDescriptorTable.h"
#include "snmp/QxOptionList.h"

// Descriptor tables of the IGMP and MLD snooping dialogs (vendor MIB).
namespace SnoopingDialogTables {

// Multicast-router ports per VLAN (one key: the VLAN ID).
extern const QxDescriptorTable igmpRouterPorts; // " IGMP Router Ports"
namespace IgmpRouterColumn {
enum : int { VlanId, VlanName, StaticPorts, DynamicPorts, ForbiddenPorts, Count };
}
extern const QxDescriptorTable mldRouterPorts; // " MLD Router Ports"
namespace MldRouterColumn {
enum : int { VlanId, StaticPorts, DynamicPorts, ForbiddenPorts, Count };
}

// IGMP multicast (ISM) VLANs (one key: the VLAN ID).
extern const QxDescriptorTable ismVlans; // " IGMP Multicast VLAN"
namespace IsmColumn {
enum : int { VlanId, Name, SourcePorts, MemberPorts, TagMemberPorts, State, ReplaceSourceIp, RowStatus, Count };
}
// Item positions in the row-status options (active .. destroy).
inline constexpr int rowStatusCreateAndGo = 3;
inline constexpr int rowStatusDestroy = 5;

// Address ranges of a multicast VLAN (three keys: VLAN ID, from and to address).
extern const QxDescriptorTable multicastGroups; // " IGMP Multicast VLAN Group"
namespace GroupColumn {
enum : int { VlanId, FromIp, ToIp, Status, Count };
}

// MLD groups (three keys: VLAN ID, group and source address), read only.
extern const QxDescriptorTable mldGroups; // " MLD Snooping Group"
namespace MldGroupColumn {
enum : int { VlanId, GroupAddress, SourceAddress, IncludePorts, ExcludePorts, Count };
}

// Clearing the dynamically learnt IP multicast entries: VLAN, address, action.
extern const QxDescriptorTable clearDynamic; // " IGMP Snooping Clear Dynamic IP Multicast"
namespace ClearColumn {
enum : int { VlanId, Address, Action, Count };
}

} // namespace SnoopingDialogTables
