#include "dialogs/switching/SwitchingDialogs.h"

#include "dialogs/switching/TAggregatorPortTableForm.h"
#include "dialogs/switching/TIGMPMulticastVlanForm.h"
#include "dialogs/switching/TIGMPRouterPortsForm.h"
#include "dialogs/switching/TIGMPSnoopingClearDnyIpMultForm.h"
#include "dialogs/switching/TISMVLANForm.h"
#include "dialogs/switching/TLLDPConfigProtocolForm.h"
#include "dialogs/switching/TLLDPConfigProtocolVLANForm.h"
#include "dialogs/switching/TLLDPConfigVLANNameForm.h"
#include "dialogs/switching/TLLDPDot3LinkAggForm.h"
#include "dialogs/switching/TLLDPDot3PortConfigForm.h"
#include "dialogs/switching/TLLDPDot3RemoteLinkAggForm.h"
#include "dialogs/switching/TLLDPLocSysDataForm.h"
#include "dialogs/switching/TLLDPPortConfigForm.h"
#include "dialogs/switching/TLLDPRemoteForm.h"
#include "dialogs/switching/TMLD_SnoopingGroupForm.h"
#include "dialogs/switching/TMLD_SnoopingRouterPortsForm.h"
#include "dialogs/switching/TPortMirrorForm.h"
#include "dialogs/switching/TPortTrunkForm.h"
#include "dialogs/switching/TSTP_Info.h"
#include "dialogs/switching/TSpanningTreeAlgorithmForm.h"
#include "dialogs/switching/TTrafficSegmentationForm.h"
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
    {"TPortTrunkForm", DedicatedDialogEntry::make<TPortTrunkForm>},
    {"TPortMirrorForm", DedicatedDialogEntry::make<TPortMirrorForm>},
    {"TTrafficSegmentationForm", DedicatedDialogEntry::make<TTrafficSegmentationForm>},
    {"TAggregatorPortTableForm", DedicatedDialogEntry::make<TAggregatorPortTableForm>},
    {"TSpanningTreeAlgorithmForm", DedicatedDialogEntry::make<TSpanningTreeAlgorithmForm>},
    {"TSTP_Info", DedicatedDialogEntry::make<TSTP_Info>},
    {"TIGMPRouterPortsForm", DedicatedDialogEntry::make<TIGMPRouterPortsForm>},
    {"TISMVLANForm", DedicatedDialogEntry::make<TISMVLANForm>},
    {"TIGMPMulticastVlanForm", DedicatedDialogEntry::make<TIGMPMulticastVlanForm>},
    {"TIGMPSnoopingClearDnyIpMultForm", DedicatedDialogEntry::make<TIGMPSnoopingClearDnyIpMultForm>},
    {"TMLD_SnoopingGroupForm", DedicatedDialogEntry::make<TMLD_SnoopingGroupForm>},
    {"TMLD_SnoopingRouterPortsForm", DedicatedDialogEntry::make<TMLD_SnoopingRouterPortsForm>},
    {"TLLDPPortConfigForm", DedicatedDialogEntry::make<TLLDPPortConfigForm>},
    {"TLLDPDot3PortConfigForm", DedicatedDialogEntry::make<TLLDPDot3PortConfigForm>},
    {"TLLDPRemoteForm", DedicatedDialogEntry::make<TLLDPRemoteForm>},
    {"TLLDPLocSysDataForm", DedicatedDialogEntry::make<TLLDPLocSysDataForm>},
    {"TLLDPDot3LinkAggForm", DedicatedDialogEntry::make<TLLDPDot3LinkAggForm>},
    {"TLLDPDot3RemoteLinkAggForm", DedicatedDialogEntry::make<TLLDPDot3RemoteLinkAggForm>},
    {"TLLDPConfigVLANNameForm", DedicatedDialogEntry::make<TLLDPConfigVLANNameForm>},
    {"TLLDPConfigProtocolVLANForm", DedicatedDialogEntry::make<TLLDPConfigProtocolVLANForm>},
    {"TLLDPConfigProtocolForm", DedicatedDialogEntry::make<TLLDPConfigProtocolForm>},
    {nullptr, nullptr},
};
