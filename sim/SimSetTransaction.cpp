#include "sim/SimSetTransaction.h"

#include "sim/SimMib.h"
#include "sim/SimRange.h"

#include <map>
#include <set>

namespace {

bool isOctets(SimValue::Tag tag)
{
    return tag == SimValue::OctetString || tag == SimValue::Opaque || tag == SimValue::IpAddress;
}

const SimParentRule *parentRuleOf(const SimTable &table)
{
    for (std::size_t i = 0; i < SimMib::parentRuleCount; ++i)
        if (SimOid::of(SimMib::parentRules[i].child) == table.entry())
            return &SimMib::parentRules[i];
    return nullptr;
}

// The parent row of a child row: the child's first index arc.
SimOid parentRowOf(const SimOid &suffix)
{
    return suffix.empty() ? SimOid() : SimOid().child(suffix[0]);
}

} // namespace

int SimSetTransaction::add(const SimOid &oid, const SimValue &value)
{
    SimOid suffix;
    const SimObjectInfo *info = m_store.objectFor(oid, &suffix);
    if (!info) {
        // Instances a state file brought in without a definition: any value of their type.
        const SimCell *cell = m_store.find(oid);
        if (!cell)
            return NotWritable;
        if (cell->value.tag() != value.tag())
            return WrongType;
        m_bindings.push_back({oid, value});
        return NoError;
    }
    const SimObjectDef &def = *info->def;
    if (def.access == SimAccess::NotAccessible)
        return NoAccess;
    if (def.access == SimAccess::ReadOnly)
        return NotWritable;
    if (!info->table && (suffix.size() != 1 || suffix[0] != 0))
        return NoCreation;
    if (value.tag() != def.tag)
        return WrongType;
    const auto tag = static_cast<SimValue::Tag>(def.tag);
    if (tag == SimValue::IpAddress && value.bytes().size() != 4)
        return WrongLength;
    if (isOctets(tag) && !SimRange::contains(def.range, static_cast<std::int64_t>(value.bytes().size())))
        return WrongLength;
    if (tag == SimValue::Integer && !SimRange::contains(def.range, value.asInt()))
        return WrongValue;
    if ((tag == SimValue::Gauge32 || tag == SimValue::Counter32 || tag == SimValue::TimeTicks)
        && !SimRange::contains(def.range, static_cast<std::int64_t>(value.asUnsigned())))
        return WrongValue;
    if (info->table) {
        std::vector<SimValue> index;
        if (!info->table->decodeIndex(suffix, &index))
            return NoCreation;
        // An index outside its column's allowed values names a row that can never exist.
        for (std::size_t k = 0; k < index.size(); ++k) {
            const SimTable::IndexPart &indexPart = info->table->index()[k];
            auto column = info->table->columns().find(indexPart.column);
            const char *range = column != info->table->columns().end() ? column->second->range
                                : indexPart.range.empty()              ? nullptr
                                                                       : indexPart.range.c_str();
            const SimValue &part = index[k];
            const bool fits = SimValue::isNumeric(part.tag())
                                  ? SimRange::contains(range, static_cast<std::int64_t>(part.asUnsigned()))
                                  : part.tag() != SimValue::OctetString
                                        || SimRange::contains(range, static_cast<std::int64_t>(part.bytes().size()));
            if (!fits)
                return NoCreation;
        }
        const SimTableDef &tdef = info->table->def();
        if (info->column == tdef.statusColumn) {
            const std::int64_t status = value.asInt();
            if (tdef.control == SimRowControl::RowStatus && status != 1 && status != 2 && status != 4 && status != 6)
                return WrongValue; // notReady cannot be set; createAndWait is not offered
            if (tdef.control == SimRowControl::FilterStatus && (status < 2 || status > 5))
                return WrongValue;
            if (tdef.control == SimRowControl::AddDelete && status != 1 && status != 2)
                return WrongValue;
        }
    }
    m_bindings.push_back({oid, value});
    return NoError;
}

const SimSetTransaction::Binding *SimSetTransaction::statusBinding(const SimTable &table, const SimOid &suffix) const
{
    if (!table.def().statusColumn)
        return nullptr;
    const SimOid status = table.entry().child(table.def().statusColumn).concat(suffix);
    const Binding *found = nullptr;
    for (const Binding &b : m_bindings)
        if (b.oid == status)
            found = &b;
    return found;
}

bool SimSetTransaction::creates(const SimTable &table, std::int64_t status) const
{
    if (table.def().control == SimRowControl::RowStatus)
        return status == 4;
    if (table.def().control == SimRowControl::FilterStatus)
        return status >= 3 && status <= 5;
    if (table.def().control == SimRowControl::AddDelete)
        return status == 1;
    return false;
}

bool SimSetTransaction::deletes(const SimTable &table, std::int64_t status) const
{
    if (table.def().control == SimRowControl::RowStatus)
        return status == 6;
    if (table.def().control == SimRowControl::FilterStatus || table.def().control == SimRowControl::AddDelete)
        return status == 2;
    return false;
}

int SimSetTransaction::check(const SimOid &oid) const
{
    SimOid suffix;
    const SimObjectInfo *info = m_store.objectFor(oid, &suffix);
    if (!info || !info->table)
        return NoError;
    const SimTable &table = *info->table;
    const bool exists = m_store.rowExists(table, suffix);
    const Binding *status = statusBinding(table, suffix);
    if (info->column == table.def().statusColumn && status) {
        const std::int64_t value = status->value.asInt();
        if (table.def().control == SimRowControl::RowStatus) {
            if (exists && value == 4)
                return InconsistentValue;
            if (!exists && (value == 1 || value == 2))
                return InconsistentValue;
        }
        return NoError;
    }
    if (exists)
        return NoError;
    if (status && creates(table, status->value.asInt()))
        return parentExists(table, suffix) ? NoError : InconsistentValue;
    return NoCreation;
}

bool SimSetTransaction::parentExists(const SimTable &table, const SimOid &suffix) const
{
    const SimParentRule *rule = parentRuleOf(table);
    if (!rule)
        return true;
    const SimTable *parent = m_store.tableAt(SimOid::of(rule->parent));
    return parent && m_store.rowExists(*parent, parentRowOf(suffix));
}

void SimSetTransaction::remember(const SimOid &instance)
{
    for (const auto &entry : m_undo)
        if (entry.first == instance)
            return;
    const SimCell *cell = m_store.find(instance);
    m_undo.emplace_back(instance, cell ? std::optional<SimValue>(cell->value) : std::nullopt);
}

void SimSetTransaction::apply()
{
    if (m_applied)
        return;
    m_applied = true;
    // Rows first gather their bindings, so a row is created once with all its values.
    std::map<RowKey, std::map<unsigned, SimValue>> rows;
    for (const Binding &b : m_bindings) {
        SimOid suffix;
        const SimObjectInfo *info = m_store.objectFor(b.oid, &suffix);
        if (info && info->table) {
            rows[RowKey{info->table, suffix}][info->column] = b.value;
        } else {
            remember(b.oid);
            m_store.put(b.oid, b.value);
        }
    }
    for (auto &[key, values] : rows) {
        const SimTable &table = *key.table;
        for (const auto &[number, def] : table.columns())
            if (def->access != SimAccess::NotAccessible)
                remember(table.entry().child(number).concat(key.suffix));
        const unsigned statusColumn = table.def().statusColumn;
        auto status = statusColumn ? values.find(statusColumn) : values.end();
        if (status != values.end() && deletes(table, status->second.asInt())) {
            m_store.deleteRow(table, key.suffix);
            continue;
        }
        if (!m_store.rowExists(table, key.suffix)) {
            if (status != values.end() && table.def().control == SimRowControl::RowStatus)
                status->second = SimValue::integer(1); // createAndGo leaves the row active
            // A column the parent row decides comes from there.
            if (const SimParentRule *rule = parentRuleOf(table); rule && rule->childColumn) {
                const SimOid parent = SimOid::of(rule->parent).child(rule->parentColumn);
                if (const SimCell *cell = m_store.find(parent.concat(parentRowOf(key.suffix))))
                    values[rule->childColumn] = cell->value;
            }
            m_store.createRow(table, key.suffix, values);
            continue;
        }
        for (const auto &[number, value] : values)
            m_store.put(table.entry().child(number).concat(key.suffix), value);
    }
}

void SimSetTransaction::undo()
{
    if (!m_applied)
        return;
    for (auto it = m_undo.rbegin(); it != m_undo.rend(); ++it) {
        if (it->second)
            m_store.put(it->first, *it->second);
        else
            m_store.erase(it->first);
    }
    m_undo.clear();
    m_applied = false;
}
