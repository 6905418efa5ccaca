#include "tables/Layer2ManagementMenu.h"

#include "tables/Layer2ManagementArrays.h"
#include "tables/MenuRecords.h"

namespace {

using namespace Layer2Arrays;
using namespace MenuRecords;

// ---- input formats ------------------------------------------------------

const RowFormat kDeviceControlFormats[] = {
    {4, "%i{n1x4094l4}"}, {11, "%i{n1x500l3}"}, {12, "%i{n1x2147483647l10}"}, {-1, nullptr}};

const RowFormat kIgmpControlFormats[] = {
    {1, "%i{n1x65535l5}"},    {2, "%i{n1x25l2}"},      {3, "%i{n1x255l3}"},      {4, "%i{n1x65535l5}"},
    {5, "%i{n1x16711450l8}"}, {6, "%i{n1x16711450l8}"}, {7, "%i{n0x16711450l8}"}, {-1, nullptr}};

const RowFormat kIgmpMaxEntryFormats[] = {{0, "%i{n1x256l3}"}, {-1, nullptr}};

// The time threshold runs from 0 to 65535, so five digits hold every value.
const RowFormat kDhcpRelayFormats[] = {{1, "%i{n1x16l2}"}, {2, "%i{n0x65535l5}"}, {-1, nullptr}};

const RowFormat kLldpConfigurationFormats[] = {
    {0, "%i{n5x32768l5}"}, {1, "%i{n2x10l2}"}, {2, "%i{n1x10l2}"}, {3, "%i{n1x8192l4}"}, {4, "%i{n5x3600l4}"},
    {-1, nullptr}};

const RowFormat kLldpConfigManAddrFormats[] = {{0, "%i{n0x512l3}"}, {-1, nullptr}};

const RowFormat kLoopDetectFormats[] = {{1, "%i{n1x32767l5}"}, {2, "%i{n0x1000000l7}"}, {-1, nullptr}};

const RowFormat kMldControlFormats[] = {
    {1, "%i{n1x65535l5}"},    {2, "%i{n1x25l2}"},       {3, "%i{n1x25l2}"},       {4, "%i{n1x25l2}"},
    {5, "%i{n1x16711450l8}"}, {6, "%i{n1x16711450l8}"}, {7, "%i{n1x16711450l8}"}, {-1, nullptr}};

const RowFormat kPoeSystemFormats[] = {{0, "%i{n37x370l3}"}, {-1, nullptr}};

const RowFormat kPoePortFormats[] = {{4, "%i{n1000x16800l5}"}, {-1, nullptr}};

constexpr auto E = CommandShape::Editor;
constexpr auto T = CommandShape::Table;

const CommandRecord kRecords[] = {
    {.depth = 0, .caption = "Device Control", .hidden = false, .shape = E, .items = deviceControl,
     .title = "Layer 2 Device Control", .joiner = " : ", .formats = kDeviceControlFormats},

    menu(0, "Port Management"),
    {.depth = 1, .caption = "Port Information Table", .hidden = false, .shape = T, .items = portInformation,
     .kind = MVT_FMV, .keyCount = 1, .title = "Port Information Table", .joiner = " : "},
    {.depth = 1, .caption = "Port Control Table", .hidden = false, .shape = T, .items = portControl,
     .kind = MVT_UMV, .keyCount = 2, .title = "Port Control Table", .joiner = " : "},
    {.depth = 1, .caption = "Error Port Table", .hidden = false, .shape = T, .items = errorPort, .kind = MVT_FMV,
     .keyCount = 1, .title = "Error Port Table", .joiner = ": "},
    menu(1, "Port Security Table"),
    {.depth = 2, .caption = "Port Security Trap Log State", .hidden = false, .shape = E,
     .items = portSecurityTrapLog, .title = "Port Security Trap Log State", .joiner = ": "},
    dedicated(2, "Port Security Delete Table", "TPrtSecDelCtrlForm", "Port Security Delete", ": "),
    {.depth = 2, .caption = "Port Security Control", .hidden = false, .shape = T, .items = portSecurityControl,
     .kind = MVT_UMV, .keyCount = 1, .title = "Port Security Control", .joiner = ": "},
    separator(1),
    {.depth = 1, .caption = "Trunk Basic Information", .hidden = false, .shape = E, .items = trunkBasic,
     .title = "Trunk Information", .joiner = " : "},
    dedicated(1, "Port Trunk Table", "TPortTrunkForm", "Port Trunk", ": "),
    {.depth = 1, .caption = "Trunk LACP Port Table", .hidden = false, .shape = T, .items = trunkLacpPort,
     .kind = MVT_UMV, .keyCount = 1, .title = "Trunk LACP Port Table", .joiner = " : "},
    {.depth = 1, .caption = "Trunk VLAN Table", .hidden = false, .shape = T, .items = trunkVlan, .kind = MVT_UMV,
     .keyCount = 1, .title = "Trunk VLAN Table", .joiner = " : "},
    separator(1),
    dedicated(1, "Port Mirror Table", "TPortMirrorForm", "Port Mirror", ": "),

    menu(0, "QoS Management"),
    {.depth = 1, .caption = "QoS Scheduling Mechanism Control", .hidden = false, .shape = E, .items = qosScheduling,
     .title = "QoS Scheduling Mechanism Control", .joiner = ": "},
    {.depth = 1, .caption = "Bandwidth Control Table", .hidden = false, .shape = T, .items = bandwidthControl,
     .kind = MVT_UMV, .keyCount = 1, .title = "Bandwidth Control Table", .joiner = " : "},
    {.depth = 1, .caption = "Scheduling Table", .hidden = false, .shape = T, .items = schedulingTable,
     .kind = MVT_UMV, .keyCount = 1, .title = "Scheduling Table", .joiner = " : "},
    {.depth = 1, .caption = "802.1p User Priority Table", .hidden = false, .shape = T, .items = userPriority,
     .kind = MVT_UMV, .keyCount = 1, .title = "802.1p User Priority Table", .joiner = " : "},
    {.depth = 1, .caption = "802.1p Default Priority Table", .hidden = false, .shape = T, .items = defaultPriority,
     .kind = MVT_UMV, .keyCount = 1, .title = "802.1p Default Priority Table", .joiner = " : "},
    separator(0),

    menu(0, "IGMP Snooping Management"),
    {.depth = 1, .caption = "IGMP General Information", .hidden = false, .shape = E, .items = igmpGeneral,
     .title = "IGMP Management Information", .joiner = " : "},
    {.depth = 1, .caption = "IGMP Control Table", .hidden = false, .shape = T, .items = igmpControl,
     .kind = MVT_UMV, .keyCount = 1, .title = "IGMP Control", .joiner = " : ", .formats = kIgmpControlFormats},
    {.depth = 1, .caption = "IGMP Query Information", .hidden = false, .shape = T, .items = igmpQueryInfo,
     .kind = MVT_UMV, .keyCount = 1, .title = "IGMP Query Information", .joiner = " : "},
    {.depth = 1, .caption = "IGMP Information ", .hidden = false, .shape = T, .items = igmpInformation,
     .kind = MVT_UMV, .keyCount = 2, .title = "IGMP Information", .joiner = " : "},
    nothing(1, "IGMP Multicast VLAN"),
    dedicated(1, "IGMP Router Port", "TIGMPRouterPortsForm", "IGMP Router Ports", ": "),
    separator(1),
    {.depth = 1, .caption = "IGMP Access Authentication Table", .hidden = false, .shape = T,
     .items = igmpAccessAuth, .kind = MVT_UMV, .keyCount = 1, .title = "IGMP Access Authentication Table",
     .joiner = " : "},
    dedicated(1, "IGMP Multicast VLAN Table", "TISMVLANForm", "IGMP Multicast VLAN Table", ": "),
    dedicated(1, "IGMP Multicast VLAN Group", "TIGMPMulticastVlanForm", "IGMP Multicast VLAN Group", ": "),
    {.depth = 1, .caption = "IGMPv3 Table", .hidden = true, .shape = T, .items = igmpV3, .kind = MVT_FMV,
     .keyCount = 3, .title = "IGMPv3 Table", .joiner = " : "},
    {.depth = 1, .caption = "IGMP Snooping Group Table", .hidden = false, .shape = T, .items = igmpSnoopingGroup,
     .kind = MVT_FMV, .keyCount = 3, .title = "IGMP Snooping Group Table", .joiner = " : "},
    {.depth = 1, .caption = "IGMP Dynamic IP Multicast Max Entry", .hidden = false, .shape = E,
     .items = igmpMaxEntry, .title = "IGMP Dynamic IP Multicast Max Entry", .joiner = ": ",
     .formats = kIgmpMaxEntryFormats},
    dedicated(1, "IGMP Snooping Clear Dynamic IP Multicast", "TIGMPSnoopingClearDnyIpMultForm",
              "IGMP Snooping Clear Dynamic IP Multicast", ": "),

    menu(0, "DHCP Relay"),
    {.depth = 1, .caption = "DHCP Relay Management", .hidden = false, .shape = E, .items = dhcpRelayManagement,
     .title = "DHCP Relay Management", .joiner = " : ", .formats = kDhcpRelayFormats},
    dedicated(1, "DHCP Relay Control", "TBOOTCtrlTableForm", "DHCP Relay Control", ": "),
    nothing(1, ""),
    {.depth = 1, .caption = "DHCP Local Relay State", .hidden = false, .shape = E, .items = dhcpLocalRelayState,
     .title = "DHCP Local Relay State", .joiner = ": "},
    {.depth = 1, .caption = "DHCP Local Relay VLAN Table", .hidden = false, .shape = T, .items = dhcpLocalRelayVlan,
     .kind = MVT_UMV, .keyCount = 1, .title = "DHCP Local Relay VLAN Table ", .joiner = ""},

    menu(0, "CoS Management"),
    {.depth = 1, .caption = "CoS Priority Table", .hidden = false, .shape = T, .items = cosPriority,
     .kind = MVT_UMV, .keyCount = 1, .title = "CoS Priority Table", .joiner = ": "},
    {.depth = 1, .caption = "CoS Port PRI Table", .hidden = false, .shape = T, .items = cosPortPri,
     .kind = MVT_UMV, .keyCount = 1, .title = "CoS Port PRI Table", .joiner = ": "},
    {.depth = 1, .caption = "CoS MAC_Base PRI Table", .hidden = false, .shape = T, .items = cosMacPri,
     .kind = MVT_UMV, .keyCount = 1, .title = "CoS MAC_Base PRI Table", .joiner = ": "},
    {.depth = 1, .caption = "CoS ToS PRI Table", .hidden = false, .shape = T, .items = cosTosPri, .kind = MVT_UMV,
     .keyCount = 1, .title = "CoS ToS PRI Table", .joiner = ": "},
    {.depth = 1, .caption = "CoS DSCP PRI Table", .hidden = false, .shape = T, .items = cosDscpPri,
     .kind = MVT_UMV, .keyCount = 1, .title = "CoS DSCP PRI Table", .joiner = ": "},

    menu(0, "Multicast Filter"),
    {.depth = 1, .caption = "Multicast Filter Table", .hidden = false, .shape = T, .items = multicastFilter,
     .kind = MVT_UMV, .keyCount = 1, .title = "Multicast Filter Table ", .joiner = "", .rowStatusColumn = 4},
    {.depth = 1, .caption = "Multicast Filter Port Information Table", .hidden = false, .shape = T,
     .items = multicastFilterPortInfo, .kind = MVT_FMV, .keyCount = 1,
     .title = "Multicast Filter Port Information Table", .joiner = " : "},
    {.depth = 1, .caption = "Multicast Filter Port Table", .hidden = false, .shape = T,
     .items = multicastFilterPort, .kind = MVT_UMV, .keyCount = 1, .title = "Multicast Filter Port Table",
     .joiner = ": "},
    {.depth = 1, .caption = "Multicast Filter Port Max Group Table", .hidden = false, .shape = T,
     .items = multicastFilterPortMaxGroup, .kind = MVT_UMV, .keyCount = 1,
     .title = "Multicast Filter Port Max Group Table", .joiner = ""},
    dedicated(0, "Traffic Segmentation Table ", "TTrafficSegmentationForm", "Traffic Segmentation Table", ": "),
    separator(0),

    menu(0, "Packet Storm Management"),
    {.depth = 1, .caption = "Packet Storm Control", .hidden = false, .shape = E, .items = packetStormControl,
     .title = "Packet Storm Control", .joiner = ": "},
    {.depth = 1, .caption = "Packet Storm Control Table", .hidden = false, .shape = T, .items = packetStormTable,
     .kind = MVT_UMV, .keyCount = 1, .title = "Packet Storm Control Table", .joiner = " : "},

    menu(0, "Access Control Information"),
    {.depth = 1, .caption = "ACL Mask Delete All State", .hidden = false, .shape = E, .items = aclMaskDeleteAll,
     .title = "ACL Mask Delete All State", .joiner = ": "},
    dedicated(1, "Ethernet Mask ", "TEthernetMaskInformationForm", "Ethernet Mask", " : "),
    dedicated(1, "Ethernet Rule", "TEthernetInformationRuleForm", "Ethernet Rule", ": "),
    dedicated(1, "IP Mask", "TIPMaskInformationForm", "IP Mask", " : "),
    dedicated(1, "IP Rule", "TIPRuleForm", "IP Rule", ": "),
    dedicated(1, "Packet Content Mask", "TUserMaskInfoForm", "Packet Content Mask", ": "),
    dedicated(1, "Packet Content Rule", "TUserDefinedInformationRuleForm", "Packet Content Rule", ": "),
    nothing(1, "IPv6 Mask Information"),
    nothing(1, "IPv6 Rule"),

    menu(0, "CPU Filter"),
    {.depth = 1, .caption = "CPU Filter Control", .hidden = false, .shape = E, .items = cpuFilterControl,
     .title = "CPU Filtering Control", .joiner = ": "},
    separator(1),
    dedicated(1, "Ethernet Mask (CPU Filter)", "TCPUEthernetInformationForm", "Ethernet Mask (CPU Filter)", ": "),
    dedicated(1, "Ethernet Rule (CPU Filter)", "TCPUEthernetInformationRuleForm", "Ethernet Rule (CPU Filter)",
              ":: "),
    dedicated(1, "IP Mask (CPU Filter)", "TCPUIPMaskInformationForm", "IP Mask (CPU Filter)", ": "),
    dedicated(1, "IP Rule (CPU Filter)", "TCPUIPRuleForm", "IP Rule (CPU Filter)", ": "),
    dedicated(1, "Packet Content Mask (CPU Filter)", "TCPUUserMaskInfoForm", "User Mask Information(CPU Filter)",
              ": "),
    dedicated(1, "Packet Content Rule (CPU Filter)", "TCPUUserMaskRuleForm", "Packet Content Rule (CPU Filter)",
              ": "),

    menu(0, "Time Range"),
    dedicated(1, "Time Range Management", "TTimeRangeForm", "Time Range", ": "),
    {.depth = 1, .caption = "Time Range ACL Table", .hidden = false, .shape = T, .items = timeRangeAcl,
     .kind = MVT_UMV, .keyCount = 2, .title = "Time Range ACL Table", .joiner = " : "},
    {.depth = 1, .caption = "Time Range CPU ACL Table", .hidden = false, .shape = T, .items = timeRangeCpuAcl,
     .kind = MVT_UMV, .keyCount = 2, .title = "Time Range CPU ACL Table", .joiner = " : "},
    separator(0),

    menu(0, "LLDP"),
    menu(1, "Configuration"),
    {.depth = 2, .caption = "Configuration Information", .hidden = false, .shape = E, .items = lldpConfiguration,
     .title = "LLDP Basic Configuration", .joiner = ": ", .formats = kLldpConfigurationFormats},
    dedicated(2, "Port Configuration", "TLLDPPortConfigForm", "Port Configuration Table", ": "),
    {.depth = 2, .caption = "Address Configuration", .hidden = false, .shape = T, .items = lldpConfigManAddr,
     .kind = MVT_UMV, .keyCount = 2, .title = "Configuration Management Address Table", .joiner = ": ",
     .formats = kLldpConfigManAddrFormats, .portListRow = 2},
    menu(1, "LLDP Statistics"),
    // A table page over a group of scalars: one row, read with one GET.
    {.depth = 2, .caption = "Statistics Information", .hidden = false, .shape = T, .items = lldpStatistics,
     .kind = SVT_SV, .keyCount = 0, .title = "Statistics Information ", .joiner = " : "},
    {.depth = 2, .caption = "TX Port Table", .hidden = false, .shape = T, .items = lldpTxPort, .kind = MVT_FMV,
     .keyCount = 1, .title = "TX Port Table ", .joiner = " : "},
    {.depth = 2, .caption = "RX Port Table", .hidden = false, .shape = T, .items = lldpRxPort, .kind = MVT_FMV,
     .keyCount = 1, .title = "RX Port Table ", .joiner = " : "},
    menu(1, "LLDP System Data"),
    dedicated(2, "System Data", "TLLDPLocSysDataForm", "Local System Data", ": "),
    {.depth = 2, .caption = "Port Table", .hidden = false, .shape = T, .items = lldpLocPort, .kind = MVT_FMV,
     .keyCount = 1, .title = "Port Table", .joiner = " : "},
    {.depth = 2, .caption = "Management Address Table", .hidden = false, .shape = T, .items = lldpLocManAddr,
     .kind = MVT_FMV, .keyCount = 2, .title = "Management Address Table", .joiner = " : "},
    menu(1, "Remote System Data"),
    dedicated(2, "Remote Table", "TLLDPRemoteForm", "LLDP Remote Table", ": "),
    {.depth = 2, .caption = "Management Address Table", .hidden = false, .shape = T, .items = lldpRemManAddr,
     .kind = MVT_FMV, .keyCount = 5, .title = "Management Address Table", .joiner = " : "},
    {.depth = 2, .caption = "Unknown TLV Table", .hidden = false, .shape = T, .items = lldpRemUnknownTlv,
     .kind = MVT_FMV, .keyCount = 4, .title = "Remote Unknown TLV Table", .joiner = " : "},
    menu(1, "LLDP-Dot1"),
    menu(2, "Configuration"),
    {.depth = 3, .caption = "Port VLAN Table", .hidden = false, .shape = T, .items = lldpDot1ConfigPortVlan,
     .kind = MVT_UMV, .keyCount = 1, .title = "Port VLAN Status", .joiner = ": "},
    dedicated(3, "VLAN Name Table", "TLLDPConfigVLANNameForm", "Configuration VLAN Name Table", ": "),
    dedicated(3, "Protocol VLAN Table", "TLLDPConfigProtocolVLANForm", "Configuration Protocol VLAN  Table", ": "),
    dedicated(3, "Protocol Table", "TLLDPConfigProtocolForm", "Configuration Protocol Table", ": "),
    menu(2, "Local Data"),
    {.depth = 3, .caption = "Local Data Table", .hidden = false, .shape = T, .items = lldpDot1LocPortVlan,
     .kind = MVT_FMV, .keyCount = 1, .title = "Local Port VLAN ID ", .joiner = " : "},
    {.depth = 3, .caption = "VLAN Name Table", .hidden = false, .shape = T, .items = lldpDot1LocVlanName,
     .kind = MVT_FMV, .keyCount = 2, .title = "Local VLAN Name", .joiner = " : "},
    {.depth = 3, .caption = "Protocol VLAN Table", .hidden = false, .shape = T, .items = lldpDot1LocProtoVlan,
     .kind = MVT_FMV, .keyCount = 2, .title = "Local Protocol VLAN Table", .joiner = " : "},
    {.depth = 3, .caption = "Protocol Table", .hidden = false, .shape = T, .items = lldpDot1LocProtocol,
     .kind = MVT_FMV, .keyCount = 2, .title = "Local Protocol Table", .joiner = " : "},
    menu(2, "Remote Data"),
    {.depth = 3, .caption = "Remote Data Table", .hidden = false, .shape = T, .items = lldpDot1RemPortVlan,
     .kind = MVT_FMV, .keyCount = 3, .title = "Remote Port VLAN ID ", .joiner = " : "},
    {.depth = 3, .caption = "VLAN Name Table", .hidden = false, .shape = T, .items = lldpDot1RemVlanName,
     .kind = MVT_FMV, .keyCount = 4, .title = "Remote VLAN Name", .joiner = " : "},
    {.depth = 3, .caption = "Protocol VLAN Table", .hidden = false, .shape = T, .items = lldpDot1RemProtoVlan,
     .kind = MVT_FMV, .keyCount = 4, .title = "Remote Protocol VLAN Table", .joiner = " : "},
    {.depth = 3, .caption = "Protocol Table", .hidden = false, .shape = T, .items = lldpDot1RemProtocol,
     .kind = MVT_FMV, .keyCount = 4, .title = "Remote Protocol Table", .joiner = " : "},
    menu(1, "LLDP-Dot3"),
    dedicated(2, "Port Configuration Table", "TLLDPDot3PortConfigForm", "LLDP Dot3 Port Configuration Table", ": "),
    menu(2, "Local Data Table"),
    {.depth = 3, .caption = "Port Tablle", .hidden = false, .shape = T, .items = lldpDot3LocPort, .kind = MVT_FMV,
     .keyCount = 1, .title = "Local Port Table", .joiner = " : "},
    {.depth = 3, .caption = "Power Table", .hidden = false, .shape = T, .items = lldpDot3LocPower,
     .kind = MVT_FMV, .keyCount = 1, .title = "Local Power Table", .joiner = " : "},
    dedicated(3, "Link Aggregation Table", "TLLDPDot3LinkAggForm", "Local Link Aggregation Table", ": "),
    {.depth = 3, .caption = "Max Frame Size Table", .hidden = false, .shape = T, .items = lldpDot3LocMaxFrame,
     .kind = MVT_FMV, .keyCount = 1, .title = "Local Max Frame Size Table", .joiner = " : "},
    menu(2, "Remote Table"),
    {.depth = 3, .caption = "Port Table", .hidden = false, .shape = T, .items = lldpDot3RemPort, .kind = MVT_FMV,
     .keyCount = 3, .title = "Remote Port Table", .joiner = " : "},
    {.depth = 3, .caption = "Power Table", .hidden = false, .shape = T, .items = lldpDot3RemPower,
     .kind = MVT_FMV, .keyCount = 3, .title = "Remote Power Table", .joiner = " : "},
    dedicated(3, "Link Aggregation Table", "TLLDPDot3RemoteLinkAggForm", "Remote Link Aggregation Table", ": "),
    {.depth = 3, .caption = "Max Frame Size Table", .hidden = false, .shape = T, .items = lldpDot3RemMaxFrame,
     .kind = MVT_FMV, .keyCount = 3, .title = "Remote Max Frame Size Table", .joiner = " : "},

    menu(0, "Loop Detect "),
    {.depth = 1, .caption = "Loop Detect Control", .hidden = false, .shape = E, .items = loopDetectControl,
     .title = "Loop Detect Control", .joiner = ": ", .formats = kLoopDetectFormats},
    {.depth = 1, .caption = "Loop Detect Port Table", .hidden = false, .shape = T, .items = loopDetectPort,
     .kind = MVT_UMV, .keyCount = 1, .title = "Loop Detect Port Table", .joiner = " : "},
    separator(0, true),

    menu(0, "802.3 ad"),
    {.depth = 1, .caption = "Aggregator Table", .hidden = false, .shape = T, .items = aggregator, .kind = MVT_FMV,
     .keyCount = 1, .title = "Aggregator Table", .joiner = ": "},
    {.depth = 1, .caption = "Aggregator Port List", .hidden = false, .shape = T, .items = aggregatorPortList,
     .kind = MVT_FMV, .keyCount = 1, .title = "Aggregator Port List Table", .joiner = ": "},
    dedicated(1, "Aggregator Port Table", "TAggregatorPortTableForm", "Aggregator Port", ": "),

    menu(0, "MLD Snooping"),
    {.depth = 1, .caption = "MLD Snooping Management", .hidden = false, .shape = E, .items = mldSnoopingManagement,
     .title = "MLD Snooping Management", .joiner = ": "},
    {.depth = 1, .caption = "MLD Snooping Control", .hidden = false, .shape = T, .items = mldSnoopingControl,
     .kind = MVT_UMV, .keyCount = 1, .title = "MLD Snooping Control", .joiner = ": ",
     .formats = kMldControlFormats},
    dedicated(1, "MLD Snooping Group Information", "TMLD_SnoopingGroupForm", "MLD Snooping Group Information",
              ": "),
    dedicated(1, "MLD Snooping Router Ports", "TMLD_SnoopingRouterPortsForm", "MLD Snooping Router Ports", ": "),

    menu(0, " PoE"),
    {.depth = 1, .caption = "PoE System Control", .hidden = false, .shape = E, .items = poeSystemControl,
     .title = "PoE System Control", .joiner = ": ", .formats = kPoeSystemFormats},
    {.depth = 1, .caption = "PoE System information", .hidden = false, .shape = E, .items = poeSystemInfo,
     .title = "PoE System information", .joiner = ": "},
    {.depth = 1, .caption = "PoE Port Control", .hidden = false, .shape = T, .items = poePortControl,
     .kind = MVT_UMV, .keyCount = 1, .title = "PoE Port Control", .joiner = ": ", .formats = kPoePortFormats},
    {.depth = 1, .caption = "PoE Port information", .hidden = false, .shape = T, .items = poePortInfo,
     .kind = MVT_FMV, .keyCount = 1, .title = "PoE Port information", .joiner = ": "},
    {},
};

} // namespace

const CommandGroup Layer2ManagementGroup{"Layer 2 Management", kRecords};
