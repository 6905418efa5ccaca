#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor tables of the AAC dialogs (vendor MIB): the login and enable
// method lists, the authentication servers and the servers of each server
// group.
namespace AacDialogTables {

// Method lists, keyed by their name: up to four methods, each a type and,
// for the type "server-group", the group's name. Login and enable lists have
// the same columns; their method types differ in the local method.
extern const QxDescriptorTable loginMethodLists;  // " Login Method List"
extern const QxDescriptorTable enableMethodLists; // " Enable Method List"
namespace MethodColumn {
enum : int {
    Name,
    Type1,
    Group1,
    Type2,
    Group2,
    Type3,
    Group3,
    Type4,
    Group4,
    RowStatus,
    Count
};
}
inline constexpr int methodsPerList = 4;
// Method n (0-based) is a type column followed by its group column.
constexpr int typeColumn(int method)
{
    return MethodColumn::Type1 + 2 * method;
}
constexpr int groupColumn(int method)
{
    return MethodColumn::Group1 + 2 * method;
}
// Items of the method type lists: "server-group", the local method ("local"
// or "local-enable") and "none", which end a list, and "other", no method.
inline constexpr int typeServerGroup = 4;
inline constexpr int typeLocal = 5;
inline constexpr int typeNone = 6;
inline constexpr char typeOther[] = "other";

// Authentication servers, keyed by address and protocol.
extern const QxDescriptorTable servers; // " Server Information"
namespace ServerColumn {
enum : int { Address, Protocol, Port, Key, Timeout, RetryCount, RowStatus, Count };
}
// Items of the protocol list.
inline constexpr int protocolTacacs = 0;
inline constexpr int protocolXtacacs = 1;
inline constexpr int protocolTacacsPlus = 2;

// The servers of the server groups, keyed by group name, server address and
// protocol; a row is added and deleted by its row state.
extern const QxDescriptorTable groupServers; // " Server Control"
namespace GroupServerColumn {
enum : int { Group, Address, Protocol, RowState, Count };
}

// Items of the row-status lists (active, createAndGo, destroy).
inline constexpr int rowCreateAndGo = 1;
inline constexpr int rowDestroy = 2;

} // namespace AacDialogTables
