#include "tables/MemberSwitchDialogTables.h"

#include "tables/CommonOptions.h"

namespace MemberSwitchDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

constexpr QxSNMPVarItem kMembers[] = {
    {"EnterpriseBase.12.8.1.3.1.1", "ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.8.1.3.1.2", "Device Name", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.8.1.3.1.3", "MAC Address", S::macaddress, A::readonly, nullptr},
    {"EnterpriseBase.12.8.1.3.1.4", "Firmware Version", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.8.1.3.1.5", "Capability", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.8.1.3.1.6", "Platform", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.8.1.3.1.7", "Hold Time", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.8.1.3.1.8", "Member Candidate ID", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.8.1.3.1.9", "Member Password", S::displaystr, A::readwrite | A::secret, nullptr},
    {"EnterpriseBase.12.8.1.3.1.10", "Member Row Status", S::integer, A::readwrite,
     &CommonOptions::activeCreateDestroy},
    {},
};
static_assert(QxColumns::count(kMembers) == MemberColumn::Count);
static_assert(QxColumns::captionIs(kMembers, MemberColumn::RowStatus, "Member Row Status"));

constexpr QxSNMPVarItem kMemberWrite[] = {
    {"EnterpriseBase.12.8.1.3.1.1", "ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.8.1.3.1.8", "Member Candidate ID", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.8.1.3.1.9", "Member Password", S::displaystr, A::readwrite | A::secret, nullptr},
    {"EnterpriseBase.12.8.1.3.1.10", "Member Row Status", S::integer, A::readwrite,
     &CommonOptions::activeCreateDestroy},
    {},
};
static_assert(QxColumns::count(kMemberWrite) == WriteColumn::Count);

} // namespace

const QxDescriptorTable members{kMembers, MVT_UMV, 1, " Member Switch"};
const QxDescriptorTable memberWrite{kMemberWrite, MVT_SV, 1, " Member Switch"};

} // namespace MemberSwitchDialogTables
