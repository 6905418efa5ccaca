// The RADIUS server dialogs against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/security/TRadiusServerEditForm.h"
#include "dialogs/security/TRadiusServerForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace {

using RadiusDialogs = DedicatedDialogTest;

QString server(int column, int index)
{
    return DedicatedDialogTest::vendor("12.3.2.4.1") + QStringLiteral(".%1.%2").arg(column).arg(index);
}

TEST_F(RadiusDialogs, AddEditAndDeleteWriteOnlyWhatChanged)
{
    auto form = open<TRadiusServerForm>();
    form->editForm()->setMessages(boxes.messages());
    const int before = s_sim->setCount();
    QTreeWidget *list = find<QTreeWidget>(*form, "ListView1");

    // Add: no address, a reserved one, then the second server with default ports.
    form->setModalRunner([&](QDialog &edit) {
        edit.show();
        choose(edit, "IndexComboBox", "swRadiusServerIndex-second");
        click(edit, "btnSet");
        type(edit, "IpEdit", "239.1.1.1");
        click(edit, "btnSet");
        type(edit, "IpEdit", "10.1.1.7");
        type(edit, "KeyEdit", "S3cr3tKey");
        click(edit, "btnSet");
        return edit.result();
    });
    click(*form, "btnAdd");
    EXPECT_EQ(boxes.texts(), (QStringList{"Please input a valid ip!", "Ip address can not in class d"}));
    ASSERT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(s_sim->lastSet(), (QStringList{server(2, 2) + "=64|10.1.1.7", server(3, 2) + "=4|S3cr3tKey",
                                             server(4, 2) + "=66|1812", server(5, 2) + "=66|1813",
                                             server(6, 2) + "=2|4"}));
    EXPECT_EQ(find<QLabel>(*form, "StaticText1")->text(), "1");

    // The same server again, then Edit changing the key alone.
    boxes.shown.clear();
    list->topLevelItem(0)->setSelected(true);
    form->setModalRunner([&](QDialog &edit) {
        edit.show();
        click(edit, "btnSet");
        type(edit, "KeyEdit", "n3wKey");
        click(edit, "btnSet");
        return edit.result();
    });
    click(*form, "btnEdit");
    EXPECT_EQ(boxes.texts(), QStringList{"the variable is already exist"});
    EXPECT_EQ(s_sim->lastSet(), (QStringList{server(3, 2) + "=4|n3wKey", server(6, 2) + "=2|1"}));

    // Delete needs a chosen row; the list keeps every column afterwards.
    list->topLevelItem(0)->setSelected(true);
    list->clearSelection();
    boxes.shown.clear();
    click(*form, "btnDelete");
    EXPECT_EQ(boxes.texts(), QStringList{"Choose the item first."});
    ASSERT_EQ(s_sim->setCount(), before + 2);
    EXPECT_FALSE(form->Memo1()->toPlainText().contains("S3cr3tKey"));
}

TEST_F(RadiusDialogs, DeleteReadsTheListBackWhole)
{
    ASSERT_EQ(snmpset({server(2, 1), "a", "10.1.1.1", server(2, 3), "a", "10.1.1.3", server(6, 1), "i", "4",
                       server(6, 3), "i", "4"}),
              0);
    auto form = open<TRadiusServerForm>();
    QTreeWidget *list = find<QTreeWidget>(*form, "ListView1");
    const int servers = list->topLevelItemCount();
    ASSERT_GE(servers, 2);
    list->topLevelItem(0)->setSelected(true);
    click(*form, "btnDelete");
    EXPECT_EQ(s_sim->lastSet(), QStringList{server(6, 1) + "=2|6"});
    ASSERT_EQ(list->topLevelItemCount(), servers - 1);
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        EXPECT_FALSE(list->topLevelItem(row)->text(1).isEmpty());
        EXPECT_EQ(list->topLevelItem(row)->text(3), "1812");
    }
    EXPECT_EQ(find<QLabel>(*form, "StaticText1")->text(), QString::number(servers - 1));
}

TEST_F(RadiusDialogs, TheEditWindowShowsItsOwnWritesOutcomeAndStaysOpen)
{
    auto form = open<TRadiusServerForm>();
    form->editForm()->setMessages(boxes.messages());
    ASSERT_TRUE(writesRefusedBelow(vendor("12.3.2.4.1")));
    QString shown;
    form->setModalRunner([&](QDialog &edit) {
        edit.show();
        choose(edit, "IndexComboBox", "swRadiusServerIndex-third");
        type(edit, "IpEdit", "10.1.1.9");
        click(edit, "btnSet");
        shown = find<QPlainTextEdit>(edit, "Memo1")->toPlainText();
        const bool open = edit.isVisible();
        edit.hide();
        return open ? 0 : 1;
    });
    click(*form, "btnAdd");
    faultsCleared();
    EXPECT_TRUE(shown.contains("Set: (SNMP)")) << shown.toStdString();
}

} // namespace
