#include "tables/Layer3ManagementMenu.h"

namespace {

// Routing is not managed through this module: the items stay in the menu,
// which the main window keeps hidden as a whole, and run nothing.
constexpr CommandRecord nothing(const char *caption)
{
    return {.depth = 0, .caption = caption, .hidden = true, .shape = CommandShape::Nothing};
}

const CommandRecord kRecords[] = {
    nothing("IP Interface"),
    nothing("Static Route"),
    nothing("ARP Table"),
    {},
};

} // namespace

const CommandGroup Layer3ManagementGroup{"Layer 3 Management", kRecords};
