// The time-range, network-time and summer-time dialogs against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/services/TTimeRangeForm.h"
#include "dialogs/services/TfrmNetwroktime.h"
#include "dialogs/services/TfrmSummerTime.h"

#include <QPushButton>
#include <QTreeWidget>
#include <utility>

namespace {

using TimeDialogs = DedicatedDialogTest;

QString summer(int n)
{
    return DedicatedDialogTest::vendor("12.10.12") + QStringLiteral(".%1.0").arg(n);
}

void tick(const QWidget &form, const char *box)
{
    form.findChild<QCheckBox *>(box)->setChecked(true);
}

TEST_F(TimeDialogs, SummerTimeWritesARepeatingRuleOnlyWithBothPointsTicked)
{
    ASSERT_EQ(snmpset({summer(1), "i", "1"}), 0);
    auto form = open<TfrmSummerTime>();
    // The factory start: "1st" Sun Apr 02:00.
    EXPECT_TRUE(find<QCheckBox>(*form, "CheckBox6")->isHidden());
    EXPECT_EQ(find<QComboBox>(*form, "cbxRepeatStartMonth")->currentText(), "Apr");
    EXPECT_EQ(find<QComboBox>(*form, "cbxRepeatStartWeek")->currentText(), "1st");
    EXPECT_EQ(find<QLineEdit>(*form, "edtRepeatStartHour")->text(), "2");
    const int before = s_sim->setCount();

    // A rule refused writes nothing, the status ticked with it neither.
    tick(*form, "CheckBox1");
    tick(*form, "CheckBox3");
    click(*form, "btnSetChecked");
    type(*form, "edtTimeOffset", "45");
    tick(*form, "CheckBox2");
    click(*form, "btnSetChecked");
    EXPECT_EQ(boxes.texts(), (QStringList{"The Repeat Summer Time Start and Repeat Summer Time End should be set together!",
                                          "Time Offset error!"}));
    EXPECT_EQ(s_sim->setCount(), before);

    // "2nd" Sun Mar 02:00 to "last" Sat Oct 03:05, the offset first.
    type(*form, "edtTimeOffset", "90");
    tick(*form, "CheckBox4");
    choose(*form, "cbxRepeatStartWeek", "2nd");
    choose(*form, "cbxRepeatStartMonth", "Mar");
    choose(*form, "cbxRepeatEndWeek", "last");
    choose(*form, "cbxRepeatEndWeekday", "Sat");
    choose(*form, "cbxRepeatEndMonth", "Oct");
    type(*form, "edtRepeatEndHour", "3");
    type(*form, "edtRepeatEndMinute", "5");
    click(*form, "btnSetChecked");
    EXPECT_EQ(s_sim->setCount(), before + 2);
    EXPECT_EQ(s_sim->lastSet(), (QStringList{summer(3) + "=4x|020000030200", summer(4) + "=4x|0000060a0305"}));
    EXPECT_EQ(value(summer(2)), "90");
}

TEST_F(TimeDialogs, SummerTimeAnnualDaysStayWithinTheirMonths)
{
    ASSERT_EQ(snmpset({summer(1), "i", "2"}), 0);
    auto form = open<TfrmSummerTime>();
    EXPECT_TRUE(find<QCheckBox>(*form, "CheckBox3")->isHidden());
    const int before = s_sim->setCount();
    click(*form, "btnCheckAll");
    EXPECT_FALSE(find<QCheckBox>(*form, "CheckBox3")->isChecked());
    find<QCheckBox>(*form, "CheckBox1")->setChecked(false);
    find<QCheckBox>(*form, "CheckBox2")->setChecked(false);

    for (const auto &[day, month] : {std::pair{"31", "Apr"}, std::pair{"29", "Feb"}}) {
        type(*form, "edtAnnualStartDay", day);
        choose(*form, "cbxAnnualStartMonth", month);
        click(*form, "btnSetChecked");
    }
    EXPECT_EQ(boxes.texts(), (QStringList{"time error!!", "time error!!"}));
    EXPECT_EQ(s_sim->setCount(), before);

    type(*form, "edtAnnualStartDay", "28");
    type(*form, "edtAnnualStartHour", "23");
    type(*form, "edtAnnualStartMinute", "59");
    click(*form, "btnSetChecked");
    EXPECT_EQ(s_sim->setCount(), before + 1);
    EXPECT_EQ(s_sim->lastSet().value(0), summer(5) + "=4x|1c02173b");
}

TEST_F(TimeDialogs, NetworkTimeWritesTheTickedRowsAndChecksTheServers)
{
    auto form = open<TfrmNetwroktime>();
    ASSERT_TRUE(idle(form->timeBinding()));
    const int before = s_sim->setCount();
    click(*form, "btnSetChecked");
    tick(*form, "CheckBox_Server1IP");
    type(*form, "ED_Server1IPAddress", "10.1.1");
    click(*form, "btnSetChecked");
    EXPECT_EQ(boxes.texts(), QStringList{"Please input a valid ip"});
    EXPECT_EQ(s_sim->setCount(), before);

    click(*form, "btnClearAll");
    tick(*form, "CheckBox_PollInterval");
    type(*form, "ED_PollInterval", "600");
    click(*form, "btnSetChecked");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return s_sim->setCount() == before + 1; }));
    EXPECT_EQ(s_sim->lastSet(), QStringList{vendor("12.10.11.5.0=2|600")});
    ASSERT_TRUE(idle(form->timeBinding()));
    EXPECT_FALSE(find<QCheckBox>(*form, "CheckBox_PollInterval")->isChecked());
}

TEST_F(TimeDialogs, TimeRangeAddNeedsItsWeekdays)
{
    auto form = open<TTimeRangeForm>();
    ASSERT_TRUE(idle(form->rangeBinding()));
    // The name is the new range's key: asked for in the dialog's words.
    click(*form, "btnAdd");
    EXPECT_EQ(boxes.texts(), QStringList{"Please input the name"});
    boxes.shown.clear();
    type(*form, "edtName", "office");
    type(*form, "edtStart", "08:00:00");
    type(*form, "edtEnd", "18:00:00");
    click(*form, "btnAdd");
    EXPECT_EQ(boxes.texts(), QStringList{"Please input the weekdays"});
    EXPECT_EQ(find<QLineEdit>(*form, "edtName")->text(), "office");

    type(*form, "edtweekdays", "MON,TUE");
    click(*form, "btnAdd");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return find<QTreeWidget>(*form, "ListView1")->topLevelItemCount() == 1; }));
    EXPECT_EQ(find<QTreeWidget>(*form, "ListView1")->topLevelItem(0)->text(1), "MON,TUE");
}

} // namespace
