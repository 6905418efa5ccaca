#pragma once

#include "snmp/QxDescriptorTable.h"
#include "snmp/QxSNMPSyntax.h"
#include "snmp/QxSNMPVarItem.h"

// One item of the main menu, as data. A menu group is an array of records in
// menu order; `depth` places each record under the nearest menu record above it
// with a smaller depth (0 = an item directly in the top-level menu). One
// dispatcher runs every record by its shape, so a command is data, not code.
enum class CommandShape : quint8 {
    Menu,      // a submenu; the records below with a greater depth are its items
    Separator, // a separator line
    Nothing,   // an item whose command does nothing
    Editor,    // E: generic dialog with an editor page
    Table,     // T: generic dialog with a table page
    Dedicated, // D: a dedicated dialog class
    Viewer,    // V: an external viewer program of the host suite
    Action,    // S: a single action (reboot, help, about)
};

// An input-constraint format for one row of a generic page; a list ends at row -1.
struct RowFormat
{
    int row;
    const char *format;
};

namespace CommandFlag {
enum : quint32 {
    RmonMenuRefresh = 1, // the RMON menu state is read again after the dialog closes
    NeedsV2c = 2,        // 64-bit counters: an SNMPv1 session reads with SNMPv2c while open
    StpVersionRefresh = 4, // the spanning-tree version is read before the dialog opens
};
}

struct CommandRecord
{
    int depth;
    const char *caption; // the menu text, exactly as shown
    bool hidden;         // the item (not the menus above it) is hidden
    CommandShape shape;

    // Editor and Table: the descriptor array and how the list is read.
    const QxSNMPVarItem *items = nullptr;
    quint8 kind = SVT_SV;
    int keyCount = 0;
    // Editor, Table and Dedicated: the dialog caption is title + joiner + address.
    const char *title = nullptr;
    const char *joiner = nullptr;
    // Table: RowStatus column written by Add ("createAndGo") and Delete ("destroy"); -1: none.
    int rowStatusColumn = -1;
    const RowFormat *formats = nullptr;
    int height = 0;       // 0: as built
    int valueWidth = 0;   // 0: the page's default
    int portListRow = -1; // a row edited in the port-list window (12 columns, 28 ports)
    bool editHidden = false;
    const char *warning = nullptr; // red 10-point warning on the page's edits panel
    quint32 flags = 0;

    // Dedicated: the dialog class; Viewer: the topic switch, e.g. "/TMIB_Info";
    // Action: "reboot", "help" or "about".
    const char *target = nullptr;

    // Editor and Table: the descriptor array as a table; the generic status
    // lines name no list.
    constexpr QxDescriptorTable table() const { return {items, kind, keyCount, nullptr}; }
};

// A menu group: its records up to the terminator (caption null).
struct CommandGroup
{
    const char *topMenu;
    const CommandRecord *records;
};
