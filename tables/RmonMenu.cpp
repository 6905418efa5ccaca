#include "tables/RmonMenu.h"

#include "tables/CommonOptions.h"
#include "tables/MenuRecords.h"

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;
using namespace MenuRecords;

// The switch's RMON switch; the main window reads the same object to grey the
// RMON viewers while RMON is off.
const QxSNMPVarItem kRmonState[] = {
    {"EnterpriseBase.11.63.7.2.1.2.16", "RMON State", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {},
};

// RMON2 probe configuration (probeConfig, 1.3.6.1.2.1.16.19).
const QxSNMPVarItem kProbeBasicInformation[] = {
    {"1.3.6.1.2.1.16.19.1", "Probe Capabilities", S::bitstr, A::readonly, nullptr},
    {"1.3.6.1.2.1.16.19.2", "Probe Software Rev", S::displaystr, A::readonly, nullptr},
    {"1.3.6.1.2.1.16.19.3", "Probe Hardware Rev", S::displaystr, A::readonly, nullptr},
    {"1.3.6.1.2.1.16.19.4", "Probe Date Time", S::datetime, A::readwrite, nullptr},
    {},
};

// netConfigTable, read as rows without keys (the ifIndex is not shown).
const QxSNMPVarItem kNetConfiguration[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "Net Config IP Address", S::ipaddress, A::readwrite, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.2", "Net Config Subnet Mask", S::ipaddress, A::readwrite, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.3", "Net Config Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

const QxSNMPVarItem kNetDefaultGateway[] = {
    {"1.3.6.1.2.1.16.19.12", "Net Default Gateway", S::ipaddress, A::readwrite, nullptr},
    {},
};

constexpr auto E = CommandShape::Editor;

const CommandRecord kRecords[] = {
    {.depth = 0, .caption = "RMON Control", .shape = E, .items = kRmonState, .title = "RMON State",
     .joiner = " : ", .flags = CommandFlag::RmonMenuRefresh},
    viewer(0, "Statistics", "/TRmon_Statistics"),
    viewer(0, "History", "/TRmon_History"),
    viewer(0, "Alarm/Event", "/TRmon_AlarmEvent"),
    separator(0),
    menu(0, "Probe Config", true),
    {.depth = 1, .caption = "Probe Basic Information", .shape = E, .items = kProbeBasicInformation,
     .title = "Probe Basic Information", .joiner = ": "},
    {.depth = 1, .caption = "Net Configuration", .shape = E, .items = kNetConfiguration, .kind = MVT_FMV,
     .keyCount = 0, .title = "Net Configuration Table", .joiner = ": "},
    {.depth = 1, .caption = "Net Default Gateway", .shape = E, .items = kNetDefaultGateway,
     .title = "Net Default Gateway", .joiner = ": "},
    end(),
};

} // namespace

const CommandGroup rmonMenuGroup = {"RMON", kRecords};
