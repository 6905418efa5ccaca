#pragma once

#include "tables/CommandRecord.h"

// The "Single IP" menu: single-IP management of a switch group (commander,
// members, candidates and neighbours).
extern const CommandGroup SingleIpGroup;
