#include "tables/MainWindowObjects.h"

#include "tables/CommonOptions.h"

namespace {
const QxOptionPair kStpVersion[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
const QxOptionList stpVersionOptions(kStpVersion);
} // namespace

namespace MainWindowObjects {
const QxSNMPVarItem rmonState[] = {
    {"EnterpriseBase.11.63.7.2.1.2.16", "RMON State", QxSyntax::integer, QxAccess::readwrite,
     &CommonOptions::disabledEnabled, nullptr, nullptr, nullptr},
    {},
};
const QxSNMPVarItem stpVersion[] = {
    {"EnterpriseBase.12.15.1.2", "STP Version", QxSyntax::integer, QxAccess::readwrite, &stpVersionOptions,
     nullptr, nullptr, nullptr},
    {},
};
const QxSNMPVarItem switchName[] = {
    {"1.3.6.1.2.1.1.5", "System Name", QxSyntax::displaystr, QxAccess::readonly, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.1", "System Description", QxSyntax::displaystr, QxAccess::readonly, nullptr, nullptr, nullptr,
     nullptr},
    {},
};
} // namespace MainWindowObjects
