#pragma once

#include "tables/CommandRecord.h"

// The "Security Management" menu: authentication modes, 802.1X, RADIUS, AAC,
// SSH, SSL, the safeguard engine, IP-MAC binding and DoS prevention.
extern const CommandGroup SecurityManagementGroup;
