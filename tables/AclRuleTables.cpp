#include "tables/AclRuleTables.h"

#include "tables/CommonOptions.h"

namespace AclRuleTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;
constexpr const QxOptionList *kRow = &CommonOptions::activeCreateDestroy;
constexpr const QxOptionList *kOnOff = &CommonOptions::enabledDisabled;
constexpr const QxOptionList *kProtocol = &AclDialogTables::protocolOptions;

const QxOptionPair kPermitPairs[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};
const QxOptionList permit(kPermitPairs);

constexpr QxSNMPVarItem kEthernetRule[] = {
    {"EnterpriseBase.12.9.3.1.1.1", "Mask ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.3.1.1.2", "Access ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.3.1.1.3", "Rule VLAN", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.1.1.4", "Rule Source MAC Address", S::macaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.1.1.5", "Rule Destination MAC Address", S::macaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.1.1.6", "Rule 8021P", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.1.1.7", "Rule Ethernet Type", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.1.1.8", "Rule Enable Priority", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.3.1.1.9", "Rule Priority", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.1.1.10", "Rule Replace Priority", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.3.1.1.13", "Permit Rule", S::integer, A::readwrite, &permit},
    {"EnterpriseBase.12.9.3.1.1.14", "Rule Port", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.1.1.15", "Row Status", S::integer, A::readwrite, kRow},
    {"EnterpriseBase.12.9.3.1.1.17", "Rule RX Rate", S::integer, A::readwrite, nullptr},
    {},
};
constexpr auto E = ethernetRuleColumns;
static_assert(QxColumns::count(kEthernetRule) == E.count);
static_assert(QxColumns::captionIs(kEthernetRule, E.permit, "Permit Rule"));
static_assert(QxColumns::captionIs(kEthernetRule, E.rxRate, "Rule RX Rate"));

constexpr QxSNMPVarItem kCpuEthernetRule[] = {
    {"EnterpriseBase.12.9.5.1.1.1", "Profile ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.5.1.1.2", "Access ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.5.1.1.3", "VLAN", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.1.1.4", "Rule Source MAC Address", S::macaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.1.1.5", "Rule Destination MAC Address", S::macaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.1.1.6", "8021P", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.1.1.7", "Ethernet Type", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.1.1.8", "Permit", S::integer, A::readwrite, &permit},
    {"EnterpriseBase.12.9.5.1.1.9", "Row Status", S::integer, A::readwrite, kRow},
    {"EnterpriseBase.12.9.5.1.1.10", "Port", S::octetstr, A::readwrite, nullptr},
    {},
};
constexpr auto CE = cpuEthernetRuleColumns;
static_assert(QxColumns::count(kCpuEthernetRule) == CE.count);
static_assert(QxColumns::captionIs(kCpuEthernetRule, CE.rowStatus, "Row Status"));
static_assert(QxColumns::captionIs(kCpuEthernetRule, CE.ports, "Port"));

constexpr QxSNMPVarItem kIpRule[] = {
    {"EnterpriseBase.12.9.3.2.1.1", "Profile ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.3.2.1.2", "Access ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.3.2.1.3", "Rule VLAN", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.2.1.4", "Source IP Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.2.1.5", "Destination IP Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.2.1.6", "DSCP", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.2.1.7", "Protocol", S::integer, A::readonly, kProtocol},
    {"EnterpriseBase.12.9.3.2.1.10", "Source Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.2.1.11", "Destination Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.2.1.12", "Flag Bits", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.2.1.13", "Protocol ID", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.2.1.15", "Enable Priority", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.3.2.1.16", "Priority", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.2.1.17", "Replace Priority", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.3.2.1.20", "Permit", S::integer, A::readwrite, &permit},
    {"EnterpriseBase.12.9.3.2.1.21", "Port", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.2.1.22", "Row Status", S::integer, A::readwrite, kRow},
    {"EnterpriseBase.12.9.3.2.1.24", "RX Rate", S::integer, A::readwrite, nullptr},
    {},
};
constexpr auto I = ipRuleColumns;
static_assert(QxColumns::count(kIpRule) == I.count);
static_assert(QxColumns::captionIs(kIpRule, I.protocol, "Protocol"));
static_assert(QxColumns::captionIs(kIpRule, I.protocolId, "Protocol ID"));
static_assert(QxColumns::captionIs(kIpRule, I.rowStatus, "Row Status"));

constexpr QxSNMPVarItem kCpuIpRule[] = {
    {"EnterpriseBase.12.9.5.2.1.1", "Profile ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.5.2.1.2", "Access ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.5.2.1.3", "VLAN", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.4", "Source IP Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.5", "Destination IP address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.6", "DSCP", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.7", "Protocol", S::integer, A::readonly, kProtocol},
    {"EnterpriseBase.12.9.5.2.1.8", "Type", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.9", "Code", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.10", "Source Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.11", "Destination Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.12", "Flag Bits", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.13", "Protocol ID", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.14", "User Mask", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.2.1.15", "Permit", S::integer, A::readwrite, &permit},
    {"EnterpriseBase.12.9.5.2.1.16", "Row Status", S::integer, A::readwrite, kRow},
    {"EnterpriseBase.12.9.5.2.1.17", "Port", S::octetstr, A::readwrite, nullptr},
    {},
};
constexpr auto CI = cpuIpRuleColumns;
static_assert(QxColumns::count(kCpuIpRule) == CI.count);
static_assert(QxColumns::captionIs(kCpuIpRule, CI.userMask, "User Mask"));
static_assert(QxColumns::captionIs(kCpuIpRule, CI.rowStatus, "Row Status"));
static_assert(QxColumns::captionIs(kCpuIpRule, CI.ports, "Port"));

constexpr QxSNMPVarItem kPacketRule[] = {
    {"EnterpriseBase.12.9.3.9.1.1", "Profile ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.3.9.1.2", "Access ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.3.9.1.8", "Offset Index1", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.9", "Mask1", S::octetstr, A::readonly, nullptr},
    {"EnterpriseBase.12.9.3.9.1.10", "Data1", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.11", "Offset Index2", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.12", "Mask2", S::octetstr, A::readonly, nullptr},
    {"EnterpriseBase.12.9.3.9.1.13", "Data2", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.14", "Offset Index3", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.15", "Mask3", S::octetstr, A::readonly, nullptr},
    {"EnterpriseBase.12.9.3.9.1.16", "Data3", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.17", "Offset Index4", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.18", "Mask4", S::octetstr, A::readonly, nullptr},
    {"EnterpriseBase.12.9.3.9.1.19", "Data4", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.20", "Offset Index5", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.21", "Mask5", S::octetstr, A::readonly, nullptr},
    {"EnterpriseBase.12.9.3.9.1.22", "Data5", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.23", "Enable Priority", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.3.9.1.24", "Priority", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.25", "Replace Priority", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.3.9.1.28", "RX Rate", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.29", "Permit", S::integer, A::readwrite, &permit},
    {"EnterpriseBase.12.9.3.9.1.30", "Port", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.3.9.1.33", "Row Status", S::integer, A::readwrite, kRow},
    {},
};
static_assert(QxColumns::count(kPacketRule) == PacketRuleColumn::Count);
static_assert(QxColumns::captionIs(kPacketRule, PacketRuleColumn::Data5, "Data5"));
static_assert(QxColumns::captionIs(kPacketRule, PacketRuleColumn::RowStatus, "Row Status"));

constexpr QxSNMPVarItem kCpuPacketRule[] = {
    {"EnterpriseBase.12.9.5.3.1.1", "Profile ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.5.3.1.2", "Access ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.5.3.1.3", "Payload Offset [1-15]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.3.1.4", "Payload Offset [16-31]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.3.1.5", "Payload Offset [32-47]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.3.1.6", "Payload Offset [48-63]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.3.1.7", "Payload Offset [64-79]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.5.3.1.8", "Permit", S::integer, A::readwrite, &permit},
    {"EnterpriseBase.12.9.5.3.1.9", "Row Status", S::integer, A::readwrite, kRow},
    {"EnterpriseBase.12.9.5.3.1.10", "Port", S::octetstr, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kCpuPacketRule) == CpuPacketRuleColumn::Count);
static_assert(QxColumns::captionIs(kCpuPacketRule, CpuPacketRuleColumn::Ports, "Port"));

// What each protocol has no use for.
using R = IpRuleColumns;
constexpr IpRulePart kNone[] = {&R::protocol, &R::icmpType,   &R::icmpCode,   &R::sourcePort,
                                &R::destinationPort, &R::flagBits, &R::protocolId, &R::userMask};
constexpr IpRulePart kIcmp[] = {&R::sourcePort, &R::destinationPort, &R::flagBits, &R::protocolId, &R::userMask};
constexpr IpRulePart kTcp[] = {&R::icmpType, &R::icmpCode, &R::protocolId, &R::userMask};
constexpr IpRulePart kUdp[] = {&R::icmpType, &R::icmpCode, &R::flagBits, &R::protocolId, &R::userMask};
constexpr IpRulePart kProtocolId[] = {&R::icmpType, &R::icmpCode, &R::sourcePort, &R::destinationPort,
                                      &R::flagBits};
// IGMP matches neither ICMP's type and code nor any port.
constexpr IpRulePart kIgmp[] = {&R::icmpType,        &R::icmpCode, &R::sourcePort, &R::destinationPort,
                                &R::flagBits,        &R::protocolId, &R::userMask};

} // namespace

const QxDescriptorTable ethernetRule{kEthernetRule, MVT_UMV, 2, " Ethernet Rule"};
const QxDescriptorTable cpuEthernetRule{kCpuEthernetRule, MVT_UMV, 2, " CPU Ethernet Rule"};
const QxDescriptorTable ipRule{kIpRule, MVT_UMV, 2, " IP Rule"};
const QxDescriptorTable cpuIpRule{kCpuIpRule, MVT_UMV, 2, " CPU IP Rule"};
const QxDescriptorTable packetRule{kPacketRule, MVT_UMV, 2, " Packet Content Rule"};
const QxDescriptorTable cpuPacketRule{kCpuPacketRule, MVT_UMV, 2, " CPU Packet Content Rule"};

const std::span<const IpRulePart> ipRuleProtocolExclusions[AclDialogTables::Protocol::Count] = {
    kNone, kIcmp, kIgmp, kTcp, kUdp, kProtocolId};

} // namespace AclRuleTables
