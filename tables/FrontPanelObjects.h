#pragma once

#include "snmp/QxSNMPVarItem.h"

// The objects the front-panel view reads and writes: the LED status string it
// polls, and the PoE LED mode that decides which port LEDs the switch shows.
namespace FrontPanelObjects {
// swL2DevInfoFrontPanelLedStatus, read at instance 0.
extern const QxSNMPVarItem ledStatus[];
// "PoE System LED Mode": 1 "normal", 2 "poe".
extern const QxSNMPVarItem poeLedMode[];
} // namespace FrontPanelObjects
