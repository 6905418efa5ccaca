#include "tables/VlanMenu.h"

#include "tables/CommonOptions.h"
#include "tables/MenuRecords.h"

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;
using namespace MenuRecords;

// ---------------------------------------------------------------------------
// Option lists

const QxOptionPair kFdbStatus[] = {{1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"},
                                   {0, nullptr}};
const QxOptionList fdbStatus(kFdbStatus);

const QxOptionPair kQinQPortRole[] = {{1, "nni"}, {2, "uni"}, {0, nullptr}};
const QxOptionList qinqPortRole(kQinQPortRole);

const QxOptionPair kAdvertisement[] = {{1, "other"}, {2, "enabled"}, {3, "disabled"}, {0, nullptr}};
const QxOptionList advertisement(kAdvertisement);

const QxOptionPair kPortListAction[] = {{1, "other"},         {2, "add-tagged"}, {3, "add-untagged"},
                                        {4, "add-forbidden"}, {5, "delete"},     {0, nullptr}};
const QxOptionList portListAction(kPortListAction);

const QxOptionPair kVlanAction[] = {{1, "other"}, {2, "create"}, {3, "configure"}, {4, "delete"}, {0, nullptr}};
const QxOptionList vlanAction(kVlanAction);

// ---------------------------------------------------------------------------
// 802.1P (P-BRIDGE-MIB)

const QxSNMPVarItem kDot1pBasic[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", S::bitstr, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {},
};

const QxSNMPVarItem kDefaultUserPriorities[] = {
    {"", "Port", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", S::integer, A::readwrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Number of Traffic Classes", S::integer, A::readwrite, nullptr},
    {},
};
const RowFormat kDefaultUserPrioritiesFormats[] = {{1, "%i{n0x7l1}"}, {-1, nullptr}};

const QxSNMPVarItem kRegeneratedUserPriorities[] = {
    {"", "Port", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", S::integer, A::readwrite, nullptr},
    {},
};
const RowFormat kPriorityInRow2Formats[] = {{2, "%i{n0x7l1}"}, {-1, nullptr}};

const QxSNMPVarItem kUserPriorityToTrafficClass[] = {
    {"", "Port", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class", S::integer, A::readwrite, nullptr},
    {},
};

const QxSNMPVarItem kOutboundAccessPriorities[] = {
    {"", "Port", S::integer, A::notaccess, nullptr},
    {"", "Regenerated User Priority", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Outbound Access Priority", S::integer, A::readonly, nullptr},
    {},
};

// ---------------------------------------------------------------------------
// 802.1Q forwarding (Q-BRIDGE-MIB)

const QxSNMPVarItem kUnicastForwarding[] = {
    {"", "FDB ID", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", S::macaddress, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", S::integer, A::readonly, &fdbStatus},
    {},
};

const QxSNMPVarItem kFilteringDatabase[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "Dynamic Count", S::counter, A::readonly, nullptr},
    {},
};

// ---------------------------------------------------------------------------
// QinQ, VLAN advertisement and multiple-VLAN management (vendor MIB)

const QxSNMPVarItem kQinQGlobalState[] = {
    {"EnterpriseBase.12.57.1.1", "QinQ Global State", S::integer, A::readwrite, &CommonOptions::enabledDisabled},
    {},
};

const QxSNMPVarItem kQinQPortTable[] = {
    {"EnterpriseBase.12.57.3.1.1.1", "QinQ Port Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.57.3.1.1.2", "QinQ Port Role", S::integer, A::readwrite, &qinqPortRole},
    {"EnterpriseBase.12.57.3.1.1.4", "QinQ Port TPID [HEX]", S::octetstr, A::readwrite, nullptr},
    {},
};

const QxSNMPVarItem kVlanAdvertisement[] = {
    {"EnterpriseBase.11.63.7.2.23.1.1.1", "VLAN ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.11.63.7.2.23.1.1.2", "VLAN Name", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.11.63.7.2.23.1.1.3", "Advertisement", S::integer, A::readwrite, &advertisement},
    {},
};

const QxSNMPVarItem kVlanMultiply[] = {
    {"EnterpriseBase.11.63.7.2.23.2.1", "VLAN List", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.23.2.2", "Advertisement", S::integer, A::readwrite, &advertisement},
    {"EnterpriseBase.11.63.7.2.23.2.3", "Port List", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.23.2.4", "Port List Action", S::integer, A::readwrite, &portListAction},
    {"EnterpriseBase.11.63.7.2.23.2.5", "Action", S::integer, A::readwrite, &vlanAction},
    {},
};

// ---------------------------------------------------------------------------
// The menu

constexpr auto E = CommandShape::Editor;
constexpr auto T = CommandShape::Table;

const CommandRecord kRecords[] = {
    menu(0, "802.1P"),
    {.depth = 1, .caption = "Basic Configure", .shape = E, .items = kDot1pBasic, .title = "802.1P Basic Configure",
     .joiner = ": "},
    menu(1, "Priority Information"),
    {.depth = 2, .caption = "Default User Priorities of Each Port", .shape = T, .items = kDefaultUserPriorities,
     .kind = MVT_FMV, .keyCount = 1, .title = "Default User Priorities of Each Port", .joiner = ": ",
     .formats = kDefaultUserPrioritiesFormats},
    {.depth = 2, .caption = "Regenerated User Priorities", .hidden = true, .shape = T,
     .items = kRegeneratedUserPriorities, .kind = MVT_FMV, .keyCount = 2, .title = "Regenerated User Priorities",
     .joiner = ": ", .formats = kPriorityInRow2Formats},
    {.depth = 2, .caption = "User Priorities To Traffic Class", .shape = T, .items = kUserPriorityToTrafficClass,
     .kind = MVT_FMV, .keyCount = 2, .title = "User Priorities To Traffic Class", .joiner = ": ",
     .formats = kPriorityInRow2Formats},
    {.depth = 2, .caption = "Port Outbound Access Priorities", .hidden = true, .shape = T,
     .items = kOutboundAccessPriorities, .kind = MVT_FMV, .keyCount = 2, .title = "Port Outbound Access Priorities",
     .joiner = ": "},
    viewer(1, "GMRP", "/TVLan_GMRP", true),
    viewer(1, "GARP", "/TVLan_GARP", true),
    dedicated(1, "Port Capability", "TPortCapabilities8021dForm", "Port Capability Form", ": "),
    menu(1, "High Capacity", true),

    menu(0, "802.1Q"),
    menu(1, "802.1Q Bridge"),
    dedicated(2, "Basic Configure", "TVLanGeneralInfoForm", "802.1Q Basic Configure", ": "),
    dedicated(2, "Ports Information", "TVLanPortInfomationForm", "VLAN Port Information Form", ": "),
    menu(1, "Forwarding/Filtering"),
    {.depth = 2, .caption = "Unicast Forwarding Information", .shape = T, .items = kUnicastForwarding,
     .kind = MVT_UMV, .keyCount = 2, .title = "Unicast Forwarding Information", .joiner = " : "},
    nothing(2, "Tp Group Destination Forwarded"),
    nothing(2, "Multicast Forwarding Information"),
    nothing(2, "Forward Unregistered Information"),
    {.depth = 2, .caption = "Filtering Database", .shape = T, .items = kFilteringDatabase, .kind = MVT_FMV,
     .keyCount = 1, .title = "Filtering Database", .joiner = ": "},
    nothing(2, "Filte"),
    menu(1, "802.1Q VLAN "),
    dedicated(2, "Static Table", "TVlanStaticForm", "VLAN Static", ": "),
    dedicated(2, "Current Table", "TVLanCurrentTableForm", "VLAN Current", ": "),
    menu(1, "Static Filtering "),
    dedicated(2, "Unicast Information", "TUnicastFilterInformationForm", "Unicast Filter Information", ": "),
    dedicated(2, "Multicast Information", "TMulticastFilterInformationForm", "Multicast Filter Information", ": "),

    nothing(0, "Protocol VLAN"),
    menu(0, "Double VLAN", true),

    menu(0, "QinQ"),
    {.depth = 1, .caption = "QinQ  Global State Settings", .shape = E, .items = kQinQGlobalState,
     .title = "QinQ Global State Settings", .joiner = ": "},
    {.depth = 1, .caption = "QinQ Port Table", .shape = T, .items = kQinQPortTable, .kind = MVT_UMV, .keyCount = 1,
     .title = "QinQ Port Table", .joiner = " : ", .warning = "Warning:The TPID is a global setting!"},

    {.depth = 0, .caption = "VLAN Advertisement Table", .shape = T, .items = kVlanAdvertisement, .kind = MVT_UMV,
     .keyCount = 1, .title = "VLAN Advertisement Table", .joiner = ""},
    {.depth = 0, .caption = "VLAN Multiply Management", .shape = E, .items = kVlanMultiply,
     .title = "VLAN Multiply Management", .joiner = " :", .portListRow = 2},
    end(),
};

} // namespace

const CommandGroup vlanMenuGroup = {"VLAN", kRecords};
