// The command catalogue laid over the simulator's definitions: every object a
// generic command reads is defined, with a type the module can read and write.
#include "sim/SimCatalogue.h"
#include "sim/SimMib.h"
#include "sim/SimObjectStore.h"
#include "sim/SimSetTransaction.h"
#include "tables/CommandCatalogue.h"

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
}
