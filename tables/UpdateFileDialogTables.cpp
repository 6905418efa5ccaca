#include "tables/UpdateFileDialogTables.h"

#include "tables/CommonOptions.h"

namespace UpdateFileDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kTransferType[] = {{2, "network-load"}, {3, "out-of-band-load"}, {0, nullptr}};
const QxOptionPair kLoadType[] = {{2, "upload"}, {3, "download"}, {0, nullptr}};
const QxOptionPair kControl[] = {
    {2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "config-as-bootup-fw"}, {0, nullptr}};
const QxOptionList transferType(kTransferType);
const QxOptionList loadType(kLoadType);
const QxOptionList control(kControl);

constexpr QxSNMPVarItem kUpdateFiles[] = {
    {"EnterpriseBase.12.1.2.1.1.1", "File Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.1.2.1.1.2", "File Description", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.1.2.1.1.3", "File Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.1.2.1.1.4", "File Transfer Type", S::integer, A::readwrite, &transferType},
    {"EnterpriseBase.12.1.2.1.1.5", "File", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.1.2.1.1.6", "File Locate ID", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.1.2.1.1.7", "File Load Type", S::integer, A::readwrite, &loadType},
    {"EnterpriseBase.12.1.2.1.1.8", "File Control", S::integer, A::readwrite, &control},
    {"EnterpriseBase.12.1.2.1.1.9", "File BIncrement", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {"EnterpriseBase.12.1.2.1.1.10", "Multiple Image Control ID", S::integer, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kUpdateFiles) == Column::Count);
static_assert(QxColumns::captionIs(kUpdateFiles, Column::Control, "File Control"));

} // namespace

const QxDescriptorTable updateFiles{kUpdateFiles, MVT_UMV, 1, " Agent Supported Update Files"};

} // namespace UpdateFileDialogTables
