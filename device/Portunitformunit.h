#pragma once

// The device view: the front panel with its live LEDs and the port picker that
// dialogs embed to edit port lists.
#include "device/StackPort.h"
#include "device/TPanelNX2400PForm.h"
#include "device/TPortUitForm.h"
