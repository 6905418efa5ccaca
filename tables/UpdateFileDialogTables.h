#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor table of the agent's update files (vendor MIB): what the agent
// can transfer, from where, and the control that starts a transfer.
namespace UpdateFileDialogTables {

extern const QxDescriptorTable updateFiles; // " Agent Supported Update Files"
namespace Column {
enum : int {
    Index,
    Description,
    Address,
    TransferType,
    Name,
    LocateId,
    LoadType,
    Control,
    BIncrement,
    MultipleImageId,
    Count
};
}
// Item positions in the file-control list.
inline constexpr int controlInactive = 0;
inline constexpr int controlStart = 1;

} // namespace UpdateFileDialogTables
