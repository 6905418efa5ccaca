#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor tables of the time dialogs (vendor MIB): time ranges, the
// network-time client and summer time, with the lists of the rule points.
namespace TimeDialogTables {

// Named weekly time ranges (one key: the name, a string index).
extern const QxDescriptorTable timeRanges; // " Time Range"
namespace RangeColumn {
enum : int { Name, Days, Start, End, Status, Count };
}
inline constexpr int rangeCreateAndGo = 1;
inline constexpr int rangeDestroy = 2;

// The network-time client: state, time source, two servers, poll interval.
extern const QxDescriptorTable networkTime; // " Network Time"
namespace NetworkColumn {
enum : int { State, Source, Server1, Server2, PollInterval, Count };
}

// Summer time: its status and offset, the repeating rule's two points and
// the annual rule's two points, each a list of its own.
extern const QxDescriptorTable summerStatus;    // " Summer Time Status"
extern const QxDescriptorTable summerRepeating; // " Repeat Summer Time"
extern const QxDescriptorTable summerAnnual;    // " Annual Summer Time"
namespace SummerStatusColumn {
enum : int { Status, Offset, Count };
}
namespace SummerPointColumn {
enum : int { Start, End, Count };
}

// Item texts of the rule points' lists, by item index.
inline constexpr const char *months[] = {"none", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul",  "Aug", "Sep", "Oct", "Nov", "Dec"};
inline constexpr const char *weeks[] = {"last", "1st", "2nd", "3rd", "4th"};
inline constexpr const char *weekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
// The offsets the switch takes, in minutes.
inline constexpr int summerOffsets[] = {30, 60, 90, 120};

} // namespace TimeDialogTables
