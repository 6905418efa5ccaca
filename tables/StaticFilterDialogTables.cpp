#include "tables/StaticFilterDialogTables.h"

#include "snmp/QxOptionList.h"

namespace StaticFilterDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kStatus[] = {{2, "invalid"}, {3, "permanent"}, {0, nullptr}};
const QxOptionList status(kStatus);

constexpr QxSNMPVarItem kUnicast[] = {
    {"", "VLAN ID", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", S::macaddress, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Allowed To Go To", S::bitstr, A::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", S::integer, A::readwrite, &status},
    {},
};
static_assert(QxColumns::count(kUnicast) == UnicastColumn::Count);
static_assert(QxColumns::captionIs(kUnicast, UnicastColumn::AllowedToGoTo, "Allowed To Go To"));

constexpr QxSNMPVarItem kMulticast[] = {
    {"", "VLAN Index", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "Address", S::macaddress, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Static Egress Ports", S::bitstr, A::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", S::integer, A::readwrite, &status},
    {},
};
static_assert(QxColumns::count(kMulticast) == MulticastColumn::Count);
static_assert(QxColumns::captionIs(kMulticast, MulticastColumn::EgressPorts, "Static Egress Ports"));

constexpr QxSNMPVarItem kPortCapabilities[] = {
    {"", "Port", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", S::octetstr, A::readonly, nullptr},
    {},
};

} // namespace

const QxDescriptorTable unicast{kUnicast, MVT_UMV, 3, " Static Unicast"};
const QxDescriptorTable multicast{kMulticast, MVT_UMV, 3, " Static Multicast"};
const QxDescriptorTable portCapabilities{kPortCapabilities, MVT_FMV, 1, " Port Capabilities"};

} // namespace StaticFilterDialogTables
