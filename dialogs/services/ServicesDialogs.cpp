#include "dialogs/services/ServicesDialogs.h"

#include "dialogs/services/TSMTPControlForm.h"
#include "dialogs/services/TSystemLogServerForm.h"
#include "dialogs/services/TTimeRangeForm.h"
#include "dialogs/services/Tdot3ControlForm.h"
#include "dialogs/services/Tdot3PauseForm.h"
#include "dialogs/services/TfrmAgentSupportedUpdateFiles.h"
#include "dialogs/services/TfrmNetwroktime.h"
#include "dialogs/services/TfrmSummerTime.h"

// Each dialog class of the system services registers here when it is written.
const DedicatedDialogEntry servicesDialogs[] = {
    {"TSMTPControlForm", DedicatedDialogEntry::make<TSMTPControlForm>},
    {"TSystemLogServerForm", DedicatedDialogEntry::make<TSystemLogServerForm>},
    {"Tdot3ControlForm", DedicatedDialogEntry::make<Tdot3ControlForm>},
    {"Tdot3PauseForm", DedicatedDialogEntry::make<Tdot3PauseForm>},
    {"TfrmAgentSupportedUpdateFiles", DedicatedDialogEntry::make<TfrmAgentSupportedUpdateFiles>},
    {"TTimeRangeForm", DedicatedDialogEntry::make<TTimeRangeForm>},
    {"TfrmNetwroktime", DedicatedDialogEntry::make<TfrmNetwroktime>},
    {"TfrmSummerTime", DedicatedDialogEntry::make<TfrmSummerTime>},
    {nullptr, nullptr},
};
