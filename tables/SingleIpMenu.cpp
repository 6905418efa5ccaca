#include "tables/SingleIpMenu.h"

#include "snmp/QxOptionList.h"

namespace {

using namespace QxSyntax;
using namespace QxAccess;

const QxOptionPair kEnabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const QxOptionPair kRole[] = {{1, "candidate"}, {2, "member"}, {3, "commander"}, {0, nullptr}};

const QxOptionList enabledDisabledOptions(kEnabledDisabled);
const QxOptionList roleOptions(kRole);

const QxSNMPVarItem kSingleIpControl[] = {
    {"EnterpriseBase.12.8.1.2.1", "SIM State", integer, readwrite, &enabledDisabledOptions},
    {"EnterpriseBase.12.8.1.2.2", "Role State", integer, readwrite, &roleOptions},
    {"EnterpriseBase.12.8.1.2.3", "Hold Time", integer, readwrite},
    {"EnterpriseBase.12.8.1.2.4", "Interval Time", integer, readwrite},
    {},
};

const RowFormat kSingleIpControlFormats[] = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}, {-1, nullptr}};

const QxSNMPVarItem kMyInformation[] = {
    {"EnterpriseBase.12.8.1.1.1", "Single IP Version", displaystr, readonly},
    {"EnterpriseBase.12.8.1.1.2", "Device Role", integer, readonly, &roleOptions},
    {"EnterpriseBase.12.8.1.1.3", "Capability", displaystr, readonly},
    {},
};

// Columns in the order of the member-switch table.
const QxSNMPVarItem kCandidateSwitch[] = {
    {"EnterpriseBase.12.8.1.4.1.1", "ID", integer, notaccess},
    {"EnterpriseBase.12.8.1.4.1.2", "Device Name", displaystr, readonly},
    {"EnterpriseBase.12.8.1.4.1.3", "MAC Address", macaddress, readonly},
    {"EnterpriseBase.12.8.1.4.1.4", "Firmware Version", displaystr, readonly},
    {"EnterpriseBase.12.8.1.4.1.5", "Capability", displaystr, readonly},
    {"EnterpriseBase.12.8.1.4.1.6", "Platform", displaystr, readonly},
    {"EnterpriseBase.12.8.1.4.1.7", "Hold Time", integer, readonly},
    {},
};

// Groups are keyed by their commander's MAC address.
const QxSNMPVarItem kGroupInformation[] = {
    {"EnterpriseBase.12.8.1.5.1.1", "Commander MAC Address", macaddress, notaccess},
    {"EnterpriseBase.12.8.1.5.1.2", "Group Name", displaystr, readonly},
    {"EnterpriseBase.12.8.1.5.1.3", "Device Name", displaystr, readonly},
    {"EnterpriseBase.12.8.1.5.1.4", "Number Of Members", integer, readonly},
    {"EnterpriseBase.12.8.1.5.1.5", "Firmware Version", displaystr, readonly},
    {"EnterpriseBase.12.8.1.5.1.6", "Capability", displaystr, readonly},
    {"EnterpriseBase.12.8.1.5.1.7", "Platform", displaystr, readonly},
    {"EnterpriseBase.12.8.1.5.1.8", "Hold Time", integer, readonly},
    {},
};

const QxSNMPVarItem kNeighborSwitch[] = {
    {"EnterpriseBase.12.8.1.6.1.1", "Local Port", integer, notaccess},
    {"EnterpriseBase.12.8.1.6.1.2", "MAC Address", macaddress, notaccess},
    {"EnterpriseBase.12.8.1.6.1.3", "Role", integer, readonly, &roleOptions},
    {},
};

const CommandRecord kRecords[] = {
    {.depth = 0, .caption = "Single IP Control", .hidden = false, .shape = CommandShape::Editor,
     .items = kSingleIpControl, .title = "Single IP Control", .joiner = ": ", .formats = kSingleIpControlFormats},
    {.depth = 0, .caption = "My Information", .hidden = false, .shape = CommandShape::Editor,
     .items = kMyInformation, .title = "My Information", .joiner = " : "},
    {.depth = 0, .caption = "Member Switch", .hidden = false, .shape = CommandShape::Dedicated,
     .title = "Member Switch Information", .joiner = ": ", .target = "TMSInformationForm"},
    {.depth = 0, .caption = "Candidate Switch", .hidden = false, .shape = CommandShape::Table,
     .items = kCandidateSwitch, .kind = MVT_FMV, .keyCount = 1, .title = "Single IP Candidate Switch Management",
     .joiner = " : "},
    {.depth = 0, .caption = "Group Information", .hidden = false, .shape = CommandShape::Table,
     .items = kGroupInformation, .kind = MVT_FMV, .keyCount = 1, .title = "Single IP Group Management ",
     .joiner = ""},
    {.depth = 0, .caption = "Neighbor Switch", .hidden = false, .shape = CommandShape::Table,
     .items = kNeighborSwitch, .kind = MVT_FMV, .keyCount = 2, .title = "Neighbor Switch", .joiner = ": "},
    {.depth = 0, .caption = "MS Trap Message", .hidden = true, .shape = CommandShape::Nothing},
    {},
};

} // namespace

const CommandGroup SingleIpGroup{"Single IP", kRecords};
