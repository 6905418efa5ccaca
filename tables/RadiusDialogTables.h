#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor table of the RADIUS servers (vendor MIB): up to three, first to
// third, each with its address, shared secret and ports.
namespace RadiusDialogTables {

extern const QxDescriptorTable servers; // " RADIUS Server"
namespace Column {
enum : int { Index, Address, Key, AuthPort, AccountingPort, Status, Count };
}
// Item positions in the index and status lists.
inline constexpr int firstServer = 0;
inline constexpr int statusCreateAndGo = 3;
inline constexpr int statusDestroy = 5;
// The ports an empty edit stands for.
inline constexpr char defaultAuthPort[] = "1812";
inline constexpr char defaultAccountingPort[] = "1813";

} // namespace RadiusDialogTables
