#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor tables of the static filtering dialogs and the port capability
// table (Q-BRIDGE and BRIDGE MIBs): entries keyed VLAN . MAC . receive port.
namespace StaticFilterDialogTables {

extern const QxDescriptorTable unicast; // " Static Unicast"
namespace UnicastColumn {
enum : int { VlanId, Address, ReceivePort, AllowedToGoTo, Status, Count };
}
extern const QxDescriptorTable multicast; // " Static Multicast"
namespace MulticastColumn {
enum : int { VlanId, Address, ReceivePort, EgressPorts, Status, Count };
}
// Item positions in both status lists.
inline constexpr int statusInvalid = 0;
inline constexpr int statusPermanent = 1;

// Ports with their 802.1D capabilities (read only).
extern const QxDescriptorTable portCapabilities; // " Port Capabilities"

} // namespace StaticFilterDialogTables
