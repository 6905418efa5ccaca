#include "tables/SnapshotTables.h"

#include "tables/AacDialogTables.h"
#include "tables/AclDialogTables.h"
#include "tables/AclRuleTables.h"
#include "tables/AddressBindingDialogTables.h"
#include "tables/EtherLikeDialogTables.h"
#include "tables/LldpDialogTables.h"
#include "tables/MemberSwitchDialogTables.h"
#include "tables/PortGroupDialogTables.h"
#include "tables/RadiusDialogTables.h"
#include "tables/ReportingDialogTables.h"
#include "tables/SnoopingDialogTables.h"
#include "tables/SpanningTreeDialogTables.h"
#include "tables/SslSafeguardDialogTables.h"
#include "tables/StaticFilterDialogTables.h"
#include "tables/TimeDialogTables.h"
#include "tables/UpdateFileDialogTables.h"
#include "tables/VlanDialogTables.h"

namespace SnapshotTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

// Read, never written: they only name the switch in the document.
constexpr QxSNMPVarItem kSwitchIdentity[] = {
    {"1.3.6.1.2.1.1.5", "System Name", S::displaystr, A::readonly, nullptr},
    {"1.3.6.1.2.1.1.2", "System Object ID", S::objectid, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kSwitchIdentity) == IdentityColumn::Count);
static_assert(QxColumns::captionIs(kSwitchIdentity, IdentityColumn::SysObjectId, "System Object ID"));

constexpr int kFixedRows = -1;

} // namespace

const QxDescriptorTable switchIdentity{kSwitchIdentity, SVT_SV, 0, " Switch Identity"};

// ---------------------------------------------------------------------------
// What the dedicated dialogs edit, in menu order. A dialog that only shows
// (statistics, diagnostics, the current VLANs, LLDP local and remote data,
// MLD groups, port capabilities) or only starts an action (the port-security
// delete, clearing the dynamic IP multicast entries) has no entry.

const Source dedicatedSources[] = {
    // Basic Configuration. The update files and the certificate keep where a
    // transfer goes; the control that starts one is no configuration.
    {"TfrmAgentSupportedUpdateFiles", &UpdateFileDialogTables::updateFiles, kFixedRows},
    {"TfrmNetwroktime", &TimeDialogTables::networkTime, kFixedRows},
    // The dialog writes the status and one of the two rules; the switch keeps both.
    {"TfrmSummerTime", &TimeDialogTables::summerStatus, kFixedRows},
    {"TfrmSummerTime", &TimeDialogTables::summerRepeating, kFixedRows},
    {"TfrmSummerTime", &TimeDialogTables::summerAnnual, kFixedRows},
    {"TSystemLogServerForm", &ReportingDialogTables::syslogHosts, ReportingDialogTables::SyslogColumn::RowStatus},
    {"TSMTPControlForm", &ReportingDialogTables::smtp, kFixedRows},
    {"Tdot3PauseForm", &EtherLikeDialogTables::pausePorts, kFixedRows},

    // Bridge. The spanning-tree state has a dialog of its own; STP Control
    // also shows it, and writes the bridge parameters (the MSTP list it
    // writes in MSTP mode is the same objects without Hello Time).
    {"TSpanningTreeAlgorithmForm", &SpanningTreeDialogTables::state, kFixedRows},
    {"TSTP_Info", &SpanningTreeDialogTables::bridge, kFixedRows},

    // VLAN
    {"TVLanGeneralInfoForm", &VlanDialogTables::scalars, kFixedRows},
    {"TVLanPortInfomationForm", &VlanDialogTables::portVlans, kFixedRows},
    {"TVlanStaticForm", &VlanDialogTables::staticVlans, VlanDialogTables::StaticColumn::RowStatus},
    // An entry is made by its status "permanent" and removed by "invalid":
    // no createAndGo, so a restore changes the entries both sides have.
    {"TUnicastFilterInformationForm", &StaticFilterDialogTables::unicast, kFixedRows},
    {"TMulticastFilterInformationForm", &StaticFilterDialogTables::multicast, kFixedRows},

    // Security Management. The guest VLAN's delete state is an action.
    {"TGuestVlanForm", &AddressBindingDialogTables::guestVlan, kFixedRows},
    {"TRadiusServerForm", &RadiusDialogTables::servers, RadiusDialogTables::Column::Status},
    {"TLoginMethodListForm", &AacDialogTables::loginMethodLists, AacDialogTables::MethodColumn::RowStatus},
    {"TEnableMethodForm", &AacDialogTables::enableMethodLists, AacDialogTables::MethodColumn::RowStatus},
    {"TServerInformationForm", &AacDialogTables::servers, AacDialogTables::ServerColumn::RowStatus},
    // A group's server is added and deleted by its row state (add, delete).
    {"TfrmACCServerCtrl", &AacDialogTables::groupServers, kFixedRows},
    {"TSSLManagementForm", &SslSafeguardDialogTables::ssl, kFixedRows},
    {"TCertificateFileForm", &SslSafeguardDialogTables::certificate, kFixedRows},
    {"TSafeguardCtrlForm", &SslSafeguardDialogTables::safeguard, kFixedRows},
    {"TIPMACBindingForm", &AddressBindingDialogTables::ipMacBindings, AddressBindingDialogTables::IpMacColumn::Status},

    // Layer 2 Management: port groups, IGMP snooping and DHCP relay
    {"TPortTrunkForm", &PortGroupDialogTables::trunks, PortGroupDialogTables::TrunkColumn::State},
    {"TPortMirrorForm", &PortGroupDialogTables::mirror, kFixedRows},
    {"TIGMPRouterPortsForm", &SnoopingDialogTables::igmpRouterPorts, kFixedRows},
    {"TISMVLANForm", &SnoopingDialogTables::ismVlans, SnoopingDialogTables::IsmColumn::RowStatus},
    {"TIGMPMulticastVlanForm", &SnoopingDialogTables::multicastGroups, SnoopingDialogTables::GroupColumn::Status},
    {"TBOOTCtrlTableForm", &AddressBindingDialogTables::dhcpRelay,
     AddressBindingDialogTables::DhcpRelayColumn::RowStatus},
    {"TTrafficSegmentationForm", &PortGroupDialogTables::segmentation, kFixedRows},

    // Access lists: the masks, then the rules under them
    {"TEthernetMaskInformationForm", &AclDialogTables::ethernetMask, AclDialogTables::EthernetColumn::RowStatus},
    {"TEthernetInformationRuleForm", &AclRuleTables::ethernetRule, AclRuleTables::ethernetRuleColumns.rowStatus},
    {"TIPMaskInformationForm", &AclDialogTables::ipMask, AclDialogTables::ipMaskColumns.rowStatus},
    {"TIPRuleForm", &AclRuleTables::ipRule, AclRuleTables::ipRuleColumns.rowStatus},
    {"TUserMaskInfoForm", &AclDialogTables::packetMask, AclDialogTables::PacketColumn::RowStatus},
    {"TUserDefinedInformationRuleForm", &AclRuleTables::packetRule, AclRuleTables::PacketRuleColumn::RowStatus},

    // The CPU filter's masks and rules
    {"TCPUEthernetInformationForm", &AclDialogTables::cpuEthernetMask, AclDialogTables::EthernetColumn::RowStatus},
    {"TCPUEthernetInformationRuleForm", &AclRuleTables::cpuEthernetRule,
     AclRuleTables::cpuEthernetRuleColumns.rowStatus},
    {"TCPUIPMaskInformationForm", &AclDialogTables::cpuIpMask, AclDialogTables::cpuIpMaskColumns.rowStatus},
    {"TCPUIPRuleForm", &AclRuleTables::cpuIpRule, AclRuleTables::cpuIpRuleColumns.rowStatus},
    {"TCPUUserMaskInfoForm", &AclDialogTables::cpuPacketMask, AclDialogTables::PacketColumn::RowStatus},
    {"TCPUUserMaskRuleForm", &AclRuleTables::cpuPacketRule, AclRuleTables::CpuPacketRuleColumn::RowStatus},

    {"TTimeRangeForm", &TimeDialogTables::timeRanges, TimeDialogTables::RangeColumn::Status},

    // LLDP: the transmit switches of each port
    {"TLLDPPortConfigForm", &LldpDialogTables::portConfig, kFixedRows},
    {"TLLDPConfigVLANNameForm", &LldpDialogTables::vlanNameTx, kFixedRows},
    {"TLLDPConfigProtocolVLANForm", &LldpDialogTables::protocolVlanTx, kFixedRows},
    {"TLLDPConfigProtocolForm", &LldpDialogTables::protocolTx, kFixedRows},
    {"TLLDPDot3PortConfigForm", &LldpDialogTables::dot3PortConfig, kFixedRows},

    // 802.3ad and MLD snooping
    {"TAggregatorPortTableForm", &PortGroupDialogTables::aggregatorPorts, kFixedRows},
    {"TMLD_SnoopingRouterPortsForm", &SnoopingDialogTables::mldRouterPorts, kFixedRows},

    // Single IP. The dialog writes one member at an ID it is given; the
    // member table has the same columns and is walked instead.
    {"TMSInformationForm", &MemberSwitchDialogTables::members, MemberSwitchDialogTables::MemberColumn::RowStatus},

    {},
};

// ---------------------------------------------------------------------------
// Writable objects that are no configuration.

const char *const notConfiguration[] = {
    // Basic Configuration
    "EnterpriseBase.12.1.2.12.1",     // ARP Clear All State: empties the ARP cache
    "EnterpriseBase.12.1.2.11.1",     // FDB Clear All State: empties the forwarding database
    "EnterpriseBase.12.1.2.10.2",     // Trust Host Delete All: removes every trusted host
    "EnterpriseBase.12.1.2.6",        // Save: writes the configuration to flash
    "EnterpriseBase.12.1.2.1.1.8",    // File Control: starts or deletes a file transfer
    "EnterpriseBase.12.10.2",         // Current Time: the running clock
    "EnterpriseBase.12.10.3",         // System Date: the running clock's date
    "EnterpriseBase.12.10.4",         // System Clock: the running clock's time
    "EnterpriseBase.12.12.5",         // System Log Clear: empties the log
    "EnterpriseBase.12.29.1.7",       // SMTP Send Test Message: sends the test mail
    "EnterpriseBase.12.58.1.1.1.13",  // cable diagnostics Test Action: runs the test
    "1.3.6.1.2.1.80.1.2.1.8",         // ping Admin Status: "enabled" runs the test
    "1.3.6.1.2.1.81.1.2.1.21",        // trace route Admin Status: "enabled" runs the test

    // RMON
    "1.3.6.1.2.1.16.19.4",            // Probe Date Time: the probe's clock

    // Bridge
    "EnterpriseBase.12.15.2.4.1.12",  // Port Protocol Migration: forces a BPDU migration check

    // VLAN: the multiple-VLAN management runs an action on the VLANs and
    // ports it is given; the VLANs themselves are in the 802.1Q static table.
    "EnterpriseBase.11.63.7.2.23.2.1", // VLAN List
    "EnterpriseBase.11.63.7.2.23.2.2", // Advertisement
    "EnterpriseBase.11.63.7.2.23.2.3", // Port List
    "EnterpriseBase.11.63.7.2.23.2.4", // Port List Action
    "EnterpriseBase.11.63.7.2.23.2.5", // Action: create, configure or delete

    // SNMP V3
    "1.3.6.1.6.3.12.1.1",             // Target Spin Lock: moves with every change of the target tables
    "1.3.6.1.6.3.15.1.2.2.1.4",       // User Clone From: copies another user's keys once; reads 0.0

    // Security Management
    "1.0.8802.1.1.1.1.1.2.1.4",       // 802.1X Initialize: restarts the port's authenticator
    "1.0.8802.1.1.1.1.1.2.1.5",       // 802.1X Reauthenticate: reauthenticates the supplicant
    "EnterpriseBase.12.3.7.1",        // RADIUS Force Down Port Number: logs the port's supplicant off
    "EnterpriseBase.12.3.7.2",        // RADIUS Force Down MAC Address: logs that supplicant off
    "EnterpriseBase.12.30.1.3",       // Guest VLAN Delete State: removes the guest VLAN
    "EnterpriseBase.12.7.2.4",        // Certificate File Control: starts or deletes the download
    "EnterpriseBase.12.23.1.3",       // DHCP Snoop Entry Clear: empties the snooped entries
    "EnterpriseBase.12.23.4.2.1.6",   // IP-MAC blocked Row Status: the switch blocks hosts itself; only removes one
    "EnterpriseBase.12.59.1.2",       // Clear DoS Prevention Counters

    // Layer 2 Management
    "EnterpriseBase.11.63.7.2.1.2.1",  // System Reboot: reboots, saves first or loads the factory defaults
    "EnterpriseBase.11.63.7.2.1.2.12", // Clean All Statistic Counter
    // The port-security delete removes one learnt address: VLAN, port, MAC
    // and the activity "start".
    "EnterpriseBase.11.63.7.2.15.3.1",
    "EnterpriseBase.11.63.7.2.15.3.2",
    "EnterpriseBase.11.63.7.2.15.3.3",
    "EnterpriseBase.11.63.7.2.15.3.4",
    // Clearing the dynamic IP multicast entries: VLAN, group and the action.
    "EnterpriseBase.11.63.7.2.7.12.2.1",
    "EnterpriseBase.11.63.7.2.7.12.2.2",
    "EnterpriseBase.11.63.7.2.7.12.2.3",
    // The multicast filter port table adds a profile to a port or deletes it
    // from there; the profiles a port has are the port information's list.
    "EnterpriseBase.11.63.7.2.22.3.1.2", // Profile ID
    "EnterpriseBase.11.63.7.2.22.3.1.3", // Action: add or delete
    "EnterpriseBase.12.9.2.5",         // ACL Mask Delete All State: removes every mask and rule

    nullptr,
};

// ---------------------------------------------------------------------------
// Restore order: below DefaultRank what others name, above it what names
// them; rows are made in rising rank and deleted in falling rank.

const Rank restoreRanks[] = {
    // Trunk groups first: VLAN membership and the LACP, trunk-VLAN and
    // 802.3ad settings of their ports go to the trunk's ports.
    {"EnterpriseBase.11.63.7.2.4.3", 10},
    {"EnterpriseBase.11.63.7.2.4.5", 60}, // LACP mode of each port
    {"EnterpriseBase.11.63.7.2.4.6", 60}, // VLANs allowed on each trunk
    {"EnterpriseBase.12.4.1", 60},        // 802.3ad aggregators and aggregator ports

    // VLANs (802.1Q static and IGMP multicast VLANs) before what names a VLAN.
    {"1.3.6.1.2.1.17.7.1.4.3", 20},
    {"EnterpriseBase.11.63.7.2.7.8", 20},
    {"1.3.6.1.2.1.17.7.1.4.5", 60},              // PVID and port VLAN settings
    {"1.3.6.1.2.1.17.7.1.3", 60},                // static unicast and multicast entries, by VLAN
    {"EnterpriseBase.11.63.7.2.1.2", 60},        // layer 2 device control: the management VLAN
    {"EnterpriseBase.11.63.7.2.7.3", 60},        // IGMP snooping settings of each VLAN
    {"EnterpriseBase.11.63.7.2.7.6", 60},        // IGMP router ports of each VLAN
    {"EnterpriseBase.11.63.7.2.7.7", 60},        // IGMP access authentication of each VLAN
    {"EnterpriseBase.11.63.7.2.7.9", 60},        // address ranges of each IGMP multicast VLAN
    {"EnterpriseBase.11.63.7.2.23.1", 60},       // VLAN advertisement
    {"EnterpriseBase.11.63.7.2.24.2", 60},       // DHCP local relay of each VLAN
    {"EnterpriseBase.12.30.1", 60},              // the guest VLAN
    {"EnterpriseBase.12.34.3.2", 60},            // MLD snooping settings of each VLAN
    {"EnterpriseBase.12.34.3.4", 60},            // MLD router ports of each VLAN
    {"1.0.8802.1.1.2.1.5.32962.1.1.2", 60},      // LLDP VLAN name TX, by port and VLAN
    {"1.0.8802.1.1.2.1.5.32962.1.1.3", 60},      // LLDP protocol VLAN TX, by port and VLAN

    // MSTP instances list VLANs; their ports' settings need the instance.
    {"EnterpriseBase.12.15.2.3", 30},
    {"EnterpriseBase.12.15.2.5", 60},

    // Access-list masks (profiles) before the rules under them; the switch
    // takes a rule only under an existing mask.
    {"EnterpriseBase.12.9.2.1", 10}, // Ethernet masks
    {"EnterpriseBase.12.9.2.2", 10}, // IP masks
    {"EnterpriseBase.12.9.2.3", 10}, // packet-content masks
    {"EnterpriseBase.12.9.3", 60},   // their rules
    {"EnterpriseBase.12.9.4.1", 10}, // the CPU filter's Ethernet masks
    {"EnterpriseBase.12.9.4.2", 10}, // ... IP masks
    {"EnterpriseBase.12.9.4.3", 10}, // ... packet-content masks
    {"EnterpriseBase.12.9.5", 60},   // the CPU filter's rules

    // Time ranges before the rules that name one (after the rules themselves).
    {"EnterpriseBase.12.50.3.1", 10},
    {"EnterpriseBase.12.50.3.2", 70}, // time range of each access rule
    {"EnterpriseBase.12.50.3.3", 70}, // time range of each CPU filter rule

    // AAC: server hosts, then the server groups holding them, then the
    // method lists naming groups, then what names a method list.
    {"EnterpriseBase.12.5.10", 10}, // server hosts
    {"EnterpriseBase.12.5.9", 20},  // server groups
    {"EnterpriseBase.12.5.12", 60}, // servers of each group
    {"EnterpriseBase.12.5.3", 60},  // login method lists
    {"EnterpriseBase.12.5.4", 60},  // enable method lists
    {"EnterpriseBase.12.5.7", 70},  // method lists of each application
    {"EnterpriseBase.12.3.4.3", 70}, // method list of each accounting service

    // SNMP: target parameters before the addresses and filter profiles that
    // name them, a filter profile before its filters; groups and views
    // before the access entries naming them.
    {"1.3.6.1.6.3.12.1.3", 10},  // target parameters
    {"1.3.6.1.6.3.12.1.2", 60},  // target addresses
    {"1.3.6.1.6.3.18.1.2", 70},  // the community MIB's extension of a target address
    {"1.3.6.1.6.3.13.1.2", 60},  // notify filter profiles
    {"1.3.6.1.6.3.13.1.3", 70},  // notify filters
    {"1.3.6.1.6.3.16.1.2", 10},  // security-to-group
    {"1.3.6.1.6.3.16.1.5", 10},  // view tree families
    {"1.3.6.1.6.3.16.1.4", 60},  // access entries

    {},
};

} // namespace SnapshotTables
