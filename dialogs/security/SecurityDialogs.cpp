#include "dialogs/security/SecurityDialogs.h"

#include "dialogs/security/TBOOTCtrlTableForm.h"
#include "dialogs/security/TCertificateFileForm.h"
#include "dialogs/security/TCPUEthernetInformationForm.h"
#include "dialogs/security/TCPUEthernetInformationRuleForm.h"
#include "dialogs/security/TCPUIPMaskInformationForm.h"
#include "dialogs/security/TCPUIPRuleForm.h"
#include "dialogs/security/TCPUUserMaskInfoForm.h"
#include "dialogs/security/TCPUUserMaskRuleForm.h"
#include "dialogs/security/TDiagnosticsInformationForm.h"
#include "dialogs/security/TEnableMethodForm.h"
#include "dialogs/security/TEthernetInformationRuleForm.h"
#include "dialogs/security/TEthernetMaskInformationForm.h"
#include "dialogs/security/TfrmACCServerCtrl.h"
#include "dialogs/security/TGuestVlanForm.h"
#include "dialogs/security/TIPMACBindingForm.h"
#include "dialogs/security/TIPMaskInformationForm.h"
#include "dialogs/security/TIPRuleForm.h"
#include "dialogs/security/TLoginMethodListForm.h"
#include "dialogs/security/TPrtSecDelCtrlForm.h"
#include "dialogs/security/TRadiusServerForm.h"
#include "dialogs/security/TSafeguardCtrlForm.h"
#include "dialogs/security/TServerInformationForm.h"
#include "dialogs/security/TSSLManagementForm.h"
#include "dialogs/security/TUserDefinedInformationRuleForm.h"
#include "dialogs/security/TUserMaskInfoForm.h"

// Each dialog class of access control and security registers here when it is written.
const DedicatedDialogEntry securityDialogs[] = {
    {"TEthernetMaskInformationForm", DedicatedDialogEntry::make<TEthernetMaskInformationForm>},
    {"TIPMaskInformationForm", DedicatedDialogEntry::make<TIPMaskInformationForm>},
    {"TUserMaskInfoForm", DedicatedDialogEntry::make<TUserMaskInfoForm>},
    {"TCPUEthernetInformationForm", DedicatedDialogEntry::make<TCPUEthernetInformationForm>},
    {"TCPUIPMaskInformationForm", DedicatedDialogEntry::make<TCPUIPMaskInformationForm>},
    {"TCPUUserMaskInfoForm", DedicatedDialogEntry::make<TCPUUserMaskInfoForm>},
    {"TEthernetInformationRuleForm", DedicatedDialogEntry::make<TEthernetInformationRuleForm>},
    {"TIPRuleForm", DedicatedDialogEntry::make<TIPRuleForm>},
    {"TUserDefinedInformationRuleForm", DedicatedDialogEntry::make<TUserDefinedInformationRuleForm>},
    {"TCPUEthernetInformationRuleForm", DedicatedDialogEntry::make<TCPUEthernetInformationRuleForm>},
    {"TCPUIPRuleForm", DedicatedDialogEntry::make<TCPUIPRuleForm>},
    {"TCPUUserMaskRuleForm", DedicatedDialogEntry::make<TCPUUserMaskRuleForm>},
    {"TRadiusServerForm", DedicatedDialogEntry::make<TRadiusServerForm>},
    {"TSSLManagementForm", DedicatedDialogEntry::make<TSSLManagementForm>},
    {"TCertificateFileForm", DedicatedDialogEntry::make<TCertificateFileForm>},
    {"TSafeguardCtrlForm", DedicatedDialogEntry::make<TSafeguardCtrlForm>},
    {"TDiagnosticsInformationForm", DedicatedDialogEntry::make<TDiagnosticsInformationForm>},
    {"TIPMACBindingForm", DedicatedDialogEntry::make<TIPMACBindingForm>},
    {"TPrtSecDelCtrlForm", DedicatedDialogEntry::make<TPrtSecDelCtrlForm>},
    {"TGuestVlanForm", DedicatedDialogEntry::make<TGuestVlanForm>},
    {"TBOOTCtrlTableForm", DedicatedDialogEntry::make<TBOOTCtrlTableForm>},
    {"TLoginMethodListForm", DedicatedDialogEntry::make<TLoginMethodListForm>},
    {"TEnableMethodForm", DedicatedDialogEntry::make<TEnableMethodForm>},
    {"TServerInformationForm", DedicatedDialogEntry::make<TServerInformationForm>},
    {"TfrmACCServerCtrl", DedicatedDialogEntry::make<TfrmACCServerCtrl>},
    {nullptr, nullptr},
};
