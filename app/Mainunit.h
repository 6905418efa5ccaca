#pragma once

// The module shell's chief header.
#include "app/TMainForm.h"
#include "app/core/ModuleStartup.h"
#include "app/core/RegistryStore.h"
#include "snmp/QxSNMPException.h"
