#include "tables/Layer3ManagementMenu.h"

#include "tables/MenuRecords.h"

namespace {

using namespace MenuRecords;

// Routing is not managed through this module: the items stay in the menu,
// which the main window keeps hidden as a whole, and run nothing.
const CommandRecord kRecords[] = {
    nothing(0, "IP Interface"),
    nothing(0, "Static Route"),
    nothing(0, "ARP Table"),
    {},
};

} // namespace

const CommandGroup Layer3ManagementGroup{"Layer 3 Management", kRecords};
