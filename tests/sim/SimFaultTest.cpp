// Fault injection: dropped and delayed replies, error statuses for chosen
// objects, GET-NEXT answers that do not advance, silent periods; from the
// command line and over SNMP through the control subtree.
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"

#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString control = QStringLiteral("1.3.6.1.3.2400.1");
const QString sysName = QStringLiteral("1.3.6.1.2.1.1.5.0");

CliResult set(const SimulatorProcess &sim, const QStringList &bindings)
{
    return runSnmp(QStringLiteral("snmpset"), QStringList{QStringLiteral("-v2c"), QStringLiteral("-c"),
                                                          QStringLiteral("kdrwopl"), sim.target()} + bindings);
}

// One GET without retries; true when it was answered.
bool answered(const SimulatorProcess &sim, double timeoutSeconds = 0.3)
{
    return runSnmp(QStringLiteral("snmpget"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                               QStringLiteral("-t"), QString::number(timeoutSeconds),
                                               QStringLiteral("-r"), QStringLiteral("0"), sim.target(), sysName})
               .exitCode == 0;
}

} // namespace

TEST(SimFaults, DropShareIsRoughlyRightAndRepeatable)
{
    // The same seed loses the same requests.
    auto pattern = [] {
        SimulatorProcess sim({QStringLiteral("--seed"), QStringLiteral("7")});
        QString answers;
        if (!sim.running() || set(sim, {control + ".1.0", "i", "50"}).exitCode != 0)
            return answers;
        for (int i = 0; i < 24; ++i)
            answers += answered(sim, 0.2) ? QLatin1Char('1') : QLatin1Char('0');
        return answers;
    };
    const QString first = pattern();
    ASSERT_EQ(first.size(), 24);
    EXPECT_GT(first.count(QLatin1Char('0')), 4);
    EXPECT_LT(first.count(QLatin1Char('0')), 20);
    EXPECT_EQ(pattern(), first);
}

TEST(SimFaults, DropFromTheCommandLine)
{
    SimulatorProcess sim({QStringLiteral("--drop"), QStringLiteral("100")}, false);
    ASSERT_TRUE(sim.running()) << sim.output().toStdString();
    EXPECT_FALSE(answered(sim));
    EXPECT_FALSE(answered(sim));
    EXPECT_EQ(sim.stop(), 0);
}

TEST(SimFaults, DropEverythingThenNothing)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    // Drops apply to requests as they arrive, so this SET is still answered.
    ASSERT_EQ(set(sim, {control + ".1.0", "i", "100"}).exitCode, 0);
    EXPECT_FALSE(answered(sim));
    EXPECT_FALSE(answered(sim));
}

TEST(SimFaults, RepliesAreDelayed)
{
    SimulatorProcess sim({QStringLiteral("--delay"), QStringLiteral("400")});
    ASSERT_TRUE(sim.running());
    CliResult slow = runSnmp(QStringLiteral("snmpget"), {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                                         QStringLiteral("vqmtze"), QStringLiteral("-t"),
                                                         QStringLiteral("3"), QStringLiteral("-r"), QStringLiteral("0"),
                                                         sim.target(), sysName});
    EXPECT_EQ(slow.exitCode, 0);
    EXPECT_GE(slow.elapsedMs, 400);
    // A time-out shorter than the delay loses the reply.
    EXPECT_FALSE(answered(sim, 0.2));
    // Back to immediate replies over SNMP (the SET's own reply still comes late).
    ASSERT_EQ(set(sim, {control + ".2.0", "i", "0"}).exitCode, 0);
    EXPECT_TRUE(answered(sim, 0.3));
}

TEST(SimFaults, ErrorStatusForChosenObjects)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    const QString entry = control + ".10.1";
    // genErr (5) on every request below the system group's sysName.
    ASSERT_EQ(set(sim, {entry + ".2.1", "o", "1.3.6.1.2.1.1.5", entry + ".3.1", "i", "5", entry + ".5.1", "i", "4"}).exitCode, 0);
    CliResult v2 = runSnmp(QStringLiteral("snmpget"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                                       sim.target(), sysName});
    EXPECT_TRUE(v2.err.contains(QStringLiteral("genError"))) << v2.err.toStdString();
    EXPECT_TRUE(getValue(sim.target(), QStringLiteral("1.3.6.1.2.1.1.6.0")).startsWith(QLatin1Char('"')));
    // resourceUnavailable (13) on writes only.
    ASSERT_EQ(set(sim, {entry + ".2.2", "o", "1.3.6.1.2.1.1.6", entry + ".3.2", "i", "13", entry + ".4.2", "i", "3",
                        entry + ".5.2", "i", "4"}).exitCode, 0);
    EXPECT_TRUE(set(sim, {QStringLiteral("1.3.6.1.2.1.1.6.0"), "s", "x"}).err.contains(QStringLiteral("resourceUnavailable")));
    EXPECT_EQ(getValue(sim.target(), QStringLiteral("1.3.6.1.2.1.1.6.0")), QStringLiteral("\"\""));
    // Clearing all faults.
    ASSERT_EQ(set(sim, {control + ".9.0", "i", "2"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), sysName), QStringLiteral("\"NX-2400P\""));
}

TEST(SimFaults, GetNextThatDoesNotAdvance)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    auto walk = [&] {
        return runSnmp(QStringLiteral("snmpwalk"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                                    QStringLiteral("-On"), sim.target(), QStringLiteral("1.3.6.1.2.1.2.2.1.2")});
    };
    // Only below ifTable: the rest answers normally.
    ASSERT_EQ(set(sim, {control + ".5.0", "o", "1.3.6.1.2.1.2.2", control + ".4.0", "i", "2"}).exitCode, 0);
    CliResult repeat = runSnmp(QStringLiteral("snmpgetnext"), {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                                               QStringLiteral("vqmtze"), QStringLiteral("-On"),
                                                               sim.target(), QStringLiteral("1.3.6.1.2.1.2.2.1.2.5")});
    EXPECT_TRUE(repeat.out.startsWith(QStringLiteral(".1.3.6.1.2.1.2.2.1.2.5 ="))) << repeat.out.toStdString();
    EXPECT_TRUE(walk().err.contains(QStringLiteral("OID not increasing")));
    CliResult other = runSnmp(QStringLiteral("snmpgetnext"), {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                                              QStringLiteral("vqmtze"), QStringLiteral("-On"),
                                                              sim.target(), QStringLiteral("1.3.6.1.2.1.1.1.0")});
    EXPECT_TRUE(other.out.startsWith(QStringLiteral(".1.3.6.1.2.1.1.2.0 ="))) << other.out.toStdString();

    ASSERT_EQ(set(sim, {control + ".4.0", "i", "3"}).exitCode, 0);
    CliResult back = runSnmp(QStringLiteral("snmpgetnext"), {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                                             QStringLiteral("vqmtze"), QStringLiteral("-On"),
                                                             sim.target(), QStringLiteral("1.3.6.1.2.1.2.2.1.2.5")});
    EXPECT_TRUE(back.out.startsWith(QStringLiteral(".1.3.6.1.2.1.2.2.1.2.4 ="))) << back.out.toStdString();

    ASSERT_EQ(set(sim, {control + ".4.0", "i", "1"}).exitCode, 0);
    CliResult normal = walk();
    EXPECT_EQ(normal.exitCode, 0);
    EXPECT_EQ(normal.out.count(QLatin1Char('\n')), 30);
}

TEST(SimFaults, ReplyValuesOfAnotherTypeOrOverlong)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    const QString sysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
    const QString ifType = QStringLiteral("1.3.6.1.2.1.2.2.1.3.1");
    auto get = [&](const QString &oid) {
        return runSnmp(QStringLiteral("snmpget"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                                   QStringLiteral("-On"), sim.target(), oid})
            .out.trimmed();
    };
    // Only below the system group: ifTable keeps its types.
    ASSERT_EQ(set(sim, {control + ".12.0", "o", "1.3.6.1.2.1.1", control + ".11.0", "i", "2"}).exitCode, 0);
    EXPECT_EQ(get(sysName), QStringLiteral(".1.3.6.1.2.1.1.5.0 = Gauge32: 8"));
    EXPECT_TRUE(get(ifType).contains(QStringLiteral("INTEGER"))) << get(ifType).toStdString();
    ASSERT_EQ(set(sim, {control + ".12.0", "o", "0.0"}).exitCode, 0);
    EXPECT_TRUE(get(ifType).contains(QStringLiteral("STRING: \"not a number"))) << get(ifType).toStdString();

    ASSERT_EQ(set(sim, {control + ".11.0", "i", "3"}).exitCode, 0);
    const QByteArray overlong = getOctets(sim.target(), sysName);
    EXPECT_EQ(overlong.size(), 4000);
    EXPECT_TRUE(overlong.startsWith("NX-2400PNX-2400P"));
    // A GET-NEXT walk gets the same values.
    CliResult walk = runSnmp(QStringLiteral("snmpwalk"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                                          QStringLiteral("-On"), sim.target(), QStringLiteral("1.3.6.1.2.1.1.5")});
    EXPECT_GT(walk.out.size(), 4000);

    ASSERT_EQ(set(sim, {control + ".9.0", "i", "2"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), sysName), QStringLiteral("\"NX-2400P\""));
}

TEST(SimFaults, SilentPeriod)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    ASSERT_EQ(set(sim, {control + ".3.0", "i", "1"}).exitCode, 0);
    EXPECT_FALSE(answered(sim, 0.3));
    QThread::msleep(900);
    EXPECT_TRUE(answered(sim, 0.5));
    EXPECT_EQ(getValue(sim.target(), control + ".3.0"), QStringLiteral("0"));
}
