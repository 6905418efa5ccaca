#pragma once

#include "snmp/QxDescriptorTable.h"

#include <array>

// Descriptor tables of the LLDP dialogs (LLDP-MIB 1.0.8802.1.1.2 with its
// 802.1 and 802.3 extensions), and the names of their bit maps.
namespace LldpDialogTables {

// The bit maps' names, most significant bit first (null: a bit without one).
using BitNames = std::array<const char *, 8>;
extern const BitNames basicTlvs;
extern const BitNames dot3Tlvs;
extern const BitNames capabilities;
extern const BitNames linkAggregation;

// Family 1: which optional TLVs a port sends.
extern const QxDescriptorTable portConfig; // " Port Configuration"
namespace PortConfigColumn {
enum : int { Port, AdminStatus, Notification, Tlvs, Count };
}
extern const QxDescriptorTable dot3PortConfig; // " LLDP Dot3 Port Configuration"
namespace Dot3PortConfigColumn {
enum : int { Port, Tlvs, Count };
}

// Family 2: what the switch and its neighbours report, read only.
extern const QxDescriptorTable remoteSystems; // " LLDP Remote"
namespace RemoteColumn {
enum : int {
    TimeMark,
    LocalPort,
    Index,
    ChassisIdSubtype,
    ChassisId,
    PortIdSubtype,
    PortId,
    PortDescription,
    SystemName,
    SystemDescription,
    CapabilitiesSupported,
    CapabilitiesEnabled,
    Count
};
}
extern const QxDescriptorTable localSystem; // " Local System Data"
namespace LocalSystemColumn {
enum : int { ChassisIdSubtype, ChassisId, SystemName, SystemDescription, CapabilitiesSupported, CapabilitiesEnabled, Count };
}
extern const QxDescriptorTable localLinkAggregation; // " Local Link Aggregation"
namespace LocalLinkAggColumn {
enum : int { Port, Status, PortId, Count };
}
extern const QxDescriptorTable remoteLinkAggregation; // " Remote Link Aggregation"
namespace RemoteLinkAggColumn {
enum : int { TimeMark, LocalPort, Index, Status, PortId, Count };
}

// Family 3: the 802.1 extension's transmit switches (two keys each).
extern const QxDescriptorTable vlanNameTx;     // " Configuration VLAN Name"
extern const QxDescriptorTable protocolVlanTx; // " Configuration Protocol VLAN"
extern const QxDescriptorTable protocolTx;     // " Configuration Protocol"
namespace TxColumn {
enum : int { Port, Index, Transmit, Count };
}

} // namespace LldpDialogTables
