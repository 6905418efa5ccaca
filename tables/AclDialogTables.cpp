#include "tables/AclDialogTables.h"

#include "tables/CommonOptions.h"

namespace AclDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;
constexpr const QxOptionList *kRow = &CommonOptions::activeCreateDestroy;
constexpr const QxOptionList *kOnOff = &CommonOptions::enabledDisabled;

const QxOptionPair kMacState[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr}};
const QxOptionPair kIpState[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr}};
const QxOptionPair kProtocol[] = {{1, "none"}, {2, "icmp"}, {3, "igmp"},      {4, "tcp"},
                                  {5, "udp"},  {6, "protocolId"}, {0, nullptr}};
const QxOptionPair kPortOption[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr}};
const QxOptionPair kSwitch[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const QxOptionPair kIcmpOption[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr}};
const QxOptionList macState(kMacState);
const QxOptionList ipState(kIpState);
const QxOptionList portOption(kPortOption);
const QxOptionList onOffSwitch(kSwitch);
const QxOptionList icmpOption(kIcmpOption);

constexpr QxSNMPVarItem kEthernetMask[] = {
    {"EnterpriseBase.12.9.2.1.1.1", "Ethernet Mask ID ", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.2.1.1.2", "Use VLAN", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.2.1.1.3", "MAC Address Mask State", S::integer, A::readwrite, &macState},
    {"EnterpriseBase.12.9.2.1.1.4", "MAC Address Mask Sourcc", S::macaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.1.1.5", "MAC Address Mask Destination", S::macaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.1.1.6", "Use 802.1p", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.2.1.1.7", "Use Ethernet Type", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.2.1.1.8", "Row Status", S::integer, A::readwrite, kRow},
    {},
};
static_assert(QxColumns::count(kEthernetMask) == EthernetColumn::Count);
static_assert(QxColumns::captionIs(kEthernetMask, EthernetColumn::RowStatus, "Row Status"));

constexpr QxSNMPVarItem kCpuEthernetMask[] = {
    {"EnterpriseBase.12.9.4.1.1.1", "CPU ACL Ethernet Profile ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.4.1.1.2", "CPU ACL Ethernet Use VLAN", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.4.1.1.3", "CPU ACL Ethernet MAC Address Mask State", S::integer, A::readwrite, &macState},
    {"EnterpriseBase.12.9.4.1.1.4", "CPU ACL Ethernet Source MAC Address Mask", S::macaddress, A::readwrite,
     nullptr},
    {"EnterpriseBase.12.9.4.1.1.5", "CPU ACL Ethernet Destination MAC Address Mask", S::macaddress, A::readwrite,
     nullptr},
    {"EnterpriseBase.12.9.4.1.1.6", "CPU ACL Ethernet Use 8021P", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.4.1.1.7", "CPU ACL Ethernet Use Ethernet Type", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.4.1.1.8", "CPU ACL Ethernet Row Status", S::integer, A::readwrite, kRow},
    {},
};
static_assert(QxColumns::count(kCpuEthernetMask) == EthernetColumn::Count);
static_assert(QxColumns::captionIs(kCpuEthernetMask, EthernetColumn::RowStatus, "CPU ACL Ethernet Row Status"));

constexpr QxSNMPVarItem kPacketMask[] = {
    {"", "Mask Entry ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.2.3.1.2", "Filtered Port(s) [0 to 15]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.3.1.3", "Filtered Port(s) [16 to 31]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.3.1.4", "Filtered Port(s) [32 to 47]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.3.1.5", "Filtered Port(s) [48 to 63]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.3.1.6", "Filtered Port(s) [64 to 79]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.3.1.7", "Mask Row Status", S::integer, A::readwrite, kRow},
    {},
};
static_assert(QxColumns::count(kPacketMask) == PacketColumn::Count);
static_assert(QxColumns::captionIs(kPacketMask, PacketColumn::Chunk5, "Filtered Port(s) [64 to 79]"));

constexpr QxSNMPVarItem kCpuPacketMask[] = {
    {"EnterpriseBase.12.9.4.3.1.1", "Profile ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.4.3.1.2", "Packet Content Offset Mask[1-15]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.3.1.3", "Packet Content Offset Mask[16-31]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.3.1.4", "Packet Content Offset Mask[32-47]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.3.1.5", "Packet Content Offset Mask[48-63]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.3.1.6", "Packet Content Offset Mask[64-79]", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.3.1.7", "Row Status", S::integer, A::readwrite, kRow},
    {},
};
static_assert(QxColumns::count(kCpuPacketMask) == PacketColumn::Count);

constexpr QxSNMPVarItem kIpMask[] = {
    {"EnterpriseBase.12.9.2.2.1.1", "Profile ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.2.2.1.2", "Use VLAN", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.2.2.1.3", "Address Mask State", S::integer, A::readwrite, &ipState},
    {"EnterpriseBase.12.9.2.2.1.4", "Source IP Address Mask", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.2.1.5", "Destination IP Address Mask", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.2.1.6", "Use DSCP", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.2.2.1.7", "Use Protocol Type", S::integer, A::readwrite, &protocolOptions},
    {"EnterpriseBase.12.9.2.2.1.10", "TCP Option", S::integer, A::readwrite, &portOption},
    {"EnterpriseBase.12.9.2.2.1.11", "UDP Option", S::integer, A::readwrite, &portOption},
    {"EnterpriseBase.12.9.2.2.1.12", "TCP or UDP Source Port Mask", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.2.1.13", "TCP or UDP Destination Port Mask", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.2.1.14", "TCP Flag Bit", S::integer, A::readwrite, &onOffSwitch},
    {"EnterpriseBase.12.9.2.2.1.15", "TCP Flag Bit Mask", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.2.1.16", "Protocol ID Option", S::integer, A::readwrite, &onOffSwitch},
    {"EnterpriseBase.12.9.2.2.1.17", "Protocol ID", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.2.2.1.19", "Row Status", S::integer, A::readwrite, kRow},
    {},
};
static_assert(QxColumns::count(kIpMask) == ipMaskColumns.count);
static_assert(QxColumns::captionIs(kIpMask, ipMaskColumns.protocolId, "Protocol ID"));
static_assert(QxColumns::captionIs(kIpMask, ipMaskColumns.rowStatus, "Row Status"));

constexpr QxSNMPVarItem kCpuIpMask[] = {
    {"EnterpriseBase.12.9.4.2.1.1", "Profile ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.9.4.2.1.2", "Use VLAN", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.4.2.1.3", "IP Address Mask State", S::integer, A::readwrite, &ipState},
    {"EnterpriseBase.12.9.4.2.1.4", "IP Address Mask Source", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.2.1.5", "IP Address Mask Destination", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.2.1.6", "Use DSCP", S::integer, A::readwrite, kOnOff},
    {"EnterpriseBase.12.9.4.2.1.7", "Use Protocol Type", S::integer, A::readwrite, &protocolOptions},
    {"EnterpriseBase.12.9.4.2.1.8", "ICMP Option", S::integer, A::readwrite, &icmpOption},
    {"EnterpriseBase.12.9.4.2.1.9", "IGMP Option", S::integer, A::readwrite, &onOffSwitch},
    {"EnterpriseBase.12.9.4.2.1.10", "TCP Option", S::integer, A::readwrite, &portOption},
    {"EnterpriseBase.12.9.4.2.1.11", "UDP Option", S::integer, A::readwrite, &portOption},
    {"EnterpriseBase.12.9.4.2.1.12", "TCP or UDP Source Port Mask", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.2.1.14", "TCP Flag Bit", S::integer, A::readwrite, &onOffSwitch},
    {"EnterpriseBase.12.9.4.2.1.15", "TCP Flag Bit Mask", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.2.1.16", "Protocol ID Option", S::integer, A::readwrite, &onOffSwitch},
    {"EnterpriseBase.12.9.4.2.1.17", "Protocol ID Mask", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.2.1.18", "User Mask", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.9.4.2.1.19", "Row Status", S::integer, A::readwrite, kRow},
    {},
};
static_assert(QxColumns::count(kCpuIpMask) == cpuIpMaskColumns.count);
static_assert(QxColumns::captionIs(kCpuIpMask, cpuIpMaskColumns.userMask, "User Mask"));
static_assert(QxColumns::captionIs(kCpuIpMask, cpuIpMaskColumns.rowStatus, "Row Status"));

// What each protocol leaves out of a new IP mask.
constexpr auto T = ipMaskColumns;
constexpr int kNone[] = {T.protocol,       T.tcpOption,   T.udpOption,        T.sourcePortMask, T.destinationPortMask,
                         T.tcpFlag,        T.tcpFlagMask, T.protocolIdOption, T.protocolId};
constexpr int kIcmpIgmp[] = {T.tcpOption, T.udpOption,   T.sourcePortMask,   T.destinationPortMask,
                             T.tcpFlag,   T.tcpFlagMask, T.protocolIdOption, T.protocolId};
constexpr int kTcp[] = {T.udpOption, T.protocolIdOption, T.protocolId};
constexpr int kUdp[] = {T.tcpOption, T.tcpFlag, T.tcpFlagMask, T.protocolIdOption, T.protocolId};
constexpr int kProtocolId[] = {T.udpOption, T.sourcePortMask, T.destinationPortMask, T.tcpFlag, T.tcpFlagMask};

// The same for the CPU filter's, whose ICMP, IGMP and user-mask columns come in.
constexpr auto C = cpuIpMaskColumns;
constexpr int kCpuNone[] = {C.protocol,       C.icmpOption,          C.igmpOption, C.tcpOption,
                            C.udpOption,      C.sourcePortMask,      C.destinationPortMask,
                            C.tcpFlag,        C.tcpFlagMask,         C.protocolIdOption,
                            C.protocolId,     C.userMask};
constexpr int kCpuIcmp[] = {C.igmpOption,  C.tcpOption,        C.udpOption,  C.sourcePortMask, C.destinationPortMask,
                            C.tcpFlag,     C.tcpFlagMask,      C.protocolIdOption, C.protocolId, C.userMask};
constexpr int kCpuIgmp[] = {C.icmpOption,  C.tcpOption,        C.udpOption,  C.sourcePortMask, C.destinationPortMask,
                            C.tcpFlag,     C.tcpFlagMask,      C.protocolIdOption, C.protocolId, C.userMask};
constexpr int kCpuTcp[] = {C.icmpOption, C.igmpOption, C.udpOption, C.protocolIdOption, C.protocolId, C.userMask};
constexpr int kCpuUdp[] = {C.icmpOption, C.igmpOption,       C.tcpOption,  C.tcpFlag,
                           C.tcpFlagMask, C.protocolIdOption, C.protocolId, C.userMask};
constexpr int kCpuProtocolId[] = {C.icmpOption,     C.igmpOption,          C.tcpOption, C.udpOption,
                                  C.sourcePortMask, C.destinationPortMask, C.tcpFlag,   C.tcpFlagMask};

} // namespace

const QxOptionList protocolOptions(kProtocol);

const QxDescriptorTable ethernetMask{kEthernetMask, MVT_UMV, 1, " Ethernet Mask"};
const QxDescriptorTable cpuEthernetMask{kCpuEthernetMask, MVT_UMV, 1, " CPU Ethernet Mask"};
const QxDescriptorTable packetMask{kPacketMask, MVT_UMV, 1, " Packet Content Mask"};
const QxDescriptorTable cpuPacketMask{kCpuPacketMask, MVT_UMV, 1, " CPU Packet Content Mask"};
const QxDescriptorTable ipMask{kIpMask, MVT_UMV, 1, " IP Mask"};
const QxDescriptorTable cpuIpMask{kCpuIpMask, MVT_UMV, 1, " CPU IP Mask"};

const std::span<const int> ipMaskProtocolExclusions[Protocol::Count] = {kNone, kIcmpIgmp, kIcmpIgmp,
                                                                         kTcp,  kUdp,      kProtocolId};
const std::span<const int> cpuIpMaskProtocolExclusions[Protocol::Count] = {kCpuNone, kCpuIcmp, kCpuIgmp,
                                                                            kCpuTcp,  kCpuUdp,  kCpuProtocolId};

} // namespace AclDialogTables
