#include "dialogs/switching/SwitchingDialogs.h"

#include "dialogs/switching/TVLanCurrentTableForm.h"
#include "dialogs/switching/TVLanGeneralInfoForm.h"
#include "dialogs/switching/TVLanPortInfomationForm.h"
#include "dialogs/switching/TVlanStaticForm.h"

// Each dialog class of the switching features registers here when it is written.
const DedicatedDialogEntry switchingDialogs[] = {
    {"TVLanGeneralInfoForm", DedicatedDialogEntry::make<TVLanGeneralInfoForm>},
    {"TVLanPortInfomationForm", DedicatedDialogEntry::make<TVLanPortInfomationForm>},
    {"TVlanStaticForm", DedicatedDialogEntry::make<TVlanStaticForm>},
    {"TVLanCurrentTableForm", DedicatedDialogEntry::make<TVLanCurrentTableForm>},
    {nullptr, nullptr},
};
