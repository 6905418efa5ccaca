// The static filtering and member-switch dialogs against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "device/TPortUitForm.h"
#include "dialogs/switching/TMSEditForm.h"
#include "dialogs/switching/TMSInformationForm.h"
#include "dialogs/switching/TMulticastFilterInformationForm.h"
#include "dialogs/switching/TUnicastFilterInformationForm.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using StaticFilterDialogs = DedicatedDialogTest;

// VLAN 1, MAC 00-50-BA-00-00-07, receive port 0.
const QString kEntry = QStringLiteral("1.0.80.186.0.0.7.0");
const QString kUnicast = QStringLiteral("1.3.6.1.2.1.17.7.1.3.1.1");
const QString kMulticast = QStringLiteral("1.3.6.1.2.1.17.7.1.3.2.1");

void tickPorts(const QWidget &form, std::initializer_list<int> ports)
{
    const QList<QCheckBox *> &boxes = form.findChild<TPortUitForm *>()->checkBoxes();
    for (int port : ports)
        boxes.at(port - 1)->setChecked(true);
}

void selectFirst(const QWidget &form, const char *list)
{
    auto *view = form.findChild<QTreeWidget *>(list);
    ASSERT_GT(view->topLevelItemCount(), 0);
    view->topLevelItem(0)->setSelected(true);
}

TEST_F(StaticFilterDialogs, UnicastAddTakesOnePortAndDeleteSendsTheStatusAlone)
{
    auto form = open<TUnicastFilterInformationForm>();
    ASSERT_TRUE(idle(form->filterBinding()));
    const int before = s_sim->setCount();

    type(*form, "ED_UnicastVID", "1");
    type(*form, "UnicastAddress", "0050BA0007");
    choose(*form, "UStatus", "permanent");
    click(*form, "SetBtn");
    type(*form, "UnicastAddress", "0050BA000007");
    tickPorts(*form, {3, 5});
    click(*form, "SetBtn");
    EXPECT_EQ(boxes.texts(), (QStringList{"Please enter a hex string whose length is 12!",
                                          "Allow To Go To Port just for one Port."}));
    EXPECT_EQ(s_sim->setCount(), before);

    form->findChild<TPortUitForm *>()->checkBoxes().at(4)->setChecked(false);
    click(*form, "SetBtn");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return s_sim->setCount() == before + 1; }))
        << boxes.shown.join(" / ").toStdString() << form->Memo1()->toPlainText().toStdString();
    EXPECT_EQ(s_sim->lastSet(), (QStringList{kUnicast + ".3." + kEntry + "=4x|2000000000000000",
                                             kUnicast + ".4." + kEntry + "=2|3"}));
    ASSERT_TRUE(idle(form->filterBinding()));

    selectFirst(*form, "LV_dot1qStaticUnicastEntry");
    click(*form, "DeleteBtn");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return s_sim->setCount() == before + 2; }));
    EXPECT_EQ(s_sim->lastSet(), QStringList{kUnicast + ".4." + kEntry + "=2|2"});
}

TEST_F(StaticFilterDialogs, MulticastSetSendsTheEgressPortsAndAddNeedsItsKeys)
{
    auto form = open<TMulticastFilterInformationForm>();
    ASSERT_TRUE(idle(form->filterBinding()));
    const int before = s_sim->setCount();
    choose(*form, "Status", "permanent");
    click(*form, "AddBtn");
    EXPECT_EQ(boxes.texts(), QStringList{"Please input VID and MAC Address!"});
    EXPECT_EQ(s_sim->setCount(), before);

    type(*form, "ED_MulticastVID", "1");
    type(*form, "ED_MACAddress", "0050BA000007");
    tickPorts(*form, {1});
    click(*form, "AddBtn");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return s_sim->setCount() == before + 1; }));
    ASSERT_TRUE(idle(form->filterBinding()));

    selectFirst(*form, "LV_dot1qStaticMulticastEntry");
    tickPorts(*form, {2});
    click(*form, "SetBtn");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return s_sim->setCount() == before + 2; }));
    EXPECT_EQ(s_sim->lastSet(), QStringList{kMulticast + ".3." + kEntry + "=4x|c000000000000000"});
    ASSERT_TRUE(idle(form->filterBinding()));

    selectFirst(*form, "LV_dot1qStaticMulticastEntry");
    click(*form, "btnDelete");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return s_sim->setCount() == before + 3; }));
    EXPECT_EQ(s_sim->lastSet(), (QStringList{kMulticast + ".3." + kEntry + "=4x|c000000000000000",
                                             kMulticast + ".5." + kEntry + "=2|2"}));
}

TEST_F(StaticFilterDialogs, MemberSwitchAddChecksItsIdsAndDeleteNeedsARow)
{
    auto form = open<TMSInformationForm>();
    ASSERT_TRUE(idle(form->memberBinding()));
    const int before = s_sim->setCount();
    // Without a selection there is nothing to delete.
    EXPECT_FALSE(find<QPushButton>(*form, "DeleteButton")->isEnabled());

    TMSEditForm *add = form->editForm();
    add->setMessages(boxes.messages());
    form->setModalRunner([&](QDialog &window) {
        window.show();
        click(window, "btnSet");
        type(window, "MSIDEdit", "3");
        click(window, "btnSet");
        type(window, "KeyIDEdit", "5");
        type(window, "MS_Password", "secret");
        click(window, "btnSet");
        TestSupport::waitUntil([&] { return !window.isVisible(); });
        return window.result();
    });
    click(*form, "AddButton");
    EXPECT_EQ(boxes.texts(), (QStringList{"Member Siwitch ID is needed.", "Member Candidate ID is needed."}));
    ASSERT_TRUE(idle(form->memberBinding()));
    EXPECT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(s_sim->lastSet().size(), 3);
    EXPECT_TRUE(s_sim->lastSet().contains(vendor("12.8.1.3.1.10.3=2|4")));
    ASSERT_EQ(find<QTreeWidget>(*form, "ListView1")->topLevelItemCount(), 1);

    // The same ID again is refused before anything is sent.
    boxes.shown.clear();
    form->setModalRunner([&](QDialog &window) {
        window.show();
        // The last member's password is neither carried over nor shown.
        EXPECT_TRUE(find<QLineEdit>(window, "MS_Password")->text().isEmpty());
        EXPECT_EQ(find<QLineEdit>(window, "MS_Password")->echoMode(), QLineEdit::Password);
        type(window, "MSIDEdit", "3");
        type(window, "KeyIDEdit", "6");
        click(window, "btnSet");
        return 0;
    });
    click(*form, "AddButton");
    EXPECT_EQ(boxes.texts(), QStringList{"There is already a record with the same Member Switch ID. Please modified it."});
    ASSERT_TRUE(idle(form->memberBinding()));
    EXPECT_EQ(s_sim->setCount(), before + 1);

    selectFirst(*form, "ListView1");
    click(*form, "DeleteButton");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return s_sim->setCount() == before + 2; }));
    EXPECT_EQ(s_sim->lastSet(), QStringList{vendor("12.8.1.3.1.10.3=2|6")});
    EXPECT_TRUE(TestSupport::waitUntil([&] { return find<QTreeWidget>(*form, "ListView1")->topLevelItemCount() == 0; }));
}

} // namespace
