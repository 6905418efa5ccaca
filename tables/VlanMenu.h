#pragma once

#include "tables/CommandRecord.h"

// The "VLAN" menu: 802.1P priorities, 802.1Q bridge, forwarding and filtering,
// QinQ, VLAN advertisement and multiple-VLAN management.
extern const CommandGroup vlanMenuGroup;
