#include "tables/LldpDialogTables.h"

#include "tables/CommonOptions.h"

namespace LldpDialogTables {

const BitNames basicTlvs{"Port Description", "System Name", "System Description", "System Capabilities",
                                     nullptr, nullptr, nullptr, nullptr};
const BitNames dot3Tlvs{"macPhyConfigStatus", "powerViaMDI", "linkAggregation", "maxFrameSize",
                                    nullptr, nullptr, nullptr, nullptr};
const BitNames capabilities{"other",  "repeater",  "bridge",           "wlanAccessPoint",
                                        "router", "telephone", "docsisCableDevice", "stationOnly"};
const BitNames linkAggregation{"aggCapable", "aggEnabled", nullptr, nullptr,
                                           nullptr,      nullptr,      nullptr, nullptr};

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kAdminStatus[] = {{1, "txOnly"}, {2, "rxOnly"}, {3, "txAndRx"}, {4, "disabled"}, {0, nullptr}};
const QxOptionPair kChassisSubtype[] = {{1, "chassisComponent"}, {2, "interfaceAlias"}, {3, "portComponent"},
                                        {4, "macAddress"},       {5, "networkAddress"}, {6, "interfaceName"},
                                        {7, "local"},            {0, nullptr}};
const QxOptionPair kPortSubtype[] = {{1, "interfaceAlias"}, {2, "portComponent"}, {3, "macAddress"},
                                     {4, "networkAddress"}, {5, "interfaceName"}, {6, "agentCircuitId"},
                                     {7, "local"},          {0, nullptr}};
const QxOptionList adminStatus(kAdminStatus);
const QxOptionList chassisSubtype(kChassisSubtype);
const QxOptionList portSubtype(kPortSubtype);

constexpr QxSNMPVarItem kPortConfig[] = {
    {"1.0.8802.1.1.2.1.1.6.1.1", "Port Number", S::integer, A::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.1.6.1.2", "Administration Status", S::integer, A::readwrite, &adminStatus},
    {"1.0.8802.1.1.2.1.1.6.1.3", "Notification Enable", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {"1.0.8802.1.1.2.1.1.6.1.4", "TLVs TX Enable", S::octetstr, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kPortConfig) == PortConfigColumn::Count);

constexpr QxSNMPVarItem kDot3PortConfig[] = {
    {"", "Port Number", S::integer, A::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.1.1.1.1", "TLVs TX Enable", S::octetstr, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kDot3PortConfig) == Dot3PortConfigColumn::Count);

constexpr QxSNMPVarItem kRemoteSystems[] = {
    {"1.0.8802.1.1.2.1.4.1.1.1", "Remote Time Mark", S::timeticks, A::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.2", "Remote Local Port Number", S::integer, A::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.3", "Remote Index", S::integer, A::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.4", "Remote Chassis ID Subtype", S::integer, A::readonly, &chassisSubtype},
    {"1.0.8802.1.1.2.1.4.1.1.5", "Remote Chassis ID", S::octetstr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.6", "Remote Port ID Subtype", S::integer, A::readonly, &portSubtype},
    {"1.0.8802.1.1.2.1.4.1.1.7", "Remote Port ID", S::displaystr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.8", "Remote Port Description", S::displaystr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.9", "Remote System Name", S::displaystr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.10", "Remote System Description", S::displaystr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.11", "Remote System Capabilities Supported", S::octetstr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.12", "Remote System Capabilities Enabled", S::octetstr, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kRemoteSystems) == RemoteColumn::Count);
static_assert(QxColumns::captionIs(kRemoteSystems, RemoteColumn::CapabilitiesEnabled,
                                   "Remote System Capabilities Enabled"));

constexpr QxSNMPVarItem kLocalSystem[] = {
    {"1.0.8802.1.1.2.1.3.1", "Local Chassis ID Subtype", S::integer, A::readonly, &chassisSubtype},
    {"1.0.8802.1.1.2.1.3.2", "Local Chassis ID", S::octetstr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.3", "Local System Name", S::displaystr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.4", "Local System Description", S::displaystr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.5", "Local System Capabilities Supported", S::octetstr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.3.6", "Local System Capabilities Enabled", S::octetstr, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kLocalSystem) == LocalSystemColumn::Count);

constexpr QxSNMPVarItem kLocalLinkAggregation[] = {
    {"", "Local Port Number", S::integer, A::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", "Link Aggregation Status", S::octetstr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.2", "Link Aggregation Port ID", S::integer, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kLocalLinkAggregation) == LocalLinkAggColumn::Count);

constexpr QxSNMPVarItem kRemoteLinkAggregation[] = {
    {"", "Remote Time Mark", S::timeticks, A::notaccess, nullptr},
    {"", "Remote Local Port Number", S::integer, A::notaccess, nullptr},
    {"", "Remote Index", S::integer, A::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", "Link Aggregation Status", S::octetstr, A::readonly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.2", "Link Aggregation Port ID", S::integer, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kRemoteLinkAggregation) == RemoteLinkAggColumn::Count);

constexpr QxSNMPVarItem kVlanNameTx[] = {
    {"", "Port Number", S::integer, A::notaccess, nullptr},
    {"", "VLAN ID", S::integer, A::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.2.1.1", "VLAN Name TX", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {},
};
constexpr QxSNMPVarItem kProtocolVlanTx[] = {
    {"", "Port Number", S::integer, A::notaccess, nullptr},
    {"", "VLAN ID", S::integer, A::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.3.1.1", "Protocol VLAN TX", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {},
};
constexpr QxSNMPVarItem kProtocolTx[] = {
    {"", "Port Number", S::integer, A::notaccess, nullptr},
    {"", "Protocol Index", S::integer, A::notaccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Protocol TX", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {},
};
static_assert(QxColumns::count(kVlanNameTx) == TxColumn::Count);
static_assert(QxColumns::count(kProtocolVlanTx) == TxColumn::Count);
static_assert(QxColumns::count(kProtocolTx) == TxColumn::Count);

} // namespace

const QxDescriptorTable portConfig{kPortConfig, MVT_UMV, 1, " Port Configuration"};
const QxDescriptorTable dot3PortConfig{kDot3PortConfig, MVT_UMV, 1, " LLDP Dot3 Port Configuration"};
const QxDescriptorTable remoteSystems{kRemoteSystems, MVT_FMV, 3, " LLDP Remote"};
const QxDescriptorTable localSystem{kLocalSystem, SVT_SV, 0, " Local System Data"};
const QxDescriptorTable localLinkAggregation{kLocalLinkAggregation, MVT_FMV, 1, " Local Link Aggregation"};
const QxDescriptorTable remoteLinkAggregation{kRemoteLinkAggregation, MVT_FMV, 3, " Remote Link Aggregation"};
const QxDescriptorTable vlanNameTx{kVlanNameTx, MVT_UMV, 2, " Configuration VLAN Name"};
const QxDescriptorTable protocolVlanTx{kProtocolVlanTx, MVT_UMV, 2, " Configuration Protocol VLAN"};
const QxDescriptorTable protocolTx{kProtocolTx, MVT_UMV, 2, " Configuration Protocol"};

} // namespace LldpDialogTables
