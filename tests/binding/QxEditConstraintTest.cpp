#include "binding/QxEditConstraint.h"
#include "snmp/QxSNMPException.h"

#include <QApplication>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A shown, active form with four edits and a button, a constraint object whose
// message boxes and beeps are recorded instead of shown.
class EditConstraintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&form);
        for (auto &edit : edits) {
            edit = new QLineEdit(&form);
            layout->addWidget(edit);
        }
        button = new QPushButton(QStringLiteral("Set"), &form);
        layout->addWidget(button);
        form.show();
        form.activateWindow();
        QApplication::processEvents();

        constraint = std::make_unique<QxEditConstraint>(&form, true);
        constraint->setMessagePresenter([this](QWidget *owner, const QString &text) {
            messages.append(text);
            owners.append(owner);
        });
        constraint->setBeeper([this] { ++beeps; });
    }

    // Types the characters one by one as key presses, each to the widget that has
    // the focus at that moment (so auto-advance carries typing on).
    static void type(const QString &text)
    {
        for (const QChar c : text)
            typeInto(QApplication::focusWidget(), QString(c));
    }

    static void typeInto(QWidget *target, const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }

    void focus(QWidget *w)
    {
        w->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    QWidget form;
    QLineEdit *edits[4] = {};
    QPushButton *button = nullptr;
    std::unique_ptr<QxEditConstraint> constraint;
    QStringList messages;
    QList<QWidget *> owners;
    int beeps = 0;
};

} // namespace

TEST_F(EditConstraintTest, FocusWorksOnThisPlatform)
{
    focus(edits[0]);
    ASSERT_EQ(QApplication::focusWidget(), edits[0]);
}

// --- typing into a number edit ------------------------------------------------------

TEST_F(EditConstraintTest, PortNumberEditRefusesLettersAndASixthCharacter)
{
    constraint->registerEdit(QStringLiteral("%i{n0x65535l5}"), edits[0]);
    focus(edits[0]);

    type(QStringLiteral("12"));
    type(QStringLiteral("a"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("12"));
    EXPECT_EQ(beeps, 1);

    // A letter typed between digits goes, and the cursor stays where it was.
    edits[0]->setCursorPosition(1);
    type(QStringLiteral("x"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("12"));
    EXPECT_EQ(edits[0]->cursorPosition(), 1);
    EXPECT_EQ(beeps, 2);

    type(QStringLiteral("3456"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("13452"));
    EXPECT_EQ(edits[0]->cursorPosition(), 4);
    edits[0]->end(false);
    type(QStringLiteral("7"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("13452"));
    EXPECT_EQ(beeps, 2); // a full edit takes nothing, without a beep

    // Pasting keeps as much as fits, where it was pasted.
    edits[0]->setText(QStringLiteral("12"));
    edits[0]->setCursorPosition(1);
    edits[0]->insert(QStringLiteral("9876"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("19872"));
    EXPECT_EQ(edits[0]->cursorPosition(), 4);
}

TEST_F(EditConstraintTest, StringEditTakesSixteenCharactersButShowsLongerReadValues)
{
    constraint->registerEdit(QStringLiteral("%s{l16}"), edits[0]);
    focus(edits[0]);
    edits[0]->insert(QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("abcdefghijklmnop"));
    type(QStringLiteral("q"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("abcdefghijklmnop"));

    edits[0]->setText(QStringLiteral("a read value of twenty-six"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("a read value of twenty-six"));
    // Deleting from an over-long value is fine; adding to it is not.
    edits[0]->end(false);
    edits[0]->backspace();
    EXPECT_EQ(edits[0]->text(), QStringLiteral("a read value of twenty-si"));
    type(QStringLiteral("x"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("a read value of twenty-si"));
}

TEST_F(EditConstraintTest, FocusMovesOnAfterTheFifthDigit)
{
    constraint->registerEdit(QStringLiteral("%i{n0x65535l5a}"), edits[0]);
    focus(edits[0]);
    type(QStringLiteral("1234"));
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
    type(QStringLiteral("5"));
    EXPECT_EQ(QApplication::focusWidget(), edits[1]);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("12345"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(constraint->lastAccepted(edits[0]), QStringLiteral("12345"));
}

TEST_F(EditConstraintTest, AdvanceCharacterMovesThroughAddressEdits)
{
    constraint->registerFormat(QStringLiteral("%i{n0x255e.}%i{n0x255e.}%i{n0x255e.}%i{n0x255}"),
                               {edits[0], edits[1], edits[2], edits[3]});
    focus(edits[0]);
    type(QStringLiteral("192.168.1.20"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("192"));
    EXPECT_EQ(edits[1]->text(), QStringLiteral("168"));
    EXPECT_EQ(edits[2]->text(), QStringLiteral("1"));
    EXPECT_EQ(edits[3]->text(), QStringLiteral("20"));
    EXPECT_EQ(QApplication::focusWidget(), edits[3]);
    EXPECT_EQ(beeps, 0);
}

// --- leaving an edit -------------------------------------------------------------------

TEST_F(EditConstraintTest, OutOfRangeShowsTheMessageAndRestoresTheLastAcceptedText)
{
    constraint->registerEdit(QStringLiteral("%i{n0x65535l5}"), edits[0]);
    focus(edits[0]);
    type(QStringLiteral("300"));
    focus(edits[1]);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(constraint->lastAccepted(edits[0]), QStringLiteral("300"));

    focus(edits[0]);
    edits[0]->selectAll();
    type(QStringLiteral("70000"));
    focus(button);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].toStdString(), "Please enter a number between 0 and 65535!");
    EXPECT_EQ(owners[0], &form);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("300"));
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
}

TEST_F(EditConstraintTest, LoneMinusFailsAtExitInsteadOfEscaping)
{
    constraint->registerEdit(QStringLiteral("%i{n1x4094}"), edits[0]);
    focus(edits[0]);
    type(QStringLiteral("-"));
    EXPECT_NO_THROW(focus(edits[1]));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].toStdString(), "Please enter a number between 1 and 4094!");
    EXPECT_EQ(edits[0]->text(), QString());
}

TEST_F(EditConstraintTest, HexEditNeedsTheExactLength)
{
    constraint->registerEdit(QStringLiteral("%h{l12f}"), edits[0]);
    focus(edits[0]);
    type(QStringLiteral("00112233zz44"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("0011223344"));
    EXPECT_EQ(beeps, 2);
    focus(edits[1]);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].toStdString(), "Please enter a hex string whose length is 12!");
}

TEST_F(EditConstraintTest, EmptyIsFineUnlessTheNotEmptyFlagIsSet)
{
    constraint->registerEdit(QStringLiteral("%s{l8}"), edits[0]);
    constraint->registerEdit(QStringLiteral("%s{l8n}"), edits[1]);
    focus(edits[0]);
    focus(edits[1]);
    EXPECT_TRUE(messages.isEmpty());
    focus(edits[2]);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].toStdString(), "Empty value is not allowed!");
    EXPECT_EQ(QApplication::focusWidget(), edits[1]);
}

TEST_F(EditConstraintTest, TwoFailingEditsDoNotHandTheFocusBackAndForth)
{
    // Two bindings on one form, both with empty texts that fail.
    QxEditConstraint other(&form, true);
    other.setMessagePresenter([this](QWidget *, const QString &text) { messages.append(text); });
    constraint->registerEdit(QStringLiteral("%s{l8n}"), edits[0]);
    other.registerEdit(QStringLiteral("%s{l8n}"), edits[1]);
    focus(edits[0]);
    focus(edits[1]);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
}

TEST_F(EditConstraintTest, ReadValuesAreNeitherFilteredNorCheckedButAccepted)
{
    constraint->registerEdit(QStringLiteral("%i{n0x65535l5a}"), edits[0]);
    // Longer than the length, and shown in full.
    edits[0]->setText(QStringLiteral("(NULL)"));
    focus(edits[0]);
    focus(edits[1]);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(edits[0]->text(), QStringLiteral("(NULL)"));

    // A value the program puts in never moves the focus, even at full length.
    focus(edits[0]);
    edits[0]->setText(QStringLiteral("12345"));
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
    EXPECT_EQ(beeps, 0);
    // What the program shows is what a failed check comes back to.
    EXPECT_EQ(constraint->lastAccepted(edits[0]), QStringLiteral("12345"));
}

TEST_F(EditConstraintTest, AFailedCheckAfterTheProgramClearedTheEditBringsNoOldValueBack)
{
    constraint->registerEdit(QStringLiteral("%i{n1x4094l4}"), edits[0]);
    focus(edits[0]);
    type(QStringLiteral("10"));
    focus(edits[1]);
    ASSERT_EQ(constraint->lastAccepted(edits[0]), QStringLiteral("10"));
    // The row is gone and the dialog clears its editor; then the user mistypes.
    edits[0]->clear();
    focus(edits[0]);
    type(QStringLiteral("5000"));
    focus(edits[1]);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(edits[0]->text(), QString());
}

TEST_F(EditConstraintTest, SwitchingWindowsIsNotLeavingTheEdit)
{
    constraint->registerEdit(QStringLiteral("%i{n1x10}"), edits[0]);
    focus(edits[0]);
    type(QStringLiteral("99"));
    QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edits[0], &deactivated);
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(edits[0], &popup);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(edits[0]->text(), QStringLiteral("99"));
}

TEST_F(EditConstraintTest, WithoutTheRememberFlagOnlyAnExplicitRememberCounts)
{
    QxEditConstraint forgetful(&form, false);
    forgetful.setMessagePresenter([this](QWidget *, const QString &text) { messages.append(text); });
    forgetful.registerEdit(QStringLiteral("%i{n1x100}"), edits[0]);
    focus(edits[0]);
    type(QStringLiteral("50"));
    focus(edits[1]);
    EXPECT_EQ(forgetful.lastAccepted(edits[0]), QString());

    forgetful.remember(edits[0]);
    focus(edits[0]);
    edits[0]->selectAll();
    type(QStringLiteral("500"));
    focus(edits[1]);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("50"));
}

// --- chained handlers -------------------------------------------------------------------

TEST_F(EditConstraintTest, HandlerVetoStopsAutoAdvanceAndRestoresAtExit)
{
    constraint->registerEdit(QStringLiteral("%i{l2a}"), edits[0]);
    int changes = 0;
    constraint->setChangeHandler(edits[0], [&](QLineEdit *) { return ++changes > 5; });
    constraint->setExitHandler(edits[0], [](QLineEdit *e) { return e->text() != QStringLiteral("13"); });
    focus(edits[0]);
    type(QStringLiteral("12"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
    focus(edits[1]);
    EXPECT_EQ(constraint->lastAccepted(edits[0]), QStringLiteral("12"));

    focus(edits[0]);
    edits[0]->selectAll();
    type(QStringLiteral("13"));
    focus(edits[1]);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("12"));
    EXPECT_TRUE(messages.isEmpty());
}

// --- attaching and detaching --------------------------------------------------------------

TEST_F(EditConstraintTest, BadFormatLeavesTheEditAlone)
{
    EXPECT_THROW(constraint->registerEdit(QStringLiteral("%i{l5q}"), edits[0]), QxSNMPException);
    EXPECT_FALSE(constraint->isRegistered(edits[0]));
    EXPECT_EQ(edits[0]->validator(), nullptr);

    // A multi-edit format with one bad segment hooks none of its edits.
    EXPECT_THROW(constraint->registerFormat(QStringLiteral("%i{l3}%z"), {edits[0], edits[1]}),
                 QxSNMPException);
    EXPECT_FALSE(constraint->isRegistered(edits[0]));
}

TEST_F(EditConstraintTest, RemovedEditGetsItsPreviousBehaviourBack)
{
    QIntValidator own(0, 999999);
    edits[0]->setValidator(&own);
    const int width = edits[0]->maximumWidth();
    constraint->registerEdit(QStringLiteral("%s{l3w80}"), edits[0]);
    EXPECT_EQ(edits[0]->width(), 80);

    // The edit's own validator still has its say while the constraint is on.
    focus(edits[0]);
    type(QStringLiteral("1x2"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("12"));

    constraint->remove(edits[0]);
    EXPECT_EQ(edits[0]->validator(), &own);
    EXPECT_EQ(edits[0]->maximumWidth(), width);
    edits[0]->setValidator(nullptr);

    focus(edits[0]);
    edits[0]->end(false);
    type(QStringLiteral("abc99"));
    focus(edits[1]);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("12abc99"));
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(EditConstraintTest, ReRegisteringReplacesTheRules)
{
    constraint->registerEdit(QStringLiteral("%i{l3}"), edits[0]);
    constraint->registerEdit(QStringLiteral("%s{l16}"), edits[0]);
    focus(edits[0]);
    type(QStringLiteral("abc"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("abc"));
    EXPECT_EQ(beeps, 0);
}

TEST_F(EditConstraintTest, EditsAndConstraintsMayDieInAnyOrder)
{
    auto *doomed = new QLineEdit(&form);
    form.layout()->addWidget(doomed);
    constraint->registerEdit(QStringLiteral("%i{n1x5}"), doomed);
    focus(doomed);
    type(QStringLiteral("9"));
    delete doomed; // loses the focus while being destroyed
    EXPECT_TRUE(messages.isEmpty());

    constraint->registerEdit(QStringLiteral("%i{l2}"), edits[0]);
    constraint.reset();
    EXPECT_EQ(edits[0]->validator(), nullptr);
    focus(edits[0]);
    type(QStringLiteral("abc"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("abc"));
}

TEST_F(EditConstraintTest, NumberListLengthCountsNumbersNotCharacters)
{
    constraint->registerEdit(QStringLiteral("%n.{n0x255l4f}"), edits[0]);
    focus(edits[0]);
    type(QStringLiteral(".10..0.a0.1"));
    EXPECT_EQ(edits[0]->text(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(beeps, 3);
    focus(edits[1]);
    EXPECT_TRUE(messages.isEmpty());

    focus(edits[0]);
    edits[0]->end(false);
    type(QStringLiteral(".7"));
    focus(edits[1]);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].toStdString(), "Please enter a delimited number string with delimiter '.'.\n"
                                         "Here,the count of the number is equal to 4!");
    EXPECT_EQ(edits[0]->text(), QStringLiteral("10.0.0.1"));
}
