// nx2400p-dialog run as a program against a simulator of its own: it opens a
// command's dialog as the menu does and acts on it as a user would.
#include "EnterpriseBase.h"
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"

#include "app/DedicatedDialogs.h"
#include "app/core/ChangeJournal.h"
#include "app/cli/CliCommandFinder.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DialogDriverTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_sim = new SimulatorProcess; }
    static void TearDownTestSuite()
    {
        delete s_sim;
        s_sim = nullptr;
    }

    void SetUp() override
    {
        if (!QFile::exists(program()) || !s_sim->running())
            GTEST_SKIP() << "nx2400p-dialog or the simulator is not built";
    }

    static QString program() { return QStringLiteral(NX_BIN_DIR "/nx2400p-dialog"); }

    // In a folder of its own, with a registry that names no folders.
    CliResult driver(const QStringList &arguments) { return runModuleProgram(program(), arguments, dir.path()); }

    CliResult on(const QString &command, const QStringList &actions, const QStringList &more = {})
    {
        QStringList arguments{"/I127.0.0.1", "--port", QString::number(s_sim->port()), "--command", command};
        for (const QString &a : actions)
            arguments << "--do" << a;
        return driver(arguments + more);
    }

    static SimulatorProcess *s_sim;
    QTemporaryDir dir;
};

SimulatorProcess *DialogDriverTest::s_sim = nullptr;

TEST_F(DialogDriverTest, ListsEveryDialogCommandAndMarksTheMissingOnes)
{
    const CliResult r = driver({"--list"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 240);
    EXPECT_TRUE(lines.contains("D\tTVlanStaticForm\tVLAN > 802.1Q > 802.1Q VLAN  > Static Table")) << r.out.toStdString();
    EXPECT_TRUE(lines.contains("E\tgeneric\tBasic Configuration > Agent Management > Basic Management"));
    // Marked missing: exactly the dedicated commands whose class this build lacks.
    int lacking = 0;
    const CliCommandFinder finder;
    for (const CliCommandFinder::Command &c : finder.commands())
        lacking += c.record->shape == CommandShape::Dedicated && !DedicatedDialogs::find(c.record->target);
    EXPECT_EQ(lines.filter("\tmissing").size(), lacking);

    // What opens no dialog is refused before any exchange.
    const CliResult viewer = driver({"/I127.0.0.1", "--command", "Reboot"});
    EXPECT_EQ(viewer.exitCode, 2);
    EXPECT_EQ(driver({"--command", "Static Table", "--do", "poke:btnAdd"}).exitCode, 2);
}

TEST_F(DialogDriverTest, AddsAVlanWithItsPortThroughTheStaticTableDialog)
{
    const QString picture = dir.filePath("v.png");
    const CliResult r = on("Static Table",
                     {"type:ED_VLANID=10", "type:ED_VLANName=lab", "tick:Egress Ports/CheckBox1=1", "click:btnAdd",
                      "show:LV_dot1qVlanStaticEntry"},
                     {"--grab", picture});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(getValue(s_sim->target(), "1.3.6.1.2.1.17.7.1.4.3.1.1.10"), "\"lab\"");
    EXPECT_EQ(getOctets(s_sim->target(), "1.3.6.1.2.1.17.7.1.4.3.1.2.10").toHex(), "8000000000000000");
    // The port list as ranges, as the switch holds it in the row's hint.
    EXPECT_TRUE(r.out.contains("LV_dot1qVlanStaticEntry[1]: 10\tlab\t1\t")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("status: Set: Ok Request: VLAN Static.")) << r.out.toStdString();
    EXPECT_FALSE(QImage(picture).isNull());

    // A control that is not there ends the run with status 3.
    const CliResult missing = on("Static Table", {"click:btnNothing"});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.err.contains("no control named btnNothing")) << missing.err.toStdString();
}

// A table page as a user reads it: sorted by a header, filtered, shown rows only.
TEST_F(DialogDriverTest, SortsAndFiltersATablePageAndShowsTheRowsAsShown)
{
    const CliResult r = on("IfX Table", {"sort:ListView=IF Index,desc", "filter:ListView=port2", "show:ListView"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    // Port2 and Port20-28, highest index first.
    EXPECT_TRUE(r.out.contains("ListView=rows 10 selected -1")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("ListView[0]: 28\tPort28\t")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("ListView[9]: 2\tPort2\t")) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("ListView[10]")) << r.out.toStdString();
    EXPECT_EQ(on("IfX Table", {"sort:ListView=No Such Column"}).exitCode, 3);

    // A dedicated dialog's list: the port picker's column shows ports, sorted
    // as numbers (12 before 3 when descending), filtered without regard to case.
    const QString list = QStringLiteral("LV_dot1qStaticUnicastEntry");
    QStringList actions;
    for (const auto &[mac, port] : {std::pair{"00000000AB01", "3"}, {"00000000AB02", "12"}})
        actions << QStringLiteral("type:ED_UnicastVID=1") << QStringLiteral("type:UnicastAddress=%1").arg(mac)
                << "choose:UStatus=permanent" << QStringLiteral("tick:Allow To Go To Port/CheckBox%1=1").arg(port)
                << "click:SetBtn";
    const CliResult d = on("Unicast Information", actions + QStringList{"sort:" + list + "=Allowed To Go To,desc",
                                                                         "filter:" + list + "=ab0", "show:" + list});
    ASSERT_EQ(d.exitCode, 0) << d.err.toStdString();
    EXPECT_TRUE(d.out.contains(list + "=rows 2 selected -1")) << d.out.toStdString();
    EXPECT_TRUE(d.out.contains(list + "[0]: 1\t00000000AB02\t0\t12\tpermanent")) << d.out.toStdString();
    EXPECT_TRUE(d.out.contains(list + "[1]: 1\t00000000AB01\t0\t3\tpermanent")) << d.out.toStdString();

    // A hex value that names a port but is no port list stays hex.
    const CliResult tpid = on("QinQ Port Table", {"show:ListView"});
    EXPECT_TRUE(tpid.out.contains("ListView[0]: 1\tuni\t88A8")) << tpid.out.toStdString();
}

TEST_F(DialogDriverTest, AGenericPageRefusesANumberWithATypoAndWritesAOneRowTableWhereItWasRead)
{
    const CliResult typo = on("Basic Management", {"tick:CheckBox1=1", "type:Value1=7000x0", "click:Set Checked",
                                            "show:Value1"});
    ASSERT_EQ(typo.exitCode, 0) << typo.err.toStdString();
    EXPECT_TRUE(typo.out.contains("box: nx2400p-dialog: Please enter a number between -2147483648 and 2147483647!"))
        << typo.out.toStdString();
    // What the user typed stays, and nothing was written.
    EXPECT_TRUE(typo.out.contains("Value1=7000x0"));
    EXPECT_FALSE(typo.out.contains("status: Set:"));
    EXPECT_EQ(getValue(s_sim->target(), QString::fromLatin1(EnterpriseBase) + ".12.1.2.5.0"), "23");

    const CliResult net = on("Net Configuration", {"tick:CheckBox1=1", "type:Value1=255.255.255.0", "click:Set Checked"});
    ASSERT_EQ(net.exitCode, 0) << net.err.toStdString();
    EXPECT_TRUE(net.out.contains("status: Set: Ok.")) << net.out.toStdString();
    EXPECT_EQ(getValue(s_sim->target(), "1.3.6.1.2.1.16.19.11.1.2.29"), "255.255.255.0");

    // The write is in the switch's journal, under its command, with the value read before it.
    const ChangeJournal::Reading journal =
        ChangeJournal("127.0.0.1", quint16(s_sim->port()), dir.filePath("state/nx2400p/journal")).read();
    ASSERT_EQ(journal.entries.size(), 1);
    const ChangeJournal::Entry &entry = journal.entries.first();
    EXPECT_EQ(entry.program, "nx2400p-dialog");
    EXPECT_EQ(entry.command, "Net Configuration");
    ASSERT_EQ(entry.changes.size(), 1);
    EXPECT_EQ(entry.changes[0].instance, "1.3.6.1.2.1.16.19.11.1.2.29");
    EXPECT_TRUE(entry.changes[0].before.has_value());
    EXPECT_EQ(entry.changes[0].sent, "255.255.255.0");
}

TEST_F(DialogDriverTest, ActionsGoOnInsideTheSubDialogsTheyOpen)
{
    // Add opens the page's add dialog; the actions after it fill it in there.
    const CliResult add = on("Trust Host Table", {"click:Add", "type:Value0=4", "type:Value1=10.1.1.4", "tick:CheckBox1=1",
                                            "type:Value2=255.255.255.0", "tick:CheckBox2=1", "click:Set Checked",
                                            "show:ListView"});
    ASSERT_EQ(add.exitCode, 0) << add.err.toStdString();
    EXPECT_TRUE(add.out.contains("\t10.1.1.4\t255.255.255.0\tactive")) << add.out.toStdString();

    // No: the row stays. Yes: it goes.
    CliResult del = on("Trust Host Table", {"select:ListView=4", "answer:no", "click:Delete", "show:ListView"});
    EXPECT_TRUE(del.out.contains("box: Delete: Are you sure to delete ?")) << del.out.toStdString();
    EXPECT_TRUE(del.out.contains("\t10.1.1.4\t")) << del.out.toStdString();
    del = on("Trust Host Table", {"select:ListView=4", "click:Delete", "show:ListView"});
    EXPECT_FALSE(del.out.contains("\t10.1.1.4\t")) << del.out.toStdString();

    // The deleted row comes back from the journal with the values it was read with.
    const ChangeJournal::Reading journal =
        ChangeJournal("127.0.0.1", quint16(s_sim->port()), dir.filePath("state/nx2400p/journal")).read();
    ASSERT_FALSE(journal.entries.isEmpty());
    const CliResult undo = runModuleProgram(QStringLiteral(NX_BIN_DIR "/nx2400p-cli"),
                                            {"/I127.0.0.1", "/Wkdrwopl", "--port", QString::number(s_sim->port()),
                                             "undo", journal.entries.last().id},
                                            dir.path());
    EXPECT_EQ(undo.exitCode, 0) << undo.err.toStdString();
    const CliResult back = on("Trust Host Table", {"show:ListView"});
    EXPECT_TRUE(back.out.contains("\t10.1.1.4\t255.255.255.0\t")) << back.out.toStdString();
}

// Typed as a user types (the focus moving on): a short MAC key says so once and stays for correcting.
TEST_F(DialogDriverTest, AShortMacKeyIsRefusedWithOneMessage)
{
    const CliResult add = on("Static Filtering  > Unicast Information",
                             {"type:ED_UnicastVID=1", "type:UnicastAddress=0050BA0007", "choose:UStatus=permanent",
                              "click:SetBtn", "show:UnicastAddress"});
    ASSERT_EQ(add.exitCode, 0) << add.err.toStdString();
    EXPECT_EQ(add.out.count("box: "), 1) << add.out.toStdString();
    EXPECT_TRUE(add.out.contains("box: nx2400p-dialog: Please enter a hex string whose length is 12!"));
    EXPECT_TRUE(add.out.contains("UnicastAddress=0050BA0007")) << add.out.toStdString();
}

} // namespace
