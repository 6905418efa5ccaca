#include "dialogs/security/SecurityDialogs.h"

#include "dialogs/security/TCPUEthernetInformationForm.h"
#include "dialogs/security/TCPUIPMaskInformationForm.h"
#include "dialogs/security/TCPUUserMaskInfoForm.h"
#include "dialogs/security/TEthernetMaskInformationForm.h"
#include "dialogs/security/TIPMaskInformationForm.h"
#include "dialogs/security/TRadiusServerForm.h"
#include "dialogs/security/TUserMaskInfoForm.h"

// Each dialog class of access control and security registers here when it is written.
const DedicatedDialogEntry securityDialogs[] = {
    {"TEthernetMaskInformationForm", DedicatedDialogEntry::make<TEthernetMaskInformationForm>},
    {"TIPMaskInformationForm", DedicatedDialogEntry::make<TIPMaskInformationForm>},
    {"TUserMaskInfoForm", DedicatedDialogEntry::make<TUserMaskInfoForm>},
    {"TCPUEthernetInformationForm", DedicatedDialogEntry::make<TCPUEthernetInformationForm>},
    {"TCPUIPMaskInformationForm", DedicatedDialogEntry::make<TCPUIPMaskInformationForm>},
    {"TCPUUserMaskInfoForm", DedicatedDialogEntry::make<TCPUUserMaskInfoForm>},
    {"TRadiusServerForm", DedicatedDialogEntry::make<TRadiusServerForm>},
    {nullptr, nullptr},
};
