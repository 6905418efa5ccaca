#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor tables of the single-IP member switches (vendor MIB): the table
// the dialog lists, and the values its add window writes at one member's ID.
namespace MemberSwitchDialogTables {

extern const QxDescriptorTable members; // " Member Switch"
namespace MemberColumn {
enum : int {
    Id,
    DeviceName,
    MacAddress,
    FirmwareVersion,
    Capability,
    Platform,
    HoldTime,
    CandidateId,
    Password,
    RowStatus,
    Count
};
}

// What a write carries; its instance suffix is the member's ID.
extern const QxDescriptorTable memberWrite; // " Member Switch"
namespace WriteColumn {
enum : int { Id, CandidateId, Password, RowStatus, Count };
}
// Item positions in the row-status list.
inline constexpr int createAndGo = 1;
inline constexpr int destroy = 2;

} // namespace MemberSwitchDialogTables
