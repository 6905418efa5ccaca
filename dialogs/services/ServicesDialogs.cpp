#include "dialogs/services/ServicesDialogs.h"

// Each dialog class of the system services registers here when it is written.
const DedicatedDialogEntry servicesDialogs[] = {
    {nullptr, nullptr},
};
