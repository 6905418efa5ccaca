#include "tables/CommonOptions.h"

namespace {
const QxOptionPair kRowStatus[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
                                   {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const QxOptionPair kActiveCreateDestroy[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const QxOptionPair kEnabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const QxOptionPair kDisabledEnabled[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const QxOptionPair kOtherDisabledEnabled[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const QxOptionPair kStorageType[] = {{1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"},
                                     {5, "readOnly"}, {0, nullptr}};
const QxOptionPair kTrueFalse[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const QxOptionPair kAacProtocol[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {0, nullptr}};
} // namespace

namespace CommonOptions {
const QxOptionList rowStatus(kRowStatus);
const QxOptionList activeCreateDestroy(kActiveCreateDestroy);
const QxOptionList enabledDisabled(kEnabledDisabled);
const QxOptionList disabledEnabled(kDisabledEnabled);
const QxOptionList otherDisabledEnabled(kOtherDisabledEnabled);
const QxOptionList storageType(kStorageType);
const QxOptionList trueFalse(kTrueFalse);
const QxOptionList aacProtocol(kAacProtocol);
} // namespace CommonOptions
