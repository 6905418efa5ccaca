// The LLDP dialogs against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/switching/TLLDPConfigVLANNameForm.h"
#include "dialogs/switching/TLLDPPortConfigForm.h"
#include "dialogs/switching/TLldpTlvSelectionForm.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

using LldpDialogs = DedicatedDialogTest;

const QString kPortTlvs = QStringLiteral("1.0.8802.1.1.2.1.1.6.1.4");

TEST_F(LldpDialogs, TlvSelectionSetsTheNamesAndEditWritesThemAsTheBitMap)
{
    snmpset({kPortTlvs + ".2", "x", "C0"});
    auto form = open<TLLDPPortConfigForm>();
    ASSERT_TRUE(idle(form->tableBinding()));
    auto *list = find<QTreeWidget>(*form, "ListView1");
    EXPECT_EQ(list->topLevelItem(1)->text(3), " Port Description,System Name");
    list->topLevelItem(1)->setSelected(true);

    // A click on the TLV edit opens the selection; "Set Checked" writes the names.
    form->setModalRunner([&](QDialog &selection) {
        selection.show();
        EXPECT_TRUE(find<QCheckBox>(selection, "CheckBox1")->isChecked());
        find<QCheckBox>(selection, "CheckBox1")->setChecked(false);
        find<QCheckBox>(selection, "CheckBox4")->setChecked(true);
        click(selection, "btnSetChecked");
        return selection.result();
    });
    QLineEdit *tlvs = find<QLineEdit>(*form, "TLVsEdit");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 4), QPointF(4, 4), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(tlvs, &press);
    EXPECT_EQ(tlvs->text(), " System Name,System Capabilities");

    int reads = 0;
    QObject::connect(form->tableBinding(), &QxSNMPRequest2Controls::readDone, [&reads] { ++reads; });
    click(*form, "btnEdit");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return reads == 1; }));
    // 0x50, which the record shows as the character it is.
    EXPECT_TRUE(s_sim->lastSet().contains(kPortTlvs + ".2=4|P")) << s_sim->lastSet().join(' ').toStdString();
    EXPECT_EQ(list->topLevelItem(1)->text(3), " System Name,System Capabilities");

    // Opened again, the selection takes ticks as the first time.
    list->topLevelItem(1)->setSelected(true);
    form->setModalRunner([&](QDialog &selection) {
        selection.show();
        QCheckBox *first = find<QCheckBox>(selection, "CheckBox1");
        EXPECT_TRUE(first->isEnabled() && first->isVisibleTo(&selection));
        first->click();
        click(selection, "btnSetChecked");
        return selection.result();
    });
    QCoreApplication::sendEvent(tlvs, &press);
    EXPECT_EQ(tlvs->text(), " Port Description,System Name,System Capabilities");

    // A word that names no TLV is refused, with the names there are.
    const int before = s_sim->setCount();
    tlvs->setText(" System Nmae");
    click(*form, "btnEdit");
    EXPECT_EQ(boxes.texts(), QStringList{"\"System Nmae\" is no TLV name. The TLV names are: Port Description, "
                                         "System Name, System Description, System Capabilities."});
    EXPECT_EQ(s_sim->setCount(), before);
}

TEST_F(LldpDialogs, TransmitSwitchesWaitForTheirReadAndASilentSwitchEndsTheWrite)
{
    auto form = open<TLLDPConfigVLANNameForm>();
    // A read runs: Refresh waits for it.
    click(*form, "btnRefresh");
    EXPECT_EQ(boxes.texts(), QStringList{"Get data not complete!"});
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));

    auto *list = find<QTreeWidget>(*form, "ListView1");
    ASSERT_GT(list->topLevelItemCount(), 0);
    list->topLevelItem(0)->setSelected(true);
    choose(*form, "TXComboBox", "true");
    QxSNMPRequest &request = form->tableBinding()->request();
    request.timeout = 30;
    request.retries = 0;
    // The switch says nothing for a second: the write ends with its time-out,
    // the read after it too, and the dialog is usable again.
    ASSERT_EQ(snmpset({"1.3.6.1.3.2400.1.3.0", "i", "1"}), 0);
    click(*form, "btnSet");
    EXPECT_FALSE(form->ready());
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready() && !form->tableBinding()->busy(); }));
    EXPECT_FALSE(form->statusPanelText().contains("Set: Ok")) << form->statusPanelText().toStdString();
    EXPECT_TRUE(TestSupport::waitUntil([] { return !value("1.3.6.1.2.1.1.5.0").isEmpty(); }));
}

} // namespace
