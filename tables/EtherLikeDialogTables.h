#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor tables of the MAC control and pause monitors (EtherLike-MIB):
// a port table each, and the counters one port's monitor reads.
namespace EtherLikeDialogTables {

// Ports with the MAC control functions they support (one key: the index).
extern const QxDescriptorTable controlPorts; // " Dot3 Control"
namespace ControlColumn {
enum : int { Index, FunctionsSupported, Count };
}
// The received frames with an unknown MAC control opcode.
extern const QxDescriptorTable controlCounters; // " Dot3 Control Counter"

// Ports with their pause admin mode (writable) and operational mode.
extern const QxDescriptorTable pausePorts; // " Dot3 Pause"
namespace PauseColumn {
enum : int { Index, AdminMode, OperMode, Count };
}
// The pause frames received and sent.
extern const QxDescriptorTable pauseCounters; // " Dot3 Pause Counter"

// The intervals a monitor offers, "none" (stopped) first.
struct MonitorInterval
{
    const char *text;
    int ms; // 0: the timer is stopped
};
inline constexpr MonitorInterval monitorIntervals[] = {
    {"none", 0}, {"2s", 2000}, {"5s", 5000}, {"10s", 10000}, {"30s", 30000}, {"1m", 60000}};
// The interval a port click starts monitoring with.
inline constexpr int firstMonitorInterval = 2;
static_assert(monitorIntervals[firstMonitorInterval].ms == 5000);

} // namespace EtherLikeDialogTables
