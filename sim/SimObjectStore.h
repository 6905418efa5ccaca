#pragma once
#include "sim/SimObjectDef.h"
#include "sim/SimOid.h"
#include "sim/SimTable.h"
#include "sim/SimValue.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One served instance: its value and, when the object is defined, its definition.
struct SimCell
{
    SimValue value;
    const SimObjectDef *def = nullptr;
};

// What a definition says about an instance.
struct SimObjectInfo
{
    SimOid oid;                  // the object (scalar or column) OID
    const SimObjectDef *def = nullptr;
    const SimTable *table = nullptr; // null for scalars
    unsigned column = 0;
};

// The data-driven object store: every served instance in OID order, plus the
// definitions (access, type, ranges, table structure) that SETs are checked
// against.
class SimObjectStore
{
public:
    using Cells = std::map<SimOid, SimCell>;

    explicit SimObjectStore(const std::vector<const SimMibPart *> &parts);

    // The definition an instance belongs to, or null. *rowSuffix receives the
    // arcs after the object OID (".0" for scalars).
    const SimObjectInfo *objectFor(const SimOid &instance, SimOid *rowSuffix = nullptr) const;
    const std::vector<std::unique_ptr<SimTable>> &tables() const { return m_tables; }
    const SimTable *tableAt(const SimOid &entry) const;

    // Replaces everything by the built-in factory state.
    void loadFactory();
    // Adds the instances of snmprec text. On any malformed line nothing is
    // changed and the errors ("ORIGIN:LINE: what") are returned.
    std::vector<std::string> loadRecords(std::string_view text, const std::string &origin, bool replace);
    std::string records() const;

    const Cells &cells() const { return m_cells; }
    SimCell *find(const SimOid &instance);
    const SimCell *find(const SimOid &instance) const;
    // The number an instance holds, or `fallback` when it has none.
    std::int64_t intAt(const SimOid &instance, std::int64_t fallback) const;
    // The first instance after `oid`, or null.
    const Cells::value_type *next(const SimOid &oid) const;
    const Cells::value_type *previous(const SimOid &oid) const;

    void put(const SimOid &instance, const SimValue &value);
    void erase(const SimOid &instance);
    void eraseBelow(const SimOid &prefix);

    bool rowExists(const SimTable &table, const SimOid &suffix) const;
    // Creates every accessible column of the row: `given` values first, then
    // the index columns from the instance, then the factory value.
    void createRow(const SimTable &table, const SimOid &suffix, const std::map<unsigned, SimValue> &given);
    void deleteRow(const SimTable &table, const SimOid &suffix);
    // The factory value of a new instance; throws when the definition's value
    // does not parse or (with checkRange) lies outside its allowed values.
    SimValue initialValue(const SimObjectDef &def, const SimOid &suffix, bool checkRange = true) const;

    // Changes whenever instances are added or removed (not on value changes).
    unsigned generation() const { return m_generation; }

private:
    void index(const SimMibPart &part);
    // Removes the instances listed one per line; throws on one that is not there.
    void leaveOut(std::string_view lines, const std::string &origin);
    std::string expand(const char *init, const SimOid &suffix) const;

    std::vector<const SimMibPart *> m_parts;
    std::vector<std::unique_ptr<SimTable>> m_tables;
    std::map<SimOid, SimObjectInfo> m_objects;
    Cells m_cells;
    unsigned m_generation = 0;
};
