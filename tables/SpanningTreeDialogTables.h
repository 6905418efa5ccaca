#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor tables of the spanning-tree dialogs: vendor scalars under
// EnterpriseBase.12.15.1, all integer and writable.
namespace SpanningTreeDialogTables {

// The spanning-tree state alone (2 disabled, 3 enabled).
extern const QxDescriptorTable state; // " Spanning Tree State"

// The bridge parameters: version, Max Age, Hello Time, Forward Delay, Max Hops,
// TX Hold Count, Forward BPDU, loop-back detection and its recover time.
extern const QxDescriptorTable bridge; // " STP Bridge"
namespace BridgeColumn {
enum : int { Version, MaxAge, HelloTime, ForwardDelay, MaxHops, TxHoldCount, ForwardBpdu, Lbd, LbdRecover, Count };
}

// The same without Hello Time, which MSTP does not take.
extern const QxDescriptorTable mstp; // " MSTP Bridge"
namespace MstpColumn {
enum : int { Version, MaxAge, ForwardDelay, MaxHops, TxHoldCount, ForwardBpdu, Lbd, LbdRecover, Count };
}

} // namespace SpanningTreeDialogTables
