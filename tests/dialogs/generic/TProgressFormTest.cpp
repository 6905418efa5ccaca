#include "dialogs/generic/TProgressForm.h"
#include "dialogs/generic/TProgressForm2.h"

#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(TProgressFormTest, ClosesItselfAfterThirtyTicksAtThirtyOfSeventySix)
{
    QDialog caller;
    TProgressForm form(&caller);
    form.setWindowTitle("Enable STP Progress");
    form.setPrompt("Enable STP is doing...");
    form.show();
    for (int i = 0; i < 30; ++i) {
        form.tick();
        EXPECT_TRUE(form.isVisible()) << i;
    }
    EXPECT_EQ(form.position(), 30);
    form.tick();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.position(), 30);
}

TEST(TProgressFormTest, WrapsAtTheBarMaximumWhenTheLimitIsHigher)
{
    QDialog caller;
    TProgressForm2 form(&caller);
    form.setTickLimit(200);
    EXPECT_EQ(form.windowTitle(), "Progress");
    for (int i = 0; i < TProgressForm::BarMaximum - 1; ++i)
        form.tick();
    EXPECT_EQ(form.position(), TProgressForm::BarMaximum - 1);
    form.tick();
    EXPECT_EQ(form.position(), 0);
}

TEST(TProgressFormTest, ModalRunEndsByItsOwnTimer)
{
    QDialog caller;
    TProgressForm form(&caller);
    // Hurry the clock: the dialog must end its own modal loop.
    QTimer hurry;
    QObject::connect(&hurry, &QTimer::timeout, &form, &TProgressForm::tick);
    hurry.start(1);
    form.exec();
    EXPECT_EQ(form.position(), 30);
}

} // namespace
