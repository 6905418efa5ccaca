#pragma once

#include "snmp/QxSNMPVarItem.h"

// Descriptor arrays of the "Layer 2 Management" commands, each ended by a
// descriptor with a null oid. The vendor's layer-2 objects live below
// EnterpriseBase.11.63.7.2 and EnterpriseBase.12; LLDP objects come from
// LLDP-MIB (1.0.8802.1.1.2) and its 802.1 (32962) and 802.3 (4623) extensions.
namespace Layer2Arrays {

extern const QxSNMPVarItem deviceControl[];

// Port management
extern const QxSNMPVarItem portInformation[];
extern const QxSNMPVarItem portControl[];
extern const QxSNMPVarItem errorPort[];
extern const QxSNMPVarItem portSecurityTrapLog[];
extern const QxSNMPVarItem portSecurityControl[];
extern const QxSNMPVarItem trunkBasic[];
extern const QxSNMPVarItem trunkLacpPort[];
extern const QxSNMPVarItem trunkVlan[];

// QoS
extern const QxSNMPVarItem qosScheduling[];
extern const QxSNMPVarItem bandwidthControl[];
extern const QxSNMPVarItem schedulingTable[];
extern const QxSNMPVarItem userPriority[];
extern const QxSNMPVarItem defaultPriority[];

// IGMP snooping
extern const QxSNMPVarItem igmpGeneral[];
extern const QxSNMPVarItem igmpControl[];
extern const QxSNMPVarItem igmpQueryInfo[];
extern const QxSNMPVarItem igmpInformation[];
extern const QxSNMPVarItem igmpAccessAuth[];
extern const QxSNMPVarItem igmpV3[];
extern const QxSNMPVarItem igmpSnoopingGroup[];
extern const QxSNMPVarItem igmpMaxEntry[];

// DHCP relay
extern const QxSNMPVarItem dhcpRelayManagement[];
extern const QxSNMPVarItem dhcpLocalRelayState[];
extern const QxSNMPVarItem dhcpLocalRelayVlan[];

// CoS
extern const QxSNMPVarItem cosPriority[];
extern const QxSNMPVarItem cosPortPri[];
extern const QxSNMPVarItem cosMacPri[];
extern const QxSNMPVarItem cosTosPri[];
extern const QxSNMPVarItem cosDscpPri[];

// Multicast filter
extern const QxSNMPVarItem multicastFilter[];
extern const QxSNMPVarItem multicastFilterPortInfo[];
extern const QxSNMPVarItem multicastFilterPort[];
extern const QxSNMPVarItem multicastFilterPortMaxGroup[];

// Packet storm, access lists, CPU filter, time range
extern const QxSNMPVarItem packetStormControl[];
extern const QxSNMPVarItem packetStormTable[];
extern const QxSNMPVarItem aclMaskDeleteAll[];
extern const QxSNMPVarItem cpuFilterControl[];
extern const QxSNMPVarItem timeRangeAcl[];
extern const QxSNMPVarItem timeRangeCpuAcl[];

// LLDP
extern const QxSNMPVarItem lldpConfiguration[];
extern const QxSNMPVarItem lldpConfigManAddr[];
extern const QxSNMPVarItem lldpStatistics[];
extern const QxSNMPVarItem lldpTxPort[];
extern const QxSNMPVarItem lldpRxPort[];
extern const QxSNMPVarItem lldpLocPort[];
extern const QxSNMPVarItem lldpLocManAddr[];
extern const QxSNMPVarItem lldpRemManAddr[];
extern const QxSNMPVarItem lldpRemUnknownTlv[];
extern const QxSNMPVarItem lldpDot1ConfigPortVlan[];
extern const QxSNMPVarItem lldpDot1LocPortVlan[];
extern const QxSNMPVarItem lldpDot1LocVlanName[];
extern const QxSNMPVarItem lldpDot1LocProtoVlan[];
extern const QxSNMPVarItem lldpDot1LocProtocol[];
extern const QxSNMPVarItem lldpDot1RemPortVlan[];
extern const QxSNMPVarItem lldpDot1RemVlanName[];
extern const QxSNMPVarItem lldpDot1RemProtoVlan[];
extern const QxSNMPVarItem lldpDot1RemProtocol[];
extern const QxSNMPVarItem lldpDot3LocPort[];
extern const QxSNMPVarItem lldpDot3LocPower[];
extern const QxSNMPVarItem lldpDot3LocMaxFrame[];
extern const QxSNMPVarItem lldpDot3RemPort[];
extern const QxSNMPVarItem lldpDot3RemPower[];
extern const QxSNMPVarItem lldpDot3RemMaxFrame[];

// Loop detection, link aggregation, MLD snooping, PoE
extern const QxSNMPVarItem loopDetectControl[];
extern const QxSNMPVarItem loopDetectPort[];
extern const QxSNMPVarItem aggregator[];
extern const QxSNMPVarItem aggregatorPortList[];
extern const QxSNMPVarItem mldSnoopingManagement[];
extern const QxSNMPVarItem mldSnoopingControl[];
extern const QxSNMPVarItem poeSystemControl[];
extern const QxSNMPVarItem poeSystemInfo[];
extern const QxSNMPVarItem poePortControl[];
extern const QxSNMPVarItem poePortInfo[];

} // namespace Layer2Arrays
