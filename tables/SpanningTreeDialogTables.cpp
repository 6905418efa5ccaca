#include "tables/SpanningTreeDialogTables.h"

#include "tables/CommonOptions.h"

namespace SpanningTreeDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kVersion[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
const QxOptionList version(kVersion);

constexpr QxSNMPVarItem kState[] = {
    {"EnterpriseBase.12.15.1.1", "STP State Control", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {},
};

constexpr QxSNMPVarItem kBridge[] = {
    {"EnterpriseBase.12.15.1.2", "STP Version", S::integer, A::readwrite, &version},
    {"EnterpriseBase.12.15.1.3", "Max Age", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.1.4", "Hello Time", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.1.5", "Forward Delay", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.1.6", "Max Hops", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.1.7", "TX Hold Count", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.1.8", "Forward BPDU", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.15.1.9", "Loop-back Detection", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.15.1.10", "Loop-back Detection Recover Time", S::integer, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kBridge) == BridgeColumn::Count);
static_assert(QxColumns::captionIs(kBridge, BridgeColumn::HelloTime, "Hello Time"));
static_assert(QxColumns::captionIs(kBridge, BridgeColumn::LbdRecover, "Loop-back Detection Recover Time"));

constexpr QxSNMPVarItem kMstp[] = {
    {"EnterpriseBase.12.15.1.2", "STP Version", S::integer, A::readwrite, &version},
    {"EnterpriseBase.12.15.1.3", "Max Age", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.1.5", "Forward Delay", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.1.6", "Max Hops", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.1.7", "TX Hold Count", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.15.1.8", "Forward BPDU", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.15.1.9", "LBD", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.15.1.10", "LBD Recover Time", S::integer, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kMstp) == MstpColumn::Count);
static_assert(QxColumns::captionIs(kMstp, MstpColumn::LbdRecover, "LBD Recover Time"));

} // namespace

const QxDescriptorTable state{kState, SVT_SV, 0, " Spanning Tree State"};
const QxDescriptorTable bridge{kBridge, SVT_SV, 0, " STP Bridge"};
const QxDescriptorTable mstp{kMstp, SVT_SV, 0, " MSTP Bridge"};

} // namespace SpanningTreeDialogTables
