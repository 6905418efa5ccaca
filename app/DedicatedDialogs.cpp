#include "app/DedicatedDialogs.h"

#include "dialogs/security/SecurityDialogs.h"
#include "dialogs/services/ServicesDialogs.h"
#include "dialogs/switching/SwitchingDialogs.h"

namespace {

// Every folder's register of dialog classes.
const DedicatedDialogEntry *const kFolders[] = {switchingDialogs, servicesDialogs, securityDialogs};

} // namespace

DedicatedDialogs::Factory DedicatedDialogs::find(const QString &className)
{
    for (const DedicatedDialogEntry *folder : kFolders)
        for (const DedicatedDialogEntry *e = folder; e->className; ++e)
            if (className == QLatin1String(e->className))
                return e->factory;
    return nullptr;
}
