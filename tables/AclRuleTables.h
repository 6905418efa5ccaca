#pragma once

#include "snmp/QxDescriptorTable.h"
#include "tables/AclDialogTables.h"

#include <span>

// Descriptor tables of the access rules (vendor MIB): the rules under the
// Ethernet, IP and packet-content masks, of the access lists and of the CPU
// filter. Two keys each: the mask's profile ID and the rule's access ID.
namespace AclRuleTables {

// The part each column of an Ethernet rule plays; -1 where a table has none
// (the CPU filter's rules set no priority and no rate limit).
struct EthernetRuleColumns
{
    int profile, access, vlan, sourceMac, destinationMac, ieee8021p, ethernetType, enablePriority, priority,
        replacePriority, permit, ports, rowStatus, rxRate, count;
};
extern const QxDescriptorTable ethernetRule;    // " Ethernet Rule"
extern const QxDescriptorTable cpuEthernetRule; // " CPU Ethernet Rule"
inline constexpr EthernetRuleColumns ethernetRuleColumns{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
inline constexpr EthernetRuleColumns cpuEthernetRuleColumns{0, 1, 2, 3, 4, 5, 6, -1, -1, -1, 7, 9, 8, -1, 10};

// The same for IP rules; the CPU filter's match ICMP type and code and a user
// mask. The protocol is the mask's: shown, never written.
struct IpRuleColumns
{
    int profile, access, vlan, sourceIp, destinationIp, dscp, protocol, icmpType, icmpCode, sourcePort,
        destinationPort, flagBits, protocolId, userMask, enablePriority, priority, replacePriority, permit, ports,
        rowStatus, rxRate, count;
};
extern const QxDescriptorTable ipRule;    // " IP Rule"
extern const QxDescriptorTable cpuIpRule; // " CPU IP Rule"
inline constexpr IpRuleColumns ipRuleColumns{0,  1,  2,  3,  4,  5,  6,  -1, -1, 7,  8,
                                             9,  10, -1, 11, 12, 13, 14, 15, 16, 17, 18};
inline constexpr IpRuleColumns cpuIpRuleColumns{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                11, 12, 13, -1, -1, -1, 14, 16, 15, -1, 17};
// The match fields a protocol has no use for, by protocol item: a rule whose
// protocol box is ticked is written without them. One list serves both
// tables; a part a table lacks is left out.
using IpRulePart = int IpRuleColumns::*;
extern const std::span<const IpRulePart> ipRuleProtocolExclusions[AclDialogTables::Protocol::Count];

// Packet-content rules: five words of (offset index, mask, data).
extern const QxDescriptorTable packetRule; // " Packet Content Rule"
namespace PacketRuleColumn {
enum : int {
    Profile,
    Access,
    Offset1,
    Mask1,
    Data1,
    Offset2,
    Mask2,
    Data2,
    Offset3,
    Mask3,
    Data3,
    Offset4,
    Mask4,
    Data4,
    Offset5,
    Mask5,
    Data5,
    EnablePriority,
    Priority,
    ReplacePriority,
    RxRate,
    Permit,
    Ports,
    RowStatus,
    Count
};
inline constexpr int columnsPerWord = 3;
inline constexpr int words = 5;
} // namespace PacketRuleColumn

// The CPU filter's packet-content rules hold five chunks of frame data.
extern const QxDescriptorTable cpuPacketRule; // " CPU Packet Content Rule"
namespace CpuPacketRuleColumn {
enum : int { Profile, Access, Chunk1, Chunk2, Chunk3, Chunk4, Chunk5, Permit, RowStatus, Ports, Count };
}

// Items of the permit list.
namespace Permit {
enum : int { Deny, Permit };
}

} // namespace AclRuleTables
