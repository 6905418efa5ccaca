#pragma once

#include "tables/CommandRecord.h"

// The "Layer 2 Management" menu: device control, ports, QoS, snooping, DHCP
// relay, CoS, multicast filters, access lists, time ranges, LLDP, loop
// detection, link aggregation and PoE.
extern const CommandGroup Layer2ManagementGroup;
