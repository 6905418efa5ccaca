#include "tables/TimeDialogTables.h"

#include "tables/CommonOptions.h"

namespace TimeDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kTimeSource[] = {{0, "system"}, {1, "server1"}, {2, "server2"}, {0, nullptr}};
const QxOptionPair kSummerStates[] = {{0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr}};
const QxOptionList timeSource(kTimeSource);
const QxOptionList summerStates(kSummerStates);

constexpr QxSNMPVarItem kTimeRanges[] = {
    {"EnterpriseBase.12.50.3.1.1.1", "Range Name", S::displaystr, A::notaccess, nullptr},
    {"EnterpriseBase.12.50.3.1.1.2", "Select Days", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.50.3.1.1.3", "Start Time", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.50.3.1.1.4", "End Time", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.50.3.1.1.5", "Status", S::integer, A::readwrite, &CommonOptions::activeCreateDestroy},
    {},
};
static_assert(QxColumns::count(kTimeRanges) == RangeColumn::Count);
static_assert(QxColumns::captionIs(kTimeRanges, RangeColumn::Status, "Status"));

constexpr QxSNMPVarItem kNetworkTime[] = {
    {"EnterpriseBase.12.10.11.1", "Network Time State", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.10.11.2", "Time Source", S::integer, A::readonly, &timeSource},
    {"EnterpriseBase.12.10.11.3", "Server1 IP Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.10.11.4", "Server2 IP Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.10.11.5", "Poll Interval[30....99999(sec)]", S::integer, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kNetworkTime) == NetworkColumn::Count);
static_assert(QxColumns::captionIs(kNetworkTime, NetworkColumn::PollInterval, "Poll Interval[30....99999(sec)]"));

constexpr QxSNMPVarItem kSummerStatus[] = {
    {"EnterpriseBase.12.10.12.1", "Summer Time Status", S::integer, A::readwrite, &summerStates},
    {"EnterpriseBase.12.10.12.2", "Summer Time Offset", S::integer, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kSummerStatus) == SummerStatusColumn::Count);

constexpr QxSNMPVarItem kSummerRepeating[] = {
    {"EnterpriseBase.12.10.12.3", "Repeat Summer Time Start", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.10.12.4", "Repeat Summer Time End", S::octetstr, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kSummerRepeating) == SummerPointColumn::Count);

constexpr QxSNMPVarItem kSummerAnnual[] = {
    {"EnterpriseBase.12.10.12.5", "Annual Summer Time Start", S::octetstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.10.12.6", "Annual Summer Time End", S::octetstr, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kSummerAnnual) == SummerPointColumn::Count);

} // namespace

const QxDescriptorTable timeRanges{kTimeRanges, MVT_UMV, 1, " Time Range"};
const QxDescriptorTable networkTime{kNetworkTime, SVT_SV, 0, " Network Time"};
const QxDescriptorTable summerStatus{kSummerStatus, SVT_SV, 0, " Summer Time Status"};
const QxDescriptorTable summerRepeating{kSummerRepeating, SVT_SV, 0, " Repeat Summer Time"};
const QxDescriptorTable summerAnnual{kSummerAnnual, SVT_SV, 0, " Annual Summer Time"};

} // namespace TimeDialogTables
