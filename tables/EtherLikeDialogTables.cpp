#include "tables/EtherLikeDialogTables.h"

#include "snmp/QxOptionList.h"

namespace EtherLikeDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kPauseMode[] = {
    {1, "disabled"}, {2, "enabledXmit"}, {3, "enabledRcv"}, {4, "enabledXmitAndRcv"}, {0, nullptr}};
const QxOptionList pauseMode(kPauseMode);

constexpr QxSNMPVarItem kControlPorts[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", S::bitstr, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kControlPorts) == ControlColumn::Count);

constexpr QxSNMPVarItem kControlCounters[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", S::counter, A::readonly, nullptr},
    {},
};

constexpr QxSNMPVarItem kPausePorts[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.10.1.1", "Admin Mode", S::integer, A::readwrite, &pauseMode},
    {"1.3.6.1.2.1.10.7.10.1.2", "Operate Mode", S::integer, A::readonly, &pauseMode},
    {},
};
static_assert(QxColumns::count(kPausePorts) == PauseColumn::Count);
static_assert(QxColumns::captionIs(kPausePorts, PauseColumn::AdminMode, "Admin Mode"));

constexpr QxSNMPVarItem kPauseCounters[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", S::counter, A::readonly, nullptr},
    {},
};

} // namespace

const QxDescriptorTable controlPorts{kControlPorts, MVT_FMV, 1, " Dot3 Control"};
const QxDescriptorTable controlCounters{kControlCounters, MVT_SV, 0, " Dot3 Control Counter"};
const QxDescriptorTable pausePorts{kPausePorts, MVT_FMV, 1, " Dot3 Pause"};
const QxDescriptorTable pauseCounters{kPauseCounters, MVT_SV, 0, " Dot3 Pause Counter"};

} // namespace EtherLikeDialogTables
