// Several switches in one simulator (--agents): each on its own port, with
// objects, faults and a state file of its own.
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"
#include "common/TestAgents.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString sysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
const QString sysLocation = QStringLiteral("1.3.6.1.2.1.1.6.0");
const QString dropPercent = QStringLiteral("1.3.6.1.3.2400.1.1.0");
const QString bulkMode = QStringLiteral("1.3.6.1.3.2400.1.16.0");

// Agent `index` of the simulator listens `index` ports after the first.
QString targetOf(const SimulatorProcess &sim, int index)
{
    return QStringLiteral("%1:%2").arg(QLatin1String(TestAgents::host)).arg(sim.port() + index);
}

int set(const QString &target, const QString &oid, const QString &type, const QString &value)
{
    return runSnmp(QStringLiteral("snmpset"), {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                               QString::fromLatin1(TestAgents::writeCommunity), target, oid, type, value})
        .exitCode;
}

// One request without retries, for agents that may stay silent.
bool answers(const QString &tool, const QString &target)
{
    return runSnmp(tool, {QStringLiteral("-v2c"), QStringLiteral("-c"), QString::fromLatin1(TestAgents::readCommunity),
                          QStringLiteral("-t"), QStringLiteral("0.5"), QStringLiteral("-r"), QStringLiteral("0"), target,
                          sysName})
               .exitCode
           == 0;
}

class SimFleet : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(sim.running()) << sim.output().toStdString(); }

    SimulatorProcess sim{{QStringLiteral("--agents"), QStringLiteral("3")}};
};

} // namespace

TEST_F(SimFleet, EverySwitchAnswersAndASetChangesOnlyItsOwn)
{
    EXPECT_TRUE(sim.output().contains(QStringLiteral("listening on udp:127.0.0.1:%1 (and 2 more agents").arg(sim.port())))
        << sim.output().toStdString();
    ASSERT_EQ(set(targetOf(sim, 1), sysName, QStringLiteral("s"), QStringLiteral("middle")), 0);
    EXPECT_EQ(getValue(targetOf(sim, 0), sysName), QStringLiteral("\"NX-2400P\""));
    EXPECT_EQ(getValue(targetOf(sim, 1), sysName), QStringLiteral("\"middle\""));
    EXPECT_EQ(getValue(targetOf(sim, 2), sysName), QStringLiteral("\"NX-2400P\""));
}

TEST_F(SimFleet, FaultsStayWithTheirSwitch)
{
    // The third drops every request, the first ignores GETBULK: the second still answers both.
    ASSERT_EQ(set(targetOf(sim, 2), dropPercent, QStringLiteral("i"), QStringLiteral("100")), 0);
    ASSERT_EQ(set(targetOf(sim, 0), bulkMode, QStringLiteral("i"), QStringLiteral("3")), 0);
    EXPECT_FALSE(answers(QStringLiteral("snmpget"), targetOf(sim, 2)));
    EXPECT_FALSE(answers(QStringLiteral("snmpbulkget"), targetOf(sim, 0)));
    EXPECT_TRUE(answers(QStringLiteral("snmpget"), targetOf(sim, 0)));
    EXPECT_TRUE(answers(QStringLiteral("snmpget"), targetOf(sim, 1)));
    EXPECT_TRUE(answers(QStringLiteral("snmpbulkget"), targetOf(sim, 1)));
}

TEST(SimFleetSave, EverySwitchSavesToAFileOfItsOwn)
{
    const QString path = QDir(QStringLiteral(NX_BIN_DIR "/.."))
                             .absoluteFilePath(QStringLiteral("sim-agents-%1.rec").arg(TestAgents::freeUdpPort()));
    const QString second = path + QStringLiteral(".1");
    {
        SimulatorProcess sim({QStringLiteral("--agents"), QStringLiteral("2"), QStringLiteral("--save"), path});
        ASSERT_TRUE(sim.running()) << sim.output().toStdString();
        ASSERT_EQ(set(targetOf(sim, 1), sysLocation, QStringLiteral("s"), QStringLiteral("rack 9")), 0);
        EXPECT_EQ(sim.stop(), 0);
    }
    QFile first(path);
    QFile other(second);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    ASSERT_TRUE(other.open(QIODevice::ReadOnly));
    EXPECT_FALSE(first.readAll().contains("|rack 9"));
    EXPECT_TRUE(other.readAll().contains("1.3.6.1.2.1.1.6.0|4|rack 9\n"));
    QFile::remove(path);
    QFile::remove(second);
}
