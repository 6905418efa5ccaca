// The SMTP control and system-log host dialogs against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/services/TSMTPControlForm.h"
#include "dialogs/services/TSystemLogServerForm.h"

#include <QCoreApplication>
#include <QTreeWidget>

namespace {

class ReportingDialogs : public DedicatedDialogTest
{
protected:
    static QString smtp(int n) { return vendor("12.29.1") + QStringLiteral(".%1.0").arg(n); }
    static bool rowOfIndex(const QWidget &form, const QString &index)
    {
        const auto *list = form.findChild<QTreeWidget *>("LV_SystemLogServerEntry");
        for (int i = 0; list && i < list->topLevelItemCount(); ++i)
            if (list->topLevelItem(i)->text(0) == index)
                return true;
        return false;
    }
    static QString host(int column, int index)
    {
        return vendor("12.12.2.1") + QStringLiteral(".%1.%2").arg(column).arg(index);
    }
};

TEST_F(ReportingDialogs, SmtpSetChecksWhatItSendsAndReadsAfterwards)
{
    snmpset({smtp(1), "i", "2", smtp(2), "a", "10.1.1.25"});
    auto form = open<TSMTPControlForm>();
    QStringList progress;
    form->setModalRunner([&progress](QDialog &d) {
        progress << d.windowTitle();
        return 1;
    });
    ASSERT_TRUE(idle(form->smtpBinding()));
    const int before = s_sim->setCount();

    type(*form, "Ed_SourceAddress", "");
    click(*form, "btnSet");
    EXPECT_EQ(form->statusPanelText(), "Please Input Value!");
    type(*form, "Ed_SourceAddress", "10.1.1.256");
    click(*form, "btnSet");
    EXPECT_EQ(boxes.texts(), QStringList{"Please input a valid ip"});
    boxes.shown.clear();
    type(*form, "Ed_SourceAddress", "10.1.1.25");

    // "send" while SMTP is off: a box, and neither a write nor a read.
    int reads = 0;
    QObject::connect(form->smtpBinding(), &QxSNMPRequest2Controls::readDone, [&reads] { ++reads; });
    choose(*form, "CB_SendTest", "send");
    click(*form, "btnSet");
    EXPECT_EQ(boxes.texts(), QStringList{"Enable SMTP first if you want send a mail"});
    EXPECT_EQ(reads, 0);

    // Cancel: nothing written, the values read again.
    choose(*form, "CB_Status", "enabled");
    boxes.answer = false;
    click(*form, "btnSet");
    ASSERT_TRUE(idle(form->smtpBinding()));
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_EQ(find<QComboBox>(*form, "CB_Status")->currentText(), "disabled");

    // "noAction": the six others in one SET.
    choose(*form, "CB_Status", "enabled");
    choose(*form, "CB_SendTest", "noAction");
    click(*form, "btnSet");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return reads == 2; }));
    EXPECT_EQ(s_sim->lastSet().size(), 6);
    EXPECT_FALSE(s_sim->lastSet().join(' ').contains(smtp(7) + "="));

    // "send": the test mail goes out, and the switch answers "noAction" again.
    const QString mails = QStringLiteral("1.3.6.1.3.2400.1.15.0");
    const int sent = value(mails).toInt();
    boxes.answer = true;
    choose(*form, "CB_SendTest", "send");
    click(*form, "btnSet");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return reads == 3; }));
    EXPECT_EQ(s_sim->lastSet().size(), 7);
    EXPECT_EQ(value(mails).toInt(), sent + 1);
    EXPECT_EQ(find<QComboBox>(*form, "CB_SendTest")->currentText(), "noAction");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return progress.size() == 1; }));
    EXPECT_EQ(progress, QStringList{"Send the mail Progress"});

    // A send the switch refused shows no progress.
    ASSERT_TRUE(writesRefusedBelow(vendor("12.29.1")));
    choose(*form, "CB_SendTest", "send");
    click(*form, "btnSet");
    ASSERT_TRUE(idle(form->smtpBinding()));
    faultsCleared();
    QCoreApplication::processEvents();
    EXPECT_EQ(progress.size(), 1);
}

// A scalar group's write the switch refuses: what the user set stays, and the
// same Set sends it again.
TEST_F(ReportingDialogs, SmtpSetThatFailedKeepsTheInputForAnotherTry)
{
    snmpset({smtp(1), "i", "2", smtp(2), "a", "10.1.1.25"});
    auto form = open<TSMTPControlForm>();
    ASSERT_TRUE(idle(form->smtpBinding()));
    choose(*form, "CB_SendTest", "noAction");
    type(*form, "Ed_SourceAddress", "10.7.7.7");
    ASSERT_TRUE(writesRefusedBelow(vendor("12.29.1")));
    const int before = s_sim->setCount();
    click(*form, "btnSet");
    ASSERT_TRUE(idle(form->smtpBinding()));
    EXPECT_EQ(s_sim->setCount(), before);
    EXPECT_TRUE(form->statusPanelText().startsWith("Set: (SNMP)")) << form->statusPanelText().toStdString();
    EXPECT_EQ(find<QLineEdit>(*form, "Ed_SourceAddress")->text(), "10.7.7.7");
    EXPECT_EQ(find<QComboBox>(*form, "CB_SendTest")->currentText(), "noAction");

    faultsCleared();
    click(*form, "btnSet");
    ASSERT_TRUE(idle(form->smtpBinding()));
    EXPECT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(value(smtp(2)), "10.7.7.7");
}

TEST_F(ReportingDialogs, SyslogHostChecksIndexAndPortAndShowsARefusedWrite)
{
    for (const char *port : {"514", "6000", "65535"})
        EXPECT_TRUE(TSystemLogServerForm::validUdpPort(port)) << port;
    for (const char *port : {"515", "5999", "65536", "x"})
        EXPECT_FALSE(TSystemLogServerForm::validUdpPort(port)) << port;

    auto form = open<TSystemLogServerForm>();
    ASSERT_TRUE(idle(form->hostBinding()));
    const auto add = [&] {
        boxes.shown.clear();
        click(*form, "btnAdd");
        return boxes.shown.value(0);
    };
    type(*form, "Ed_Index", "2");
    type(*form, "Ed_IP", "10.1.1.9");
    type(*form, "Ed_Port", "5999");
    EXPECT_EQ(add(), "The range of Server UDP Port for syslog is 514 or 6000-65535.");
    // With the facility chosen only: index, address, facility and status.
    type(*form, "Ed_Port", "");
    choose(*form, "CBox_Facility", "local3");
    EXPECT_EQ(add(), "");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return rowOfIndex(*form, "2"); }) && idle(form->hostBinding()));
    EXPECT_EQ(s_sim->lastSet(), (QStringList{host(2, 2) + "=64|10.1.1.9", host(3, 2) + "=2|3", host(7, 2) + "=2|4"}));
    type(*form, "Ed_Index", "2");
    type(*form, "Ed_IP", "10.1.1.10");
    EXPECT_EQ(add(), "This Index has already existed. Please Change Server Index.");

    // A refused write shows its error, not the following read's "Ok".
    QTreeWidget *list = find<QTreeWidget>(*form, "LV_SystemLogServerEntry");
    list->clearSelection();
    list->setCurrentItem(list->topLevelItem(0));
    ASSERT_TRUE(find<QAbstractButton>(*form, "Btn_Edit")->isEnabled());
    ASSERT_TRUE(writesRefusedBelow(vendor("12.12.2.1")));
    type(*form, "Ed_Port", "6000");
    click(*form, "Btn_Edit");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->statusPanelText().startsWith("Set:"); }));
    ASSERT_TRUE(idle(form->hostBinding()));
    EXPECT_FALSE(form->statusPanelText().contains("Ok")) << form->statusPanelText().toStdString();
    EXPECT_EQ(find<QLineEdit>(*form, "Ed_Port")->text(), "6000");
    faultsCleared();

    // Set with the port left empty does not write 0 over the configured one.
    list->clearSelection();
    list->setCurrentItem(list->topLevelItem(0));
    type(*form, "Ed_Port", "");
    choose(*form, "CBox_Severity", "warning");
    click(*form, "Btn_Edit");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return s_sim->lastSet().contains(host(4, 2) + "=2|2"); }));
    ASSERT_TRUE(idle(form->hostBinding()));
    EXPECT_FALSE(s_sim->lastSet().join(' ').contains(host(5, 2) + "="));
    EXPECT_EQ(value(host(5, 2)), "514");

    // Delete: the status alone.
    list->clearSelection();
    list->setCurrentItem(list->topLevelItem(0));
    click(*form, "Btn_Del");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return !rowOfIndex(*form, "2"); }));
    EXPECT_EQ(s_sim->lastSet(), QStringList{host(7, 2) + "=2|6"});
}

} // namespace
