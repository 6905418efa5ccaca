// Values that move by themselves, and the triggers: the LED status string
// follows the ports, counters grow, reboot silences the agent and restarts
// sysUpTime.
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"
#include "common/TestAgents.h"
#include "sim/SimLive.h"
#include "sim/SimMib.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString ledStatus = QStringLiteral("1.3.6.1.4.1.32473.11.63.7.2.1.1.5.0");
const QString ifAdminStatus = QStringLiteral("1.3.6.1.2.1.2.2.1.7");
const QString ifOperStatus = QStringLiteral("1.3.6.1.2.1.2.2.1.8");
const QString ifInOctets = QStringLiteral("1.3.6.1.2.1.2.2.1.10");
const QString sysUpTime = QStringLiteral("1.3.6.1.2.1.1.3.0");

CliResult set(const SimulatorProcess &sim, const QStringList &bindings)
{
    return runSnmp(QStringLiteral("snmpset"), QStringList{QStringLiteral("-v2c"), QStringLiteral("-c"),
                                                          QStringLiteral("kdrwopl"), sim.target()} + bindings);
}

qint64 ticks(const SimulatorProcess &sim)
{
    CliResult r = runSnmp(QStringLiteral("snmpget"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                                      QStringLiteral("-Oqvt"), sim.target(), sysUpTime});
    return r.exitCode == 0 ? r.out.trimmed().toLongLong() : -1;
}

} // namespace

TEST(SimLive, LedStringFollowsPortAdminState)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    QByteArray led = getOctets(sim.target(), ledStatus);
    ASSERT_EQ(led.size(), 60);
    // Factory state: port 1 has link (blinking green at 100 Mb/s), port 4 has none,
    // uplink 25 is green at 1 Gb/s; the power LED is green.
    EXPECT_EQ(static_cast<unsigned char>(led[4]), 0x80);
    EXPECT_EQ(static_cast<unsigned char>(led[5]), 0x02);
    EXPECT_EQ(static_cast<unsigned char>(led[4 + 2 * 3]), 0x01);
    EXPECT_EQ(static_cast<unsigned char>(led[4 + 2 * 24 + 1]), 0x03);
    EXPECT_EQ(static_cast<unsigned char>(led[2]), 0x02);

    ASSERT_EQ(set(sim, {ifAdminStatus + ".1", "i", "2"}).exitCode, 0);
    led = getOctets(sim.target(), ledStatus);
    ASSERT_EQ(led.size(), 60);
    EXPECT_EQ(static_cast<unsigned char>(led[4]), 0x01);
    EXPECT_EQ(static_cast<unsigned char>(led[5]), 0x00);
    EXPECT_EQ(static_cast<unsigned char>(led[6]), 0x80); // port 2 untouched
    EXPECT_EQ(getValue(sim.target(), ifOperStatus + ".1"), QStringLiteral("2"));
    EXPECT_GT(runSnmp(QStringLiteral("snmpget"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                                  QStringLiteral("-Oqvt"), sim.target(), QStringLiteral("1.3.6.1.2.1.2.2.1.9.1")})
                  .out.trimmed().toLongLong(),
              0);
    // Its powered device goes dark with it.
    EXPECT_EQ(getValue(sim.target(), QStringLiteral("1.3.6.1.4.1.32473.12.24.4.1.1.3.1")), QStringLiteral("0"));
    // The vendor's port control table carries the same admin state.
    EXPECT_EQ(getValue(sim.target(), QStringLiteral("1.3.6.1.4.1.32473.11.63.7.2.2.2.1.3.1.1")), QStringLiteral("2"));

    // Enabling it through the vendor table brings the link back.
    ASSERT_EQ(set(sim, {QStringLiteral("1.3.6.1.4.1.32473.11.63.7.2.2.2.1.3.1.1"), "i", "3"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), ifOperStatus + ".1"), QStringLiteral("1"));
    EXPECT_EQ(getValue(sim.target(), ifAdminStatus + ".1"), QStringLiteral("1"));
    EXPECT_EQ(static_cast<unsigned char>(getOctets(sim.target(), ledStatus)[4]), 0x80);
    // A port without a cable stays dark when enabled.
    ASSERT_EQ(set(sim, {ifAdminStatus + ".4", "i", "1"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), ifOperStatus + ".4"), QStringLiteral("2"));
}

TEST(SimLive, UptimeTicksAndCountersGrowOnLinkedPortsOnly)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    const qint64 t0 = ticks(sim);
    const qint64 up0 = getValue(sim.target(), ifInOctets + ".1").toLongLong();
    const qint64 down0 = getValue(sim.target(), ifInOctets + ".4").toLongLong();
    QThread::msleep(2100);
    EXPECT_GE(ticks(sim) - t0, 200);
    EXPECT_GT(getValue(sim.target(), ifInOctets + ".1").toLongLong(), up0);
    EXPECT_EQ(getValue(sim.target(), ifInOctets + ".4").toLongLong(), down0);

    // "Clean All Statistic Counter" zeroes them and reads back "normal".
    const QString clean = QStringLiteral("1.3.6.1.4.1.32473.11.63.7.2.1.2.12.0");
    ASSERT_EQ(set(sim, {clean, "i", "2"}).exitCode, 0);
    EXPECT_LT(getValue(sim.target(), ifInOctets + ".1").toLongLong(), 100000);
    EXPECT_EQ(getValue(sim.target(), clean), QStringLiteral("1"));
}

// In process, on a clock of its own: the traffic is a function of time alone.
TEST(SimLive, TrafficDiffersByPortStaysWithinLineRateAndTwinCountersAgree)
{
    using namespace std::chrono_literals;
    SimObjectStore store(SimMib::allParts());
    store.loadFactory();
    const SimOid in32 = SimOid::of("1.3.6.1.2.1.2.2.1.10");
    const SimOid in64 = SimOid::of("1.3.6.1.2.1.31.1.1.1.6");
    // Port 1 just short of the 32-bit wrap; port 2 on a 1 Mb/s link, where its bursts would not fit.
    store.put(in32.child(1), SimValue::unsignedOf(SimValue::Counter32, 0xFFFFF000));
    store.put(in64.child(1), SimValue::unsignedOf(SimValue::Counter64, 0xFFFFF000));
    store.put(SimOid::of("1.3.6.1.2.1.2.2.1.5.2"), SimValue::unsignedOf(SimValue::Gauge32, 1000000));
    auto at = [&store](const SimOid &column, unsigned port) { return store.find(column.child(port))->value.asUnsigned(); };

    SimLive live(store);
    const SimLive::Clock::time_point start;
    live.start(start);
    live.refresh(start + 30s);
    const std::uint64_t port1 = at(in64, 1), port2 = at(in64, 2);
    live.refresh(start + 40s);
    const std::uint64_t bits1 = (at(in64, 1) - port1) * 8 / 10, bits2 = (at(in64, 2) - port2) * 8 / 10;
    EXPECT_GT(bits1, 100000u);
    EXPECT_NE(bits1, bits2);
    EXPECT_LE(bits2, 1000000u);
    EXPECT_GT(at(in64, 1), 0xFFFFFFFFu);
    EXPECT_EQ(at(in32, 1), at(in64, 1) & 0xFFFFFFFF);

    // Port 13 sees receive errors now and then, port 1 none; port 1 powers its device, port 4 has none.
    live.refresh(start + 180s);
    const SimOid inErrors = SimOid::of("1.3.6.1.2.1.2.2.1.14");
    EXPECT_GT(at(inErrors, 13), 0u);
    EXPECT_EQ(at(inErrors, 1), 0u);
    const SimOid poeInfo = SimOid::of("E.12.24.4.1.1");
    EXPECT_GT(at(poeInfo.child(3), 1), 0u);
    EXPECT_EQ(at(poeInfo.child(3), 4), 0u);
    EXPECT_EQ(store.find(poeInfo.child(6).child(4))->value.bytes(), "Searching");
}

TEST(SimLive, PoeLedModeAndHiddenStartupObjectsReadBack)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    const QString poeMode = QStringLiteral("1.3.6.1.4.1.32473.12.24.1.4.0");
    EXPECT_EQ(getValue(sim.target(), poeMode), QStringLiteral("1"));
    ASSERT_EQ(set(sim, {poeMode, "i", "2"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), poeMode), QStringLiteral("2"));
    EXPECT_TRUE(set(sim, {poeMode, "i", "3"}).err.contains(QStringLiteral("wrongValue")));
    // RMON state "enabled" (3), spanning tree version "rstp" (1).
    EXPECT_EQ(getValue(sim.target(), QStringLiteral("1.3.6.1.4.1.32473.11.63.7.2.1.2.16.0")), QStringLiteral("3"));
    EXPECT_EQ(getValue(sim.target(), QStringLiteral("1.3.6.1.4.1.32473.12.15.1.2.0")), QStringLiteral("1"));
}

TEST(SimLive, RebootSilencesTheAgentAndRestartsUptime)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    ASSERT_EQ(set(sim, {QStringLiteral("1.3.6.1.3.2400.1.8.0"), "i", "2"}).exitCode, 0); // 2 s of silence
    QThread::msleep(1500);
    ASSERT_GE(ticks(sim), 150);
    CliResult reboot = set(sim, {QStringLiteral("1.3.6.1.4.1.32473.12.1.2.3.0"), "i", "3"});
    EXPECT_EQ(reboot.exitCode, 0) << reboot.err.toStdString();
    CliResult during = runSnmp(QStringLiteral("snmpget"), {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                                           QStringLiteral("vqmtze"), QStringLiteral("-t"),
                                                           QStringLiteral("0.5"), QStringLiteral("-r"),
                                                           QStringLiteral("0"), sim.target(), sysUpTime});
    EXPECT_TRUE(during.err.contains(QStringLiteral("Timeout"))) << during.out.toStdString();
    QThread::msleep(2000);
    EXPECT_LT(ticks(sim), 100);
    EXPECT_EQ(getValue(sim.target(), QStringLiteral("1.3.6.1.3.2400.1.7.0")), QStringLiteral("1"));
    // SNMPv3 managers find the engine again after it rebooted.
    CliResult v3 = runSnmp(QStringLiteral("snmpget"), {QStringLiteral("-v3"), QStringLiteral("-l"), QStringLiteral("authPriv"),
                                                       QStringLiteral("-u"), QStringLiteral("nxmd5"), QStringLiteral("-a"),
                                                       QStringLiteral("MD5"), QStringLiteral("-A"), QStringLiteral("nxmd5auth1"),
                                                       QStringLiteral("-x"), QStringLiteral("DES"), QStringLiteral("-X"),
                                                       QStringLiteral("nxmd5priv1"), QStringLiteral("-Oqv"), sim.target(),
                                                       QStringLiteral("1.3.6.1.2.1.1.5.0")});
    EXPECT_EQ(v3.out.trimmed(), QStringLiteral("\"NX-2400P\"")) << v3.err.toStdString();
}

TEST(SimLive, SaveAndClearAllTriggers)
{
    const QString saveFile = QStringLiteral("%1/sim-save-%2.rec").arg(QStringLiteral(NX_BIN_DIR "/..")).arg(TestAgents::freeUdpPort());
    SimulatorProcess sim({QStringLiteral("--save"), saveFile});
    ASSERT_TRUE(sim.running());
    // Trust host rows, then "Delete All".
    const QString trust = QStringLiteral("1.3.6.1.4.1.32473.12.1.2.10.1.1");
    ASSERT_EQ(set(sim, {trust + ".2.1", "a", "10.1.1.1", trust + ".3.1", "i", "4"}).exitCode, 0);
    ASSERT_EQ(set(sim, {trust + ".2.2", "a", "10.1.1.2", trust + ".3.2", "i", "4"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), trust + ".4.2"), QStringLiteral("255.255.255.255"));
    ASSERT_EQ(set(sim, {QStringLiteral("1.3.6.1.4.1.32473.12.1.2.10.2.0"), "i", "2"}).exitCode, 0);
    EXPECT_TRUE(getValue(sim.target(), trust + ".2.1").contains(QStringLiteral("No Such Instance")));

    ASSERT_EQ(set(sim, {QStringLiteral("1.3.6.1.2.1.1.5.0"), "s", "saved", QStringLiteral("1.3.6.1.4.1.32473.12.1.2.6.0"),
                        "i", "5"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), QStringLiteral("1.3.6.1.3.2400.1.6.0")), QStringLiteral("1"));
    QFile file(saveFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("1.3.6.1.2.1.1.5.0|4|saved\n"));
    file.close();
    EXPECT_EQ(sim.stop(), 0);
    QFile::remove(saveFile);
}

TEST(SimLive, EnabledPingTestFillsItsResults)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    // Owner "nx", test "t1": each a length-prefixed string in the instance.
    const QString row = QStringLiteral(".2.110.120.2.116.49");
    const QString control = QStringLiteral("1.3.6.1.2.1.80.1.2.1");
    const QString results = QStringLiteral("1.3.6.1.2.1.80.1.3.1");
    CliResult create = set(sim, {control + ".4" + row, "s", "10.90.90.1", control + ".7" + row, "u", "4",
                                 control + ".8" + row, "i", "1", control + ".23" + row, "i", "4"});
    ASSERT_EQ(create.exitCode, 0) << create.err.toStdString();
    EXPECT_EQ(getValue(sim.target(), results + ".3" + row), QStringLiteral("\"10.90.90.1\""));
    EXPECT_EQ(getValue(sim.target(), results + ".8" + row), QStringLiteral("4"));
    ASSERT_EQ(set(sim, {control + ".23" + row, "i", "6"}).exitCode, 0);
    EXPECT_TRUE(getValue(sim.target(), results + ".8" + row).contains(QStringLiteral("No Such Instance")));
}

TEST(SimLive, GuestVlanDeleteRestoresItsFactoryValues)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    const QString name = QStringLiteral("1.3.6.1.4.1.32473.12.30.1.1.0");
    const QString ports = QStringLiteral("1.3.6.1.4.1.32473.12.30.1.2.0");
    ASSERT_EQ(set(sim, {name, "s", "guests", ports, "x", "C000000000000000"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), name), QStringLiteral("\"guests\""));
    ASSERT_EQ(set(sim, {QStringLiteral("1.3.6.1.4.1.32473.12.30.1.3.0"), "i", "2"}).exitCode, 0);
    EXPECT_EQ(getValue(sim.target(), name), QStringLiteral("\"\""));
    EXPECT_EQ(getOctets(sim.target(), ports), QByteArray(8, 0));
    EXPECT_EQ(getValue(sim.target(), QStringLiteral("1.3.6.1.4.1.32473.12.30.1.3.0")), QStringLiteral("1"));
}
