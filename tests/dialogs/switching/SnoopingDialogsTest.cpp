// The IGMP and MLD snooping dialogs against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "device/TPortUitForm.h"
#include "dialogs/switching/TIGMPMulticastVLANGroupAddForm.h"
#include "dialogs/switching/TIGMPMulticastVlanForm.h"
#include "dialogs/switching/TIGMPSnoopingClearDnyIpMultForm.h"
#include "dialogs/switching/TIGMPRouterPortsForm.h"
#include "dialogs/switching/TISMVLANForm.h"
#include "dialogs/switching/TMLD_SnoopingRouterPortsForm.h"

#include <QLabel>
#include <QTreeWidget>

namespace {

using SnoopingDialogs = DedicatedDialogTest;

QString ism(int column, int vlan)
{
    return DedicatedDialogTest::vendor("11.63.7.2.7.8.1") + QStringLiteral(".%1.%2").arg(column).arg(vlan);
}

QTreeWidgetItem *rowOf(QTreeWidget *list, const QString &first)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == first)
            return list->topLevelItem(i);
    return nullptr;
}

TEST_F(SnoopingDialogs, IsmVlanAddSetAndDeleteSendWhatTheRowNeedsOnly)
{
    auto form = open<TISMVLANForm>();
    // Closing waits for the read that runs.
    form->reject();
    EXPECT_EQ(boxes.texts(), QStringList{"Get data not complete"});
    EXPECT_FALSE(form->bindingsClosed());
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));

    type(*form, "ED_VLANID", "100");
    type(*form, "ED_VLANName", "mvr");
    click(*form, "btnAdd");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    // A new multicast VLAN gets its name and status, no port lists.
    EXPECT_EQ(s_sim->lastSet(), (QStringList{ism(2, 100) + "=4|mvr", ism(8, 100) + "=2|4"}));
    QTreeWidget *list = find<QTreeWidget>(*form, "lvISMVLAN");
    ASSERT_NE(rowOf(list, "100"), nullptr);

    // The state shows the row's own and is written as chosen.
    list->setCurrentItem(rowOf(list, "100"));
    EXPECT_EQ(find<QComboBox>(*form, "cbxVLANState")->currentText(), "disabled");
    EXPECT_TRUE(find<QComboBox>(*form, "cbxVLANState")->isEnabled());
    choose(*form, "cbxVLANState", "enabled");
    form->memberPicker()->checkBoxes().at(1)->setChecked(true);
    click(*form, "btnSet");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    const QStringList set = s_sim->lastSet();
    EXPECT_TRUE(set.contains(ism(6, 100) + "=2|1")) << set.join(' ').toStdString();
    EXPECT_TRUE(set.contains(ism(4, 100) + "=4x|4000000000000000")) << set.join(' ').toStdString();
    EXPECT_EQ(value(ism(6, 100)), "1");
    // With no row selected it is there for Add.
    EXPECT_TRUE(find<QComboBox>(*form, "cbxVLANState")->isEnabled());

    list->setCurrentItem(rowOf(list, "100"));
    click(*form, "btnDelete");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    EXPECT_EQ(s_sim->lastSet(), QStringList{ism(8, 100) + "=2|6"});
    EXPECT_EQ(rowOf(list, "100"), nullptr);
}

TEST_F(SnoopingDialogs, GroupAddWindowChecksTheAddressesAndWritesTheRange)
{
    auto form = open<TIGMPMulticastVlanForm>();
    ASSERT_TRUE(idle(form->groupBinding()));
    TIGMPMulticastVLANGroupAddForm *add = form->addForm();
    add->setMessages(boxes.messages());
    add->show();
    type(*add, "edtVID", "1");
    const auto refusal = [&](const QString &from) {
        boxes.shown.clear();
        type(*add, "edtFormIP", from);
        click(*add, "btnAdd");
        return boxes.shown.value(0);
    };
    EXPECT_EQ(refusal(""), "Form IP can't be empty.");
    EXPECT_EQ(refusal(".1.2.3"), "Please input a valid IP");
    EXPECT_EQ(refusal("239.1.1.256"), "Please input a valid ip");
    EXPECT_EQ(refusal("239.1.1.1"), "To IP can't be empty.");
    // A range of groups: both ends multicast, From not above To.
    const int before = s_sim->setCount();
    type(*add, "edtToIP", "240.0.0.1");
    EXPECT_EQ(refusal("239.1.1.1"), "To IP must be a multicast address (224.0.0.0 - 239.255.255.255).");
    type(*add, "edtToIP", "239.1.1.0");
    EXPECT_EQ(refusal("10.1.1.1"), "Form IP must be a multicast address (224.0.0.0 - 239.255.255.255).");
    EXPECT_EQ(refusal("239.1.1.1"), "Form IP can't be greater than To IP.");
    EXPECT_EQ(s_sim->setCount(), before);
    type(*add, "edtToIP", "239.1.1.9");
    click(*add, "btnAdd");
    ASSERT_TRUE(idle(form->groupBinding()));
    EXPECT_FALSE(add->isVisible());
    EXPECT_EQ(s_sim->lastSet(), QStringList{vendor("11.63.7.2.7.9.1.4.1.239.1.1.1.239.1.1.9") + "=2|4"});
    // The list is read again and shows the new range.
    ASSERT_TRUE(idle(form->groupBinding()));
    const QList<QTreeWidgetItem *> shown =
        find<QTreeWidget>(*form, "LV_MulticastVlanGroup")->findItems("239.1.1.9", Qt::MatchExactly, 2);
    EXPECT_EQ(shown.size(), 1);
}

TEST_F(SnoopingDialogs, ClearAsksForTheAddressWhateverTheAction)
{
    auto form = open<TIGMPSnoopingClearDnyIpMultForm>();
    choose(*form, "cbMultAction", "all");
    type(*form, "edtVID", "1");
    type(*form, "edtIPAddr", "");
    const int before = s_sim->setCount();
    click(*form, "btnSet");
    EXPECT_EQ(boxes.texts(), QStringList{"Multicast IP Address can't be empty."});
    EXPECT_EQ(s_sim->setCount(), before);
}

TEST_F(SnoopingDialogs, MldRouterSetReadsOnceAfterItsWriteAndClosingWaitsForAReading)
{
    auto form = open<TMLD_SnoopingRouterPortsForm>();
    int reads = 0;
    QObject::connect(form->tableBinding(), &QxSNMPRequest2Controls::readDone, [&reads] { ++reads; });
    form->reject();
    EXPECT_EQ(boxes.texts(), QStringList{"Get data not complete"});
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    ASSERT_EQ(reads, 1);

    QTreeWidget *list = find<QTreeWidget>(*form, "LV_MLDRouterPorts");
    list->setCurrentItem(list->topLevelItem(0));
    form->staticPicker()->checkBoxes().at(4)->setChecked(true);
    click(*form, "btnSet");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    EXPECT_EQ(reads, 2);
    EXPECT_TRUE(s_sim->lastSet().contains(vendor("12.34.3.4.1.2.1") + "=4x|0800000000000000"))
        << s_sim->lastSet().join(' ').toStdString();
    EXPECT_TRUE(form->statusPanelText().startsWith("Get: Ok")) << form->statusPanelText().toStdString();
}

TEST_F(SnoopingDialogs, IgmpRouterPortsClearTheVlanNameWithTheRow)
{
    auto form = open<TIGMPRouterPortsForm>();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    QTreeWidget *list = find<QTreeWidget>(*form, "LV_IGMPRouterPorts");
    ASSERT_GT(list->topLevelItemCount(), 0);
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_FALSE(find<QLabel>(*form, "stVlanName")->text().isEmpty());
    click(*form, "btnRefresh");
    EXPECT_TRUE(find<QLabel>(*form, "stVlanID")->text().isEmpty());
    EXPECT_TRUE(find<QLabel>(*form, "stVlanName")->text().isEmpty());
}

} // namespace
