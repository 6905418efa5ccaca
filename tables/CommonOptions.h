#pragma once

#include "snmp/QxOptionList.h"

// Option lists that many descriptor arrays share. Built once at program load.
namespace CommonOptions {
extern const QxOptionList rowStatus;         // 1 active .. 6 destroy
extern const QxOptionList activeCreateDestroy; // 1 active, 4 createAndGo, 6 destroy
extern const QxOptionList enabledDisabled;   // 1 enabled, 2 disabled
extern const QxOptionList disabledEnabled;   // 2 disabled, 3 enabled
extern const QxOptionList otherDisabledEnabled; // 1 other, 2 disabled, 3 enabled
extern const QxOptionList storageType;       // 1 other .. 5 readOnly
extern const QxOptionList trueFalse;         // 1 true, 2 false (TruthValue)
extern const QxOptionList aacProtocol;       // 1 tacacs, 2 xtacacs, 3 tacacs-plus, 4 radius
} // namespace CommonOptions
