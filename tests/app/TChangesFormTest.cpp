// The "Changes" window over a journal: newest first, the values before and
// after, a refused write marked.
#include "app/TChangesForm.h"
#include "binding/QxStatusLine.h"
#include "snmp/QxSNMPWrite.h"

#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

TEST(TChangesForm, ListsTheJournalNewestFirstAndMarksRefusals)
{
    QTemporaryDir dir;
    const ChangeJournal journal("10.0.0.1", 161, dir.path());
    QxSNMPWrite w;
    w.command = "Basic Management";
    w.bindings.append({.position = 1, .instance = "1.3.6.1.4.1.32473.12.1.2.5.0", .caption = "Telnet Port",
                       .before = QString("23"), .sent = "2323"});
    w.text = "Ok";
    ASSERT_TRUE(journal.append(ChangeJournal::entryOf(w, "nx2400p", "ops")));
    w.code = -2;
    w.text = "(SNMP) Cannot modify variable: Bad Value!";
    w.bindings[0].sent = "99999";
    ASSERT_TRUE(journal.append(ChangeJournal::entryOf(w, "nx2400p-cli", "ops")));

    TChangesForm form(nullptr, journal);
    QTreeWidget *list = form.list();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    const QTreeWidgetItem *newest = list->topLevelItem(0);
    EXPECT_EQ(newest->text(1), "Basic Management");
    EXPECT_EQ(newest->text(2), QString::fromUtf8("Telnet Port: 23 \u2192 99999"));
    EXPECT_EQ(newest->text(3), "(SNMP) Cannot modify variable: Bad Value!");
    EXPECT_EQ(newest->foreground(0).color(), QxStatusLine::failureColour());
    EXPECT_EQ(list->topLevelItem(1)->text(3), "Ok");
    EXPECT_EQ(list->topLevelItem(1)->text(4), "nx2400p");
}

} // namespace
