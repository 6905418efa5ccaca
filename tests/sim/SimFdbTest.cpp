// A forwarding database of 100000 learnt entries, walked to its end.
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"

#include <gtest/gtest.h>

TEST(SimFdb, HundredThousandEntriesWalkToTheEnd)
{
    SimulatorProcess sim({QStringLiteral("--fdb-entries"), QStringLiteral("100000")});
    ASSERT_TRUE(sim.running()) << sim.output().toStdString();
    CliResult walk = runSnmp(QStringLiteral("snmpbulkwalk"),
                             {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"), QStringLiteral("-Cr50"),
                              QStringLiteral("-On"), sim.target(), QStringLiteral("1.3.6.1.2.1.17.7.1.2.2")},
                             120000);
    ASSERT_EQ(walk.exitCode, 0) << walk.err.toStdString();
    const QStringList lines = walk.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Port and status of every entry, in order.
    ASSERT_EQ(lines.size(), 200000);
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral(".1.3.6.1.2.1.17.7.1.2.2.1.2.1.2.80.86.0.0.0 = INTEGER: ")));
    // Entry 99999 is 02:50:56:01:86:9F.
    EXPECT_EQ(lines.last(), QStringLiteral(".1.3.6.1.2.1.17.7.1.2.2.1.3.1.2.80.86.1.134.159 = INTEGER: 3"));
    EXPECT_EQ(getValue(sim.target(), QStringLiteral("1.3.6.1.2.1.17.7.1.2.1.1.2.1")), QStringLiteral("100000"));
    // "FDB Clear All State" empties it.
    CliResult clear = runSnmp(QStringLiteral("snmpset"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("kdrwopl"),
                                                          sim.target(), QStringLiteral("1.3.6.1.4.1.32473.12.1.2.11.1.0"),
                                                          QStringLiteral("i"), QStringLiteral("2")});
    ASSERT_EQ(clear.exitCode, 0) << clear.err.toStdString();
    CliResult after = runSnmp(QStringLiteral("snmpgetnext"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                                              QStringLiteral("-On"), sim.target(), QStringLiteral("1.3.6.1.2.1.17.7.1.2.2")});
    EXPECT_FALSE(after.out.startsWith(QStringLiteral(".1.3.6.1.2.1.17.7.1.2.2."))) << after.out.toStdString();
}
