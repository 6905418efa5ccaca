#include "tables/RadiusDialogTables.h"

#include "tables/CommonOptions.h"

namespace RadiusDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kIndex[] = {{1, "swRadiusServerIndex-first"},
                               {2, "swRadiusServerIndex-second"},
                               {3, "swRadiusServerIndex-third"},
                               {0, nullptr}};
const QxOptionList serverIndex(kIndex);

constexpr QxSNMPVarItem kServers[] = {
    {"EnterpriseBase.12.3.2.4.1.1", "RADIUS Server Index", S::integer, A::notaccess, &serverIndex},
    {"EnterpriseBase.12.3.2.4.1.2", "RADIUS Server IP Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.3.2.4.1.3", "RADIUS Server Key", S::displaystr, A::readwrite | A::secret, nullptr},
    {"EnterpriseBase.12.3.2.4.1.4", "RADIUS Auth Port Number", S::guage, A::readwrite, nullptr},
    {"EnterpriseBase.12.3.2.4.1.5", "RADIUS Accounting Table Port Number", S::guage, A::readwrite, nullptr},
    {"EnterpriseBase.12.3.2.4.1.6", "RADIUS Server Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};
static_assert(QxColumns::count(kServers) == Column::Count);
static_assert(QxColumns::captionIs(kServers, Column::Status, "RADIUS Server Status"));

} // namespace

const QxDescriptorTable servers{kServers, MVT_UMV, 1, " RADIUS Server"};

} // namespace RadiusDialogTables
