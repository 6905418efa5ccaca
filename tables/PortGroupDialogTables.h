#pragma once

#include "snmp/QxDescriptorTable.h"
#include "snmp/QxOptionList.h"

// Descriptor tables of the trunk, mirror, traffic-segmentation and LACP
// aggregator-port dialogs (vendor MIB).
namespace PortGroupDialogTables {

// Trunk groups 1-6 (one key: the group): master port (global number), member
// ports, type, active ports, row status, flooding port.
extern const QxDescriptorTable trunks; // " Port Trunk"
namespace TrunkColumn {
enum : int { Index, MasterPort, PortList, Type, ActivePorts, State, FloodingPort, Count };
}
// Item positions in the trunk row-status options (active, notInService, createAndGo, destroy).
inline constexpr int trunkStateCreateAndGo = 2;
inline constexpr int trunkStateDestroy = 3;

// Port mirroring: ingress and egress source ports, target port, state.
extern const QxDescriptorTable mirror; // " Port Mirror"
namespace MirrorColumn {
enum : int { RxPorts, TxPorts, TargetPort, State, Count };
}

// Traffic segmentation (one key: the port): the ports it may forward to.
extern const QxDescriptorTable segmentation; // " Traffic Segmentation"
namespace SegmentationColumn {
enum : int { Port, ForwardPorts, Count };
}

// LACP aggregator ports (one key: the port), 24 columns; the four state
// columns are one octet of LACP state bits each.
extern const QxDescriptorTable aggregatorPorts; // " Aggregator Port"
namespace AggregatorColumn {
enum : int {
    PortIndex,
    ActorSystemPriority,
    ActorSystemId,
    ActorAdminKey,
    ActorOperKey,
    PartnerAdminSystemPriority,
    PartnerOperSystemPriority,
    PartnerAdminSystemId,
    PartnerOperSystemId,
    PartnerAdminKey,
    PartnerOperKey,
    SelectedAggId,
    AttachedAggId,
    ActorPort,
    ActorPortPriority,
    PartnerAdminPort,
    PartnerOperPort,
    PartnerAdminPortPriority,
    PartnerOperPortPriority,
    ActorAdminState,
    ActorOperState,
    PartnerAdminState,
    PartnerOperState,
    AggregateOrIndividual,
    Count
};
}
// The LACP state bits in bit order (bit 0 the most significant of the octet).
extern const char *const lacpStateBits[8];

} // namespace PortGroupDialogTables
