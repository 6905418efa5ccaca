#include "tables/VlanDialogTables.h"

#include "tables/CommonOptions.h"

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kAcceptableFrameTypes[] = {{1, "admitAll"}, {2, "admitOnlyVlanTagged"}, {0, nullptr}};
const QxOptionPair kCurrentVlanStatus[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr}};
const QxOptionPair kConstraintType[] = {{1, "independent"}, {2, "shared"}, {0, nullptr}};

} // namespace

namespace VlanDialogTables {

const QxOptionList acceptableFrameTypes(kAcceptableFrameTypes);
const QxOptionList currentVlanStatus(kCurrentVlanStatus);
const QxOptionList constraintType(kConstraintType);

constexpr QxSNMPVarItem vlanScalars[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.4", "Num VLANs", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", S::integer, A::readwrite, &CommonOptions::enabledDisabled},
    {},
};

constexpr QxSNMPVarItem portVlanTable[] = {
    {"", "Port", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port VLAN ID", S::guage, A::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Port Acceptable Frame Types", S::integer, A::readwrite, &acceptableFrameTypes},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Port Ingress Filtering", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "Port GVRP Status", S::integer, A::readwrite, &CommonOptions::enabledDisabled},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "Port GVRP Failed Registrations", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "Port GVRP Last PDU Origin", S::macaddress, A::readonly, nullptr},
    {},
};

constexpr QxSNMPVarItem vlanStaticTable[] = {
    {"", "VLAN Index", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", S::bitstr, A::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", S::bitstr, A::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", S::bitstr, A::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", S::integer, A::readwrite, &CommonOptions::activeCreateDestroy},
    {},
};

constexpr QxSNMPVarItem nextFreeVlanIndex[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", S::integer, A::readonly, nullptr},
    {},
};

constexpr QxSNMPVarItem vlanDeletionScalars[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Number Deletes", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.9", "Constraint Set Default", S::integer, A::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.10", "Constraint Type Default", S::integer, A::readwrite, &constraintType},
    {},
};

constexpr QxSNMPVarItem vlanCurrentTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", S::timeticks, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "VLAM FDB ID", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "VLAN Current Egress Ports", S::bitstr, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "VLAN Current Untagged Ports", S::bitstr, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", S::integer, A::readonly, &currentVlanStatus},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "VLAN Creation Time", S::timeticks, A::readonly, nullptr},
    {},
};

static_assert(QxColumns::count(vlanScalars) == ScalarColumn::Count);
static_assert(QxColumns::captionIs(vlanScalars, ScalarColumn::GvrpStatus, "GVRP Status"));
static_assert(QxColumns::count(portVlanTable) == PortColumn::Count);
static_assert(QxColumns::captionIs(portVlanTable, PortColumn::GvrpStatus, "Port GVRP Status"));
static_assert(QxColumns::count(vlanStaticTable) == StaticColumn::Count);
static_assert(QxColumns::captionIs(vlanStaticTable, StaticColumn::Untagged, "Untagged Ports"));
static_assert(QxColumns::captionIs(vlanStaticTable, StaticColumn::RowStatus, "Row Status"));
static_assert(QxColumns::count(vlanCurrentTable) == CurrentColumn::Count);
static_assert(QxColumns::captionIs(vlanCurrentTable, CurrentColumn::Untagged, "VLAN Current Untagged Ports"));

const QxDescriptorTable scalars{vlanScalars, SVT_SV, 0, " 802.1Q Basic Configure"};
const QxDescriptorTable portVlans{portVlanTable, MVT_FMV, 1, " VLAN Port Information Form"};
const QxDescriptorTable staticVlans{vlanStaticTable, MVT_UMV, 1, " VLAN Static"};
const QxDescriptorTable nextFreeIndex{nextFreeVlanIndex, SVT_SV, 0, " Next Free Local VLAN Index"};
const QxDescriptorTable deletionScalars{vlanDeletionScalars, SVT_SV, 0, " VLAN Deletes"};
const QxDescriptorTable currentVlans{vlanCurrentTable, MVT_UMV, 2, " VLAN Current"};

} // namespace VlanDialogTables
