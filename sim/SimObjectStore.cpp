#include "sim/SimObjectStore.h"

#include "sim/SimRange.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

SimObjectStore::SimObjectStore(const std::vector<const SimMibPart *> &parts) : m_parts(parts)
{
    for (const SimMibPart *part : m_parts)
        for (std::size_t i = 0; i < part->tableCount; ++i)
            m_tables.push_back(std::make_unique<SimTable>(part->tables[i]));
    for (const SimMibPart *part : m_parts)
        index(*part);
    // An object inside another one (a scalar that is also a table's prefix) cannot be served.
    for (auto it = m_objects.begin(); it != m_objects.end(); ++it) {
        auto next = std::next(it);
        if (next != m_objects.end() && next->first.startsWith(it->first))
            throw std::invalid_argument("object " + next->first.toString() + " lies inside " + it->first.toString());
    }
    for (const auto &table : m_tables)
        if (table->columns().empty())
            throw std::invalid_argument("table without columns: " + table->entry().toString());
    // Every factory value must parse and fit (rows made later use them too).
    const SimOid sampleRow(std::vector<SimOid::Arc>(8, 1));
    for (const auto &[oid, info] : m_objects)
        if (info.def->init && info.def->access != SimAccess::NotAccessible)
            initialValue(*info.def, info.table ? sampleRow : SimOid(std::vector<SimOid::Arc>{0}),
                         std::strchr(info.def->init, '{') == nullptr);
}

void SimObjectStore::index(const SimMibPart &part)
{
    for (std::size_t i = 0; i < part.objectCount; ++i) {
        const SimObjectDef &def = part.objects[i];
        SimObjectInfo info;
        info.oid = SimOid::of(def.oid);
        info.def = &def;
        if (!SimValue::isKnownTag(def.tag) || !SimRange::valid(def.range))
            throw std::invalid_argument(std::string("bad type or range for ") + def.oid);
        if (info.oid.size() > 1) {
            SimOid entry(info.oid.arcs().data(), info.oid.size() - 1);
            for (auto &table : m_tables)
                if (table->entry() == entry) {
                    info.table = table.get();
                    info.column = info.oid.arcs().back();
                    table->addColumn(info.column, &def);
                }
        }
        if (!m_objects.emplace(info.oid, info).second)
            throw std::invalid_argument(std::string("object defined twice: ") + def.oid);
    }
}

const SimTable *SimObjectStore::tableAt(const SimOid &entry) const
{
    for (const auto &table : m_tables)
        if (table->entry() == entry)
            return table.get();
    return nullptr;
}

const SimObjectInfo *SimObjectStore::objectFor(const SimOid &instance, SimOid *rowSuffix) const
{
    auto it = m_objects.upper_bound(instance);
    if (it == m_objects.begin())
        return nullptr;
    --it;
    if (!instance.startsWith(it->first) || instance.size() == it->first.size())
        return nullptr;
    if (rowSuffix)
        *rowSuffix = instance.suffix(it->first.size());
    return &it->second;
}

std::string SimObjectStore::expand(const char *init, const SimOid &suffix) const
{
    std::string text;
    for (const char *p = init; *p; ++p) {
        if (*p == '{') {
            const char *close = p;
            while (*close && *close != '}')
                ++close;
            std::string key(p + 1, close);
            bool hex = !key.empty() && key.front() == 'x';
            if (hex)
                key.erase(0, 1);
            // "{2/2}": the arc divided, for tables derived from an index.
            unsigned divisor = 1;
            if (std::size_t slash = key.find('/'); slash != std::string::npos) {
                divisor = static_cast<unsigned>(std::stoul(key.substr(slash + 1)));
                key.erase(slash);
            }
            std::size_t arc = key.empty() ? 0 : std::stoul(key);
            unsigned value = arc >= 1 && arc <= suffix.size() ? suffix[arc - 1] : 0;
            value /= divisor ? divisor : 1;
            if (hex) {
                char buffer[16];
                std::snprintf(buffer, sizeof buffer, "%02X", value & 0xFF);
                text += buffer;
            } else {
                text += std::to_string(value);
            }
            p = *close ? close : close - 1;
            continue;
        }
        text += *p;
    }
    return text;
}

SimValue SimObjectStore::initialValue(const SimObjectDef &def, const SimOid &suffix, bool checkRange) const
{
    const auto tag = static_cast<SimValue::Tag>(def.tag);
    if (!def.init) {
        switch (tag) {
        case SimValue::Integer: return SimValue::integer(0);
        case SimValue::ObjectId: return SimValue::objectId(SimOid::of("0.0"));
        case SimValue::IpAddress: return SimValue::octets(tag, std::string(4, '\0'));
        case SimValue::OctetString: case SimValue::Opaque: return SimValue::octets(tag, {});
        case SimValue::Null: return SimValue();
        default: return SimValue::unsignedOf(tag, 0);
        }
    }
    std::string text = expand(def.init, suffix);
    std::string tagText = std::to_string(def.tag);
    if ((tag == SimValue::OctetString || tag == SimValue::Opaque || tag == SimValue::IpAddress)
        && text.rfind("0x", 0) == 0) {
        text.erase(0, 2);
        tagText += 'x';
    }
    SimValue value;
    std::string error = SimValue::fromRecord(tagText, text, &value);
    if (!error.empty())
        throw std::invalid_argument(std::string("bad factory value for ") + def.oid + ": " + error);
    const bool octets = tag == SimValue::OctetString || tag == SimValue::Opaque;
    const bool fits = octets ? SimRange::contains(def.range, static_cast<std::int64_t>(value.bytes().size()))
                             : tag != SimValue::Integer || SimRange::contains(def.range, value.asInt());
    if (checkRange && !fits)
        throw std::invalid_argument(std::string("factory value outside the allowed values of ") + def.oid);
    return value;
}

void SimObjectStore::loadFactory()
{
    m_cells.clear();
    ++m_generation;
    for (const auto &[oid, info] : m_objects) {
        if (info.def->access == SimAccess::NotAccessible)
            continue;
        if (!info.table) {
            if (info.def->init)
                m_cells[oid.child(0)] = SimCell{initialValue(*info.def, SimOid(std::vector<SimOid::Arc>{0})), info.def};
            continue;
        }
    }
    for (const auto &table : m_tables)
        for (const SimOid &row : table->factoryRows())
            createRow(*table, row, {});
    for (const SimMibPart *part : m_parts) {
        if (!part->factory)
            continue;
        std::vector<std::string> errors = loadRecords(part->factory, std::string("factory:") + part->name, false);
        if (!errors.empty())
            throw std::invalid_argument(errors.front());
    }
    for (const SimMibPart *part : m_parts)
        if (part->absent)
            leaveOut(part->absent, std::string("factory:") + part->name);
}

void SimObjectStore::leaveOut(std::string_view lines, const std::string &origin)
{
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        std::string_view line = lines.substr(0, end);
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        SimOid oid;
        // A cell left out that the rows do not have is a mistake in the tables.
        if (!SimOid::parse(line.substr(first), &oid) || !m_cells.erase(oid))
            throw std::invalid_argument(origin + ": no such instance to leave out: " + std::string(line));
    }
    ++m_generation;
}

std::vector<std::string> SimObjectStore::loadRecords(std::string_view text, const std::string &origin, bool replace)
{
    std::vector<std::string> errors;
    std::vector<std::pair<SimOid, SimValue>> parsed;
    std::map<SimOid, std::size_t> seen;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        auto fail = [&](const std::string &what) {
            errors.push_back(origin + ":" + std::to_string(lineNumber) + ": " + what);
        };
        std::size_t bar1 = line.find('|');
        std::size_t bar2 = bar1 == std::string_view::npos ? bar1 : line.find('|', bar1 + 1);
        if (bar2 == std::string_view::npos) {
            fail("expected OID|TAG|VALUE");
            continue;
        }
        SimOid oid;
        if (!SimOid::parse(line.substr(0, bar1), &oid) || oid.size() < 2) {
            fail("malformed OID \"" + std::string(line.substr(0, bar1)) + "\"");
            continue;
        }
        SimValue value;
        std::string error = SimValue::fromRecord(line.substr(bar1 + 1, bar2 - bar1 - 1), line.substr(bar2 + 1), &value);
        if (!error.empty()) {
            fail(error);
            continue;
        }
        SimOid suffix;
        if (const SimObjectInfo *info = objectFor(oid, &suffix)) {
            if (!info->table && (suffix.size() != 1 || suffix[0] != 0)) {
                fail("a scalar's instance ends in .0: " + oid.toString());
                continue;
            }
            if (info->table && !info->table->decodeIndex(suffix, nullptr)) {
                fail("the instance does not form an index of its table: " + oid.toString());
                continue;
            }
            if (info->def->access == SimAccess::NotAccessible) {
                fail("the object is not accessible: " + oid.toString());
                continue;
            }
            if (info->def->tag != value.tag()) {
                fail("type " + std::to_string(value.tag()) + " does not match the object's type "
                     + std::to_string(info->def->tag));
                continue;
            }
        }
        if (replace) {
            auto [it, fresh] = seen.emplace(oid, lineNumber);
            if (!fresh) {
                fail("instance " + oid.toString() + " already given on line " + std::to_string(it->second));
                continue;
            }
        }
        parsed.emplace_back(oid, value);
    }
    if (!errors.empty())
        return errors;
    if (replace) {
        m_cells.clear();
    }
    for (auto &[oid, value] : parsed)
        put(oid, value);
    ++m_generation;
    return errors;
}

std::string SimObjectStore::records() const
{
    std::string text;
    for (const auto &[oid, cell] : m_cells)
        text += oid.toString() + "|" + cell.value.toRecord() + "\n";
    return text;
}

SimCell *SimObjectStore::find(const SimOid &instance)
{
    auto it = m_cells.find(instance);
    return it == m_cells.end() ? nullptr : &it->second;
}

const SimCell *SimObjectStore::find(const SimOid &instance) const
{
    auto it = m_cells.find(instance);
    return it == m_cells.end() ? nullptr : &it->second;
}

std::int64_t SimObjectStore::intAt(const SimOid &instance, std::int64_t fallback) const
{
    const SimCell *cell = find(instance);
    if (!cell || !SimValue::isNumeric(cell->value.tag()))
        return fallback;
    return cell->value.asInt();
}

const SimObjectStore::Cells::value_type *SimObjectStore::next(const SimOid &oid) const
{
    auto it = m_cells.upper_bound(oid);
    return it == m_cells.end() ? nullptr : &*it;
}

const SimObjectStore::Cells::value_type *SimObjectStore::previous(const SimOid &oid) const
{
    auto it = m_cells.lower_bound(oid);
    if (it == m_cells.begin())
        return nullptr;
    return &*--it;
}

void SimObjectStore::put(const SimOid &instance, const SimValue &value)
{
    auto it = m_cells.find(instance);
    if (it != m_cells.end()) {
        it->second.value = value;
        return;
    }
    const SimObjectInfo *info = objectFor(instance);
    m_cells.emplace(instance, SimCell{value, info ? info->def : nullptr});
    ++m_generation;
}

void SimObjectStore::erase(const SimOid &instance)
{
    if (m_cells.erase(instance))
        ++m_generation;
}

void SimObjectStore::eraseBelow(const SimOid &prefix)
{
    auto it = m_cells.lower_bound(prefix);
    auto end = it;
    while (end != m_cells.end() && end->first.startsWith(prefix))
        ++end;
    if (it != end) {
        m_cells.erase(it, end);
        ++m_generation;
    }
}

bool SimObjectStore::rowExists(const SimTable &table, const SimOid &suffix) const
{
    for (const auto &[number, def] : table.columns())
        if (def->access != SimAccess::NotAccessible && m_cells.count(table.entry().child(number).concat(suffix)))
            return true;
    return false;
}

void SimObjectStore::createRow(const SimTable &table, const SimOid &suffix, const std::map<unsigned, SimValue> &given)
{
    for (const auto &[number, def] : table.columns()) {
        if (def->access == SimAccess::NotAccessible)
            continue;
        SimValue value;
        auto g = given.find(number);
        if (g != given.end())
            value = g->second;
        else if (!table.indexValueFor(number, suffix, &value)) {
            try {
                value = initialValue(*def, suffix);
            } catch (const std::exception &) {
                // A template that does not fit this row (an index beyond its range) gives the zero value.
                SimObjectDef blank = *def;
                blank.init = nullptr;
                value = initialValue(blank, suffix);
            }
        }
        m_cells[table.entry().child(number).concat(suffix)] = SimCell{value, def};
    }
    ++m_generation;
}

void SimObjectStore::deleteRow(const SimTable &table, const SimOid &suffix)
{
    for (const auto &[number, def] : table.columns())
        m_cells.erase(table.entry().child(number).concat(suffix));
    ++m_generation;
}
