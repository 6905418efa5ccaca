#pragma once

#include "tables/CommandRecord.h"

// The "Bridge" menu: spanning tree, the 802.1D base objects and the
// transparent-bridge viewers.
extern const CommandGroup bridgeMenuGroup;
