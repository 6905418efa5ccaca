// How dedicated dialogs write, whatever the dialog: on the selected row's key
// as it was read, the columns kept out back before the read that follows, a
// refusal reported (SNMPv1's noSuchName included) and a failed write leaving
// everything as it was, ready to be sent again. What a write carried is read
// from the simulator's record of the last SET.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "binding/QxStatusLine.h"
#include "device/TPortUitForm.h"
#include "dialogs/switching/TPortTrunkForm.h"
#include "dialogs/switching/TVLanPortInfomationForm.h"
#include "dialogs/switching/TVlanStaticForm.h"
#include "snmp/QxSNMPSession.h"
#include "tables/PortGroupDialogTables.h"

#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

using WriteModel = DedicatedDialogTest;

const QString kStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");

QString trunk(int column, int group)
{
    return DedicatedDialogTest::vendor("11.63.7.2.4.3.1") + QStringLiteral(".%1.%2").arg(column).arg(group);
}

QTreeWidgetItem *rowOf(const QTreeWidget *list, const QString &key)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == key)
            return list->topLevelItem(i);
    return nullptr;
}

// VLAN 20 selected, "30" in its ID edit: Set and Delete act on VLAN 20.
TEST_F(WriteModel, SetAndDeleteActOnTheSelectedRowsKey)
{
    for (const char *vlan : {"20", "30"})
        ASSERT_EQ(snmpset({kStatic + ".1." + vlan, "s", QStringLiteral("v") + vlan, kStatic + ".5." + vlan, "i", "4"}),
                  0);
    auto form = open<TVlanStaticForm>();
    ASSERT_TRUE(idle(form->tableBinding()));
    auto *list = find<QTreeWidget>(*form, "LV_dot1qVlanStaticEntry");
    list->setCurrentItem(rowOf(list, "20"));
    QLineEdit *id = find<QLineEdit>(*form, "ED_VLANID");
    EXPECT_TRUE(id->isReadOnly());
    id->setText("30");
    type(*form, "ED_VLANName", "renamed");
    click(*form, "btnSet");
    ASSERT_TRUE(idle(form->tableBinding()));
    EXPECT_TRUE(s_sim->lastSet().contains(kStatic + ".1.20=4|renamed")) << s_sim->lastSet().join(' ').toStdString();
    EXPECT_EQ(value(kStatic + ".1.30"), "\"v30\"");

    list->setCurrentItem(rowOf(list, "20"));
    id->setText("30");
    click(*form, "btnDelete");
    ASSERT_TRUE(idle(form->tableBinding()));
    EXPECT_EQ(s_sim->lastSet(), QStringList{kStatic + ".5.20=2|6"});
    EXPECT_EQ(rowOf(list, "20"), nullptr);
    EXPECT_NE(rowOf(list, "30"), nullptr);
}

// A trunk group's delete keeps five columns out of its write; the read after
// it has them all again, so the remaining group shows (and writes) its own.
TEST_F(WriteModel, TheReadAfterATrunkDeleteHasEveryColumnBack)
{
    for (const auto &[group, master, members] : {std::tuple{2, "3", "e0"}, std::tuple{4, "9", "01c0"}})
        ASSERT_EQ(snmpset({trunk(2, group), "i", master, trunk(3, group), "x", members, trunk(4, group), "i", "1",
                           trunk(6, group), "i", "4"}),
                  0);
    auto form = open<TPortTrunkForm>();
    ASSERT_TRUE(idle(form->tableBinding()));
    auto *list = find<QTreeWidget>(*form, "LV_PortTrunk");
    list->setCurrentItem(rowOf(list, "2"));
    click(*form, "btnDelete");
    ASSERT_TRUE(idle(form->tableBinding()));
    EXPECT_EQ(s_sim->lastSet(), QStringList{trunk(6, 2) + "=2|6"});
    for (int column = 1; column < PortGroupDialogTables::TrunkColumn::Count; ++column)
        EXPECT_EQ(form->tableBinding()->varList().item(column).access & QxAccess::invalid, 0u) << column;
    QTreeWidgetItem *left = rowOf(list, "4");
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->text(PortGroupDialogTables::TrunkColumn::MasterPort), "9");
    // The port list shows as ranges; the cell keeps the value the switch holds.
    EXPECT_EQ(left->text(PortGroupDialogTables::TrunkColumn::PortList), "8-10");
    EXPECT_EQ(left->data(PortGroupDialogTables::TrunkColumn::PortList, QxSNMPRequest2Edits::CellValueRole)
                  .toString()
                  .left(4),
              "01C0");

    list->setCurrentItem(left);
    click(*form, "btnSet");
    ASSERT_TRUE(idle(form->tableBinding()));
    EXPECT_TRUE(s_sim->lastSet().contains(trunk(3, 4) + "=4x|01c0000000000000")) << s_sim->lastSet().join(' ').toStdString();
}

// The switch refuses; the user's input, the selection and the buttons stay,
// and pressing Set again sends the same write.
TEST_F(WriteModel, AFailedWriteLeavesTheDialogReadyToTryAgain)
{
    ASSERT_EQ(snmpset({kStatic + ".1.20", "s", "v20", kStatic + ".5.20", "i", "4"}), 0);
    auto form = open<TVlanStaticForm>();
    ASSERT_TRUE(idle(form->tableBinding()));
    auto *list = find<QTreeWidget>(*form, "LV_dot1qVlanStaticEntry");
    list->setCurrentItem(rowOf(list, "20"));
    type(*form, "ED_VLANName", "retried");
    form->egressPicker()->checkBoxes().at(6)->setChecked(true);
    ASSERT_TRUE(writesRefusedBelow(kStatic));
    const int before = s_sim->setCount();
    click(*form, "btnSet");
    ASSERT_TRUE(idle(form->tableBinding()));
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_TRUE(QxStatusLine::showsFailure(form->Memo1()));
    EXPECT_EQ(find<QLineEdit>(*form, "ED_VLANName")->text(), "retried");
    EXPECT_TRUE(form->egressPicker()->checkBoxes().at(6)->isChecked());
    ASSERT_FALSE(list->selectedItems().isEmpty());
    EXPECT_EQ(list->selectedItems().first()->text(0), "20");
    EXPECT_TRUE(find<QAbstractButton>(*form, "btnSet")->isEnabled());

    faultsCleared();
    click(*form, "btnSet");
    ASSERT_TRUE(idle(form->tableBinding()));
    EXPECT_EQ(s_sim->setCount(), before + 1);
    EXPECT_TRUE(s_sim->lastSet().contains(kStatic + ".1.20=4|retried"));
    EXPECT_TRUE(s_sim->lastSet().contains(kStatic + ".2.20=4x|0200000000000000"));
}

// An SNMPv1 agent refuses a row it cannot create with noSuchName: the
// asynchronous table write reports it as the failure it is.
TEST_F(WriteModel, AnSnmpV1RefusalOfATableWriteIsAFailure)
{
    defaultSecurity.version = QxSNMPSecurity::V1;
    auto form = open<TVlanStaticForm>();
    ASSERT_TRUE(idle(form->tableBinding()));
    type(*form, "ED_VLANID", "4095");
    type(*form, "ED_VLANName", "out of range");
    const int before = s_sim->setCount();
    click(*form, "btnAdd");
    ASSERT_TRUE(idle(form->tableBinding()));
    EXPECT_EQ(s_sim->setCount(), before);
    const QString memo = form->Memo1()->toPlainText();
    EXPECT_TRUE(memo.contains("Set: (SNMP) Variable does not exist!")) << memo.toStdString();
    EXPECT_FALSE(memo.contains("Set: Ok")) << memo.toStdString();
    EXPECT_EQ(find<QLineEdit>(*form, "ED_VLANName")->text(), "out of range");
}

TEST_F(WriteModel, AWriteWithoutItsKeyAsksForItInTheDialogsWords)
{
    auto vlans = open<TVlanStaticForm>();
    ASSERT_TRUE(idle(vlans->tableBinding()));
    type(*vlans, "ED_VLANName", "nokey");
    const int before = s_sim->setCount();
    click(*vlans, "btnAdd");
    auto ports = open<TVLanPortInfomationForm>();
    ASSERT_TRUE(idle(ports->tableBinding()));
    click(*ports, "btnSet");
    EXPECT_EQ(boxes.texts(), (QStringList{"Please specify VLAN ID", "Please select a port."}));
    EXPECT_EQ(s_sim->setCount(), before);
}

} // namespace
