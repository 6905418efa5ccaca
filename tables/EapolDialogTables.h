#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor table of the MAC-based authentication's EAPOL frame statistics
// (vendor MIB), keyed by the supplicant's MAC address and port; read only.
namespace EapolDialogTables {

extern const QxDescriptorTable macStatistics; // " MAC Statistic"

} // namespace EapolDialogTables
