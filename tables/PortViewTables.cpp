#include "tables/PortViewTables.h"

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
    {},
};
static_assert(QxColumns::count(kDetails) == PortViewTables::DetailColumn::Count);
static_assert(QxColumns::captionIs(kDetails, PortViewTables::DetailColumn::HCOutOctets, "HC Out Octets"));
static_assert(QxColumns::captionIs(kDetails, PortViewTables::DetailColumn::OutOctets, "Out Octets"));
static_assert(QxColumns::captionIs(kDetails, PortViewTables::DetailColumn::PoeStatus, "PoE Status"));

} // namespace

namespace PortViewTables {
const QxDescriptorTable counters{kCounters, MVT_SV, 0, " Port Traffic"};
const QxDescriptorTable details{kDetails, MVT_SV, 0, " Port Details"};
} // namespace PortViewTables
