#include "tables/EapolDialogTables.h"

namespace EapolDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

constexpr QxSNMPVarItem kMacStatistics[] = {
    {"", "PAE MAC Address", S::displaystr, A::notaccess, nullptr},
    {"", "PAE Port Number", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.3.6.2.1.1", "Auth EAPOL Frames RX", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.2", "Auth EAPOL Frames TX", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.3", "Auth EAPOL Start Frames RX", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.4", "Auth EAPOL Logoff Frames RX", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.5", "Auth EAPOL Resp ID Frames RX", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.6", "Auth EAPOL Resp Frames RX", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.7", "Auth EAPOL Req ID Frames TX", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.8", "Auth EAPOL Req Frames TX", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.9", "Auth Invalid EAPOL Frames RX", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.10", "Auth EAP Length Error Frames RX", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.11", "Auth Last EAPOL Frame Version", S::guage, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.2.1.12", "Auth Last EAPOL Frame Source", S::macaddress, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kMacStatistics) == 14);

} // namespace

const QxDescriptorTable macStatistics{kMacStatistics, MVT_FMV, 2, " MAC Statistic"};

} // namespace EapolDialogTables
