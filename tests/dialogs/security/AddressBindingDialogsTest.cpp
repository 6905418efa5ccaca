// The IP-MAC binding, port-security delete, guest VLAN and DHCP relay dialogs
// against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/security/TBOOTCtrlTableForm.h"
#include "dialogs/security/TGuestVlanForm.h"
#include "dialogs/security/TIPMACBindingForm.h"
#include "dialogs/security/TNewBootpCtrlForm.h"
#include "dialogs/security/TPrtSecDelCtrlForm.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using AddressBindingDialogs = DedicatedDialogTest;

TEST_F(AddressBindingDialogs, IpMacBindingChecksItsKeysAndDeletesByMacAndStatus)
{
    auto form = open<TIPMACBindingForm>();
    QStringList buttons;
    for (const QPushButton *button : form->findChildren<QPushButton *>())
        buttons << button->text();
    EXPECT_EQ(buttons, (QStringList{"Refresh", "Edit", "Add", "Delete", "Close"}));
    const int before = s_sim->setCount();
    type(*form, "edtIpAddr", "10.1.1");
    click(*form, "btnAdd");
    type(*form, "edtIpAddr", "10.1.1.5");
    type(*form, "edtMacAddr", "00112233445");
    click(*form, "btnAdd");
    EXPECT_EQ(boxes.texts(), (QStringList{"Please input a valid ip", "Invalid MAC address"}));
    EXPECT_EQ(s_sim->setCount(), before);

    type(*form, "edtMacAddr", "001122334455");
    find<QCheckBox>(*form, "CheckBox2")->setChecked(true);
    choose(*form, "cbxMode", "auto");
    click(*form, "btnAdd");
    const QString row = vendor("12.23.4.1.1") + QStringLiteral(".%1.10.1.1.5");
    ASSERT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(s_sim->lastSet(), (QStringList{row.arg(2) + "=4x|001122334455", row.arg(3) + "=2|4",
                                             row.arg(4) + "=4x|4000000000000000", row.arg(6) + "=2|3"}));
    EXPECT_EQ(find<QComboBox>(*form, "cbxMode")->currentText(), "arp");

    find<QTreeWidget>(*form, "ListView1")->topLevelItem(0)->setSelected(true);
    EXPECT_FALSE(find<QLineEdit>(*form, "edtIpAddr")->isEnabled());
    // The action only shows, whatever the user clicks.
    EXPECT_FALSE(find<QComboBox>(*form, "cbxActive")->isEnabled());
    click(*form, "btnRefresh");
    EXPECT_FALSE(find<QComboBox>(*form, "cbxActive")->isEnabled());
    find<QTreeWidget>(*form, "ListView1")->topLevelItem(0)->setSelected(true);
    EXPECT_FALSE(find<QComboBox>(*form, "cbxActive")->isEnabled());
    click(*form, "btnDelete");
    EXPECT_EQ(s_sim->lastSet(), (QStringList{row.arg(2) + "=4x|001122334455", row.arg(3) + "=2|6"}));
    EXPECT_EQ(find<QTreeWidget>(*form, "ListView1")->topLevelItemCount(), 0);
}

TEST_F(AddressBindingDialogs, PortSecurityDeleteTakesAPortOfTheUnitAndForgetsTheAddress)
{
    const QString scalar = vendor("11.63.7.2.15.3.%1.0");
    ASSERT_EQ(snmpset({scalar.arg(2), "i", "65"}), 0);
    auto form = open<TPrtSecDelCtrlForm>();
    EXPECT_EQ(find<QLineEdit>(*form, "PortEdit")->text(), "1"); // unit 2, port 1
    EXPECT_EQ(find<QLineEdit>(*form, "UnitEdit")->text(), "2");

    const int before = s_sim->setCount();
    type(*form, "edtVlan", "default");
    type(*form, "PortEdit", "29");
    type(*form, "edtMac", "025056000001");
    click(*form, "btnSet");
    EXPECT_EQ(boxes.texts(), QStringList{"You should input valid port."});
    // A port the unit does not have shows as unit 0, port 0; no number stays as typed.
    EXPECT_EQ(find<QLineEdit>(*form, "PortEdit")->text(), "0");
    EXPECT_EQ(find<QLineEdit>(*form, "UnitEdit")->text(), "0");
    type(*form, "PortEdit", "x");
    click(*form, "btnSet");
    EXPECT_EQ(find<QLineEdit>(*form, "PortEdit")->text(), "x");
    EXPECT_EQ(s_sim->setCount(), before);

    // The first learnt address of the simulator's forwarding database, on port 2.
    const QString learnt = QStringLiteral("1.3.6.1.2.1.17.7.1.2.2.1.2.1.2.80.86.0.0.1");
    ASSERT_EQ(value(learnt), "2");
    type(*form, "PortEdit", "2");
    click(*form, "btnSet");
    EXPECT_EQ(s_sim->lastSet(), (QStringList{scalar.arg(1) + "=4|default", scalar.arg(2) + "=2|2",
                                             scalar.arg(3) + "=4x|025056000001", scalar.arg(4) + "=2|2"}));
    EXPECT_NE(value(learnt), "2");
    EXPECT_EQ(find<QComboBox>(*form, "cbxOper")->currentText(), "none");
}

TEST_F(AddressBindingDialogs, GuestVlanSetsNameAndPortsAndDeletesThem)
{
    auto form = open<TGuestVlanForm>();
    type(*form, "edtName", "guests");
    find<QCheckBox>(*form, "CheckBox5")->setChecked(true);
    click(*form, "btnSet");
    EXPECT_EQ(s_sim->lastSet(), (QStringList{vendor("12.30.1.1.0=4|guests"), vendor("12.30.1.2.0=4x|0800000000000000")}));
    click(*form, "btnDelete");
    EXPECT_EQ(s_sim->lastSet(), QStringList{vendor("12.30.1.3.0=2|2")});
    EXPECT_TRUE(find<QLineEdit>(*form, "edtName")->text().isEmpty());
    EXPECT_FALSE(find<QCheckBox>(*form, "CheckBox5")->isChecked());
}

TEST_F(AddressBindingDialogs, DhcpRelayTakesFourServersAnInterfaceAndDeletesTheSelectedOne)
{
    const QString status = vendor("12.42.3.1.1.3.6.83.121.115.116.101.109.10.0.0.%1");
    for (int server = 1; server <= 4; ++server)
        ASSERT_EQ(snmpset({status.arg(server), "i", "4"}), 0);
    auto form = open<TBOOTCtrlTableForm>();
    form->newEntryForm()->setMessages(boxes.messages());
    auto *list = find<QTreeWidget>(*form, "ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 4);
    const int before = s_sim->setCount();
    click(*form, "btnDelete");

    form->setModalRunner([&](QDialog &entry) {
        entry.show();
        click(entry, "btnSet");
        type(entry, "Edit1", "System");
        type(entry, "Edit2", "10.0.0");
        click(entry, "btnSet");
        type(entry, "Edit2", "10.0.0.9");
        click(entry, "btnSet");
        type(entry, "Edit1", "Other");
        click(entry, "btnSet");
        return entry.result();
    });
    click(*form, "btnAdd");
    EXPECT_EQ(boxes.texts(), (QStringList{"Choose the item first.", "Interface Name is needed.",
                                          "Please input a valid ip", "Please input a valid IP address.",
                                          "One interface can support four bootp servers at most."}));
    ASSERT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(s_sim->lastSet(), QStringList{vendor("12.42.3.1.1.3.5.79.116.104.101.114.10.0.0.9=2|4")});
    ASSERT_EQ(list->topLevelItemCount(), 5);

    // Delete goes to the selected server, whatever the new-entry window holds.
    list->topLevelItem(0)->setSelected(true);
    type(*form->newEntryForm(), "Edit2", "10.0.0.9");
    click(*form, "btnDelete");
    EXPECT_EQ(s_sim->lastSet(), QStringList{vendor("12.42.3.1.1.3.5.79.116.104.101.114.10.0.0.9=2|6")});

    // A walk that fails says so in the memo.
    ASSERT_TRUE(readsRefusedBelow(vendor("12.42.3.1.1")));
    click(*form, "btnRefresh");
    faultsCleared();
    const QString last = form->Memo1()->toPlainText().split('\n').last();
    EXPECT_TRUE(last.startsWith("Get: ") && !last.contains("Ok")) << last.toStdString();
}

} // namespace
