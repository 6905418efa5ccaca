#include "tables/AacDialogTables.h"

#include "tables/CommonOptions.h"

namespace AacDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kLoginTypes[] = {{1, "tacacs"},       {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
                                    {5, "server-group"}, {6, "local"},   {8, "none"},        {9, "other"},
                                    {0, nullptr}};
const QxOptionPair kEnableTypes[] = {{1, "tacacs"},       {2, "xtacacs"},      {3, "tacacs-plus"}, {4, "radius"},
                                     {5, "server-group"}, {7, "local-enable"}, {8, "none"},        {9, "other"},
                                     {0, nullptr}};
const QxOptionPair kRowState[] = {{1, "add"}, {2, "delete"}, {0, nullptr}};
const QxOptionList loginTypes(kLoginTypes);
const QxOptionList enableTypes(kEnableTypes);
const QxOptionList rowState(kRowState);

constexpr QxSNMPVarItem kLogin[] = {
    {"EnterpriseBase.12.5.3.1.1", "Method List Name", S::displaystr, A::notaccess, nullptr},
    {"EnterpriseBase.12.5.3.1.2", "Method1 Type", S::integer, A::readwrite, &loginTypes},
    {"EnterpriseBase.12.5.3.1.3", "Method1 Server Group", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.3.1.4", "Method2 Type", S::integer, A::readwrite, &loginTypes},
    {"EnterpriseBase.12.5.3.1.5", "Method2 Server Group", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.3.1.6", "Method3 Type", S::integer, A::readwrite, &loginTypes},
    {"EnterpriseBase.12.5.3.1.7", "Method3 Server Group", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.3.1.8", "Method4 Type", S::integer, A::readwrite, &loginTypes},
    {"EnterpriseBase.12.5.3.1.9", "Method4 Server Group", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.3.1.10", "Row Status", S::integer, A::readwrite, &CommonOptions::activeCreateDestroy},
    {},
};
constexpr QxSNMPVarItem kEnable[] = {
    {"EnterpriseBase.12.5.4.1.1", "Method List Name", S::displaystr, A::notaccess, nullptr},
    {"EnterpriseBase.12.5.4.1.2", "Method1 Type", S::integer, A::readwrite, &enableTypes},
    {"EnterpriseBase.12.5.4.1.3", "Method1 Server Group", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.4.1.4", "Method2 Type", S::integer, A::readwrite, &enableTypes},
    {"EnterpriseBase.12.5.4.1.5", "Method2 Server Group", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.4.1.6", "Method3 Type", S::integer, A::readwrite, &enableTypes},
    {"EnterpriseBase.12.5.4.1.7", "Method3 Server Group", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.4.1.8", "Method4 Type", S::integer, A::readwrite, &enableTypes},
    {"EnterpriseBase.12.5.4.1.9", "Method4 Server Group", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.4.1.10", "Method List Row Status", S::integer, A::readwrite,
     &CommonOptions::activeCreateDestroy},
    {},
};
static_assert(QxColumns::count(kLogin) == MethodColumn::Count);
static_assert(QxColumns::count(kEnable) == MethodColumn::Count);
static_assert(QxColumns::captionIs(kLogin, typeColumn(3), "Method4 Type"));
static_assert(QxColumns::captionIs(kLogin, groupColumn(3), "Method4 Server Group"));
static_assert(QxColumns::captionIs(kEnable, MethodColumn::RowStatus, "Method List Row Status"));

constexpr QxSNMPVarItem kServers[] = {
    {"EnterpriseBase.12.5.10.1.1", "IP Address", S::ipaddress, A::notaccess, nullptr},
    {"EnterpriseBase.12.5.10.1.2", "Auth Protocol", S::integer, A::notaccess, &CommonOptions::aacProtocol},
    {"EnterpriseBase.12.5.10.1.3", "Auth Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.10.1.4", "Auth Key", S::displaystr, A::readwrite | A::secret, nullptr},
    {"EnterpriseBase.12.5.10.1.5", "Timeout", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.10.1.6", "Retry Count", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.5.10.1.7", "Row Status", S::integer, A::readwrite, &CommonOptions::activeCreateDestroy},
    {},
};
static_assert(QxColumns::count(kServers) == ServerColumn::Count);
static_assert(QxColumns::captionIs(kServers, ServerColumn::RetryCount, "Retry Count"));

constexpr QxSNMPVarItem kGroupServers[] = {
    {"EnterpriseBase.12.5.12.1.1", "Group Name", S::displaystr, A::notaccess, nullptr},
    {"EnterpriseBase.12.5.12.1.2", "IP Address", S::ipaddress, A::notaccess, nullptr},
    {"EnterpriseBase.12.5.12.1.3", "Auth Protocol", S::integer, A::notaccess, &CommonOptions::aacProtocol},
    {"EnterpriseBase.12.5.12.1.4", "Row State", S::integer, A::readwrite, &rowState},
    {},
};
static_assert(QxColumns::count(kGroupServers) == GroupServerColumn::Count);
static_assert(QxColumns::captionIs(kGroupServers, GroupServerColumn::RowState, "Row State"));

} // namespace

const QxDescriptorTable loginMethodLists{kLogin, MVT_UMV, 1, " Login Method List"};
const QxDescriptorTable enableMethodLists{kEnable, MVT_UMV, 1, " Enable Method List"};
const QxDescriptorTable servers{kServers, MVT_UMV, 2, " Server Information"};
const QxDescriptorTable groupServers{kGroupServers, MVT_UMV, 3, " Server Control"};

} // namespace AacDialogTables
