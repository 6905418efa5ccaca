#pragma once
#include <cstddef>
#include <cstdint>

// Object definitions are plain data, written in arrays that read like the
// switch's MIB (and like the module's descriptor arrays): one line per scalar
// or table column. The simulator has no code per object.

enum class SimAccess : std::uint8_t { NotAccessible, ReadOnly, ReadWrite };

// Which of its port's traffic a growing counter counts: each kind follows a
// load curve of its own (SimPortTraffic).
enum class SimFlow : std::uint8_t {
    Both,        // frames either way (RMON watches the whole link)
    Received,
    Sent,
    InErrors,    // received frames in error
    OutDiscards, // frames dropped on the way out
};

struct SimObjectDef
{
    // Scalar: the object OID (its instance is OID.0). Column: the column OID
    // (entry OID + column number); its table must be listed in a SimTableDef.
    // A leading "E" stands for EnterpriseBase.
    const char *oid;
    std::uint8_t tag;      // SimValue::Tag
    SimAccess access;
    // Factory value in snmprec notation for the tag ("0x..." is hexadecimal for
    // octet types). In table columns "{1}", "{2}" stand for the row's first and
    // second index arcs, "{x1}" for the first as two hex digits. nullptr: the
    // factory state has no such instance (the type's zero for new rows).
    const char *init;
    // Integers: allowed values, "1..4094" or "1,2,5..7". Octet types: allowed
    // sizes in the same notation. nullptr: anything of the right type.
    const char *range;
    // Counters: average growth per second while the row's port has link;
    // the port's traffic makes it vary over time.
    unsigned growth;
    // Counters: the traffic they count.
    SimFlow flow = SimFlow::Both;
};

enum class SimRowControl : std::uint8_t {
    None,         // fixed rows; a write to a missing row is refused
    RowStatus,    // createAndGo(4) creates the row, destroy(6) deletes it
    FilterStatus, // static filters: permanent(3)/deleteOnReset(4)/deleteOnTimeout(5) create, invalid(2) deletes
    AddDelete,    // membership rows: add(1) creates, delete(2) deletes
};

struct SimTableDef
{
    const char *entry; // the table entry OID
    // Index components in order, blank separated, each "COLUMN:KIND"; COLUMN 0
    // marks an index taken from another table, whose allowed values may follow
    // as "0:KIND:RANGE" (a column of this table brings its own). KIND: i integer, a IpAddress,
    // m MAC address (6 octets), 6 IPv6 address (16 octets), s length-prefixed string, S implied string,
    // o length-prefixed OID, O implied OID.
    const char *index;
    // Factory rows: comma-separated instance patterns whose arcs are numbers or
    // ranges, e.g. "1..28" or "1..28.100,25..26.101". Empty: no factory rows.
    const char *rows;
    unsigned statusColumn;
    SimRowControl control;
};

// Behaviour rules, also plain data.

// A column whose value is a port's administrative state; the port is the
// row's first index arc.
struct SimAdminRule
{
    const char *column;
    int upValue;
    int downValue;
};

enum class SimAction : std::uint8_t {
    Save,          // record a save (and write the --save file)
    Reboot,        // silent for a while, then sysUpTime restarts
    FactoryReboot, // as Reboot, back to the factory state
    ClearCounters, // every growing counter back to zero
    ClearTable,    // remove every instance below the `target` prefixes
    ResetValues,   // the `target` instances back to their factory values
    Silence,       // silent for the written number of seconds
    ClearFaults,   // every fault injection back to its default
    TestMail,      // send the SMTP test mail: count it and say so in the server information
    Transfer,      // an update file's transfer: the control shows "start" for a few seconds, then "inactive"
    DeleteLearnt,  // port security: the learnt address named by the delete objects leaves the forwarding database
};

// A table whose rows live under rows of another: a row is created only when
// the parent table has a row at the child row's first index arc, and takes
// the parent's value of one column (0: none) into one of its own.
struct SimParentRule
{
    const char *child;  // the child table's entry OID
    const char *parent; // the parent table's entry OID
    unsigned childColumn;
    unsigned parentColumn;
};

// Writing one of `values` to `oid` (an instance) performs `action`; the object
// then reads back `idle`.
struct SimTriggerDef
{
    const char *oid;
    const char *values;
    SimAction action;
    const char *target;
    int idle;
};

// One group of definitions: a standard MIB, the vendor's MIB, the simulator's
// own control subtree.
struct SimMibPart
{
    const char *name;
    const SimObjectDef *objects;
    std::size_t objectCount;
    const SimTableDef *tables;
    std::size_t tableCount;
    // Extra factory instances and per-instance overrides, snmprec lines.
    const char *factory;
    // Instances the factory rows leave out, one OID per line: the cells a
    // switch does not have in some rows of a table (the SMI allows a row to
    // lack a column).
    const char *absent = nullptr;
};
