#include "sim/SimCatalogue.h"

#include "sim/SimOid.h"
#include "sim/SimValue.h"
#include "snmp/QxOptionList.h"
#include "tables/CommandCatalogue.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <set>

namespace {

// ---- what the catalogue asks for ------------------------------------------

struct WantedObject
{
    SimOid oid;
    std::string text; // "E.rest" or the numeric OID
    std::uint8_t tag = SimValue::Integer;
    SimAccess access = SimAccess::ReadOnly;
    std::string init;
    bool column = false;
    std::string origin;
};

struct WantedTable
{
    SimOid entry;
    std::string text;
    std::string index;
    std::string rows;
    unsigned statusColumn = 0;
    SimRowControl control = SimRowControl::None;
    std::string origin;
};

std::string simOidText(const char *oid)
{
    static constexpr char root[] = "EnterpriseBase";
    if (std::strncmp(oid, root, sizeof root - 1) == 0)
        return "E" + std::string(oid + sizeof root - 1);
    return oid;
}

bool valueSyntax(quint32 syntax)
{
    return syntax != QxSyntax::null && syntax < QxSyntax::bool8;
}

std::uint8_t tagOf(quint32 syntax, bool writable)
{
    using namespace QxSyntax;
    switch (syntax) {
    case objectid: return SimValue::ObjectId;
    case ipaddress: case nsapaddr: return SimValue::IpAddress;
    // The module writes these as Gauge32, so a writable counter must take one.
    case counter: return writable ? SimValue::Gauge32 : SimValue::Counter32;
    case guage: case uinteger: return SimValue::Gauge32;
    case timeticks: return SimValue::TimeTicks;
    case counter64: return SimValue::Counter64;
    case opaque: return SimValue::Opaque;
    case bitstr: case octetstr: case double_: case macaddress: case datetime: case bcdatetime: case displaystr:
    case ipv6address:
        return SimValue::OctetString;
    default: return SimValue::Integer;
    }
}

SimAccess accessOf(quint32 access)
{
    if (access & QxAccess::notaccess)
        return SimAccess::NotAccessible;
    if (access & QxAccess::writeonly)
        return SimAccess::ReadWrite;
    return SimAccess::ReadOnly;
}

// The lower bound of an integer input format ("%i{n37x370l3}"), or 0.
long formatMinimum(const RowFormat *formats, int row)
{
    for (const RowFormat *f = formats; f && f->row >= 0; ++f) {
        if (f->row != row || !f->format || std::strncmp(f->format, "%i{n", 4) != 0)
            continue;
        char *end = nullptr;
        long minimum = std::strtol(f->format + 4, &end, 10);
        return end != f->format + 4 && *end == 'x' ? minimum : 0;
    }
    return 0;
}

// A value the switch could plausibly hold before anyone configured it.
std::string factoryValue(const QxSNMPVarItem &item, std::uint8_t tag, long minimum)
{
    using namespace QxSyntax;
    if (item.optionList && item.optionList->count() > 0) {
        const QxOptionList::Item &first = item.optionList->item(0);
        if (item.optionList->valueType() == QxOptionList::IntegerValues) {
            if (SimValue::isNumeric(static_cast<SimValue::Tag>(tag)) && first.number >= 0)
                return std::to_string(first.number);
        } else if (tag == SimValue::OctetString) {
            return first.value.toStdString();
        }
    }
    switch (item.syntax) {
    case datetime: return "0x07EA0C0908000000"; // 2026-12-09 08:00:00.0
    case double_: case bcdatetime: return "0x0000000000000000";
    case macaddress: return "0x000000000000";
    case ipv6address: return "0x00000000000000000000000000000000";
    default: break;
    }
    switch (tag) {
    case SimValue::ObjectId: return "0.0";
    case SimValue::IpAddress: return "0.0.0.0";
    case SimValue::OctetString: case SimValue::Opaque: return "";
    case SimValue::Integer: return std::to_string(std::max(0L, minimum));
    default: return "0";
    }
}

char indexKind(const QxSNMPVarItem &key)
{
    using namespace QxSyntax;
    const bool implied = key.access & QxAccess::implied;
    switch (key.syntax) {
    case ipaddress: case nsapaddr: return 'a';
    case macaddress: return 'm';
    case ipv6address: return '6';
    case objectid: return implied ? 'O' : 'o';
    case bitstr: case octetstr: case displaystr: case opaque: case datetime: case bcdatetime: case double_:
        return implied ? 'S' : 's';
    default: return 'i';
    }
}

bool portLike(const char *caption)
{
    std::string text(caption ? caption : "");
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text.find("port") != std::string::npos || text.find("ifindex") != std::string::npos
           || text.find("if index") != std::string::npos || text.rfind("unit", 0) == 0
           || text.find("interface") != std::string::npos;
}

// The instance arcs of one plausible value of a key.
std::string sampleArcs(char kind, bool first, bool port)
{
    switch (kind) {
    case 'i': return !first ? "1" : port ? "1..28" : "1..4";
    case 'a': return "10.90.90.1";
    case 'm': return "0.1.2.3.4.5";
    case '6': return "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1";
    case 's': return "7.100.101.102.97.117.108.116"; // "default"
    case 'S': return "100.101.102.97.117.108.116";
    case 'o': return "4.1.3.6.1";
    default: return "1.3.6.1";
    }
}

class CatalogueReader
{
public:
    std::map<SimOid, WantedObject> objects;
    std::vector<SimOid> objectOrder;
    std::map<SimOid, WantedTable> tables;
    std::vector<SimOid> tableOrder;
    std::vector<std::string> notes;

    void read()
    {
        for (const CommandGroup *group : CommandCatalogue::groups()) {
            std::vector<std::string> path{group->topMenu};
            for (const CommandRecord *r = group->records; r->caption; ++r) {
                path.resize(std::min<std::size_t>(std::size_t(r->depth) + 1, path.size()));
                if (r->shape == CommandShape::Menu)
                    path.push_back(r->caption);
                if ((r->shape == CommandShape::Editor || r->shape == CommandShape::Table) && r->items) {
                    std::string origin;
                    for (const std::string &p : path)
                        origin += p + " > ";
                    record(*r, origin + r->caption);
                }
            }
        }
    }

private:
    void want(WantedObject object)
    {
        auto [it, fresh] = objects.emplace(object.oid, object);
        if (fresh)
            objectOrder.push_back(object.oid);
        else if (it->second.tag != object.tag)
            notes.push_back("kept the first type of " + object.text + " (" + it->second.origin + "), not that of "
                            + object.origin);
    }

    WantedObject wanted(const QxSNMPVarItem &item, const CommandRecord &r, int row, const std::string &origin)
    {
        WantedObject object;
        object.text = simOidText(item.oid);
        object.oid = SimOid::of(object.text);
        object.access = accessOf(item.access);
        object.tag = tagOf(item.syntax, object.access == SimAccess::ReadWrite);
        object.init = factoryValue(item, object.tag, formatMinimum(r.formats, row));
        object.origin = origin;
        return object;
    }

    void record(const CommandRecord &r, const std::string &origin)
    {
        if (r.kind == SVT_SV) {
            for (int i = 0; r.items[i].oid; ++i) {
                const QxSNMPVarItem &item = r.items[i];
                if (*item.oid && valueSyntax(item.syntax) && !(item.access & QxAccess::notaccess))
                    want(wanted(item, r, i, origin));
            }
            return;
        }
        const int keyCount = std::max(0, r.keyCount);
        std::map<SimOid, std::vector<int>> entries; // entry -> descriptor rows
        for (int i = keyCount; r.items[i].oid; ++i)
            if (*r.items[i].oid && valueSyntax(r.items[i].syntax)) {
                SimOid oid = SimOid::of(simOidText(r.items[i].oid));
                entries[SimOid(oid.arcs().data(), oid.size() - 1)].push_back(i);
            }
        const SimOid *statusOid = nullptr;
        SimOid status;
        if (r.rowStatusColumn >= keyCount && r.items[r.rowStatusColumn].oid) {
            status = SimOid::of(simOidText(r.items[r.rowStatusColumn].oid));
            statusOid = &status;
        }
        for (const auto &[entry, rows] : entries) {
            WantedTable table;
            table.entry = entry;
            table.text = simOidText(r.items[rows.front()].oid);
            table.text.erase(table.text.rfind('.'));
            table.origin = origin;
            std::string sample;
            for (int k = 0; k < keyCount; ++k) {
                const QxSNMPVarItem &key = r.items[k];
                unsigned column = 0;
                if (*key.oid) {
                    SimOid keyOid = SimOid::of(simOidText(key.oid));
                    if (SimOid(keyOid.arcs().data(), keyOid.size() - 1) == entry) {
                        column = keyOid.arcs().back();
                        WantedObject object = wanted(key, r, k, origin);
                        object.column = true;
                        if (object.access == SimAccess::ReadWrite)
                            object.access = SimAccess::ReadOnly;
                        want(object);
                    }
                }
                const char kind = indexKind(key);
                // Appended piece by piece: GCC 12 at -O3 warns falsely (restrict) on
                // a chain of std::string operator+ that starts with a literal.
                if (k)
                    table.index += ' ';
                table.index.append(std::to_string(column)).append(1, ':').append(1, kind);
                if (k)
                    sample += '.';
                sample += sampleArcs(kind, k == 0, k == 0 && portLike(key.caption));
            }
            if (keyCount == 0) {
                notes.push_back("left the table " + table.text + " of " + origin + " as it is: the catalogue names no key");
                continue;
            }
            if (statusOid && statusOid->size() == entry.size() + 1 && statusOid->startsWith(entry)) {
                table.statusColumn = statusOid->arcs().back();
                table.control = SimRowControl::RowStatus;
            } else {
                table.rows = sample;
            }
            for (int i : rows) {
                WantedObject object = wanted(r.items[i], r, i, origin);
                object.column = true;
                if (table.control == SimRowControl::RowStatus && object.oid == *statusOid)
                    object.init = "1"; // active
                want(object);
            }
            if (tables.emplace(entry, table).second)
                tableOrder.push_back(entry);
        }
    }
};

// ---- laying it over the simulator's parts ---------------------------------

int valueClass(std::uint8_t tag)
{
    if (SimValue::isNumeric(static_cast<SimValue::Tag>(tag)))
        return 0;
    if (tag == SimValue::ObjectId)
        return 2;
    if (tag == SimValue::Null)
        return 3;
    return 1;
}

// A different type matters when the module writes the object (the agent
// refuses a value of another type) or cannot show what it reads.
bool conflicts(const SimObjectDef &def, const WantedObject &want)
{
    if (def.tag == want.tag)
        return false;
    return want.access == SimAccess::ReadWrite || valueClass(def.tag) != valueClass(want.tag);
}

bool parses(std::uint8_t tag, const char *init)
{
    if (!init)
        return true;
    std::string text;
    for (const char *p = init; *p; ++p) {
        if (*p == '{') {
            while (*p && *p != '}')
                ++p;
            text += '1';
            if (!*p)
                break;
            continue;
        }
        text += *p;
    }
    std::string tagText = std::to_string(tag);
    if (text.rfind("0x", 0) == 0 && tag != SimValue::Integer && valueClass(tag) == 1) {
        text.erase(0, 2);
        tagText += 'x';
    }
    SimValue value;
    return SimValue::fromRecord(tagText, text, &value).empty();
}

struct Overlay
{
    std::deque<std::string> strings;
    std::deque<std::vector<SimObjectDef>> objectArrays;
    std::deque<std::vector<SimTableDef>> tableArrays;
    std::deque<SimMibPart> parts;
    std::vector<const SimMibPart *> result;
    std::vector<std::string> notes;

    const char *keep(std::string text)
    {
        strings.push_back(std::move(text));
        return strings.back().c_str();
    }

    void build(const std::vector<const SimMibPart *> &input);
    std::string retypedFactory(const char *factory, const std::map<SimOid, SimObjectDef> &patched,
                               const std::string &partName);
};

std::string Overlay::retypedFactory(const char *factory, const std::map<SimOid, SimObjectDef> &patched,
                                    const std::string &partName)
{
    std::string out;
    std::string_view text(factory);
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        std::size_t bar1 = line.find('|');
        std::size_t bar2 = bar1 == std::string::npos ? bar1 : line.find('|', bar1 + 1);
        SimOid oid;
        if (bar2 == std::string::npos || !SimOid::parse(line.substr(0, bar1), &oid)) {
            out += line + "\n";
            continue;
        }
        const SimObjectDef *def = nullptr;
        for (const auto &[object, patch] : patched)
            if (oid.size() > object.size() && oid.startsWith(object))
                def = &patch;
        if (!def) {
            out += line + "\n";
            continue;
        }
        std::string tagText = line.substr(bar1 + 1, bar2 - bar1 - 1);
        const bool hex = !tagText.empty() && (tagText.back() == 'x' || tagText.back() == 'X');
        std::string newTag = std::to_string(def->tag) + (hex ? "x" : "");
        SimValue value;
        if (SimValue::fromRecord(newTag, line.substr(bar2 + 1), &value).empty()) {
            out += line.substr(0, bar1) + "|" + newTag + "|" + line.substr(bar2 + 1) + "\n";
        } else {
            notes.push_back("dropped the factory instance " + oid.toString() + " of " + partName
                            + ": its value does not fit the catalogue's type");
        }
    }
    return out;
}

void Overlay::build(const std::vector<const SimMibPart *> &input)
{
    CatalogueReader reader;
    reader.read();
    notes = reader.notes;

    // What the simulator defines already.
    struct Place
    {
        std::size_t part;
        std::size_t index;
    };
    std::map<SimOid, Place> defined;
    std::map<SimOid, Place> definedTables;
    for (std::size_t p = 0; p < input.size(); ++p) {
        for (std::size_t i = 0; i < input[p]->objectCount; ++i)
            defined.emplace(SimOid::of(input[p]->objects[i].oid), Place{p, i});
        for (std::size_t t = 0; t < input[p]->tableCount; ++t)
            definedTables.emplace(SimOid::of(input[p]->tables[t].entry), Place{p, t});
    }
    std::set<SimOid> occupied;
    for (const auto &[oid, place] : defined)
        occupied.insert(oid);
    auto nests = [&](const SimOid &oid) {
        auto it = occupied.upper_bound(oid);
        if (it != occupied.end() && it->startsWith(oid))
            return true; // something lies inside
        if (it != occupied.begin() && oid.startsWith(*std::prev(it)))
            return true; // it lies inside something
        return false;
    };

    std::vector<std::map<SimOid, SimObjectDef>> patched(input.size());
    std::vector<std::map<std::size_t, SimTableDef>> patchedTables(input.size());
    std::vector<SimObjectDef> added;
    std::set<SimOid> addedEntries;
    for (const SimOid &oid : reader.objectOrder) {
        const WantedObject &want = reader.objects.at(oid);
        if (auto it = defined.find(oid); it != defined.end()) {
            const SimObjectDef &def = input[it->second.part]->objects[it->second.index];
            // The module writes what its descriptor calls writable (Add sends every ticked column).
            const bool opens = want.access == SimAccess::ReadWrite && def.access == SimAccess::ReadOnly;
            if (!conflicts(def, want) && !opens)
                continue;
            SimObjectDef patch = def;
            if (opens) {
                patch.access = SimAccess::ReadWrite;
                notes.push_back("made " + want.text + " writable for " + want.origin);
            }
            if (conflicts(def, want)) {
                patch.tag = want.tag;
                patch.range = nullptr;
                patch.growth = SimValue::isNumeric(static_cast<SimValue::Tag>(want.tag)) ? def.growth : 0;
                if (!parses(want.tag, def.init))
                    patch.init = keep(want.init);
                notes.push_back("retyped " + want.text + " from " + std::to_string(def.tag) + " to "
                                + std::to_string(want.tag) + " for " + want.origin);
            }
            patched[it->second.part][oid] = patch;
            continue;
        }
        if (nests(oid)) {
            notes.push_back("skipped " + want.text + " of " + want.origin + ": it nests with another object");
            continue;
        }
        occupied.insert(oid);
        added.push_back({keep(want.text), want.tag, want.access, keep(want.init),
                         nullptr, 0});
        if (want.column)
            addedEntries.insert(SimOid(oid.arcs().data(), oid.size() - 1));
        notes.push_back("added " + want.text + " for " + want.origin);
    }

    std::vector<SimTableDef> addedTables;
    for (const SimOid &entry : reader.tableOrder) {
        const WantedTable &want = reader.tables.at(entry);
        if (auto it = definedTables.find(entry); it != definedTables.end()) {
            const SimTableDef &def = input[it->second.part]->tables[it->second.index];
            if (want.control == SimRowControl::RowStatus && def.control == SimRowControl::None) {
                SimTableDef patch = def;
                patch.statusColumn = want.statusColumn;
                patch.control = want.control;
                patchedTables[it->second.part][it->second.index] = patch;
                notes.push_back("gave the table " + want.text + " its RowStatus column for " + want.origin);
            }
            if (std::string(def.index ? def.index : "") != want.index)
                notes.push_back("kept the index \"" + std::string(def.index ? def.index : "") + "\" of " + want.text
                                + " (the catalogue's keys give \"" + want.index + "\")");
            continue;
        }
        if (!addedEntries.count(entry))
            continue;
        addedTables.push_back({keep(want.text), keep(want.index), keep(want.rows), want.statusColumn, want.control});
        notes.push_back("added the table " + want.text + " \"" + want.index + "\" rows \"" + want.rows + "\" for "
                        + want.origin);
    }

    for (std::size_t p = 0; p < input.size(); ++p) {
        if (patched[p].empty() && patchedTables[p].empty()) {
            result.push_back(input[p]);
            continue;
        }
        const SimMibPart &source = *input[p];
        std::vector<SimObjectDef> objects(source.objects, source.objects + source.objectCount);
        for (SimObjectDef &def : objects)
            if (auto it = patched[p].find(SimOid::of(def.oid)); it != patched[p].end())
                def = it->second;
        std::vector<SimTableDef> tables(source.tables, source.tables + source.tableCount);
        for (const auto &[index, def] : patchedTables[p])
            tables[index] = def;
        objectArrays.push_back(std::move(objects));
        tableArrays.push_back(std::move(tables));
        const char *factory = source.factory ? keep(retypedFactory(source.factory, patched[p], source.name)) : nullptr;
        parts.push_back({source.name, objectArrays.back().data(), objectArrays.back().size(),
                         tableArrays.back().data(), tableArrays.back().size(), factory});
        result.push_back(&parts.back());
    }
    objectArrays.push_back(std::move(added));
    tableArrays.push_back(std::move(addedTables));
    parts.push_back({"catalogue", objectArrays.back().data(), objectArrays.back().size(), tableArrays.back().data(),
                     tableArrays.back().size(), nullptr});
    result.push_back(&parts.back());
}

const Overlay &overlayFor(const std::vector<const SimMibPart *> &parts)
{
    static std::map<std::vector<const SimMibPart *>, std::unique_ptr<Overlay>> overlays;
    auto &slot = overlays[parts];
    if (!slot) {
        slot = std::make_unique<Overlay>();
        slot->build(parts);
    }
    return *slot;
}

} // namespace

std::vector<const SimMibPart *> SimCatalogue::complete(const std::vector<const SimMibPart *> &parts)
{
    return overlayFor(parts).result;
}

std::vector<std::string> SimCatalogue::notes(const std::vector<const SimMibPart *> &parts)
{
    return overlayFor(parts).notes;
}
