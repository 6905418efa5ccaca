#include "tables/FrontPanelObjects.h"

#include "snmp/QxOptionList.h"

namespace {
const QxOptionPair kPoeLedMode[] = {{1, "normal"}, {2, "poe"}, {0, nullptr}};
const QxOptionList poeLedModeOptions(kPoeLedMode);
} // namespace

namespace FrontPanelObjects {
const QxSNMPVarItem ledStatus[] = {
    {"EnterpriseBase.11.63.7.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", QxSyntax::displaystr, QxAccess::readonly,
     nullptr, nullptr, nullptr, nullptr},
    {},
};
const QxSNMPVarItem poeLedMode[] = {
    {"EnterpriseBase.12.24.1.4", "PoE System LED Mode", QxSyntax::integer, QxAccess::readwrite, &poeLedModeOptions,
     nullptr, nullptr, nullptr},
    {},
};
} // namespace FrontPanelObjects
