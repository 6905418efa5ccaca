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
    Count
};
}

} // namespace PortViewTables
