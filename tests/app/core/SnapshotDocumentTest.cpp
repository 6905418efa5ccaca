// The snapshot document, the differences between two and the restore plan,
// without a switch: what a file holds comes back the same, values not read
// back are never compared or written, and the plan writes each value once,
// in the order of the tables' ranks.
#include "app/core/ConfigSnapshot.h"
#include "app/core/RestorePlan.h"
#include "app/core/SnapshotDiff.h"
#include "tables/CommonOptions.h"

#include <gtest/gtest.h>

namespace {

using Value = ConfigSnapshot::Value;
using Row = ConfigSnapshot::Row;

namespace S = QxSyntax;
namespace A = QxAccess;

// Two tables of Q-BRIDGE-MIB as a dialog would describe them: static VLANs
// (rank 20, made and destroyed) and the ports' PVID (rank 60, fixed rows),
// and a scalar group with a password the switch does not read back.
constexpr QxSNMPVarItem kVlans[] = {
    {"", "VLAN ID", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", S::integer, A::readwrite, &CommonOptions::activeCreateDestroy},
    {},
};
constexpr QxSNMPVarItem kPorts[] = {
    {"", "Port", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", S::uinteger, A::readwrite, nullptr},
    {},
};
constexpr QxSNMPVarItem kScalars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.5", "Telnet Port", S::integer, A::readwrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.99", "Password", S::displaystr, A::writeonly | A::secret, nullptr},
    {},
};

const QList<SnapshotScope::Source> kSources{
    {"Ports", {kPorts, MVT_UMV, 1, nullptr}, -1, false},
    {"Scalars", {kScalars, SVT_SV, 0, nullptr}, -1, false},
    {"VLANs", {kVlans, MVT_UMV, 1, nullptr}, 2, false},
    // The same VLAN table under a second command: its values are written once.
    {"VLAN Names", {kVlans, MVT_UMV, 1, nullptr}, 2, false},
};

Row vlan(int id, const QString &name)
{
    const QString key = QString::number(id);
    return {key, "VLAN ID=" + key,
            {{"Name", "1.3.6.1.2.1.17.7.1.4.3.1.1." + key, "displaystr", name},
             {"Row Status", "1.3.6.1.2.1.17.7.1.4.3.1.5." + key, "integer", QString("active")}}};
}

Row port(int number, int pvid)
{
    const QString key = QString::number(number);
    return {key, "Port=" + key, {{"PVID", "1.3.6.1.2.1.17.7.1.4.5.1.1." + key, "uinteger", QString::number(pvid)}}};
}

Row scalars(int telnetPort)
{
    return {"", "",
            {{"Telnet Port", "1.3.6.1.4.1.32473.12.1.2.5.0", "integer", QString::number(telnetPort)},
             {"Password", "1.3.6.1.4.1.32473.12.1.2.99.0", "displaystr", std::nullopt}}};
}

ConfigSnapshot snapshot(const QList<Row> &vlans, const QList<Row> &ports, int telnetPort)
{
    ConfigSnapshot s;
    s.device = {"10.0.0.1", 161, "core \"1\"", "1.3.6.1.4.1.32473.10.63.7", "2026-12-10T19:00:00Z"};
    s.commands = {{"VLANs", vlans}, {"VLAN Names", vlans}, {"Ports", ports}, {"Scalars", {scalars(telnetPort)}}};
    s.sort();
    return s;
}

QStringList stepTexts(const RestorePlan &plan)
{
    QStringList texts;
    for (const RestorePlan::Step &s : plan.steps)
        texts << s.text();
    return texts;
}

} // namespace

TEST(SnapshotDocument, WritesAndReadsBackTheSameText)
{
    ConfigSnapshot s = snapshot({vlan(10, "lab\t\"x\"\\ \u00e9\u2192\U0001F600\x01"), vlan(2, "")}, {port(1, 1)}, 23);
    const QByteArray text = s.toJson();
    const std::optional<ConfigSnapshot> back = ConfigSnapshot::fromJson(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(back->sameConfiguration(s));
    EXPECT_EQ(back->device.sysName, "core \"1\"");
    EXPECT_EQ(back->toJson(), text);
    // Rows by instance as numbers, and one value a line.
    EXPECT_LT(text.indexOf("\"key\": \"2\""), text.indexOf("\"key\": \"10\""));
    EXPECT_TRUE(text.contains("\n          {\"caption\": \"Password\", \"oid\": \"1.3.6.1.4.1.32473.12.1.2.99.0\", "
                              "\"syntax\": \"displaystr\", \"value\": null}"));

    QString why;
    EXPECT_FALSE(ConfigSnapshot::fromJson("{\"format\": \"other\"}", &why));
    EXPECT_TRUE(why.contains("not a snapshot")) << why.toStdString();
    EXPECT_FALSE(ConfigSnapshot::fromJson(text.left(text.size() / 2), &why));
    QByteArray badOid = text;
    badOid.replace("\"oid\": \"1.3.6.1.2.1.17.7.1.4.5.1.1.1\"", "\"oid\": \"1..3\"");
    EXPECT_FALSE(ConfigSnapshot::fromJson(badOid, &why));
}

TEST(SnapshotDocument, DiffsRowsAndValuesButNotWhatWasNotReadBack)
{
    const ConfigSnapshot a = snapshot({vlan(1, "default"), vlan(10, "lab")}, {port(1, 10)}, 23);
    ConfigSnapshot b = snapshot({vlan(1, "default"), vlan(20, "voice")}, {port(1, 20)}, 23);
    b.device.time = "2026-12-11T00:00:00Z";
    // A password read on one side only is no difference.
    for (ConfigSnapshot::Command &c : b.commands)
        if (c.path == "Scalars")
            c.rows[0].values[1].value = "known now";
    const QList<SnapshotDiff::RowDifference> d = SnapshotDiff::compare(a, b);
    EXPECT_EQ(SnapshotDiff::text(d), "Ports\n"
                                     "  ~ Port=1\n"
                                     "      PVID: 10 -> 20\n"
                                     "VLAN Names\n"
                                     "  - VLAN ID=10\n"
                                     "      Name: lab\n"
                                     "      Row Status: active\n"
                                     "  + VLAN ID=20\n"
                                     "      Name: voice\n"
                                     "      Row Status: active\n"
                                     "VLANs\n"
                                     "  - VLAN ID=10\n"
                                     "      Name: lab\n"
                                     "      Row Status: active\n"
                                     "  + VLAN ID=20\n"
                                     "      Name: voice\n"
                                     "      Row Status: active\n");
    EXPECT_TRUE(SnapshotDiff::compare(a, a).isEmpty());
}

TEST(RestorePlan, MakesWhatOthersNameFirstAndRemovesItLast)
{
    const ConfigSnapshot live = snapshot({vlan(1, "default"), vlan(10, "lab")}, {port(1, 10), port(2, 1)}, 2323);
    const ConfigSnapshot wanted = snapshot({vlan(1, "main"), vlan(20, "voice")}, {port(1, 1), port(2, 20)}, 23);
    const RestorePlan plan = RestorePlan::make(wanted, live, kSources);
    EXPECT_EQ(stepTexts(plan).join('\n').toStdString(),
              "Create VLANs [VLAN ID=20]: Name: (none) -> voice, Row Status: (none) -> createAndGo\n"
              "Change VLANs [VLAN ID=1]: Name: default -> main\n"
              "Change Scalars [(scalars)]: Telnet Port: 2323 -> 23\n"
              "Change Ports [Port=1]: PVID: 10 -> 1\n"
              "Change Ports [Port=2]: PVID: 1 -> 20\n"
              "Delete VLANs [VLAN ID=10]");
    EXPECT_EQ(plan.deletions(), 1);
    // The delete keeps the row as it was, for the journal's undo.
    EXPECT_EQ(plan.steps.last().rowBefore.size(), 2);
    EXPECT_EQ(plan.steps.last().cells.first().before, "active");
    EXPECT_EQ(plan.notes, QStringList({"Scalars [(scalars)]: Password was not read back; left as it is"}));

    // Rows of a table without a row status are neither made nor removed.
    const RestorePlan fixed = RestorePlan::make(snapshot({vlan(1, "default")}, {port(1, 1), port(3, 1)}, 23),
                                                snapshot({vlan(1, "default")}, {port(1, 1), port(2, 1)}, 23), kSources);
    EXPECT_TRUE(fixed.steps.isEmpty()) << stepTexts(fixed).join('\n').toStdString();
    EXPECT_TRUE(fixed.notes.contains("Ports [Port=3]: not on the switch, and its rows are not made here"));
    EXPECT_TRUE(fixed.notes.contains("Ports [Port=2]: not in the snapshot, and its rows are not removed here"));
}

TEST(RestorePlan, LeavesAloneWhatCouldNotBeRead)
{
    const ConfigSnapshot wanted = snapshot({vlan(1, "main")}, {port(1, 1)}, 23);
    ConfigSnapshot live = snapshot({vlan(1, "default"), vlan(10, "lab")}, {port(1, 10)}, 2323);
    live.commands.removeIf([](const ConfigSnapshot::Command &c) { return c.path != "Scalars"; });
    ConfigSnapshot unknown = wanted;
    unknown.commands.append({"Gone", {scalars(1)}});
    const RestorePlan plan = RestorePlan::make(unknown, live, kSources);
    EXPECT_EQ(stepTexts(plan).join('\n').toStdString(), "Change Scalars [(scalars)]: Telnet Port: 2323 -> 23");
    EXPECT_TRUE(plan.notes.contains("VLANs: could not be read from the switch; left as it is"));
    EXPECT_TRUE(plan.notes.contains("Gone: not a command this module reads; left as it is"));
}
