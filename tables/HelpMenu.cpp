#include "tables/HelpMenu.h"

namespace {

const CommandRecord kRecords[] = {
    {.depth = 0, .caption = "Help", .hidden = false, .shape = CommandShape::Action, .target = "help"},
    {.depth = 0, .caption = "About", .hidden = false, .shape = CommandShape::Action, .target = "about"},
    {.depth = 0, .caption = "Test", .hidden = true, .shape = CommandShape::Nothing},
    {},
};

} // namespace

const CommandGroup HelpGroup{"Help", kRecords};
