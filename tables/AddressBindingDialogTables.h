#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor tables of the dialogs that tie addresses to ports (vendor MIB):
// the IP-MAC bindings, the deletion of a learnt port-security address, the
// guest VLAN and the DHCP relay servers of each interface.
namespace AddressBindingDialogTables {

// IP-MAC bindings, keyed by the IP address.
extern const QxDescriptorTable ipMacBindings; // " IP-MAC Binding"
namespace IpMacColumn {
enum : int { Address, Mac, Status, Ports, Action, Mode, Count };
}

// Deletes one learnt port-security address: its VLAN, port and MAC, then
// the activity "start".
extern const QxDescriptorTable portSecurityDelete; // " Port Security Delete"
namespace PortSecurityColumn {
enum : int { VlanName, Port, Mac, Activity, Count };
}
inline constexpr int activityStart = 1; // item of the activity list

// The guest VLAN: its name and ports, and separately its delete state.
extern const QxDescriptorTable guestVlan;       // " Guest VLAN"
extern const QxDescriptorTable guestVlanDelete; // " Guest VLAN Delete"
namespace GuestVlanColumn {
enum : int { Name, Ports, Count };
}
inline constexpr int deleteStart = 1; // item of the delete-state list

// The DHCP relay servers, keyed by interface name and server address.
extern const QxDescriptorTable dhcpRelay; // " DHCP Relay Control"
namespace DhcpRelayColumn {
enum : int { Interface, Server, RowStatus, Count };
}
// Item positions in the relay's row-status list (1 active .. 6 destroy).
inline constexpr int relayCreateAndGo = 3;
inline constexpr int relayDestroy = 5;
// The servers one interface relays to, at most.
inline constexpr int serversPerInterface = 4;

} // namespace AddressBindingDialogTables
