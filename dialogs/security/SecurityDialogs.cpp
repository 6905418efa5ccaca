#include "dialogs/security/SecurityDialogs.h"

// Each dialog class of access control and security registers here when it is written.
const DedicatedDialogEntry securityDialogs[] = {
    {nullptr, nullptr},
};
