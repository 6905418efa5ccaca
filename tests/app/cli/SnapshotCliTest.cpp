// snapshot, diff and restore of nx2400p-cli against a simulator of the test's
// own: an unchanged switch gives the same document, one change is one
// difference, and a restore puts back rows of several tables in the order
// their references need.
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr char kEnterprise[] = "1.3.6.1.4.1.32473";

QString enterprise(const char *tail)
{
    return QString::fromLatin1(kEnterprise) + QLatin1Char('.') + QLatin1String(tail);
}

class SnapshotCliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFile::exists(QStringLiteral(NX_BIN_DIR "/nx2400p-cli")) || !sim.running())
            GTEST_SKIP() << "nx2400p-cli or the simulator is not built";
    }

    CliResult cli(const QStringList &arguments)
    {
        return runModuleProgram(QStringLiteral(NX_BIN_DIR "/nx2400p-cli"),
                                QStringList{"/I127.0.0.1", "/v1", "/Rvqmtze", "/Wkdrwopl", "--port",
                                            QString::number(sim.port())}
                                    + arguments,
                                dir.path());
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    CliResult snapshot(const QString &name) { return cli({"snapshot", "--out", file(name)}); }
    int snmpset(const QStringList &bindings) const
    {
        return runSnmp("snmpset", QStringList{"-v2c", "-c", "kdrwopl", sim.target()} + bindings).exitCode;
    }
    static QByteArray withoutTime(const QString &fileName)
    {
        QFile f(fileName);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << fileName.toStdString();
        QByteArray text = f.readAll();
        const qsizetype at = text.indexOf("\"time\": ");
        return at < 0 ? text : text.left(at) + text.mid(text.indexOf('}', at));
    }
    static QByteArray bytes(const QString &fileName)
    {
        QFile f(fileName);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // VLAN 10 with port 3 as its member and PVID, a trunk, an Ethernet access
    // mask with one rule, a syslog host and two scalars.
    void changeSeveralTables()
    {
        ASSERT_EQ(snmpset({"1.3.6.1.2.1.17.7.1.4.3.1.1.10", "s", "v10", "1.3.6.1.2.1.17.7.1.4.3.1.2.10", "x", "20000000",
                           "1.3.6.1.2.1.17.7.1.4.3.1.5.10", "i", "4"}),
                  0);
        ASSERT_EQ(snmpset({"1.3.6.1.2.1.17.7.1.4.5.1.1.3", "u", "10"}), 0);
        ASSERT_EQ(snmpset({enterprise("11.63.7.2.4.3.1.2.2"), "i", "9", enterprise("11.63.7.2.4.3.1.3.2"), "x",
                           "00C00000", enterprise("11.63.7.2.4.3.1.6.2"), "i", "4"}),
                  0);
        ASSERT_EQ(snmpset({enterprise("12.9.2.1.1.8.5"), "i", "4", enterprise("12.9.2.1.1.3.5"), "i", "2"}), 0);
        ASSERT_EQ(snmpset({enterprise("12.9.3.1.1.15.5.1"), "i", "4", enterprise("12.9.3.1.1.13.5.1"), "i", "2"}), 0);
        ASSERT_EQ(snmpset({enterprise("12.12.2.1.2.3"), "a", "10.9.9.9", enterprise("12.12.2.1.7.3"), "i", "4"}), 0);
        const CliResult set = cli({"set", "Basic Management", "Telnet Port=2323", "Web Port=8080"});
        ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    }

    QTemporaryDir dir;
    SimulatorProcess sim;
};

TEST_F(SnapshotCliTest, AnUnchangedSwitchGivesTheSameDocumentAndNoDifference)
{
    ASSERT_EQ(snapshot("a.json").exitCode, 0);
    ASSERT_EQ(snapshot("b.json").exitCode, 0);
    EXPECT_EQ(withoutTime(file("a.json")), withoutTime(file("b.json")));
    EXPECT_GT(withoutTime(file("a.json")).count("\"oid\""), 1000);
    // Left out: counters, status and actions (the clock, save, clear).
    const QByteArray a = bytes(file("a.json"));
    EXPECT_FALSE(a.contains("\"1.3.6.1.2.1.2.2.1.10.")) << "ifInOctets";
    EXPECT_FALSE(a.contains("\"" + enterprise("12.1.2.6.0").toLatin1() + "\"")) << "the save object";
    EXPECT_FALSE(a.contains("\"" + enterprise("12.10.2.0").toLatin1() + "\"")) << "the clock";

    // A file that holds this configuration already keeps its bytes, time and all.
    const CliResult again = snapshot("a.json");
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.err.contains("left as it is")) << again.err.toStdString();
    EXPECT_EQ(bytes(file("a.json")), a);

    const CliResult files = cli({"diff", file("a.json"), file("b.json")});
    EXPECT_EQ(files.exitCode, 0);
    EXPECT_EQ(files.out, QString());
    const CliResult live = cli({"diff", file("a.json"), "--live"});
    EXPECT_EQ(live.exitCode, 0) << live.out.toStdString();
    EXPECT_EQ(cli({"diff", file("a.json"), file("missing.json")}).exitCode, 2);
}

TEST_F(SnapshotCliTest, OneChangeIsOneDifference)
{
    ASSERT_EQ(snapshot("a.json").exitCode, 0);
    ASSERT_EQ(cli({"set", "Basic Management", "Telnet Port=2323"}).exitCode, 0);
    const CliResult text = cli({"diff", file("a.json"), "--live"});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.out, "Basic Configuration > Agent Management > Basic Management\n  ~ (scalars)\n"
                        "      Telnet Port: 23 -> 2323\n");
    const CliResult json = cli({"diff", file("a.json"), "--live", "--json"});
    EXPECT_EQ(json.exitCode, 1);
    const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).object().value("differences").toArray();
    ASSERT_EQ(rows.size(), 1) << json.out.toStdString();
    const QJsonObject value = rows[0].toObject().value("values").toArray()[0].toObject();
    EXPECT_EQ(rows[0].toObject().value("kind").toString(), "changed");
    EXPECT_EQ(value.value("old").toString(), "23");
    EXPECT_EQ(value.value("new").toString(), "2323");
}

// The deletions' order puts what refers first: the rule before its mask, the
// port's PVID back before its VLAN goes; the creations' order the other way.
TEST_F(SnapshotCliTest, ARestoreRoundTripsInReferenceOrder)
{
    ASSERT_EQ(snapshot("a.json").exitCode, 0);
    changeSeveralTables();
    ASSERT_EQ(snapshot("b.json").exitCode, 0);

    const CliResult back = cli({"restore", file("a.json"), "--dry-run"});
    ASSERT_EQ(back.exitCode, 0) << back.err.toStdString();
    const auto line = [](const CliResult &r, const char *text) { return r.out.indexOf(QLatin1String(text)); };
    EXPECT_GE(line(back, "Change VLAN > 802.1Q > 802.1Q Bridge > Ports Information [Port=3]: Port VLAN ID: 10 -> 1"), 0)
        << back.out.toStdString();
    EXPECT_LT(line(back, "Ports Information [Port=3]"), line(back, "Delete VLAN > 802.1Q > 802.1Q VLAN  > Static Table [VLAN Index=10]"));
    EXPECT_LT(line(back, "Delete Layer 2 Management > Access Control Information > Ethernet Rule [Mask ID=5, Access ID=1]"),
              line(back, "Delete Layer 2 Management > Access Control Information > Ethernet Mask  [Ethernet Mask ID=5]"));
    EXPECT_GE(line(back, "Delete Basic Configuration > System Log Management > System Log Host Table"), 0);
    EXPECT_GE(line(back, "Delete Layer 2 Management > Port Management > Port Trunk Table [Index=2]"), 0);

    // Deleting rows wants --yes; then the switch is the snapshot again.
    const CliResult unconfirmed = cli({"restore", file("a.json"), "--apply"});
    EXPECT_EQ(unconfirmed.exitCode, 1);
    EXPECT_TRUE(unconfirmed.err.contains("--yes")) << unconfirmed.err.toStdString();
    const CliResult applied = cli({"restore", file("a.json"), "--apply", "--yes"});
    EXPECT_EQ(applied.exitCode, 0) << applied.out.toStdString() << applied.err.toStdString();
    EXPECT_TRUE(applied.out.contains("The switch now holds the snapshot's configuration.")) << applied.out.toStdString();
    ASSERT_EQ(snapshot("a2.json").exitCode, 0);
    EXPECT_EQ(withoutTime(file("a2.json")), withoutTime(file("a.json")));
    EXPECT_TRUE(cli({"journal"}).out.contains("Telnet Port: 2323 -> 23")) << "the restore is in the journal";

    // And forward again: masks and VLANs made before the rule and the PVID.
    const CliResult forward = cli({"restore", file("b.json"), "--dry-run"});
    EXPECT_LT(line(forward, "Create Layer 2 Management > Access Control Information > Ethernet Mask "),
              line(forward, "Create Layer 2 Management > Access Control Information > Ethernet Rule"));
    EXPECT_LT(line(forward, "Create VLAN > 802.1Q > 802.1Q VLAN  > Static Table [VLAN Index=10]"),
              line(forward, "Ports Information [Port=3]: Port VLAN ID: 1 -> 10"));
    EXPECT_EQ(cli({"restore", file("b.json"), "--apply"}).exitCode, 0);
    EXPECT_EQ(cli({"diff", file("b.json"), "--live"}).exitCode, 0);
}

TEST_F(SnapshotCliTest, AStepTheSwitchRefusesEndsTheRestore)
{
    ASSERT_EQ(snapshot("a.json").exitCode, 0);
    ASSERT_EQ(cli({"set", "Basic Management", "Telnet Port=2323"}).exitCode, 0);
    ASSERT_EQ(snmpset({enterprise("12.9.2.1.1.8.5"), "i", "4"}), 0);
    ASSERT_EQ(snmpset({enterprise("12.9.2.1.1.8.6"), "i", "4"}), 0);
    // Writes to the Ethernet masks are answered with genErr from now on.
    const QString fault = QStringLiteral("1.3.6.1.3.2400.1.10.1.%1.1");
    ASSERT_EQ(snmpset({fault.arg(2), "o", enterprise("12.9.2.1"), fault.arg(4), "i", "3", fault.arg(5), "i", "4"}), 0);

    const CliResult r = cli({"restore", file("a.json"), "--apply", "--yes"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.contains("Applied 1 of 3 steps.\nStep 2 refused: ")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Not applied: steps 2 to 3.")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Still different after the restore:")) << r.out.toStdString();
    // The first step went through, the masks are both still there.
    EXPECT_EQ(getValue(sim.target(), enterprise("12.1.2.5.0")), "23");
    EXPECT_EQ(getValue(sim.target(), enterprise("12.9.2.1.1.8.5")), "1");
    EXPECT_EQ(getValue(sim.target(), enterprise("12.9.2.1.1.8.6")), "1");
}

// Three simulated switches and one that answers nothing, from one hosts file.
TEST(SnapshotFleetTest, EachSwitchIsReadAndFailsAlone)
{
    SimulatorProcess fleet({"--agents", "3"});
    if (!fleet.running() || !QFile::exists(QStringLiteral(NX_BIN_DIR "/nx2400p-cli")))
        GTEST_SKIP() << "nx2400p-cli or the simulator is not built";
    QTemporaryDir dir;
    QFile hosts(dir.filePath("hosts"));
    ASSERT_TRUE(hosts.open(QIODevice::WriteOnly));
    hosts.write(QStringLiteral("# the lab\n127.0.0.1:%1 /v1 /Rvqmtze /Wkdrwopl\n127.0.0.1:%2 /v1 /Rvqmtze /Wkdrwopl\n"
                               "127.0.0.1:1 /v1   # nobody\n127.0.0.1:%3 /v1 /Rvqmtze /Wkdrwopl\n")
                    .arg(fleet.port())
                    .arg(fleet.port() + 1)
                    .arg(fleet.port() + 2)
                    .toUtf8());
    hosts.close();
    const auto cli = [&](const QStringList &arguments) {
        return runModuleProgram(QStringLiteral(NX_BIN_DIR "/nx2400p-cli"),
                                QStringList{"--timeout", "30", "--retries", "0", "--hosts", hosts.fileName()} + arguments,
                                dir.path());
    };

    const CliResult snapshots = cli({"snapshot", "--out", dir.filePath("configs")});
    EXPECT_EQ(snapshots.exitCode, 1);
    EXPECT_TRUE(snapshots.out.contains("127.0.0.1:1            FAILED   (SNMPClass) SNMP request timed out!")) << snapshots.out.toStdString();
    EXPECT_TRUE(snapshots.out.endsWith("4 switches: 3 ok, 1 failed\n")) << snapshots.out.toStdString();
    const QString second = dir.filePath(QStringLiteral("configs/127.0.0.1_%1.json").arg(fleet.port() + 1));
    ASSERT_TRUE(QFile::exists(second));

    // A change on the second switch only: it alone differs from its snapshot.
    ASSERT_EQ(runSnmp("snmpset", {"-v2c", "-c", "kdrwopl", QStringLiteral("127.0.0.1:%1").arg(fleet.port() + 1),
                                  enterprise("12.1.2.5.0"), "i", "2323"})
                  .exitCode,
              0);
    const CliResult diff = cli({"diff", second, "--live"});
    EXPECT_EQ(diff.exitCode, 2) << "one switch could not be compared";
    EXPECT_TRUE(diff.out.contains(QStringLiteral("127.0.0.1:%1").arg(fleet.port() + 1).leftJustified(21)
                                  + QStringLiteral("  differs  1 rows differ")))
        << diff.out.toStdString();
    EXPECT_TRUE(diff.out.contains("      Telnet Port: 23 -> 2323\n")) << diff.out.toStdString();
    EXPECT_TRUE(diff.out.endsWith("4 switches: 2 equal, 1 differ, 1 failed\n")) << diff.out.toStdString();

    const CliResult set = cli({"set", "Basic Management", "Telnet Port=2424"});
    EXPECT_EQ(set.exitCode, 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(getValue(QStringLiteral("127.0.0.1:%1").arg(fleet.port() + i), enterprise("12.1.2.5.0")), "2424");
}

} // namespace
