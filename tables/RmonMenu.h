#pragma once

#include "tables/CommandRecord.h"

// The "RMON" menu: the switch's RMON state, the RMON viewers and the (hidden)
// probe configuration of RMON2.
extern const CommandGroup rmonMenuGroup;
