// A long status text in a memo a few lines high shows from its start.
#include "binding/QxStatusLine.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

TEST(QxStatusLine, TheNewestTextShowsFromItsFirstLineAndWholeInTheTooltip)
{
    QPlainTextEdit memo;
    memo.setReadOnly(true);
    memo.resize(300, 50);
    memo.show();
    for (int i = 0; i < 5; ++i)
        QxStatusLine::append(&memo, QStringLiteral("Get: Ok. Receive at 10:00:0%1 AM.").arg(i));
    const QString error = QStringLiteral("Set: (SNMP++) The value given has the wrong type or length for the object, "
                                         "so the agent refused the whole SET; nothing was written. Receive at 10:00:05 AM.");
    QxStatusLine::append(&memo, error);
    QScrollBar *bar = memo.verticalScrollBar();
    // The first line of the error is on top, not its tail.
    EXPECT_EQ(bar->value(), memo.document()->lastBlock().firstLineNumber());
    EXPECT_LT(bar->value(), bar->maximum());
    EXPECT_EQ(memo.toolTip(), error);
    // A short newest text fits and is shown whole at the bottom.
    QxStatusLine::append(&memo, QStringLiteral("Get: Ok."));
    EXPECT_EQ(bar->value(), bar->maximum());
}

} // namespace
