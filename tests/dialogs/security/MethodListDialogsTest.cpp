// The AAC dialogs (login and enable method lists, authentication servers,
// server groups) against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/security/TEnableMethodForm.h"
#include "dialogs/security/TLoginMethodListForm.h"
#include "dialogs/security/TServerInformationForm.h"
#include "dialogs/security/TfrmACCServerCtrl.h"

#include <QPushButton>
#include <QTreeWidget>

namespace {

class MethodListDialogs : public DedicatedDialogTest
{
protected:
    // A column of a method list (login "12.5.3.1", enable "12.5.4.1") at the list's name.
    static QString method(const char *table, int column, const QString &name)
    {
        QString index = QString::number(name.size());
        for (const QChar c : name)
            index += QLatin1Char('.') + QString::number(c.unicode());
        return vendor(table) + QStringLiteral(".%1.").arg(column) + index;
    }
    static QString login(int column, const QString &name) { return method("12.5.3.1", column, name); }
    // The user's own choice, as a click in the list makes it.
    static void pick(const QWidget &dialog, const char *combo, const QString &text)
    {
        choose(dialog, combo, text);
        QComboBox *c = find<QComboBox>(dialog, combo);
        emit c->activated(c->currentIndex());
    }
    static void select(const QWidget &dialog, const QString &name)
    {
        QTreeWidget *list = find<QTreeWidget>(dialog, "ListView1");
        const QList<QTreeWidgetItem *> rows = list->findItems(name, Qt::MatchExactly, 0);
        ASSERT_EQ(rows.size(), 1) << name.toStdString();
        list->clearSelection();
        rows.first()->setSelected(true);
    }
};

using AacServerDialogs = MethodListDialogs;

TEST_F(MethodListDialogs, AddNeedsANewNameInEachDialogsWords)
{
    const auto check = [this](const QWidget &form, const char *nameEdit, const QString &missing,
                              const QString &duplicate) {
        boxes.shown.clear();
        const int before = s_sim->setCount();
        click(form, "btnAdd");
        type(form, nameEdit, "default");
        click(form, "btnAdd");
        EXPECT_EQ(boxes.texts(), (QStringList{missing, duplicate}));
        EXPECT_EQ(s_sim->setCount(), before);
    };
    check(*open<TLoginMethodListForm>(), "ListnameEdit", "AAC Login Method List Name must be set.",
          "Has already a record with the same Login Method List Name. Please Change Login Method List Name.");
    check(*open<TEnableMethodForm>(), "NameEdit", "Enable MethodList Name must be set.",
          "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.");
}

TEST_F(MethodListDialogs, MethodsAfterLocalOrNoneAreLeftOutWhenTheUserSaysSo)
{
    auto form = open<TLoginMethodListForm>();
    const int before = s_sim->setCount();
    type(*form, "ListnameEdit", "ops");
    choose(*form, "ComboBoxType1", "tacacs");
    choose(*form, "ComboBoxType2", "local");
    choose(*form, "ComboBoxType3", "radius");
    click(*form, "btnAdd"); // Yes: the user changes the list
    EXPECT_EQ(boxes.texts(), QStringList{"Method(s) after method local and none is(are) ineffective. Do you want "
                                         "to change your configurations?"});
    EXPECT_EQ(s_sim->setCount(), before);
    boxes.answer = false;
    click(*form, "btnAdd");
    EXPECT_EQ(s_sim->lastSet(), (QStringList{login(2, "ops") + "=2|1", login(4, "ops") + "=2|6",
                                             login(10, "ops") + "=2|4"}));

    // "none" followed by "other" only asks nothing; "other" is no method.
    auto enable = open<TEnableMethodForm>();
    boxes.shown.clear();
    type(*enable, "NameEdit", "ops");
    choose(*enable, "Type1ComboBox", "radius");
    choose(*enable, "Type2ComboBox", "none");
    choose(*enable, "Type3ComboBox", "other");
    choose(*enable, "Type4ComboBox", "other");
    click(*enable, "btnAdd");
    EXPECT_TRUE(boxes.shown.isEmpty());
    const auto sent = [](int column) { return method("12.5.4.1", column, "ops"); };
    EXPECT_EQ(s_sim->lastSet(), (QStringList{sent(2) + "=2|4", sent(4) + "=2|8", sent(10) + "=2|4"}));
}

TEST_F(MethodListDialogs, EditKeepsTheGroupOfASelectedServerGroupMethod)
{
    ASSERT_EQ(snmpset({login(2, "grp"), "i", "5", login(3, "grp"), "s", "admins", login(10, "grp"), "i", "4"}), 0);
    auto form = open<TLoginMethodListForm>();
    select(*form, "grp");
    auto *group = find<QLineEdit>(*form, "Server1Edit");
    EXPECT_EQ(group->text(), "admins");
    EXPECT_TRUE(group->isEnabled());
    EXPECT_FALSE(find<QLineEdit>(*form, "Server2Edit")->isEnabled());
    pick(*form, "ComboBoxType2", "local");
    click(*form, "btnEdit");
    EXPECT_EQ(s_sim->lastSet(), (QStringList{login(2, "grp") + "=2|5", login(3, "grp") + "=4|admins",
                                             login(4, "grp") + "=2|6"}));

    // The user's change of a type empties its group.
    select(*form, "grp");
    pick(*form, "ComboBoxType1", "tacacs");
    EXPECT_TRUE(group->text().isEmpty());
    EXPECT_FALSE(group->isEnabled());

    // Choosing the type a method already has keeps its group.
    select(*form, "grp");
    pick(*form, "ComboBoxType1", "server-group");
    EXPECT_EQ(group->text(), "admins");
    // A server-group method needs its group's name.
    pick(*form, "ComboBoxType2", "server-group");
    const int before = s_sim->setCount();
    boxes.shown.clear();
    click(*form, "btnEdit");
    EXPECT_EQ(boxes.texts(), QStringList{"Method2 ServerGroup must be set."});
    EXPECT_EQ(s_sim->setCount(), before);
    // A method set to "other" is written so, and the switch drops it.
    pick(*form, "ComboBoxType2", "other");
    click(*form, "btnEdit");
    EXPECT_TRUE(s_sim->lastSet().contains(login(4, "grp") + "=2|9")) << s_sim->lastSet().join(' ').toStdString();
}

TEST_F(MethodListDialogs, TheDefaultListIsDeletedNeitherByDeleteNorByEdit)
{
    ASSERT_EQ(snmpset({login(2, "old"), "i", "6", login(10, "old"), "i", "4"}), 0);
    auto form = open<TLoginMethodListForm>();
    const int before = s_sim->setCount();
    select(*form, "default");
    EXPECT_FALSE(find<QPushButton>(*form, "btnDelete")->isEnabled());
    choose(*form, "RowStatusComboBox", "destroy");
    click(*form, "btnEdit");
    EXPECT_EQ(boxes.texts(), QStringList{"The method list named default can not be deleted."});
    EXPECT_EQ(s_sim->setCount(), before);

    select(*form, "old");
    EXPECT_TRUE(find<QPushButton>(*form, "btnDelete")->isEnabled());
    choose(*form, "RowStatusComboBox", "destroy");
    click(*form, "btnEdit");
    EXPECT_EQ(s_sim->lastSet(), (QStringList{login(2, "old") + "=2|6", login(10, "old") + "=2|6"}));
    EXPECT_TRUE(find<QTreeWidget>(*form, "ListView1")->findItems("old", Qt::MatchExactly, 0).isEmpty());
}

TEST_F(AacServerDialogs, ServerInformationAddsAndEditsWhatTheProtocolTakes)
{
    auto form = open<TServerInformationForm>();
    const auto server = [](int column) { return vendor("12.5.10.1") + QStringLiteral(".%1.10.0.0.9.3").arg(column); };
    const int before = s_sim->setCount();
    type(*form, "IPEdit", "10.0.0");
    click(*form, "btnAdd");
    type(*form, "IPEdit", "10.0.0.9");
    click(*form, "btnAdd");
    EXPECT_EQ(boxes.texts(), (QStringList{"Please input a valid ip", "Protocol must be set."}));
    EXPECT_EQ(s_sim->setCount(), before);

    // TACACS+ takes no retry count.
    type(*form, "RetryCEdit", "3");
    choose(*form, "ProtocolComboBox", "tacacs-plus");
    auto *retry = find<QLineEdit>(*form, "RetryCEdit");
    EXPECT_TRUE(retry->text().isEmpty());
    EXPECT_FALSE(retry->isEnabled());
    type(*form, "PortEdit", "49");
    type(*form, "KeyEdit", "k3y");
    type(*form, "TimeoutEdit", "7");
    click(*form, "btnAdd");
    EXPECT_EQ(s_sim->lastSet(),
              (QStringList{server(3) + "=2|49", server(4) + "=4|k3y", server(5) + "=2|7", server(7) + "=2|4"}));
    EXPECT_TRUE(find<QLineEdit>(*form, "IPEdit")->text().isEmpty());

    boxes.shown.clear();
    type(*form, "IPEdit", "10.0.0.9");
    choose(*form, "ProtocolComboBox", "tacacs-plus");
    choose(*form, "RowComboBox", "createAndGo");
    click(*form, "btnAdd");
    EXPECT_EQ(boxes.texts(), QStringList{"Has already a record with the same Server IP and Protocol. Please change "
                                         "Server IP or Protocol."});

    // Edit rewrites what the editor holds, without the row status.
    select(*form, "10.0.0.9");
    EXPECT_FALSE(find<QLineEdit>(*form, "IPEdit")->isEnabled());
    type(*form, "TimeoutEdit", "9");
    click(*form, "btnEdit");
    EXPECT_EQ(s_sim->lastSet(), (QStringList{server(3) + "=2|49", server(4) + "=4|k3y", server(5) + "=2|9"}));
}

TEST_F(AacServerDialogs, ServerControlAddsAServerToAGroup)
{
    auto form = open<TfrmACCServerCtrl>();
    const int before = s_sim->setCount();
    EXPECT_TRUE(find<QLineEdit>(*form, "edtGroupName")->text().isEmpty());
    click(*form, "btnSet");
    EXPECT_EQ(form->statusPanelText(), "Don't Leave Empty Fileds !");
    EXPECT_EQ(s_sim->setCount(), before);

    const QString state = vendor("12.5.12.1.4.6.116.97.99.97.99.115.10.0.0.5.3");
    const auto fill = [&] {
        type(*form, "edtGroupName", "tacacs");
        type(*form, "edtIPAddr", "10.0.0.5");
        choose(*form, "cbAuthProtocol", "tacacs-plus");
        choose(*form, "cbRowState", "add");
    };
    // A refused write keeps what was typed.
    ASSERT_TRUE(writesRefusedBelow(vendor("12.5.12")));
    fill();
    click(*form, "btnSet");
    faultsCleared();
    EXPECT_EQ(boxes.texts(), QStringList{"Set entry failed!"});
    EXPECT_EQ(find<QLineEdit>(*form, "edtGroupName")->text(), "tacacs");

    click(*form, "btnSet");
    EXPECT_EQ(s_sim->lastSet(), QStringList{state + "=2|1"});
    EXPECT_TRUE(form->statusPanelText().startsWith("Set: Ok!. Receive at ")) << form->statusPanelText().toStdString();
    EXPECT_TRUE(find<QLineEdit>(*form, "edtIPAddr")->text().isEmpty());
    EXPECT_EQ(value(state), "1");

    // A write that went through is no failure when the read after it fails.
    ASSERT_TRUE(readsRefusedBelow(vendor("12.5.12")));
    boxes.shown.clear();
    fill();
    type(*form, "edtIPAddr", "10.0.0.6");
    click(*form, "btnSet");
    faultsCleared();
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join(' ').toStdString();
    EXPECT_TRUE(form->statusPanelText().startsWith("Set: Ok!. Receive at ")) << form->statusPanelText().toStdString();
    EXPECT_TRUE(form->statusPanelText().contains("Reading the entries again failed")) << form->statusPanelText().toStdString();
}

} // namespace
