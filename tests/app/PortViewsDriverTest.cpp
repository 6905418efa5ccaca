// nx2400p-dialog opening the port status table and the VLAN matrix by name,
// without the main window, against a simulator of each test's own, and acting
// in them as a user would.
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"

#include "app/core/ChangeJournal.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PortViewsDriver : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFile::exists(program()) || !sim.running())
            GTEST_SKIP() << "nx2400p-dialog or the simulator is not built";
    }

    static QString program() { return QStringLiteral(NX_BIN_DIR "/nx2400p-dialog"); }

    CliResult window(const QString &name, const QStringList &actions, const QStringList &more = {})
    {
        QStringList arguments{"/I127.0.0.1", "--port", QString::number(sim.port()), "--window", name};
        for (const QString &a : actions)
            arguments << "--do" << a;
        return runModuleProgram(program(), arguments + more, dir.path());
    }

    SimulatorProcess sim;
    QTemporaryDir dir;
};

TEST_F(PortViewsDriver, ThePortStatusTablePrintsEveryPort)
{
    const QString picture = dir.filePath("status.png");
    const CliResult r = window("Port Status", {"show:LV_PortStatus"}, {"--grab", picture});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("LV_PortStatus=rows 28 selected -1")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("LV_PortStatus[0]: 1\tRMON Port 1 on Unit 1\tenabled\tup\t100 Mbit/s full\t1\t1\t"
                               "Delivering Power\t4.3 W\t"))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("LV_PortStatus[27]: 28\t")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("status: Get: Ok Request: Port Status.")) << r.out.toStdString();
    EXPECT_FALSE(QImage(picture).isNull());

    // A name that opens no window is refused before anything is sent.
    EXPECT_EQ(window("Port Statistics", {}).exitCode, 2);
}

TEST_F(PortViewsDriver, AClickedCellIsAppliedAfterThePreviewAndJournalled)
{
    const QString picture = dir.filePath("matrix.png");
    const CliResult r = window("VLAN Matrix",
                               {"cell:LV_VlanMatrix=0,4", "click:btnApply", "answer:yes", "show:LV_VlanMatrix"},
                               {"--grab", picture});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    // Column 4 of the table: VID, name, ports 1, 2, 3.
    EXPECT_TRUE(r.out.contains("box: VLAN Matrix: Write these changes to the switch?  "
                               "VLAN 1 (default): port 3 untagged \u2192 tagged"))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("LV_VlanMatrix[0]: 1\tU\tU\tT\tU\t")) << r.out.toStdString();
    EXPECT_EQ(r.out.count("\tU"), 27) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("status: Applied 1 of 1 writes.")) << r.out.toStdString();
    EXPECT_EQ(sim.lastSet(), (QStringList{"1.3.6.1.2.1.17.7.1.4.3.1.2.1=4x|fffffff000000000",
                                          "1.3.6.1.2.1.17.7.1.4.3.1.4.1=4x|dffffff000000000"}));
    EXPECT_FALSE(QImage(picture).isNull());

    const ChangeJournal::Reading journal =
        ChangeJournal("127.0.0.1", quint16(sim.port()), dir.filePath("state/nx2400p/journal")).read();
    ASSERT_EQ(journal.entries.size(), 1);
    EXPECT_EQ(journal.entries[0].command, "VLAN Matrix");
    ASSERT_EQ(journal.entries[0].changes.size(), 2);
    EXPECT_EQ(journal.entries[0].changes[1].instance, "1.3.6.1.2.1.17.7.1.4.3.1.4.1");
    EXPECT_EQ(journal.entries[0].changes[1].before, "FFFFFFF000000000");

    // A cell the table does not have ends the run with status 3.
    EXPECT_EQ(window("VLAN Matrix", {"cell:LV_VlanMatrix=5,4"}).exitCode, 3);
}

} // namespace

// --panel: the main window's front panel as its sockets show the ports, a
// port menu's Disable (asked first), and a switch that does not answer.
TEST_F(PortViewsDriver, ThePanelPrintsWhatItsSocketsShow)
{
    const QString picture = dir.filePath("panel.png");
    const CliResult r = runModuleProgram(program(),
                                         {"/I127.0.0.1", "/v1", "/Rvqmtze", "/Wkdrwopl", "--port",
                                          QString::number(sim.port()), "--panel", "--do", "portmenu:3=Disable",
                                          "--grab", picture},
                                         dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("box: Disable port: Disable port 3?\nconnection: answering\n")) << r.out.toStdString();
    for (const char *line : {"port 1: up 100M full, PoE\n", "port 3: disabled\n", "port 4: down\n", "port 25: up 1G full\n"})
        EXPECT_TRUE(r.out.contains(QLatin1String(line))) << line << r.out.toStdString();
    EXPECT_EQ(getValue(sim.target(), "1.3.6.1.2.1.2.2.1.7.3"), "2");
    EXPECT_FALSE(QImage(picture).isNull());

    const CliResult silent = runModuleProgram(program(), {"/I127.0.0.1", "/v1", "--port", "1", "--panel"}, dir.path());
    EXPECT_EQ(silent.exitCode, 0) << silent.err.toStdString();
    EXPECT_TRUE(silent.out.startsWith("connection: not answering since ")) << silent.out.toStdString();
    EXPECT_TRUE(silent.out.contains("port 3: unknown\n"));
}
