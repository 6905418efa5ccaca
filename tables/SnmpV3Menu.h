#pragma once

#include "tables/CommandRecord.h"

// The "SNMP V3" menu: engine, message processing, target, USM, VACM,
// notification and community tables of the SNMPv3 framework.
extern const CommandGroup snmpV3MenuGroup;
