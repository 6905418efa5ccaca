// The main window's search field: typed words list the matching commands,
// Down chooses the next, Enter opens the chosen one; Ctrl+K reaches it.
#include "app/TCommandSearchBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <gtest/gtest.h>

TEST(CommandSearchBox, TypedWordsListTheCommandsAndEnterOpensTheChosenOne)
{
    const CliCommandFinder finder;
    QStringList opened;
    TCommandSearchBox box(finder, [&](const CommandRecord &record) { opened << QString::fromLatin1(record.caption); });
    box.show();
    emit box.textEdited("telnet");
    ASSERT_GE(box.results()->count(), 2);
    EXPECT_TRUE(box.results()->item(0)->text().startsWith(
        "Basic Configuration > Agent Management > Basic Management  \u2014  Telnet State, Telnet Port"))
        << box.results()->item(0)->text().toStdString();
    EXPECT_TRUE(box.results()->isVisible());

    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&box, &down);
    EXPECT_EQ(box.results()->currentRow(), 1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), "APP Auth Method Group");
    EXPECT_TRUE(box.text().isEmpty());
    EXPECT_FALSE(box.results()->isVisible());

    // Nothing matches: nothing opens.
    emit box.textEdited("zebra");
    EXPECT_FALSE(box.openChosen());
    EXPECT_EQ(opened.size(), 1);
}
