// "Compare with Snapshot": the differences between a snapshot and the switch,
// and the ticked rows put back, the others left as they are.
#include "app/TSnapshotCompareForm.h"
#include "app/cli/CliCommandFinder.h"
#include "app/cli/CliSnapshotCommands.h"
#include "app/core/SnapshotReader.h"
#include "common/CliResult.h"
#include "common/MessageRecorder.h"
#include "common/OnPrivateSimulator.h"
#include "common/TestSupport.h"

#include <QPushButton>
#include <QTreeWidget>

namespace {

class SnapshotCompareFormTest : public OnPrivateSimulator
{
protected:
    int snmpset(const QStringList &bindings) const
    {
        return runSnmp("snmpset", QStringList{"-v2c", "-c", "kdrwopl", sim.target()} + bindings).exitCode;
    }
    // The row items of the list, by their "Command / Row" text.
    static QTreeWidgetItem *row(QTreeWidget *list, const QString &command, const QString &name)
    {
        for (int c = 0; c < list->topLevelItemCount(); ++c)
            for (int r = 0; c < list->topLevelItemCount() && r < list->topLevelItem(c)->childCount(); ++r)
                if (list->topLevelItem(c)->text(0) == command && list->topLevelItem(c)->child(r)->text(0) == name)
                    return list->topLevelItem(c)->child(r);
        return nullptr;
    }
};

TEST_F(SnapshotCompareFormTest, TheTickedRowsAreRestoredAndTheOthersLeftAlone)
{
    const QList<SnapshotScope::Source> sources = CliSnapshotCommands::sources(CliCommandFinder());
    SnapshotReader reader(sources, SnmpAgent::defaults());
    SnapshotReader::runToEnd(reader);
    ASSERT_TRUE(reader.error().isEmpty()) << reader.error().toStdString();
    const QString telnetPort = QStringLiteral("1.3.6.1.4.1.32473.12.1.2.5.0");
    ASSERT_EQ(snmpset({telnetPort, "i", "2323"}), 0);
    ASSERT_EQ(snmpset({"1.3.6.1.2.1.17.7.1.4.3.1.1.10", "s", "v10", "1.3.6.1.2.1.17.7.1.4.3.1.5.10", "i", "4"}), 0);

    TSnapshotCompareForm form(nullptr, reader.snapshot(), sources, SnmpAgent::defaults());
    MessageRecorder boxes;
    boxes.answer = false;
    form.setMessages(boxes.messages());
    ASSERT_TRUE(TestSupport::waitUntil([&] { return !form.busy(); }));
    QTreeWidget *list = form.list();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    QTreeWidgetItem *telnet = row(list, "Basic Configuration > Agent Management > Basic Management", "(scalars)");
    QTreeWidgetItem *vlan = row(list, "VLAN > 802.1Q > 802.1Q VLAN  > Static Table", "VLAN Index=10");
    ASSERT_TRUE(telnet && vlan);
    EXPECT_EQ(telnet->text(2), "Telnet Port: 2323 \u2192 23");
    EXPECT_EQ(vlan->text(1), "Not in the snapshot");
    auto *restore = form.findChild<QPushButton *>("btnRestore");
    EXPECT_FALSE(restore->isEnabled());

    // Deleting a row is asked about first; No sends nothing.
    vlan->setCheckState(0, Qt::Checked);
    telnet->setCheckState(0, Qt::Checked);
    ASSERT_TRUE(restore->isEnabled());
    restore->click();
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_FALSE(form.busy());
    EXPECT_EQ(getValue(sim.target(), telnetPort), "2323");

    vlan->setCheckState(0, Qt::Unchecked);
    restore->click();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return !form.busy() && list->topLevelItemCount() == 1; }));
    EXPECT_EQ(getValue(sim.target(), telnetPort), "23");
    EXPECT_EQ(getValue(sim.target(), "1.3.6.1.2.1.17.7.1.4.3.1.5.10"), "1") << "the unticked VLAN stays";
    EXPECT_TRUE(form.findChild<QLabel *>("ST_Status")->text().startsWith("Restored 1 rows.")) << form.findChild<QLabel *>("ST_Status")->text().toStdString();
}

} // namespace
