#pragma once

#include "tables/CommandRecord.h"

// The "Basic Configuration" menu: agent, time, log and SMTP management, cable
// diagnostics, the IF-MIB, MIB II and EtherLike viewers, ping and trace-route
// tables, saving and rebooting.
extern const CommandGroup basicConfigurationMenuGroup;
