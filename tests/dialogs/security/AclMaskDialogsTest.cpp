// The access-profile mask dialogs and their CPU-filter twins against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/security/TCPUEthernetInformationForm.h"
#include "dialogs/security/TEthernetMaskInformationForm.h"
#include "dialogs/security/TIPMaskInformationForm.h"
#include "dialogs/security/TUserMaskInfoForm.h"

#include <QTreeWidget>

namespace {

using AclMaskDialogs = DedicatedDialogTest;

QString ethernet(int column, int id)
{
    return DedicatedDialogTest::vendor("12.9.2.1.1") + QStringLiteral(".%1.%2").arg(column).arg(id);
}
QString ip(int column, int id)
{
    return DedicatedDialogTest::vendor("12.9.2.2.1") + QStringLiteral(".%1.%2").arg(column).arg(id);
}

// The columns a SET carried, in order.
QList<int> columnsSent(const QStringList &set)
{
    QList<int> columns;
    for (const QString &binding : set)
        columns << binding.section(QLatin1Char('='), 0, 0).section(QLatin1Char('.'), -2, -2).toInt();
    return columns;
}

TEST_F(AclMaskDialogs, EthernetAddChecksInOrderAndSendsTheMasksItsStateUses)
{
    auto form = open<TEthernetMaskInformationForm>();
    const int before = s_sim->setCount();
    click(*form, "AddBtn");
    choose(*form, "RowStatusComBo", "createAndGo");
    click(*form, "AddBtn");
    type(*form, "IDEdit", "5");
    choose(*form, "MacMaskStateComBo", "dst-mac-addr");
    type(*form, "MacMaskDstEdit", "0050BA00000");
    type(*form, "MacAddMaskSourceEdit", "not checked");
    click(*form, "AddBtn");
    EXPECT_EQ(boxes.texts(),
              (QStringList{"Row Status must be createAndGo.", "Mask ID must be set", "Invalid MAC Address"}));
    EXPECT_EQ(s_sim->setCount(), before);

    // The source mask the state does not use stays out.
    type(*form, "MacMaskDstEdit", "FFFFFFFFFFFF");
    click(*form, "AddBtn");
    ASSERT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(columnsSent(s_sim->lastSet()), (QList<int>{2, 3, 5, 6, 7, 8}));
    EXPECT_TRUE(s_sim->lastSet().contains(ethernet(5, 5) + "=4x|ffffffffffff"));
    EXPECT_TRUE(find<QLineEdit>(*form, "IDEdit")->text().isEmpty());

    // State "other": no masks at all.
    boxes.shown.clear();
    type(*form, "IDEdit", "5");
    click(*form, "AddBtn");
    EXPECT_EQ(boxes.texts(), QStringList{"There is already a record with the same Ethernet Mask ID. Please modified it."});
    type(*form, "IDEdit", "6");
    choose(*form, "MacMaskStateComBo", "other");
    type(*form, "MacMaskDstEdit", "FFFFFFFFFFFF");
    click(*form, "AddBtn");
    EXPECT_EQ(columnsSent(s_sim->lastSet()), (QList<int>{2, 6, 7, 8}));
    EXPECT_EQ(s_sim->lastSet().last(), ethernet(8, 6) + "=2|4");

    // Delete: the row status alone; the list keeps every column.
    find<QTreeWidget>(*form, "ListView1")->topLevelItem(0)->setSelected(true);
    click(*form, "BT_Delete");
    EXPECT_EQ(s_sim->lastSet(), QStringList{ethernet(8, 5) + "=2|6"});
    auto *list = find<QTreeWidget>(*form, "ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "6");
    // The status list shows what the delete carried.
    EXPECT_EQ(find<QComboBox>(*form, "RowStatusComBo")->currentText(), "destroy");
}

TEST_F(AclMaskDialogs, IpMaskSendsWhatItsProtocolUsesAndTheProtocolIdAsItsValue)
{
    auto form = open<TIPMaskInformationForm>();
    const int before = s_sim->setCount();
    type(*form, "IPIDEdit", "7");
    choose(*form, "RowStatusComBo", "createAndGo");
    choose(*form, "UseProTypeComBo", "tcp");
    choose(*form, "TCPOptionComBo", "dst-addr");
    type(*form, "TCPUDPDstPortMaskEdit", "0FF");
    click(*form, "BT_Add");
    EXPECT_EQ(boxes.texts(), QStringList{"Invalid Mask!"});
    type(*form, "TCPUDPDstPortMaskEdit", "00FF");
    click(*form, "BT_Add");
    ASSERT_EQ(s_sim->setCount(), before + 1);
    // Use VLAN, Use DSCP, the protocol, the TCP option, its port mask, the flag bit, the row status.
    EXPECT_EQ(columnsSent(s_sim->lastSet()), (QList<int>{2, 6, 7, 10, 13, 14, 19}));
    EXPECT_TRUE(s_sim->lastSet().contains(ip(13, 7) + "=4x|00ff"));

    // Two hexadecimal digits of protocol ID travel as their value.
    type(*form, "IPIDEdit", "8");
    choose(*form, "UseProTypeComBo", "protocolId");
    choose(*form, "ProOptionComBo", "enable");
    type(*form, "ProIDMaskEdit", "1F");
    click(*form, "BT_Add");
    ASSERT_EQ(s_sim->setCount(), before + 2);
    EXPECT_TRUE(s_sim->lastSet().contains(ip(17, 8) + "=2|31")) << s_sim->lastSet().join(' ').toStdString();
    auto *list = find<QTreeWidget>(*form, "ListView1");
    list->topLevelItem(1)->setSelected(true);
    EXPECT_EQ(find<QLineEdit>(*form, "ProIDMaskEdit")->text(), "1F");
}

TEST_F(AclMaskDialogs, PacketChunksAreHexOnlyAndTheCpuTwinTakesItsOwnRange)
{
    auto form = open<TUserMaskInfoForm>();
    const int before = s_sim->setCount();
    type(*form, "Edit1", "3");
    type(*form, "Edit5", "00FF");
    type(*form, "Edit3", "00F0G");
    click(*form, "AddButton");
    EXPECT_EQ(boxes.texts(), QStringList{"Filtered Port(s) [16 to 31] can not contain invalid character(s)."});
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_EQ(find<QLineEdit>(*form, "Edit3")->text(), "00F0G");
    type(*form, "Edit3", "");
    click(*form, "AddButton");
    ASSERT_EQ(s_sim->setCount(), before + 1);
    const QString chunk = vendor("12.9.2.3.1.2.3");
    EXPECT_EQ(s_sim->lastSet(), (QStringList{chunk + "=4x|00ff", vendor("12.9.2.3.1.7.3=2|4")}));
    EXPECT_EQ(find<QLabel>(*form, "Static")->text(), "1");

    auto cpu = open<TCPUEthernetInformationForm>();
    const QxEditFormat *id = cpu->tableBinding()->constraint().format(find<QLineEdit>(*cpu, "IDEdit"));
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id->integerMaximum(), 3);
}

} // namespace
