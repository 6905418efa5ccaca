#pragma once
#include "sim/SimObjectDef.h"
#include "sim/SimOid.h"
#include "sim/SimValue.h"

#include <map>
#include <string>
#include <vector>

// What the store knows about one table: its columns, how its instance suffix
// splits into index values, its factory rows.
class SimTable
{
public:
    struct IndexPart
    {
        unsigned column; // 0: an index borrowed from another table
        char kind;       // i, a, m, s, S, o, O, 6 (see SimTableDef)
        std::string range; // allowed values (numbers) or sizes (strings) of a borrowed index
    };

    explicit SimTable(const SimTableDef &def);

    const SimTableDef &def() const { return *m_def; }
    const SimOid &entry() const { return m_entry; }
    const std::vector<IndexPart> &index() const { return m_index; }
    const std::map<unsigned, const SimObjectDef *> &columns() const { return m_columns; }
    void addColumn(unsigned number, const SimObjectDef *def) { m_columns[number] = def; }

    // Splits a row suffix into one value per index part; false when the
    // suffix does not form an index of this table.
    bool decodeIndex(const SimOid &suffix, std::vector<SimValue> *values) const;
    // The index value that goes into column `number`, if that column is an index.
    bool indexValueFor(unsigned number, const SimOid &suffix, SimValue *value) const;

    std::vector<SimOid> factoryRows() const;

private:
    const SimTableDef *m_def;
    SimOid m_entry;
    std::vector<IndexPart> m_index;
    std::map<unsigned, const SimObjectDef *> m_columns;
};
