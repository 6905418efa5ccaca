#pragma once

#include "dialogs/dedicated/DedicatedDialogEntry.h"

// The dedicated dialog classes of this folder, ended by an entry without a name.
extern const DedicatedDialogEntry securityDialogs[];
