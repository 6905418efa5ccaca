// The VLAN current table beside the static one: creation times of the VLANs
// and the deletion counter.
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"

#include <gtest/gtest.h>

namespace {

const QString vlanStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");
const QString vlanCurrent = QStringLiteral("1.3.6.1.2.1.17.7.1.4.2.1");
const QString numDeletes = QStringLiteral("1.3.6.1.2.1.17.7.1.4.1.0");

CliResult set(const SimulatorProcess &sim, const QStringList &bindings)
{
    return runSnmp(QStringLiteral("snmpset"),
                   QStringList{QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("kdrwopl"), sim.target()}
                       + bindings);
}

// Time ticks as a number (-Oqv -Ot prints them raw).
qint64 ticks(const SimulatorProcess &sim, const QString &oid)
{
    return runSnmp(QStringLiteral("snmpget"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                               QStringLiteral("-Oqvt"), sim.target(), oid})
        .out.trimmed()
        .toLongLong();
}

} // namespace

TEST(SimVlanCurrent, DeletedVlansAreCountedAndKeptVlansKeepTheirCreationTime)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running()) << sim.output().toStdString();
    EXPECT_EQ(getValue(sim.target(), numDeletes), QStringLiteral("0"));
    EXPECT_EQ(ticks(sim, vlanCurrent + ".7.0.1"), 0);

    ASSERT_EQ(set(sim, {vlanStatic + ".5.20", "i", "4"}).exitCode, 0);
    ASSERT_EQ(set(sim, {vlanStatic + ".5.21", "i", "4"}).exitCode, 0);
    const qint64 created = ticks(sim, vlanCurrent + ".7.0.20");
    EXPECT_GT(created, 0);
    // Changing a VLAN rebuilds the current table but keeps its creation time.
    ASSERT_EQ(set(sim, {vlanStatic + ".1.20", "s", "renamed"}).exitCode, 0);
    EXPECT_EQ(ticks(sim, vlanCurrent + ".7.0.20"), created);
    EXPECT_EQ(getValue(sim.target(), numDeletes), QStringLiteral("0"));

    ASSERT_EQ(set(sim, {vlanStatic + ".5.20", "i", "6"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), numDeletes), QStringLiteral("1"));
    ASSERT_EQ(set(sim, {vlanStatic + ".5.21", "i", "6"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), numDeletes), QStringLiteral("2"));
    // Destroying a VLAN that does not exist deletes nothing.
    set(sim, {vlanStatic + ".5.22", "i", "6"});
    EXPECT_EQ(getValue(sim.target(), numDeletes), QStringLiteral("2"));
}
