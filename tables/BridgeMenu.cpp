#include "tables/BridgeMenu.h"

#include "tables/CommonOptions.h"
#include "tables/MenuRecords.h"

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;
using namespace MenuRecords;

// ---------------------------------------------------------------------------
// Option lists

const QxOptionPair kBridgeType[] = {{1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"},
                                    {0, nullptr}};
const QxOptionList bridgeType(kBridgeType);

const QxOptionPair kInstanceType[] = {{1, "cist"}, {2, "msti"}, {0, nullptr}};
const QxOptionList instanceType(kInstanceType);

const QxOptionPair kAdminP2P[] = {{1, "true"}, {2, "false"}, {3, "auto"}, {0, nullptr}};
const QxOptionList adminP2P(kAdminP2P);

const QxOptionPair kLoopStatus[] = {{1, "normal"}, {2, "loop"}, {0, nullptr}};
const QxOptionList loopStatus(kLoopStatus);

const QxOptionPair kMstpPortStatus[] = {{1, "other"},      {2, "disabled"}, {3, "discarding"},
                                        {4, "learning"},   {5, "forwarding"}, {6, "broken"},
                                        {7, "no-stp-enabled"}, {0, nullptr}};
const QxOptionList mstpPortStatus(kMstpPortStatus);

const QxOptionPair kMstpPortRole[] = {{0, "disabled"},   {1, "alternate"}, {2, "backup"}, {3, "root"},
                                      {4, "designated"}, {5, "master"},    {0, nullptr}};
const QxOptionList mstpPortRole(kMstpPortRole);

// ---------------------------------------------------------------------------
// 802.1D (BRIDGE-MIB)

// The dot1dBase scalars, then the transparent-bridge scalars with the ageing
// time last (the row the format limits to 10..1000000 seconds).
const QxSNMPVarItem kBridgeInformation[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address", S::macaddress, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type", S::integer, A::readonly, &bridgeType},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.4.2", "Aging Time", S::integer, A::readwrite, nullptr},
    {},
};
const RowFormat kBridgeInformationFormats[] = {{4, "%i{n10x1000000l7}"}, {-1, nullptr}};

const QxSNMPVarItem kBasePortTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.2", "Port IfIndex", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.3", "Port Circuit", S::objectid, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.4", "Port Delay Exceeded Discards", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.1.4.1.5", "Port MTU Exceeded Discards", S::counter, A::readonly, nullptr},
    {},
};

// ---------------------------------------------------------------------------
// Spanning tree (vendor MIB, EnterpriseBase.12.15.2: MSTP)

const QxSNMPVarItem kConfigurationIdentification[] = {
    {"EnterpriseBase.12.15.2.1", "Configuration Name", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.2", "Revision Level", S::integer, A::readwrite, nullptr},
    {},
};
const RowFormat kConfigurationIdentificationFormats[] = {{0, "%s{l32}"}, {1, "%i{n0x65535l5}"}, {-1, nullptr}};

// The VLANs of an instance travel as eight 64-octet bitmaps (512 VLANs each),
// edited as their 128-digit hexadecimal text.
const QxSNMPVarItem kMstpInstanceControl[] = {
    {"EnterpriseBase.12.15.2.3.1.1", "MSTP Instance ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.15.2.3.1.2", "VLAN List 1-512", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.3.1.3", "VLAN List 513-1024", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.3.1.4", "VLAN List 1025-1536", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.3.1.5", "VLAN List 1537-2048", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.3.1.6", "VLAN List 2049-2560", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.3.1.7", "VLAN List 2561-3072", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.3.1.8", "VLAN List 3073-3584", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.3.1.9", "VLAN List 3585-4096", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.3.1.10", "Instance Type", S::integer, A::readonly, &instanceType},
    {"EnterpriseBase.12.15.2.3.1.11", "Instance Status", S::integer, A::readonly, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.15.2.3.1.12", "Bridge Priority", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.3.1.13", "Designated Root Bridge", S::octetstr, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.14", "External Root Cost", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.15", "Regional Root Bridge", S::octetstr, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.16", "Internal Root Cost", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.17", "Designated Bridge", S::octetstr, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.18", "Root Port", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.19", "Max Age", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.20", "Forward Delay", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.21", "Last Topology Change", S::timeticks, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.22", "Topology Changes Count", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.23", "Remain Hops", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.3.1.24", "Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};
const RowFormat kMstpInstanceControlFormats[] = {{1, "%s{l128}"}, {2, "%s{l128}"}, {3, "%s{l128}"},
                                                 {4, "%s{l128}"}, {5, "%s{l128}"}, {6, "%s{l128}"},
                                                 {7, "%s{l128}"}, {8, "%s{l128}"}, {11, "%i{n0x61440l5}"},
                                                 {-1, nullptr}};

const QxSNMPVarItem kPortStateInformation[] = {
    {"EnterpriseBase.12.15.2.4.1.1", "Port Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.15.2.4.1.2", "Port Admin Hello Time", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.4.1.3", "Port Oper Hello Time", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.4.1.4", "Port Admin Edge", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {"EnterpriseBase.12.15.2.4.1.5", "Port Oper Edge", S::integer, A::readonly, &CommonOptions::trueFalse},
    {"EnterpriseBase.12.15.2.4.1.6", "Port Admin P2P", S::integer, A::readwrite, &adminP2P},
    {"EnterpriseBase.12.15.2.4.1.7", "Port Oper P2P", S::integer, A::readonly, &CommonOptions::trueFalse},
    {"EnterpriseBase.12.15.2.4.1.8", "Port Restricted Role", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {"EnterpriseBase.12.15.2.4.1.9", "Port Restricted TCN", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {"EnterpriseBase.12.15.2.4.1.10", "Port Forward BPDU", S::integer, A::readwrite,
     &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.15.2.4.1.11", "Port STP State", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.15.2.4.1.12", "Port Protocol Migration", S::integer, A::readwrite,
     &CommonOptions::trueFalse},
    {"EnterpriseBase.12.15.2.4.1.13", "Port Loop-back Detection", S::integer, A::readwrite,
     &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.15.2.4.1.14", "Port Loop-back Status", S::integer, A::readonly, &loopStatus},
    {},
};

const QxSNMPVarItem kPortMstpInformation[] = {
    {"EnterpriseBase.12.15.2.5.1.1", "Port Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.15.2.5.1.2", "MSTP Instance ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.15.2.5.1.3", "Designated Bridge", S::octetstr, A::readonly, nullptr},
    {"EnterpriseBase.12.15.2.5.1.4", "Internal Path Cost", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.5.1.5", "Port Priority", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.2.5.1.6", "Port Status", S::integer, A::readonly, &mstpPortStatus},
    {"EnterpriseBase.12.15.2.5.1.7", "Port Role", S::integer, A::readonly, &mstpPortRole},
    {},
};

// ---------------------------------------------------------------------------
// The menu

constexpr auto E = CommandShape::Editor;
constexpr auto T = CommandShape::Table;

const CommandRecord kRecords[] = {
    dedicated(0, "Spanning Tree Algorithm", "TSpanningTreeAlgorithmForm", "Spanning Tree Algorithm", ": "),

    menu(0, "802.1d "),
    {.depth = 1, .caption = "Information", .shape = E, .items = kBridgeInformation, .title = "Information",
     .joiner = ": ", .formats = kBridgeInformationFormats},
    {.depth = 1, .caption = "Port Table", .shape = T, .items = kBasePortTable, .kind = MVT_FMV, .keyCount = 1,
     .title = "Port Table", .joiner = " : ", .height = 450},

    menu(0, "Spanning Tree"),
    dedicated(1, "STP Control ", "TSTP_Info", "STP Control", ": ", CommandFlag::StpVersionRefresh),
    {.depth = 1, .caption = "Configuration Identification", .shape = E, .items = kConfigurationIdentification,
     .title = "Configuration Identification", .joiner = " : ", .formats = kConfigurationIdentificationFormats},
    {.depth = 1, .caption = "MSTP Instance Control", .shape = T, .items = kMstpInstanceControl, .kind = MVT_UMV,
     .keyCount = 1, .title = "MSTP Instance Control", .joiner = ": ", .rowStatusColumn = 23,
     .formats = kMstpInstanceControlFormats},
    {.depth = 1, .caption = "Port State Information", .shape = T, .items = kPortStateInformation,
     .kind = MVT_UMV, .keyCount = 1, .title = "Port State Information", .joiner = " : "},
    {.depth = 1, .caption = "Port MSTP Information", .shape = T, .items = kPortMstpInformation, .kind = MVT_UMV,
     .keyCount = 2, .title = "Port MSTP Information", .joiner = " : "},
    nothing(1, "STP Port Table"),

    menu(0, "Transparent Bridge"),
    viewer(1, "Forwarding Table", "/TBridge_Forwarding"),
    nothing(1, "Static Table"),
    viewer(1, "Port Counters", "/TBridge_TpPortInfo"),
    end(),
};

} // namespace

const CommandGroup bridgeMenuGroup = {"Bridge", kRecords};
