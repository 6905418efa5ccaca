// Enter in a dialog presses its default button, except where Enter means
// something of its own.
#include "binding/QxEnterKey.h"

#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(QxEnterKey, PressesSetBeforeAddAndLeavesListsAndMultiLineFieldsAlone)
{
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *edit = new QLineEdit;
    auto *notes = new QPlainTextEdit;
    auto *list = new QTreeWidget;
    auto *add = new QPushButton(QStringLiteral("Add"));
    auto *set = new QPushButton(QStringLiteral("Set "));
    auto *refresh = new QPushButton(QStringLiteral("Refresh"));
    for (QWidget *w : {static_cast<QWidget *>(edit), static_cast<QWidget *>(notes), static_cast<QWidget *>(list),
                       static_cast<QWidget *>(add), static_cast<QWidget *>(set), static_cast<QWidget *>(refresh)})
        layout->addWidget(w);
    QxEnterKey::install(&dialog);
    QStringList pressed;
    for (QPushButton *b : {add, set, refresh}) {
        // As the module's buttons are: Qt's own default-button choice stays out.
        b->setAutoDefault(false);
        QObject::connect(b, &QPushButton::clicked, [&pressed, b] { pressed << b->text().trimmed(); });
    }
    dialog.show();
    const auto enterIn = [](QWidget *w) {
        w->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &enter);
    };

    enterIn(edit);
    EXPECT_EQ(pressed, QStringList({"Set"}));
    enterIn(notes);
    enterIn(list);
    EXPECT_EQ(pressed, QStringList({"Set"}));
    // A focused button is pressed itself; a disabled Set leaves Add.
    enterIn(refresh);
    set->setEnabled(false);
    enterIn(edit);
    EXPECT_EQ(pressed, QStringList({"Set", "Refresh", "Add"}));
    QxEnterKey::keepEnter(edit);
    enterIn(edit);
    EXPECT_EQ(pressed.size(), 3);
}

} // namespace
