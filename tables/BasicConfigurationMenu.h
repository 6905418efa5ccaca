#pragma once

#include "tables/CommandRecord.h"

// The "Basic Configuration" menu: agent, time, log and SMTP management, cable
// diagnostics, the IF-MIB, MIB II and EtherLike viewers, ping and trace-route
// tables, saving and rebooting.
extern const CommandGroup basicConfigurationMenuGroup;

// The switch's save object ("Save Changes"): written with "all" to save every area.
extern const QxSNMPVarItem *const saveChangesItems;
inline constexpr char saveAllText[] = "all";
inline constexpr char saveNothingText[] = "other";
