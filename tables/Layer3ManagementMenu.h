#pragma once

#include "tables/CommandRecord.h"

// The "Layer 3 Management" menu. The main window hides it as a whole; its items
// open nothing.
extern const CommandGroup Layer3ManagementGroup;
