#include "tables/Layer2ManagementArrays.h"

#include "snmp/QxOptionList.h"
#include "tables/CommonOptions.h"

namespace {

using CommonOptions::disabledEnabled;
using CommonOptions::enabledDisabled;
using CommonOptions::otherDisabledEnabled;
using CommonOptions::rowStatus;
using CommonOptions::trueFalse;

const QxOptionPair kSystemReboot[] = {{1, "other"}, {2, "reboot"}, {3, "save-config-and-reboot"},
                                      {4, "reboot-and-load-factory-default-config"}, {0, nullptr}};
const QxOptionPair kNormalActive[] = {{1, "normal"}, {2, "active"}, {0, nullptr}};
const QxOptionPair kLinkStatus[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};
const QxOptionPair kNwayStatus[] = {{1, "other"}, {2, "empty"}, {3, "link-down"}, {4, "half-10Mbps"},
                                    {5, "full-10Mbps"}, {6, "half-100Mbps"}, {7, "full-100Mbps"},
                                    {8, "half-1Gigabps"}, {9, "full-1Gigabps"}, {0, nullptr}};
const QxOptionPair kMediumType[] = {{1, "copper"}, {2, "fiber"}, {0, nullptr}};
const QxOptionPair kNwayState[] = {{1, "other"}, {2, "nway-auto"}, {3, "nway-disabled-10Mbps-Half"},
                                   {4, "nway-disabled-10Mbps-Full"}, {5, "nway-disabled-100Mbps-Half"},
                                   {6, "nway-disabled-100Mbps-Full"}, {7, "nway-disabled-1Gigabps-Full"},
                                   {0, nullptr}};
const QxOptionPair kMdixState[] = {{1, "auto"}, {2, "normal"}, {3, "cross"}, {0, nullptr}};
const QxOptionPair kMulticastFilterMode[] = {{1, "forward-all-groups"}, {2, "forward-unregistered-groups"},
                                             {3, "filter-unregistered-groups"}, {0, nullptr}};
const QxOptionPair kErrConnection[] = {{1, "other"}, {2, "err-disabled"}, {0, nullptr}};
const QxOptionPair kErrReason[] = {{1, "none"}, {2, "stp-lbd"}, {3, "storm-control"}, {4, "ctp-lbd"},
                                   {0, nullptr}};
const QxOptionPair kLockAddressMode[] = {{1, "other"}, {2, "permanent"}, {3, "deleteOnTimeout"},
                                         {4, "deleteOnReset"}, {0, nullptr}};
const QxOptionPair kTrunkAlgorithm[] = {{1, "other"}, {2, "mac-source"}, {3, "mac-destination"},
                                        {4, "mac-source-dest"}, {5, "ip-source"}, {6, "ip-destination"},
                                        {7, "ip-source-dest"}, {0, nullptr}};
const QxOptionPair kLacpMode[] = {{1, "active"}, {2, "passive"}, {0, nullptr}};
const QxOptionPair kScheduling[] = {{1, "strict"}, {2, "weightfair"}, {0, nullptr}};
const QxOptionPair kQuerierRole[] = {{1, "querier"}, {2, "non-querier"}, {0, nullptr}};
const QxOptionPair kFilterMode[] = {{1, "include"}, {2, "exclude"}, {0, nullptr}};
const QxOptionPair kOption82Policy[] = {{1, "replace"}, {2, "drop"}, {3, "keep"}, {0, nullptr}};
const QxOptionPair kRemoteIdType[] = {{1, "default"}, {2, "user-define"}, {0, nullptr}};
const QxOptionPair kDisableEnable[] = {{1, "disable"}, {2, "enable"}, {0, nullptr}};
const QxOptionPair kEtherPri[] = {{1, "disable"}, {2, "ether-802.1p"}, {3, "mac-base"}, {0, nullptr}};
const QxOptionPair kIpPri[] = {{1, "disable"}, {2, "tos"}, {3, "dscp"}, {0, nullptr}};
const QxOptionPair kProfileAction[] = {{1, "none"}, {2, "add"}, {3, "delete"}, {0, nullptr}};
const QxOptionPair kStormTrap[] = {{1, "none"}, {2, "storm-occurred"}, {3, "storm-cleared"}, {4, "both"},
                                   {0, nullptr}};
const QxOptionPair kStormAction[] = {{1, "drop"}, {2, "shutdown"}, {0, nullptr}};
const QxOptionPair kNoneStart[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const QxOptionPair kAddressFamily[] = {{0, "other"}, {1, "ipV4"}, {2, "ipV6"}, {6, "all802"}, {0, nullptr}};
const QxOptionPair kManAddrIfSubtype[] = {{1, "unknown"}, {2, "ifIndex"}, {3, "systemPortNumber"}, {0, nullptr}};
const QxOptionPair kPortIdSubtype[] = {{1, "interfaceAlias"}, {2, "portComponent"}, {3, "macAddress"},
                                       {4, "networkAddress"}, {5, "interfaceName"}, {6, "agentCircuitId"},
                                       {7, "local"}, {0, nullptr}};
const QxOptionPair kPowerPortClass[] = {{1, "pClassPSE"}, {2, "pClassPD"}, {0, nullptr}};
const QxOptionPair kPowerPairs[] = {{1, "signal"}, {2, "spare"}, {0, nullptr}};
const QxOptionPair kLoopStatus[] = {{1, "normal"}, {2, "loop"}, {0, nullptr}};
const QxOptionPair kDisconnectMethod[] = {{1, "deny-next-port"}, {2, "deny-low-priority-port"}, {0, nullptr}};
const QxOptionPair kPoePriority[] = {{1, "critical"}, {2, "high"}, {3, "low"}, {0, nullptr}};
const QxOptionPair kPoePowerLimit[] = {{1, "class-0"}, {2, "class-1"}, {3, "class-2"}, {4, "class-3"},
                                       {5, "user-define"}, {0, nullptr}};

const QxOptionList systemRebootOptions(kSystemReboot);
const QxOptionList normalActiveOptions(kNormalActive);
const QxOptionList linkStatusOptions(kLinkStatus);
const QxOptionList nwayStatusOptions(kNwayStatus);
const QxOptionList mediumTypeOptions(kMediumType);
const QxOptionList nwayStateOptions(kNwayState);
const QxOptionList mdixStateOptions(kMdixState);
const QxOptionList multicastFilterModeOptions(kMulticastFilterMode);
const QxOptionList errConnectionOptions(kErrConnection);
const QxOptionList errReasonOptions(kErrReason);
const QxOptionList lockAddressModeOptions(kLockAddressMode);
const QxOptionList trunkAlgorithmOptions(kTrunkAlgorithm);
const QxOptionList lacpModeOptions(kLacpMode);
const QxOptionList schedulingOptions(kScheduling);
const QxOptionList querierRoleOptions(kQuerierRole);
const QxOptionList filterModeOptions(kFilterMode);
const QxOptionList option82PolicyOptions(kOption82Policy);
const QxOptionList remoteIdTypeOptions(kRemoteIdType);
const QxOptionList disableEnableOptions(kDisableEnable);
const QxOptionList etherPriOptions(kEtherPri);
const QxOptionList ipPriOptions(kIpPri);
const QxOptionList profileActionOptions(kProfileAction);
const QxOptionList stormTrapOptions(kStormTrap);
const QxOptionList stormActionOptions(kStormAction);
const QxOptionList noneStartOptions(kNoneStart);
const QxOptionList addressFamilyOptions(kAddressFamily);
const QxOptionList manAddrIfSubtypeOptions(kManAddrIfSubtype);
const QxOptionList portIdSubtypeOptions(kPortIdSubtype);
const QxOptionList powerPortClassOptions(kPowerPortClass);
const QxOptionList powerPairsOptions(kPowerPairs);
const QxOptionList loopStatusOptions(kLoopStatus);
const QxOptionList disconnectMethodOptions(kDisconnectMethod);
const QxOptionList poePriorityOptions(kPoePriority);
const QxOptionList poePowerLimitOptions(kPoePowerLimit);

} // namespace

namespace Layer2Arrays {

using namespace QxSyntax;
using namespace QxAccess;

const QxSNMPVarItem deviceControl[] = {
    {"EnterpriseBase.11.63.7.2.1.2.1", "System Reboot", integer, readwrite, &systemRebootOptions},
    {"EnterpriseBase.11.63.7.2.1.2.2", "System IP", ipaddress, readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.3", "Subnet Mask", ipaddress, readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.4", "Default Gateway", ipaddress, readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.5", "Management VLAN ID", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.7", "IGMP Snooping", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.11.63.7.2.1.2.12", "Clean All Statistic Counter", integer, readwrite, &normalActiveOptions},
    {"EnterpriseBase.11.63.7.2.1.2.13", "SNMP Authenticate Trap", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.11.63.7.2.1.2.16", "RMON State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.11.63.7.2.1.2.17", "IP Auto Config", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.11.63.7.2.1.2.19", "MAC Notify State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.11.63.7.2.1.2.20", "MAC Notify History Size", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.21", "MAC Notify Interval", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.22", "LLDP State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.11.63.7.2.1.2.23", "LLDP Forward Message State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.11.63.7.2.1.2.24", "Asymmetric VLAN State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.11.63.7.2.1.2.25", "IGMP Snooping Multicast VLAN State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.11.63.7.2.1.2.26", "VLAN Trunk State", integer, readwrite, &enabledDisabled},
    {},
};

// ---- port management ----------------------------------------------------

const QxSNMPVarItem portInformation[] = {
    {"EnterpriseBase.11.63.7.2.2.1.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.2.1.1.2", "Link Status", integer, readonly, &linkStatusOptions},
    {"EnterpriseBase.11.63.7.2.2.1.1.3", "Nway Status", integer, readonly, &nwayStatusOptions},
    {},
};

// Both keys are readable columns of the switch's MIB.
const QxSNMPVarItem portControl[] = {
    {"EnterpriseBase.11.63.7.2.2.2.1.1", "Port Index", integer, readonly},
    {"EnterpriseBase.11.63.7.2.2.2.1.2", "Medium Type", integer, readonly, &mediumTypeOptions},
    {"EnterpriseBase.11.63.7.2.2.2.1.3", "Admin State", integer, readwrite, &otherDisabledEnabled},
    {"EnterpriseBase.11.63.7.2.2.2.1.4", "Nway State", integer, readwrite, &nwayStateOptions},
    {"EnterpriseBase.11.63.7.2.2.2.1.5", "Flow Control State", integer, readwrite, &otherDisabledEnabled},
    {"EnterpriseBase.11.63.7.2.2.2.1.6", "Address Learning", integer, readwrite, &otherDisabledEnabled},
    {"EnterpriseBase.11.63.7.2.2.2.1.7", "MAC Notify State", integer, readwrite, &otherDisabledEnabled},
    {"EnterpriseBase.11.63.7.2.2.2.1.8", "MDIX State", integer, readwrite, &mdixStateOptions},
    {"EnterpriseBase.11.63.7.2.2.2.1.9", "Port Description", displaystr, readwrite},
    {"EnterpriseBase.11.63.7.2.2.2.1.10", "Multicast Filter Mode", integer, readwrite, &multicastFilterModeOptions},
    {},
};

const QxSNMPVarItem errorPort[] = {
    {"EnterpriseBase.11.63.7.2.2.3.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.2.3.1.2", "Port State", integer, readonly, &enabledDisabled},
    {"EnterpriseBase.11.63.7.2.2.3.1.3", "Connection Status", integer, readonly, &errConnectionOptions},
    {"EnterpriseBase.11.63.7.2.2.3.1.4", "Reason", integer, readonly, &errReasonOptions},
    {"EnterpriseBase.11.63.7.2.2.3.1.5", "Port Description", displaystr, readonly},
    {},
};

const QxSNMPVarItem portSecurityTrapLog[] = {
    {"EnterpriseBase.11.63.7.2.15.2", "Port Security Trap Log State", integer, readwrite, &otherDisabledEnabled},
    {},
};

const QxSNMPVarItem portSecurityControl[] = {
    {"EnterpriseBase.11.63.7.2.15.1.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.15.1.1.2", "Admin State", integer, readwrite, &otherDisabledEnabled},
    {"EnterpriseBase.11.63.7.2.15.1.1.3", "Max Learning Address", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.15.1.1.4", "Lock Address Mode", integer, readwrite, &lockAddressModeOptions},
    {},
};

// .4.3 is the trunk table itself, so the algorithm scalar follows it at .4.4.
const QxSNMPVarItem trunkBasic[] = {
    {"EnterpriseBase.11.63.7.2.4.1", "Max Supported Trunk Groups", integer, readonly},
    {"EnterpriseBase.11.63.7.2.4.2", "Current Trunk Groups", integer, readonly},
    {"EnterpriseBase.11.63.7.2.4.4", "Trunk Algorithm", integer, readwrite, &trunkAlgorithmOptions},
    {},
};

const QxSNMPVarItem trunkLacpPort[] = {
    {"EnterpriseBase.11.63.7.2.4.5.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.4.5.1.2", "LACP Mode", integer, readwrite, &lacpModeOptions},
    {},
};

const QxSNMPVarItem trunkVlan[] = {
    {"EnterpriseBase.11.63.7.2.4.6.1.1", "Trunk Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.4.6.1.2", "Allowed VLAN List", displaystr, readwrite},
    {},
};

// ---- QoS ----------------------------------------------------------------

const QxSNMPVarItem qosScheduling[] = {
    {"EnterpriseBase.11.63.7.2.3.5", "Scheduling Mechanism", integer, readwrite, &schedulingOptions},
    {},
};

const QxSNMPVarItem bandwidthControl[] = {
    {"EnterpriseBase.11.63.7.2.3.1.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.3.1.1.2", "RX Rate", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.3.1.1.3", "TX Rate", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.3.1.1.4", "RADIUS RX Rate", integer, readonly},
    {"EnterpriseBase.11.63.7.2.3.1.1.5", "RADIUS TX Rate", integer, readonly},
    {},
};

const QxSNMPVarItem schedulingTable[] = {
    {"EnterpriseBase.11.63.7.2.3.2.1.1", "Class ID", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.3.2.1.2", "Max Packet", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.3.2.1.3", "Mechanism", integer, readwrite, &schedulingOptions},
    {},
};

const QxSNMPVarItem userPriority[] = {
    {"EnterpriseBase.11.63.7.2.3.3.1.1", "Priority", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.3.3.1.2", "Class", integer, readwrite},
    {},
};

const QxSNMPVarItem defaultPriority[] = {
    {"EnterpriseBase.11.63.7.2.3.4.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.3.4.1.2", "Default Priority", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.3.4.1.3", "Effective Priority", integer, readonly},
    {},
};

// ---- IGMP snooping ------------------------------------------------------

const QxSNMPVarItem igmpGeneral[] = {
    {"EnterpriseBase.11.63.7.2.7.1", "Max Supported VLANs", integer, readonly},
    {"EnterpriseBase.11.63.7.2.7.2", "Max IP Groups Per VLAN", integer, readonly},
    {},
};

const QxSNMPVarItem igmpControl[] = {
    {"EnterpriseBase.11.63.7.2.7.3.1.1", "VLAN ID", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.7.3.1.2", "Query Interval", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.7.3.1.3", "Max Response Time", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.7.3.1.4", "Robustness Value", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.7.3.1.5", "Last Member Query Interval", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.7.3.1.6", "Host Timeout", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.7.3.1.7", "Router Timeout", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.7.3.1.8", "Leave Timer", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.7.3.1.9", "Querier State", integer, readwrite, &otherDisabledEnabled},
    {"EnterpriseBase.11.63.7.2.7.3.1.10", "Querier Router Behavior", integer, readonly, &querierRoleOptions},
    {"EnterpriseBase.11.63.7.2.7.3.1.11", "State", integer, readwrite, &otherDisabledEnabled},
    {"EnterpriseBase.11.63.7.2.7.3.1.12", "Fast Leave", integer, readwrite, &otherDisabledEnabled},
    {"EnterpriseBase.11.63.7.2.7.3.1.13", "Report Suppression", integer, readwrite, &otherDisabledEnabled},
    {"EnterpriseBase.11.63.7.2.7.3.1.14", "Version", integer, readwrite},
    {},
};

const QxSNMPVarItem igmpQueryInfo[] = {
    {"EnterpriseBase.11.63.7.2.7.4.1.1", "VLAN ID", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.7.4.1.2", "Querier IP Address", ipaddress, readonly},
    {"EnterpriseBase.11.63.7.2.7.4.1.3", "Querier Expiry Time", integer, readonly},
    {},
};

const QxSNMPVarItem igmpInformation[] = {
    {"EnterpriseBase.11.63.7.2.7.5.1.1", "VLAN ID", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.7.5.1.2", "Group IP Address", ipaddress, notaccess},
    {"EnterpriseBase.11.63.7.2.7.5.1.3", "MAC Address", macaddress, readonly},
    {"EnterpriseBase.11.63.7.2.7.5.1.4", "Port Map", octetstr, readonly},
    {"EnterpriseBase.11.63.7.2.7.5.1.5", "Report Count", integer, readonly},
    {},
};

const QxSNMPVarItem igmpAccessAuth[] = {
    {"", "IGMP Router Port VLAN ID", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.7.7.1.1", "Access Authentication State", integer, readwrite, &otherDisabledEnabled},
    {"EnterpriseBase.11.63.7.2.7.7.1.2", "Authenticated Groups", guage, readonly},
    {},
};

const QxSNMPVarItem igmpV3[] = {
    {"", "IGMP VLAN ID", integer, notaccess},
    {"", "IGMP Group IP Address", ipaddress, notaccess},
    {"EnterpriseBase.11.63.7.2.7.10.1.1", "IGMP Source IP Address", ipaddress, notaccess},
    {"EnterpriseBase.11.63.7.2.7.10.1.2", "IGMP Source Member Ports", octetstr, readonly},
    {"EnterpriseBase.11.63.7.2.7.10.1.3", "IGMP Source Filter Mode", integer, readonly, &filterModeOptions},
    {},
};

const QxSNMPVarItem igmpSnoopingGroup[] = {
    {"EnterpriseBase.11.63.7.2.7.11.1.1", "VLAN ID", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.7.11.1.2", "Group Address", ipaddress, notaccess},
    {"EnterpriseBase.11.63.7.2.7.11.1.3", "Source Address", ipaddress, notaccess},
    {"EnterpriseBase.11.63.7.2.7.11.1.4", "Include Port Map", octetstr, readonly},
    {"EnterpriseBase.11.63.7.2.7.11.1.5", "Exclude Port Map", octetstr, readonly},
    {"EnterpriseBase.11.63.7.2.7.11.1.6", "Report Count", integer, readonly},
    {"EnterpriseBase.11.63.7.2.7.11.1.7", "Up Time", timeticks, readonly},
    {"EnterpriseBase.11.63.7.2.7.11.1.8", "Expiry Time", integer, readonly},
    {"EnterpriseBase.11.63.7.2.7.11.1.9", "Router Port Map", octetstr, readonly},
    {},
};

const QxSNMPVarItem igmpMaxEntry[] = {
    {"EnterpriseBase.11.63.7.2.7.12.1", "Dynamic IP Multicast Max Entry", integer, readwrite},
    {},
};

// ---- DHCP relay ---------------------------------------------------------

const QxSNMPVarItem dhcpRelayManagement[] = {
    {"EnterpriseBase.12.42.1.1", "DHCP Relay State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.42.1.2", "Hops Count Limit", integer, readwrite},
    {"EnterpriseBase.12.42.1.3", "Time Threshold", integer, readwrite},
    {"EnterpriseBase.12.42.1.4", "Option 82 State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.42.1.5", "Option 82 Check State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.42.1.6", "Option 82 Policy", integer, readwrite, &option82PolicyOptions},
    {"EnterpriseBase.12.42.1.7", "Option 82 Remote ID Type", integer, readwrite, &remoteIdTypeOptions},
    {"EnterpriseBase.12.42.1.8", "Option 82 Remote ID", displaystr, readwrite},
    {},
};

const QxSNMPVarItem dhcpLocalRelayState[] = {
    {"EnterpriseBase.11.63.7.2.24.1", "DHCP Local Relay State", integer, readwrite, &disabledEnabled},
    {},
};

const QxSNMPVarItem dhcpLocalRelayVlan[] = {
    {"EnterpriseBase.11.63.7.2.24.2.1.1", "VLAN ID", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.24.2.1.2", "State", integer, readwrite, &disabledEnabled},
    {},
};

// ---- CoS ----------------------------------------------------------------

const QxSNMPVarItem cosPriority[] = {
    {"EnterpriseBase.11.63.7.2.17.3.1.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.17.3.1.1.2", "Port PRI", integer, readwrite, &disableEnableOptions},
    {"EnterpriseBase.11.63.7.2.17.3.1.1.3", "Ether PRI", integer, readwrite, &etherPriOptions},
    {"EnterpriseBase.11.63.7.2.17.3.1.1.4", "IP PRI", integer, readwrite, &ipPriOptions},
    {"EnterpriseBase.11.63.7.2.17.3.1.1.5", "Default Class", integer, readwrite},
    {},
};

const QxSNMPVarItem cosPortPri[] = {
    {"EnterpriseBase.11.63.7.2.17.3.2.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.17.3.2.1.2", "Class", integer, readwrite},
    {},
};

const QxSNMPVarItem cosMacPri[] = {
    {"EnterpriseBase.11.63.7.2.17.3.3.1.1", "MAC Address", macaddress, notaccess},
    {"EnterpriseBase.11.63.7.2.17.3.3.1.2", "Class", integer, readwrite},
    {},
};

const QxSNMPVarItem cosTosPri[] = {
    {"EnterpriseBase.11.63.7.2.17.3.4.1.1", "ToS", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.17.3.4.1.2", "Class", integer, readwrite},
    {},
};

const QxSNMPVarItem cosDscpPri[] = {
    {"EnterpriseBase.11.63.7.2.17.3.5.1.1", "DSCP", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.17.3.5.1.2", "Class", integer, readwrite},
    {},
};

// ---- multicast filter ---------------------------------------------------

const QxSNMPVarItem multicastFilter[] = {
    {"EnterpriseBase.11.63.7.2.22.2.1.1", "Profile ID", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.22.2.1.2", "Profile Name", displaystr, readwrite},
    {"EnterpriseBase.11.63.7.2.22.2.1.3", "From IP Address", ipaddress, readwrite},
    {"EnterpriseBase.11.63.7.2.22.2.1.4", "To IP Address", ipaddress, readwrite},
    {"EnterpriseBase.11.63.7.2.22.2.1.5", "Row Status", integer, readwrite, &rowStatus},
    {},
};

const QxSNMPVarItem multicastFilterPortInfo[] = {
    {"EnterpriseBase.11.63.7.2.22.5.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.22.5.1.2", "Profile ID List", displaystr, readonly},
    {},
};

const QxSNMPVarItem multicastFilterPort[] = {
    {"EnterpriseBase.11.63.7.2.22.3.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.22.3.1.2", "Profile ID", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.22.3.1.3", "Action", integer, readwrite, &profileActionOptions},
    {},
};

const QxSNMPVarItem multicastFilterPortMaxGroup[] = {
    {"EnterpriseBase.11.63.7.2.22.4.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.22.4.1.2", "Max Group", integer, readwrite},
    {},
};

// ---- packet storm, access lists, CPU filter, time range -----------------

const QxSNMPVarItem packetStormControl[] = {
    {"EnterpriseBase.12.25.1.2", "Packet Storm Trap Log State", integer, readwrite, &stormTrapOptions},
    {},
};

const QxSNMPVarItem packetStormTable[] = {
    {"EnterpriseBase.12.25.3.1.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.12.25.3.1.1.2", "Broadcast Status", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.25.3.1.1.3", "Multicast Status", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.25.3.1.1.4", "Unicast Status", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.25.3.1.1.5", "Action", integer, readwrite, &stormActionOptions},
    {"EnterpriseBase.12.25.3.1.1.6", "Threshold", integer, readwrite},
    {"EnterpriseBase.12.25.3.1.1.7", "Count Down", integer, readwrite},
    {"EnterpriseBase.12.25.3.1.1.8", "Time Interval", integer, readwrite},
    {},
};

const QxSNMPVarItem aclMaskDeleteAll[] = {
    {"EnterpriseBase.12.9.2.5", "ACL Mask Delete All State", integer, readwrite, &noneStartOptions},
    {},
};

const QxSNMPVarItem cpuFilterControl[] = {
    {"EnterpriseBase.12.9.1.1", "CPU Filtering State", integer, readwrite, &disabledEnabled},
    {},
};

const QxSNMPVarItem timeRangeAcl[] = {
    {"EnterpriseBase.12.50.3.2.1.1", "Profile ID", integer, notaccess},
    {"EnterpriseBase.12.50.3.2.1.2", "Access ID", integer, notaccess},
    {"EnterpriseBase.12.50.3.2.1.3", "Time Range Name", displaystr, readwrite},
    {},
};

const QxSNMPVarItem timeRangeCpuAcl[] = {
    {"EnterpriseBase.12.50.3.3.1.1", "Profile ID", integer, notaccess},
    {"EnterpriseBase.12.50.3.3.1.2", "Access ID", integer, notaccess},
    {"EnterpriseBase.12.50.3.3.1.3", "Time Range Name", displaystr, readwrite},
    {},
};

// ---- LLDP (LLDP-MIB) ----------------------------------------------------

const QxSNMPVarItem lldpConfiguration[] = {
    {"1.0.8802.1.1.2.1.1.1", "Message TX Interval", integer, readwrite},
    {"1.0.8802.1.1.2.1.1.2", "Message TX Hold Multiplier", integer, readwrite},
    {"1.0.8802.1.1.2.1.1.3", "Reinit Delay", integer, readwrite},
    {"1.0.8802.1.1.2.1.1.4", "TX Delay", integer, readwrite},
    {"1.0.8802.1.1.2.1.1.5", "Notification Interval", integer, readwrite},
    {},
};

// lldpConfigManAddrEntry augments lldpLocManAddrEntry: its keys are the
// management address subtype and the length-prefixed address.
const QxSNMPVarItem lldpConfigManAddr[] = {
    {"", "Management Address Subtype", integer, notaccess},
    {"", "Management Address", octetstr, notaccess},
    {"1.0.8802.1.1.2.1.1.7.1.1", "Ports TX Enable", bitstr, readwrite},
    {},
};

const QxSNMPVarItem lldpStatistics[] = {
    {"1.0.8802.1.1.2.1.2.1", "Remote Tables Last Change Time", timeticks, readonly},
    {"1.0.8802.1.1.2.1.2.2", "Remote Tables Inserts", counter, readonly},
    {"1.0.8802.1.1.2.1.2.3", "Remote Tables Deletes", counter, readonly},
    {"1.0.8802.1.1.2.1.2.4", "Remote Tables Drops", counter, readonly},
    {"1.0.8802.1.1.2.1.2.5", "Remote Tables Ageouts", counter, readonly},
    {},
};

const QxSNMPVarItem lldpTxPort[] = {
    {"1.0.8802.1.1.2.1.2.6.1.1", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.2.1.2.6.1.2", "TX Frames Total", counter, readonly},
    {},
};

const QxSNMPVarItem lldpRxPort[] = {
    {"1.0.8802.1.1.2.1.2.7.1.1", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.2.1.2.7.1.2", "RX Frames Discarded Total", counter, readonly},
    {"1.0.8802.1.1.2.1.2.7.1.3", "RX Frames In Errors", counter, readonly},
    {"1.0.8802.1.1.2.1.2.7.1.4", "RX Frames Total", counter, readonly},
    {"1.0.8802.1.1.2.1.2.7.1.5", "RX TLVs Discarded Total", counter, readonly},
    {"1.0.8802.1.1.2.1.2.7.1.6", "RX TLVs Unrecognized Total", counter, readonly},
    {"1.0.8802.1.1.2.1.2.7.1.7", "RX Ageouts Total", guage, readonly},
    {},
};

const QxSNMPVarItem lldpLocPort[] = {
    {"1.0.8802.1.1.2.1.3.7.1.1", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.2.1.3.7.1.2", "Port ID Subtype", integer, readonly, &portIdSubtypeOptions},
    {"1.0.8802.1.1.2.1.3.7.1.3", "Port ID", octetstr, readonly},
    {"1.0.8802.1.1.2.1.3.7.1.4", "Port Description", displaystr, readonly},
    {},
};

const QxSNMPVarItem lldpLocManAddr[] = {
    {"1.0.8802.1.1.2.1.3.8.1.1", "Management Address Subtype", integer, notaccess, &addressFamilyOptions},
    {"1.0.8802.1.1.2.1.3.8.1.2", "Management Address", octetstr, notaccess},
    {"1.0.8802.1.1.2.1.3.8.1.3", "Address Length", integer, readonly},
    {"1.0.8802.1.1.2.1.3.8.1.4", "Interface Subtype", integer, readonly, &manAddrIfSubtypeOptions},
    {"1.0.8802.1.1.2.1.3.8.1.5", "Interface ID", integer, readonly},
    {"1.0.8802.1.1.2.1.3.8.1.6", "OID", objectid, readonly},
    {},
};

const QxSNMPVarItem lldpRemManAddr[] = {
    {"", "Time Mark", timeticks, notaccess},
    {"", "Local Port Number", integer, notaccess},
    {"", "Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.4.2.1.1", "Management Address Subtype", integer, notaccess, &addressFamilyOptions},
    {"1.0.8802.1.1.2.1.4.2.1.2", "Management Address", octetstr, notaccess},
    {"1.0.8802.1.1.2.1.4.2.1.3", "Interface Subtype", integer, readonly, &manAddrIfSubtypeOptions},
    {"1.0.8802.1.1.2.1.4.2.1.4", "Interface ID", integer, readonly},
    {"1.0.8802.1.1.2.1.4.2.1.5", "OID", objectid, readonly},
    {},
};

const QxSNMPVarItem lldpRemUnknownTlv[] = {
    {"", "Remote Time Mark", timeticks, notaccess},
    {"", "Remote Local Port Number", integer, notaccess},
    {"", "Remote Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.4.3.1.1", "Unknown TLV Type", integer, notaccess},
    {"1.0.8802.1.1.2.1.4.3.1.2", "Unknown TLV Info", octetstr, readonly},
    {},
};

// ---- LLDP 802.1 extension -----------------------------------------------

const QxSNMPVarItem lldpDot1ConfigPortVlan[] = {
    {"", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", "Port VLAN TX Enable", integer, readwrite, &trueFalse},
    {},
};

const QxSNMPVarItem lldpDot1LocPortVlan[] = {
    {"", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", "Port VLAN ID", integer, readonly},
    {},
};

const QxSNMPVarItem lldpDot1LocVlanName[] = {
    {"", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.1", "VLAN ID", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.2", "VLAN Name", displaystr, readonly},
    {},
};

const QxSNMPVarItem lldpDot1LocProtoVlan[] = {
    {"", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", "Protocol VLAN ID", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.2", "Protocol VLAN Supported", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.3", "Protocol VLAN Enabled", integer, readonly, &trueFalse},
    {},
};

const QxSNMPVarItem lldpDot1LocProtocol[] = {
    {"", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", "Protocol Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.2", "Protocol ID", octetstr, readonly},
    {},
};

const QxSNMPVarItem lldpDot1RemPortVlan[] = {
    {"", "Remote Time Mark", timeticks, notaccess},
    {"", "Remote Local Port Number", integer, notaccess},
    {"", "Remote Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", "Remote Port VLAN ID", integer, readonly},
    {},
};

const QxSNMPVarItem lldpDot1RemVlanName[] = {
    {"", "Remote Time Mark", timeticks, notaccess},
    {"", "Remote Local Port Number", integer, notaccess},
    {"", "Remote Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", "VLAN ID", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.2", "VLAN Name", displaystr, readonly},
    {},
};

const QxSNMPVarItem lldpDot1RemProtoVlan[] = {
    {"", "Remote Time Mark", timeticks, notaccess},
    {"", "Remote Local Port Number", integer, notaccess},
    {"", "Remote Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", "Protocol VLAN ID", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.2", "Protocol VLAN Supported", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.3", "Protocol VLAN Enabled", integer, readonly, &trueFalse},
    {},
};

const QxSNMPVarItem lldpDot1RemProtocol[] = {
    {"", "Remote Time Mark", timeticks, notaccess},
    {"", "Remote Local Port Number", integer, notaccess},
    {"", "Remote Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", "Protocol Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.2", "Protocol ID", octetstr, readonly},
    {},
};

// ---- LLDP 802.3 extension -----------------------------------------------

const QxSNMPVarItem lldpDot3LocPort[] = {
    {"", "Local Port Number", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", "Auto-Negotiation Supported", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.2", "Auto-Negotiation Enabled", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.3", "Auto-Negotiation Advertised Capability", octetstr, readonly},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.4", "Operational MAU Type", integer, readonly},
    {},
};

const QxSNMPVarItem lldpDot3LocPower[] = {
    {"", "Loccal Port Number", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", "Power Port Class", integer, readonly, &powerPortClassOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.2", "Power MDI Supported", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.3", "Power MDI Enabled", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.4", "Power Pair Controlable", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.5", "Power Pairs", integer, readonly, &powerPairsOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.6", "Power Class", integer, readonly},
    {},
};

const QxSNMPVarItem lldpDot3LocMaxFrame[] = {
    {"", "lldpLocPortNum", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", "Max Frame Size", integer, readonly},
    {},
};

const QxSNMPVarItem lldpDot3RemPort[] = {
    {"", "Remote TimeMark", timeticks, notaccess},
    {"", "Remote Local Port Number", integer, notaccess},
    {"", "Remote Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.1", "Auto-Negotiation Supported", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.2", "Auto-Negotiation Enabled", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.3", "Auto-Negotiation Advertised Capability", octetstr, readonly},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.4", "Operational MAU Type", integer, readonly},
    {},
};

const QxSNMPVarItem lldpDot3RemPower[] = {
    {"", "Remote Time Mark", timeticks, notaccess},
    {"", "Remote Local Port Number", integer, notaccess},
    {"", "Remote Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", "Power Port Class", integer, readonly, &powerPortClassOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.2", "Power MDI Supported", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.3", "Power MDI Enabled", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.4", "Power Pair Controlable", integer, readonly, &trueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.5", "Power Pairs", integer, readonly, &powerPairsOptions},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.6", "Power Class", integer, readonly},
    {},
};

const QxSNMPVarItem lldpDot3RemMaxFrame[] = {
    {"", "Remote Time Mark", timeticks, notaccess},
    {"", "Remote Local Port Number", integer, notaccess},
    {"", "Remote Index", integer, notaccess},
    {"1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", "Max Frame Size", integer, readonly},
    {},
};

// ---- loop detection, link aggregation, MLD snooping, PoE ----------------

const QxSNMPVarItem loopDetectControl[] = {
    {"EnterpriseBase.11.63.7.2.21.1.1", "Loop Detect State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.11.63.7.2.21.1.2", "Interval Time", integer, readwrite},
    {"EnterpriseBase.11.63.7.2.21.1.3", "Recover Time", integer, readwrite},
    {},
};

const QxSNMPVarItem loopDetectPort[] = {
    {"EnterpriseBase.11.63.7.2.21.2.1.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.11.63.7.2.21.2.1.1.2", "Port State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.11.63.7.2.21.2.1.1.3", "Loop Status", integer, readonly, &loopStatusOptions},
    {},
};

// The vendor's copy of the IEEE 802.3ad aggregator table.
const QxSNMPVarItem aggregator[] = {
    {"EnterpriseBase.12.4.1.1.1.1.1", "Aggregator Index", integer, notaccess},
    {"EnterpriseBase.12.4.1.1.1.1.2", "MAC Address", macaddress, readonly},
    {"EnterpriseBase.12.4.1.1.1.1.3", "Actor System Priority", integer, readwrite},
    {"EnterpriseBase.12.4.1.1.1.1.4", "Actor System ID", macaddress, readonly},
    {"EnterpriseBase.12.4.1.1.1.1.5", "Aggregate Or Individual", integer, readonly, &trueFalse},
    {"EnterpriseBase.12.4.1.1.1.1.6", "Actor Admin Key", integer, readwrite},
    {"EnterpriseBase.12.4.1.1.1.1.7", "Actor Oper Key", integer, readonly},
    {"EnterpriseBase.12.4.1.1.1.1.8", "Partner System ID", macaddress, readonly},
    {"EnterpriseBase.12.4.1.1.1.1.9", "Partner System Priority", integer, readonly},
    {"EnterpriseBase.12.4.1.1.1.1.10", "Partner Oper Key", integer, readonly},
    {"EnterpriseBase.12.4.1.1.1.1.11", "Collector Max Delay", integer, readwrite},
    {},
};

// The port-list table shares the aggregator index; its one column sits in the
// sibling table .1.1.2.
const QxSNMPVarItem aggregatorPortList[] = {
    {"EnterpriseBase.12.4.1.1.1.1.1", "Aggregator Index", integer, notaccess},
    {"EnterpriseBase.12.4.1.1.2.1.1", "Aggregator Port List Ports", octetstr, readonly},
    {},
};

const QxSNMPVarItem mldSnoopingManagement[] = {
    {"EnterpriseBase.12.34.1.1", "MLD Snooping State", integer, readwrite, &enabledDisabled},
    {},
};

const QxSNMPVarItem mldSnoopingControl[] = {
    {"EnterpriseBase.12.34.3.2.1.1", "VLAN ID", integer, notaccess},
    {"EnterpriseBase.12.34.3.2.1.2", "Query Interval", integer, readwrite},
    {"EnterpriseBase.12.34.3.2.1.3", "Max Response Time", integer, readwrite},
    {"EnterpriseBase.12.34.3.2.1.4", "Robustness Value", integer, readwrite},
    {"EnterpriseBase.12.34.3.2.1.5", "Last Listener Query Interval", integer, readwrite},
    {"EnterpriseBase.12.34.3.2.1.6", "Host Timeout", integer, readwrite},
    {"EnterpriseBase.12.34.3.2.1.7", "Router Timeout", integer, readwrite},
    {"EnterpriseBase.12.34.3.2.1.8", "Leave Timer", integer, readwrite},
    {"EnterpriseBase.12.34.3.2.1.9", "Querier State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.34.3.2.1.10", "Querier Router Behavior", integer, readonly, &querierRoleOptions},
    {"EnterpriseBase.12.34.3.2.1.11", "State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.34.3.2.1.12", "Fast Done", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.34.3.2.1.13", "Report Suppression", integer, readwrite, &enabledDisabled},
    {},
};

const QxSNMPVarItem poeSystemControl[] = {
    {"EnterpriseBase.12.24.1.1", "Power Limit", integer, readwrite},
    {"EnterpriseBase.12.24.1.2", "Power Disconnect Method", integer, readwrite, &disconnectMethodOptions},
    {"EnterpriseBase.12.24.1.3", "Legacy PD", integer, readwrite, &disabledEnabled},
    {},
};

const QxSNMPVarItem poeSystemInfo[] = {
    {"EnterpriseBase.12.24.2.1", "Power Consumption", guage, readonly},
    {"EnterpriseBase.12.24.2.2", "Power Remaining", guage, readonly},
    {},
};

const QxSNMPVarItem poePortControl[] = {
    {"EnterpriseBase.12.24.3.1.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.12.24.3.1.1.2", "State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.24.3.1.1.3", "Priority", integer, readwrite, &poePriorityOptions},
    {"EnterpriseBase.12.24.3.1.1.4", "Power Limit", integer, readwrite, &poePowerLimitOptions},
    {"EnterpriseBase.12.24.3.1.1.5", "User Define Power Limit", integer, readwrite},
    {},
};

const QxSNMPVarItem poePortInfo[] = {
    {"EnterpriseBase.12.24.4.1.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.12.24.4.1.1.2", "Class", integer, readonly},
    {"EnterpriseBase.12.24.4.1.1.3", "Power (mW)", guage, readonly},
    {"EnterpriseBase.12.24.4.1.1.4", "Voltage (decivolt)", guage, readonly},
    {"EnterpriseBase.12.24.4.1.1.5", "Current (mA)", guage, readonly},
    {"EnterpriseBase.12.24.4.1.1.6", "Status", displaystr, readonly},
    {"EnterpriseBase.12.24.4.1.1.7", "Error Status", displaystr, readonly},
    {},
};

} // namespace Layer2Arrays
