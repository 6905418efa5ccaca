// The object store on its own: state files, definitions, transactions.
#include "sim/SimMib.h"
#include "sim/SimObjectStore.h"
#include "sim/SimSetTransaction.h"

#include <gtest/gtest.h>

namespace {

SimObjectStore factory()
{
    SimObjectStore store(SimMib::allParts());
    store.loadFactory();
    return store;
}

} // namespace

TEST(SimStore, FactoryStateIsCompleteAndItsRecordsReadBack)
{
    SimObjectStore store = factory();
    // 28 ports plus the CPU and VLAN 1's interface; VLAN 1 holds every port; no trunks.
    EXPECT_NE(store.find(SimOid::of("1.3.6.1.2.1.2.2.1.1.29")), nullptr);
    EXPECT_EQ(store.find(SimOid::of("1.3.6.1.2.1.2.2.1.1.30")), nullptr);
    EXPECT_NE(store.find(SimOid::of("1.3.6.1.2.1.2.2.1.1.5121")), nullptr);
    // Neither has every ifXTable column, and a saved state keeps the holes.
    EXPECT_EQ(store.find(SimOid::of("1.3.6.1.2.1.31.1.1.1.6.29")), nullptr);
    EXPECT_NE(store.find(SimOid::of("1.3.6.1.2.1.31.1.1.1.2.29")), nullptr);
    EXPECT_EQ(store.find(SimOid::of("1.3.6.1.2.1.31.1.1.1.2.5121")), nullptr);
    const SimCell *egress = store.find(SimOid::of("1.3.6.1.2.1.17.7.1.4.3.1.2.1"));
    ASSERT_NE(egress, nullptr);
    EXPECT_EQ(egress->value.bytes(), std::string("\xFF\xFF\xFF\xF0\0\0\0\0", 8));
    EXPECT_EQ(store.next(SimOid::of("E.11.63.7.2.4.3"))->first.startsWith(SimOid::of("E.11.63.7.2.4.3")), false);
    // Port control rows: copper for every port, fibre for the combo ports.
    EXPECT_NE(store.find(SimOid::of("E.11.63.7.2.2.2.1.2.26.2")), nullptr);
    EXPECT_EQ(store.find(SimOid::of("E.11.63.7.2.2.2.1.2.27.2")), nullptr);

    SimObjectStore copy(SimMib::allParts());
    EXPECT_TRUE(copy.loadRecords(store.records(), "saved", true).empty());
    EXPECT_EQ(copy.records(), store.records());
    EXPECT_EQ(copy.find(SimOid::of("1.3.6.1.2.1.31.1.1.1.6.29")), nullptr);
}

TEST(SimStore, MalformedStateLinesAreReportedWithTheirLineAndRefused)
{
    SimObjectStore store = factory();
    const std::string before = store.records();
    const std::string text = "# a comment\n"
                             "1.3.6.1.2.1.1.5.0|4|fine\n"
                             "no bars here\n"
                             "1.3.6.1.2.1.1.5.1|4|not an instance\n"
                             "1.3.6.1.2.1.1.7.0|4|wrong type\n"
                             "1.3.6.1.2.1.1.6.0|4x|0g\n"
                             "1.3.x.1|2|1\n"
                             "1.3.6.1.2.1.1.5.0|4|twice\n"
                             "1.3.6.1.4.1.9.9.1.0|99|unknown tag\n";
    std::vector<std::string> errors = store.loadRecords(text, "state.rec", true);
    ASSERT_EQ(errors.size(), 7u);
    EXPECT_EQ(errors[0].rfind("state.rec:3: ", 0), 0u) << errors[0];
    EXPECT_EQ(errors[1].rfind("state.rec:4: ", 0), 0u) << errors[1];
    EXPECT_EQ(errors[2].rfind("state.rec:5: ", 0), 0u) << errors[2];
    EXPECT_EQ(errors[3].rfind("state.rec:6: ", 0), 0u) << errors[3];
    EXPECT_EQ(errors[4].rfind("state.rec:7: ", 0), 0u) << errors[4];
    EXPECT_EQ(errors[5].rfind("state.rec:8: ", 0), 0u) << errors[5];
    EXPECT_EQ(errors[6].rfind("state.rec:9: ", 0), 0u) << errors[6];
    EXPECT_EQ(store.records(), before);
}

TEST(SimStore, ValuesInStateFiles)
{
    SimObjectStore store(SimMib::allParts());
    const std::string text = "1.3.6.1.2.1.1.5.0|4x|41420a7c\n"     // hexadecimal: "AB\n|"
                             "1.3.6.1.2.1.1.7.0|2|-5\n"
                             "1.3.6.1.2.1.2.2.1.10.1|65|4294967295\n"
                             "1.3.6.1.2.1.31.1.1.1.6.1|70|18446744073709551615\n"
                             "1.3.6.1.4.1.32473.11.63.7.2.1.2.2.0|64|192.168.0.1\n"
                             "1.3.6.1.4.1.9.1.0|6|1.3.6.1.4.1.9\n";
    ASSERT_TRUE(store.loadRecords(text, "values", true).empty());
    EXPECT_EQ(store.find(SimOid::of("1.3.6.1.2.1.1.5.0"))->value.bytes(), "AB\n|");
    EXPECT_EQ(store.find(SimOid::of("1.3.6.1.2.1.1.7.0"))->value.asInt(), -5);
    EXPECT_EQ(store.find(SimOid::of("1.3.6.1.2.1.31.1.1.1.6.1"))->value.asUnsigned(), ~0ull);
    // Records write unprintable strings in hexadecimal, everything else as text.
    EXPECT_NE(store.records().find("1.3.6.1.2.1.1.5.0|4x|41420a7c\n"), std::string::npos);
    EXPECT_NE(store.records().find("1.3.6.1.4.1.32473.11.63.7.2.1.2.2.0|64|192.168.0.1\n"), std::string::npos);
    // Counter32 wraps.
    store.find(SimOid::of("1.3.6.1.2.1.2.2.1.10.1"))->value.grow(2);
    EXPECT_EQ(store.find(SimOid::of("1.3.6.1.2.1.2.2.1.10.1"))->value.asUnsigned(), 1u);
}

TEST(SimStore, TransactionUndoRestoresRowsAndValues)
{
    SimObjectStore store = factory();
    const std::string before = store.records();
    SimSetTransaction transaction(store);
    const SimOid name = SimOid::of("1.3.6.1.2.1.17.7.1.4.3.1.1.30");
    const SimOid status = SimOid::of("1.3.6.1.2.1.17.7.1.4.3.1.5.30");
    EXPECT_EQ(transaction.add(name, SimValue::octets(SimValue::OctetString, "thirty")), 0);
    EXPECT_EQ(transaction.add(status, SimValue::integer(4)), 0);
    EXPECT_EQ(transaction.add(SimOid::of("1.3.6.1.2.1.1.5.0"), SimValue::octets(SimValue::OctetString, "x")), 0);
    EXPECT_EQ(transaction.add(SimOid::of("1.3.6.1.2.1.17.7.1.4.3.1.5.1"), SimValue::integer(6)), 0);
    EXPECT_EQ(transaction.check(name), 0);
    EXPECT_EQ(transaction.check(status), 0);
    transaction.apply();
    EXPECT_EQ(store.find(status)->value.asInt(), 1);
    EXPECT_EQ(store.find(SimOid::of("1.3.6.1.2.1.17.7.1.4.3.1.1.1")), nullptr);
    transaction.undo();
    EXPECT_EQ(store.records(), before);
}

TEST(SimStore, ChecksOfSingleBindings)
{
    SimObjectStore store = factory();
    SimSetTransaction t(store);
    EXPECT_EQ(t.add(SimOid::of("1.3.6.1.2.1.1.1.0"), SimValue::octets(SimValue::OctetString, "x")), SimSetTransaction::NotWritable);
    EXPECT_EQ(t.add(SimOid::of("1.3.6.1.2.1.1.5.0"), SimValue::integer(1)), SimSetTransaction::WrongType);
    EXPECT_EQ(t.add(SimOid::of("1.3.6.1.2.1.1.5.0"), SimValue::octets(SimValue::OctetString, std::string(129, 'n'))),
              SimSetTransaction::WrongLength);
    EXPECT_EQ(t.add(SimOid::of("E.12.15.1.10.0"), SimValue::integer(30)), SimSetTransaction::WrongValue);
    EXPECT_EQ(t.add(SimOid::of("E.12.15.1.10.0"), SimValue::integer(0)), 0);
    EXPECT_EQ(t.add(SimOid::of("1.3.6.1.2.1.1.5.1"), SimValue::octets(SimValue::OctetString, "x")), SimSetTransaction::NoCreation);
    EXPECT_EQ(t.add(SimOid::of("1.3.6.1.2.1.17.7.1.2.2.1.1.1.0.1.2.3.4.5"), SimValue::octets(SimValue::OctetString, "x")),
              SimSetTransaction::NoAccess);
    EXPECT_EQ(t.add(SimOid::of("1.3.6.1.2.1.99.0"), SimValue::integer(1)), SimSetTransaction::NotWritable);
    // A MAC index needs six arcs.
    EXPECT_EQ(t.add(SimOid::of("1.3.6.1.2.1.17.7.1.3.1.1.4.1.0.1.2.0"), SimValue::integer(3)), SimSetTransaction::NoCreation);
}

TEST(SimStore, IndexesOutsideTheirColumnsNameNoRow)
{
    SimObjectStore store = factory();
    SimSetTransaction t(store);
    // CPU filter profiles are 1..3, access IDs 0..5.
    EXPECT_EQ(t.add(SimOid::of("E.12.9.5.1.1.9.3.5"), SimValue::integer(4)), 0);
    EXPECT_EQ(t.add(SimOid::of("E.12.9.5.1.1.9.4.5"), SimValue::integer(4)), SimSetTransaction::NoCreation);
    EXPECT_EQ(t.add(SimOid::of("E.12.9.5.1.1.9.3.6"), SimValue::integer(4)), SimSetTransaction::NoCreation);
    // VLAN IDs 1..4094, an index the static VLAN table borrows.
    EXPECT_EQ(t.add(SimOid::of("1.3.6.1.2.1.17.7.1.4.3.1.5.4094"), SimValue::integer(4)), 0);
    EXPECT_EQ(t.add(SimOid::of("1.3.6.1.2.1.17.7.1.4.3.1.5.4095"), SimValue::integer(4)), SimSetTransaction::NoCreation);
    EXPECT_EQ(t.add(SimOid::of("1.3.6.1.2.1.17.7.1.4.3.1.5.0"), SimValue::integer(4)), SimSetTransaction::NoCreation);
}
