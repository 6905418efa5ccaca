#pragma once

#include "snmp/QxDescriptorTable.h"

// What the front panel reads of one port beside its LEDs: the counters a
// traffic chart samples and the details its tooltip shows. Every column is
// read at the port's instance (ifIndex, bridge port and PoE port are the port
// number on the switch), sysUpTime at instance 0.
namespace PortViewTables {

// One GET per sample of a traffic chart.
extern const QxDescriptorTable counters; // " Port Traffic"
namespace CounterColumn {
enum : int { UpTime, HCInOctets, HCOutOctets, InOctets, OutOctets, InErrors, OutErrors, InDiscards, OutDiscards, Count };
}

// One GET per look at a port's tooltip; its octet counters give the rates.
extern const QxDescriptorTable details; // " Port Details"
namespace DetailColumn {
enum : int {
    UpTime,
    HCInOctets,
    HCOutOctets,
    InOctets,
    OutOctets,
    Description,
    Alias,
    OperStatus,
    Speed,
    HighSpeed,
    Duplex,
    Pvid,
    PoeState,
    PoePower,
    PoeStatus,
    AdminStatus,
    Count
};
}

// What a port's socket on the front panel shows, read for every port at once
// with each poll: the columns at the port's instance (the PoE ones for ports
// 1-24 only). Admin Status is also what Enable and Disable write.
extern const QxDescriptorTable states; // " Port States"
namespace StateColumn {
enum : int { AdminStatus, OperStatus, Speed, HighSpeed, Duplex, InErrors, OutErrors, PoeStatus, Count };
}
// The first column that only PoE ports have.
inline constexpr int FirstPoeStateColumn = StateColumn::PoeStatus;
// The PoE port's administrative state, written by the port menu's PoE on/off.
extern const QxDescriptorTable poeAdmin; // " Port PoE"

// Every port's status in one walk of the interface, EtherLike, Q-BRIDGE port
// and PoE port columns side by side: each of those tables is indexed by the
// port number on this switch, so the walk's rows are the ports (and the CPU
// and VLAN interfaces, which only the interface columns reach).
extern const QxDescriptorTable status; // " Port Status"
namespace StatusColumn {
enum : int {
    Port,
    Description,
    AdminStatus,
    OperStatus,
    Speed,
    InOctets,
    OutOctets,
    InErrors,
    OutErrors,
    Alias,
    HighSpeed,
    HCInOctets,
    HCOutOctets,
    Duplex,
    Pvid,
    PoeState,
    PoePower,
    PoeStatus,
    Count
};
}

} // namespace PortViewTables
