// The agent's update files against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/services/TfrmAgentSupportedUpdateFiles.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using UpdateFilesDialog = DedicatedDialogTest;

TEST_F(UpdateFilesDialog, SetChecksTheAddressThenStartsTheTransferOfTheRow)
{
    auto form = open<TfrmAgentSupportedUpdateFiles>();
    ASSERT_TRUE(idle(form->fileBinding()));
    auto *list = find<QTreeWidget>(*form, "ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(find<QLabel>(*form, "Static")->text(), "3");
    list->topLevelItem(1)->setSelected(true);
    EXPECT_FALSE(find<QLineEdit>(*form, "ED_Index")->isEnabled());

    const int before = s_sim->setCount();
    type(*form, "ED_IPAddress", "10.1.1");
    click(*form, "EditButton");
    EXPECT_EQ(boxes.texts(), QStringList{"Please input a valid ip"});
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_EQ(find<QLineEdit>(*form, "ED_IPAddress")->text(), "10.1.1");

    type(*form, "ED_IPAddress", "10.1.1.9");
    choose(*form, "CBox_Control", "start");
    int reads = 0;
    QObject::connect(form->fileBinding(), &QxSNMPRequest2Controls::readDone, [&reads] { ++reads; });
    click(*form, "EditButton");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return reads == 1 && !form->fileBinding()->busy(); }));
    EXPECT_EQ(reads, 1);
    const QStringList set = s_sim->lastSet();
    EXPECT_EQ(set.size(), 9);
    EXPECT_TRUE(set.contains(vendor("12.1.2.1.1.8.2=2|3"))) << set.join(' ').toStdString();
    // The transfer runs on the switch; the row shows it until it is done.
    EXPECT_EQ(list->topLevelItem(1)->text(7), "start");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "10.1.1.9");
    EXPECT_TRUE(TestSupport::waitUntil([] { return value(vendor("12.1.2.1.1.8.2")) == "2"; }, 6000));

    // No row: Set off, the index editable and every input empty.
    list->clearSelection();
    EXPECT_FALSE(find<QPushButton>(*form, "EditButton")->isEnabled());
    EXPECT_TRUE(find<QLineEdit>(*form, "ED_Index")->isEnabled());
    EXPECT_TRUE(find<QLineEdit>(*form, "ED_Name")->text().isEmpty());
    EXPECT_EQ(find<QComboBox>(*form, "CBox_Control")->currentIndex(), -1);
}

} // namespace
