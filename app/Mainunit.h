#pragma once

// The module shell's chief header.
#include "app/ModuleStartup.h"
#include "app/RegistryStore.h"
#include "app/TMainForm.h"
#include "snmp/QxSNMPException.h"
