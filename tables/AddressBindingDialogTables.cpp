#include "tables/AddressBindingDialogTables.h"

#include "tables/CommonOptions.h"

namespace AddressBindingDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kAction[] = {{1, "inactive"}, {2, "active"}, {0, nullptr}};
const QxOptionPair kMode[] = {{1, "arp"}, {3, "auto"}, {0, nullptr}};
const QxOptionPair kStart[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const QxOptionList action(kAction);
const QxOptionList mode(kMode);
const QxOptionList start(kStart);

constexpr QxSNMPVarItem kIpMac[] = {
    {"EnterpriseBase.12.23.4.1.1.1", "IP Index", S::ipaddress, A::notaccess, nullptr},
    {"EnterpriseBase.12.23.4.1.1.2", "MAC", S::macaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.23.4.1.1.3", "Status", S::integer, A::readwrite, &CommonOptions::activeCreateDestroy},
    {"EnterpriseBase.12.23.4.1.1.4", "Ports", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.23.4.1.1.5", "Action", S::integer, A::readonly, &action},
    {"EnterpriseBase.12.23.4.1.1.6", "Mode", S::integer, A::readwrite, &mode},
    {},
};
static_assert(QxColumns::count(kIpMac) == IpMacColumn::Count);
static_assert(QxColumns::captionIs(kIpMac, IpMacColumn::Mode, "Mode"));

constexpr QxSNMPVarItem kPortSecurity[] = {
    {"EnterpriseBase.11.63.7.2.15.3.1", "VLAN Name", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.15.3.2", "Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.15.3.3", "MAC Address", S::macaddress, A::readwrite, nullptr},
    {"EnterpriseBase.11.63.7.2.15.3.4", "Activity", S::integer, A::readwrite, &start},
    {},
};
static_assert(QxColumns::count(kPortSecurity) == PortSecurityColumn::Count);
static_assert(QxColumns::captionIs(kPortSecurity, PortSecurityColumn::Activity, "Activity"));

constexpr QxSNMPVarItem kGuestVlan[] = {
    {"EnterpriseBase.12.30.1.1", "Guest VLAN Name", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.30.1.2", "Guest VLAN Port", S::octetstr, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kGuestVlan) == GuestVlanColumn::Count);
constexpr QxSNMPVarItem kGuestVlanDelete[] = {
    {"EnterpriseBase.12.30.1.3", "Guest VLAN Delete State", S::integer, A::readwrite, &start},
    {},
};

constexpr QxSNMPVarItem kDhcpRelay[] = {
    {"EnterpriseBase.12.42.3.1.1.1", "Interface Name", S::displaystr, A::notaccess, nullptr},
    {"EnterpriseBase.12.42.3.1.1.2", "DHCP Server IP", S::ipaddress, A::notaccess, nullptr},
    {"EnterpriseBase.12.42.3.1.1.3", "Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};
static_assert(QxColumns::count(kDhcpRelay) == DhcpRelayColumn::Count);
static_assert(QxColumns::captionIs(kDhcpRelay, DhcpRelayColumn::RowStatus, "Row Status"));

} // namespace

const QxDescriptorTable ipMacBindings{kIpMac, MVT_UMV, 1, " IP-MAC Binding"};
const QxDescriptorTable portSecurityDelete{kPortSecurity, SVT_SV, 0, " Port Security Delete"};
const QxDescriptorTable guestVlan{kGuestVlan, SVT_SV, 0, " Guest VLAN"};
const QxDescriptorTable guestVlanDelete{kGuestVlanDelete, SVT_SV, 0, " Guest VLAN Delete"};
const QxDescriptorTable dhcpRelay{kDhcpRelay, MVT_UMV, 2, " DHCP Relay Control"};

} // namespace AddressBindingDialogTables
