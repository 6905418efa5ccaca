// The access-rule dialogs and their CPU-filter twins against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "device/TPortUitForm.h"
#include "dialogs/security/TCPUEthernetInformationRuleForm.h"
#include "dialogs/security/TCPUIPRuleForm.h"
#include "dialogs/security/TCPUUserMaskRuleForm.h"
#include "dialogs/security/TEthernetInformationRuleForm.h"
#include "dialogs/security/TIPRuleForm.h"
#include "dialogs/security/TUserDefinedInformationRuleForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class AclRuleDialogs : public DedicatedDialogTest
{
protected:
    // A mask of the table (its entry under EnterpriseBase), made on the agent.
    static void makeMask(const char *table, int id, int rowStatusColumn, const QStringList &more = {})
    {
        const QString row = vendor(table) + QStringLiteral(".%1.") + QString::number(id);
        ASSERT_EQ(snmpset(more + QStringList{row.arg(rowStatusColumn), "i", "4"}), 0);
    }
    static QString rule(const char *table, int column, int profile, int access)
    {
        return vendor(table) + QStringLiteral(".%1.%2.%3").arg(column).arg(profile).arg(access);
    }
    static void tick(const QWidget &dialog, const char *box) { find<QCheckBox>(dialog, box)->setChecked(true); }
    static void select(const QWidget &dialog, int row)
    {
        find<QTreeWidget>(dialog, "ListView1")->topLevelItem(row)->setSelected(true);
    }
    // The columns a SET carried, in order.
    static QList<int> columnsSent()
    {
        QList<int> columns;
        for (const QString &binding : s_sim->lastSet())
            columns << binding.section(QLatin1Char('='), 0, 0).section(QLatin1Char('.'), -3, -3).toInt();
        return columns;
    }
};

constexpr const char *kEthernetRule = "12.9.3.1.1";

TEST_F(AclRuleDialogs, EthernetRuleSendsTheTickedFieldsThePortsAndTheStatus)
{
    auto form = open<TEthernetInformationRuleForm>();
    const int before = s_sim->setCount();
    type(*form, "MaskIDEdit", "5");
    type(*form, "AccessEdit", "7");
    click(*form, "BT_Add");
    tick(*form, "cbxRow");
    tick(*form, "cbxSource");
    tick(*form, "cbxRxRate");
    click(*form, "BT_Add");
    type(*form, "SourceMACEdit", "00112233445");
    type(*form, "RxRateEdit", "156250");
    click(*form, "BT_Add");
    type(*form, "SourceMACEdit", "001122334455");
    click(*form, "BT_Add");
    EXPECT_EQ(boxes.texts(), (QStringList{"Row State must be checked and set to createAndGo.",
                                          "Some check field is empty", "Invalid MAC Address",
                                          "Rx Rate should between 0-156249"}));
    EXPECT_EQ(s_sim->setCount(), before);

    // No mask 5 yet: the switch refuses the rule and the input stays.
    find<QCheckBox>(*form, "cbxRxRate")->setChecked(false);
    find<QCheckBox>(*form, "CheckBox1")->setChecked(true);
    find<QCheckBox>(*form, "CheckBox3")->setChecked(true);
    click(*form, "BT_Add");
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_TRUE(form->statusPanelText().startsWith("Set: ")) << form->statusPanelText().toStdString();
    EXPECT_EQ(find<QLineEdit>(*form, "SourceMACEdit")->text(), "001122334455");
    EXPECT_TRUE(find<QCheckBox>(*form, "cbxSource")->isChecked());

    // Under the mask: the ticked fields, the ports 1 and 3 (bits 0 and 2), the status.
    makeMask("12.9.2.1.1", 5, 8);
    click(*form, "BT_Add");
    ASSERT_EQ(s_sim->setCount(), before + 2);
    EXPECT_EQ(s_sim->lastSet(), (QStringList{rule(kEthernetRule, 4, 5, 7) + "=4x|001122334455",
                                             rule(kEthernetRule, 14, 5, 7) + "=4x|a000000000000000",
                                             rule(kEthernetRule, 15, 5, 7) + "=2|4"}));
    EXPECT_FALSE(find<QCheckBox>(*form, "cbxSource")->isChecked());
    EXPECT_FALSE(find<QCheckBox>(*form, "CheckBox1")->isChecked());
    EXPECT_EQ(find<QLabel>(*form, "StaticText1")->text(), "1");

    // The same keys again; then the Ethernet type as two octets.
    boxes.shown.clear();
    type(*form, "MaskIDEdit", "5");
    type(*form, "AccessEdit", "7");
    tick(*form, "cbxRow");
    click(*form, "BT_Add");
    type(*form, "AccessEdit", "8");
    tick(*form, "cbxEtherType");
    type(*form, "EthTypeEdit", "08");
    click(*form, "BT_Add");
    type(*form, "EthTypeEdit", "0800");
    click(*form, "BT_Add");
    EXPECT_EQ(boxes.texts(),
              (QStringList{"Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
                           "Invalid Ethernet Type"}));
    EXPECT_EQ(columnsSent(), (QList<int>{7, 14, 15}));
    EXPECT_EQ(s_sim->lastSet().first(), rule(kEthernetRule, 7, 5, 8) + "=4x|0800");

    // Delete: the row status alone, at the selected rule.
    select(*form, 0);
    EXPECT_EQ(find<QLineEdit>(*form, "AccessEdit")->text(), "7");
    EXPECT_FALSE(find<QLineEdit>(*form, "AccessEdit")->isEnabled());
    click(*form, "BT_Delete");
    EXPECT_EQ(s_sim->lastSet(), QStringList{rule(kEthernetRule, 15, 5, 7) + "=2|6"});
    EXPECT_EQ(find<QLabel>(*form, "StaticText1")->text(), "1");
}

TEST_F(AclRuleDialogs, IpRuleSendsOnlyTheMatchFieldsItsProtocolUses)
{
    constexpr const char *table = "12.9.3.2.1";
    makeMask("12.9.2.2.1", 4, 19, {vendor("12.9.2.2.1.7.4"), "i", "4"}); // tcp
    auto form = open<TIPRuleForm>();
    type(*form, "IPRuleEdit", "4");
    type(*form, "AccessIDEdit", "1");
    click(*form, "btnCheckAll");
    for (const auto &[edit, text] : {std::pair{"VlanEdit", "v1"}, {"SourceIPEdit", "10.0.0.1"},
                                     {"DestIPEdit", "10.0.0.2"}, {"DSCPEdit", "5"}, {"SourcePortEdit", "80"},
                                     {"DestPortEdit", "81"}, {"FlagEdit", "3"}, {"ProtocolIDEdit", "6"},
                                     {"PriorityEdit", "3"}, {"RxRateEdit", "1000"}})
        type(*form, edit, text);
    click(*form, "BT_Add");
    choose(*form, "EnablePriorityComboBox", "enabled");
    choose(*form, "ReplaceComboBox", "disabled");
    type(*form, "DestIPEdit", "10.0.0");
    click(*form, "BT_Add");
    type(*form, "DestIPEdit", "10.0.0.2");
    choose(*form, "ProtocolComboBox", "udp");
    click(*form, "BT_Add");
    EXPECT_EQ(boxes.texts(), (QStringList{"Some checked field is empty", "Please input a valid ip"}));
    // Neither flag bits (12) nor protocol ID (13), nor the mask's protocol (7).
    EXPECT_EQ(columnsSent(), (QList<int>{3, 4, 5, 6, 10, 11, 15, 16, 17, 20, 21, 22, 24}));

    // The rule's protocol is its mask's; a listed rule's cannot be chosen.
    select(*form, 0);
    EXPECT_EQ(find<QComboBox>(*form, "ProtocolComboBox")->currentText(), "tcp");
    EXPECT_FALSE(find<QCheckBox>(*form, "cbxProtocol")->isEnabled());
    find<QTreeWidget>(*form, "ListView1")->clearSelection();
    EXPECT_TRUE(find<QCheckBox>(*form, "cbxProtocol")->isEnabled());
    EXPECT_TRUE(find<QLineEdit>(*form, "IPRuleEdit")->text().isEmpty());

    // Without the protocol box what is ticked goes.
    type(*form, "IPRuleEdit", "4");
    type(*form, "AccessIDEdit", "2");
    tick(*form, "cbxRow");
    choose(*form, "RowComboBox", "createAndGo"); // the listed rule's "active" was shown
    tick(*form, "cbxFBs");
    type(*form, "FlagEdit", "9");
    click(*form, "BT_Add");
    EXPECT_EQ(columnsSent(), (QList<int>{12, 21, 22}));
    EXPECT_EQ(s_sim->lastSet().first(), rule(table, 12, 4, 2) + "=2|9");
}

TEST_F(AclRuleDialogs, PacketRuleDataIsHexAndUntickedWordsStayOut)
{
    constexpr const char *table = "12.9.3.9.1";
    makeMask("12.9.2.3.1", 6, 7);
    auto form = open<TUserDefinedInformationRuleForm>();
    const int before = s_sim->setCount();
    type(*form, "ProfileIDEdit", "6");
    type(*form, "AccessIDEdit", "1");
    tick(*form, "cbxOffsetIndex2");
    tick(*form, "cbxData2");
    type(*form, "OffsetIndex2Edit", "12");
    type(*form, "Data2Edit", "1g");
    type(*form, "OffsetData1Edit", "FFFF"); // not ticked
    click(*form, "BT_Add");
    EXPECT_EQ(boxes.texts(), QStringList{"Packet(s) Offset can not contain invalid character(s)."});
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_EQ(find<QLineEdit>(*form, "Data2Edit")->text(), "1g");
    EXPECT_TRUE(find<QCheckBox>(*form, "cbxData2")->isChecked());

    // Without the row box the rule goes without a status, which the switch refuses.
    type(*form, "Data2Edit", "0a0b");
    click(*form, "BT_Add");
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_EQ(find<QLineEdit>(*form, "Data2Edit")->text(), "0a0b");

    tick(*form, "cbxRow");
    click(*form, "BT_Add");
    ASSERT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(s_sim->lastSet(),
              (QStringList{rule(table, 11, 6, 1) + "=2|12", rule(table, 13, 6, 1) + "=4x|0a0b",
                           rule(table, 30, 6, 1) + "=4x|0000000000000000", rule(table, 33, 6, 1) + "=2|4"}));

    // A rule that denies has no priority to set.
    ASSERT_EQ(snmpset({rule(table, 29, 6, 1), "i", "1"}), 0);
    click(*form, "BT_Get");
    select(*form, 0);
    EXPECT_FALSE(find<QLineEdit>(*form, "PriorityEdit")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>(*form, "cbxReplace")->isEnabled());
    EXPECT_TRUE(find<QLineEdit>(*form, "OffsetMask1Edit")->isReadOnly());
}

TEST_F(AclRuleDialogs, CpuTwinsTakeTheirRangesAndEditInPlace)
{
    auto ip = open<TCPUIPRuleForm>();
    const QxEditFormat *profile = ip->tableBinding()->constraint().format(find<QLineEdit>(*ip, "IPRuleEdit"));
    const QxEditFormat *access = ip->tableBinding()->constraint().format(find<QLineEdit>(*ip, "AccessIDEdit"));
    ASSERT_TRUE(profile && access);
    EXPECT_EQ(profile->integerMaximum(), 3);
    EXPECT_EQ(access->integerMaximum(), 5);

    // Ethernet: Edit sends the ticked fields; a ticked "destroy" removes the rule.
    constexpr const char *ethernet = "12.9.5.1.1";
    makeMask("12.9.4.1.1", 2, 8);
    ASSERT_EQ(snmpset({rule(ethernet, 9, 2, 3), "i", "4"}), 0);
    auto form = open<TCPUEthernetInformationRuleForm>();
    EXPECT_FALSE(find<QPushButton>(*form, "EditButton")->isEnabled());
    select(*form, 0);
    tick(*form, "cbxIEEE802dot1P");
    type(*form, "IEEE8021pEdit", "6");
    click(*form, "EditButton");
    EXPECT_EQ(s_sim->lastSet(),
              (QStringList{rule(ethernet, 6, 2, 3) + "=2|6", rule(ethernet, 10, 2, 3) + "=4x|0000000000000000"}));
    select(*form, 0);
    tick(*form, "cbxRow");
    choose(*form, "RowComboBox", "destroy");
    click(*form, "EditButton");
    EXPECT_EQ(s_sim->lastSet(), QStringList{rule(ethernet, 9, 2, 3) + "=2|6"});
    EXPECT_EQ(find<QTreeWidget>(*form, "ListView1")->topLevelItemCount(), 0);

    // Packet content: no port ticked, no port list; an edited chunk is hex-checked too.
    constexpr const char *packet = "12.9.5.3.1";
    makeMask("12.9.4.3.1", 3, 7);
    auto chunks = open<TCPUUserMaskRuleForm>();
    // The port picker's boxes carry the chunk boxes' names; the editor's come first.
    const auto chunkBox = [&chunks](int chunk) {
        return chunks->findChildren<QCheckBox *>(QStringLiteral("CheckBox%1").arg(chunk)).first();
    };
    type(*chunks, "ProfileID_Edit", "3");
    type(*chunks, "AccessID_Edit", "0");
    tick(*chunks, "StatusCBox");
    chunkBox(1)->setChecked(true);
    type(*chunks, "Edit1", "00ff");
    click(*chunks, "BT_Add");
    EXPECT_EQ(s_sim->lastSet(), (QStringList{rule(packet, 3, 3, 0) + "=4x|00ff", rule(packet, 9, 3, 0) + "=2|4"}));
    const int before = s_sim->setCount();
    select(*chunks, 0);
    chunkBox(1)->setChecked(true);
    type(*chunks, "Edit1", "GG");
    click(*chunks, "OperButton");
    EXPECT_EQ(boxes.texts(), QStringList{"Packet(s) Offset [0 to 15] can not contain invalid character(s)."});
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_EQ(find<QLineEdit>(*chunks, "Edit1")->text(), "GG");

    // Edit writes the port list as shown: no port ticked clears the rule's ports.
    ASSERT_EQ(snmpset({rule(packet, 10, 3, 0), "x", "4000000000000000"}), 0);
    click(*chunks, "BT_Get");
    select(*chunks, 0);
    chunks->findChild<TPortUitForm *>()->ClearAll();
    type(*chunks, "Edit1", "00ff");
    click(*chunks, "OperButton");
    EXPECT_TRUE(s_sim->lastSet().contains(rule(packet, 10, 3, 0) + "=4x|0000000000000000"))
        << s_sim->lastSet().join(' ').toStdString();
}

} // namespace
