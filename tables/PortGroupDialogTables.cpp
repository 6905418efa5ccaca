#include "tables/PortGroupDialogTables.h"

#include "tables/CommonOptions.h"

namespace PortGroupDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kTrunkType[] = {{1, "static"}, {2, "lacp"}, {0, nullptr}};
const QxOptionPair kTrunkState[] = {{1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const QxOptionList trunkType(kTrunkType);
const QxOptionList trunkState(kTrunkState);

constexpr QxSNMPVarItem kTrunks[] = {
    {"EnterpriseBase.11.63.7.2.4.3.1.1", "Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.11.63.7.2.4.3.1.2", "Master Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.4.3.1.3", "Port List", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.4.3.1.4", "Type", S::integer, A::readwrite, &trunkType},
    {"EnterpriseBase.11.63.7.2.4.3.1.5", "Active Port", S::bitstr, A::readonly, nullptr},
    {"EnterpriseBase.11.63.7.2.4.3.1.6", "State", S::integer, A::readwrite, &trunkState},
    {"EnterpriseBase.11.63.7.2.4.3.1.7", "Flooding Port", S::integer, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kTrunks) == TrunkColumn::Count);
static_assert(QxColumns::captionIs(kTrunks, TrunkColumn::State, "State"));
static_assert(QxColumns::captionIs(kTrunks, TrunkColumn::FloodingPort, "Flooding Port"));

constexpr QxSNMPVarItem kMirror[] = {
    {"EnterpriseBase.11.63.7.2.6.2", "RX Port List", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.6.3", "TX Port List", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.6.4", "Target Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.6.5", "State", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {},
};
static_assert(QxColumns::count(kMirror) == MirrorColumn::Count);
static_assert(QxColumns::captionIs(kMirror, MirrorColumn::TargetPort, "Target Port"));

constexpr QxSNMPVarItem kSegmentation[] = {
    {"EnterpriseBase.11.63.7.2.12.1.1.1", "Traffic Segmentation Port", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.11.63.7.2.12.1.1.2", "Traffic Segmentation Forward Ports", S::bitstr, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kSegmentation) == SegmentationColumn::Count);

constexpr QxSNMPVarItem kAggregatorPorts[] = {
    {"EnterpriseBase.12.4.1.2.1.1.1", "Port Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.2", "Actor System Priority", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.3", "Actor System ID", S::macaddress, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.4", "Actor Admin Key", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.5", "Actor Oper Key", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.6", "Partner Admin System Priority", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.7", "Partner Oper System Priority", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.8", "Partner Admin System ID", S::macaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.9", "Partner Oper System ID", S::macaddress, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.10", "Partner Admin Key", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.11", "Partner Oper Key", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.12", "Selected Agg ID", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.13", "Attached Agg ID", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.14", "Actor Port", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.15", "Actor Port Priority", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.16", "Partner Admin Port", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.17", "Partner Oper Port", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.18", "Partner Admin Port Priority", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.19", "Partner Oper Port Priority", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.20", "Actor Admin State", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.21", "Actor Oper State", S::bitstr, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.22", "Partner Admin State", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.23", "Partner Oper State", S::bitstr, A::readonly, nullptr},
    {"EnterpriseBase.12.4.1.2.1.1.24", "Aggregate Or Individual", S::integer, A::readonly, &CommonOptions::trueFalse},
    {},
};
static_assert(QxColumns::count(kAggregatorPorts) == AggregatorColumn::Count);
static_assert(QxColumns::captionIs(kAggregatorPorts, AggregatorColumn::PartnerAdminKey, "Partner Admin Key"));
static_assert(QxColumns::captionIs(kAggregatorPorts, AggregatorColumn::PartnerAdminState, "Partner Admin State"));

} // namespace

const QxDescriptorTable trunks{kTrunks, MVT_UMV, 1, " Port Trunk"};
const QxDescriptorTable mirror{kMirror, SVT_SV, 0, " Port Mirror"};
const QxDescriptorTable segmentation{kSegmentation, MVT_UMV, 1, " Traffic Segmentation"};
const QxDescriptorTable aggregatorPorts{kAggregatorPorts, MVT_FMV, 1, " Aggregator Port"};

const char *const lacpStateBits[8] = {"lacpActivity", "lacpTimeout", "aggregation", "synchronisation",
                                      "collecting",   "distributing", "defaulted",  "expired"};

} // namespace PortGroupDialogTables
