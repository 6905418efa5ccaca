// The menus "Security Management", "Layer 2 Management", "Layer 3 Management",
// "Single IP" and "Help" as data, and the sizes of the whole catalogue.

#include "format/QxEditFormat.h"
#include "snmp/QxKeyCodec.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPVarList.h"
#include "tables/BasicConfigurationMenu.h"
#include "tables/BridgeMenu.h"
#include "tables/HelpMenu.h"
#include "tables/Layer2ManagementMenu.h"
#include "tables/Layer3ManagementMenu.h"
#include "tables/RmonMenu.h"
#include "tables/SecurityManagementMenu.h"
#include "tables/SingleIpMenu.h"
#include "tables/SnmpV3Menu.h"
#include "tables/VlanMenu.h"

#include <gtest/gtest.h>
#include "common/PlacedRecords.h"

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace {

const CommandGroup *const kSecondHalf[] = {&SecurityManagementGroup, &Layer2ManagementGroup, &Layer3ManagementGroup,
                                           &SingleIpGroup, &HelpGroup};

using PlacedRecords::Placed;
using PlacedRecords::place;

const std::vector<Placed> &secondHalf()
{
    static const std::vector<Placed> placed = PlacedRecords::place(kSecondHalf);
    return placed;
}

const CommandRecord *find(const QStringList &path)
{
    return PlacedRecords::find(secondHalf(), path);
}

bool isGeneric(const CommandRecord &r)
{
    return r.shape == CommandShape::Editor || r.shape == CommandShape::Table;
}

bool isTableKind(const CommandRecord &r)
{
    return r.kind == MVT_FMV || r.kind == MVT_UMV;
}

int arrayLength(const QxSNMPVarItem *items)
{
    int n = 0;
    while (items[n].oid && n < 1000)
        ++n;
    return n;
}

std::string str(const Placed &p)
{
    return p.path.join(QStringLiteral(" > ")).toStdString();
}

QString dialogCaption(const CommandRecord *r)
{
    return r ? QString::fromLatin1(r->title) + QString::fromLatin1(r->joiner) : QString();
}

QStringList topLevel(const CommandGroup &group, bool hidden)
{
    QStringList out;
    for (const CommandRecord *r = group.records; r->caption; ++r)
        if (r->depth == 0 && r->shape != CommandShape::Separator && r->hidden == hidden)
            out << QString::fromLatin1(r->caption);
    return out;
}

// One generic command as the catalogue lists it.
struct Listed
{
    QStringList path;
    const char *firstOid; // the first descriptor that has an OID
    int count;
    quint8 kind;
    int keys;
    const char *caption; // title + joiner
};

const std::vector<Listed> &listed()
{
    static const std::vector<Listed> list = {
        // Security Management
        {{"Security Management", "Authentication Mode settings"}, "EnterpriseBase.12.3.1.1", 2, SVT_SV, 0,
         "Authentication Mode settings: "},
        {{"Security Management", "802.1X", "Configuration"}, "1.0.8802.1.1.1.1.1.1", 1, SVT_SV, 0,
         "802.1X Configuration: "},
        {{"Security Management", "802.1X", "Port Table"}, "1.0.8802.1.1.1.1.1.2.1.1", 5, MVT_UMV, 1, "Port Table : "},
        {{"Security Management", "802.1X", "Auth Configuration"}, "1.0.8802.1.1.1.1.2.1.1.1", 14, MVT_UMV, 1,
         "802.1X Auth Configuration : "},
        {{"Security Management", "802.1X", "Auth Statistics"}, "1.0.8802.1.1.1.1.2.2.1.1", 13, MVT_UMV, 1,
         "802.1X Auth Statistics : "},
        {{"Security Management", "802.1X", "Auth Diagnostics"}, "1.0.8802.1.1.1.1.2.3.1.1", 19, MVT_UMV, 1,
         "802.1X Auth Diagnostics: "},
        {{"Security Management", "802.1X", "Auth Session Statistics"}, "1.0.8802.1.1.1.1.2.4.1.1", 10, MVT_FMV, 1,
         "802.1X Auth Session Statistics : "},
        {{"Security Management", "802.1X", "MAC_Based Authentication", "State Table"}, "EnterpriseBase.12.3.6.1.1.1", 5,
         MVT_FMV, 2, "802.1X State Table: "},
        {{"Security Management", "802.1X", "MAC_Based Authentication", "Session Information"},
         "EnterpriseBase.12.3.6.4.1.1", 11, MVT_FMV, 2, "Session Information : "},
        {{"Security Management", "RADIUS Management", "RADIUS Control"}, "EnterpriseBase.12.3.2.2", 2, SVT_SV, 0,
         "RADUIS Control: "},
        {{"Security Management", "RADIUS Management", "RADUIS Command"}, "EnterpriseBase.12.3.7.1", 2, SVT_SV, 0,
         "RADUIS Command: "},
        {{"Security Management", "RADIUS Management", "Authentication Information"}, "EnterpriseBase.12.3.3.1", 2,
         SVT_SV, 0, "Authentication Information: "},
        {{"Security Management", "RADIUS Management", "Authentication Table"}, "EnterpriseBase.12.3.3.3.1.1", 15,
         MVT_FMV, 1, "Authentication Table: "},
        // Two scalars: the standard's client group has no more.
        {{"Security Management", "RADIUS Management", "Accounting Management", "Basic Information"},
         "1.3.6.1.2.1.67.2.2.1.1.2", 2, SVT_SV, 0, "Accounting Basic Information: "},
        {{"Security Management", "RADIUS Management", "Accounting Management", "Server Table"},
         "EnterpriseBase.12.3.5.3.1.1", 13, MVT_FMV, 1, "Accounting Server Table: "},
        {{"Security Management", "RADIUS Management", "Accounting Management", "Service Table"},
         "EnterpriseBase.12.3.4.3.1.1", 3, MVT_FMV, 1, "Accounting Service Table: "},
        {{"Security Management", "AAC ", "AAC Control"}, "EnterpriseBase.12.5.1.1", 1, SVT_SV, 0,
         "AAC Control Table : "},
        {{"Security Management", "AAC ", "AAC Information"}, "EnterpriseBase.12.5.2.1", 6, SVT_SV, 0,
         "AAC Information Table : "},
        {{"Security Management", "AAC ", "APP Auth Method Group"}, "EnterpriseBase.12.5.7.1.1", 8, SVT_SV, 0,
         "APP Auth Method Group: "},
        {{"Security Management", "AAC ", "Server Group"}, "EnterpriseBase.12.5.9.1.1", 18, MVT_FMV, 1,
         "AAC Server Table: "},
        {{"Security Management", "SSH", "SSH Management"}, "EnterpriseBase.12.6.1.1", 7, SVT_SV, 0,
         "SSH Management Table: "},
        {{"Security Management", "SSH", "Algorithm Control"}, "EnterpriseBase.12.6.2.1.1", 14, SVT_SV, 0,
         "Algorithm Control: "},
        {{"Security Management", "SSH", "Authentication Method"}, "EnterpriseBase.12.6.2.2.1", 3, SVT_SV, 0,
         "Authentication Method Control: "},
        {{"Security Management", "Safeguard_Engine", "Global Management"}, "EnterpriseBase.12.19.1.1", 1, SVT_SV, 0,
         "Safeguard Global Management: "},
        {{"Security Management", "IP-MAC Binding", "IP-MAC Binding Control"}, "EnterpriseBase.12.23.1.1", 4, SVT_SV,
         0, "IP-MAC Binding Control: "},
        {{"Security Management", "IP-MAC Binding", "IP-MAC Binding Port State Control"},
         "EnterpriseBase.12.23.3.2.1.1", 6, MVT_UMV, 1, "IP-MAC Binding Port Table: "},
        {{"Security Management", "IP-MAC Binding", "IP-MAC Binding Blocked Table"}, "EnterpriseBase.12.23.4.2.1.1", 6,
         MVT_UMV, 2, "IP-MAC Binding Blocked Table : "},
        {{"Security Management", "IP-MAC Binding", "IP-MAC Binding DHCP Snoop Table"}, "EnterpriseBase.12.23.4.3.1.1",
         5, MVT_FMV, 1, "IP-MAC Binding DHCP Snoop Table : "},
        {{"Security Management", "DOS Prevention", "DOS Prevention Management"}, "EnterpriseBase.12.59.1.1", 2,
         SVT_SV, 0, "DOS Prevention Management: "},
        {{"Security Management", "DOS Prevention", "DOS Prevertion Control Table"}, "EnterpriseBase.12.59.1.3.1.1", 7,
         MVT_UMV, 1, "DOS Prevertion Control Table : "},
        // Layer 2 Management
        {{"Layer 2 Management", "Device Control"}, "EnterpriseBase.11.63.7.2.1.2.1", 18, SVT_SV, 0,
         "Layer 2 Device Control : "},
        {{"Layer 2 Management", "Port Management", "Port Information Table"}, "EnterpriseBase.11.63.7.2.2.1.1.1", 3,
         MVT_FMV, 1, "Port Information Table : "},
        {{"Layer 2 Management", "Port Management", "Port Control Table"}, "EnterpriseBase.11.63.7.2.2.2.1.1", 10,
         MVT_UMV, 2, "Port Control Table : "},
        {{"Layer 2 Management", "Port Management", "Error Port Table"}, "EnterpriseBase.11.63.7.2.2.3.1.1", 5, MVT_FMV,
         1, "Error Port Table: "},
        {{"Layer 2 Management", "Port Management", "Port Security Table", "Port Security Trap Log State"},
         "EnterpriseBase.11.63.7.2.15.2", 1, SVT_SV, 0, "Port Security Trap Log State: "},
        {{"Layer 2 Management", "Port Management", "Port Security Table", "Port Security Control"},
         "EnterpriseBase.11.63.7.2.15.1.1.1", 4, MVT_UMV, 1, "Port Security Control: "},
        {{"Layer 2 Management", "Port Management", "Trunk Basic Information"}, "EnterpriseBase.11.63.7.2.4.1", 3,
         SVT_SV, 0, "Trunk Information : "},
        {{"Layer 2 Management", "Port Management", "Trunk LACP Port Table"}, "EnterpriseBase.11.63.7.2.4.5.1.1", 2,
         MVT_UMV, 1, "Trunk LACP Port Table : "},
        {{"Layer 2 Management", "Port Management", "Trunk VLAN Table"}, "EnterpriseBase.11.63.7.2.4.6.1.1", 2, MVT_UMV,
         1, "Trunk VLAN Table : "},
        {{"Layer 2 Management", "QoS Management", "QoS Scheduling Mechanism Control"}, "EnterpriseBase.11.63.7.2.3.5",
         1, SVT_SV, 0, "QoS Scheduling Mechanism Control: "},
        {{"Layer 2 Management", "QoS Management", "Bandwidth Control Table"}, "EnterpriseBase.11.63.7.2.3.1.1.1", 5,
         MVT_UMV, 1, "Bandwidth Control Table : "},
        {{"Layer 2 Management", "QoS Management", "Scheduling Table"}, "EnterpriseBase.11.63.7.2.3.2.1.1", 3, MVT_UMV,
         1, "Scheduling Table : "},
        {{"Layer 2 Management", "QoS Management", "802.1p User Priority Table"}, "EnterpriseBase.11.63.7.2.3.3.1.1", 2,
         MVT_UMV, 1, "802.1p User Priority Table : "},
        {{"Layer 2 Management", "QoS Management", "802.1p Default Priority Table"},
         "EnterpriseBase.11.63.7.2.3.4.1.1", 3, MVT_UMV, 1, "802.1p Default Priority Table : "},
        {{"Layer 2 Management", "IGMP Snooping Management", "IGMP General Information"}, "EnterpriseBase.11.63.7.2.7.1",
         2, SVT_SV, 0, "IGMP Management Information : "},
        {{"Layer 2 Management", "IGMP Snooping Management", "IGMP Control Table"}, "EnterpriseBase.11.63.7.2.7.3.1.1",
         14, MVT_UMV, 1, "IGMP Control : "},
        {{"Layer 2 Management", "IGMP Snooping Management", "IGMP Query Information"},
         "EnterpriseBase.11.63.7.2.7.4.1.1", 3, MVT_UMV, 1, "IGMP Query Information : "},
        {{"Layer 2 Management", "IGMP Snooping Management", "IGMP Information "}, "EnterpriseBase.11.63.7.2.7.5.1.1", 5,
         MVT_UMV, 2, "IGMP Information : "},
        {{"Layer 2 Management", "IGMP Snooping Management", "IGMP Access Authentication Table"},
         "EnterpriseBase.11.63.7.2.7.7.1.1", 3, MVT_UMV, 1, "IGMP Access Authentication Table : "},
        {{"Layer 2 Management", "IGMP Snooping Management", "IGMPv3 Table"}, "EnterpriseBase.11.63.7.2.7.10.1.1", 5,
         MVT_FMV, 3, "IGMPv3 Table : "},
        {{"Layer 2 Management", "IGMP Snooping Management", "IGMP Snooping Group Table"},
         "EnterpriseBase.11.63.7.2.7.11.1.1", 9, MVT_FMV, 3, "IGMP Snooping Group Table : "},
        {{"Layer 2 Management", "IGMP Snooping Management", "IGMP Dynamic IP Multicast Max Entry"},
         "EnterpriseBase.11.63.7.2.7.12.1", 1, SVT_SV, 0, "IGMP Dynamic IP Multicast Max Entry: "},
        {{"Layer 2 Management", "DHCP Relay", "DHCP Relay Management"}, "EnterpriseBase.12.42.1.1", 8, SVT_SV, 0,
         "DHCP Relay Management : "},
        {{"Layer 2 Management", "DHCP Relay", "DHCP Local Relay State"}, "EnterpriseBase.11.63.7.2.24.1", 1, SVT_SV, 0,
         "DHCP Local Relay State: "},
        {{"Layer 2 Management", "DHCP Relay", "DHCP Local Relay VLAN Table"}, "EnterpriseBase.11.63.7.2.24.2.1.1", 2,
         MVT_UMV, 1, "DHCP Local Relay VLAN Table "},
        {{"Layer 2 Management", "CoS Management", "CoS Priority Table"}, "EnterpriseBase.11.63.7.2.17.3.1.1.1", 5,
         MVT_UMV, 1, "CoS Priority Table: "},
        {{"Layer 2 Management", "CoS Management", "CoS Port PRI Table"}, "EnterpriseBase.11.63.7.2.17.3.2.1.1", 2,
         MVT_UMV, 1, "CoS Port PRI Table: "},
        {{"Layer 2 Management", "CoS Management", "CoS MAC_Base PRI Table"}, "EnterpriseBase.11.63.7.2.17.3.3.1.1", 2,
         MVT_UMV, 1, "CoS MAC_Base PRI Table: "},
        {{"Layer 2 Management", "CoS Management", "CoS ToS PRI Table"}, "EnterpriseBase.11.63.7.2.17.3.4.1.1", 2,
         MVT_UMV, 1, "CoS ToS PRI Table: "},
        {{"Layer 2 Management", "CoS Management", "CoS DSCP PRI Table"}, "EnterpriseBase.11.63.7.2.17.3.5.1.1", 2,
         MVT_UMV, 1, "CoS DSCP PRI Table: "},
        {{"Layer 2 Management", "Multicast Filter", "Multicast Filter Table"}, "EnterpriseBase.11.63.7.2.22.2.1.1", 5,
         MVT_UMV, 1, "Multicast Filter Table "},
        {{"Layer 2 Management", "Multicast Filter", "Multicast Filter Port Information Table"},
         "EnterpriseBase.11.63.7.2.22.5.1.1", 2, MVT_FMV, 1, "Multicast Filter Port Information Table : "},
        {{"Layer 2 Management", "Multicast Filter", "Multicast Filter Port Table"}, "EnterpriseBase.11.63.7.2.22.3.1.1",
         3, MVT_UMV, 1, "Multicast Filter Port Table: "},
        {{"Layer 2 Management", "Multicast Filter", "Multicast Filter Port Max Group Table"},
         "EnterpriseBase.11.63.7.2.22.4.1.1", 2, MVT_UMV, 1, "Multicast Filter Port Max Group Table"},
        {{"Layer 2 Management", "Packet Storm Management", "Packet Storm Control"}, "EnterpriseBase.12.25.1.2", 1,
         SVT_SV, 0, "Packet Storm Control: "},
        {{"Layer 2 Management", "Packet Storm Management", "Packet Storm Control Table"},
         "EnterpriseBase.12.25.3.1.1.1", 8, MVT_UMV, 1, "Packet Storm Control Table : "},
        {{"Layer 2 Management", "Access Control Information", "ACL Mask Delete All State"}, "EnterpriseBase.12.9.2.5",
         1, SVT_SV, 0, "ACL Mask Delete All State: "},
        {{"Layer 2 Management", "CPU Filter", "CPU Filter Control"}, "EnterpriseBase.12.9.1.1", 1, SVT_SV, 0,
         "CPU Filtering Control: "},
        {{"Layer 2 Management", "Time Range", "Time Range ACL Table"}, "EnterpriseBase.12.50.3.2.1.1", 3, MVT_UMV, 2,
         "Time Range ACL Table : "},
        {{"Layer 2 Management", "Time Range", "Time Range CPU ACL Table"}, "EnterpriseBase.12.50.3.3.1.1", 3, MVT_UMV,
         2, "Time Range CPU ACL Table : "},
        {{"Layer 2 Management", "LLDP", "Configuration", "Configuration Information"}, "1.0.8802.1.1.2.1.1.1", 5,
         SVT_SV, 0, "LLDP Basic Configuration: "},
        {{"Layer 2 Management", "LLDP", "Configuration", "Address Configuration"}, "1.0.8802.1.1.2.1.1.7.1.1", 3,
         MVT_UMV, 2, "Configuration Management Address Table: "},
        {{"Layer 2 Management", "LLDP", "LLDP Statistics", "Statistics Information"}, "1.0.8802.1.1.2.1.2.1", 5,
         SVT_SV, 0, "Statistics Information  : "},
        {{"Layer 2 Management", "LLDP", "LLDP Statistics", "TX Port Table"}, "1.0.8802.1.1.2.1.2.6.1.1", 2, MVT_FMV, 1,
         "TX Port Table  : "},
        {{"Layer 2 Management", "LLDP", "LLDP Statistics", "RX Port Table"}, "1.0.8802.1.1.2.1.2.7.1.1", 7, MVT_FMV, 1,
         "RX Port Table  : "},
        {{"Layer 2 Management", "LLDP", "LLDP System Data", "Port Table"}, "1.0.8802.1.1.2.1.3.7.1.1", 4, MVT_FMV, 1,
         "Port Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP System Data", "Management Address Table"}, "1.0.8802.1.1.2.1.3.8.1.1", 6,
         MVT_FMV, 2, "Management Address Table : "},
        {{"Layer 2 Management", "LLDP", "Remote System Data", "Management Address Table"}, "1.0.8802.1.1.2.1.4.2.1.1",
         8, MVT_FMV, 5, "Management Address Table : "},
        {{"Layer 2 Management", "LLDP", "Remote System Data", "Unknown TLV Table"}, "1.0.8802.1.1.2.1.4.3.1.1", 5,
         MVT_FMV, 4, "Remote Unknown TLV Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot1", "Configuration", "Port VLAN Table"},
         "1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", 2, MVT_UMV, 1, "Port VLAN Status: "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot1", "Local Data", "Local Data Table"},
         "1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", 2, MVT_FMV, 1, "Local Port VLAN ID  : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot1", "Local Data", "VLAN Name Table"},
         "1.0.8802.1.1.2.1.5.32962.1.2.3.1.1", 3, MVT_FMV, 2, "Local VLAN Name : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot1", "Local Data", "Protocol VLAN Table"},
         "1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", 4, MVT_FMV, 2, "Local Protocol VLAN Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot1", "Local Data", "Protocol Table"},
         "1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", 3, MVT_FMV, 2, "Local Protocol Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot1", "Remote Data", "Remote Data Table"},
         "1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", 4, MVT_FMV, 3, "Remote Port VLAN ID  : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot1", "Remote Data", "VLAN Name Table"},
         "1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", 5, MVT_FMV, 4, "Remote VLAN Name : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot1", "Remote Data", "Protocol VLAN Table"},
         "1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", 6, MVT_FMV, 4, "Remote Protocol VLAN Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot1", "Remote Data", "Protocol Table"},
         "1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", 5, MVT_FMV, 4, "Remote Protocol Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot3", "Local Data Table", "Port Tablle"},
         "1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", 5, MVT_FMV, 1, "Local Port Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot3", "Local Data Table", "Power Table"},
         "1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", 7, MVT_FMV, 1, "Local Power Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot3", "Local Data Table", "Max Frame Size Table"},
         "1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", 2, MVT_FMV, 1, "Local Max Frame Size Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot3", "Remote Table", "Port Table"}, "1.0.8802.1.1.2.1.5.4623.1.3.1.1.1",
         7, MVT_FMV, 3, "Remote Port Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot3", "Remote Table", "Power Table"},
         "1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", 9, MVT_FMV, 3, "Remote Power Table : "},
        {{"Layer 2 Management", "LLDP", "LLDP-Dot3", "Remote Table", "Max Frame Size Table"},
         "1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", 4, MVT_FMV, 3, "Remote Max Frame Size Table : "},
        {{"Layer 2 Management", "Loop Detect ", "Loop Detect Control"}, "EnterpriseBase.11.63.7.2.21.1.1", 3, SVT_SV, 0,
         "Loop Detect Control: "},
        {{"Layer 2 Management", "Loop Detect ", "Loop Detect Port Table"}, "EnterpriseBase.11.63.7.2.21.2.1.1.1", 3,
         MVT_UMV, 1, "Loop Detect Port Table : "},
        {{"Layer 2 Management", "802.3 ad", "Aggregator Table"}, "EnterpriseBase.12.4.1.1.1.1.1", 11, MVT_FMV, 1,
         "Aggregator Table: "},
        {{"Layer 2 Management", "802.3 ad", "Aggregator Port List"}, "EnterpriseBase.12.4.1.1.1.1.1", 2, MVT_FMV, 1,
         "Aggregator Port List Table: "},
        {{"Layer 2 Management", "MLD Snooping", "MLD Snooping Management"}, "EnterpriseBase.12.34.1.1", 1, SVT_SV, 0,
         "MLD Snooping Management: "},
        {{"Layer 2 Management", "MLD Snooping", "MLD Snooping Control"}, "EnterpriseBase.12.34.3.2.1.1", 13, MVT_UMV, 1,
         "MLD Snooping Control: "},
        {{"Layer 2 Management", " PoE", "PoE System Control"}, "EnterpriseBase.12.24.1.1", 3, SVT_SV, 0,
         "PoE System Control: "},
        {{"Layer 2 Management", " PoE", "PoE System information"}, "EnterpriseBase.12.24.2.1", 2, SVT_SV, 0,
         "PoE System information: "},
        {{"Layer 2 Management", " PoE", "PoE Port Control"}, "EnterpriseBase.12.24.3.1.1.1", 5, MVT_UMV, 1,
         "PoE Port Control: "},
        {{"Layer 2 Management", " PoE", "PoE Port information"}, "EnterpriseBase.12.24.4.1.1.1", 7, MVT_FMV, 1,
         "PoE Port information: "},
        // Single IP
        {{"Single IP", "Single IP Control"}, "EnterpriseBase.12.8.1.2.1", 4, SVT_SV, 0, "Single IP Control: "},
        {{"Single IP", "My Information"}, "EnterpriseBase.12.8.1.1.1", 3, SVT_SV, 0, "My Information : "},
        {{"Single IP", "Candidate Switch"}, "EnterpriseBase.12.8.1.4.1.1", 7, MVT_FMV, 1,
         "Single IP Candidate Switch Management : "},
        {{"Single IP", "Group Information"}, "EnterpriseBase.12.8.1.5.1.1", 8, MVT_FMV, 1,
         "Single IP Group Management "},
        {{"Single IP", "Neighbor Switch"}, "EnterpriseBase.12.8.1.6.1.1", 3, MVT_FMV, 2, "Neighbor Switch: "},
    };
    return list;
}

int countShape(const CommandGroup &group, CommandShape shape)
{
    int n = 0;
    for (const Placed &p : place(group))
        if (p.record->shape == shape)
            ++n;
    return n;
}

} // namespace

// ---------------------------------------------------------------------------
// Tree shape and counts

TEST(CatalogueSecondHalf, GroupsAreWellFormedTrees)
{
    const QStringList tops{"Security Management", "Layer 2 Management", "Layer 3 Management", "Single IP", "Help"};
    for (int g = 0; g < 5; ++g) {
        const CommandGroup &group = *kSecondHalf[g];
        EXPECT_EQ(QString::fromLatin1(group.topMenu), tops[g]);
        const CommandRecord *previous = nullptr;
        int n = 0;
        for (const CommandRecord *r = group.records; r->caption; ++r, ++n) {
            ASSERT_LT(n, 1000) << group.topMenu << ": no terminator";
            if (!previous) {
                EXPECT_EQ(r->depth, 0) << r->caption;
            } else if (r->depth > previous->depth) {
                // One level deeper at a time, and only right below a menu.
                EXPECT_EQ(r->depth, previous->depth + 1) << r->caption;
                EXPECT_EQ(previous->shape, CommandShape::Menu) << r->caption;
            }
            // A menu has items.
            if (previous && previous->shape == CommandShape::Menu)
                EXPECT_GT(r->depth, previous->depth) << previous->caption << " is an empty menu";
            previous = r;
        }
        EXPECT_GT(n, 0);
    }
}

TEST(CatalogueSecondHalf, TopLevelItemsFollowTheMenuOutline)
{
    EXPECT_EQ(topLevel(SecurityManagementGroup, false),
              (QStringList{"Authentication Mode settings", "802.1X", "RADIUS Management", "AAC ", "SSH", "SSL",
                           "Safeguard_Engine", "IP-MAC Binding", "DOS Prevention"}));
    EXPECT_TRUE(topLevel(SecurityManagementGroup, true).isEmpty());
    EXPECT_EQ(topLevel(Layer2ManagementGroup, false),
              (QStringList{"Device Control", "Port Management", "QoS Management", "IGMP Snooping Management",
                           "DHCP Relay", "CoS Management", "Multicast Filter", "Traffic Segmentation Table ",
                           "Packet Storm Management", "Access Control Information", "CPU Filter", "Time Range",
                           "LLDP", "Loop Detect ", "802.3 ad", "MLD Snooping", " PoE"}));
    EXPECT_TRUE(topLevel(Layer2ManagementGroup, true).isEmpty());
    EXPECT_EQ(topLevel(SingleIpGroup, false), (QStringList{"Single IP Control", "My Information", "Member Switch",
                                                           "Candidate Switch", "Group Information", "Neighbor Switch"}));
    EXPECT_EQ(topLevel(SingleIpGroup, true), QStringList{"MS Trap Message"});
    EXPECT_EQ(topLevel(HelpGroup, false), (QStringList{"Help", "About"}));
    EXPECT_EQ(topLevel(HelpGroup, true), QStringList{"Test"});
}

TEST(CatalogueSecondHalf, ShapeCountsPerMenu)
{
    EXPECT_EQ(countShape(SecurityManagementGroup, CommandShape::Editor), 15);
    EXPECT_EQ(countShape(SecurityManagementGroup, CommandShape::Table), 15);
    EXPECT_EQ(countShape(SecurityManagementGroup, CommandShape::Dedicated), 12);
    EXPECT_EQ(countShape(Layer2ManagementGroup, CommandShape::Editor), 16);
    EXPECT_EQ(countShape(Layer2ManagementGroup, CommandShape::Table), 58);
    EXPECT_EQ(countShape(Layer2ManagementGroup, CommandShape::Dedicated), 34);
    EXPECT_EQ(countShape(SingleIpGroup, CommandShape::Editor), 2);
    EXPECT_EQ(countShape(SingleIpGroup, CommandShape::Table), 3);
    EXPECT_EQ(countShape(SingleIpGroup, CommandShape::Dedicated), 1);
    EXPECT_EQ(countShape(HelpGroup, CommandShape::Action), 2);
    for (const CommandGroup *g : kSecondHalf)
        EXPECT_EQ(countShape(*g, CommandShape::Viewer), 0) << g->topMenu;

    // Every generic command of this half is listed with its array, and no other.
    int generic = 0;
    for (const Placed &p : secondHalf())
        if (isGeneric(*p.record))
            ++generic;
    EXPECT_EQ(generic, int(listed().size()));
    EXPECT_EQ(generic, 33 + 76);
}

TEST(CatalogueSecondHalf, WholeCatalogueSizes)
{
    const CommandGroup *const groups[] = {&basicConfigurationMenuGroup,
                                          &rmonMenuGroup,
                                          &bridgeMenuGroup,
                                          &vlanMenuGroup,
                                          &snmpV3MenuGroup,
                                          &SecurityManagementGroup,
                                          &Layer2ManagementGroup,
                                          &Layer3ManagementGroup,
                                          &SingleIpGroup,
                                          &HelpGroup};
    std::map<CommandShape, int> count;
    int hiddenCommands = 0;
    for (const CommandGroup *g : groups) {
        for (const Placed &p : place(*g)) {
            ++count[p.record->shape];
            const bool command = p.record->shape != CommandShape::Menu
                                 && p.record->shape != CommandShape::Separator
                                 && p.record->shape != CommandShape::Nothing;
            if (command && p.effectivelyHidden)
                ++hiddenCommands;
        }
    }
    EXPECT_EQ(count[CommandShape::Editor], 61);
    EXPECT_EQ(count[CommandShape::Table], 116);
    EXPECT_EQ(count[CommandShape::Dedicated], 63);
    EXPECT_EQ(count[CommandShape::Viewer], 22);
    EXPECT_EQ(count[CommandShape::Action], 3);
    // With "IPv6 Mask Information", whose command does nothing, 266 items and 16 hidden ones.
    EXPECT_EQ(hiddenCommands, 15);
    const CommandRecord *ipv6 = find({"Layer 2 Management", "Access Control Information", "IPv6 Mask Information"});
    ASSERT_NE(ipv6, nullptr);
    EXPECT_EQ(ipv6->shape, CommandShape::Nothing);
    EXPECT_TRUE(ipv6->hidden);
}

TEST(CatalogueSecondHalf, CaptionsAreExact)
{
    // Blanks, typos and underscores are part of the menu texts.
    EXPECT_NE(find({"Security Management", "AAC "}), nullptr);
    EXPECT_NE(find({"Security Management", "802.1X", "MAC_Based Authentication",
                    "Eap Over Land  Frames Statistic Table"}),
              nullptr);
    EXPECT_NE(find({"Security Management", "RADIUS Management", "RADUIS Command"}), nullptr);
    EXPECT_NE(find({"Security Management", "DOS Prevention", "DOS Prevertion Control Table"}), nullptr);
    EXPECT_NE(find({"Security Management", "Safeguard_Engine", "ARP Storm Control"}), nullptr);
    EXPECT_NE(find({"Layer 2 Management", "Loop Detect "}), nullptr);
    EXPECT_NE(find({"Layer 2 Management", " PoE", "PoE System information"}), nullptr);
    EXPECT_NE(find({"Layer 2 Management", "Traffic Segmentation Table "}), nullptr);
    EXPECT_NE(find({"Layer 2 Management", "IGMP Snooping Management", "IGMP Information "}), nullptr);
    EXPECT_NE(find({"Layer 2 Management", "Access Control Information", "Ethernet Mask "}), nullptr);
    EXPECT_NE(find({"Layer 2 Management", "LLDP", "LLDP-Dot3", "Local Data Table", "Port Tablle"}), nullptr);
    EXPECT_NE(find({"Layer 2 Management", "802.3 ad"}), nullptr);

    // The DHCP relay menu holds a hidden item without caption.
    const CommandRecord *blank = find({"Layer 2 Management", "DHCP Relay", ""});
    ASSERT_NE(blank, nullptr);
    EXPECT_TRUE(blank->hidden);
    EXPECT_EQ(blank->shape, CommandShape::Nothing);

    // One separator of the layer-2 menu is hidden.
    int hiddenSeparators = 0;
    for (const Placed &p : place(Layer2ManagementGroup))
        if (p.record->shape == CommandShape::Separator && p.record->hidden)
            ++hiddenSeparators;
    EXPECT_EQ(hiddenSeparators, 1);
}

TEST(CatalogueSecondHalf, DedicatedCaptions)
{
    EXPECT_EQ(dialogCaption(find({"Layer 2 Management", "CPU Filter", "Ethernet Rule (CPU Filter)"})),
              "Ethernet Rule (CPU Filter):: ");
    EXPECT_EQ(dialogCaption(find({"Layer 2 Management", "CPU Filter", "Packet Content Mask (CPU Filter)"})),
              "User Mask Information(CPU Filter): ");
    EXPECT_EQ(dialogCaption(find({"Layer 2 Management", "LLDP", "LLDP-Dot1", "Configuration", "Protocol VLAN Table"})),
              "Configuration Protocol VLAN  Table: ");
    EXPECT_EQ(dialogCaption(find({"Layer 2 Management", "Access Control Information", "Ethernet Mask "})),
              "Ethernet Mask : ");
    EXPECT_EQ(dialogCaption(find({"Security Management", "SSL", "SSL Certificate File"})), "SSL Certificate File : ");
    EXPECT_EQ(dialogCaption(find({"Security Management", "AAC ", "Login Method Control"})), "Login Method Control: ");
    EXPECT_EQ(dialogCaption(find({"Single IP", "Member Switch"})), "Member Switch Information: ");

    const QRegularExpression className(QStringLiteral("^T[A-Za-z0-9_]+$"));
    for (const Placed &p : secondHalf()) {
        const CommandRecord &r = *p.record;
        if (r.shape == CommandShape::Dedicated) {
            ASSERT_NE(r.target, nullptr) << str(p);
            EXPECT_TRUE(className.match(QString::fromLatin1(r.target)).hasMatch()) << str(p);
            EXPECT_TRUE(r.title && *r.title && r.joiner) << str(p);
            EXPECT_EQ(r.items, nullptr) << str(p);
        }
        if (r.shape == CommandShape::Nothing) {
            EXPECT_TRUE(p.effectivelyHidden) << str(p);
            EXPECT_EQ(r.target, nullptr) << str(p);
        }
    }
    const CommandRecord *help = find({"Help", "Help"});
    const CommandRecord *about = find({"Help", "About"});
    ASSERT_TRUE(help && about);
    EXPECT_STREQ(help->target, "help");
    EXPECT_STREQ(about->target, "about");
}

TEST(CatalogueSecondHalf, LayerThreeOpensNothing)
{
    const auto items = place(Layer3ManagementGroup);
    ASSERT_FALSE(items.empty());
    for (const Placed &p : items) {
        EXPECT_EQ(p.record->shape, CommandShape::Nothing) << str(p);
        EXPECT_TRUE(p.record->hidden) << str(p);
    }
}

// ---------------------------------------------------------------------------
// Generic commands: arrays, kinds, keys

TEST(CatalogueSecondHalf, GenericCommandsMatchTheCatalogue)
{
    for (const Listed &l : listed()) {
        const std::string at = l.path.join(" > ").toStdString();
        const CommandRecord *r = find(l.path);
        if (!r)
            continue;
        ASSERT_TRUE(isGeneric(*r)) << at;
        ASSERT_NE(r->items, nullptr) << at;
        const int n = arrayLength(r->items);
        ASSERT_LT(n, 1000) << at << ": no terminator";
        EXPECT_EQ(n, l.count) << at;
        EXPECT_EQ(r->kind, l.kind) << at;
        EXPECT_EQ(r->keyCount, l.keys) << at;
        EXPECT_EQ(dialogCaption(r), QString::fromLatin1(l.caption)) << at;
        const QxSNMPVarItem *first = r->items;
        while (first->oid && !*first->oid)
            ++first;
        EXPECT_STREQ(first->oid, l.firstOid) << at;
        // Table pages and editor pages: a shape that the kind can fill.
        if (r->shape == CommandShape::Editor)
            EXPECT_TRUE(r->kind == SVT_SV || r->kind == MVT_FMV) << at;
        // The request copies every descriptor up to the terminator.
        const QxSNMPVarList list(r->items, r->kind, r->keyCount);
        EXPECT_EQ(list.count(), n) << at;
    }
}

TEST(CatalogueSecondHalf, DescriptorsAreWellFormed)
{
    const QSet<quint32> syntaxes{2, 3, 4, 6, 64, 65, 66, 67, 70, 73, 74, 76, 77};
    const QRegularExpression vendor(QStringLiteral("^EnterpriseBase(\\.\\d+)+$"));
    const QRegularExpression standard(QStringLiteral("^(1\\.3\\.6\\.1\\.2\\.1|1\\.0\\.8802\\.1\\.1)(\\.\\d+)+$"));
    for (const Placed &p : secondHalf()) {
        const CommandRecord &r = *p.record;
        if (!isGeneric(r))
            continue;
        const bool table = isTableKind(r);
        QSet<QString> oids;
        for (int i = 0; r.items[i].oid; ++i) {
            const QxSNMPVarItem &v = r.items[i];
            const std::string at = str(p) + " row " + std::to_string(i);
            const QString oid = QString::fromLatin1(v.oid);
            const bool key = table && i < r.keyCount;
            EXPECT_TRUE(v.caption && *v.caption) << at;
            EXPECT_TRUE(syntaxes.contains(v.syntax)) << at << ": syntax " << v.syntax;
            EXPECT_EQ(v.access & ~quint32(QxAccess::notaccess | QxAccess::readwrite | QxAccess::implied | QxAccess::secret), 0u)
                << at;
            if (oid.isEmpty()) {
                EXPECT_TRUE(key && (v.access & QxAccess::notaccess)) << at << ": only an index column lacks an OID";
            } else {
                EXPECT_TRUE(vendor.match(oid).hasMatch() || standard.match(oid).hasMatch()) << at << ": " << v.oid;
                EXPECT_FALSE(oids.contains(oid)) << at << ": " << v.oid << " twice";
                oids.insert(oid);
            }
            if (v.access & QxAccess::notaccess)
                EXPECT_TRUE(key) << at << ": an index column outside the keys";
            if (!key)
                EXPECT_TRUE(v.access & QxAccess::readwrite) << at << ": neither read nor written";
            if (v.access & QxAccess::implied)
                EXPECT_EQ(i, r.keyCount - 1) << at << ": only the last key may be implied";
            // MAC-address keys decode as six sub-identifiers, without a length.
            if (key && QString::fromLatin1(v.caption).contains(QLatin1String("MAC")))
                EXPECT_EQ(v.syntax, quint32(QxSyntax::macaddress)) << at;
            if (v.optionList) {
                EXPECT_GT(v.optionList->count(), 0) << at;
                EXPECT_TRUE(v.syntax == QxSyntax::integer) << at << ": options on a non-integer";
            }
            EXPECT_EQ(v.readExpression, nullptr) << at;
            EXPECT_EQ(v.writeExpression, nullptr) << at;
        }
        // A page that only reads has nothing to write: table pages of a walked,
        // read-only kind aside, every editor page shows at least one value.
        EXPECT_GT(oids.size(), 0) << str(p);
    }
}

TEST(CatalogueSecondHalf, KeyColumnsEncodeAndDecode)
{
    auto sample = [](quint32 syntax) -> QString {
        switch (syntax) {
        case QxSyntax::displaystr: return QStringLiteral("grp 1");
        case QxSyntax::octetstr: return QStringLiteral("C0A80001");
        case QxSyntax::macaddress: return QStringLiteral("0011223344AB");
        case QxSyntax::ipaddress: return QStringLiteral("10.90.90.90");
        case QxSyntax::timeticks: return QStringLiteral("0:00:12.34");
        default: return QStringLiteral("5");
        }
    };
    for (const Placed &p : secondHalf()) {
        const CommandRecord &r = *p.record;
        if (!isGeneric(r) || !isTableKind(r))
            continue;
        ASSERT_GE(r.keyCount, 1) << str(p);
        QStringList parts;
        QStringList values;
        for (int i = 0; i < r.keyCount; ++i) {
            const QxSNMPVarItem &v = r.items[i];
            const bool implied = i == r.keyCount - 1 && (v.access & QxAccess::implied);
            values << sample(v.syntax);
            try {
                parts << QxKeyCodec::encode(values.last(), v.syntax, implied);
            } catch (const QxSNMPException &e) {
                ADD_FAILURE() << str(p) << " key " << i << ": " << e.text().toStdString();
            }
        }
        QString rest = parts.join(QLatin1Char('.'));
        for (int i = 0; i < r.keyCount && !rest.isEmpty(); ++i) {
            const QxSNMPVarItem &v = r.items[i];
            const bool implied = i == r.keyCount - 1 && (v.access & QxAccess::implied);
            QString text;
            try {
                rest = QxKeyCodec::decode(rest, v.syntax, implied, text);
            } catch (const QxSNMPException &e) {
                ADD_FAILURE() << str(p) << " key " << i << ": " << e.text().toStdString();
                break;
            }
            EXPECT_EQ(text, values[i]) << str(p) << " key " << i;
        }
        EXPECT_TRUE(rest.isEmpty()) << str(p) << ": " << rest.toStdString();
    }
}

TEST(CatalogueSecondHalf, RowStatusColumnsCreateAndDestroy)
{
    QStringList withStatus;
    for (const Placed &p : secondHalf()) {
        const CommandRecord &r = *p.record;
        if (r.rowStatusColumn < 0)
            continue;
        withStatus << p.path.last();
        ASSERT_EQ(r.shape, CommandShape::Table) << str(p);
        ASSERT_TRUE(isTableKind(r)) << str(p);
        ASSERT_LT(r.rowStatusColumn, arrayLength(r.items)) << str(p);
        EXPECT_GE(r.rowStatusColumn, r.keyCount) << str(p);
        const QxSNMPVarItem &v = r.items[r.rowStatusColumn];
        EXPECT_EQ(v.syntax, quint32(QxSyntax::integer)) << str(p);
        EXPECT_EQ(v.access, quint32(QxAccess::readwrite)) << str(p);
        ASSERT_NE(v.optionList, nullptr) << str(p);
        EXPECT_EQ(v.optionList->textToValue("createAndGo"), "4") << str(p);
        EXPECT_EQ(v.optionList->textToValue("destroy"), "6") << str(p);
    }
    EXPECT_EQ(withStatus,
              (QStringList{"Server Group", "IP-MAC Binding Blocked Table", "Multicast Filter Table"}));
}

TEST(CatalogueSecondHalf, FormatsParseAndFitTheirRows)
{
    int formatted = 0;
    for (const Placed &p : secondHalf()) {
        const CommandRecord &r = *p.record;
        if (!r.formats)
            continue;
        ++formatted;
        ASSERT_TRUE(isGeneric(r)) << str(p);
        const int n = arrayLength(r.items);
        int count = 0;
        int previousRow = -1;
        for (const RowFormat *f = r.formats; f->row >= 0; ++f, ++count) {
            ASSERT_LT(count, 100) << str(p) << ": format list without end";
            const std::string at = str(p) + " row " + std::to_string(f->row);
            EXPECT_LT(f->row, n) << at;
            EXPECT_GT(f->row, previousRow) << at << ": rows out of order or twice";
            previousRow = f->row;
            ASSERT_NE(f->format, nullptr) << at;
            try {
                const QxEditFormat format = QxEditFormat::parse(QString::fromLatin1(f->format));
                if (format.type() != QLatin1Char('i'))
                    continue;
                const quint32 syntax = r.items[f->row].syntax;
                EXPECT_TRUE(syntax == QxSyntax::integer || syntax == QxSyntax::guage) << at;
                // The longest value allowed must fit the edit's length.
                EXPECT_LE(format.integerMinimum(), format.integerMaximum()) << at;
                const int digits = int(QString::number(format.integerMaximum()).size());
                EXPECT_LE(digits, format.length()) << at << ": " << f->format;
            } catch (const QxSNMPException &e) {
                ADD_FAILURE() << at << ": " << e.text().toStdString();
            }
        }
        EXPECT_GT(count, 0) << str(p);
    }
    EXPECT_EQ(formatted, 15);
}

// ---------------------------------------------------------------------------
// Single commands with settings of their own

TEST(CatalogueSecondHalf, SessionCountersNeedSnmpV2c)
{
    QStringList flagged;
    for (const Placed &p : secondHalf()) {
        if (!p.record->flags)
            continue;
        flagged << p.path.last();
        EXPECT_EQ(p.record->flags, quint32(CommandFlag::NeedsV2c)) << str(p);
        bool has64 = false;
        for (const QxSNMPVarItem *v = p.record->items; v && v->oid; ++v)
            has64 = has64 || v->syntax == QxSyntax::counter64;
        EXPECT_TRUE(has64) << str(p);
    }
    EXPECT_EQ(flagged, (QStringList{"Auth Session Statistics", "Session Information"}));
}

TEST(CatalogueSecondHalf, ServerGroupAddsAndDeletesWithoutEdit)
{
    const CommandRecord *group = find({"Security Management", "AAC ", "Server Group"});
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(dialogCaption(group), "AAC Server Table: ");
    EXPECT_EQ(group->rowStatusColumn, 17);
    EXPECT_TRUE(group->editHidden);
    EXPECT_STREQ(group->items[17].oid, "EnterpriseBase.12.5.9.1.18");
    // Groups are named; the name is the table's IMPLIED key.
    EXPECT_EQ(group->items[0].syntax, quint32(QxSyntax::displaystr));
    EXPECT_EQ(group->items[0].access, quint32(QxAccess::notaccess | QxAccess::implied));

    int editHidden = 0;
    for (const Placed &p : secondHalf())
        editHidden += p.record->editHidden ? 1 : 0;
    EXPECT_EQ(editHidden, 1);
}

TEST(CatalogueSecondHalf, LldpStatisticsIsATableOverScalars)
{
    const CommandRecord *stats = find({"Layer 2 Management", "LLDP", "LLDP Statistics", "Statistics Information"});
    ASSERT_NE(stats, nullptr);
    EXPECT_EQ(stats->shape, CommandShape::Table);
    EXPECT_EQ(stats->kind, SVT_SV);
    EXPECT_EQ(stats->keyCount, 0);
    EXPECT_EQ(stats->rowStatusColumn, -1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(QString::fromLatin1(stats->items[i].oid), QStringLiteral("1.0.8802.1.1.2.1.2.%1").arg(i + 1));
}

TEST(CatalogueSecondHalf, PortListRows)
{
    QStringList rows;
    for (const Placed &p : secondHalf()) {
        if (p.record->portListRow < 0)
            continue;
        rows << p.path.last();
        ASSERT_LT(p.record->portListRow, arrayLength(p.record->items)) << str(p);
        EXPECT_EQ(p.record->items[p.record->portListRow].syntax, quint32(QxSyntax::bitstr)) << str(p);
    }
    EXPECT_EQ(rows, QStringList{"Address Configuration"});
    const CommandRecord *address = find({"Layer 2 Management", "LLDP", "Configuration", "Address Configuration"});
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->portListRow, 2);
    EXPECT_STREQ(address->formats[0].format, "%i{n0x512l3}");
}

TEST(CatalogueSecondHalf, AccountingClientShowsTheStandardScalarsReadOnly)
{
    const CommandRecord *basic =
        find({"Security Management", "RADIUS Management", "Accounting Management", "Basic Information"});
    ASSERT_NE(basic, nullptr);
    ASSERT_EQ(arrayLength(basic->items), 2);
    EXPECT_EQ(basic->formats, nullptr);
    const QSet<QString> oids{QString::fromLatin1(basic->items[0].oid), QString::fromLatin1(basic->items[1].oid)};
    EXPECT_EQ(oids, (QSet<QString>{"1.3.6.1.2.1.67.2.2.1.1.1", "1.3.6.1.2.1.67.2.2.1.1.2"}));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(basic->items[i].access, quint32(QxAccess::readonly)) << i;
    const QxSNMPVarList list(basic->items, basic->kind, basic->keyCount);
    for (int i = 0; i < list.count(); ++i)
        EXPECT_FALSE(list.isWritable(i)) << i;
}

TEST(CatalogueSecondHalf, DhcpRelayTimeThresholdTakesItsMaximum)
{
    const CommandRecord *relay = find({"Layer 2 Management", "DHCP Relay", "DHCP Relay Management"});
    ASSERT_NE(relay, nullptr);
    ASSERT_NE(relay->formats, nullptr);
    EXPECT_STREQ(relay->formats[0].format, "%i{n1x16l2}");
    EXPECT_EQ(relay->formats[1].row, 2);
    EXPECT_STREQ(relay->formats[1].format, "%i{n0x65535l5}");
    const QxEditFormat format = QxEditFormat::parse(QString::fromLatin1(relay->formats[1].format));
    EXPECT_EQ(format.checkExit(QStringLiteral("65535")).result, QxEditFormat::ExitOutcome::Pass);
    EXPECT_EQ(format.checkExit(QStringLiteral("65536")).result, QxEditFormat::ExitOutcome::Fail);
}

TEST(CatalogueSecondHalf, DeviceControlAsShown)
{
    const CommandRecord *device = find({"Layer 2 Management", "Device Control"});
    ASSERT_NE(device, nullptr);
    ASSERT_EQ(arrayLength(device->items), 18);
    const int lastArc[] = {1, 2, 3, 4, 5, 7, 12, 13, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26};
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(QString::fromLatin1(device->items[i].oid),
                  QStringLiteral("EnterpriseBase.11.63.7.2.1.2.%1").arg(lastArc[i]));
        EXPECT_EQ(device->items[i].access, quint32(QxAccess::readwrite)) << i;
    }
    EXPECT_STREQ(device->items[0].caption, "System Reboot");
    ASSERT_NE(device->items[0].optionList, nullptr);
    EXPECT_EQ(device->items[0].optionList->valueToText("4"), "reboot-and-load-factory-default-config");
    EXPECT_EQ(device->items[1].syntax, quint32(QxSyntax::ipaddress));
    EXPECT_STREQ(device->items[8].caption, "RMON State");
    EXPECT_EQ(device->items[8].optionList->valueToText("3"), "enabled");
    EXPECT_EQ(device->items[13].optionList->valueToText("1"), "enabled");
    EXPECT_STREQ(device->items[17].caption, "VLAN Trunk State");
    EXPECT_EQ(device->formats[2].row, 12);
    EXPECT_STREQ(device->formats[2].format, "%i{n1x2147483647l10}");
}

TEST(CatalogueSecondHalf, SeparatorsHaveACaptionThatDoesNotEndTheGroup)
{
    int separators = 0;
    for (const Placed &p : secondHalf()) {
        if (p.record->shape != CommandShape::Separator)
            continue;
        ++separators;
        EXPECT_STREQ(p.record->caption, "-") << str(p);
    }
    // Security: 3 at the top, 3 inside; layer 2: 4 at the top (one hidden), 4 inside.
    EXPECT_EQ(separators, 14);
}
