#include "dialogs/services/ServicesDialogs.h"

#include "dialogs/services/TSMTPControlForm.h"
#include "dialogs/services/TSystemLogServerForm.h"

// Each dialog class of the system services registers here when it is written.
const DedicatedDialogEntry servicesDialogs[] = {
    {"TSMTPControlForm", DedicatedDialogEntry::make<TSMTPControlForm>},
    {"TSystemLogServerForm", DedicatedDialogEntry::make<TSystemLogServerForm>},
    {nullptr, nullptr},
};
