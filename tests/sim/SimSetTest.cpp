// SET semantics of the simulator: rows with RowStatus and with the static
// filters' status, and all-or-nothing multi-binding SETs.
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"

#include <gtest/gtest.h>

namespace {

const QString vlanStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");
const QString vlanCurrent = QStringLiteral("1.3.6.1.2.1.17.7.1.4.2.1");
const QString unicastFilter = QStringLiteral("1.3.6.1.2.1.17.7.1.3.1.1");
const QString multicastFilter = QStringLiteral("1.3.6.1.2.1.17.7.1.3.2.1");

class SimSet : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_sim = new SimulatorProcess(); }
    static void TearDownTestSuite()
    {
        delete s_sim;
        s_sim = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_sim->running()) << s_sim->output().toStdString(); }

    static CliResult set(const QStringList &bindings, const QString &version = QStringLiteral("-v2c"))
    {
        return runSnmp(QStringLiteral("snmpset"), QStringList{version, QStringLiteral("-c"), QStringLiteral("kdrwopl"),
                                                              s_sim->target()} + bindings);
    }
    static QString walk(const QString &oid)
    {
        return runSnmp(QStringLiteral("snmpwalk"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                                    QStringLiteral("-On"), s_sim->target(), oid}).out;
    }
    static QString value(const QString &oid) { return getValue(s_sim->target(), oid); }

    static SimulatorProcess *s_sim;
};

SimulatorProcess *SimSet::s_sim = nullptr;

} // namespace

TEST_F(SimSet, CreateAndGoMakesTheRowAndDestroyRemovesIt)
{
    CliResult create = set({vlanStatic + ".1.10", "s", "lab", vlanStatic + ".2.10", "x", "F000000000000000",
                            vlanStatic + ".5.10", "i", "4"});
    ASSERT_EQ(create.exitCode, 0) << create.err.toStdString();
    EXPECT_EQ(value(vlanStatic + ".1.10"), QStringLiteral("\"lab\""));
    EXPECT_EQ(value(vlanStatic + ".5.10"), QStringLiteral("1")); // active
    // Columns not written take their defaults; the current table follows.
    EXPECT_EQ(getOctets(s_sim->target(), vlanStatic + ".4.10"), QByteArray(8, 0));
    EXPECT_TRUE(walk(vlanCurrent).contains(QStringLiteral(".1.3.6.1.2.1.17.7.1.4.2.1.3.0.10 = Gauge32: 10")));
    EXPECT_EQ(value(QStringLiteral("1.3.6.1.2.1.17.7.1.1.4.0")), QStringLiteral("2"));

    CliResult again = set({vlanStatic + ".5.10", "i", "4"});
    EXPECT_TRUE(again.err.contains(QStringLiteral("inconsistentValue"))) << again.err.toStdString();

    CliResult destroy = set({vlanStatic + ".5.10", "i", "6"});
    ASSERT_EQ(destroy.exitCode, 0) << destroy.err.toStdString();
    EXPECT_FALSE(walk(vlanStatic).contains(QStringLiteral(".10 =")));
    EXPECT_FALSE(walk(vlanCurrent).contains(QStringLiteral(".0.10 =")));
    EXPECT_EQ(value(QStringLiteral("1.3.6.1.2.1.17.7.1.1.4.0")), QStringLiteral("1"));
}

TEST_F(SimSet, WritingAMissingRowWithoutCreateAndGoIsRefused)
{
    CliResult r = set({vlanStatic + ".1.11", "s", "nope"});
    EXPECT_TRUE(r.err.contains(QStringLiteral("noCreation"))) << r.err.toStdString();
    CliResult v1 = set({vlanStatic + ".1.11", "s", "nope"}, QStringLiteral("-v1"));
    EXPECT_TRUE(v1.err.contains(QStringLiteral("noSuchName"))) << v1.err.toStdString();
    // createAndWait is not offered; notReady can never be written.
    EXPECT_TRUE(set({vlanStatic + ".5.12", "i", "5"}).err.contains(QStringLiteral("wrongValue")));
    EXPECT_TRUE(set({vlanStatic + ".5.12", "i", "3"}).err.contains(QStringLiteral("wrongValue")));
    // Tables with fixed rows create nothing.
    EXPECT_TRUE(set({QStringLiteral("1.3.6.1.2.1.2.2.1.7.40"), "i", "2"}).err.contains(QStringLiteral("noCreation")));
    EXPECT_FALSE(walk(vlanStatic).contains(QStringLiteral(".11 =")));
}

TEST_F(SimSet, OneBadBindingChangesNothing)
{
    const QString sysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
    const QString sysContact = QStringLiteral("1.3.6.1.2.1.1.4.0");
    const QString before = value(sysName);
    CliResult r = set({sysName, "s", "changed", sysContact, "s", "someone",
                       QStringLiteral("1.3.6.1.2.1.2.2.1.7.3"), "i", "9"});
    EXPECT_TRUE(r.err.contains(QStringLiteral("wrongValue"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("2.2.1.7.3"))) << r.err.toStdString();
    EXPECT_EQ(value(sysName), before);
    EXPECT_EQ(value(sysContact), QStringLiteral("\"\""));

    // A row creation in the same SET is taken back as well.
    CliResult withRow = set({vlanStatic + ".1.20", "s", "v20", vlanStatic + ".5.20", "i", "4",
                             sysName, "i", "1"});
    EXPECT_TRUE(withRow.err.contains(QStringLiteral("wrongType"))) << withRow.err.toStdString();
    EXPECT_FALSE(walk(vlanStatic).contains(QStringLiteral(".20 =")));

    // Every binding good: all take effect.
    ASSERT_EQ(set({sysName, "s", "changed", sysContact, "s", "someone"}).exitCode, 0);
    EXPECT_EQ(value(sysName), QStringLiteral("\"changed\""));
    EXPECT_EQ(value(sysContact), QStringLiteral("\"someone\""));
}

TEST_F(SimSet, StaticFiltersUsePermanentAndInvalid)
{
    // Index: FDB 1, MAC 00:11:22:33:44:55, receive port 0.
    const QString row = QStringLiteral(".1.0.17.34.51.68.85.0");
    CliResult create = set({unicastFilter + ".3" + row, "x", "8000000000000000", unicastFilter + ".4" + row, "i", "3"});
    ASSERT_EQ(create.exitCode, 0) << create.err.toStdString();
    EXPECT_EQ(value(unicastFilter + ".4" + row), QStringLiteral("3"));
    EXPECT_TRUE(set({unicastFilter + ".4" + row, "i", "1"}).err.contains(QStringLiteral("wrongValue")));
    ASSERT_EQ(set({unicastFilter + ".4" + row, "i", "2"}).exitCode, 0);
    EXPECT_FALSE(walk(unicastFilter).contains(row + " ="));

    // Without a status in the same SET a new filter is refused.
    EXPECT_TRUE(set({multicastFilter + ".3.1.1.0.94.0.0.1.0", "x", "C000000000000000"})
                    .err.contains(QStringLiteral("noCreation")));
    ASSERT_EQ(set({multicastFilter + ".3.1.1.0.94.0.0.1.0", "x", "C000000000000000",
                   multicastFilter + ".5.1.1.0.94.0.0.1.0", "i", "3"}).exitCode, 0);
    EXPECT_TRUE(walk(multicastFilter).contains(QStringLiteral(".1.3.6.1.2.1.17.7.1.3.2.1.4.1.1.0.94.0.0.1.0 = Hex-STRING: 00")));
}

TEST_F(SimSet, MembershipRowsUseAddAndDelete)
{
    // Server group "radius" (6 characters), server 10.1.1.9, protocol radius (4).
    const QString row = QStringLiteral("1.3.6.1.4.1.32473.12.5.12.1.4.6.114.97.100.105.117.115.10.1.1.9.4");
    ASSERT_EQ(set({row, "i", "1"}).exitCode, 0);
    EXPECT_EQ(value(row), QStringLiteral("1"));
    ASSERT_EQ(set({row, "i", "2"}).exitCode, 0);
    EXPECT_TRUE(value(row).contains(QStringLiteral("No Such Instance")));
    EXPECT_TRUE(set({row, "i", "3"}).err.contains(QStringLiteral("wrongValue")));
}
