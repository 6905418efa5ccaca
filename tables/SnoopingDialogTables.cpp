#include "tables/SnoopingDialogTables.h"

#include "tables/CommonOptions.h"

namespace SnoopingDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kClearAction[] = {{1, "all"}, {2, "vlan"}, {3, "group"}, {4, "other"}, {0, nullptr}};
const QxOptionList clearAction(kClearAction);

constexpr QxSNMPVarItem kIgmpRouterPorts[] = {
    {"EnterpriseBase.11.63.7.2.7.6.1.1", "Port VLAN ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.11.63.7.2.7.6.1.2", "Port VLAN Name", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.11.63.7.2.7.6.1.3", "Port Static PortList", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.7.6.1.4", "Port Dynamic PortList", S::bitstr, A::readonly, nullptr},
    {"EnterpriseBase.11.63.7.2.7.6.1.5", "Port Forbidden PortList", S::bitstr, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kIgmpRouterPorts) == IgmpRouterColumn::Count);
static_assert(QxColumns::captionIs(kIgmpRouterPorts, IgmpRouterColumn::ForbiddenPorts, "Port Forbidden PortList"));

constexpr QxSNMPVarItem kMldRouterPorts[] = {
    {"EnterpriseBase.12.34.3.4.1.1", "Router Ports VLAN ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.34.3.4.1.2", "Router Static Port List", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.34.3.4.1.3", "Dynamic Port List", S::bitstr, A::readonly, nullptr},
    {"EnterpriseBase.12.34.3.4.1.4", "Router Forbidden Port List", S::bitstr, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kMldRouterPorts) == MldRouterColumn::Count);
static_assert(QxColumns::captionIs(kMldRouterPorts, MldRouterColumn::ForbiddenPorts, "Router Forbidden Port List"));

constexpr QxSNMPVarItem kIsmVlans[] = {
    {"EnterpriseBase.11.63.7.2.7.8.1.1", "VLAN ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.11.63.7.2.7.8.1.2", "VLAN Name", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.7.8.1.3", "Source Port", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.7.8.1.4", "Member Port", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.7.8.1.5", "Tag Member Port", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.7.8.1.6", "State", S::integer, A::readwrite, &CommonOptions::enabledDisabled},
    {"EnterpriseBase.11.63.7.2.7.8.1.7", "Replace Source IP", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.7.8.1.8", "Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};
static_assert(QxColumns::count(kIsmVlans) == IsmColumn::Count);
static_assert(QxColumns::captionIs(kIsmVlans, IsmColumn::RowStatus, "Row Status"));

constexpr QxSNMPVarItem kMulticastGroups[] = {
    {"EnterpriseBase.11.63.7.2.7.9.1.1", "VLAN ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.11.63.7.2.7.9.1.2", "From IP", S::ipaddress, A::notaccess, nullptr},
    {"EnterpriseBase.11.63.7.2.7.9.1.3", "To IP", S::ipaddress, A::readonly, nullptr},
    {"EnterpriseBase.11.63.7.2.7.9.1.4", "Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};
static_assert(QxColumns::count(kMulticastGroups) == GroupColumn::Count);

constexpr QxSNMPVarItem kMldGroups[] = {
    {"EnterpriseBase.12.34.3.5.1.1", "MLD Snooping Group VLAN ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.34.3.5.1.2", "MLD Snooping Group Group Address", S::ipv6address, A::notaccess, nullptr},
    {"EnterpriseBase.12.34.3.5.1.3", "MLD Snooping Group Source Address", S::ipv6address, A::notaccess, nullptr},
    {"EnterpriseBase.12.34.3.5.1.4", "MLD Snooping Group Include Port Map", S::bitstr, A::readonly, nullptr},
    {"EnterpriseBase.12.34.3.5.1.5", "MLD Snooping Group Exclude Port Map", S::bitstr, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kMldGroups) == MldGroupColumn::Count);

constexpr QxSNMPVarItem kClearDynamic[] = {
    {"EnterpriseBase.11.63.7.2.7.12.2.1", "IGMP Snooping Clear Dynamic IP Multicast VID", S::integer, A::readwrite,
     nullptr},
    {"EnterpriseBase.11.63.7.2.7.12.2.2", "IGMP Snooping Clear Dynamic IP Multicast IP", S::ipaddress, A::readwrite,
     nullptr},
    {"EnterpriseBase.11.63.7.2.7.12.2.3", "IGMP Snooping Clear Dynamic IP Multicast Action", S::integer,
     A::readwrite, &clearAction},
    {},
};
static_assert(QxColumns::count(kClearDynamic) == ClearColumn::Count);

} // namespace

const QxDescriptorTable igmpRouterPorts{kIgmpRouterPorts, MVT_FMV, 1, " IGMP Router Ports"};
const QxDescriptorTable mldRouterPorts{kMldRouterPorts, MVT_FMV, 1, " MLD Router Ports"};
const QxDescriptorTable ismVlans{kIsmVlans, MVT_UMV, 1, " IGMP Multicast VLAN"};
const QxDescriptorTable multicastGroups{kMulticastGroups, MVT_FMV, 3, " IGMP Multicast VLAN Group"};
const QxDescriptorTable mldGroups{kMldGroups, MVT_UMV, 3, " MLD Snooping Group"};
const QxDescriptorTable clearDynamic{kClearDynamic, SVT_SV, 0, " IGMP Snooping Clear Dynamic IP Multicast"};

} // namespace SnoopingDialogTables
