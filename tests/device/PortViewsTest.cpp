// The port status table and the VLAN matrix against a simulator of the
// test's own: what they read of the ports and VLANs, how the matrix writes a
// change (one SET per VLAN, the PVIDs after it, a preview first) and what a
// refusal leaves. Pictures of both go to build/artifacts/port-views/.
#include "common/CliResult.h"
#include "common/MessageRecorder.h"
#include "common/OnPrivateSimulator.h"
#include "common/TestAgents.h"
#include "common/TestSupport.h"

#include "device/QxVlanMatrix.h"
#include "device/TPortStatusForm.h"
#include "device/TVlanMatrixForm.h"
#include "device/TVlanMatrixView.h"
#include "snmp/QxPortList.h"
#include "snmp/QxSNMPSession.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using TestSupport::waitUntil;

QString artifact(const QString &name)
{
    const QString dir = QStringLiteral(NX_BIN_DIR "/../artifacts/port-views");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}

const QString VlanStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");
const QString Pvid = QStringLiteral("1.3.6.1.2.1.17.7.1.4.5.1.1");

class PortViews : public OnPrivateSimulator
{
protected:
    int snmpset(const QStringList &bindings) const
    {
        return runSnmp("snmpset", QStringList{"-v2c", "-c", TestAgents::writeCommunity, sim.target()} + bindings)
            .exitCode;
    }
    // A row as the list shows it.
    static QStringList row(const QTreeWidget &list, int port)
    {
        for (int r = 0; r < list.topLevelItemCount(); ++r) {
            const QTreeWidgetItem *item = list.topLevelItem(r);
            if (item->text(TPortStatusForm::Port) == QString::number(port)) {
                QStringList cells;
                for (int c = 0; c < list.columnCount(); ++c)
                    cells << item->text(c);
                return cells;
            }
        }
        return {};
    }
    // A user's click on a port's cell of a VLAN's row.
    static void click(TVlanMatrixView &view, int row, int port)
    {
        const QModelIndex index = view.model()->index(row, TVlanMatrixView::columnOf(port));
        view.scrollTo(index);
        const QPointF at(view.visualRect(index).center());
        const QPointF global(view.viewport()->mapToGlobal(at.toPoint()));
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &release);
    }
    static QString cell(const TVlanMatrixView &view, int row, int port)
    {
        return view.printedRow(row).value(port);
    }
};

TEST(PortListText, RunsOfNumbersAsSwitchPagesWriteThem)
{
    EXPECT_EQ(QxPortList::rangesText({12, 1, 10, 11, 3}), "1,3,10-12");
    EXPECT_TRUE(QxPortList::has(QByteArray::fromHex("20"), 2));
    EXPECT_FALSE(QxPortList::has(QByteArray::fromHex("20"), 28)) << "a bit beyond the value is clear";
}

// The PVIDs an apply writes after the port lists, and the plans it refuses.
TEST(VlanMatrixPlan, PvidsFollowUntaggedMembershipAndWhatCannotFollowIsRefused)
{
    using M = QxVlanMatrix::Member;
    const QByteArray allPorts = QByteArray::fromHex("fffffff0000000ff"); // and ports of another unit
    QxVlanMatrix matrix;
    std::map<int, int> pvids;
    for (int port = 1; port <= 28; ++port)
        pvids[port] = 1;
    matrix.take({{1, "default", allPorts, allPorts}, {10, "lab", {}, {}}, {20, "cam", {}, {}}}, pvids);

    matrix.cycle(0, 3); // tagged in VLAN 1, its PVID: untagged frames still go there
    matrix.cycle(1, 2);
    matrix.cycle(1, 2); // tagged in VLAN 10
    QxVlanMatrix::Plan plan = matrix.plan();
    EXPECT_TRUE(plan.refusal.isEmpty());
    EXPECT_TRUE(plan.pvids.isEmpty());
    ASSERT_EQ(plan.vlans.size(), 2);
    EXPECT_EQ(plan.vlans[0].untagged.toHex(), "dffffff0000000ff") << "another unit's ports stay as read";
    EXPECT_EQ(plan.vlans[1].egress.toHex(), "40");

    matrix.cycle(1, 4);
    matrix.cycle(2, 4); // untagged in VLANs 10 and 20
    EXPECT_TRUE(matrix.plan().refusal.isEmpty()) << "VLAN 1, its PVID, still has it untagged";
    matrix.cycle(0, 4);
    matrix.cycle(0, 4); // and out of VLAN 1
    EXPECT_EQ(matrix.plan().refusal, "port 4 would be untagged in VLANs 10,20; leave it untagged in one.");
    matrix.cycle(2, 4);
    matrix.cycle(2, 4); // VLAN 20 as read again
    EXPECT_FALSE(matrix.changed(2, 4));
    plan = matrix.plan();
    ASSERT_EQ(plan.pvids.size(), 1);
    EXPECT_EQ(plan.pvids[0].port, 4);
    EXPECT_EQ(plan.pvids[0].to, 10);

    // The lists went through, the PVID did not: it is owed to the next apply.
    matrix.discardChanges();
    matrix.cycle(1, 5);
    matrix.cycle(0, 5);
    matrix.cycle(0, 5);
    plan = matrix.plan();
    ASSERT_EQ(plan.pvids.size(), 1);
    EXPECT_EQ(plan.pvids[0].to, 10);
    matrix.owePvids(plan.pvids);
    const QByteArray withoutFive = QByteArray::fromHex("f7fffff0000000ff");
    matrix.take({{1, "default", withoutFive, withoutFive},
                 {10, "lab", QByteArray::fromHex("08"), QByteArray::fromHex("08")},
                 {20, "cam", {}, {}}},
                pvids);
    EXPECT_FALSE(matrix.changed(0, 5));
    EXPECT_EQ(matrix.shown(1, 5), M::Untagged);
    plan = matrix.plan();
    ASSERT_EQ(plan.pvids.size(), 1);
    EXPECT_TRUE(plan.vlans.isEmpty());
    EXPECT_EQ(QxVlanMatrix::describe(plan), "PVID of port 5: 1 \u2192 10");
}

// Every port with its state as the simulator has it, rates once two reads
// are in, ports ordered by number, and a failed read that keeps the rows.
TEST_F(PortViews, ThePortStatusTableShowsEveryPortAsTheSwitchHasIt)
{
    ASSERT_EQ(snmpset({"1.3.6.1.2.1.2.2.1.7.7", "i", "2"}), 0);
    defaultTimeout = 30;
    TPortStatusForm form(nullptr);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Port Status : 127.0.0.1");
    const QTreeWidget &list = *form.list();
    ASSERT_TRUE(waitUntil([&] { return form.readsEnded() >= 2; }, 15000));
    ASSERT_EQ(list.topLevelItemCount(), 28);
    EXPECT_GT(sim.bulkCount(), 0) << "the walks go in bulk";
    EXPECT_EQ(row(list, 1).mid(0, 9), (QStringList{"1", "RMON Port 1 on Unit 1", "enabled", "up", "100 Mbit/s full",
                                                  "1", "1", "Delivering Power", "4.3 W"}));
    EXPECT_EQ(row(list, 4).mid(2, 3), (QStringList{"enabled", "down", ""}));
    EXPECT_EQ(row(list, 7).mid(2, 2), (QStringList{"disabled", "down"}));
    EXPECT_EQ(row(list, 25).value(TPortStatusForm::Speed), "1 Gbit/s full");
    EXPECT_EQ(row(list, 25).value(TPortStatusForm::Poe), "") << "the uplinks have no PoE";
    const QString linkedRate = row(list, 1).value(TPortStatusForm::InRate);
    EXPECT_TRUE(linkedRate.endsWith("bit/s") && linkedRate != "0 bit/s") << linkedRate.toStdString();
    EXPECT_EQ(row(list, 4).value(TPortStatusForm::InRate), "0 bit/s");
    EXPECT_EQ(row(list, 1).value(TPortStatusForm::Errors), "0");
    EXPECT_NE(list.topLevelItem(0)->background(0), list.topLevelItem(3)->background(0)) << "up and down look alike";

    // Numbers order as numbers: 28 first, not 9.
    form.list()->sortByColumn(TPortStatusForm::Port, Qt::DescendingOrder);
    EXPECT_EQ(list.topLevelItem(0)->text(TPortStatusForm::Port), "28");
    form.list()->sortByColumn(TPortStatusForm::Port, Qt::AscendingOrder);
    EXPECT_GE(form.width(), form.list()->header()->length()) << "every column shows at the first size";
    EXPECT_TRUE(form.grab().save(artifact("port-status.png")));

    // The switch goes silent: the status line says so, the rows stay.
    const int ended = form.readsEnded();
    ASSERT_EQ(snmpset({"1.3.6.1.3.2400.1.1.0", "i", "100"}), 0);
    ASSERT_TRUE(waitUntil([&] { return form.readsEnded() > ended; }, 15000));
    EXPECT_TRUE(form.statusLine()->text().contains("(SNMPClass) SNMP request timed out!"))
        << form.statusLine()->text().toStdString();
    EXPECT_EQ(row(list, 1).value(TPortStatusForm::Link), "up");
}

// VLAN 1 with every port untagged; a click makes port 3 tagged, which the
// preview names and No keeps back; Yes writes VLAN 1's two lists in one SET,
// journalled, and the matrix reads back what the switch holds.
TEST_F(PortViews, TheMatrixWritesAChangedVlanInOneSetAfterThePreview)
{
    QList<QxSNMPWrite> reported;
    const struct Listening
    {
        int id;
        ~Listening() { globalSession()->removeWriteListener(id); }
    } listening{globalSession()->addWriteListener([&](const QxSNMPWrite &w) { reported << w; })};
    MessageRecorder boxes;
    TVlanMatrixForm form(nullptr);
    form.setMessages(boxes.messages());
    form.show();
    EXPECT_EQ(form.windowTitle(), "VLAN Matrix : 127.0.0.1");
    TVlanMatrixView &view = *form.matrixView();
    ASSERT_TRUE(waitUntil([&] { return !form.busy() && view.topLevelItemCount() == 1; }, 10000));
    EXPECT_EQ(view.printedRow(0), QStringList{"1"} + QStringList(28, "U"));
    EXPECT_EQ(view.topLevelItem(0)->text(TVlanMatrixView::Name), "default");

    click(view, 0, 3);
    EXPECT_EQ(cell(view, 0, 3), "T");
    EXPECT_TRUE(form.matrix().changed(0, 3));
    const int sets = sim.setCount();
    boxes.answer = false;
    form.applyClicked();
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts().first().contains("VLAN 1 (default): port 3 untagged \u2192 tagged"))
        << boxes.texts().first().toStdString();
    EXPECT_EQ(sim.setCount(), sets) << "No sends nothing";
    EXPECT_TRUE(form.matrix().changed(0, 3));

    boxes.answer = true;
    form.applyClicked();
    ASSERT_TRUE(waitUntil([&] { return !form.busy(); }, 10000));
    EXPECT_EQ(sim.setCount(), sets + 1);
    EXPECT_EQ(sim.lastSet(), (QStringList{VlanStatic + ".2.1=4x|fffffff000000000",
                                          VlanStatic + ".4.1=4x|dffffff000000000"}));
    ASSERT_EQ(reported.size(), 1);
    EXPECT_EQ(reported[0].command, "VLAN Matrix");
    ASSERT_EQ(reported[0].bindings.size(), 2);
    EXPECT_EQ(reported[0].bindings[1].before, "FFFFFFF000000000");
    EXPECT_EQ(reported[0].bindings[1].sent, "DFFFFFF000000000");
    EXPECT_EQ(cell(view, 0, 3), "T");
    EXPECT_FALSE(form.matrix().changed(0, 3)) << "the switch holds it now";
    EXPECT_TRUE(form.statusLine()->text().contains("Applied 1 of 1 writes."))
        << form.statusLine()->text().toStdString();
}

// A port moved from VLAN 1 to VLAN 10 takes PVID 10 after the VLANs' writes;
// a port taken out of VLAN 1 with no untagged VLAN left is refused before
// anything is sent; a VLAN the switch refuses stops the apply, and its change
// stays for another try while the one before it shows as written.
TEST_F(PortViews, PvidsFollowTheMembershipAndARefusedVlanKeepsItsChange)
{
    ASSERT_EQ(snmpset({VlanStatic + ".5.10", "i", "4", VlanStatic + ".1.10", "s", "lab"}), 0);
    MessageRecorder boxes;
    TVlanMatrixForm form(nullptr);
    form.setMessages(boxes.messages());
    form.show();
    TVlanMatrixView &view = *form.matrixView();
    ASSERT_TRUE(waitUntil([&] { return !form.busy() && view.topLevelItemCount() == 2; }, 10000));
    ASSERT_EQ(view.printedRow(1).value(0), "10");

    click(view, 1, 5); // untagged in VLAN 10
    click(view, 0, 5);
    click(view, 0, 5); // out of VLAN 1
    form.applyClicked();
    ASSERT_TRUE(waitUntil([&] { return !form.busy(); }, 10000));
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(boxes.texts().first().section("\n\n", 1),
              "VLAN 1 (default): port 5 removed\nVLAN 10 (lab): port 5 added untagged\nPVID of port 5: 1 \u2192 10");
    EXPECT_EQ(getValue(sim.target(), Pvid + ".5"), "10");
    EXPECT_EQ(sim.lastSet(), QStringList{Pvid + ".5=66|10"});
    EXPECT_EQ(cell(view, 1, 5), "U");

    click(view, 0, 6);
    click(view, 0, 6); // out of VLAN 1, its PVID, untagged nowhere
    const int sets = sim.setCount();
    form.applyClicked();
    EXPECT_EQ(sim.setCount(), sets);
    EXPECT_TRUE(form.statusLine()->text().contains("Nothing was sent: port 6 would leave VLAN 1 (its PVID)"))
        << form.statusLine()->text().toStdString();
    click(view, 0, 6); // back to untagged: no change left

    // Writes to VLAN 10's lists are refused from now on.
    const QString fault = QStringLiteral("1.3.6.1.3.2400.1.10.1.%1.1");
    ASSERT_EQ(snmpset({fault.arg(2), "o", VlanStatic + ".2.10", fault.arg(4), "i", "3", fault.arg(5), "i", "4"}), 0);
    click(view, 0, 8); // tagged in VLAN 1
    click(view, 1, 8);
    click(view, 1, 8); // tagged in VLAN 10
    form.applyClicked();
    ASSERT_TRUE(waitUntil([&] { return !form.busy(); }, 10000));
    EXPECT_TRUE(form.statusLine()->text().contains("Applied 1 of 2 writes. Stopped at VLAN 10 (lab): "))
        << form.statusLine()->text().toStdString();
    EXPECT_EQ(cell(view, 0, 8), "T");
    EXPECT_FALSE(form.matrix().changed(0, 8));
    EXPECT_EQ(cell(view, 1, 8), "T");
    EXPECT_TRUE(form.matrix().changed(1, 8)) << "the refused change stays for another try";
    EXPECT_TRUE(form.grab().save(artifact("vlan-matrix.png")));
}

} // namespace
