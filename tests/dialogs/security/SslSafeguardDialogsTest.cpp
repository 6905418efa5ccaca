// The SSL, certificate, safeguard and diagnostics dialogs against a simulator
// of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/security/TCertificateFileForm.h"
#include "dialogs/security/TDiagnosticsInformationForm.h"
#include "dialogs/security/TSSLManagementForm.h"
#include "dialogs/security/TSafeguardCtrlForm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using SslSafeguardDialogs = DedicatedDialogTest;

QString scalar(const char *object)
{
    return DedicatedDialogTest::vendor(object) + QStringLiteral(".0");
}

QStringList suiteTexts(const QWidget &form)
{
    QStringList texts;
    for (const char *name : {"cbxciphersuites1", "cbxciphersuites2", "cbxciphersuites3", "cbxciphersuites4"})
        texts << form.findChild<QComboBox *>(QString::fromLatin1(name))->currentText();
    return texts;
}

TEST_F(SslSafeguardDialogs, SslShowsTheSuitesOfTheOctetAndWritesTheirDigit)
{
    ASSERT_EQ(snmpset({scalar("12.7.1.2"), "x", "A0"}), 0);
    auto form = open<TSSLManagementForm>();
    EXPECT_EQ(suiteTexts(*form), (QStringList{"enabled", "disabled", "enabled", "disabled"}));

    for (const char *name : {"cbxciphersuites1", "cbxciphersuites2", "cbxciphersuites3"})
        choose(*form, name, "disabled");
    choose(*form, "cbxciphersuites4", "enabled");
    const int before = s_sim->setCount();
    click(*form, "btnSet");
    ASSERT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(s_sim->lastSet(), (QStringList{scalar("12.7.1.1") + "=2|2", scalar("12.7.1.2") + "=4x|10",
                                             scalar("12.7.1.3") + "=66|600"}));
    EXPECT_EQ(suiteTexts(*form), (QStringList{"disabled", "disabled", "disabled", "enabled"}));
    EXPECT_TRUE(form->statusPanelText().contains("Get: Ok")) << form->statusPanelText().toStdString();

    // An empty control: a warning, nothing sent, the input as it was.
    type(*form, "edtCacheTimeOut", "");
    click(*form, "btnSet");
    EXPECT_EQ(boxes.shown, QStringList{"Warning|Some items are empty."});
    EXPECT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(suiteTexts(*form).last(), "enabled");
}

TEST_F(SslSafeguardDialogs, CertificateSendsTheTickedRowsOnly)
{
    auto form = open<TCertificateFileForm>();
    const int before = s_sim->setCount();

    // A ticked address must be one.
    find<QCheckBox>(*form, "CheckBox_IPAddress")->setChecked(true);
    type(*form, "ED_IPAddress", "10.1.1");
    click(*form, "btnSetChecked");
    EXPECT_EQ(boxes.texts(), QStringList{"Please input a valid ip"});
    EXPECT_EQ(s_sim->setCount(), before);

    click(*form, "btnClearAll");
    find<QCheckBox>(*form, "CheckBox_FileControl")->setChecked(true);
    choose(*form, "Combox_FileControl", "start");
    click(*form, "btnSetChecked");
    ASSERT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(s_sim->lastSet(), QStringList{scalar("12.7.2.4") + "=2|3"});
    // Read again: the address as the switch has it, every box unticked.
    EXPECT_EQ(find<QLineEdit>(*form, "ED_IPAddress")->text(), "0.0.0.0");
    for (const char *box : {"CheckBox_IPAddress", "CheckBox_FilePath", "CheckBox_KeyFilePath", "CheckBox_FileControl"})
        EXPECT_FALSE(find<QCheckBox>(*form, box)->isChecked()) << box;
    EXPECT_EQ(find<QLineEdit>(*form, "ED_Status")->text(), "none");
}

TEST_F(SslSafeguardDialogs, SafeguardWritesEachTickedObjectAloneLoweringThresholdsFallingFirst)
{
    ASSERT_EQ(snmpset({scalar("12.19.2.1"), "i", "60", scalar("12.19.2.2"), "i", "50"}), 0);
    auto form = open<TSafeguardCtrlForm>();
    auto *set = find<QPushButton>(*form, "btnSetChecked");
    EXPECT_EQ(set->text(), "Set Chekced");
    EXPECT_FALSE(set->isEnabled());
    EXPECT_EQ(find<QLabel>(*form, "lbFalling")->text(), "50");

    // Both thresholds come down: falling first, then rising, each alone.
    int before = s_sim->setCount();
    type(*form, "edtRising", "40");
    type(*form, "edtFalling", "30");
    find<QCheckBox>(*form, "ckRising")->setChecked(true);
    find<QCheckBox>(*form, "ckFalling")->setChecked(true);
    EXPECT_TRUE(set->isEnabled());
    click(*form, "btnSetChecked");
    ASSERT_EQ(s_sim->setCount(), before + 2);
    EXPECT_EQ(s_sim->lastSet(), QStringList{scalar("12.19.2.1") + "=2|40"});
    EXPECT_EQ(value(scalar("12.19.2.2")), "30");
    EXPECT_EQ(find<QLabel>(*form, "lbFalling")->text(), "30");

    // Going up: rising first.
    before = s_sim->setCount();
    type(*form, "edtRising", "70");
    type(*form, "edtFalling", "45");
    click(*form, "btnSetChecked");
    ASSERT_EQ(s_sim->setCount(), before + 2);
    EXPECT_EQ(s_sim->lastSet(), QStringList{scalar("12.19.2.2") + "=2|45"});

    // A ticked threshold out of range stops everything; an unticked one is
    // neither checked nor sent.
    before = s_sim->setCount();
    type(*form, "edtRising", "19");
    click(*form, "btnSetChecked");
    EXPECT_EQ(boxes.texts(), QStringList{"Rising Threshold should between 20-100"});
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_EQ(find<QLineEdit>(*form, "edtRising")->text(), "19");

    click(*form, "btnClearChecks");
    EXPECT_FALSE(set->isEnabled());
    find<QCheckBox>(*form, "ckMode")->setChecked(true);
    choose(*form, "cbxMode", "strict");
    click(*form, "btnSetChecked");
    ASSERT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(s_sim->lastSet(), QStringList{scalar("12.19.2.3") + "=2|1"});
    EXPECT_EQ(find<QLineEdit>(*form, "edtRising")->text(), "70");

    // Stopped part-way: the dialog shows what the switch now holds, and the failure.
    click(*form, "btnCheckAll");
    click(*form, "btnClearChecks");
    find<QCheckBox>(*form, "ckRising")->setChecked(true);
    find<QCheckBox>(*form, "ckFalling")->setChecked(true);
    type(*form, "edtRising", "80");
    type(*form, "edtFalling", "55");
    ASSERT_TRUE(writesRefusedBelow(scalar("12.19.2.2")));
    click(*form, "btnSetChecked");
    faultsCleared();
    EXPECT_EQ(value(scalar("12.19.2.1")), "80");
    EXPECT_EQ(find<QLineEdit>(*form, "edtFalling")->text(), "45");
    EXPECT_TRUE(form->statusPanelText().startsWith("Set: (SNMP)")) << form->statusPanelText().toStdString();
}

TEST_F(SslSafeguardDialogs, DiagnosticsListTheSupplicantsAndSayWhenTheWalkFails)
{
    auto form = open<TDiagnosticsInformationForm>();
    auto *list = find<QTreeWidget>(*form, "ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "00-50-BA-11-22-33");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "3");

    // Reads below the table answered with genErr.
    const QString row = QStringLiteral("1.3.6.1.3.2400.1.10.1.%1.1");
    ASSERT_EQ(snmpset({row.arg(2), "o", vendor("12.3.6.3.1"), row.arg(4), "i", "2", row.arg(5), "i", "4"}), 0);
    click(*form, "btnRefresh");
    faultsCleared();
    const QString memo = form->Memo1()->toPlainText();
    EXPECT_TRUE(memo.split('\n').last().startsWith("Get: (SNMP) Cannot perform operation, General Error!"))
        << memo.toStdString();
}

} // namespace
