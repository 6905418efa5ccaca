#include "tables/PortViewTables.h"

#include "snmp/QxOptionList.h"
#include "tables/CommonOptions.h"

namespace S = QxSyntax;
namespace A = QxAccess;

namespace {

constexpr QxSNMPVarItem kCounters[] = {
    {"1.3.6.1.2.1.1.3", "Up Time", S::timeticks, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.16", "Out Octets", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.14", "In Errors", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.20", "Out Errors", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.13", "In Discards", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.19", "Out Discards", S::counter, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kCounters) == PortViewTables::CounterColumn::Count);
static_assert(QxColumns::captionIs(kCounters, PortViewTables::CounterColumn::HCOutOctets, "HC Out Octets"));
static_assert(QxColumns::captionIs(kCounters, PortViewTables::CounterColumn::OutDiscards, "Out Discards"));

constexpr QxSNMPVarItem kDetails[] = {
    {"1.3.6.1.2.1.1.3", "Up Time", S::timeticks, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.16", "Out Octets", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Description", S::displaystr, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", S::displaystr, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.5", "Speed", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.19", "Duplex", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", S::guage, A::readonly, nullptr},
    {"EnterpriseBase.12.24.3.1.1.2", "PoE State", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.24.4.1.1.3", "PoE Power", S::guage, A::readonly, nullptr},
    {"EnterpriseBase.12.24.4.1.1.6", "PoE Status", S::displaystr, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", S::integer, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::captionIs(kDetails, PortViewTables::DetailColumn::AdminStatus, "Admin Status"));
static_assert(QxColumns::count(kDetails) == PortViewTables::DetailColumn::Count);
static_assert(QxColumns::captionIs(kDetails, PortViewTables::DetailColumn::HCOutOctets, "HC Out Octets"));
static_assert(QxColumns::captionIs(kDetails, PortViewTables::DetailColumn::OutOctets, "Out Octets"));
static_assert(QxColumns::captionIs(kDetails, PortViewTables::DetailColumn::PoeStatus, "PoE Status"));

constexpr QxSNMPVarItem kStates[] = {
    // Numbers, as the socket's state is made from them: 1 up, 2 down.
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", S::integer, A::readwrite, nullptr},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.5", "Speed", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.19", "Duplex", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.14", "In Errors", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.20", "Out Errors", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.24.4.1.1.6", "PoE Status", S::displaystr, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kStates) == PortViewTables::StateColumn::Count);
static_assert(QxColumns::captionIs(kStates, PortViewTables::StateColumn::AdminStatus, "Admin Status"));
static_assert(QxColumns::captionIs(kStates, PortViewTables::StateColumn::PoeStatus, "PoE Status"));

// The PoE port table's State column, as the PoE port settings write it.
constexpr QxSNMPVarItem kPoeAdmin[] = {
    {"EnterpriseBase.12.24.3.1.1.2", "PoE State", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {},
};

constexpr QxSNMPVarItem kStatus[] = {
    {"", "Port", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.2.2.1.2", "Description", S::displaystr, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.5", "Speed", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.16", "Out Octets", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.14", "In Errors", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.2.2.1.20", "Out Errors", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", S::displaystr, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.19", "Duplex", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", S::guage, A::readonly, nullptr},
    {"EnterpriseBase.12.24.3.1.1.2", "PoE State", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.24.4.1.1.3", "PoE Power", S::guage, A::readonly, nullptr},
    {"EnterpriseBase.12.24.4.1.1.6", "PoE Status", S::displaystr, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kStatus) == PortViewTables::StatusColumn::Count);
static_assert(QxColumns::captionIs(kStatus, PortViewTables::StatusColumn::AdminStatus, "Admin Status"));
static_assert(QxColumns::captionIs(kStatus, PortViewTables::StatusColumn::OutErrors, "Out Errors"));
static_assert(QxColumns::captionIs(kStatus, PortViewTables::StatusColumn::HCOutOctets, "HC Out Octets"));
static_assert(QxColumns::captionIs(kStatus, PortViewTables::StatusColumn::PoeStatus, "PoE Status"));

} // namespace

namespace PortViewTables {
const QxDescriptorTable states{kStates, MVT_SV, 0, " Port States"};
const QxDescriptorTable poeAdmin{kPoeAdmin, MVT_SV, 0, " Port PoE"};
const QxDescriptorTable counters{kCounters, MVT_SV, 0, " Port Traffic"};
const QxDescriptorTable details{kDetails, MVT_SV, 0, " Port Details"};
const QxDescriptorTable status{kStatus, MVT_FMV, 1, " Port Status"};
} // namespace PortViewTables
