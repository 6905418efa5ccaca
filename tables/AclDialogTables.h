#pragma once

#include "snmp/QxDescriptorTable.h"
#include "snmp/QxOptionList.h"

#include <span>

// Descriptor tables of the access-profile masks (vendor MIB): Ethernet, IP and
// packet-content masks of the switch's access lists and of its CPU filter.
// Twins share their column positions where their columns are the same.
namespace AclDialogTables {

// Ethernet masks: which MAC addresses, VLAN, 802.1p and Ethernet type a
// profile's rules look at (one key: the mask ID).
extern const QxDescriptorTable ethernetMask;    // " Ethernet Mask"
extern const QxDescriptorTable cpuEthernetMask; // " CPU Ethernet Mask"
namespace EthernetColumn {
enum : int { Id, UseVlan, State, SourceMask, DestinationMask, Use8021p, UseEthernetType, RowStatus, Count };
}
// Items of the MAC mask state list.
namespace MacState {
enum : int { Other, Destination, Source, DestinationSource };
}

// Packet-content masks: the mask octets for the first 80 bytes of a frame,
// in five chunks of sixteen.
extern const QxDescriptorTable packetMask;    // " Packet Content Mask"
extern const QxDescriptorTable cpuPacketMask; // " CPU Packet Content Mask"
namespace PacketColumn {
enum : int { Id, Chunk1, Chunk2, Chunk3, Chunk4, Chunk5, RowStatus, Count };
}
inline constexpr int packetChunks = 5;

// IP masks. The CPU filter's has ICMP and IGMP options and a user mask, and
// keeps its port and protocol masks as text.
extern const QxDescriptorTable ipMask;    // " IP Mask"
extern const QxDescriptorTable cpuIpMask; // " CPU IP Mask"

// The part each column of an IP mask plays; -1 where a mask has no such column.
struct IpMaskColumns
{
    int id, useVlan, state, sourceMask, destinationMask, useDscp, protocol, icmpOption, igmpOption, tcpOption,
        udpOption, sourcePortMask, destinationPortMask, tcpFlag, tcpFlagMask, protocolIdOption, protocolId, userMask,
        rowStatus, count;
};
inline constexpr IpMaskColumns ipMaskColumns{0, 1, 2, 3, 4, 5, 6, -1, -1, 7, 8, 9, 10, 11, 12, 13, 14, -1, 15, 16};
inline constexpr IpMaskColumns cpuIpMaskColumns{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
// Items of the IP mask's lists.
namespace IpState {
enum : int { Other, Destination, Source, DestinationSource };
}
namespace Protocol {
enum : int { None, Icmp, Igmp, Tcp, Udp, ProtocolId, Count };
}
namespace PortOption {
enum : int { Other, Destination, Source, DestinationSource };
}
namespace Switch { // "enable" / "disable"
enum : int { Enable, Disable };
}
namespace IcmpOption {
enum : int { None, Type, Code, TypeCode };
}
// The columns each protocol leaves out of a new mask, by protocol item.
extern const std::span<const int> ipMaskProtocolExclusions[Protocol::Count];
extern const std::span<const int> cpuIpMaskProtocolExclusions[Protocol::Count];

// The protocol list a mask and its rules share.
extern const QxOptionList protocolOptions; // 1 none .. 6 protocolId

// Item positions in the masks' row-status list (active, createAndGo, destroy).
inline constexpr int rowActive = 0;
inline constexpr int rowCreateAndGo = 1;
inline constexpr int rowDestroy = 2;

} // namespace AclDialogTables
