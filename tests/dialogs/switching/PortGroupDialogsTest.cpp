// The trunk, mirror, traffic-segmentation and aggregator-port dialogs against
// a simulator of their own; what a write carried is read from the simulator's
// record of the last SET.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "device/TPortUitForm.h"
#include "dialogs/switching/TAggregatorPortTableForm.h"
#include "dialogs/switching/TPortMirrorForm.h"
#include "dialogs/switching/TPortTrunkForm.h"
#include "dialogs/switching/TTrafficSegmentationForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

using PortGroupDialogs = DedicatedDialogTest;

QString trunk(int column, int group)
{
    return DedicatedDialogTest::vendor("11.63.7.2.4.3.1") + QStringLiteral(".%1.%2").arg(column).arg(group);
}

void tickPorts(TPortUitForm *picker, std::initializer_list<int> ports)
{
    for (int port : ports)
        picker->checkBoxes().at(port - 1)->setChecked(true);
}

TEST_F(PortGroupDialogs, TrunkAddChecksInTheirOrderThenCreatesTheGroup)
{
    auto form = open<TPortTrunkForm>();
    const auto add = [&] {
        boxes.shown.clear();
        click(*form, "btnAdd");
        return boxes.shown.value(0);
    };
    EXPECT_EQ(add(), "The index should not be empty.");
    type(*form, "ED_Index", "2");
    EXPECT_EQ(add(), "The Port should not be empty.");
    type(*form, "PortEdit", "29");
    EXPECT_EQ(add(), "set valid master port");
    type(*form, "PortEdit", "3");
    EXPECT_EQ(add(), "Please choose trunk type.");
    choose(*form, "Combo_Type", "static");
    EXPECT_EQ(add(), "Master port must be checked.");
    tickPorts(form->memberPicker(), {3});
    EXPECT_EQ(add(), "You must choose at least two members!");
    const int before = s_sim->setCount();
    tickPorts(form->memberPicker(), {1, 2});
    EXPECT_EQ(add(), "");
    EXPECT_EQ(s_sim->setCount(), before + 1);
    // One SET to row 2: master port, members, type and createAndGo.
    EXPECT_EQ(s_sim->lastSet(), (QStringList{trunk(2, 2) + "=2|3", trunk(3, 2) + "=4x|e000000000000000",
                                            trunk(4, 2) + "=2|1", trunk(6, 2) + "=2|4"}));
    QTreeWidget *list = find<QTreeWidget>(*form, "LV_PortTrunk");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    // Refresh after the write: a new group may be typed in.
    EXPECT_TRUE(find<QLineEdit>(*form, "ED_Index")->text().isEmpty());
    EXPECT_FALSE(find<QLineEdit>(*form, "ED_Index")->isReadOnly());

    // A second group may share neither the index ("02" is 2) nor the master port.
    type(*form, "ED_Index", "02");
    EXPECT_EQ(add(), "The Index must be different!");
    type(*form, "ED_Index", "3");
    type(*form, "PortEdit", "3");
    choose(*form, "Combo_Type", "lacp");
    EXPECT_EQ(add(), "The master port must be different!");
    // Nine members: the ninth checked box (in port order) is unticked again.
    type(*form, "PortEdit", "4");
    tickPorts(form->memberPicker(), {4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_EQ(add(), "The trunk member can't over eight!");
    EXPECT_TRUE(form->memberPicker()->checkBoxes().at(10)->isChecked());
    EXPECT_FALSE(form->memberPicker()->checkBoxes().at(11)->isChecked());
    EXPECT_EQ(s_sim->setCount(), before + 1);
}

TEST_F(PortGroupDialogs, TrunkRowShowsItsMasterPortAndDeleteSendsIndexAndStatusOnly)
{
    auto form = open<TPortTrunkForm>();
    type(*form, "ED_Index", "5");
    type(*form, "PortEdit", "5");
    choose(*form, "Combo_Type", "static");
    tickPorts(form->memberPicker(), {5, 6});
    click(*form, "btnAdd");
    ASSERT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join('|').toStdString();

    QTreeWidget *list = find<QTreeWidget>(*form, "LV_PortTrunk");
    QTreeWidgetItem *row = nullptr;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == "5")
            row = list->topLevelItem(i);
    ASSERT_NE(row, nullptr);
    list->setCurrentItem(row);
    EXPECT_EQ(find<QLineEdit>(*form, "UnitEdit")->text(), "1");
    EXPECT_EQ(find<QLineEdit>(*form, "PortEdit")->text(), "5");
    EXPECT_TRUE(find<QLineEdit>(*form, "ED_Index")->isReadOnly());
    EXPECT_FALSE(find<QAbstractButton>(*form, "btnAdd")->isEnabled());
    // The active ports only show.
    EXPECT_TRUE(form->activePicker()->isReadOnly());

    click(*form, "btnDelete");
    EXPECT_EQ(s_sim->lastSet(), QStringList{trunk(6, 5) + "=2|6"});
    EXPECT_EQ(value(trunk(6, 5)), "No Such Instance currently exists at this OID");
}

TEST_F(PortGroupDialogs, MirrorSetMemberWritesAllFourThenEachSourceListAlone)
{
    auto form = open<TPortMirrorForm>();
    type(*form, "PortEdit", "8");
    find<QCheckBox>(*form, "CK_Status")->setChecked(true);
    form->ingressPicker()->ClearAll();
    form->egressPicker()->ClearAll();
    tickPorts(form->ingressPicker(), {1});
    tickPorts(form->egressPicker(), {8});
    const int before = s_sim->setCount();
    // The target port cannot be one of the sources.
    click(*form, "btnSetMember");
    EXPECT_EQ(boxes.texts(), QStringList{"The target port can't be a source port."});
    EXPECT_EQ(s_sim->setCount(), before);
    form->egressPicker()->ClearAll();
    tickPorts(form->egressPicker(), {2});
    click(*form, "btnSetMember");
    EXPECT_EQ(s_sim->setCount(), before + 3);
    EXPECT_EQ(s_sim->lastSet(), QStringList{vendor("11.63.7.2.6.3.0") + "=4x|4000000000000000"});
    EXPECT_EQ(value(vendor("11.63.7.2.6.4.0")), "8");
    EXPECT_EQ(value(vendor("11.63.7.2.6.5.0")), "3");
    EXPECT_EQ(getOctets(s_sim->target(), vendor("11.63.7.2.6.2.0")).toHex(), "8000000000000000");
    // Every column is writable again, and the dialog read what it wrote.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form->mirrorBinding()->varList().item(i).access, quint32(QxAccess::readwrite)) << i;
    EXPECT_EQ(find<QLineEdit>(*form, "PortEdit")->text(), "8");
}

TEST_F(PortGroupDialogs, SegmentationRefusesWhileReadingAndReadsAgainAfterStop)
{
    auto form = open<TTrafficSegmentationForm>();
    ASSERT_TRUE(form->tableBinding()->busy());
    click(*form, "btnRefresh");
    EXPECT_EQ(boxes.shown, QStringList{"Refresh not complete"});
    click(*form, "btnStop");
    click(*form, "btnRefresh");
    EXPECT_EQ(boxes.shown.size(), 1);
    ASSERT_TRUE(idle(form->tableBinding()));
    QTreeWidget *list = find<QTreeWidget>(*form, "LV_TrafficForward");
    ASSERT_EQ(list->topLevelItemCount(), 28);
    EXPECT_EQ(find<QLabel>(*form, "StaticText1")->text(), "28");

    list->setCurrentItem(list->topLevelItem(2));
    EXPECT_EQ(find<QLineEdit>(*form, "Combo_Port")->text(), "3");
    form->forwardPicker()->ClearAll();
    tickPorts(form->forwardPicker(), {1, 2});
    click(*form, "btnSet");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    EXPECT_EQ(s_sim->lastSet(), QStringList{vendor("11.63.7.2.12.1.1.2.3") + "=4x|c000000000000000"});
    EXPECT_TRUE(find<QLineEdit>(*form, "Combo_Port")->text().isEmpty());
}

TEST_F(PortGroupDialogs, AggregatorChecksThePartnerIdAndReadsAgainAfterEveryWrite)
{
    auto form = open<TAggregatorPortTableForm>();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    QTreeWidget *list = find<QTreeWidget>(*form, "ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 28);
    list->setCurrentItem(list->topLevelItem(0));
    ASSERT_TRUE(find<QAbstractButton>(*form, "btnEdit")->isEnabled());
    const int before = s_sim->setCount();
    for (const char *bad : {"00112233445G", "00112233445"}) {
        boxes.shown.clear();
        type(*form, "edtPartnerID", bad);
        click(*form, "btnEdit");
        EXPECT_EQ(boxes.shown, QStringList{"Invalid MAC address"}) << bad;
    }
    EXPECT_EQ(s_sim->setCount(), before);

    // A refused write: the table is read again all the same, and what the
    // user typed stays in the editor.
    const QString aggregator = vendor("12.4.1.2.1.1");
    ASSERT_TRUE(writesRefusedBelow(aggregator));
    type(*form, "edtPartnerID", "001122334455");
    click(*form, "btnEdit");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_EQ(find<QLineEdit>(*form, "edtPartnerID")->text(), "001122334455");
    EXPECT_TRUE(form->Memo1()->toPlainText().contains("Set:")) << form->Memo1()->toPlainText().toStdString();
    faultsCleared();

    // Through: one SET of the row's writable columns, then the read.
    list->setCurrentItem(list->topLevelItem(0));
    type(*form, "edtPartnerID", "001122334455");
    // lacpTimeout: 0x05 becomes 0x45, which a state file writes as the text "E".
    form->findChild<QWidget *>("Actor Admin State")->findChild<QCheckBox *>("CheckBox2")->setChecked(true);
    click(*form, "btnEdit");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready() && s_sim->setCount() == before + 1; }));
    const QStringList set = s_sim->lastSet();
    EXPECT_TRUE(set.contains(aggregator + ".8.1=4x|001122334455")) << set.join(' ').toStdString();
    EXPECT_TRUE(set.contains(aggregator + ".20.1=4|E")) << set.join(' ').toStdString();
    EXPECT_EQ(list->topLevelItemCount(), 28);
    EXPECT_TRUE(find<QLineEdit>(*form, "edtPartnerID")->text().isEmpty());
}

} // namespace
