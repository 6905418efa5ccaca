// The command catalogue laid over the simulator's definitions: every object a
// generic command reads is defined, with a type the module can read and write.
#include "sim/SimCatalogue.h"
#include "sim/SimMib.h"
#include "sim/SimObjectStore.h"
#include "sim/SimSetTransaction.h"
#include "tables/CommandCatalogue.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include <gtest/gtest.h>

namespace {

std::string simOid(const char *oid)
{
    static constexpr char root[] = "EnterpriseBase";
    return std::strncmp(oid, root, sizeof root - 1) == 0 ? "E" + std::string(oid + sizeof root - 1) : oid;
}

template<typename Visit>
void forEachGenericRecord(Visit visit)
{
    for (const CommandGroup *group : CommandCatalogue::groups())
        for (const CommandRecord *r = group->records; r->caption; ++r)
            if ((r->shape == CommandShape::Editor || r->shape == CommandShape::Table) && r->items)
                visit(*r);
}

} // namespace

TEST(SimCatalogue, EveryCatalogueObjectIsDefinedAndServed)
{
    if (std::getenv("NX_SIM_CATALOGUE_NOTES"))
        for (const std::string &note : SimCatalogue::notes(SimMib::allParts()))
            std::cout << note << "\n";
    SimObjectStore store(SimMib::allParts());
    store.loadFactory();
    forEachGenericRecord([&](const CommandRecord &r) {
        for (int i = r.kind == SVT_SV ? 0 : r.keyCount; r.items[i].oid; ++i) {
            const QxSNMPVarItem &item = r.items[i];
            if (!*item.oid || item.syntax == QxSyntax::null || (item.access & QxAccess::notaccess))
                continue;
            SCOPED_TRACE(std::string(r.caption) + ": " + item.caption);
            const SimOid oid = SimOid::of(simOid(item.oid));
            const SimObjectInfo *info = store.objectFor(oid.child(0));
            ASSERT_NE(info, nullptr) << oid.toString();
            EXPECT_EQ(info->oid, oid);
            EXPECT_NE(info->def->access, SimAccess::NotAccessible);
            if (item.access & QxAccess::writeonly)
                EXPECT_EQ(info->def->access, SimAccess::ReadWrite) << oid.toString();
            if (r.kind == SVT_SV)
                EXPECT_EQ(info->table, nullptr) << oid.toString();
            else
                EXPECT_NE(info->table, nullptr) << oid.toString();
        }
    });
}

TEST(SimCatalogue, TablesWithARowStatusColumnAcceptCreateAndGo)
{
    SimObjectStore store(SimMib::allParts());
    forEachGenericRecord([&](const CommandRecord &r) {
        if (r.rowStatusColumn < 0 || r.kind == SVT_SV)
            return;
        SCOPED_TRACE(r.caption);
        const SimOid status = SimOid::of(simOid(r.items[r.rowStatusColumn].oid));
        const SimObjectInfo *info = store.objectFor(status.child(1));
        ASSERT_NE(info, nullptr);
        ASSERT_NE(info->table, nullptr);
        EXPECT_EQ(info->table->def().statusColumn, status.arcs().back());
        EXPECT_EQ(info->table->def().control, SimRowControl::RowStatus);
    });
}

namespace {

// A part as the simulator once had it: the time source typed as a string with a
// factory line of that type, and the AAC server group table without its RowStatus
// and most of its columns.
const SimObjectDef kStaleObjects[] = {
    {"E.12.10.1", SimValue::OctetString, SimAccess::ReadOnly, "2008/12/12 08:00:00", nullptr, 0},
    {"E.12.5.9.1.2", SimValue::IpAddress, SimAccess::ReadWrite, "10.1.1.1", nullptr, 0},
    {"E.12.5.9.1.3", SimValue::Integer, SimAccess::ReadOnly, "4", "1..4", 0},
};
const SimTableDef kStaleTables[] = {
    {"E.12.5.9.1", "1:S", "", 0, SimRowControl::None},
};
const SimMibPart kStale{"stale", kStaleObjects, std::size(kStaleObjects), kStaleTables, std::size(kStaleTables),
                        "E.12.10.1.0|4|2008/12/12 08:00:00\n"};

// The instance of a row of `table` with one plausible value per index part.
SimOid sampleRow(const SimTable &table)
{
    std::vector<SimOid::Arc> arcs;
    for (const SimTable::IndexPart &part : table.index()) {
        switch (part.kind) {
        case 'i': arcs.push_back(7); break;
        case 'a': arcs.insert(arcs.end(), {10, 9, 9, 9}); break;
        case 'm': arcs.insert(arcs.end(), {0, 17, 34, 51, 68, 85}); break;
        case '6': arcs.insert(arcs.end(), 16, 1); break;
        case 's': arcs.insert(arcs.end(), {2, 110, 120}); break;
        case 'S': arcs.insert(arcs.end(), {110, 120}); break;
        case 'o': arcs.insert(arcs.end(), {3, 1, 3, 6}); break;
        default: arcs.insert(arcs.end(), {1, 3, 6}); break;
        }
    }
    return SimOid(std::move(arcs));
}

int setStatus(SimObjectStore &store, const SimTable &table, const SimOid &row, int status)
{
    SimSetTransaction t(store);
    const SimOid oid = table.entry().child(table.def().statusColumn).concat(row);
    if (int error = t.add(oid, SimValue::integer(status)))
        return error;
    if (int error = t.check(oid))
        return error;
    t.apply();
    return 0;
}

} // namespace

TEST(SimCatalogue, TheCatalogueTypeWinsAndMissingColumnsAndRowStatusAreAdded)
{
    const std::vector<const SimMibPart *> input{&kStale, &SimMib::control()};
    SimObjectStore store(SimCatalogue::complete(input));
    store.loadFactory();
    // "Current Time Source" is an enumeration in the catalogue.
    const SimCell *source = store.find(SimOid::of("E.12.10.1.0"));
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->value.tag(), SimValue::Integer);
    const std::vector<std::string> notes = SimCatalogue::notes(input);
    auto noted = [&](const std::string &start) {
        return std::any_of(notes.begin(), notes.end(), [&](const std::string &n) { return n.rfind(start, 0) == 0; });
    };
    EXPECT_TRUE(noted("retyped E.12.10.1 from 4 to 2"));
    EXPECT_TRUE(noted("dropped the factory instance"));
    EXPECT_TRUE(noted("gave the table E.12.5.9.1 its RowStatus column"));

    // The group table: 17 columns and a RowStatus column that creates and destroys.
    const SimTable *groups = store.tableAt(SimOid::of("E.12.5.9.1"));
    ASSERT_NE(groups, nullptr);
    EXPECT_EQ(groups->columns().size(), 18u);
    EXPECT_EQ(groups->def().statusColumn, 18u);
    const SimOid row = sampleRow(*groups);
    EXPECT_EQ(setStatus(store, *groups, row, 4), 0);
    ASSERT_TRUE(store.rowExists(*groups, row));
    // Hand-made columns keep their factory values (one is opened for writing, as the
    // module writes it); the derived ones take the option's first value.
    EXPECT_EQ(store.find(groups->entry().child(2).concat(row))->value.bytes(), std::string("\x0A\x01\x01\x01", 4));
    EXPECT_EQ(store.find(groups->entry().child(3).concat(row))->value.asInt(), 4);
    EXPECT_EQ(store.find(groups->entry().child(5).concat(row))->value.asInt(), 1);
    EXPECT_TRUE(noted("made E.12.5.9.1.3 writable"));
    EXPECT_EQ(store.find(groups->entry().child(18).concat(row))->value.asInt(), 1);
    EXPECT_EQ(setStatus(store, *groups, row, 6), 0);
    EXPECT_FALSE(store.rowExists(*groups, row));
}

// Without the vendor's hand-made parts the catalogue alone must bring a store
// that starts, loads its factory state and serves every object it names.
TEST(SimCatalogue, DerivedDefinitionsAloneFormAValidStore)
{
    const std::vector<const SimMibPart *> parts = SimCatalogue::complete({&SimMib::standard(), &SimMib::control()});
    if (std::getenv("NX_SIM_CATALOGUE_NOTES"))
        for (const std::string &note : SimCatalogue::notes({&SimMib::standard(), &SimMib::control()}))
            std::cout << note << "\n";
    std::unique_ptr<SimObjectStore> store;
    ASSERT_NO_THROW(store = std::make_unique<SimObjectStore>(parts));
    ASSERT_NO_THROW(store->loadFactory());

    // Port tables hold a row per port; RowStatus tables start empty and take rows.
    EXPECT_NE(store->find(SimOid::of("1.0.8802.1.1.1.1.1.2.1.2.28")), nullptr);
    EXPECT_EQ(store->find(SimOid::of("1.0.8802.1.1.1.1.1.2.1.2.29")), nullptr);
    int rowStatusTables = 0;
    for (const auto &table : store->tables()) {
        if (table->def().control != SimRowControl::RowStatus)
            continue;
        SCOPED_TRACE(table->entry().toString());
        ++rowStatusTables;
        const SimOid row = sampleRow(*table);
        EXPECT_FALSE(store->rowExists(*table, row));
        EXPECT_EQ(setStatus(*store, *table, row, 4), 0);
        EXPECT_TRUE(store->rowExists(*table, row));
        EXPECT_EQ(setStatus(*store, *table, row, 6), 0);
        EXPECT_FALSE(store->rowExists(*table, row));
    }
    EXPECT_GE(rowStatusTables, 10);
}
