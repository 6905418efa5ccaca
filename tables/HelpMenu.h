#pragma once

#include "tables/CommandRecord.h"

// The "Help" menu: the help file and the About box.
extern const CommandGroup HelpGroup;
